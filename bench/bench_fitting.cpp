// A whole fit: three rate constants of a four-component system (A <-> B,
// B -> C, C -> D) to 200 measured points of two columns, each computation
// 20 000 Euler steps. The data come from the true values with seeded noise;
// the fit starts from values 30 % to 50 % off.
#include "fitting/fitter.h"
#include "model/vreactor.h"
#include "session/measurements.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr double timeStep = 0.001;
constexpr double simulationTime = 20; // 20 000 steps
constexpr int rows = 100;             // two columns: 200 points

int component(Vreactor& v, const char* name, double concentration) {
    v.components.add(Vcomponent(name, concentration, 0));
    return v.components.last();
}

void reaction(Vreactor& v, int from, int to, double k, bool reversible = false, double kBack = 0) {
    Vreaction r;
    r.rateConstant = k;
    r.activeBack = reversible;
    r.rateConstantBack = kBack;
    for (const auto& [index, port] : {std::pair{from, -1}, std::pair{to, 1}}) {
        Reactant e;
        e.index = index;
        e.order = 1;
        e.port = port;
        r.reactants.add(e);
    }
    v.reactions.add(r);
}

Vreactor chain(double k1, double kBack, double k2, double k3) {
    Vreactor v;
    const int a = component(v, "A", 1);
    const int b = component(v, "B", 0);
    const int c = component(v, "C", 0);
    const int d = component(v, "D", 0);
    reaction(v, a, b, k1, true, kBack);
    reaction(v, b, c, k2);
    reaction(v, c, d, k3);
    return v;
}

Measurements noisyData() {
    const Vreactor truth = chain(0.8, 0.2, 0.5, 0.3);
    Measurements m;
    m.names = {"B", "D"};
    for (int r = 1; r <= rows; ++r)
        m.times.push_back(simulationTime * r / rows);
    m.values.assign(2, std::vector<double>(rows, 0.0));
    ModelSampler sampler(truth, timeStep, simulationTime, {}, m);
    std::vector<double> model(2 * rows);
    sampler.modelValues(model.data());
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0, 0.002);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 2; ++c)
            m.values[static_cast<size_t>(c)][static_cast<size_t>(r)] =
                model[static_cast<size_t>(2 * r + c)] + noise(random);
    return m;
}

void BM_FitThreeRateConstants(benchmark::State& state) {
    const Measurements data = noisyData();
    const Vreactor start = chain(0.5, 0.2, 0.7, 0.2);
    std::vector<FitParameter> chosen = defaultFitParameters(start);
    chosen.erase(chosen.begin() + 1); // k-1 stays
    int iterations = 0;
    int computations = 0;
    for (auto _ : state) {
        Fitter fitter(start, timeStep, simulationTime, {}, data, chosen);
        std::string error;
        if (!fitter.start(error)) state.SkipWithError(error.c_str());
        fitter.run();
        const FitResult& result = fitter.finish();
        iterations = result.iterations;
        computations = fitter.computations();
        benchmark::DoNotOptimize(result.values.data());
    }
    state.counters["iterations"] = iterations;
    state.counters["computations"] = computations;
}
BENCHMARK(BM_FitThreeRateConstants)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
