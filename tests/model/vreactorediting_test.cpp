#include "model/vreactor.h"

#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using VreactorEditingTest = ReactorFixture;
using Names = std::vector<std::string>;
using Events = std::vector<int>;

// The first component starts at concentration 1, the others at 0; names run
// A to Z, then AA, BB, and reuse freed names, also those only a shortcut bears.
TEST_F(VreactorEditingTest, NewComponentsTakeNameConcentrationAndGridPointOnTheDrawing) {
    ASSERT_TRUE(reactor.addComponent({30, 80}));
    ASSERT_TRUE(reactor.addComponent({200, 300}));
    reactor.addComponent({-70, 99999});
    EXPECT_EQ(log.events, (Events{systemChanged, systemChanged, systemChanged}));
    EXPECT_EQ(reactor.components[0].initialConcentration, 1);
    EXPECT_EQ(reactor.components[1].initialConcentration, 0);
    EXPECT_EQ(reactor.components[0].pos, (Poi{56, 56}));
    EXPECT_EQ(reactor.components[1].pos, (Poi{224, 280}));
    EXPECT_EQ(reactor.components[2].pos, (Poi{0, Vreactor::maxY}));
    EXPECT_EQ(reactor.components[0].label, "1"); // laid out on its own broadcast

    for (int i = 3; i < 28; ++i)
        component({10, 10});
    EXPECT_EQ(objectNames()[25] + objectNames()[26] + objectNames()[27], "ZAABB");
    reactor.deleteComponent(2);
    EXPECT_EQ(reactor.components[component({10, 10})].name, "C");
    shortcutOf(reactor.components.last(), {5, 5});
    reactor.components[reactor.components.last()].name = "CC";
    EXPECT_EQ(reactor.components[component({10, 10})].name, "DD");
}

TEST_F(VreactorEditingTest, OneToOneReaction) {
    const int a = component({100, 100}), b = component({301, 200});
    reactor.setConnectSource(a);
    EXPECT_FALSE(reactor.connectComponents(a));
    log.events.clear();
    reactor.setConnectSource(a);
    ASSERT_TRUE(reactor.connectComponents(b));
    EXPECT_EQ(log.events, Events{systemChanged});
    const Vreaction& r = reactor.reactions[0];
    EXPECT_EQ(r.pos, (Poi{200, 150})); // the midpoint, not snapped
    EXPECT_EQ(r.geometry, Vreaction::aligned);
    EXPECT_EQ(entries(0), (Names{"A-1", "B+1"}));
    EXPECT_TRUE(r.reactants[0].align && r.reactants[1].align);

    // Another pair with the same midpoint would hide the first reaction.
    const int c = component({0, 0}), d = component({400, 300});
    reactor.setConnectSource(c);
    EXPECT_FALSE(reactor.connectComponents(d));
    EXPECT_EQ(reactor.reactions.count(), 1);
    EXPECT_EQ(messages.messages,
              Names{"The reaction was not created because it would hide an existing one!\nIf "
                    "you intended to define a reversible reaction, please use the menu of the "
                    "reaction object!"});
}

// Deleting a component takes its shortcuts and their entries along; deleting
// the selection broadcasts once.
TEST_F(VreactorEditingTest, DeletionsShiftEntryIndices) {
    const int a = component({10, 10}), b = component({20, 20});
    const int aShortcut = shortcutOf(a, {30, 30});
    const int c = component({40, 40});
    const int bShortcut = shortcutOf(b, {50, 50});
    const int r1 = reaction({100, 100}), r2 = reaction({200, 200});
    reaction({300, 300});
    connect(aShortcut, r1, -1);
    connect(c, r1, 1);
    connect(bShortcut, r1, 1, 2);
    connect(b, r2, -1);
    connect(c, r2, 1, 3);
    connect(a, r2, 1);

    reactor.deleteComponent(a);
    EXPECT_EQ(objectNames(), (Names{"B", "C", "B'"}));
    EXPECT_EQ(entries(r1), (Names{"C+1", "B+2"}));
    EXPECT_EQ(entries(r2), (Names{"B-1", "C+3"}));
    reactor.deleteComponent(2); // the shortcut of B only
    EXPECT_EQ(objectNames(), (Names{"B", "C"}));
    EXPECT_EQ(entries(r1), (Names{"C+1"}));
    EXPECT_EQ(reactor.reactions[r2].reactants[1].index, 1);
    reactor.deleteReactant(r2, 0);
    EXPECT_EQ(entries(r2), (Names{"C+3"}));

    reactor.components[0].selected = true;
    reactor.reactions[2].selected = true;
    reactor.deleteSelected(true); // reactions only
    EXPECT_EQ(reactor.reactions.count() + reactor.components.count(), 4);
    log.events.clear();
    reactor.deleteSelected(false);
    EXPECT_EQ(log.events, Events{systemChanged});
    EXPECT_EQ(objectNames(), Names{"C"});
    EXPECT_EQ(entries(0), (Names{"C+1"}));
}

