#include "engine/reactor.h"

#include "foundation/messagesink.h"
#include "model/vreactor.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

constexpr double largest = std::numeric_limits<double>::max();

// Negative, not a number or infinite: the step went wrong.
inline bool invalidConcentration(double c) {
    return !(c >= 0.0 && c <= largest);
}

} // namespace

void Reactor::exchange() {
    exchangeDouble("time resolution", timeResolution);
    exchangeDouble("simulation time", simulationTime);
}

std::string Reactor::statusText() const {
    if (overflow) return "calculation overflow";
    if (maxRelativeChange > criticalChange) return "critical accuracy";
    if (maxRelativeChange > warningChange) return "accuracy warning";
    return "ok";
}

void Reactor::init() {
    overflow = false;
    accuracyCheckCounter = 0;
    maxRelativeChange = 0;
    hasSwitches = false;
    stepCount = 0;
    compiled_.reset();
    if (!compile()) {
        fail();
        return;
    }
    flatten();
    if (compiledStepAllowed) compileStep();
}

void Reactor::compileStep() {
    std::vector<CompiledStep::Term> terms;
    terms.reserve(static_cast<size_t>(reactions.count()));
    for (const ReactorReaction& term : reactions)
        terms.push_back({term.rateFactor, term.factors.data(),
                         static_cast<int>(term.factors.size()), term.targets.data(),
                         term.coefficients.data(), static_cast<int>(term.targets.size()),
                         !term.switchTimes.empty()});
    compiled_ = CompiledStep::compile(componentCount, terms);
}

void Reactor::fail() {
    showMessage("Reactor::init() failed");
    reactions.clear();
    std::fill(concentrations.begin(), concentrations.end(), 0.0);
    overflow = true;
    flatten();
}

bool Reactor::compile() {
    reactions.clear();
    concentrations.clear();
    componentCount = 0;
    if (!system) return false;
    Vreactor& vreactor = *system;
    const int unique = vreactor.uniqueComponentCount();
    concentrations.assign(static_cast<size_t>(unique), 0.0);
    componentCount = unique;
    if (unique > maxComponents) return false;

    std::vector<bool> constant(static_cast<size_t>(unique));
    for (int i = 0; i < unique; ++i) {
        const Vcomponent& c = vreactor.uniqueComponent(i);
        concentrations[static_cast<size_t>(i)] = c.initialConcentration;
        constant[static_cast<size_t>(i)] = c.constant;
    }

    for (const Vreaction& reaction : vreactor.reactions) {
        for (const int direction : {+1, -1}) {
            if (!(direction > 0 ? reaction.active : reaction.activeBack)) continue;
            ReactorReaction term;
            term.rateFactor = (direction > 0 ? reaction.rateConstant : reaction.rateConstantBack) *
                              timeResolution;
            for (const Reactant& entry : reaction.reactants) {
                int u = -1;
                if (entry.index >= 0 && entry.index < vreactor.components.count())
                    u = vreactor.uniqueIndexOf(vreactor.components[entry.index].name);
                if (u < 0 || u >= componentCount) {
                    showMessage("Reactor::init(): Reactant not found");
                    continue;
                }
                if (entry.port == -direction && entry.order > 0) {
                    if (entry.order > maxFactors - static_cast<int>(term.factors.size()))
                        return false;
                    term.factors.insert(term.factors.end(), static_cast<size_t>(entry.order), u);
                }
                if (!constant[static_cast<size_t>(u)]) {
                    if (static_cast<int>(term.targets.size()) >= maxTargets) return false;
                    term.targets.push_back(u);
                    // In doubles: the integers come from a file and may be anything.
                    term.coefficients.push_back(static_cast<double>(entry.order) *
                                                static_cast<double>(entry.port) * direction);
                }
            }
            term.factorCount = static_cast<int>(term.factors.size());
            term.targetCount = static_cast<int>(term.targets.size());
            const Llist<ReactionSwitch>& times =
                direction > 0 ? reaction.switches : reaction.switchesBack;
            for (const ReactionSwitch& s : times) {
                term.switchTimes.add(s.at);
                hasSwitches = true;
            }
            reactions.add(std::move(term));
        }
    }
    return true;
}

