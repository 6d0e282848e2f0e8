#include "jit/stepgenerator.h"

#include <bit>
#include <limits>
#include <vector>

namespace {

using namespace Xbyak;

// Scratch registers; xmm0..xmm12 are the plan's.
const Xmm change(13), relative(14), memoryValue(15);
const Xmm validity(15), lanes(13), negative(14);

// Fixed pool entries, 16-byte aligned where packed operations read them.
constexpr std::uint32_t signMaskAt = 0;
constexpr std::uint32_t largestPairAt = 16;
constexpr std::uint32_t zeroAt = 32;
constexpr std::uint32_t negligibleAt = 40;
constexpr std::uint32_t firstConstantAt = 48;
constexpr double negligibleConcentration = 1e-100;

std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

std::size_t poolSize(const StepPlan& plan) {
    std::size_t size = firstConstantAt + 16;
    for (const CompiledStep::Term& term : plan.terms)
        size += 8 * (1 + static_cast<std::size_t>(term.targetCount));
    return size;
}

} // namespace

StepGenerator::StepGenerator(const StepPlan& plan)
    : CodeGenerator(poolSize(plan) + plan.codeBound, DontSetProtectRWE), plan_(plan) {
    setDefaultJmpNEAR(true);
    emitConstants();
    align(16);
    const auto* entry = getCurr();

    // rdi concentrations, rsi switch flags, edx count, ecx counter, r8 the
    // largest relative change; r9d counts the finished steps.
    mov(r11, reinterpret_cast<std::uint64_t>(getCode()));
    xor_(r9d, r9d);
    const int frame = (plan.slotCount * 8 + 15) / 16 * 16;
    if (frame > 0) sub(rsp, frame);
    for (int i = 0; i < plan.componentCount; ++i)
        if (plan.componentRegister[static_cast<size_t>(i)] >= 0)
            movsd(Xmm(plan.componentRegister[static_cast<size_t>(i)]), inMemory(i));

    Label top, plain, plainLoop, finish;
    L(top);
    cmp(r9d, edx);
    jge(finish);
    test(ecx, ecx);
    jnz(plain);
    emitBody(true, finish);
    inc(r9d);
    mov(ecx, 1);
    jmp(top);

    // The unmeasured steps up to the next measured one run without the test.
    L(plain);
    mov(r10d, 10);
    sub(r10d, ecx);
    mov(eax, edx);
    sub(eax, r9d);
    cmp(r10d, eax);
    cmovg(r10d, eax);
    add(ecx, r10d);
    Label keep;
    cmp(ecx, 10);
    jne(keep);
    xor_(ecx, ecx);
    L(keep);
    L(plainLoop);
    emitBody(false, finish);
    inc(r9d);
    dec(r10d);
    jnz(plainLoop);
    jmp(top);

    L(finish);
    for (int i : plan.touched)
        if (plan.componentRegister[static_cast<size_t>(i)] >= 0)
            movsd(inMemory(i), Xmm(plan.componentRegister[static_cast<size_t>(i)]));
    if (frame > 0) add(rsp, frame);
    mov(eax, r9d);
    ret();

    setProtectModeRE();
    function_ = reinterpret_cast<Function>(const_cast<std::uint8_t*>(entry));
}

void StepGenerator::emitConstants() {
    dq(0x8000000000000000ULL);
    dq(0);
    dq(bitsOf(std::numeric_limits<double>::max()));
    dq(bitsOf(std::numeric_limits<double>::max()));
    dq(bitsOf(0.0));
    dq(bitsOf(negligibleConcentration));
    std::uint32_t at = firstConstantAt;
    const auto put = [&](double value) {
        if (constants_.emplace(bitsOf(value), at).second) {
            dq(bitsOf(value));
            at += 8;
        }
    };
    for (const CompiledStep::Term& term : plan_.terms) {
        put(term.rateFactor);
        for (int j = 0; j < term.targetCount; ++j)
            put(term.coefficients[j]);
    }
}

Address StepGenerator::constant(double value) {
    return qword[r11 + constants_.at(bitsOf(value))];
}

Address StepGenerator::inMemory(int component) const {
    return qword[rdi + 8 * component];
}

