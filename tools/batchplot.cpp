#include "batchplot.h"

#include "reference/referencecurves.h"
#include "session/program.h"
#include "windows/kinetics/kineticsplotrenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

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
    // The reference solution, when the view shows it, whole: no editing waits.
    ReferenceCurves reference;
    if (program.kineticsView.referenceSolution && program.calculation.pointCount > 0) {
        reference.start(program.vReactor, program.calculation);
        while (reference.work(1000)) {
        }
        reference.conclude(program.vReactor, program.calculation, program.weightedObservation);
        renderer.reference = &reference;
    }
    QImage bitmap(width, height, QImage::Format_RGB32);
    renderer.renderPlot(bitmap, program.kineticsView);
    // Written beside the target and renamed over it: a failed write leaves
    // any earlier image as it was.
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(fileName)));
    return file.open(QIODevice::WriteOnly) && bitmap.save(&file, "PNG") && file.commit();
}