// Regroups the terms by the component they change, keeping for each component
// the order in which the step applies the changes, so a step can finish one
// component at a time with its running value in a register. Groups are sorted
// into classes by size and by whether every change has a single factor, the
// common case that needs no loop and no branch.
void Reactor::flatten() {
    const int terms = reactions.count();
    const auto n = static_cast<size_t>(componentCount);
    std::vector<int> count(n, 0);
    std::vector<bool> single(n, true);
    for (const ReactorReaction& term : reactions)
        for (int target : term.targets) {
            ++count[static_cast<size_t>(target)];
            if (term.factors.size() != 1) single[static_cast<size_t>(target)] = false;
        }

    std::vector<std::pair<int, Group>> classified;
    untouched_.clear();
    std::vector<int> fill(n, 0);
    int total = 0;
    for (size_t i = 0; i < n; ++i) {
        fill[i] = total;
        if (count[i] == 0) {
            untouched_.push_back(static_cast<int>(i));
            continue;
        }
        const int sizeClass = std::min(count[i], unrolledGroupSizes + 1) - 1;
        const int kind = single[i] ? 0 : 1;
        classified.push_back(
            {kind * sizeClasses + sizeClass, {static_cast<int>(i), total, count[i]}});
        total += count[i];
    }
    std::stable_sort(classified.begin(), classified.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    groups_.clear();
    classBegin_.fill(0);
    for (const auto& [groupClass, group] : classified) {
        groups_.push_back(group);
        for (size_t c = static_cast<size_t>(groupClass) + 1; c < classBegin_.size(); ++c)
            ++classBegin_[c];
    }

    factorIndices_.clear();
    contributions_.assign(static_cast<size_t>(total), Contribution{});
    contributionTerms_.assign(static_cast<size_t>(total), 0);
    workPerStep_ = static_cast<int>(n) + 1;
    for (int t = 0; t < terms; ++t) {
        const ReactorReaction& term = reactions[t];
        const int factorBegin = static_cast<int>(factorIndices_.size());
        factorIndices_.insert(factorIndices_.end(), term.factors.begin(), term.factors.end());
        const int factorCount = static_cast<int>(term.factors.size());
        for (size_t j = 0; j < term.targets.size(); ++j) {
            const auto slot = static_cast<size_t>(fill[static_cast<size_t>(term.targets[j])]++);
            contributions_[slot] = {term.coefficients[j],
                                    term.rateFactor,
                                    factorCount > 0 ? term.factors[0] : 0,
                                    factorCount > 1 ? term.factors[1] : 0,
                                    factorBegin,
                                    factorCount};
            contributionTerms_[slot] = t;
            workPerStep_ += 1 + factorCount;
        }
    }

    switchedTerms_.clear();
    for (int t = 0; t < terms; ++t)
        if (!reactions[t].switchTimes.empty()) switchedTerms_.push_back(t);
    termOn_.assign(static_cast<size_t>(terms), 1);
    next_ = concentrations;
}

template <int size, bool single, bool measure, bool switched>
void Reactor::gatherClass(int groupClass, const double* __restrict from, double* __restrict to,
                          double& maxChange, bool& invalid) const {
    const Group* g = groups_.data() + classBegin_[static_cast<size_t>(groupClass)];
    const Group* const end = groups_.data() + classBegin_[static_cast<size_t>(groupClass) + 1];
    const Contribution* const all = contributions_.data();
    const int* const factors = factorIndices_.data();
    const int* const terms = contributionTerms_.data();
    const unsigned char* const on = termOn_.data();
    for (; g != end; ++g) {
        const Contribution* q = all + g->begin;
        const int count = size > 0 ? size : g->count;
        double c = from[g->component];
#pragma GCC unroll 4
        for (int k = 0; k < count; ++k) {
            if constexpr (switched)
                if (!on[terms[g->begin + k]]) continue;
            double rate = q[k].rateFactor;
            if constexpr (single) {
                rate *= from[q[k].firstFactor];
            } else if (q[k].factorCount == 1) {
                rate *= from[q[k].firstFactor];
            } else if (q[k].factorCount == 2) {
                rate *= from[q[k].firstFactor];
                rate *= from[q[k].secondFactor];
            } else {
                for (int f = q[k].factorBegin, e = f + q[k].factorCount; f < e; ++f)
                    rate *= from[factors[f]];
            }
            const double change = q[k].coefficient * rate;
            c += change;
            if constexpr (measure) {
                if (change < 0 && c > negligibleConcentration) {
                    const double relative = -change / c;
                    if (relative > maxChange) maxChange = relative;
                }
            }
        }
        to[g->component] = c;
        invalid |= invalidConcentration(c);
    }
}

template <bool measure, bool switched>
bool Reactor::stepOnce(const double* from, double* to, double& maxChange) const {
    bool invalid = false;
    gatherClass<1, true, measure, switched>(0, from, to, maxChange, invalid);
    gatherClass<2, true, measure, switched>(1, from, to, maxChange, invalid);
    gatherClass<3, true, measure, switched>(2, from, to, maxChange, invalid);
    gatherClass<4, true, measure, switched>(3, from, to, maxChange, invalid);
    gatherClass<0, true, measure, switched>(4, from, to, maxChange, invalid);
    gatherClass<1, false, measure, switched>(5, from, to, maxChange, invalid);
    gatherClass<2, false, measure, switched>(6, from, to, maxChange, invalid);
    gatherClass<3, false, measure, switched>(7, from, to, maxChange, invalid);
    gatherClass<4, false, measure, switched>(8, from, to, maxChange, invalid);
    gatherClass<0, false, measure, switched>(9, from, to, maxChange, invalid);
    return !invalid;
}

bool Reactor::advanceSteps(int count) {
    if (overflow) return false;
    return hasSwitches ? run<true>(count) : run<false>(count);
}

template <bool switched> bool Reactor::run(int count) {
    // The public state may have been changed since init; a step must not
    // index outside the compiled arrays.
    const auto n = static_cast<size_t>(componentCount);
    if (concentrations.size() != n || next_.size() != n ||
        static_cast<size_t>(reactions.count()) != termOn_.size()) {
        overflow = true;
        return false;
    }
    // The concentrations may have been set from outside since the last step;
    // components that no term changes are read from either buffer.
    bool invalid = false;
    for (int i : untouched_) {
        const double c = concentrations[static_cast<size_t>(i)];
        next_[static_cast<size_t>(i)] = c;
        invalid |= invalidConcentration(c);
    }

    double* from = concentrations.data();
    double* to = next_.data();
    double maxChange = maxRelativeChange;
    int steps = stepCount;
    int counter = accuracyCheckCounter >= 0 && accuracyCheckCounter < accuracyCheckInterval
                      ? accuracyCheckCounter
                      : 0;
    // stepCount is the time; it must not wrap.
    const auto possible =
        static_cast<int>(std::min<std::int64_t>(count, std::int64_t{INT_MAX} - std::max(steps, 0)));
    bool ok = true;
    if (compiled_) {
        ok = runCompiled(possible, steps, counter, maxChange, invalid);
    } else {
        for (int i = 0; i < possible; ++i) {
            if constexpr (switched) updateSwitches(steps);
            ok = (counter == 0 ? stepOnce<true, switched>(from, to, maxChange)
                               : stepOnce<false, switched>(from, to, maxChange)) &&
                 !invalid;
            std::swap(from, to);
            if (!ok) break;
            ++steps;
            if (++counter == accuracyCheckInterval) counter = 0;
        }
    }
    if (from != concentrations.data()) concentrations.swap(next_);
    maxRelativeChange = maxChange;
    stepCount = steps;
    accuracyCheckCounter = counter;
    if (ok && possible < count) ok = false;
    if (!ok) {
        for (double& c : concentrations)
            if (invalidConcentration(c)) c = 0;
        overflow = true;
    }
    return ok;
}

// The machine code changes the concentrations in place. With switches, it
// runs the stretches of steps in which no term changes its state.
bool Reactor::runCompiled(int possible, int& steps, int& counter, double& maxChange, bool invalid) {
    double* const c = concentrations.data();
    const unsigned char* const on = termOn_.data();
    if (invalid) {
        // A component that no term changes is already invalid: the next step
        // is done and fails.
        if (possible == 0) return true;
        if (hasSwitches) updateSwitches(steps);
        compiled_->run(c, on, 1, counter, maxChange);
        return false;
    }
    for (int done = 0; done < possible;) {
        int length = possible - done;
        if (hasSwitches) {
            updateSwitches(steps);
            length = 1;
            while (done + length < possible && switchesUnchangedAt(steps + length))
                ++length;
        }
        const int n = compiled_->run(c, on, length, counter, maxChange);
        done += n;
        steps += n;
        counter = (counter + n) % accuracyCheckInterval;
        if (n < length) return false;
    }
    return true;
}

void Reactor::updateSwitches(int steps) {
    const double t = steps * timeResolution;
    for (int term : switchedTerms_) {
        ReactorReaction& r = reactions[term];
        r.updateSwitchState(t);
        termOn_[static_cast<size_t>(term)] = r.on;
    }
}

bool Reactor::switchesUnchangedAt(int steps) const {
    const double t = steps * timeResolution;
    for (int term : switchedTerms_)
        if (reactions[term].switchStateAt(t) != (termOn_[static_cast<size_t>(term)] != 0))
            return false;
    return true;
}
