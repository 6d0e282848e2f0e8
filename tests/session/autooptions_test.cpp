#include "session/autooptions.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace {

static_assert(!std::is_copy_constructible_v<AutoOptions>,
              "a copied table would point into the original");

TEST(AutoOptions, DeclarationsBeyondTheLimitGoToTheSpareEntry) {
    struct Big : AutoOptions {
        Big() {
            addCategory("Numbers");
            for (int i = 0; i < 105; ++i)
                addInt(&values[i], "v" + std::to_string(i), i).setRange(0, 50);
            addString(&name, "Name", "anon");
        }
        std::int32_t values[105] = {};
        std::string name;
    } big;
    EXPECT_EQ(big.optionCount, AutoOptions::maxOptions);
    EXPECT_EQ(big.values[80], 50);
    EXPECT_EQ(big.name, "anon");
    EXPECT_EQ(&big.option(100), &big.spare);
    ASSERT_TRUE(big.save("Big", ""));
    EXPECT_EQ(big.lines.count(), AutoOptions::maxOptions - 1 + 2);
    EXPECT_EQ(big.lines[big.lines.last() - 1], "     v98=50");
}

} // namespace
