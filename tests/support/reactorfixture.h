#pragma once

#include "foundation/eventreceiver.h"
#include "model/vreactor.h"
#include "support/eventlog.h"
#include "support/fixedtextmeasurer.h"
#include "support/recordingmessagesink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A reaction system wired as the program wires it: a measurer and settings,
// registered for events first and followed by an event log. Messages are
// recorded.
class ReactorFixture : public ::testing::Test {
protected:
    ReactorFixture() {
        eventRegistry().clear();
        reactor.measurer.reset(&measurer);
        reactor.settings.reset(&settings);
        registerReceiver(&reactor);
        registerReceiver(&log);
    }
    ~ReactorFixture() override {
        eventRegistry().clear();
        eventRegistry().notificationsEnabled = true;
    }

    // Adds a component off the grid at p; returns its index.
    int component(Poi p) {
        const bool grid = reactor.useGrid;
        reactor.useGrid = false;
        reactor.addComponent(p);
        reactor.useGrid = grid;
        return reactor.components.last();
    }
    int shortcutOf(int i, Poi p) {
        reactor.createShortcut(i);
        reactor.components[reactor.components.last()].pos = p;
        return reactor.components.last();
    }
    int reaction(Poi p) {
        const bool grid = reactor.useGrid;
        reactor.useGrid = false;
        reactor.addReaction(p);
        reactor.useGrid = grid;
        return reactor.reactions.last();
    }
    bool connect(int source, int reaction, int side, int order = 1) {
        reactor.setConnectSource(source);
        return reactor.connect(reaction, order, side);
    }
    // The objects' names, a shortcut's marked with "'".
    std::vector<std::string> objectNames() const {
        std::vector<std::string> result;
        for (const Vcomponent& c : reactor.components)
            result.push_back(c.name + (c.shortcut ? "'" : ""));
        return result;
    }
    // A reaction's entries as the component's name, side and order: "A-1".
    std::vector<std::string> entries(int reaction) const {
        std::vector<std::string> result;
        for (const Reactant& r : reactor.reactions[reaction].reactants)
            result.push_back(reactor.components[r.index].name + (r.port < 0 ? "-" : "+") +
                             std::to_string(r.order));
        return result;
    }

    FixedTextMeasurer measurer;
    ModelSettings settings;
    Vreactor reactor;
    EventLog log;
    RecordingMessageSink messages;
};