TEST_F(VreactorEditingTest, MovesStayOnThePlaneOrDoNotHappen) {
    const int a = component({100, 100}), b = component({1900, 1400});
    const int other = component({500, 500});
    reactor.components[a].selected = reactor.components[b].selected = true;
    const std::pair<Poi, Poi> cases[] = {{{101, 0}, {100, 100}},   {{0, 101}, {100, 100}},
                                         {{-101, 0}, {100, 100}},  {{0, -101}, {100, 100}},
                                         {{100, 100}, {200, 200}}, {{-200, -200}, {0, 0}}};
    for (const auto& [delta, aAfter] : cases) {
        reactor.moveSelected(delta);
        EXPECT_EQ(reactor.components[a].pos, aAfter) << delta.x << "," << delta.y;
    }
    EXPECT_EQ(reactor.components[b].pos, (Poi{1800, 1300}));
    EXPECT_EQ(reactor.components[other].pos, (Poi{500, 500}));
    EXPECT_EQ(reactor.components[a].namePos, (Poi{0, -20})); // laid out
}

TEST_F(VreactorEditingTest, BulkSettingsOfTheSelectionStayInRange) {
    const int a = component({100, 100}), b = component({200, 200});
    const int r = reaction({100, 300}), other = reaction({500, 500});
    reactor.regionStart = {200, 300}; // corners in either order, edges inclusive
    reactor.regionEnd = {100, 100};
    reactor.selectRegion();
    reactor.components[b].selected = false;
    EXPECT_TRUE(reactor.components[a].selected && reactor.reactions[r].selected);

    reactor.setRateConstants(4, false);
    reactor.setRateConstants(0.5, true);
    EXPECT_EQ(reactor.reactions[r].rateConstant, 2);
    EXPECT_EQ(reactor.reactions[other].rateConstant, 1);
    reactor.setRateConstants(1e99, true);
    reactor.setRateConstants(100, true);
    reactor.setRateConstants(std::nan(""), false);
    EXPECT_EQ(reactor.reactions[r].rateConstantBack, 1e100);
    reactor.setInitialConcentrations(-1, true);
    EXPECT_EQ(reactor.components[a].initialConcentration, 0);

    reactor.components[b].selected = true;
    reactor.defineConcentrationsByResult({0.75});
    EXPECT_EQ(reactor.components[b].initialConcentration, 0); // past the end
    reactor.defineConcentrationsByResult({INFINITY, 0.5});
    EXPECT_EQ(reactor.components[a].initialConcentration, 0.75);
    EXPECT_EQ(reactor.components[b].initialConcentration, 0.5);

    reactor.setGeometry(Vreaction::adaptive);
    reactor.setGeometry(4);
    EXPECT_EQ(reactor.reactions[r].geometry, Vreaction::adaptive);
    for (int mode : {0, 1, 2, 3}) { // forward, backward, both, none
        reactor.setMode(r, mode);
        EXPECT_EQ(reactor.reactions[r].active + 2 * reactor.reactions[r].activeBack,
                  (Events{1, 2, 3, 0})[mode]);
    }
    reactor.snapToGrid(true);
    EXPECT_EQ(reactor.components[b].pos, (Poi{224, 224}));
}

} // namespace