void StepGenerator::emitBody(bool measure, const Label& fail) {
    std::vector<Label> skip(plan_.terms.size());
    for (const StepPlan::Action& a : plan_.actions) {
        const auto t = static_cast<size_t>(a.term);
        const CompiledStep::Term& term = plan_.terms[t];
        switch (a.op) {
        case StepPlan::Op::computeRate: {
            const StepPlan::RateHome home = plan_.rateHome[t];
            if (home.kind == StepPlan::Home::constant) break;
            const Xmm rate = home.kind == StepPlan::Home::reg ? Xmm(home.index) : change;
            // ((rateFactor × c[f1]) × c[f2]) × … from the values at the step's start.
            movsd(rate, constant(term.rateFactor));
            for (int f = 0; f < term.factorCount; ++f) {
                const int x = term.factors[f];
                const int reg = plan_.componentRegister[static_cast<size_t>(x)];
                if (reg >= 0)
                    mulsd(rate, Xmm(reg));
                else
                    mulsd(rate, inMemory(x));
            }
            if (home.kind == StepPlan::Home::slot) movsd(qword[rsp + 8 * home.index], rate);
            break;
        }
        case StepPlan::Op::beginTerm:
            if (term.switched) {
                cmp(byte[rsi + a.term], 0);
                je(skip[t]);
            }
            break;
        case StepPlan::Op::update:
            emitUpdate(a.term, a.target, measure);
            break;
        case StepPlan::Op::endTerm:
            if (term.switched) L(skip[t]);
            break;
        }
    }
    emitCheck(fail);
}

void StepGenerator::emitUpdate(int t, int j, bool measure) {
    const CompiledStep::Term& term = plan_.terms[static_cast<size_t>(t)];
    const int x = term.targets[j];
    const double coefficient = term.coefficients[j];
    const StepPlan::RateHome home = plan_.rateHome[static_cast<size_t>(t)];
    const int reg = plan_.componentRegister[static_cast<size_t>(x)];
    const Xmm value = reg >= 0 ? Xmm(reg) : memoryValue;
    if (reg < 0) movsd(value, inMemory(x));

    const auto loadRate = [&](const Xmm& into) {
        if (home.kind == StepPlan::Home::reg)
            movapd(into, Xmm(home.index));
        else if (home.kind == StepPlan::Home::slot)
            movsd(into, qword[rsp + 8 * home.index]);
        else
            movsd(into, constant(term.rateFactor));
    };
    // c += coefficient × rate; with a coefficient of ±1 the product is the
    // rate or its negation exactly, and c + (-rate) is c - rate.
    const bool unit = coefficient == 1.0 || coefficient == -1.0;
    const bool negated = coefficient == -1.0;
    if (unit && !measure) {
        if (home.kind == StepPlan::Home::reg) {
            if (negated)
                subsd(value, Xmm(home.index));
            else
                addsd(value, Xmm(home.index));
        } else {
            const Address rate = home.kind == StepPlan::Home::slot ? qword[rsp + 8 * home.index]
                                                                   : constant(term.rateFactor);
            if (negated)
                subsd(value, rate);
            else
                addsd(value, rate);
        }
    } else {
        loadRate(change);
        if (!unit) mulsd(change, constant(coefficient));
        if (negated)
            subsd(value, change);
        else
            addsd(value, change);
    }

    // The relative decrease -change / c after the change, where the change is
    // negative and c above the negligible concentration. A zero coefficient
    // never gives a negative change.
    if (measure && coefficient != 0.0) {
        Label skipMeasure;
        if (negated) {
            ucomisd(change, qword[r11 + zeroAt]);
        } else {
            xorpd(relative, relative);
            ucomisd(relative, change);
        }
        jbe(skipMeasure);
        ucomisd(value, qword[r11 + negligibleAt]);
        jbe(skipMeasure);
        movapd(relative, change);
        if (!negated) xorpd(relative, ptr[r11 + signMaskAt]);
        divsd(relative, value);
        // relative > max ? relative : max, which keeps a max that is not a number.
        maxsd(relative, qword[r8]);
        movsd(qword[r8], relative);
        L(skipMeasure);
    }
    if (reg < 0) movsd(inMemory(x), value);
}

// Every changed component must be at least 0 and at most the largest double;
// two at a time, a lane of `validity` is set where one is not.
void StepGenerator::emitCheck(const Label& fail) {
    const std::vector<int>& touched = plan_.touched;
    if (touched.empty()) return;
    xorpd(validity, validity);
    const auto load = [&](int x) {
        const int reg = plan_.componentRegister[static_cast<size_t>(x)];
        if (reg >= 0)
            movapd(lanes, Xmm(reg));
        else
            movsd(lanes, inMemory(x));
    };
    for (size_t k = 0; k < touched.size(); k += 2) {
        load(touched[k]);
        if (k + 1 < touched.size()) {
            const int x = touched[k + 1];
            const int reg = plan_.componentRegister[static_cast<size_t>(x)];
            if (reg >= 0)
                unpcklpd(lanes, Xmm(reg));
            else
                movhpd(lanes, inMemory(x));
        } else {
            unpcklpd(lanes, lanes);
        }
        xorpd(negative, negative);
        cmpnlepd(negative, lanes);                 // not 0 <= c
        cmpnlepd(lanes, ptr[r11 + largestPairAt]); // not c <= largest
        orpd(validity, negative);
        orpd(validity, lanes);
    }
    movmskpd(eax, validity);
    test(eax, eax);
    jnz(fail);
}
