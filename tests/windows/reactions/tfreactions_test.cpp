#include "reactionwindowfixture.h"

#include <QScrollBar>

namespace {

using Labels = std::vector<std::string>;

} // namespace

TEST_F(ReactionWindowTest, BuildsAReversibleChainWithTheMouseAlone) {
    doubleClick({112, 112});
    doubleClick({336, 112});
    doubleClick({560, 112});
    ASSERT_EQ(system.components.count(), 3);
    EXPECT_EQ(system.components[2].pos, (Poi{560, 112}));

    drag({128, 112}, {{200, 112}, {336, 112}}); // from A's ring onto B
    drag({352, 112}, {{400, 120}, {556, 116}}); // from B's ring onto C
    ASSERT_EQ(system.reactions.count(), 2);

    auto menu = menuAt(system.reactions[0].pos);
    item(*menu, QStringLiteral("Reversible"))->trigger();

    EXPECT_EQ(undo.labels,
              (Labels{"New component", "New component", "New component", "New 1-1 reaction",
                      "New 1-1 reaction", "Change reaction mode"}));
    EXPECT_EQ(undo.merged, 0);
    const Vreaction& ab = system.reactions[0];
    EXPECT_TRUE(ab.active && ab.activeBack);
    EXPECT_EQ(ab.reactants[0].index, 0);
    EXPECT_EQ(ab.reactants[1].index, 1);
    const Vreaction& bc = system.reactions[1];
    EXPECT_EQ(bc.reactants[0].index, 1);
    EXPECT_EQ(bc.reactants[1].index, 2);
    EXPECT_EQ(bc.reactants[1].port, 1);
}

TEST_F(ReactionWindowTest, DoubleClickAddsOnlyOverEmptySpace) {
    doubleClick({112, 112});
    doubleClick({112, 112}); // on the component: only its first click counts
    EXPECT_TRUE(system.components[0].selected);
    doubleClick({336, 224}, Qt::ControlModifier);
    EXPECT_FALSE(system.components[0].selected);
    EXPECT_EQ(system.components.count(), 1);
    ASSERT_EQ(system.reactions.count(), 1);
    EXPECT_EQ(system.reactions[0].pos, (Poi{336, 224}));
    EXPECT_EQ(undo.labels, (Labels{"New component", "New reaction"}));
    EXPECT_EQ(window.state, WindowState::idle);
}

TEST_F(ReactionWindowTest, HoverSetsCursorAndTitle) {
    const QString base = QStringLiteral("Reaction System - ");
    hover({300, 300});
    EXPECT_EQ(window.state, WindowState::overNothing);
    EXPECT_EQ(window.windowTitle(),
              base + "add component (double-click) or use local menu (right-click)");
    EXPECT_EQ(view()->cursor().shape(), Qt::ArrowCursor);

    doubleClick({112, 112});
    hover({112, 112});
    EXPECT_EQ(window.state, WindowState::overObject);
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.windowTitle(),
              base + "select component (left-click) or use local menu (right-click)");
    hover({129, 112});
    EXPECT_EQ(window.state, WindowState::overConnector);
    EXPECT_EQ(view()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.windowTitle(), base + "nothing to connect");
    hover(system.components[0].namePos);
    EXPECT_EQ(window.state, WindowState::overValue);
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);

    preferences.displayPositionSensitiveInfo = false;
    broadcast(preferencesChanged);
    hover({300, 300});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Reaction System"));
}

TEST_F(ReactionWindowTest, ConnectionsDropOnComponentsAndReactionHalves) {
    doubleClick({112, 224});
    doubleClick({560, 392});
    doubleClick({336, 224}, Qt::ControlModifier);
    const Poi ring{96, 224}; // left of A: its labels are above and below
    undo.labels.clear();

    drag(ring, {{200, 230}, {326, 226}}); // left half
    drag(ring, {{200, 230}, {346, 222}}); // right half
    drag(ring, {{200, 230}, {330, 224}}); // left half again: refused
    drag(ring, {{200, 230}, {300, 400}}); // nothing there
    drag(ring, {{130, 230}, {112, 224}}); // back onto itself
    EXPECT_EQ(undo.labels, (Labels{"Connect to reaction", "Connect to reaction"}));
    const Vreaction& r = system.reactions[0];
    ASSERT_EQ(r.reactants.count(), 2);
    EXPECT_EQ(r.reactants[0].port, -1);
    EXPECT_EQ(r.reactants[1].port, 1);
    EXPECT_EQ(r.reactants[1].order, 1);
    EXPECT_EQ(system.reactions.count(), 1);
    EXPECT_EQ(system.connectSource, -1);
    EXPECT_EQ(window.state, WindowState::idle);

    drag(ring, {{300, 230}, {566, 400}}); // onto the other component
    EXPECT_EQ(undo.labels.back(), "New 1-1 reaction");
    EXPECT_EQ(system.reactions.count(), 2);
}

