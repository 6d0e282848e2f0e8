#include "reference/ratemodel.h"

#include "engine/reactor.h"
#include "model/vreactor.h"

#include <algorithm>
#include <string>

namespace {

double power(double c, int order) {
    double result = 1;
    for (int k = 0; k < order; ++k)
        result *= c;
    return result;
}

// The unique component of that name, as the reactor resolves entries, but
// without a message: the reactor has already reported what it cannot resolve.
int uniqueIndex(const Vreactor& system, const std::string& name) {
    int unique = 0;
    for (const Vcomponent& c : system.components) {
        if (c.shortcut) continue;
        if (c.name == name) return unique;
        ++unique;
    }
    return -1;
}

} // namespace

RateModel::RateModel(const Vreactor& system) {
    componentCount = system.uniqueComponentCount();
    reactionCount = system.reactions.count();
    if (componentCount > Reactor::maxComponents) {
        valid = false;
        componentCount = 0;
        return;
    }
    std::vector<bool> constant;
    for (int i = 0; i < componentCount; ++i) {
        initial.push_back(system.uniqueComponent(i).initialConcentration);
        constant.push_back(system.uniqueComponent(i).constant);
    }
    for (int r = 0; r < reactionCount; ++r) {
        const Vreaction& reaction = system.reactions[r];
        for (const int sign : {+1, -1}) {
            if (!(sign > 0 ? reaction.active : reaction.activeBack)) continue;
            Direction d{
                r, sign<0, sign> 0 ? reaction.rateConstant : reaction.rateConstantBack, {}, {}, {}};
            for (const Reactant& entry : reaction.reactants) {
                int u = -1;
                if (entry.index >= 0 && entry.index < system.components.count())
                    u = uniqueIndex(system, system.components[entry.index].name);
                if (u < 0 || u >= componentCount) continue;
                if (entry.port == -sign && entry.order > 0) {
                    auto same = std::find_if(d.factors.begin(), d.factors.end(),
                                             [u](const Factor& f) { return f.component == u; });
                    if (same != d.factors.end())
                        same->order += entry.order;
                    else
                        d.factors.push_back({u, entry.order});
                }
                if (!constant[static_cast<size_t>(u)])
                    d.changes.push_back({u, static_cast<double>(entry.order) *
                                                static_cast<double>(entry.port) * sign});
            }
            int orders = 0;
            for (const Factor& f : d.factors)
                orders += f.order;
            if (orders > Reactor::maxFactors) valid = false;
            for (const ReactionSwitch& s : sign > 0 ? reaction.switches : reaction.switchesBack)
                d.switchTimes.push_back(s.at);
            directions.push_back(std::move(d));
        }
    }
}

bool RateModel::acting(const Direction& direction, double t) {
    bool on = true;
    for (double at : direction.switchTimes)
        if (at <= t) on = !on;
    return on;
}

double RateModel::rate(const Direction& direction, const double* c) const {
    double r = direction.rateConstant;
    for (const Factor& f : direction.factors)
        r *= power(c[f.component], f.order);
    return r;
}

void RateModel::derivative(const std::vector<char>& on, const double* c, double* dcdt) const {
    std::fill(dcdt, dcdt + componentCount, 0.0);
    for (size_t d = 0; d < directions.size(); ++d) {
        if (!on[d]) continue;
        const double r = rate(directions[d], c);
        for (const Change& change : directions[d].changes)
            dcdt[change.component] += change.coefficient * r;
    }
}

void RateModel::jacobian(const std::vector<char>& on, const double* c, double* matrix) const {
    const auto n = static_cast<size_t>(componentCount);
    std::fill(matrix, matrix + n * n, 0.0);
    for (size_t d = 0; d < directions.size(); ++d) {
        if (!on[d]) continue;
        const Direction& direction = directions[d];
        for (const Factor& wrt : direction.factors) {
            // d/dc of k·Π c^order, the power rule on one factor.
            double partial =
                direction.rateConstant * wrt.order * power(c[wrt.component], wrt.order - 1);
            for (const Factor& other : direction.factors)
                if (other.component != wrt.component)
                    partial *= power(c[other.component], other.order);
            for (const Change& change : direction.changes)
                matrix[static_cast<size_t>(change.component) * n +
                       static_cast<size_t>(wrt.component)] += change.coefficient * partial;
        }
    }
}

std::vector<double> RateModel::switchTimes() const {
    std::vector<double> times;
    for (const Direction& d : directions)
        times.insert(times.end(), d.switchTimes.begin(), d.switchTimes.end());
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}

std::vector<double> RateModel::reactionRates(const double* c, double t) const {
    std::vector<double> rates(static_cast<size_t>(reactionCount), 0.0);
    for (const Direction& d : directions)
        if (acting(d, t))
            rates[static_cast<size_t>(d.reaction)] += d.backward ? -rate(d, c) : rate(d, c);
    return rates;
}
