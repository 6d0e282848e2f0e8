#include "reactionwindowfixture.h"

TEST_F(ReactionEditTest, RenamingAsksAgainUntilTheNameIsFreeOrTheDialogEnds) {
    asker.texts = {"B", "", std::nullopt};
    click(system.components[1].namePos); // its own name: done
    click(system.components[1].namePos); // empty: asked again, then cancelled
    EXPECT_EQ(asker.calls.size(), 3u);
    asker.texts = {"", "B", "<x>", "Benzene"};
    click(system.components[0].namePos);
    ASSERT_EQ(asker.calls.size(), 7u);
    EXPECT_EQ(asker.calls[6], (AskCall{"text", "Rename component A", 0, 100, -1, -1, false}));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0],
              "A component named 'B' already exists. Please choose a different name!");
    EXPECT_EQ(system.components[0].name + system.components[3].name, "BenzeneBenzene");
    EXPECT_EQ(undo.labels, (Labels{"Rename component"}));
    EXPECT_EQ(log.count(namesChanged), 1);
}

TEST_F(ReactionEditTest, InitialConcentration) {
    asker.numbers = {0.25};
    click(system.components[0].labelPos);
    EXPECT_EQ(asker.calls[0],
              (AskCall{"number", "Initial concentration of A", 0, 1e100, 0, -1, true}));
    EXPECT_EQ(system.components[0].initialConcentration, 0.25);
    EXPECT_EQ(std::pair(log.count(parametersChanged), host.equationRebuilds), std::pair(1, 1));
    // Cancelled: no undo level, but the drawing and the equations are renewed.
    const int drawings = log.count(drawingChanged);
    click(system.components[0].labelPos);
    EXPECT_EQ(std::pair(log.count(drawingChanged), host.equationRebuilds),
              std::pair(drawings + 1, 2));
    click(system.components[3].pos + Poi{0, 18}); // a shortcut has no concentration
    // During an animation its steps keep the kinetics current.
    animation.setAnimated(&system.reactions[0].rateConstant);
    asker.numbers = {0.5};
    click(system.components[0].labelPos);
    EXPECT_EQ(asker.calls.size(), 3u);
    EXPECT_EQ(log.count(parametersChanged), 1);
    EXPECT_EQ(undo.labels, (Labels{"Change concentration", "Change concentration"}));
}