TEST_F(ReactionWindowTest, WhileConnectingTheDestinationsAreMarkedAndTheRubberLineShown) {
    doubleClick({112, 224});
    doubleClick({560, 224});
    hover({96, 224});
    QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(96, 224));
    QTest::mouseMove(view(), QPoint(200, 230));
    EXPECT_EQ(window.state, WindowState::connecting);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Reaction System - connecting objects"));
    EXPECT_TRUE(system.components[1].destination);
    EXPECT_FALSE(system.components[0].destination);
    QTest::mouseMove(view(), QPoint(300, 224));
    const QImage shown = view()->grab().toImage();
    // The line inverts the black ground; the surface itself stays clean.
    EXPECT_EQ(shown.pixelColor(250, 224), QColor(Qt::white));
    EXPECT_EQ(window.surface().pixelColor(250, 224), QColor(Qt::black));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(300, 224));
    EXPECT_FALSE(system.components[1].destination);
}

TEST_F(ReactionWindowTest, RegionSelectionInEitherDirection) {
    doubleClick({112, 112});
    doubleClick({224, 224});
    doubleClick({448, 336});
    doubleClick({280, 280}, Qt::ControlModifier);
    const std::pair<Poi, Poi> drags[] = {
        {{90, 90}, {300, 300}}, {{300, 300}, {90, 90}}, {{90, 300}, {300, 90}}};
    for (const auto& [from, to] : drags) {
        system.deselectAll();
        drag(from, {{from.x + 3, from.y + 3}, to});
        EXPECT_EQ(window.state, WindowState::overObject);
        EXPECT_TRUE(system.components[0].selected);
        EXPECT_TRUE(system.components[1].selected);
        EXPECT_FALSE(system.components[2].selected);
        EXPECT_TRUE(system.reactions[0].selected);
        EXPECT_EQ(system.regionStart, Poi{});
    }
    EXPECT_EQ(undo.labels.size(), 4u);
}

TEST_F(ReactionWindowTest, MovesSnapToTheGridAndStayOnThePlane) {
    doubleClick({112, 112});
    doubleClick({336, 112});
    undo.labels.clear();

    drag({112, 112}, {{115, 114}, {140, 130}});
    EXPECT_EQ(system.components[0].pos, (Poi{168, 112}));
    EXPECT_TRUE(system.nothingSelected());
    EXPECT_EQ(undo.labels, (Labels{"Move"}));
    EXPECT_EQ(window.state, WindowState::idle);

    // Left of the plane: no step happens at all.
    system.useGrid = false;
    drag({168, 112}, {{160, 112}, {-1, 112}});
    EXPECT_EQ(system.components[0].pos, (Poi{168, 112}));
    // Without the grid the position follows the mouse.
    drag({168, 112}, {{170, 112}, {181, 125}});
    EXPECT_EQ(system.components[0].pos, (Poi{181, 125}));
    // Only the dragged object (with the selection) moves.
    EXPECT_EQ(system.components[1].pos, (Poi{336, 112}));
}

TEST_F(ReactionWindowTest, DraggingTheSelectionMovesEveryPart) {
    doubleClick({112, 112});
    doubleClick({336, 112});
    click({336, 112}); // selects B
    EXPECT_TRUE(system.components[1].selected);
    system.useGrid = false;
    drag({112, 112}, {{113, 112}, {122, 122}});
    EXPECT_EQ(system.components[0].pos, (Poi{122, 122}));
    EXPECT_EQ(system.components[1].pos, (Poi{346, 122}));
}

TEST_F(ReactionWindowTest, ClicksToggleAndClearTheSelection) {
    doubleClick({112, 112});
    doubleClick({336, 224}, Qt::ControlModifier);
    click({112, 112});
    click(system.reactions[0].pos);
    EXPECT_TRUE(system.components[0].selected);
    EXPECT_TRUE(system.reactions[0].selected);
    click({112, 112});
    EXPECT_FALSE(system.components[0].selected);
    click({500, 400});
    EXPECT_TRUE(system.nothingSelected());
}

TEST_F(ReactionWindowTest, TheSurfaceCoversTheDrawingAndScrolls) {
    EXPECT_EQ(window.surface().size(), view()->size() + QSize(20, 20));
    EXPECT_FALSE(window.horizontalScrollBar()->isVisible());
    system.useGrid = false;
    system.addComponent({1500, 200});
    broadcast(sessionReplaced);
    QCoreApplication::processEvents(); // the scroll bars are shown on a queued signal
    const int right = system.extent().maximum().x + 5;
    EXPECT_EQ(window.surface().width(), right + 20);
    EXPECT_TRUE(window.horizontalScrollBar()->isVisible());
    EXPECT_EQ(window.horizontalScrollBar()->maximum(), right - view()->width());

    window.horizontalScrollBar()->setValue(right);
    const int scrolled = window.horizontalScrollBar()->value();
    EXPECT_EQ(window.drawingPoint(QPoint(1500 - scrolled, 200)), (Poi{1500, 200}));
    hover({1500 - scrolled, 200}); // a point of the viewport
    EXPECT_EQ(window.state, WindowState::overObject);
    EXPECT_EQ(window.target.index, 0);
}

TEST_F(ReactionWindowTest, DeleteKeyRunsTheMainWindowCommand) {
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(host.deletes, 1);
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(host.deletes, 1);
}
