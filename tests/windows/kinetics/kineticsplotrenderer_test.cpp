#include "windows/kinetics/kineticsplotrenderer.h"

#include "windows/common/colour.h"
#include "windows/kinetics/kineticscolours.h"
#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

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
    QImage render() {
        QImage image(241, 121, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        KineticsPlotRenderer renderer(system, calculation, observation);
        renderer.simulationTime = 4;
        renderer.renderPlot(image, view);
        return image;
    }
};

} // namespace

TEST(KineticsPlotRenderer, TimeAndPhasePlots) {
    TwoCurves data;
    QImage image = data.render();
    // Both cross at (120, 60), B drawn last; no stripes against time.
    EXPECT_TRUE(pixelsAre(image, toQColor(blue), {{120, 60}, {95, 72}}));
    EXPECT_TRUE(pixelsAre(image, toQColor(red), {{70, 35}}));
    // B against A runs from (220, 110) to (20, 10); one stripe over t = 0..4
    // dims points 0 to 2 to f = 0.25 and 2 to 4 to 0.75; discs mark the ends.
    data.system.toggleAsX(0);
    data.view.timeStripes = 1;
    image = data.render();
    EXPECT_TRUE(pixelsAre(image, QColor(0, 0, 63), {{200, 100}}));
    EXPECT_TRUE(pixelsAre(image, QColor(0, 0, 191), {{100, 50}}));
    EXPECT_TRUE(pixelsAre(image, QColor(0, 0, 127), {{218, 107}}));
    EXPECT_TRUE(pixelsAre(image, toQColor(blue), {{22, 12}}));
    // Hidden curves are not drawn; the observation follows in its own colour.
    data.system.toggleAsX(0);
    data.system.uniqueComponent(0).monitor = false;
    data.system.uniqueComponent(1).monitor = false;
    data.setObservation({0.75, 0.75, 0.75, 0.75, 0.75});
    image = data.render();
    EXPECT_EQ(image.pixelColor(70, 10), QColor(255, 192, 160)); // range 0..0.75
    EXPECT_NE(image.pixelColor(120, 60), toQColor(blue));
}
