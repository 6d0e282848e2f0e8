#include "jit/compiledstep.h"

#include <new>
#include <utility>

#if defined(VELUMBRA_JIT) && defined(__x86_64__)
#include "jit/stepgenerator.h"
#endif

struct CompiledStep::Code {
#if defined(VELUMBRA_JIT) && defined(__x86_64__)
    std::unique_ptr<StepGenerator> generator;
    StepGenerator::Function function = nullptr;
#endif
};

CompiledStep::CompiledStep(std::unique_ptr<Code> code) : code_(std::move(code)) {}

CompiledStep::~CompiledStep() = default;

bool CompiledStep::available() {
#if defined(VELUMBRA_JIT) && defined(__x86_64__)
    return true;
#else
    return false;
#endif
}

std::unique_ptr<CompiledStep> CompiledStep::compile(int componentCount,
                                                    const std::vector<Term>& terms) {
#if defined(VELUMBRA_JIT) && defined(__x86_64__)
    const StepPlan plan(componentCount, terms);
    if (!plan.accepted()) return nullptr;
    try {
        auto code = std::make_unique<Code>();
        code->generator = std::make_unique<StepGenerator>(plan);
        code->function = code->generator->function();
        if (!code->function) return nullptr;
        return std::unique_ptr<CompiledStep>(new CompiledStep(std::move(code)));
    } catch (const Xbyak::Error&) {
        // No code memory, or it could not be made executable.
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
#else
    (void)componentCount;
    (void)terms;
    return nullptr;
#endif
}

int CompiledStep::run(double* concentrations, const unsigned char* on, int count, int counter,
                      double& maxRelativeChange) const {
#if defined(VELUMBRA_JIT) && defined(__x86_64__)
    if (count <= 0) return 0;
    return code_->function(concentrations, on, count, counter, &maxRelativeChange);
#else
    (void)concentrations;
    (void)on;
    (void)counter;
    (void)maxRelativeChange;
    (void)count;
    return 0;
#endif
}

std::size_t CompiledStep::codeSize() const {
#if defined(VELUMBRA_JIT) && defined(__x86_64__)
    return code_->generator->getSize();
#else
    return 0;
#endif
}
