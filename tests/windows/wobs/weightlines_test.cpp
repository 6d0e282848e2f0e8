#include "windows/wobs/weightlines.h"

#include "foundation/numberformat.h"

#include <gtest/gtest.h>

TEST(WeightLines, NamesFittedToFortyCharacters) {
    struct Case {
        std::string name;
        std::string fitted;
    };
    const std::string forty(40, 'x');
    const Case cases[] = {
        {"A", "A" + std::string(39, ' ')},
        {"", std::string(40, ' ')},
        {forty, forty},
        {forty + "y", std::string(37, 'x') + "..."},
        {std::string(45, 'n'), std::string(37, 'n') + "..."},
        // Single-byte texts: an accented letter counts as one character.
        {"\xC4" + std::string(39, 'b'), "\xC4" + std::string(39, 'b')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitName(c.name), c.fitted) << c.name;
        EXPECT_EQ(fitName(c.name).size(), 40u);
    }
}

TEST(WeightLines, WeightFollowsInColumnFortyTwo) {
    EXPECT_EQ(weightLine("NaCl", 2.5), "NaCl" + std::string(36, ' ') + " " + formatNumber(2.5));
    EXPECT_EQ(weightLine(std::string(45, 'n'), 0).substr(40), " 0");
}
