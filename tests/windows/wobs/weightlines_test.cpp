#include "windows/wobs/weightlines.h"

#include "foundation/numberformat.h"
#include "windows/windowtest.h"

TEST(WeightLines, NamesFittedToFortyCharactersThenTheWeight) {
    const std::string forty(40, 'x');
    EXPECT_EQ(fitName("A"), "A" + std::string(39, ' '));
    EXPECT_EQ(fitName(forty), forty);
    EXPECT_EQ(fitName(forty + "y"), std::string(37, 'x') + "...");
    EXPECT_EQ(fitName(std::string(45, 'n')), std::string(37, 'n') + "...");
    EXPECT_EQ(weightLine("\xC4", 2.5), "\xC4" + std::string(39, ' ') + " " + formatNumber(2.5));
}
