#include "reactionwindowfixture.h"

#include "windows/reactions/drawingpicture.h"

#include <QClipboard>
#include <QGuiApplication>

TEST_F(ReactionEditTest, EachPlaceHasItsMenu) {
    const std::tuple<Poi, QStringList> cases[] = {
        {{500, 400}, {"New Component", "-", "Save Drawing...", "Copy Drawing"}},
        {{112, 112}, {"Create Shortcut", "Delete"}},
        {{142, 142}, {"Delete Shortcut"}},
        {{224, 112}, {"Forward", "Backward", "Reversible", "Inactive", "Arrow Geometry", "Delete"}},
        {system.components[0].labelPos,
         {"Constant Concentration Mode", "Animate Initial Concentration", "Animation..."}},
        {reaction().labelPos, {"Reaction Switches...", "Animate Rate Constant", "Animation..."}},
        {branchPoint(1), {"Swap Reaction Side", "Delete From Reaction"}},
    };
    for (const auto& [p, items] : cases)
        EXPECT_EQ(captions(*menuAt(p)), items) << p.x << "," << p.y;
    EXPECT_EQ(captions(*menuAt(system.components[0].namePos)).size(), 26); // the letters
    EXPECT_EQ(captions(*item(*menuAt({224, 112}), "Arrow Geometry")->menu()),
              (QStringList{"Adaptive", "Movable Center, Adaptive Orientation",
                           "Movable Center, Horizontal Orientation", "-", "Align To A - B"}));
}

TEST_F(ReactionEditTest, GeneralMenuOpensAtThePressPointAndSwallowsTheClosingPress) {
    hover({500, 400});
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(500, 400));
    EXPECT_EQ(host.generalPoint, (Poi{500, 400}));
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(system.components[0].labelPos));
    EXPECT_TRUE(asker.calls.empty());
    EXPECT_EQ(window.state, WindowState::idle);
}

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

TEST_F(ReactionEditTest, ReactionModesAreRadioItems) {
    const std::tuple<const char*, bool, bool> modes[] = {
        {"Backward", false, true}, {"Reversible", true, true}, {"Inactive", false, false}};
    for (const auto& [mode, active, activeBack] : modes) {
        trigger({224, 112}, mode);
        EXPECT_EQ(std::pair(reaction().active, reaction().activeBack),
                  std::pair(active, activeBack));
        const auto menu = menuAt({224, 112});
        EXPECT_TRUE(item(*menu, mode)->isChecked() && !item(*menu, "Forward")->isChecked());
    }
    EXPECT_EQ(undo.labels, Labels(3, "Change reaction mode"));
}

TEST_F(ReactionEditTest, ParameterItemsActOnTheirValue) {
    const Vcomponent& a = system.components[0];
    trigger(a.labelPos, "Constant Concentration Mode");
    EXPECT_TRUE(item(*menuAt(a.labelPos), "Constant Concentration Mode")->isChecked());
    trigger(a.labelPos, "Animate Initial Concentration");
    EXPECT_EQ(animation.animatedParameter(), &a.initialConcentration);
    EXPECT_EQ(host.animationChoices, 1);
    trigger(a.labelPos, "Animation...");
    EXPECT_EQ(host.animationWindows, 1);
    // Each rate constant of a reversible reaction has its own items.
    trigger({224, 112}, "Reversible");
    trigger(reaction().labelPosBack, "Reaction Switches...");
    trigger(reaction().labelPos, "Reaction Switches...");
    EXPECT_EQ(host.switches, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}}));
    trigger(reaction().labelPosBack, "Animate Rate Constant");
    EXPECT_TRUE(reaction().animateBack && !reaction().animate);
    EXPECT_FALSE(item(*menuAt(reaction().labelPos), "Animate Rate Constant")->isChecked());
    EXPECT_EQ(undo.labels, (Labels{"Toggle constant concentration", "Switch parameter animation",
                                   "Change reaction mode", "Switch parameter animation"}));
}

// The drawing as a picture of its objects with a margin: by the file type, or
// on the clipboard; a file that cannot be written is reported.
TEST_F(ReactionEditTest, DrawingItemsWriteThePicture) {
    RecordingMessageSink messages;
    const QRect area = drawingPictureArea(system);
    EXPECT_TRUE(area.contains(QRect(100, 100, 240, 240)));
    QString name;
    window.chooseDrawingFile = [&] { return name; };
    for (const char* type : {"png", "svg", "pdf"}) {
        name = QString::fromStdString(dir.file(std::string("drawing.") + type));
        trigger({500, 400}, "Save Drawing...");
        const std::string bytes = readFileBytes(name.toStdString());
        ASSERT_FALSE(bytes.empty()) << type;
        if (type == std::string("png")) {
            EXPECT_EQ(QImage(name).size(), area.size());
        } else if (type == std::string("svg")) {
            EXPECT_NE(bytes.find("<path"), std::string::npos);
        } else {
            EXPECT_EQ(bytes.substr(0, 4), "%PDF");
        }
    }
    trigger({500, 400}, "Copy Drawing");
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), area.size());
    EXPECT_TRUE(messages.messages.empty());
    name = QString::fromStdString(dir.file("missing/drawing.svg"));
    trigger({500, 400}, "Save Drawing...");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Failed to save drawing: " + name.toStdString());
}
