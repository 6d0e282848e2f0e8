#include "session/autooption.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(AutoOption, ChoicesClampAndCycle) {
    std::int32_t value = 7;
    AutoOption option;
    option.intTarget = &value;
    option.setChoices("Default|High contrast");
    EXPECT_EQ(option.kind(), AutoOption::choice);
    EXPECT_EQ(option.valueText(), "High contrast");
    option.nextChoice();
    EXPECT_EQ(option.valueText(), "Default");
    option.nextChoice();
    option.nextChoice();
    EXPECT_EQ(value, 0);
    option.setChoices("|x|");
    EXPECT_EQ(option.choices.count(), 3);
}

TEST(AutoOption, RangedNumbersStepWithinTheirRange) {
    constexpr std::int32_t big = std::numeric_limits<std::int32_t>::max(), small = -big - 1;
    // min, max, start, step, expected
    const std::int32_t cases[][5] = {{3, 6, 6, +1, 6},
                                     {6, 3, 5, -1, 4},
                                     {small, big, big, +1, big},
                                     {small, big, small, -1, small}};
    for (const auto& c : cases) {
        std::int32_t value = c[2];
        AutoOption option;
        option.intTarget = &value;
        option.setRange(c[0], c[1]).stepBy(c[3]);
        EXPECT_EQ(value, c[4]) << c[0] << ".." << c[1] << " from " << c[2];
    }
}

} // namespace
