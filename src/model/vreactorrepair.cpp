#include "model/vreactor.h"

#include "model/listfilter.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace {

// Replaces NaN by `fallback` and keeps the value within lo..hi; counts a change.
void bound(double& value, double fallback, double lo, double hi, int& repairs) {
    const double repaired = std::isnan(value) ? fallback : std::clamp(value, lo, hi);
    if (repaired != value || std::isnan(value)) {
        value = repaired;
        ++repairs;
    }
}

void boundPos(Poi& p, Poi limit, int& repairs) {
    const Poi repaired{std::clamp(p.x, 0, limit.x), std::clamp(p.y, 0, limit.y)};
    if (repaired != p) {
        p = repaired;
        ++repairs;
    }
}

template <typename T> void setFlag(T& field, T value, int& repairs) {
    if (field != value) {
        field = value;
        ++repairs;
    }
}

} // namespace

RepairReport Vreactor::repair() {
    RepairReport report;
    if (uniqueComponentCount() > maxUniqueComponents) {
        report.refusal = RepairReport::Refusal::tooManyComponents;
        return report;
    }
    if (reactions.count() > maxReactions) {
        report.refusal = RepairReport::Refusal::tooManyReactions;
        return report;
    }
    report.repairs += repairValues();
    report.repairs += repairNames();
    report.repairs += repairEntries();
    for (int k = 0; k < reactions.count(); ++k)
        for (int side : {-1, 1})
            if (orderSum(k, side) > maxOrderSum) {
                report.refusal = RepairReport::Refusal::orderSumTooLarge;
                return report;
            }
    report.repairs += mergeEntries();
    report.repairs += repairMarks();
    connectSource = -1;
    extentValid = false;
    return report;
}

int Vreactor::repairValues() {
    int repairs = 0;
    const Poi limit{maxX, maxY};
    for (Vcomponent& c : components) {
        boundPos(c.pos, limit, repairs);
        bound(c.initialConcentration, 0, 0, maxValue, repairs);
        bound(c.weight, 1, -maxValue, maxValue, repairs);
    }
    for (Vreaction& r : reactions) {
        boundPos(r.pos, limit, repairs);
        bound(r.rateConstant, 1, 0, maxValue, repairs);
        bound(r.rateConstantBack, 1, 0, maxValue, repairs);
        if (r.geometry < Vreaction::adaptive || r.geometry > Vreaction::aligned)
            setFlag(r.geometry, int(Vreaction::movableHorizontal), repairs);
    }
    return repairs;
}

// Unique names must be unique, not empty, and free of the characters that a
// rename refuses: a name holding a block marker or a line break would change
// the blocks of the file it is saved to. Entries point at objects, so a
// renamed duplicate keeps its own reactions.
int Vreactor::repairNames() {
    int repairs = 0;
    for (Vcomponent& c : components) {
        if (c.shortcut || checkName(c.name) != NameCheck::forbiddenCharacter) continue;
        const std::string old = c.name;
        std::string clean = old;
        std::erase_if(clean, [](char ch) {
            return ch == '<' || ch == '>' || static_cast<unsigned char>(ch) < ' ';
        });
        if (clean.empty() || componentNameExists(clean)) clean = freeName();
        // The shortcuts of the first component of a name follow it; later
        // ones of the same name find them renamed already.
        for (Vcomponent& other : components)
            if (other.shortcut && other.name == old) other.name = clean;
        c.name = clean;
        ++repairs;
    }
    std::unordered_set<std::string> seen;
    bool emptyHandled = false;
    for (Vcomponent& c : components) {
        if (c.shortcut) continue;
        if (c.name.empty() && !emptyHandled) {
            emptyHandled = true;
            const std::string name = freeName();
            for (Vcomponent& other : components)
                if (other.shortcut && other.name.empty()) other.name = name;
            c.name = name;
            ++repairs;
        } else if (c.name.empty() || seen.count(c.name)) {
            c.name = freeName();
            ++repairs;
        }
        seen.insert(c.name);
    }
    return repairs;
}

int Vreactor::repairEntries() {
    int repairs = 0;
    for (Vreaction& r : reactions)
        repairs +=
            removeIf(r.reactants, [&](const Reactant& e, int) { return !validComponent(e.index); });

    std::unordered_set<std::string> uniqueNames;
    for (const Vcomponent& c : components)
        if (!c.shortcut) uniqueNames.insert(c.name);
    std::vector<bool> orphan(static_cast<size_t>(components.count()));
    bool anyOrphan = false;
    for (int k = 0; k < components.count(); ++k) {
        const bool o = components[k].shortcut && !uniqueNames.count(components[k].name);
        orphan[static_cast<size_t>(k)] = o;
        if (o) ++repairs;
        anyOrphan = anyOrphan || o;
    }
    if (anyOrphan) removeComponents(orphan);

    for (Vreaction& r : reactions)
        for (Reactant& e : r.reactants) {
            setFlag(e.port, e.port < 0 ? -1 : 1, repairs);
            if (e.order < 1) setFlag(e.order, 1, repairs);
        }
    return repairs;
}

// A component entered twice on one side is the same as once with the summed
// order. Order sums are at most 100 here, so the sums cannot overflow.
int Vreactor::mergeEntries() {
    int repairs = 0;
    for (Vreaction& r : reactions) {
        Llist<Reactant>& entries = r.reactants;
        for (int i = 0; i < entries.count(); ++i)
            for (int j = i + 1; j < entries.count();) {
                const bool same = entries[j].port == entries[i].port &&
                                  *entryName(entries[j]) == *entryName(entries[i]);
                if (!same) {
                    ++j;
                    continue;
                }
                entries[i].order += entries[j].order;
                entries[i].align = entries[i].align || entries[j].align;
                entries.remove(j);
                ++repairs;
            }
    }
    return repairs;
}

int Vreactor::repairMarks() {
    int repairs = 0;
    bool asXSeen = false, animateSeen = false;
    auto keepFirst = [&](bool& flag, bool& seen) {
        if (!flag) return;
        if (seen) setFlag(flag, false, repairs);
        seen = true;
    };
    for (Vcomponent& c : components) {
        if (c.shortcut) {
            setFlag(c.asX, false, repairs);
            setFlag(c.animate, false, repairs);
            continue;
        }
        keepFirst(c.asX, asXSeen);
        keepFirst(c.animate, animateSeen);
    }
    for (Vreaction& r : reactions) {
        keepFirst(r.animate, animateSeen);
        keepFirst(r.animateBack, animateSeen);
    }
    return repairs;
}
