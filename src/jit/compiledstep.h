#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// The Euler step of one reaction system as machine code. The generated step
// does the reactor's arithmetic in the reactor's order with scalar SSE2
// operations only, so its results are the same bits; its rate factors and
// coefficients are constants in the code. Available only on x86-64 builds with
// the code generator; elsewhere `compile` always declines.
class CompiledStep {
public:
    // One directed rate term, as views of the reactor's own arrays.
    struct Term {
        double rateFactor;
        const int* factors;
        int factorCount;
        const int* targets;
        const double* coefficients;
        int targetCount;
        // The term is skipped in steps where its `on` flag is 0.
        bool switched;
    };

    ~CompiledStep();
    CompiledStep(const CompiledStep&) = delete;
    CompiledStep& operator=(const CompiledStep&) = delete;

    // Whether this build can generate code at all.
    static bool available();

    // The step for `componentCount` concentrations changed by `terms`; null
    // when the generator declines the system or no code memory can be had.
    // Every index must lie below `componentCount`.
    static std::unique_ptr<CompiledStep> compile(int componentCount,
                                                 const std::vector<Term>& terms);

    // Up to `count` steps on `concentrations`; `counter` is the accuracy check
    // counter of the first step (the relative change is measured where it is
    // 0), `on` holds one flag per term. Returns the number of steps that
    // succeeded; when fewer than `count`, the step after them left a touched
    // concentration negative, not a number or infinite, and `concentrations`
    // holds that step's results. Components that no term changes are
    // neither written nor checked.
    int run(double* concentrations, const unsigned char* on, int count, int counter,
            double& maxRelativeChange) const;

    std::size_t codeSize() const;

private:
    struct Code;
    explicit CompiledStep(std::unique_ptr<Code> code);
    std::unique_ptr<Code> code_;
};
