#include "windows/reactions/reactionhover.h"

#include "support/reactorfixture.h"

namespace {

constexpr int onComponent = HoverTarget::componentType;
constexpr int onReaction = HoverTarget::reactionType;

// A at (100, 100) and B at (300, 100) joined by a forward reaction centred at
// (200, 100) with a horizontal axis; a shortcut of A at (100, 300).
class HoverTest : public ReactorFixture {
protected:
    HoverTest() {
        a = component(Poi{100, 100});
        b = component(Poi{300, 100});
        reactor.setConnectSource(a);
        reactor.connectComponents(b);
        shortcut = shortcutOf(a, Poi{100, 300});
        reactor.layout();
    }
    HoverTarget at(Poi p) const { return classifyHover(reactor, p); }

    int a = 0, b = 0, shortcut = 0;
};

HoverTarget hit(WindowState state, int type, int index, int part) {
    return {state, type, index, part};
}

} // namespace

TEST_F(HoverTest, ClassifiesEveryTarget) {
    const Vreaction& r = reactor.reactions[0];
    ASSERT_EQ(r.pos, (Poi{200, 100}));
    struct Case {
        const char* what;
        Poi p;
        HoverTarget expected;
    };
    const Case cases[] = {
        {"body centre", {100, 100}, hit(WindowState::overObject, onComponent, a, 0)},
        {"body edge", {88, 100}, hit(WindowState::overObject, onComponent, a, 0)},
        {"ring", {85, 100}, hit(WindowState::overConnector, onComponent, a, 0)},
        {"ring edge", {78, 100}, hit(WindowState::overConnector, onComponent, a, 0)},
        {"just past the ring", {77, 100}, HoverTarget{}},
        {"the ring covers the branch end",
         {115, 100},
         hit(WindowState::overConnector, onComponent, a, 0)},
        {"branch just outside the ring", {123, 100}, hit(WindowState::overValue, onReaction, 0, 0)},
        {"branch 4 px away", {150, 96}, hit(WindowState::overValue, onReaction, 0, 0)},
        {"branch 5 px away", {150, 95}, HoverTarget{}},
        {"product branch", {250, 103}, hit(WindowState::overValue, onReaction, 0, -1)},
        {"reaction centre", {200, 100}, hit(WindowState::overObject, onReaction, 0, 3)},
        {"forward label", r.labelPos, hit(WindowState::overValue, onReaction, 0, 1)},
        {"name label", reactor.components[a].namePos,
         hit(WindowState::overValue, onComponent, a, 1)},
        {"concentration label", reactor.components[a].labelPos,
         hit(WindowState::overValue, onComponent, a, 0)},
        {"shortcut body", {100, 300}, hit(WindowState::overObject, onComponent, shortcut, 0)},
        {"shortcut has no concentration",
         {100, 318},
         hit(WindowState::overConnector, onComponent, shortcut, 0)},
        {"shortcut name", {100, 280}, hit(WindowState::overValue, onComponent, shortcut, 1)},
        {"empty space", {500, 400}, HoverTarget{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(at(c.p), c.expected) << c.what;
}

TEST_F(HoverTest, LabelsOfInactiveDirectionsAndOrdersOfOneAreNotTargets) {
    Vreaction& r = reactor.reactions[0];
    const Poi back = r.labelPosBack;
    EXPECT_EQ(at(back), HoverTarget{});
    r.activeBack = true;
    reactor.layout();
    EXPECT_EQ(at(r.labelPosBack), hit(WindowState::overValue, onReaction, 0, 2));
    r.active = false;
    reactor.layout();
    EXPECT_EQ(at(r.labelPos), HoverTarget{});

    // Inside the order rectangle (the size of "10") but 6 px off the branch.
    const Poi beside = r.orderPoints[1] + Poi{0, 6};
    EXPECT_EQ(at(beside), HoverTarget{});
    r.reactants[1].order = 2;
    reactor.layout();
    EXPECT_EQ(at(beside), hit(WindowState::overValue, onReaction, 0, -1));
}

TEST_F(HoverTest, HintsFollowStateAndTarget) {
    const std::string t = " (left-click) or use local menu (right-click)";
    struct Case {
        WindowState state;
        HoverTarget target;
        std::string hint;
    };
    const Case cases[] = {
        {WindowState::overValue, hit(WindowState::overValue, onComponent, a, 0),
         "change initial concentration" + t},
        {WindowState::overValue, hit(WindowState::overValue, onComponent, a, 1),
         "rename component" + t},
        {WindowState::overValue, hit(WindowState::overValue, onReaction, 0, 1),
         "change rate constant" + t},
        {WindowState::overValue, hit(WindowState::overValue, onReaction, 0, -1),
         "change reactant order" + t},
        {WindowState::overConnector, hit(WindowState::overConnector, onComponent, a, 0),
         "connect to other component or reaction (hold left and move)"},
        {WindowState::overObject, hit(WindowState::overObject, onComponent, a, 0),
         "select component" + t},
        {WindowState::overObject, hit(WindowState::overObject, onReaction, 0, 3),
         "select reaction" + t},
        {WindowState::overNothing, HoverTarget{},
         "add component (double-click), select objects" + t},
        {WindowState::selectingRegion, HoverTarget{}, "selecting region"},
        {WindowState::movingObjects, HoverTarget{}, "moving objects"},
        {WindowState::connecting, HoverTarget{}, "connecting objects"},
        {WindowState::idle, HoverTarget{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(positionHint(reactor, c.state, c.target), c.hint);

    // Directions are named only in a reversible reaction; a movable centre
    // invites moving.
    reactor.reactions[0].activeBack = true;
    reactor.reactions[0].geometry = Vreaction::movableAdaptive;
    EXPECT_EQ(positionHint(reactor, WindowState::overValue,
                           hit(WindowState::overValue, onReaction, 0, 2)),
              "change backward rate constant" + t);
    EXPECT_EQ(positionHint(reactor, WindowState::overValue,
                           hit(WindowState::overValue, onReaction, 0, 1)),
              "change forward rate constant" + t);
    EXPECT_EQ(positionHint(reactor, WindowState::overObject,
                           hit(WindowState::overObject, onReaction, 0, 3)),
              "select/move reaction" + t);
}

TEST(Hover, HintsOfAnEmptyOrLoneSystem) {
    Vreactor empty;
    EXPECT_EQ(positionHint(empty, WindowState::overNothing, HoverTarget{}),
              "add component (double-click) or use local menu (right-click)");
    empty.components.add(Vcomponent("A", 1, 0));
    EXPECT_EQ(positionHint(empty, WindowState::overConnector,
                           hit(WindowState::overConnector, onComponent, 0, 0)),
              "nothing to connect");
}
