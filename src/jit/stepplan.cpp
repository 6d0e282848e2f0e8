#include "jit/stepplan.h"

#include <algorithm>
#include <numeric>

StepPlan::StepPlan(int components, const std::vector<CompiledStep::Term>& compiledTerms)
    : componentCount(components), terms(compiledTerms) {
    if (componentCount < 0) return;
    long contributions = 0;
    for (const CompiledStep::Term& term : terms) {
        if (term.factorCount < 0 || term.targetCount < 0) return;
        for (int f = 0; f < term.factorCount; ++f)
            if (term.factors[f] < 0 || term.factors[f] >= componentCount) return;
        for (int j = 0; j < term.targetCount; ++j)
            if (term.targets[j] < 0 || term.targets[j] >= componentCount) return;
        contributions += term.targetCount;
        if (contributions > maxContributions) return;
    }
    schedule();
    assignRegisters();
    accepted_ = true;
}

void StepPlan::schedule() {
    const auto n = static_cast<size_t>(componentCount);
    // The terms that read each component, in term order; terms that change
    // nothing are left out altogether.
    std::vector<std::vector<int>> readers(n);
    for (size_t t = 0; t < terms.size(); ++t) {
        const CompiledStep::Term& term = terms[t];
        if (term.targetCount == 0) continue;
        for (int f = 0; f < term.factorCount; ++f) {
            auto& list = readers[static_cast<size_t>(term.factors[f])];
            if (list.empty() || list.back() != static_cast<int>(t))
                list.push_back(static_cast<int>(t));
        }
    }
    std::vector<bool> computed(terms.size(), false);
    std::vector<bool> changed(n, false);
    const auto compute = [&](int t) {
        if (computed[static_cast<size_t>(t)]) return;
        computed[static_cast<size_t>(t)] = true;
        actions.push_back({Op::computeRate, t, 0});
    };
    for (size_t t = 0; t < terms.size(); ++t) {
        const CompiledStep::Term& term = terms[t];
        if (term.targetCount == 0) continue;
        compute(static_cast<int>(t));
        // Rates that read a component are taken before its first change;
        // before the term's switch test, so that a skipped term skips no rate.
        for (int j = 0; j < term.targetCount; ++j) {
            const auto x = static_cast<size_t>(term.targets[j]);
            if (changed[x]) continue;
            changed[x] = true;
            for (int reader : readers[x])
                compute(reader);
        }
        actions.push_back({Op::beginTerm, static_cast<int>(t), 0});
        for (int j = 0; j < term.targetCount; ++j)
            actions.push_back({Op::update, static_cast<int>(t), j});
        actions.push_back({Op::endTerm, static_cast<int>(t), 0});
    }
    for (size_t i = 0; i < n; ++i)
        if (changed[i]) touched.push_back(static_cast<int>(i));
}

void StepPlan::assignRegisters() {
    const auto n = static_cast<size_t>(componentCount);
    // How much each component is used, and the most rates alive at once.
    std::vector<long> uses(n, 0);
    int live = 0, maxLive = 0;
    for (const Action& a : actions) {
        const CompiledStep::Term& term = terms[static_cast<size_t>(a.term)];
        if (a.op == Op::computeRate) {
            for (int f = 0; f < term.factorCount; ++f)
                ++uses[static_cast<size_t>(term.factors[f])];
            if (term.factorCount > 0) maxLive = std::max(maxLive, ++live);
        } else if (a.op == Op::update) {
            uses[static_cast<size_t>(term.targets[a.target])] += 2;
        } else if (a.op == Op::endTerm && term.factorCount > 0) {
            --live;
        }
    }
    std::vector<int> used;
    for (size_t i = 0; i < n; ++i)
        if (uses[i] > 0) used.push_back(static_cast<int>(i));
    int forComponents = static_cast<int>(used.size());
    if (forComponents + maxLive > valueRegisters)
        forComponents = valueRegisters - std::min(maxLive, 4);
    forComponents = std::min(forComponents, static_cast<int>(used.size()));
    std::stable_sort(used.begin(), used.end(), [&](int a, int b) {
        return uses[static_cast<size_t>(a)] > uses[static_cast<size_t>(b)];
    });
    componentRegister.assign(n, -1);
    for (int k = 0; k < forComponents; ++k)
        componentRegister[static_cast<size_t>(used[static_cast<size_t>(k)])] = k;

    // The remaining registers take rates as they come; the rest go to the stack.
    std::vector<int> freeRegisters, freeSlots;
    for (int r = valueRegisters - 1; r >= forComponents; --r)
        freeRegisters.push_back(r);
    rateHome.assign(terms.size(), RateHome{});
    for (const Action& a : actions) {
        const auto t = static_cast<size_t>(a.term);
        if (terms[t].factorCount == 0) continue;
        if (a.op == Op::computeRate) {
            if (!freeRegisters.empty()) {
                rateHome[t] = {Home::reg, freeRegisters.back()};
                freeRegisters.pop_back();
            } else if (!freeSlots.empty()) {
                rateHome[t] = {Home::slot, freeSlots.back()};
                freeSlots.pop_back();
            } else {
                rateHome[t] = {Home::slot, slotCount++};
            }
        } else if (a.op == Op::endTerm) {
            (rateHome[t].kind == Home::reg ? freeRegisters : freeSlots)
                .push_back(rateHome[t].index);
        }
    }

    // Generous per-instruction sizes: at most 10 bytes each.
    std::size_t bound = 1024 + 32 * n;
    for (const Action& a : actions) {
        const CompiledStep::Term& term = terms[static_cast<size_t>(a.term)];
        switch (a.op) {
        case Op::computeRate:
            bound += 2 * (32 + 10 * static_cast<std::size_t>(term.factorCount));
            break;
        case Op::beginTerm:
        case Op::endTerm:
            bound += 2 * 32 + 16;
            break;
        case Op::update:
            bound += 64 + 160 + 16;
            break;
        }
    }
    codeBound = bound + 2 * 64 * n;
}
