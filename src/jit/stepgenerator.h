#pragma once

#include "jit/stepplan.h"

#include <xbyak/xbyak.h>

#include <cstdint>
#include <map>

// Writes the machine code of a StepPlan: a function, System V x86-64,
//   int step(double* c, const unsigned char* on, int count, int counter, double* maxChange)
// with CompiledStep::run's contract. The code memory is writable while it is
// written and then only readable and executable; it is freed with the generator.
class StepGenerator : public Xbyak::CodeGenerator {
public:
    using Function = int (*)(double*, const unsigned char*, int, int, double*);

    explicit StepGenerator(const StepPlan& plan);

    Function function() const { return function_; }

private:
    void emitConstants();
    void emitBody(bool measure, const Xbyak::Label& fail);
    void emitUpdate(int term, int target, bool measure);
    void emitCheck(const Xbyak::Label& fail);
    Xbyak::Address constant(double value);
    Xbyak::Address inMemory(int component) const;

    const StepPlan& plan_;
    // Pool offset of each constant, by its bits.
    std::map<std::uint64_t, std::uint32_t> constants_;
    Function function_ = nullptr;
};
