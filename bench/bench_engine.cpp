// The kinetics engine against the best that can be done for one system: for
// each of three systems, the reactor's step (alone and inside a whole default
// recalculation) and a hand-written loop of the identical recurrence with its
// coefficients as compile-time constants. The program first checks that both
// produce the same bits, then prints steps per second and the ratio.
#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "engine/reactor.h"
#include "model/vreactor.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int runSteps = 10000; // simulation time 10 at time step 0.001
constexpr double dt = 0.001;
constexpr double largest = 1.7976931348623157e308;

// ---- The three systems as the user would draw them.

int component(Vreactor& v, const std::string& name, double concentration) {
    v.components.add(Vcomponent(name, concentration, 0));
    return v.components.last();
}

void reaction(Vreactor& v, std::vector<std::array<int, 3>> entries, double k, bool reversible,
              double kBack) {
    Vreaction r;
    r.rateConstant = k;
    r.activeBack = reversible;
    r.rateConstantBack = kBack;
    for (const auto& [index, order, port] : entries) {
        Reactant e;
        e.index = index;
        e.order = order;
        e.port = port;
        r.reactants.add(e);
    }
    v.reactions.add(r);
}

// A -> B, k = 1.
Vreactor decaySystem() {
    Vreactor v;
    const int a = component(v, "A", 1), b = component(v, "B", 0);
    reaction(v, {{a, 1, -1}, {b, 1, 1}}, 1, false, 0);
    return v;
}

// A1 <=> A2 <=> ... <=> A10, k = 1 forward and 0.5 back.
Vreactor chainSystem() {
    Vreactor v;
    for (int i = 1; i <= 10; ++i)
        component(v, std::string("A").append(std::to_string(i)), i == 1 ? 1 : 0);
    for (int i = 0; i < 9; ++i)
        reaction(v, {{i, 1, -1}, {i + 1, 1, 1}}, 1, true, 0.5);
    return v;
}

// E + S <=> ES -> E + P, k1 = 1, k-1 = 0.5, k2 = 0.3.
Vreactor michaelisMentenSystem() {
    Vreactor v;
    const int e = component(v, "E", 0.1), s = component(v, "S", 1), es = component(v, "ES", 0),
              p = component(v, "P", 0);
    reaction(v, {{e, 1, -1}, {s, 1, -1}, {es, 1, 1}}, 1, true, 0.5);
    reaction(v, {{es, 1, -1}, {e, 1, 1}, {p, 1, 1}}, 0.3, false, 0);
    return v;
}

// ---- The same recurrences written out by hand: concentrations in locals,
// rates from the step-start values, changes in term order, the relative change
// measured every tenth step, a stop on a negative or invalid value.

struct HandState {
    std::vector<double> c;
    double maxRelativeChange = 0;
    int steps = 0;
};

template <bool measure> inline void change(double& c, double delta, double& maxChange) {
    c += delta;
    if constexpr (measure) {
        if (delta < 0 && c > 1e-100 && -delta / c > maxChange) maxChange = -delta / c;
    }
}

inline bool invalid(double c) {
    return !(c >= 0.0 && c <= largest);
}

template <int n, typename Step> HandState runHand(std::array<double, n> c, Step step) {
    double maxChange = 0;
    int counter = 0;
    int steps = 0;
    for (; steps < runSteps; ++steps) {
        const bool ok = counter == 0 ? step.template operator()<true>(c, maxChange)
                                     : step.template operator()<false>(c, maxChange);
        if (!ok) break;
        if (++counter == 10) counter = 0;
    }
    return {std::vector<double>(c.begin(), c.end()), maxChange, steps};
}

HandState handDecay() {
    return runHand<2>({1, 0}, []<bool m>(std::array<double, 2>& c, double& mc) {
        constexpr double k = 1.0 * dt;
        const double r = k * c[0];
        change<m>(c[0], -1.0 * r, mc);
        change<m>(c[1], 1.0 * r, mc);
        return !(invalid(c[0]) | invalid(c[1]));
    });
}

HandState handChain() {
    return runHand<10>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                       []<bool m>(std::array<double, 10>& c, double& mc) {
                           constexpr double kf = 1.0 * dt, kb = 0.5 * dt;
                           const std::array<double, 10> s = c;
                           for (int i = 0; i < 9; ++i) {
                               const double rf = kf * s[i];
                               change<m>(c[i], -1.0 * rf, mc);
                               change<m>(c[i + 1], 1.0 * rf, mc);
                               const double rb = kb * s[i + 1];
                               change<m>(c[i], 1.0 * rb, mc);
                               change<m>(c[i + 1], -1.0 * rb, mc);
                           }
                           bool bad = false;
                           for (double x : c)
                               bad |= invalid(x);
                           return !bad;
                       });
}

