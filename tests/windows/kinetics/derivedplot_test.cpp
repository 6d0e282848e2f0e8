#include "windows/kinetics/kineticsplotrenderer.h"

#include "reference/referencecurves.h"
#include "windows/common/colour.h"
#include "windows/kinetics/derivedplot.h"
#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

#include <cmath>

namespace {

constexpr int red = 0x0000FF;
constexpr int blue = 0xFF0000;

// On a bitmap of 241 x 121, t = 0..4 lies at column 20 + 50 t and the auto y
// range at rows 110 (minimum) to 10 (maximum).
struct Decay : PlotData {
    Decay() {
        setTimes({0, 1, 2, 3, 4});
        // ln A falls by 1 per time unit: 0 .. -4.
        addSeries("A", red, {1, std::exp(-1), std::exp(-2), std::exp(-3), std::exp(-4)});
        // B is 0 at the start: no ln there, so its curve starts at t = 1.
        addSeries("B", blue, {0, 1, 0.5, 0.25, 0.2});
        addReaction(system, {{0, 1, -1}, {1, 1, 1}}, 2);
        addReaction(system, {{1, 1, -1}}, 1, false); // no active direction: no curve
        addReaction(system, {{1, 1, 1}}, 3);         // nothing consumed: constant rate 3
    }
    QImage render() {
        QImage image(241, 121, QImage::Format_RGB32);
        KineticsPlotRenderer renderer(system, calculation, observation);
        renderer.simulationTime = 4;
        renderer.reference = &reference;
        renderer.hiddenRates = hidden;
        legend = renderer.renderPlot(image, view);
        return image;
    }
    KineticsLegend legend;
    ReferenceCurves reference;
    std::vector<bool> hidden;
};

TEST(DerivedPlot, LnScaleMakesAFirstOrderDecayAStraightLine) {
    Decay data;
    data.system.uniqueComponent(1).monitor = false;
    data.view.yScale = KineticsView::lnConcentration;
    const QImage image = data.render();
    EXPECT_EQ(data.view.minY, -4);
    EXPECT_EQ(data.view.maxY, 0);
    // ln A at t = 1, 2, 3 on the straight line from (20, 10) to (220, 110).
    EXPECT_TRUE(pixelsAre(image, toQColor(red), {{70, 35}, {120, 60}, {170, 85}, {95, 47}}));

    // 1/c: B's zero is left out of the range and breaks its curve.
    const DerivedPlot inverse(
        data.system, data.calculation, data.observation,
        [] {
            KineticsView v;
            v.yScale = KineticsView::inverseConcentration;
            return v;
        }(),
        {}, nullptr);
    EXPECT_TRUE(std::isnan(inverse.calculation.kinetics[1].values[0]));
    EXPECT_EQ(inverse.calculation.kinetics[1].minimum, 1);
    EXPECT_EQ(inverse.calculation.kinetics[1].maximum, 5);
}

TEST(DerivedPlot, RatesReplaceTheConcentrationsOneCurvePerActiveReaction) {
    Decay data;
    data.view.reactionRates = true;
    QImage image = data.render();
    ASSERT_EQ(data.legend.rateReactions, (std::vector<int>{0, 2}));
    EXPECT_EQ(data.legend.visibilityMarkers.count(), 2);
    EXPECT_EQ(data.legend.xAxisMarkers.count(), 0) << "rates are always against time";
    // v1 = 2 A from 2 down to 2 e^-4, v3 = 3 throughout: range 0 .. 3.
    EXPECT_EQ(data.view.maxY, 3);
    const QColor v3 = toQColor(DerivedPlot::rateColours[2]);
    EXPECT_TRUE(pixelsAre(image, v3, {{60, 10}, {150, 10}}));
    data.hidden = {false, false, true};
    image = data.render();
    EXPECT_NE(image.pixelColor(150, 10), v3);
}

TEST(DerivedPlot, ReferenceCurvesAreDashedInTheComponentsColour) {
    Decay data;
    data.system.uniqueComponent(1).monitor = false;
    data.reference.ready = true;
    data.reference.points = 5;
    data.reference.values = {{0.5, 0.5, 0.5, 0.5, 0.5}, {0, 0, 0, 0, 0}};
    const QImage without = data.render();
    data.view.referenceSolution = true;
    const QImage with = data.render();
    // Around A = 0.5 (row 61 on the range e^-4 .. 1) the dashes leave gaps.
    int drawn = 0;
    for (int x = 25; x < 215; ++x) {
        bool dash = false;
        for (int y = 58; y <= 64; ++y)
            dash |=
                with.pixelColor(x, y) == toQColor(red) && without.pixelColor(x, y) != toQColor(red);
        drawn += dash ? 1 : 0;
    }
    EXPECT_GT(drawn, 40);
    EXPECT_LT(drawn, 170);
    // A reference of another calculation is not drawn.
    data.reference.points = 4;
    EXPECT_EQ(data.render(), without);
}

} // namespace
