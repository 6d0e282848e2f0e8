// The kinetics engine against the best that can be done for one system: for
// each of three systems, the reactor's step as machine code and its own step
// (alone and inside a whole default recalculation) and a hand-written loop of
// the identical recurrence with its coefficients as compile-time constants.
// The program first checks that all produce the same bits, then prints steps
// per second, the ratios and the time to compile each system's step; then the
// same for the heaviest preset and for a system at the limits of the model.
#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "engine/reactor.h"
#include "jit/compiledstep.h"
#include "model/vreactor.h"
#include "session/reactorsession.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
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

// 100 components and 100 reversible reactions, each of two to four entries
// of orders 1 and 2: the largest system the model allows, for the compile time.
Vreactor largestSystem() {
    Vreactor v;
    std::mt19937 random(7);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < 100; ++i)
        component(v, std::to_string(i), 0.01 * (1 + pick(100)));
    for (int i = 0; i < 100; ++i) {
        std::vector<std::array<int, 3>> entries;
        for (int e = 2 + pick(3); e > 0; --e)
            entries.push_back({pick(100), 1 + pick(2), e % 2 == 0 ? -1 : 1});
        reaction(v, entries, 0.1, true, 0.05);
    }
    return v;
}

// The heaviest preset, as the program opens it.
const char* const oregonatorPreset = VELUMBRA_PRESETS "/14 Oregonator oscillating reaction.vsn";

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

bool sameAsHandWritten(const System& system, bool compiled) {
    Vreactor v = system.build();
    Reactor r(&v);
    r.compiledStepAllowed = compiled;
    r.init();
    const bool ok = r.advanceSteps(runSteps) && r.compiledStepInUse() == compiled;
    const HandState hand = system.hand();
    const bool same = ok && hand.steps == runSteps && r.concentrations == hand.c &&
                      r.maxRelativeChange == hand.maxRelativeChange;
    std::printf("%-16s reactor (%s) and hand-written loop after %d steps: %s\n", system.name,
                compiled ? "machine code" : "own step", runSteps, same ? "identical" : "DIFFERENT");
    return same;
}

// The reactor's terms as the code generator takes them.
std::vector<CompiledStep::Term> termsOf(const Reactor& r) {
    std::vector<CompiledStep::Term> terms;
    for (const ReactorReaction& term : r.reactions)
        terms.push_back({term.rateFactor, term.factors.data(),
                         static_cast<int>(term.factors.size()), term.targets.data(),
                         term.coefficients.data(), static_cast<int>(term.targets.size()),
                         !term.switchTimes.empty()});
    return terms;
}

// ---- Benchmarks; one item is one Euler step.

