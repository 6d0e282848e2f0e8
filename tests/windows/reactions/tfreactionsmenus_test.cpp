#include "reactionwindowfixture.h"

#include "windows/reactions/drawingpicture.h"

#include <QClipboard>
#include <QGuiApplication>

TEST_F(ReactionEditTest, ObjectItems) {
    trigger({112, 112}, "Create Shortcut");
    EXPECT_TRUE(system.components[4].shortcut);
    trigger({142, 142}, "Delete Shortcut");
    trigger({112, 336}, "Delete");
    EXPECT_EQ(system.components.count(), 3);
    trigger(branchPoint(1), "Swap Reaction Side");
    EXPECT_EQ(reaction().reactants[1].port, -1);
    trigger(branchPoint(0), "Delete From Reaction");
    EXPECT_EQ(reaction().reactants.count(), 1);
    trigger(reaction().pos, "Movable Center, Adaptive Orientation");
    EXPECT_EQ(reaction().geometry, Vreaction::movableAdaptive);
    const auto names = menuAt(system.components[0].namePos);
    item(*names, "B")->trigger(); // taken
    item(*names, "Q")->trigger();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(system.components[0].name, "Q");
    trigger(reaction().pos, "Delete");
    EXPECT_EQ(undo.labels,
              (Labels{"Create component shortcut", "Delete component shortcut", "Delete component",
                      "Swap reaction side", "Delete reaction reactant", "Change arrow geometry",
                      "Rename component", "Delete reaction"}));
}

// The drawing as a picture of its objects with a margin, in a file or on the
// clipboard; a file that cannot be written is reported.
TEST_F(ReactionEditTest, DrawingItemsWriteThePicture) {
    const QRect area = drawingPictureArea(system);
    EXPECT_TRUE(area.contains(QRect(100, 100, 240, 240)));
    QString name;
    window.chooseDrawingFile = [&] { return name; };
    name = QString::fromStdString(dir.file("drawing.png"));
    trigger({500, 400}, "Save Drawing...");
    EXPECT_EQ(QImage(name).size(), area.size());
    trigger({500, 400}, "Copy Drawing");
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), area.size());
    EXPECT_TRUE(messages.messages.empty());
    name = QString::fromStdString(dir.file("missing/drawing.svg"));
    trigger({500, 400}, "Save Drawing...");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Failed to save drawing: " + name.toStdString());
}
