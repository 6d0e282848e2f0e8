#include "foundation/numberformat.h"
#include "windows/common/colour.h"
#include "windows/kinetics/fndisplayer.h"
#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

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

TEST(FnDisplayer, StraightLineFromCornerToCorner) {
    QImage image = blank(101, 51);
    FnDisplayer plot(image);
    plot.setAxes(0, 10000, 0, 1, false, false, 3, 3, false);
    std::vector<double> ramp;
    for (int i = 0; i <= 10000; ++i)
        ramp.push_back(i / 10000.0);
    plot.setPenColour(red);
    plot.curve(PlotData::list(ramp), 10001, false);
    // A pixel equal to the previous one draws nothing.
    EXPECT_LE(plot.segmentsDrawn, 101 + 51);
    for (int k = 0; k <= 10; ++k)
        EXPECT_EQ(at(image, 10 * k, 50 - 5 * k), red) << k;
    EXPECT_EQ(at(image, 0, 0), background);
    EXPECT_EQ(at(image, 100, 50), background);
}

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

TEST(FnDisplayer, PhasePlotStripesAndEndMarkers) {
    // Points at t = 0..4; with one stripe k = 1/4: point 1 dims to f = 0.25,
    // point 3 to 0.75, each colour carrying on to the next point. The first
    // point's disc has half the colour.
    for (const auto& [stripes, second, third] :
         {std::tuple{1, 50, 150}, {2, 100, 100}, {0, 200, 200}}) {
        QImage image = blank();
        drawCurve(image, {.5, .5, .5, .5, .5}, 0, 1, false, true, stripes);
        EXPECT_EQ(
            std::tuple(at(image, 15, 10), at(image, 25, 10), at(image, 0, 13), at(image, 40, 13)),
            std::tuple(second, third, 100, red))
            << stripes;
    }
    // One point: both discs on it, the full colour last.
    QImage image = blank();
    drawCurve(image, {0.5}, 0, 1, false, true);
    EXPECT_EQ(std::pair(at(image, 23, 10), at(image, 26, 10)), std::pair(red, background));
    // No markers when the last point cannot be shown; no first marker for an
    // undrawable first point.
    image = blank();
    drawCurve(image, {.5, .5, .5, .5, -1}, 0.1, 1, true, true);
    EXPECT_EQ(at(image, 0, 6), background);
    image = blank();
    drawCurve(image, {-1, .5, .5, .5, .5}, 0.1, 1, true, true);
    EXPECT_EQ(std::pair(at(image, 40, 6), at(image, 10, 6)), std::pair(red, background));
}

TEST(FnDisplayer, GridZeroLinesAndLabelsPaintedLast) {
    QImage image = blank(121, 61); // -0.1..1.1 on both axes: column 10 + 100 x, row 55 - 50 y
    numberPrecision = 5;
    FnDisplayer plot(image);
    plot.setAxes(0, 1, 0, 1, false, false, 3, 3, true);
    plot.setPenColour(0x00FF00);
    plot.setLabelColour(0xFFFFFF);
    plot.xGrid(8, true, false);
    plot.yGrid(8, true, false, false);
    plot.setPenColour(0x0000FF);
    plot.zeroLines();
    EXPECT_EQ(numberPrecision, 5);
    numberPrecision = 3;
    std::string texts;
    for (const FnDisplayer_label& l : plot.labels)
        texts += l.text + " ";
    EXPECT_EQ(texts, "0 0.2 0.4 0.6 0.8 1 0 0.2 0.4 0.6 0.8 1 ");
    EXPECT_EQ(std::pair(plot.labels[0].y, plot.labels[6].x), std::pair(60 - 12, 1));
    // Grid at x = 0.2, none at 0.1; zero lines at x = 0 and y = 0.
    EXPECT_EQ(std::tuple(at(image, 30, 8), at(image, 20, 8), at(image, 10, 20), at(image, 60, 55)),
              std::tuple(0x00FF00, background, 0x0000FF, 0x0000FF));
}
