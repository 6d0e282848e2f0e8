#include "model/vreactor.h"

#include "foundation/numberformat.h"
#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void expectSameStored(const Vreactor& a, const Vreactor& b) {
    EXPECT_EQ(a.useGrid, b.useGrid);
    EXPECT_EQ(a.showGrid, b.showGrid);
    ASSERT_EQ(a.components.count(), b.components.count());
    for (int i = 0; i < a.components.count(); ++i) {
        const Vcomponent &x = a.components[i], &y = b.components[i];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.shortcut, y.shortcut);
        EXPECT_EQ(x.initialConcentration, y.initialConcentration);
        EXPECT_EQ(x.constant, y.constant);
        EXPECT_EQ(x.weight, y.weight);
        EXPECT_EQ(x.color, y.color);
        EXPECT_EQ(x.monitor, y.monitor);
        EXPECT_EQ(x.asX, y.asX);
        EXPECT_EQ(x.animate, y.animate);
        EXPECT_EQ(x.pos, y.pos);
    }
    ASSERT_EQ(a.reactions.count(), b.reactions.count());
    for (int i = 0; i < a.reactions.count(); ++i) {
        const Vreaction &x = a.reactions[i], &y = b.reactions[i];
        EXPECT_EQ(x.active, y.active);
        EXPECT_EQ(x.activeBack, y.activeBack);
        EXPECT_EQ(x.rateConstant, y.rateConstant);
        EXPECT_EQ(x.rateConstantBack, y.rateConstantBack);
        EXPECT_EQ(x.switches, y.switches);
        EXPECT_EQ(x.switchesBack, y.switchesBack);
        EXPECT_EQ(x.reactants, y.reactants);
        EXPECT_EQ(x.geometry, y.geometry);
        EXPECT_EQ(x.animate, y.animate);
        EXPECT_EQ(x.animateBack, y.animateBack);
        EXPECT_EQ(x.pos, y.pos);
    }
}

int occurrences(const Text_& lines, const std::string& text) {
    int n = 0;
    for (const std::string& line : lines)
        n += line.find(text) != std::string::npos;
    return n;
}

class VreactorTest : public ReactorFixture {
protected:
    // A, a shortcut of A, B; one reaction with every field set and a default one.
    void buildSample() {
        reactor.useGrid = false;
        reactor.showGrid = true;
        const int a = component({56, 112});
        Vcomponent& c = reactor.components[a];
        c.initialConcentration = 0.25;
        c.constant = true;
        c.weight = -2.5;
        c.color = 0x123456;
        c.monitor = false;
        c.asX = true;
        shortcutOf(a, {300, 40});
        reactor.components[component({400, 80})].initialConcentration = 1.5e-3;
        Vreaction& r = reactor.reactions[reaction({150, 90})];
        r.active = false;
        r.activeBack = true;
        r.rateConstant = 12.5;
        r.rateConstantBack = 3e-7;
        for (double at : {1.5, 2.5}) {
            ReactionSwitch s;
            s.at = at;
            r.switches.add(s);
        }
        r.switchesBack.add(ReactionSwitch());
        connect(0, 0, -1, 2);
        connect(1, 0, 1);
        connect(2, 0, 1, 3);
        r.reactants[0].align = true;
        r.geometry = Vreaction::adaptive;
        reaction({500, 500});
    }
};

TEST_F(VreactorTest, SessionRoundTripIsEqualFieldByField) {
    buildSample();
    // The animated parameter once on a reaction's backward rate constant,
    // once on a component.
    for (bool componentAnimated : {false, true}) {
        reactor.components[0].animate = componentAnimated;
        reactor.reactions[0].animateBack = !componentAnimated;
        numberPrecision = 12;
        ASSERT_TRUE(reactor.save("vReactor", ""));
        numberPrecision = 3;

        Vreactor read;
        read.lines = reactor.lines;
        ASSERT_TRUE(read.load("vReactor", ""));
        read.receive(sessionReplaced);
        expectSameStored(reactor, read);
        const RepairReport report = read.repair();
        EXPECT_FALSE(report.refused());
        EXPECT_EQ(report.repairs, 0);
        expectSameStored(reactor, read);

        // Keys written only when true, and the shortcut's values not at all.
        EXPECT_EQ(occurrences(reactor.lines, "as x="), 1);
        EXPECT_EQ(occurrences(reactor.lines, "animate="), componentAnimated ? 1 : 0);
        EXPECT_EQ(occurrences(reactor.lines, "animate B="), componentAnimated ? 0 : 1);
        EXPECT_EQ(occurrences(reactor.lines, "initial concentration="), 2);
    }
}

TEST_F(VreactorTest, SessionFormKeepsItsKeyOrder) {
    reactor.useGrid = false;
    component({1, 2});
    reaction({3, 4});
    connect(0, 0, -1);
    ASSERT_TRUE(reactor.save("vReactor", ""));
    std::string text;
    for (const std::string& line : reactor.lines)
        text += line.substr(line.find_first_not_of(' ')) + "|";
    EXPECT_EQ(text, "<vReactor>|use grid=false|show grid=false|<component>|name=A|shortcut=false|"
                    "initial concentration=1|constant=false|weight=1|color=16777215|monitor=true|"
                    "<pos>|x=1|y=2|</pos>|</component>|<reaction>|active=true|active back=false|"
                    "rate constant=1|rate constant back=1|<reactant>|index=0|order=1|port=-1|"
                    "align=false|</reactant>|Geometry=-1|<pos>|x=3|y=4|</pos>|</reaction>|"
                    "</vReactor>|");
}

