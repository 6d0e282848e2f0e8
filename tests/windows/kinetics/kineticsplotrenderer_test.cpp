#include "windows/kinetics/kineticsplotrenderer.h"

#include "session/animation.h"
#include "windows/common/colour.h"
#include "windows/kinetics/kineticscolours.h"
#include "windows/kinetics/plotdata.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int red = 0x0000FF;
constexpr int blue = 0xFF0000;

// A falls from 1 to 0 while B rises from 0 to 1 over t = 0..4. On a bitmap of
// 241 x 121 the margins make t lie at column 20 + 50 t and a value v at row
// 110 - 100 v; against A, x = A lies at column 20 + 200 A.
struct TwoCurves : PlotData {
    TwoCurves() {
        setTimes({0, 1, 2, 3, 4});
        addSeries("A", red, {1, 0.75, 0.5, 0.25, 0});
        addSeries("B", blue, {0, 0.25, 0.5, 0.75, 1});
    }
    QImage render(int scheme = Preferences::kineticsDefault, bool large = false, int w = 241,
                  int h = 121) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        KineticsPlotRenderer renderer(system, calculation, observation);
        renderer.simulationTime = 4;
        renderer.colourScheme = scheme;
        renderer.largeLabels = large;
        renderer.animation = animation;
        legend = renderer.renderPlot(image, view);
        return image;
    }
    KineticsLegend legend;
    const Animation* animation = nullptr;
};

} // namespace

TEST(KineticsColours, DimColourBlendsBackgroundAndText) {
    EXPECT_EQ(KineticsColours(Preferences::kineticsDefault).dim, QColor(119, 117, 113));
    const KineticsColours contrast(Preferences::kineticsHighContrast);
    EXPECT_EQ(contrast.text, QColor(255, 255, 255));
    EXPECT_EQ(contrast.dim, QColor(64, 64, 64));
}

TEST(KineticsPlotRenderer, OnlyBackgroundUnlessThereIsSomethingCurrentToShow) {
    const QColor background = KineticsColours(Preferences::kineticsDefault).background;
    for (int state = 0; state < 3; ++state) {
        TwoCurves data;
        if (state == 0) data.view.autoRefresh = false;
        if (state == 1) data.calculation.busy = true;
        if (state == 2) data.system.components.clear(); // no grid, no caption
        data.view.maxY = 7;
        const QImage image = data.render();
        QImage plain(image.size(), QImage::Format_RGB32);
        plain.fill(background);
        EXPECT_EQ(image, plain) << state;
        EXPECT_EQ(data.legend.visibilityMarkers.count(), 0) << state;
        EXPECT_EQ(data.view.maxY, state == 2 ? 1 : 7) << state; // auto y only when drawn
    }
}

TEST(KineticsPlotRenderer, TimeAndPhasePlots) {
    TwoCurves data;
    QImage image = data.render();
    EXPECT_EQ(image.pixelColor(120, 60), toQColor(blue)); // both cross; B is drawn last
    EXPECT_EQ(image.pixelColor(70, 35), toQColor(red));
    EXPECT_EQ(image.pixelColor(95, 72), toQColor(blue)); // no stripes against time

    // B against A runs from (220, 110) to (20, 10); one stripe over t = 0..4
    // dims points 0 to 2 to f = 0.25 and 2 to 4 to 0.75; discs mark the ends.
    data.system.toggleAsX(0);
    data.view.timeStripes = 1;
    image = data.render();
    EXPECT_EQ(image.pixelColor(200, 100), QColor(0, 0, 63));
    EXPECT_EQ(image.pixelColor(100, 50), QColor(0, 0, 191));
    EXPECT_EQ(image.pixelColor(218, 107), QColor(0, 0, 127));
    EXPECT_EQ(image.pixelColor(22, 12), toQColor(blue));
    data.view.timeStripes = 0;
    image = data.render();
    EXPECT_EQ(image.pixelColor(200, 100), toQColor(blue));

    // Hidden curves are not drawn; the observation follows in its own colour.
    data.system.toggleAsX(0);
    data.system.uniqueComponent(0).monitor = false;
    data.system.uniqueComponent(1).monitor = false;
    data.setObservation({0.75, 0.75, 0.75, 0.75, 0.75});
    image = data.render();
    EXPECT_EQ(image.pixelColor(70, 10), QColor(255, 192, 160)); // range 0..0.75
    EXPECT_NE(image.pixelColor(120, 60), toQColor(blue));
}

