#pragma once

#include "engine/calculationenvironment.h"
#include "model/vreactor.h"

#include <initializer_list>
#include <string>
#include <vector>

// Reaction systems for the engine tests, built by filling the model's lists.

struct TestEntry {
    int component; // position in Vreactor::components
    int order;
    int port; // -1 left, +1 right
};

inline int addComponent(Vreactor& v, const std::string& name, double concentration,
                        bool constant = false) {
    Vcomponent c(name, concentration, 0);
    c.constant = constant;
    v.components.add(c);
    return v.components.last();
}

inline int addShortcut(Vreactor& v, const std::string& name) {
    Vcomponent c(name, 0, 0);
    c.shortcut = true;
    v.components.add(c);
    return v.components.last();
}

// The reference stays valid until the next reaction is added.
inline Vreaction& addReaction(Vreactor& v, std::initializer_list<TestEntry> entries, double k,
                              bool forward = true, double kBack = 0, bool backward = false) {
    Vreaction r;
    r.rateConstant = k;
    r.rateConstantBack = kBack;
    r.active = forward;
    r.activeBack = backward;
    for (const TestEntry& e : entries) {
        Reactant entry;
        entry.index = e.component;
        entry.order = e.order;
        entry.port = e.port;
        r.reactants.add(entry);
    }
    v.reactions.add(r);
    return v.reactions[v.reactions.last()];
}

inline Reactant reactantOf(int component, int order, int port, bool align = false) {
    Reactant entry;
    entry.index = component;
    entry.order = order;
    entry.port = port;
    entry.align = align;
    return entry;
}

// A reaction's entries as "index:order:port", "*" marking aligned ones.
inline std::vector<std::string> entriesOf(const Vreaction& reaction) {
    std::vector<std::string> result;
    for (const Reactant& e : reaction.reactants)
        result.push_back(std::to_string(e.index) + ":" + std::to_string(e.order) + ":" +
                         std::to_string(e.port) + (e.align ? "*" : ""));
    return result;
}

inline void addSwitches(Llist<ReactionSwitch>& list, std::initializer_list<double> times) {
    for (double at : times) {
        ReactionSwitch s;
        s.at = at;
        list.add(s);
    }
}

struct FakeEnvironment : CalculationEnvironment {
    bool autoRefresh() const override { return autoRefreshOn; }
    bool extendedDetail() const override { return extended; }
    bool animationRunning() const override { return animation; }
    void showStatus(const std::string& message) override { statuses.push_back(message); }
    ProgressRunner* progressRunner() override { return runner; }

    bool autoRefreshOn = true;
    bool extended = false;
    bool animation = false;
    ProgressRunner* runner = nullptr;
    std::vector<std::string> statuses;
};
