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