TEST_F(VreactorTest, ReloadGivesShortcutsTheColourOfTheirComponent) {
    buildSample();
    ASSERT_TRUE(reactor.save("vReactor", ""));
    Vreactor read;
    read.lines = reactor.lines;
    ASSERT_TRUE(read.load("vReactor", ""));
    EXPECT_EQ(read.components[1].color, 0); // not stored
    read.receive(sessionReplaced);
    EXPECT_EQ(read.components[1].color, 0x123456);
}

TEST_F(VreactorTest, LayoutFollowsTheEventsThatChangeTheDrawing) {
    component({100, 100});
    reactor.components[0].initialConcentration = 7;
    for (int event : {parametersChanged, animatedParameterChanged, weightedObservationChanged})
        reactor.receive(event);
    EXPECT_EQ(reactor.components[0].label, "1");
    for (int event :
         {sessionReplaced, systemChanged, namesChanged, drawingChanged, preferencesChanged}) {
        reactor.components[0].initialConcentration = event;
        reactor.receive(event);
        EXPECT_EQ(reactor.components[0].label, std::to_string(event));
    }
    // The preferences are read at each layout.
    settings.largeNameFont = true;
    reactor.receive(preferencesChanged);
    EXPECT_EQ(reactor.components[0].namePos, (Poi{100, 78}));
}

TEST_F(VreactorTest, LookupsBySideAndName) {
    const int a = component({10, 10});
    const int aShortcut = shortcutOf(a, {60, 60});
    component({90, 90});
    const int r = reaction({200, 200});
    connect(aShortcut, r, -1, 2);
    connect(2, r, 1, 3);
    reactor.reactions[r].reactants.add(Reactant()); // A, order 1, side -1
    reactor.reactions[r].reactants[2].port = 0;     // counts on both sides
    EXPECT_EQ(reactor.orderSum(r, -1), 3);
    EXPECT_EQ(reactor.orderSum(r, 1), 4);
    EXPECT_TRUE(reactor.isOnSide(r, "A", -1)); // through the shortcut
    EXPECT_FALSE(reactor.isOnSide(r, "A", 1));

    EXPECT_EQ(reactor.uniqueComponent(1).name, "B");
    EXPECT_EQ(reactor.uniqueIndexOf("B"), 1);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(&reactor.uniqueComponent(2), &reactor.components[0]);
    EXPECT_EQ(reactor.uniqueIndexOf("C"), -1);
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"Unique component not found!",
                                        "Unique index of component named 'C' not found!"}));

    reactor.toggleAsX(1);
    reactor.toggleAsX(0);
    EXPECT_EQ(reactor.asXIndex(), 0);
    EXPECT_FALSE(reactor.components[2].asX);

    reactor.components[2].selected = true;
    EXPECT_TRUE(reactor.firstSelectedComponent());
    EXPECT_EQ(reactor.components.cursor, 2);
}

TEST_F(VreactorTest, ExtentsAreCachedUntilTheNextLayout) {
    EXPECT_FALSE(reactor.extent().notEmpty);
    const int a = component({100, 100});
    const int r = reaction({300, 300});
    const Poi_Extent before = reactor.extent();
    EXPECT_EQ(before.minimum(), reactor.components[a].extent().minimum());
    EXPECT_EQ(before.maximum(), reactor.reactions[r].extent().maximum());
    reactor.reactions[r].pos = {600, 600};
    EXPECT_EQ(reactor.extent(), before);
    reactor.layout();
    EXPECT_EQ(reactor.extent().maximum(), (Poi{625, 626})); // the backward label reaches 616

    // A selected component brings its reactions into the selection's box.
    connect(a, r, -1);
    reactor.components[a].selected = true;
    Poi_Extent expected = reactor.components[a].extent();
    expected.add(reactor.reactions[r].extent());
    EXPECT_EQ(reactor.selectionExtent(), expected);
}

TEST_F(VreactorTest, NameCheck) {
    component({10, 10});
    shortcutOf(0, {50, 50});
    using C = Vreactor::NameCheck;
    const std::pair<std::string, C> cases[] = {{"", C::empty},
                                               {"A", C::taken},
                                               {"<b>", C::forbiddenCharacter},
                                               {"x>y", C::forbiddenCharacter},
                                               {"a\nb", C::forbiddenCharacter},
                                               {"Fe3+ = iron", C::valid}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(reactor.checkName(name), expected) << name;
}

} // namespace

namespace {

TEST_F(VreactorTest, PuttingACopyInPlaceKeepsTheLiveSystemWired) {
    buildSample();
    Vreactor copy(reactor);
    EXPECT_EQ(copy.measurer.get(), &measurer);
    Vreactor blank;
    reactor = blank;
    EXPECT_EQ(reactor.measurer.get(), &measurer);
    EXPECT_EQ(reactor.settings.get(), &settings);
    reactor = copy;
    reactor.receive(sessionReplaced);
    EXPECT_EQ(reactor.components[0].nameSize, (TextSize{5, 13}));
}

} // namespace
