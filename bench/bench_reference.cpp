// The reference solution against the Euler calculation, preset by preset:
// the default recalculation of each preset (its own time step, 2001 stored
// points) and the reference solution at the same stored times. The reference
// should cost about as much as the Euler curves or less, so that it can
// follow every edit.
#include "engine/calculation.h"
#include "foundation/eventreceiver.h"
#include "reference/referencesolution.h"
#include "reference/storedpoints.h"
#include "session/program.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> presetFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELUMBRA_PRESETS))
        if (entry.path().extension() == ".vsn") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void openPreset(Program& program, const std::string& file) {
    ReactorSession opened;
    if (!opened.open(file)) std::fprintf(stderr, "cannot open %s\n", file.c_str());
    // The preset is put in place quietly and computed by the benchmark itself.
    NotificationPause pause;
    program.session = opened;
    SessionObjects current = program.objects();
    program.session.apply(current);
}

void euler(benchmark::State& state, const std::string& file) {
    Program program("");
    openPreset(program, file);
    for (auto _ : state) {
        program.calculation.prepare();
        while (program.calculation.step()) {
        }
        program.calculation.finish();
        benchmark::DoNotOptimize(program.calculation.storedPoints);
    }
}

void reference(benchmark::State& state, const std::string& file) {
    Program program("");
    openPreset(program, file);
    program.calculation.prepare();
    while (program.calculation.step()) {
    }
    program.calculation.finish();
    int steps = 0;
    for (auto _ : state) {
        ReferenceSolution solution;
        startReferenceAtStoredTimes(solution, program.vReactor, program.calculation);
        if (!solution.run()) state.SkipWithError(solution.failure.c_str());
        steps = solution.steps;
    }
    state.counters["steps"] = steps;
}

} // namespace

int main(int argc, char** argv) {
    for (const std::string& file : presetFiles()) {
        const std::string name = std::filesystem::path(file).stem().string();
        benchmark::RegisterBenchmark(("euler/" + name).c_str(), euler, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("reference/" + name).c_str(), reference, file)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
