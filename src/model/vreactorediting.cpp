#include "model/vreactor.h"

#include "foundation/messagesink.h"
#include "model/listfilter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_set>

namespace {

// Colours of new components (0x00BBGGRR), least used first, earliest on a tie.
constexpr std::array<std::int32_t, 12> palette = {
    0xFFFFFF, 0x48F8F8, 0xFFFF40, 0x48F848, 0xFFA8F0, 0x30B0FF,
    0xFF5050, 0x2020C8, 0x008000, 0x904090, 0x186090, 0x505050,
};

constexpr int modeCount = 4;
constexpr std::array<std::pair<bool, bool>, modeCount> modes = {
    {{true, false}, {false, true}, {true, true}, {false, false}}};

constexpr const char* hidingMessage =
    "The reaction was not created because it would hide an existing one!\n"
    "If you intended to define a reversible reaction, please use the menu of the reaction "
    "object!";

// A new value of a rate constant or a concentration; NaN keeps the old one.
double boundedValue(double old, double v, bool multiply) {
    const double result = multiply ? old * v : v;
    if (std::isnan(result)) return old;
    return std::clamp(result, 0.0, Vreactor::maxValue);
}

} // namespace

Poi Vreactor::limited(Poi p) const {
    return {std::clamp(p.x, 0, maxX), std::clamp(p.y, 0, maxY)};
}

// "A" ... "Z", then "AA", "BB" ... "ZZ", "AAA" ...: the first that no object
// bears. There are finitely many objects, so one is free.
std::string Vreactor::freeName() const {
    std::unordered_set<std::string> taken;
    for (const Vcomponent& c : components)
        taken.insert(c.name);
    for (size_t n = 1;; ++n)
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            std::string candidate(n, letter);
            if (!taken.count(candidate)) return candidate;
        }
}

std::int32_t Vreactor::freeColor() const {
    std::array<int, palette.size()> uses{};
    for (const Vcomponent& c : components) {
        if (c.shortcut) continue;
        for (size_t k = 0; k < palette.size(); ++k)
            if (c.color == palette[k]) ++uses[k];
    }
    return palette[std::min_element(uses.begin(), uses.end()) - uses.begin()];
}

bool Vreactor::addComponent(Poi p) {
    if (uniqueComponentCount() >= maxUniqueComponents) return false;
    p = limited(p);
    if (useGrid) p = p.snapped();
    Vcomponent c(freeName(), components.empty() ? 1.0 : 0.0, freeColor());
    c.pos = p;
    components.add(std::move(c));
    broadcast(systemChanged);
    return true;
}

bool Vreactor::addReaction(Poi p) {
    if (reactions.count() >= maxReactions) return false;
    p = limited(p);
    if (useGrid) p = p.snapped();
    Vreaction r;
    r.pos = p;
    reactions.add(std::move(r));
    broadcast(systemChanged);
    return true;
}

void Vreactor::clearConnectionMarks() {
    for (Vcomponent& c : components)
        c.destination = false;
    for (Vreaction& r : reactions)
        r.canTakeReactant = r.canTakeProduct = false;
}

void Vreactor::setConnectSource(int i) {
    if (!validComponent(i)) i = -1;
    connectSource = i;
    clearConnectionMarks();
    if (i < 0 || !modelSettings().showDestinations) return;
    const std::string& name = components[i].name;
    for (int k = 0; k < components.count(); ++k)
        components[k].destination = k != i;
    for (int k = 0; k < reactions.count(); ++k) {
        reactions[k].canTakeReactant = !isOnSide(k, name, -1);
        reactions[k].canTakeProduct = !isOnSide(k, name, 1);
    }
}

bool Vreactor::connect(int reaction, int order, int side) {
    const int source = connectSource;
    bool ok = validReaction(reaction) && validComponent(source) && (side == -1 || side == 1) &&
              order >= 1;
    ok = ok && !isOnSide(reaction, components[source].name, side);
    ok = ok && 0LL + orderSum(reaction, side) + order <= maxOrderSum;
    if (ok) {
        Reactant entry;
        entry.index = source;
        entry.order = order;
        entry.port = side;
        entry.align = false;
        reactions[reaction].reactants.add(entry);
    }
    setConnectSource(-1);
    if (ok) broadcast(systemChanged);
    return ok;
}

