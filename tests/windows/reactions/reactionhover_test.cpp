#include "windows/reactions/reactionhover.h"

#include "support/reactorfixture.h"
#include "windows/windowtest.h"

namespace {

constexpr WindowState value = WindowState::overValue;
constexpr WindowState object = WindowState::overObject;
constexpr WindowState connector = WindowState::overConnector;

HoverTarget onComponent(WindowState state, int index, int part = 0) {
    return {state, HoverTarget::componentType, index, part};
}
HoverTarget onReaction(WindowState state, int part) {
    return {state, HoverTarget::reactionType, 0, part};
}

// A at (100, 100) and B at (300, 100) joined by a forward reaction centred at
// (200, 100) with a horizontal axis; a shortcut of A at (100, 300).
class HoverTest : public ReactorFixture {
protected:
    HoverTest() {
        reactor.setConnectSource(component(Poi{100, 100}));
        reactor.connectComponents(component(Poi{300, 100}));
        shortcutOf(0, Poi{100, 300});
        reactor.layout();
    }
    HoverTarget at(Poi p) const { return classifyHover(reactor, p); }
};

} // namespace

TEST_F(HoverTest, ClassifiesEveryTarget) {
    Vreaction& r = reactor.reactions[0];
    ASSERT_EQ(r.pos, (Poi{200, 100}));
    const std::tuple<const char*, Poi, HoverTarget> cases[] = {
        {"body centre", {100, 100}, onComponent(object, 0)},
        {"ring edge", {78, 100}, onComponent(connector, 0)},
        {"just past the ring", {77, 100}, HoverTarget{}},
        {"the ring covers the branch end", {115, 100}, onComponent(connector, 0)},
        {"branch 4 px away", {150, 96}, onReaction(value, 0)},
        {"branch 5 px away", {150, 95}, HoverTarget{}},
        {"product branch", {250, 103}, onReaction(value, -1)},
        {"reaction centre", {200, 100}, onReaction(object, 3)},
        {"forward label", r.labelPos, onReaction(value, 1)},
        {"inactive backward label", r.labelPosBack, HoverTarget{}},
        {"name label", reactor.components[0].namePos, onComponent(value, 0, 1)},
        {"concentration label", reactor.components[0].labelPos, onComponent(value, 0)},
        {"shortcut body", {100, 300}, onComponent(object, 2)},
        {"shortcut has no concentration", {100, 318}, onComponent(connector, 2)},
        {"empty space", {500, 400}, HoverTarget{}},
    };
    for (const auto& [what, p, expected] : cases)
        EXPECT_EQ(at(p), expected) << what;

    r.activeBack = true;
    r.active = false;
    reactor.layout();
    EXPECT_EQ(at(r.labelPosBack), onReaction(value, 2));
    EXPECT_EQ(at(r.labelPos), HoverTarget{});
    // An order of 1 has no label: inside the order rectangle (the size of
    // "10") but 6 px off the branch is nothing until the order is 2.
    const Poi beside = r.orderPoints[1] + Poi{0, 6};
    EXPECT_EQ(at(beside), HoverTarget{});
    r.reactants[1].order = 2;
    reactor.layout();
    EXPECT_EQ(at(beside), onReaction(value, -1));
}
