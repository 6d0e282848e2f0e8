#include "batchplot.h"

#include "reference/referencecurves.h"
#include "session/program.h"
#include "windows/common/picturefile.h"
#include "windows/kinetics/kineticsplotrenderer.h"
#include "windows/reactions/drawingpicture.h"
#include "windows/reactions/qttextmeasurer.h"
#include "windows/reactions/reactantimages.h"
#include "windows/reactions/reactionrenderer.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Text needs a font database, which needs an application; a batch command
// never wants a window, so the offscreen platform serves whatever display
// there is or is not. The command line outranks QT_QPA_PLATFORM.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QCoreApplication::instance()) return nullptr;
    // Standard error carries the verdict for scripts; Qt's notes about the
    // environment (no runtime directory and the like) stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    static int argc = 3;
    static char name[] = "velumbra-batch";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

bool writePlotImage(Program& program, const std::string& fileName, int width, int height) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    KineticsPlotRenderer renderer(program.vReactor, program.calculation,
                                  program.weightedObservation);
    renderer.simulationTime = program.reactor.simulationTime;
    renderer.colourScheme = program.preferences.colorSchemeKinetics;
    renderer.largeLabels = program.preferences.kineticsLargeLabels;
    renderer.measurements = &program.measurements;
    // The reference solution, when the view shows it, whole: no editing waits.
    ReferenceCurves reference;
    if (program.kineticsView.referenceSolution && program.calculation.pointCount > 0) {
        reference.start(program.vReactor, program.calculation);
        while (reference.work(1000)) {
        }
        reference.conclude(program.vReactor, program.calculation, program.weightedObservation);
        renderer.reference = &reference;
    }
    return writePicture(
        QFile::decodeName(QByteArray::fromStdString(fileName)), QSize(width, height),
        [&](QPaintDevice& device) { renderer.renderPlot(device, program.kineticsView); },
        QStringLiteral("Reaction Kinetics"));
}

bool writeDrawingImage(Program& program, const std::string& fileName, int scheme) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    program.preferences.colorSchemeSystem = scheme;
    // Labels are placed by the sizes of the texts as the window's font draws them.
    QtTextMeasurer measurer;
    program.vReactor.measurer.reset(&measurer);
    program.vReactor.layout();
    ReactantImages images;
    images.choose(scheme);
    const ReactionRenderer renderer(program.preferences, images);
    const QRect area = drawingPictureArea(program.vReactor);
    const bool written = writePicture(
        QFile::decodeName(QByteArray::fromStdString(fileName)), area.size(),
        [&](QPaintDevice& device) {
            paintDrawingPicture(device, renderer, program.vReactor, area);
        },
        QStringLiteral("Reaction System"));
    program.vReactor.measurer.reset(nullptr);
    return written;
}