bool Vreactor::connectComponents(int target) {
    const int source = connectSource;
    if (reactions.count() >= maxReactions || !validComponent(source) || !validComponent(target) ||
        target == source) {
        setConnectSource(-1);
        return false;
    }
    bool created = false;
    {
        NotificationPause pause;
        const bool grid = useGrid;
        useGrid = false;
        addReaction(components[source].pos.midpoint(components[target].pos));
        const int n = reactions.last();
        reactions[n].geometry = Vreaction::aligned;
        Llist<Reactant>& entries = reactions[n].reactants;
        if (connect(n, 1, -1)) entries[entries.last()].align = true;
        setConnectSource(target);
        if (connect(n, 1, 1)) entries[entries.last()].align = true;
        useGrid = grid;

        created = true;
        for (int k = 0; k < n && created; ++k)
            created = reactions[k].pos != reactions[n].pos;
        if (!created) {
            showMessage(hidingMessage);
            reactions.remove(n);
        }
    }
    setConnectSource(-1);
    if (created) broadcast(systemChanged);
    return created;
}

void Vreactor::createShortcut(int i) {
    if (!validComponent(i)) return;
    // A shortcut carries only what is stored of it, and the colour it is drawn in.
    Vcomponent copy;
    copy.name = components[i].name;
    copy.shortcut = true;
    copy.color = components[i].color;
    copy.pos = limited(components[i].pos + shortcutOffset);
    components.add(std::move(copy));
    broadcast(drawingChanged);
}

void Vreactor::removeComponents(const std::vector<bool>& removed) {
    std::vector<int> newIndex(removed.size(), -1);
    int kept = 0;
    for (size_t k = 0; k < removed.size(); ++k)
        if (!removed[k]) newIndex[k] = kept++;
    if (removeIf(components, [&](const Vcomponent&, int k) { return removed[size_t(k)]; }) == 0)
        return;
    const int before = static_cast<int>(newIndex.size());
    for (Vreaction& r : reactions) {
        removeIf(r.reactants, [&](const Reactant& e, int) {
            return e.index >= 0 && e.index < before && newIndex[size_t(e.index)] < 0;
        });
        for (Reactant& e : r.reactants)
            if (e.index >= 0 && e.index < before) e.index = newIndex[size_t(e.index)];
    }
}

void Vreactor::removeReactions(const std::vector<bool>& removed) {
    removeIf(reactions, [&](const Vreaction&, int k) { return removed[size_t(k)]; });
}

void Vreactor::deleteComponent(int i) {
    if (!validComponent(i)) return;
    std::vector<bool> removed(static_cast<size_t>(components.count()), false);
    if (components[i].shortcut) {
        removed[static_cast<size_t>(i)] = true;
    } else {
        const std::string name = components[i].name;
        for (int k = 0; k < components.count(); ++k)
            removed[static_cast<size_t>(k)] = components[k].name == name;
    }
    removeComponents(removed);
    broadcast(systemChanged);
}

void Vreactor::deleteReaction(int i) {
    if (!validReaction(i)) return;
    reactions.remove(i);
    broadcast(systemChanged);
}

void Vreactor::deleteReactant(int reaction, int j) {
    if (!validReaction(reaction)) return;
    Llist<Reactant>& entries = reactions[reaction].reactants;
    if (j < 0 || j >= entries.count()) return;
    entries.remove(j);
    broadcast(systemChanged);
}

bool Vreactor::swapSide(int reaction, int j) {
    if (!validReaction(reaction)) return false;
    Llist<Reactant>& entries = reactions[reaction].reactants;
    if (j < 0 || j >= entries.count() || !entryName(entries[j])) return false;
    const std::string name = *entryName(entries[j]);
    auto ofComponent = [&](const Reactant& r) {
        const std::string* entry = entryName(r);
        return entry && *entry == name;
    };
    // The sums after the swap: the component's entries change sides.
    long long left = 0, right = 0;
    for (const Reactant& r : entries) {
        const int port = ofComponent(r) ? -r.port : r.port;
        if (port <= 0) left += r.order;
        if (port >= 0) right += r.order;
    }
    if (left > maxOrderSum || right > maxOrderSum) return false;
    for (Reactant& r : entries)
        if (ofComponent(r)) r.port = -r.port;
    broadcast(systemChanged);
    return true;
}

