#pragma once

#include "engine/reactorreaction.h"
#include "foundation/link.h"
#include "foundation/llist.h"
#include "foundation/textstream.h"
#include "jit/compiledstep.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class Vreactor;

// The computational form of the reaction system: `init` compiles the drawn
// system into mass-action rate terms and `advance` moves the concentrations one
// explicit Euler step of `timeResolution` on. Also holds the two simulation
// settings stored in sessions ("time resolution", "simulation time").
//
// One step, exactly: every rate is computed from the concentrations at the
// start of the step as ((rateFactor × c[f1]) × c[f2]) × … in factor order;
// then, in term order and for each term in target order, c[target] +=
// coefficient × rate. A step that leaves a concentration negative, not a number
// or infinite sets that concentration to 0 and puts the reactor into overflow,
// which blocks further steps until the next `init`.
class Reactor : public TextStream {
public:
    static constexpr int maxComponents = 100;
    // Per rate term: the factors of one side, the targets of both sides.
    static constexpr int maxFactors = 100;
    static constexpr int maxTargets = 200;
    // The relative change is measured in one step of every ten.
    static constexpr int accuracyCheckInterval = 10;
    static constexpr double criticalChange = 0.1;
    static constexpr double warningChange = 0.02;
    // Concentrations at or below this are not used to measure relative changes.
    static constexpr double negligibleConcentration = 1e-100;
    static constexpr double defaultTimeResolution = 0.001;
    static constexpr double defaultSimulationTime = 10;

    Reactor() = default;
    explicit Reactor(Vreactor* reactionSystem) : system(reactionSystem) {}

    // The keys "time resolution" and "simulation time".
    void exchange() override;

    // Compiles `system` and starts at time 0 from the initial concentrations.
    // Unresolvable reactants are reported and left out of their term; a system
    // beyond the limits above (or no system) is reported, leaves every
    // concentration 0 and sets `overflow`.
    void init();

    // One step; false when in overflow or when this step produced it.
    bool advance() { return advanceSteps(1); }
    // Up to `count` steps; false as soon as one fails. Same values as calling
    // `advance` that many times.
    bool advanceSteps(int count);

    // "calculation overflow", "critical accuracy", "accuracy warning" or "ok".
    std::string statusText() const;

    // Whether `init` compiled the step to machine code; the results are the
    // same bits either way.
    bool compiledStepInUse() const { return compiled_ != nullptr; }

    // A rough count of the arithmetic in one step, for callers that pace work.
    int workPerStep() const { return workPerStep_; }

    // The reaction system that `init` compiles; assigning another reactor
    // (the session's copy) keeps it.
    Link<Vreactor> system;

    // The compiled rate terms as `init` built them. The step runs on a flat copy
    // of their rates and coefficients and only updates the switch states here.
    Llist<ReactorReaction> reactions;
    bool overflow = false;
    int accuracyCheckCounter = 0;
    // The largest relative decrease of a concentration in one measured step ("dc/c max").
    double maxRelativeChange = 0;
    bool hasSwitches = false;
    double timeResolution = defaultTimeResolution;
    double simulationTime = defaultSimulationTime;
    int stepCount = 0;
    // Current concentration of each unique component, in the order of the
    // unique components; the step reads and writes it.
    std::vector<double> concentrations;
    int componentCount = 0;
    // Whether `init` may compile the step to machine code (where the build and
    // the processor allow it); off, the reactor runs its own step.
    bool compiledStepAllowed = true;

private:
    // One rate term's effect on one component, in the order the step applies it.
    struct Contribution {
        double coefficient;
        double rateFactor;
        int firstFactor;
        int secondFactor;
        int factorBegin;
        int factorCount;
    };
    // All contributions to one component, contiguous in `contributions_`.
    struct Group {
        int component;
        int begin;
        int count;
    };
    // Groups of 1 to 4 contributions have unrolled loops; the fifth size class
    // holds the larger ones. Each size comes in two kinds: every contribution
    // with exactly one factor, and any other.
    static constexpr int unrolledGroupSizes = 4;
    static constexpr int sizeClasses = unrolledGroupSizes + 1;

    bool compile();
    void flatten();
    void fail();
    void compileStep();
    template <bool switched> bool run(int count);
    bool runCompiled(int possible, int& steps, int& counter, double& maxChange, bool invalid);
    void updateSwitches(int steps);
    bool switchesUnchangedAt(int steps) const;
    template <bool measure, bool switched>
    bool stepOnce(const double* from, double* to, double& maxChange) const;
    template <int size, bool single, bool measure, bool switched>
    void gatherClass(int groupClass, const double* from, double* to, double& maxChange,
                     bool& invalid) const;

    // The flat form of `reactions` that the step runs on. Rates read one
    // buffer and the new values go to the other; components that no term
    // changes hold the same value in both.
    std::vector<Contribution> contributions_;
    std::vector<int> contributionTerms_;
    std::vector<Group> groups_;
    // The groups of class k are groups_[classBegin_[k] .. classBegin_[k + 1]).
    std::array<int, 2 * sizeClasses + 1> classBegin_{};
    std::vector<int> factorIndices_;
    std::vector<int> untouched_;
    std::vector<int> switchedTerms_;
    std::vector<unsigned char> termOn_;
    std::vector<double> next_;
    int workPerStep_ = 1;
    // The step as machine code, for this system as `init` compiled it; copies
    // of the reactor share it.
    std::shared_ptr<const CompiledStep> compiled_;
};