HandState handMichaelisMenten() {
    return runHand<4>({0.1, 1, 0, 0}, []<bool m>(std::array<double, 4>& c, double& mc) {
        constexpr double k1 = 1.0 * dt, kb = 0.5 * dt, k2 = 0.3 * dt;
        const double e = c[0], s = c[1], es = c[2];
        const double r1 = k1 * e * s, rb = kb * es, r2 = k2 * es;
        change<m>(c[0], -1.0 * r1, mc);
        change<m>(c[1], -1.0 * r1, mc);
        change<m>(c[2], 1.0 * r1, mc);
        change<m>(c[0], 1.0 * rb, mc);
        change<m>(c[1], 1.0 * rb, mc);
        change<m>(c[2], -1.0 * rb, mc);
        change<m>(c[2], -1.0 * r2, mc);
        change<m>(c[0], 1.0 * r2, mc);
        change<m>(c[3], 1.0 * r2, mc);
        return !(invalid(c[0]) | invalid(c[1]) | invalid(c[2]) | invalid(c[3]));
    });
}

struct System {
    const char* name;
    Vreactor (*build)();
    HandState (*hand)();
};

const std::array<System, 3> systems = {
    {{"decay", decaySystem, handDecay},
     {"chain10", chainSystem, handChain},
     {"michaelisMenten", michaelisMentenSystem, handMichaelisMenten}}};

// The owner's side of the calculation, as the program will wire it: no window.
struct QuietEnvironment : CalculationEnvironment {
    bool autoRefresh() const override { return true; }
    bool extendedDetail() const override { return false; }
    bool animationRunning() const override { return false; }
    void showStatus(const std::string&) override {}
    ProgressRunner* progressRunner() override { return nullptr; }
};

bool sameAsHandWritten(const System& system) {
    Vreactor v = system.build();
    Reactor r(&v);
    r.init();
    const bool ok = r.advanceSteps(runSteps);
    const HandState hand = system.hand();
    const bool same = ok && hand.steps == runSteps && r.concentrations == hand.c &&
                      r.maxRelativeChange == hand.maxRelativeChange;
    std::printf("%-16s reactor and hand-written loop after %d steps: %s\n", system.name, runSteps,
                same ? "identical" : "DIFFERENT");
    return same;
}

// ---- Benchmarks; one item is one Euler step.

void BM_HandWritten(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(system.hand());
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

void BM_ReactorSteps(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    Vreactor v = system.build();
    Reactor r(&v);
    for (auto _ : state) {
        r.init();
        benchmark::DoNotOptimize(r.advanceSteps(runSteps));
    }
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

// A whole recalculation at the default settings: 10000 steps, 2001 points.
void BM_Recalculation(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    Vreactor v = system.build();
    Reactor r(&v);
    QuietEnvironment environment;
    Calculation calculation(v, r, environment);
    for (auto _ : state) {
        calculation.calculate();
        benchmark::DoNotOptimize(calculation.pointCount);
    }
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

BENCHMARK(BM_HandWritten)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReactorSteps)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Recalculation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Keeps the console output and collects the figures for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            const auto rate = run.counters.find("items_per_second");
            if (rate == run.counters.end()) continue;
            const std::string name = run.benchmark_name();
            figures[name] = {rate->second.value, run.GetAdjustedCPUTime()};
        }
    }

    void printSummary() const {
        std::printf("\n%-16s %14s %14s %14s %8s %8s %16s\n", "system", "hand Msteps/s",
                    "step Msteps/s", "recalc Msteps/s", "step/", "recalc/", "recalculation");
        for (size_t i = 0; i < systems.size(); ++i) {
            const std::string arg = std::string("/").append(std::to_string(i));
            const auto hand = figures.find("BM_HandWritten" + arg);
            const auto steps = figures.find("BM_ReactorSteps" + arg);
            const auto recalc = figures.find("BM_Recalculation" + arg);
            if (hand == figures.end() || steps == figures.end() || recalc == figures.end())
                continue;
            std::printf("%-16s %14.1f %14.1f %14.1f %8.2f %8.2f %13.1f us\n", systems[i].name,
                        hand->second.rate / 1e6, steps->second.rate / 1e6,
                        recalc->second.rate / 1e6, steps->second.rate / hand->second.rate,
                        recalc->second.rate / hand->second.rate, recalc->second.time);
        }
    }

private:
    struct Figure {
        double rate;
        double time; // CPU microseconds per iteration
    };
    std::map<std::string, Figure> figures;
};

} // namespace

int main(int argc, char** argv) {
    bool same = true;
    for (const System& system : systems)
        same &= sameAsHandWritten(system);
    if (!same) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
