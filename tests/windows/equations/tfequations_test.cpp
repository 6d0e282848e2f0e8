#include "windows/equations/tfequations.h"

#include "model/equationsdocument.h"
#include "session/preferences.h"
#include "support/reactorfixture.h"
#include "support/recordingundo.h"
#include "support/tempdir.h"
#include "windows/common/cp1252.h"
#include "windows/equations/equationslook.h"
#include "windows/windowtest.h"

#include <QClipboard>

#include <functional>

namespace {

// A ⇌ B -> C with 2A, and a component D in no reaction.
class TFequationsTest : public ReactorFixture {
protected:
    TFequationsTest() : preferences(folder.path()), window(reactor, preferences, undo) {
        const int a = component({56, 56}), b = component({168, 56}), c = component({280, 56});
        component({392, 56});
        const int r1 = reaction({112, 56}), r2 = reaction({224, 56});
        connect(a, r1, -1, 2);
        connect(b, r1, 1);
        reactor.setMode(r1, 2);
        connect(b, r2, -1);
        connect(c, r2, 1);
        log.events.clear();
        preferences.equationsStyle = Preferences::equationsClean;
        window.resize(360, 500);
    }

    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, p); }

    // Each reaction as its component names on the left and on the right.
    Labels scheme() const {
        Labels result;
        for (const Vreaction& r : reactor.reactions) {
            std::string text;
            for (const Reactant& e : r.reactants)
                text += (e.port < 0 ? "" : ">") + reactor.components[e.index].name;
            result.push_back(text);
        }
        return result;
    }

    TempDir folder;
    Preferences preferences;
    RecordingUndo undo;
    TFequations window;
};

TEST_F(TFequationsTest, SortArrowsExchangeReactionsAndComponents) {
    window.show();
    window.rebuild(true);
    click(QPoint(17, 23)); // where the first reaction's down arrow would be
    window.sortMode = true;
    window.rebuild(false);
    ASSERT_EQ(window.arrows.reactionUp.count(), 2);
    click(window.arrows.reactionUp[0].center());   // the first cannot move up
    click(window.arrows.reactionDown[1].center()); // nor the last down
    EXPECT_TRUE(undo.labels.empty() && log.events.empty());
    click(window.arrows.reactionDown[0].center());
    EXPECT_EQ(scheme(), (Labels{"B>C", "A>B"}));
    EXPECT_TRUE(reactor.reactions[1].activeBack);

    preferences.displayReactionScheme = false;
    window.rebuild(true);
    ASSERT_EQ(window.arrows.componentUp.count(), 4);
    click(window.arrows.componentDown[0].center());
    click(window.arrows.componentUp[3].center());
    std::string order;
    for (int i = 0; i < 4; ++i)
        order += reactor.uniqueComponent(i).name;
    EXPECT_EQ(order, "BADC");
    EXPECT_EQ(scheme(), (Labels{"B>C", "A>B"})) << "the reactions keep their components";
    EXPECT_EQ(undo.labels, (Labels{"Sort reactions", "Sort components", "Sort components"}));
    EXPECT_EQ(undo.merged, 3);
    EXPECT_EQ(log.events, std::vector<int>(3, systemChanged));
}

TEST_F(TFequationsTest, ReactionLinesSkipInactiveReactions) {
    // An inactive reaction between the two has no line: the arrows exchange
    // the reactions that the neighbouring lines show.
    reactor.setMode(reaction({300, 300}), 3);
    reactor.exchangeReactions(1, 2);
    window.sortMode = true;
    window.show();
    window.rebuild(true);
    ASSERT_EQ(window.arrows.reactionOfLine.count(), 2);
    click(window.arrows.reactionUp[1].center());
    EXPECT_EQ(scheme(), (Labels{"B>C", "", "A>B"}));
}

TEST_F(TFequationsTest, DraggingTheScrollBar) {
    window.show();
    window.resize(360, 132); // a bar of 100 pixels from y 16
    window.rebuild(true);
    const int document = 24 * 14, page = 132;
    ASSERT_EQ(window.scroll.documentHeight, document);
    ASSERT_EQ(window.scroll.bar, QRect(QPoint(342, 16), QPoint(351, 115)));

    // Event, y, buttons held, then the position: the pointer stands for the
    // middle of the page; moves count only while the button is held.
    const std::tuple<QEvent::Type, int, Qt::MouseButtons, int> steps[] = {
        {QEvent::MouseButtonPress, 66, Qt::LeftButton, 50 * document / 100 - page / 2},
        {QEvent::MouseMove, 16, Qt::LeftButton, 0},
        {QEvent::MouseMove, 110, Qt::LeftButton, document - page},
        {QEvent::MouseMove, 40, Qt::NoButton, document - page},
        {QEvent::MouseButtonRelease, 40, Qt::NoButton, document - page},
        {QEvent::MouseMove, 40, Qt::LeftButton, document - page}};
    for (const auto& [type, y, buttons, position] : steps) {
        QMouseEvent event(type, QPointF(346, y), QPointF(346, y),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
        EXPECT_EQ(window.scroll.position, position) << y;
    }
    EXPECT_FALSE(window.scroll.dragging);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(TFequationsTest, CopyEquationsPutsReadableTextOnTheClipboard) {
    reactor.reactions[0].animate = true;
    QMenu* menu = window.findChild<QMenu*>();
    ASSERT_TRUE(menu && menu->actions().count() == 1);
    menu->actions()[0]->trigger();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("\n1.        2A <-> B\n\n2.        B -> C\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("\nk1 = 1 ± animation        k-1 = 1\n")));
    EXPECT_EQ(toCp1252(text), readableEquations(generateEquations(reactor, {true, true})));
}

// The image is typeset again only when something it shows changed: the text,
// the look or the size.
TEST_F(TFequationsTest, ImageKeptWhileTextAndLookStayTheSame) {
    window.show();
    window.rebuild(true);
    double& k = reactor.reactions[0].rateConstant;
    const struct {
        const char* change;
        std::function<void()> apply;
        bool typesetAgain;
    } cases[] = {
        {"nothing", [] {}, false},
        {"a rate constant's shown digits", [&] { k = 1.5; }, true},
        {"the same value again", [&] { k = 1.5; }, false},
        {"a digit below the shown precision", [&] { k = 1.50001; }, false},
        {"the style", [&] { preferences.equationsStyle = Preferences::equationsNotebook; }, true},
        {"sort mode", [&] { window.sortMode = true; }, true},
        {"the size", [&] { window.resize(300, 500); }, true},
    };
    for (const auto& c : cases) {
        const qint64 before = window.image().cacheKey();
        c.apply();
        window.rebuild(false);
        EXPECT_EQ(window.image().cacheKey() != before, c.typesetAgain) << c.change;
    }
}

} // namespace
