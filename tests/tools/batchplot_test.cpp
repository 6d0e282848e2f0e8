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

// Bad sizes and a missing output are refused; unwritable images and sessions
// are reported. The other commands never start Qt: an unusable platform does
// not matter to them.
TEST_F(BatchTest, PlotRefusesBadInputAndTableCommandsNeedNoQt) {
    const std::string session = writeSession("s.vsn");
    for (const char* size :
         {"99x100", "100x4001", "800", "x500", "800x", "8OOx500", "-800x500", "1234567x1"})
        EXPECT_EQ(run("plot " + session + " -o p.png --size " + size).status, 2) << size;
    EXPECT_EQ(run("plot " + session).status, 2) << "no output file";
    const Outcome unwritable = run("plot " + session + " -o " + dir.file("none/p.png"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Failed to write the plot image."), std::string::npos);
    EXPECT_EQ(run("plot " + dir.file("missing.vsn") + " -o " + dir.file("p.png")).status, 1);

    const std::string broken = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=none ";
    for (const std::string& command : {"kinetics " + session, "equations " + session,
                                       "resave " + session + " " + dir.file("copy.vsn")})
        EXPECT_EQ(run(command, broken).status, 0) << command;
}

} // namespace

#endif
