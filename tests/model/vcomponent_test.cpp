#include "model/vcomponent.h"

#include "support/fixedtextmeasurer.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(VcomponentTest, ConcentrationLabelTexts) {
    // concentration, animate, constant, shortcut
    const std::tuple<double, bool, bool, bool, const char*> cases[] = {
        {1.5, false, false, false, "1.5"},
        {1.5, true, false, false, "1.5 \xB1 anim"},
        {0.25, false, true, false, "0.25 const"},
        {2, true, true, false, "2 \xB1 anim = const"},
        {2, true, true, true, ""}};
    for (const auto& [concentration, animate, constant, shortcut, expected] : cases) {
        Vcomponent component("A", concentration, 0);
        component.animate = animate;
        component.constant = constant;
        component.shortcut = shortcut;
        component.layout(nullptr, ModelSettings());
        EXPECT_EQ(component.label, expected);
    }
}

// Name "AB": 10 x 13 around (100, 180); concentration "1": 5 x 13 around
// (100, 218). A shortcut has no concentration to hit.
TEST(VcomponentTest, TextPlacesHitDistancesAndExtentFollowTheFonts) {
    FixedTextMeasurer measurer;
    Vcomponent c("AB", 1, 0);
    c.pos = {100, 200};
    c.layout(&measurer, ModelSettings());
    EXPECT_EQ(c.distance({113, 200}), 1);
    EXPECT_EQ(c.nameDistance({107, 180}), 2);
    EXPECT_EQ(c.concentrationDistance({100, 227}), 3);
    EXPECT_EQ(c.extent().maximum(), (Poi{122, 234}));
    ModelSettings large;
    large.largeNameFont = large.largeParameterFont = true;
    c.shortcut = true;
    c.layout(&measurer, large);
    EXPECT_EQ(c.namePos, (Poi{100, 178}));
    EXPECT_EQ(c.concentrationDistance({100, 218}), Vclass::miss);
}

} // namespace