TEST(KineticsPlotRenderer, LegendMarkersAndTheirClickRectangles) {
    for (bool large : {false, true}) {
        TwoCurves data;
        data.system.uniqueComponent(1).monitor = false;
        data.system.toggleAsX(0);
        const KineticsColours colours(Preferences::kineticsHighContrast);
        const QImage image = data.render(Preferences::kineticsHighContrast, large, 301, 201);
        const int step = large ? 18 : 14;
        ASSERT_EQ(data.legend.visibilityMarkers.count(), 2);
        for (int i = 0; i < 2; ++i) {
            const int row = 14 + step * i;
            EXPECT_EQ(data.legend.xAxisMarkers[i], QRect(283, row - 6, 13, 13));
            EXPECT_EQ(data.legend.visibilityMarkers[i], QRect(270, row - 6, 13, 13));
        }
        EXPECT_EQ(data.legend.visibilityMarkerAt({282, 14 + step + 6}), 1);
        EXPECT_EQ(data.legend.xAxisMarkerAt({289, 14 + 2 * step}), -1);
        // A is the x axis: arrow in the text colour, inner diamond dim. B is
        // hidden: dim arrow, empty diamond.
        EXPECT_EQ(image.pixelColor(289, 17), colours.text);
        EXPECT_EQ(image.pixelColor(276, 14), colours.dim);
        EXPECT_EQ(image.pixelColor(289, 14 + step), colours.dim);
        EXPECT_EQ(image.pixelColor(276, 14 + step), colours.background);
    }
}

TEST(KineticsPlotRenderer, AnimationIndicatorMarksTheValueInItsRange) {
    TwoCurves data;
    Animation animation(data.system);
    data.system.uniqueComponent(0).initialConcentration = 2;
    data.system.uniqueComponent(0).animate = true;
    animation.findParameter();
    data.animation = &animation;
    // Width 301: the strip spans 150 -+ 45. Outside a step the set value 2
    // lies at f = 1/3 of 1..4, at column 135.
    const QColor text(0, 0, 0);
    QImage image = data.render(Preferences::kineticsDefault, false, 301, 201);
    EXPECT_EQ(image.pixelColor(105, 22), text);
    EXPECT_EQ(image.pixelColor(195, 22), text);
    EXPECT_EQ(image.pixelColor(135, 22), text);
    EXPECT_EQ(image.pixelColor(130, 31), text);
    // During a step the animated value 4 sits at the upper end.
    animation.inStep = true;
    animation.baseValue = 2;
    data.system.uniqueComponent(0).initialConcentration = 4;
    image = data.render(Preferences::kineticsDefault, false, 301, 201);
    EXPECT_EQ(image.pixelColor(195, 31), text);
    EXPECT_NE(image.pixelColor(135, 31), text);
}

TEST(KineticsPlotRenderer, WindowAroundThePlot) {
    TwoCurves data;
    KineticsPlotRenderer renderer(data.system, data.calculation, data.observation);
    QImage client(520, 300, QImage::Format_RGB32);
    const KineticsControls c = renderer.renderWindow(client, data.view);
    EXPECT_EQ(c.plot, QRect(100, 16, 412, 240));
    EXPECT_EQ(c.maxXField, QRect(428, 264, 85, 15)); // right-aligned with the plot
    EXPECT_EQ(c.at({512, 278}), KineticsControls::maxX);
    EXPECT_EQ(client.pixelColor(99, 100), QColor(127, 125, 120)); // sunken frame
    EXPECT_EQ(client.pixelColor(300, 256), QColor(255, 255, 255));
    EXPECT_EQ(client.pixelColor(40, 110), QColor(255, 255, 0)); // auto y on
}
