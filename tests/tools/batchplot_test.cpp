#ifdef VELUMBRA_BATCH_PLOT

#include "batchfixture.h"
#include "session/program.h"
#include "windows/kinetics/kineticsplotrenderer.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string preset = std::string(VELUMBRA_PRESETS) + "/02 Consecutive reactions.vsn";
// No display and no platform chosen: the command finds its own way.
const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";

// What the kinetics window draws for the preset at that size.
QImage windowPlot(int width, int height) {
    Program program("");
    EXPECT_TRUE(program.openSession(preset));
    program.calculation.calculate();
    KineticsPlotRenderer renderer(program.vReactor, program.calculation,
                                  program.weightedObservation);
    renderer.simulationTime = program.reactor.simulationTime;
    QImage bitmap(width, height, QImage::Format_RGB32);
    renderer.renderPlot(bitmap, program.kineticsView);
    return bitmap;
}

TEST_F(BatchTest, PlotDrawsWhatTheKineticsWindowShowsWithoutADisplay) {
    const std::string image = dir.file("plot.png");
    Outcome r = run("plot \"" + preset + "\" -o " + image, noDisplay);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.substr(0, 3), "ok\n");
    EXPECT_EQ(r.err.find("QStandardPaths"), std::string::npos) << "Qt's notes stay out";

    int argc = 1;
    char name[] = "tools_test";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QImage drawn(QString::fromStdString(image));
    EXPECT_EQ(drawn.size(), QSize(800, 500));
    EXPECT_TRUE(drawn.convertToFormat(QImage::Format_RGB32) == windowPlot(800, 500));

    r = run("plot \"" + preset + "\" --size 320x200 -o " + image, noDisplay);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(image)).size(), QSize(320, 200));
}

} // namespace

#endif
