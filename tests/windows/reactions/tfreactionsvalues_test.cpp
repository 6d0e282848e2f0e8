#include "reactionwindowfixture.h"

namespace {

using Labels = std::vector<std::string>;
using Messages = std::vector<std::string>;

// A at (112, 112), B at (336, 112) and a shortcut of A; A -> B is a reaction
// centred at (224, 112).
class ValueTest : public ReactionWindowTest {
protected:
    ValueTest() {
        doubleClick({112, 112});
        doubleClick({336, 112});
        drag({128, 112}, {{200, 112}, {336, 112}});
        system.createShortcut(0);
        undo.labels.clear();
    }
    const Vreaction& reaction() const { return system.reactions[0]; }
};

} // namespace

TEST_F(ValueTest, RenamingRefusesEmptyAndTakenNamesAndAsksAgain) {
    asker.texts = {"", "B", "<x>", "Benzene"};
    click(system.components[0].namePos);
    ASSERT_EQ(asker.calls.size(), 4u);
    for (const AskCall& call : asker.calls) {
        EXPECT_EQ(call.kind, "text");
        EXPECT_EQ(call.title, "Rename component A");
        EXPECT_EQ(call.max, 100);
        EXPECT_LT(call.step, 0); // no touch pad
        EXPECT_FALSE(call.callback);
    }
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0],
              "A component named 'B' already exists. Please choose a different name!");
    EXPECT_EQ(system.components[0].name, "Benzene");
    EXPECT_EQ(system.components[2].name, "Benzene");
    EXPECT_EQ(undo.labels, (Labels{"Rename component"}));
    EXPECT_EQ(log.count(namesChanged), 1);
}

TEST_F(ValueTest, RenamingEndsOnCancelOrTheOldName) {
    asker.texts = {"B", std::nullopt};
    click(system.components[1].namePos);
    EXPECT_EQ(asker.calls.size(), 1u); // "B" is its own name
    asker.texts = {"", std::nullopt};
    click(system.components[1].namePos);
    EXPECT_EQ(asker.calls.size(), 3u);
    EXPECT_EQ(system.components[1].name, "B");
    EXPECT_TRUE(undo.labels.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ValueTest, InitialConcentration) {
    asker.numbers = {0.25};
    click(system.components[0].labelPos);
    ASSERT_EQ(asker.calls.size(), 1u);
    const AskCall& call = asker.calls[0];
    EXPECT_EQ(call.kind, "number");
    EXPECT_EQ(call.title, "Initial concentration of A");
    EXPECT_EQ(call.min, 0);
    EXPECT_EQ(call.max, 1e100);
    EXPECT_EQ(call.step, 0);
    EXPECT_EQ(call.law, -1);
    EXPECT_EQ(system.components[0].initialConcentration, 0.25);
    EXPECT_EQ(undo.labels, (Labels{"Change concentration"}));
    EXPECT_EQ(log.count(parametersChanged), 1);
    EXPECT_EQ(host.equationRebuilds, 1);

    // Cancelled: no undo level, but the drawing and the equations are renewed.
    const int drawings = log.count(drawingChanged);
    click(system.components[0].labelPos);
    EXPECT_EQ(undo.labels.size(), 1u);
    EXPECT_EQ(log.count(drawingChanged), drawings + 1);
    EXPECT_EQ(host.equationRebuilds, 2);

    // A shortcut has no concentration to click.
    click(system.components[2].pos + Poi{0, 18});
    EXPECT_EQ(asker.calls.size(), 2u);
}

TEST_F(ValueTest, ChangesAreNotBroadcastDuringAnAnimation) {
    animation.setAnimated(&system.reactions[0].rateConstant);
    ASSERT_TRUE(animation.isAnimating());
    asker.numbers = {0.5};
    click(system.components[0].labelPos);
    EXPECT_EQ(log.count(parametersChanged), 0);
    EXPECT_EQ(undo.labels, (Labels{"Change concentration"}));
}

TEST_F(ValueTest, RateConstantsAreTitledByDirection) {
    asker.numbers = {2.0};
    click(reaction().labelPos);
    EXPECT_EQ(asker.calls.back().title, "Rate constant of A -> B");
    EXPECT_EQ(asker.calls.back().max, 1e100);
    EXPECT_EQ(reaction().rateConstant, 2.0);

    system.setMode(0, 2);
    asker.numbers = {3.0};
    click(reaction().labelPosBack);
    EXPECT_EQ(asker.calls.back().title, "Backward rate constant of A <-> B");
    EXPECT_EQ(reaction().rateConstantBack, 3.0);
    EXPECT_EQ(reaction().rateConstant, 2.0);
    asker.numbers = {2.0}; // unchanged
    click(reaction().labelPos);
    EXPECT_EQ(asker.calls.back().title, "Forward rate constant of A <-> B");
    EXPECT_EQ(undo.labels, (Labels{"Change rate constant", "Change rate constant"}));
}

TEST_F(ValueTest, ReactantOrderIsBoundedByTheSide) {
    const PoiList& branch = reaction().branches[1];
    const Poi onB = branch[std::max(0, branch.last() - 15)];
    const int systemChanges = log.count(systemChanged);
    asker.numbers = {3};
    click(onB);
    ASSERT_EQ(asker.calls.size(), 1u);
    const AskCall& call = asker.calls[0];
    EXPECT_EQ(call.kind, "integer");
    EXPECT_EQ(call.title, "Reactant order of B");
    EXPECT_EQ(call.min, 1);
    EXPECT_EQ(call.max, 100.5);
    EXPECT_EQ(call.step, 10);
    EXPECT_EQ(call.law, -1);
    EXPECT_EQ(reaction().reactants[1].order, 3);
    EXPECT_GT(log.count(systemChanged), systemChanges);
    EXPECT_EQ(undo.labels, (Labels{"Change reactant order"}));

    // The order label now stands on the branch and opens the same dialog.
    asker.numbers = {std::nullopt};
    click(reaction().orderPoints[1]);
    EXPECT_EQ(asker.calls.size(), 2u);
    EXPECT_EQ(undo.labels.size(), 1u);
}