void BM_HandWritten(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(system.hand());
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

// The steps without the compilation: each round starts again from the
// initial state that one init made.
void stepsAlone(benchmark::State& state, Reactor& r) {
    r.init();
    const std::vector<double> initial = r.concentrations;
    for (auto _ : state) {
        r.concentrations = initial;
        r.stepCount = 0;
        r.accuracyCheckCounter = 0;
        r.maxRelativeChange = 0;
        benchmark::DoNotOptimize(r.advanceSteps(runSteps));
    }
}

void BM_ReactorSteps(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    Vreactor v = system.build();
    Reactor r(&v);
    r.compiledStepAllowed = false;
    stepsAlone(state, r);
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

void BM_CompiledSteps(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    Vreactor v = system.build();
    Reactor r(&v);
    stepsAlone(state, r);
    state.SetItemsProcessed(state.iterations() * runSteps);
    state.SetLabel(system.name);
}

// The generation of the machine code alone, from the reactor's terms.
void compileTime(benchmark::State& state, Vreactor v) {
    Reactor r(&v);
    r.compiledStepAllowed = false;
    r.init();
    const std::vector<CompiledStep::Term> terms = termsOf(r);
    for (auto _ : state)
        benchmark::DoNotOptimize(CompiledStep::compile(r.componentCount, terms));
}

void BM_StepCompilation(benchmark::State& state) {
    const System& system = systems[static_cast<size_t>(state.range(0))];
    compileTime(state, system.build());
    state.SetLabel(system.name);
}

void BM_StepCompilationLargest(benchmark::State& state) {
    compileTime(state, largestSystem());
}

// A whole default recalculation of the Oregonator preset (750000 steps).
void BM_OregonatorRecalculation(benchmark::State& state) {
    ReactorSession session;
    if (!session.open(oregonatorPreset)) {
        state.SkipWithError("cannot open the Oregonator preset");
        return;
    }
    Reactor r(&session.vReactor);
    r.timeResolution = session.reactor.timeResolution;
    r.simulationTime = session.reactor.simulationTime;
    r.compiledStepAllowed = state.range(0) != 0;
    QuietEnvironment environment;
    Calculation calculation(session.vReactor, r, environment);
    for (auto _ : state) {
        calculation.calculate();
        benchmark::DoNotOptimize(calculation.pointCount);
    }
    state.SetItemsProcessed(state.iterations() * r.stepCount);
    state.SetLabel(state.range(0) != 0 ? "machine code" : "own step");
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
BENCHMARK(BM_CompiledSteps)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepCompilation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepCompilationLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OregonatorRecalculation)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recalculation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Keeps the console output and collects the figures for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            const auto rate = run.counters.find("items_per_second");
            const std::string name = run.benchmark_name();
            figures[name] = {rate == run.counters.end() ? 0 : rate->second.value,
                             run.GetAdjustedCPUTime()};
        }
    }

    void printSummary() const {
        std::printf("\n%-16s %9s %9s %9s %9s %9s %10s %10s\n", "system", "hand", "own step",
                    "compiled", "own/hand", "comp/hand", "recalc us", "compile us");
        std::printf("%-16s %9s %9s %9s\n", "", "Msteps/s", "Msteps/s", "Msteps/s");
        for (size_t i = 0; i < systems.size(); ++i) {
            const std::string arg = std::string("/").append(std::to_string(i));
            const Figure* hand = find("BM_HandWritten" + arg);
            const Figure* own = find("BM_ReactorSteps" + arg);
            const Figure* compiled = find("BM_CompiledSteps" + arg);
            const Figure* recalc = find("BM_Recalculation" + arg);
            const Figure* compile = find("BM_StepCompilation" + arg);
            if (!hand || !own || !compiled || !recalc || !compile) continue;
            std::printf("%-16s %9.1f %9.1f %9.1f %9.2f %9.2f %10.1f %10.2f\n", systems[i].name,
                        hand->rate / 1e6, own->rate / 1e6, compiled->rate / 1e6,
                        own->rate / hand->rate, compiled->rate / hand->rate, recalc->time,
                        compile->time);
        }
        if (const Figure* biggest = find("BM_StepCompilationLargest"))
            std::printf("compiling the step of 100 components, 100 reversible reactions: %.1f us\n",
                        biggest->time);
        const Figure* own = find("BM_OregonatorRecalculation/0");
        const Figure* compiled = find("BM_OregonatorRecalculation/1");
        if (own && compiled)
            std::printf("Oregonator preset, whole recalculation: own step %.2f ms, machine code "
                        "%.2f ms, %.2f times faster\n",
                        own->time, compiled->time, own->time / compiled->time);
    }

private:
    struct Figure {
        double rate;
        double time; // CPU time per iteration in the benchmark's unit
    };
    const Figure* find(const std::string& name) const {
        const auto i = figures.find(name);
        return i == figures.end() ? nullptr : &i->second;
    }
    std::map<std::string, Figure> figures;
};

} // namespace

int main(int argc, char** argv) {
    bool same = true;
    for (const System& system : systems) {
        same &= sameAsHandWritten(system, false);
        if (CompiledStep::available()) same &= sameAsHandWritten(system, true);
    }
    if (!same) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