void Vreactor::setMode(int reaction, int mode) {
    if (!validReaction(reaction) || mode < 0 || mode >= modeCount) return;
    reactions[reaction].active = modes[static_cast<size_t>(mode)].first;
    reactions[reaction].activeBack = modes[static_cast<size_t>(mode)].second;
    broadcast(systemChanged);
}

void Vreactor::toggleConstant(int i) {
    if (!validComponent(i)) return;
    components[i].constant = !components[i].constant;
    broadcast(systemChanged);
}

void Vreactor::toggleAsX(int u) {
    const int object = objectOfUnique(u);
    if (object < 0) return;
    const bool on = !components[object].asX;
    for (Vcomponent& c : components)
        if (!c.shortcut) c.asX = false;
    components[object].asX = on;
}

void Vreactor::setActive(bool on) {
    for (Vreaction& r : reactions)
        if (r.selected) r.active = r.activeBack = on;
    broadcast(systemChanged);
}

void Vreactor::setRateConstants(double v, bool multiply) {
    for (Vreaction& r : reactions) {
        if (!r.selected) continue;
        r.rateConstant = boundedValue(r.rateConstant, v, multiply);
        r.rateConstantBack = boundedValue(r.rateConstantBack, v, multiply);
    }
    broadcast(systemChanged);
}

void Vreactor::setInitialConcentrations(double v, bool multiply) {
    for (Vcomponent& c : components)
        if (c.selected) c.initialConcentration = boundedValue(c.initialConcentration, v, multiply);
    broadcast(systemChanged);
}

void Vreactor::defineConcentrationsByResult(const std::vector<double>& finalConcentrations) {
    size_t u = 0;
    for (Vcomponent& c : components) {
        if (c.shortcut) continue;
        if (c.selected && u < finalConcentrations.size() && std::isfinite(finalConcentrations[u]))
            c.initialConcentration =
                boundedValue(c.initialConcentration, finalConcentrations[u], false);
        ++u;
    }
    broadcast(systemChanged);
}

void Vreactor::setConstant(bool on) {
    for (Vcomponent& c : components)
        if (c.selected) c.constant = on;
    broadcast(systemChanged);
}

void Vreactor::setGeometry(int mode) {
    if (mode < Vreaction::adaptive || mode > Vreaction::aligned) return;
    for (Vreaction& r : reactions)
        if (r.selected) r.geometry = mode;
    broadcast(drawingChanged);
}

void Vreactor::deleteReactionSwitchesOfSelected() {
    for (Vreaction& r : reactions) {
        if (!r.selected) continue;
        r.switches.clear();
        r.switchesBack.clear();
    }
    {
        NotificationPause pause;
        deselectAll();
    }
    broadcast(systemChanged);
}

void Vreactor::deleteSelected(bool reactionsOnly) {
    {
        NotificationPause pause;
        if (!reactionsOnly) {
            // Deleting a unique component takes its shortcuts along.
            std::unordered_set<std::string> names;
            for (const Vcomponent& c : components)
                if (c.selected && !c.shortcut) names.insert(c.name);
            std::vector<bool> removed(static_cast<size_t>(components.count()));
            for (int k = 0; k < components.count(); ++k)
                removed[static_cast<size_t>(k)] =
                    (components[k].selected && components[k].shortcut) ||
                    names.count(components[k].name);
            removeComponents(removed);
        }
        std::vector<bool> removed(static_cast<size_t>(reactions.count()));
        for (int k = 0; k < reactions.count(); ++k)
            removed[static_cast<size_t>(k)] = reactions[k].selected;
        removeReactions(removed);
    }
    broadcast(systemChanged);
}

void Vreactor::deleteAll() {
    components.clear();
    reactions.clear();
    connectSource = -1;
    broadcast(systemChanged);
}

bool Vreactor::renameComponent(const std::string& oldName, const std::string& newName) {
    if (checkName(newName) != NameCheck::valid || !componentNameExists(oldName)) return false;
    for (Vcomponent& c : components)
        if (c.name == oldName) c.name = newName;
    broadcast(namesChanged);
    return true;
}
