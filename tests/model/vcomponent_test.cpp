#include "model/vcomponent.h"

#include "support/fixedtextmeasurer.h"

#include <gtest/gtest.h>

namespace {

TEST(VcomponentTest, ConcentrationLabelTexts) {
    const struct {
        double concentration;
        bool animate, constant, shortcut;
        const char* expected;
    } cases[] = {
        {1.5, false, false, false, "1.5"},
        {1.5, true, false, false, "1.5 \xB1 anim"},
        {0.25, false, true, false, "0.25 const"},
        {2, true, true, false, "2 \xB1 anim = const"},
        {2, true, true, true, ""},
    };
    for (const auto& c : cases) {
        Vcomponent component("A", c.concentration, 0);
        component.animate = c.animate;
        component.constant = c.constant;
        component.shortcut = c.shortcut;
        component.layout(nullptr, ModelSettings());
        EXPECT_EQ(component.label, c.expected);
    }
}

TEST(VcomponentTest, TextPlacesHitDistancesAndExtentFollowTheFonts) {
    FixedTextMeasurer measurer;
    Vcomponent c("AB", 1, 0);
    c.pos = {100, 200};
    ModelSettings large;
    large.largeNameFont = large.largeParameterFont = true;
    c.layout(&measurer, large);
    EXPECT_EQ(c.namePos, (Poi{100, 178}));
    EXPECT_EQ(c.labelPos, (Poi{100, 219}));
    EXPECT_EQ(c.nameSize, (TextSize{16, 19}));
    EXPECT_EQ(c.labelSize, (TextSize{6, 15}));

    // Name "AB": 10 x 13 around (100, 180); concentration "1": 5 x 13 around (100, 218).
    c.layout(&measurer, ModelSettings());
    EXPECT_EQ(c.distance({113, 200}), 1);
    EXPECT_EQ(c.ringDistance({125, 200}), 3);
    EXPECT_EQ(c.nameDistance({105, 186}), 0);
    EXPECT_EQ(c.nameDistance({107, 180}), 2);
    EXPECT_EQ(c.concentrationDistance({100, 227}), 3);
    EXPECT_EQ(c.extent().minimum(), (Poi{78, 164}));
    EXPECT_EQ(c.extent().maximum(), (Poi{122, 234}));

    c.shortcut = true;
    c.layout(&measurer, ModelSettings());
    EXPECT_EQ(c.concentrationDistance({100, 218}), Vclass::miss);
    EXPECT_EQ(c.extent().maximum(), (Poi{122, 222}));
}

} // namespace
