// The time from a changed parameter to the new picture, for every preset:
// the change notification with its recalculation, then the kinetics window's
// bitmap, the reaction system's surface and the equations view's image, all
// offscreen, at the sizes of the default arrangement on a 1280×800 screen.
// Prints frames per second per preset (from the processor time of the
// thread) and their median, and the share of each part.
#include "app/windowarrangement.h"
#include "foundation/eventreceiver.h"
#include "session/program.h"
#include "windows/equations/tfequations.h"
#include "windows/kinetics/kineticsplotrenderer.h"
#include "windows/reactions/reactantimages.h"
#include "windows/reactions/reactionrenderer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The main window's client area on a 1280×800 screen (title, menu and task
// bar taken off) and the fixed sizes of the control and speed bar windows.
const WindowArrangement arrangement =
    defaultWindowArrangement(QSize(1280, 720), QSize(262, 232), QSize(108, 226));
// Frames of the child windows: 8 pixels of border and 22 of title bar.
QSize clientOf(const QRect& frame) {
    return QSize(std::max(1, frame.width() - 8), std::max(1, frame.height() - 30));
}

std::vector<std::string> presetFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELUMBRA_PRESETS))
        if (entry.path().extension() == ".vsn") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

struct Parts {
    double calculation = 0, kinetics = 0, reactions = 0, equations = 0;
};

// One frame; the parts' times are added up in milliseconds.
class Frame {
public:
    explicit Frame(const std::string& preset) : program("") {
        ok = program.openSession(preset);
        images = std::make_unique<ReactantImages>();
        kineticsClient = QImage(clientOf(arrangement.kinetics), QImage::Format_RGB32);
        reactionSurface = QImage(clientOf(arrangement.reactions), QImage::Format_RGB32);
        // The window itself: it keeps its image while the text stays the same.
        equations = std::make_unique<TFequations>(program.vReactor, program.preferences, program);
        equations->resize(
            clientOf(equationsPlacement(QRect(QPoint(0, 0), reactionSurface.size()))));
        equations->show();
    }

    void run(int frame, Parts* parts) {
        // Processor time of this thread: the machine is shared, and a
        // frame's wall time there says more about the others.
        const auto now = [] {
            timespec t{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
            return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
        };
        const double t0 = now();
        // A parameter drag: the first rate constant moves up and down by 1%.
        if (program.vReactor.reactions.count() > 0) {
            Vreaction& r = program.vReactor.reactions[0];
            if (frame == 0) base = r.rateConstant;
            r.rateConstant = base * (frame % 2 == 0 ? 1.01 : 0.99);
        }
        broadcast(parametersChanged);
        const double t1 = now();

        KineticsPlotRenderer plot(program.vReactor, program.calculation,
                                  program.weightedObservation);
        plot.simulationTime = program.reactor.simulationTime;
        plot.colourScheme = program.preferences.colorSchemeKinetics;
        plot.largeLabels = program.preferences.kineticsLargeLabels;
        plot.renderWindow(kineticsClient, program.kineticsView);
        const double t2 = now();

        {
            const ReactionRenderer renderer(program.preferences, *images);
            QPainter painter(&reactionSurface);
            renderer.draw(painter, program.vReactor, reactionSurface.rect());
        }
        const double t3 = now();

        equations->rebuild(false);
        const double t4 = now();
        if (parts) {
            parts->calculation += t1 - t0;
            parts->kinetics += t2 - t1;
            parts->reactions += t3 - t2;
            parts->equations += t4 - t3;
        }
    }

    Program program;
    bool ok = false;

private:
    std::unique_ptr<ReactantImages> images;
    QImage kineticsClient, reactionSurface;
    std::unique_ptr<TFequations> equations;
    double base = 1;
};

std::map<std::string, Parts> partsOf;

void BM_Frame(benchmark::State& state, const std::string& preset) {
    Frame frame(preset);
    if (!frame.ok) {
        state.SkipWithError("cannot open the preset");
        return;
    }
    int n = 0;
    for (auto _ : state)
        frame.run(n++, nullptr);
    // The parts, from a separate count of frames.
    Parts parts;
    for (int i = 0; i < 20; ++i)
        frame.run(i, &parts);
    partsOf[preset] = parts;
    state.SetItemsProcessed(state.iterations());
}

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / 1e3;
    }
    void printSummary() const {
        std::printf("\n%-44s %8s %9s %8s %8s %8s\n", "preset", "frames/s", "calc ms", "plot ms",
                    "system ms", "eqns ms");
        std::vector<double> rates;
        for (const auto& [name, s] : seconds) {
            const std::string preset =
                name.substr(name.find('/') + 1, name.rfind(".vsn") + 4 - name.find('/') - 1);
            const auto p = partsOf.find(std::string(VELUMBRA_PRESETS "/") + preset);
            if (p == partsOf.end()) continue;
            const Parts& q = p->second;
            rates.push_back(1 / s);
            std::printf("%-44s %8.0f %9.3f %8.3f %8.3f %8.3f\n", preset.c_str(), 1 / s,
                        q.calculation / 20, q.kinetics / 20, q.reactions / 20, q.equations / 20);
        }
        if (rates.empty()) return;
        std::sort(rates.begin(), rates.end());
        const size_t m = rates.size();
        const double median = m % 2 ? rates[m / 2] : (rates[m / 2 - 1] + rates[m / 2]) / 2;
        std::printf("frames per second: lowest %.0f, median %.0f\n", rates.front(), median);
    }

private:
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    static char platform[] = "-platform", offscreen[] = "offscreen";
    std::vector<char*> qtArgs = {argv[0], platform, offscreen};
    int qtArgc = static_cast<int>(qtArgs.size());
    QApplication application(qtArgc, qtArgs.data());
    for (const std::string& file : presetFiles()) {
        const std::string name = std::filesystem::path(file).filename().string();
        benchmark::RegisterBenchmark(("BM_Frame/" + name).c_str(), BM_Frame, file)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
