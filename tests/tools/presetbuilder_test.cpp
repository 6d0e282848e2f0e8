#include "presetbuilder.h"

#include "foundation/eventreceiver.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Reactant entry(int index, int order, int port, bool align) {
    Reactant e;
    e.index = index;
    e.order = order;
    e.port = port;
    e.align = align;
    return e;
}

class PresetBuilderTest : public ::testing::Test {
protected:
    PresetBuilderTest() {
        eventRegistry().clear();
        registerReceiver(&log);
    }
    ~PresetBuilderTest() override { eventRegistry().clear(); }

    Vreactor& v() { return session.vReactor; }

    EventLog log;
    RecordingMessageSink messages;
    ReactorSession session;
    PresetBuilder b{session};
};

TEST_F(PresetBuilderTest, ComponentsStandOnTheGridWithTheirNamesAndModelColours) {
    const int a = b.component("A", {2, 1}, 0.25); // the name the model proposes anyway
    const int s = b.component("S", {3, 4}, 1);
    const int e = b.component("E", {0, 0}, 0);
    EXPECT_EQ(v().components[a].pos, (Poi{112, 56}));
    EXPECT_EQ(v().components[s].pos, (Poi{168, 224}));
    EXPECT_EQ(v().components[s].name, "S");
    EXPECT_EQ(v().components[a].initialConcentration, 0.25);
    EXPECT_EQ(v().components[e].initialConcentration, 0);
    // The palette in order, as the editor gives it.
    EXPECT_EQ(v().components[a].color, 0xFFFFFF);
    EXPECT_EQ(v().components[s].color, 0x48F8F8);
    EXPECT_EQ(v().components[e].color, 0xFFFF40);
    // Drawing a session does not disturb the program's receivers.
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PresetBuilderTest, RefusedStepsThrow) {
    const int a = b.component("A", {1, 1}, 1);
    const int c = b.component("C", {3, 1}, 0);
    EXPECT_THROW(b.component("C", {5, 1}, 0), PresetError); // name taken
    EXPECT_THROW(b.component("X<", {5, 1}, 0), PresetError);
    const int r = b.reaction({2, 2}, 1);
    b.reactant(r, a);
    EXPECT_THROW(b.reactant(r, a), PresetError); // already on that side
    b.product(r, c, 99);
    EXPECT_THROW(b.product(r, a, 2), PresetError); // 101 on one side
    EXPECT_THROW(b.reactant(7, a), PresetError);
    EXPECT_THROW(b.step(a, a, 1), PresetError);
    const int copy = b.shortcut(a, {1, 3});
    for (auto edit : {&PresetBuilder::hold, &PresetBuilder::hide, &PresetBuilder::plotAgainst})
        EXPECT_THROW((b.*edit)(copy), PresetError);
    EXPECT_THROW(b.align(r, c, a), PresetError); // c is no reactant, a no product
}

TEST_F(PresetBuilderTest, StepsAreAlignedOneToOneReactions) {
    const int a = b.component("A", {1, 2}, 1);
    const int p = b.component("B", {4, 2}, 0);
    const int forward = b.step(a, p, 0.5);
    const int back = b.equilibrium(p, b.component("C", {4, 4}, 0), 0.6, 0.2);
    const Vreaction& f = v().reactions[forward];
    EXPECT_EQ(f.geometry, Vreaction::aligned);
    EXPECT_EQ(f.pos, (Poi{140, 112})); // midway, off the grid like a drawn one
    ASSERT_EQ(f.reactants.count(), 2);
    EXPECT_EQ(f.reactants[0], (entry(a, 1, -1, true)));
    EXPECT_EQ(f.reactants[1], (entry(p, 1, 1, true)));
    EXPECT_TRUE(f.active);
    EXPECT_FALSE(f.activeBack);
    EXPECT_EQ(f.rateConstant, 0.5);
    const Vreaction& r = v().reactions[back];
    EXPECT_TRUE(r.active && r.activeBack);
    EXPECT_EQ(r.rateConstant, 0.6);
    EXPECT_EQ(r.rateConstantBack, 0.2);
}

TEST_F(PresetBuilderTest, EntriesOrdersAlignmentAndSwitches) {
    const int a = b.component("A", {1, 1}, 1);
    const int c = b.component("B", {1, 3}, 1);
    const int p = b.component("C", {5, 2}, 0);
    const int r = b.reversible({3, 2}, 2, 3);
    b.reactant(r, a, 2);
    b.reactant(r, c);
    b.product(r, p);
    b.switches(r, {5, 1.5});
    const Vreaction& reaction = v().reactions[r];
    EXPECT_EQ(reaction.pos, (Poi{168, 112}));
    EXPECT_EQ(reaction.geometry, Vreaction::movableHorizontal);
    ASSERT_EQ(reaction.reactants.count(), 3);
    EXPECT_EQ(reaction.reactants[0], (entry(a, 2, -1, false)));
    EXPECT_EQ(reaction.reactants[2], (entry(p, 1, 1, false)));
    ASSERT_EQ(reaction.switches.count(), 2);
    EXPECT_EQ(reaction.switches[0].at, 5);
    EXPECT_EQ(reaction.switches[1].at, 1.5);
    EXPECT_TRUE(reaction.switchesBack.empty());

    b.align(r, c, p);
    EXPECT_EQ(reaction.geometry, Vreaction::aligned);
    EXPECT_FALSE(reaction.reactants[0].align);
    EXPECT_TRUE(reaction.reactants[1].align);
    EXPECT_TRUE(reaction.reactants[2].align);
    EXPECT_EQ(reaction.pos, (Poi{168, 140}));
    b.orient(r);
    EXPECT_EQ(reaction.geometry, Vreaction::movableAdaptive);
}

TEST_F(PresetBuilderTest, ShortcutsAndThePlotAxis) {
    const int a = b.component("A", {1, 1}, 1);
    const int copy = b.shortcut(a, {3, 3});
    const int x = b.component("X", {5, 1}, 0);
    EXPECT_TRUE(v().components[copy].shortcut);
    EXPECT_EQ(v().components[copy].name, "A");
    EXPECT_EQ(v().components[copy].pos, (Poi{168, 168}));
    // Object 2 is the second unique component; asking twice keeps it.
    b.plotAgainst(x);
    b.plotAgainst(x);
    EXPECT_EQ(v().asXIndex(), 1);
    b.plotAgainst(a);
    EXPECT_EQ(v().asXIndex(), 0);
    EXPECT_FALSE(v().components[x].asX);
}

} // namespace
