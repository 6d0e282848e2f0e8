#include "reactionwindowfixture.h"

#include <QTimer>

namespace {

using Labels = std::vector<std::string>;

// A at (112, 112) and B at (336, 112), joined by an aligned forward
// reaction centred at (224, 112); C at (112, 336) and a shortcut of A.
class MenuTest : public ReactionWindowTest {
protected:
    MenuTest() {
        doubleClick({112, 112});
        doubleClick({336, 112});
        doubleClick({112, 336});
        drag({128, 112}, {{200, 112}, {336, 112}});
        system.createShortcut(0);
        undo.labels.clear();
    }
    const Vreaction& reaction() const { return system.reactions[0]; }
    // A point of entry j's branch just outside its component's ring.
    Poi branchPoint(int j) const {
        const PoiList& branch = reaction().branches[j];
        return branch[std::max(0, branch.last() - 15)];
    }
};

} // namespace

TEST_F(MenuTest, EachPlaceHasItsMenu) {
    struct Case {
        const char* what;
        Poi p;
        QStringList items;
    };
    const Case cases[] = {
        {"empty space", {500, 400}, {"New Component"}},
        {"component", {112, 112}, {"Create Shortcut", "Delete"}},
        {"shortcut", {142, 142}, {"Delete Shortcut"}},
        {"reaction",
         {224, 112},
         {"Forward", "Backward", "Reversible", "Inactive", "Arrow Geometry", "Delete"}},
        {"concentration",
         system.components[0].labelPos,
         {"Constant Concentration Mode", "Animate Initial Concentration", "Animation..."}},
        {"rate constant",
         reaction().labelPos,
         {"Reaction Switches...", "Animate Rate Constant", "Animation..."}},
        {"branch", branchPoint(1), {"Swap Reaction Side", "Delete From Reaction"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(captions(*menuAt(c.p)), c.items) << c.what;

    QStringList letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters << QString(QChar(letter));
    EXPECT_EQ(captions(*menuAt(system.components[0].namePos)), letters);
}

TEST_F(MenuTest, GeneralMenuPlacesAtThePressPoint) {
    hover({500, 400});
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    QTest::mousePress(view(), Qt::RightButton, {}, QPoint(500, 400));
    QTest::mouseRelease(view(), Qt::RightButton, {}, QPoint(500, 400));
    EXPECT_EQ(host.generalPoint, (Poi{500, 400}));
    EXPECT_EQ(window.state, WindowState::menuShown);

    // The press that closed the menu does nothing else.
    QTest::mousePress(view(), Qt::LeftButton, {}, at(system.components[0].labelPos));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, at(system.components[0].labelPos));
    EXPECT_TRUE(asker.calls.empty());
    EXPECT_EQ(window.state, WindowState::idle);
}

TEST_F(MenuTest, ComponentAndShortcutItems) {
    item(*menuAt({112, 112}), QStringLiteral("Create Shortcut"))->trigger();
    EXPECT_EQ(system.components.count(), 5);
    EXPECT_TRUE(system.components[4].shortcut);
    item(*menuAt({142, 142}), QStringLiteral("Delete Shortcut"))->trigger();
    EXPECT_EQ(system.components.count(), 4);
    item(*menuAt({112, 336}), QStringLiteral("Delete"))->trigger();
    EXPECT_EQ(system.components.count(), 3);
    EXPECT_EQ(undo.labels, (Labels{"Create component shortcut", "Delete component shortcut",
                                   "Delete component"}));
}

TEST_F(MenuTest, ReactionModesAreRadioItems) {
    auto menu = menuAt({224, 112});
    for (const char* mode : {"Forward", "Backward", "Reversible", "Inactive"})
        EXPECT_EQ(item(*menu, QString::fromLatin1(mode))->isChecked(),
                  std::string(mode) == "Forward")
            << mode;
    const struct {
        const char* mode;
        bool active, activeBack;
    } cases[] = {{"Backward", false, true},
                 {"Reversible", true, true},
                 {"Inactive", false, false},
                 {"Forward", true, false}};
    for (const auto& c : cases) {
        item(*menuAt({224, 112}), QString::fromLatin1(c.mode))->trigger();
        EXPECT_EQ(reaction().active, c.active) << c.mode;
        EXPECT_EQ(reaction().activeBack, c.activeBack) << c.mode;
        EXPECT_TRUE(item(*menuAt({224, 112}), QString::fromLatin1(c.mode))->isChecked());
    }
    EXPECT_EQ(undo.labels, Labels(4, "Change reaction mode"));
    item(*menuAt({224, 112}), QStringLiteral("Delete"))->trigger();
    EXPECT_EQ(system.reactions.count(), 0);
    EXPECT_EQ(undo.labels.back(), "Delete reaction");
}

TEST_F(MenuTest, ArrowGeometrySubmenu) {
    // A second product, so that there are two pairs to align to.
    drag({96, 336}, {{200, 200}, {234, 112}});
    ASSERT_EQ(reaction().reactants.count(), 3);
    undo.labels.clear();

    auto menu = menuAt({224, 112});
    QMenu* geometry = item(*menu, QStringLiteral("Arrow Geometry"))->menu();
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(captions(*geometry), (QStringList{"Adaptive", "Movable Center, Adaptive Orientation",
                                                "Movable Center, Horizontal Orientation", "-",
                                                "Align To A - B", "Align To A - C"}));
    EXPECT_TRUE(item(*geometry, QStringLiteral("Align To A - B"))->isChecked());
    EXPECT_FALSE(item(*geometry, QStringLiteral("Adaptive"))->isChecked());

    item(*geometry, QStringLiteral("Align To A - C"))->trigger();
    EXPECT_EQ(reaction().geometry, Vreaction::aligned);
    EXPECT_TRUE(reaction().reactants[0].align);
    EXPECT_FALSE(reaction().reactants[1].align);
    EXPECT_TRUE(reaction().reactants[2].align);

    menu = menuAt(reaction().pos);
    item(*menu, QStringLiteral("Movable Center, Adaptive Orientation"))->trigger();
    EXPECT_EQ(reaction().geometry, Vreaction::movableAdaptive);
    menu = menuAt(reaction().pos);
    EXPECT_TRUE(item(*menu, QStringLiteral("Movable Center, Adaptive Orientation"))->isChecked());
    EXPECT_FALSE(item(*menu, QStringLiteral("Align To A - C"))->isChecked());
    EXPECT_EQ(undo.labels, Labels(2, "Change arrow geometry"));
}

TEST_F(MenuTest, NamesMenuRenamesWithTheChecks) {
    auto menu = menuAt(system.components[0].namePos);
    item(*menu, QStringLiteral("B"))->trigger(); // taken
    item(*menu, QStringLiteral("A"))->trigger(); // its own name
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{
                  "A component named 'B' already exists. Please choose a different name!"}));
    EXPECT_TRUE(undo.labels.empty());
    item(*menu, QStringLiteral("Q"))->trigger();
    EXPECT_EQ(system.components[0].name, "Q");
    EXPECT_EQ(system.components[3].name, "Q"); // the shortcut follows
    EXPECT_EQ(undo.labels, (Labels{"Rename component"}));
}

