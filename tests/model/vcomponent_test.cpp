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

} // namespace
