#pragma once

#include "jit/compiledstep.h"

#include <cstddef>
#include <vector>

// What the generated step does, in order, and where each value lives; the
// generator only turns this into instructions. Every rate is computed before
// the first change of any component it reads, so the rates see the values at
// the start of the step although the components are changed in place, and
// the changes of each component come in term order, then target order.
class StepPlan {
public:
    // xmm0..xmm12 hold components and rates; xmm13..xmm15 are scratch.
    static constexpr int valueRegisters = 13;
    // Systems beyond this many changes per step are left to the reactor's own
    // step; the bound keeps the code below a few megabytes.
    static constexpr int maxContributions = 20000;

    enum class Op {
        computeRate, // the rate of `term` into its home
        beginTerm,   // from here to endTerm only while the term is on
        update,      // target `target` of `term` changes by its coefficient × rate
        endTerm,     // the term's rate is no longer needed
    };
    struct Action {
        Op op;
        int term;
        int target;
    };
    // A rate lives in a register, in a stack slot, or, without factors, is
    // the rate factor itself.
    enum class Home { reg, slot, constant };
    struct RateHome {
        Home kind = Home::constant;
        int index = 0;
    };

    StepPlan(int componentCount, const std::vector<CompiledStep::Term>& terms);

    bool accepted() const { return accepted_; }

    int componentCount;
    const std::vector<CompiledStep::Term>& terms;
    std::vector<Action> actions;
    // Per component: its register, or -1 when it stays in the concentration array.
    std::vector<int> componentRegister;
    // The components that some term changes, in index order.
    std::vector<int> touched;
    std::vector<RateHome> rateHome;
    int slotCount = 0;
    // An upper bound of the code's size in bytes.
    std::size_t codeBound = 0;

private:
    void schedule();
    void assignRegisters();
    bool accepted_ = false;
};
