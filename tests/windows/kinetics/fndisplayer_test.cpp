#include "foundation/numberformat.h"
#include "windows/common/colour.h"
#include "windows/kinetics/fndisplayer.h"
#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

#include <set>
#include <string>

namespace {

constexpr int background = 0x808080;
constexpr int red = 0x0000C8; // 0x00BBGGRR: red 200

QImage blank(int w = 41, int h = 21) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQColor(background));
    return image;
}

int at(const QImage& image, int x, int y) {
    return fromQColor(image.pixelColor(x, y));
}

// Draws the values against their index on an x axis 0..count-1 (no margins);
// returns the segments drawn.
int drawCurve(QImage& image, const std::vector<double>& values, double minY, double maxY, bool logY,
              bool markEnds = false, double stripes = -1) {
    FnDisplayer plot(image);
    plot.setAxes(0, static_cast<double>(values.size()) - 1, minY, maxY, false, logY, 3, 2, false);
    const Llist<double> times = PlotData::list({0, 1, 2, 3, 4});
    if (stripes >= 0) plot.setStripes(&times, times.count(), stripes);
    plot.setPenColour(red);
    plot.curve(PlotData::list(values), static_cast<int>(values.size()), markEnds);
    return plot.segmentsDrawn;
}

} // namespace

TEST(FnDisplayer, PointsThatCannotBeShownBreakTheCurve) {
    // Log y from 0.1 over two decades on 20 rows: 1 lies on row 10.
    QImage log = blank();
    EXPECT_EQ(drawCurve(log, {1, 1, 0, 1, 1}, 0.1, 10, true), 2);
    for (const int x : {5, 15, 20, 25, 35})
        EXPECT_EQ(at(log, x, 10), x == 5 || x == 35 ? red : background) << x;

    const double nan = std::numeric_limits<double>::quiet_NaN();
    // y range 0..1: up to ten spans outside still connects.
    const double middles[][3] = {
        {11, 0, 4}, {11.5, 0, 2}, {nan, 0, 2}, {1e-101, 1, 2}, {1e-100, 1, 4}};
    for (const auto& m : middles) {
        QImage image = blank();
        EXPECT_EQ(drawCurve(image, {.5, .5, m[0], .5, .5}, m[1] ? 0.1 : 0, 1, m[1] != 0), m[2])
            << m[0];
    }
    // Nothing shown at all draws nothing, not even end markers.
    QImage image = blank();
    EXPECT_EQ(drawCurve(image, {1e-120, 0, -1}, 0.1, 10, true, true), 0);
    EXPECT_EQ(image, blank());
    // x outside the axis, and a point without an x value.
    FnDisplayer plot(image);
    plot.setAxes(0, 4, 0, 1, false, false, 3, 3, false);
    const Llist<double> x = PlotData::list({0, 1, 5, 3, 4, 5});
    plot.setXValues(&x, 5);
    plot.curve(PlotData::list({.5, .5, .5, .5, .5, .5}), 6, false);
    EXPECT_EQ(plot.segmentsDrawn, 2);
}

// A nearly flat curve: the y labels carry 12 digits and stay distinct, the x
// labels 3; the user's precision is back afterwards.
TEST(FnDisplayer, YLabelsWithTwelveDigitsAndXLabelsWithThree) {
    QImage image = blank(200, 100);
    numberPrecision = 5;
    FnDisplayer plot(image);
    plot.setAxes(1000.1, 1000.5, 2.0000001, 2.0000005, false, false, 3, 3, false);
    plot.xGrid(5, true, false);
    const Llist<double> xTicks = plot.ticks.values;
    plot.yGrid(5, true, false, false);
    const Llist<double> yTicks = plot.ticks.values;
    EXPECT_EQ(numberPrecision, 5);
    ASSERT_GE(yTicks.count(), 3);
    ASSERT_EQ(plot.labels.count(), xTicks.count() + yTicks.count());
    std::set<std::string> yTexts;
    for (int i = 0; i < plot.labels.count(); ++i) {
        const bool isX = i < xTicks.count();
        numberPrecision = isX ? 3 : 12;
        EXPECT_EQ(plot.labels[i].text, formatNumber(isX ? xTicks[i] : yTicks[i - xTicks.count()]));
        if (!isX) yTexts.insert(plot.labels[i].text);
    }
    numberPrecision = 3;
    EXPECT_EQ(static_cast<int>(yTexts.size()), yTicks.count());
    EXPECT_TRUE(yTexts.count("2.0000002")) << *yTexts.begin();
}