TEST_F(MenuTest, ConcentrationItems) {
    const Poi label = system.components[0].labelPos;
    auto menu = menuAt(label);
    EXPECT_FALSE(item(*menu, QStringLiteral("Constant Concentration Mode"))->isChecked());
    item(*menu, QStringLiteral("Constant Concentration Mode"))->trigger();
    EXPECT_TRUE(system.components[0].constant);
    menu = menuAt(system.components[0].labelPos);
    EXPECT_TRUE(item(*menu, QStringLiteral("Constant Concentration Mode"))->isChecked());

    item(*menu, QStringLiteral("Animate Initial Concentration"))->trigger();
    EXPECT_TRUE(system.components[0].animate);
    EXPECT_EQ(animation.animatedParameter(), &system.components[0].initialConcentration);
    EXPECT_EQ(host.animationChoices, 1);
    menu = menuAt(system.components[0].labelPos);
    EXPECT_TRUE(item(*menu, QStringLiteral("Animate Initial Concentration"))->isChecked());
    item(*menu, QStringLiteral("Animation..."))->trigger();
    EXPECT_EQ(host.animationWindows, 1);
    EXPECT_EQ(undo.labels, (Labels{"Toggle constant concentration", "Switch parameter animation"}));
}

TEST_F(MenuTest, RateConstantItemsActOnTheirDirection) {
    item(*menuAt({224, 112}), QStringLiteral("Reversible"))->trigger();
    undo.labels.clear();
    const int drawings = log.count(drawingChanged);

    item(*menuAt(reaction().labelPosBack), QStringLiteral("Reaction Switches..."))->trigger();
    item(*menuAt(reaction().labelPos), QStringLiteral("Reaction Switches..."))->trigger();
    EXPECT_EQ(host.switches, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}}));
    EXPECT_EQ(log.count(drawingChanged), drawings + 2);

    item(*menuAt(reaction().labelPosBack), QStringLiteral("Animate Rate Constant"))->trigger();
    EXPECT_TRUE(reaction().animateBack);
    EXPECT_FALSE(reaction().animate);
    EXPECT_TRUE(item(*menuAt(reaction().labelPosBack), QStringLiteral("Animate Rate Constant"))
                    ->isChecked());
    EXPECT_FALSE(
        item(*menuAt(reaction().labelPos), QStringLiteral("Animate Rate Constant"))->isChecked());
    item(*menuAt(reaction().labelPosBack), QStringLiteral("Animate Rate Constant"))->trigger();
    EXPECT_FALSE(reaction().animateBack);
    EXPECT_EQ(undo.labels, Labels(2, "Switch parameter animation"));
}

TEST_F(MenuTest, EntryItems) {
    item(*menuAt(branchPoint(1)), QStringLiteral("Swap Reaction Side"))->trigger();
    EXPECT_EQ(reaction().reactants[1].port, -1);
    item(*menuAt(branchPoint(0)), QStringLiteral("Delete From Reaction"))->trigger();
    ASSERT_EQ(reaction().reactants.count(), 1);
    EXPECT_EQ(reaction().reactants[0].index, 1);
    EXPECT_EQ(undo.labels, (Labels{"Swap reaction side", "Delete reaction reactant"}));
}
