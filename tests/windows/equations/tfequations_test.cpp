#include "windows/equations/tfequations.h"

#include "model/equationsdocument.h"
#include "session/preferences.h"
#include "session/undorecorder.h"
#include "support/reactorfixture.h"
#include "support/tempdir.h"
#include "windows/common/cp1252.h"
#include "windows/equations/equationslook.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct RecordedUndo : UndoRecorder {
    void pushUndo(const std::string& label, bool merge) override {
        levels.emplace_back(label, merge);
    }
    std::vector<std::pair<std::string, bool>> levels;
};

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
    std::vector<std::string> scheme() const {
        std::vector<std::string> result;
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
    RecordedUndo undo;
    TFequations window;
};

TEST_F(TFequationsTest, ToolWindowThatRebuildsOnlyWhileVisible) {
    EXPECT_EQ(window.windowTitle(), "Equations");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(window.minimumSize(), QSize(100, 100));

    window.scroll.position = 30;
    window.rebuild(true);
    EXPECT_TRUE(window.image().isNull());
    EXPECT_EQ(window.scroll.position, 30);
    window.show();
    window.resize(360, 120);
    window.rebuild(false);
    EXPECT_EQ(window.image().size(), QSize(360, 120));
    EXPECT_EQ(window.scroll.position, 30);
    window.rebuild(true);
    EXPECT_EQ(window.scroll.position, 0);
}

TEST_F(TFequationsTest, PaintsInTheStyleOfThePreferences) {
    window.show();
    struct Case {
        int style, scheme;
        QColor corner;
    };
    const Case cases[] = {
        {Preferences::equationsClean, 0, paperColour},
        {Preferences::equationsNotebook, 0, notebookBackground},
        {Preferences::equationsSystem, Preferences::systemMystery, QColor(16, 32, 54)},
    };
    for (const Case& c : cases) {
        preferences.equationsStyle = c.style;
        preferences.colorSchemeSystem = c.scheme;
        window.rebuild(true);
        EXPECT_EQ(window.image().pixelColor(2, 2), c.corner) << c.style;
    }
    // 4 components, 2 reactions: 22 lines with the scheme, 17 without.
    preferences.equationsStyle = Preferences::equationsClean;
    window.rebuild(true);
    EXPECT_EQ(window.scroll.documentHeight, 24 * 14);
    preferences.equationsLargeFont = true;
    preferences.displayReactionScheme = false;
    window.rebuild(true);
    EXPECT_EQ(window.scroll.documentHeight, 19 * 24);
}

TEST_F(TFequationsTest, SortArrowsExchangeReactions) {
    window.show();
    window.rebuild(true);
    ASSERT_TRUE(window.arrows.reactionUp.empty());
    click(QPoint(17, 23)); // where the first reaction's down arrow would be
    EXPECT_EQ(scheme(), (std::vector<std::string>{"A>B", "B>C"}));

    window.sortMode = true;
    window.rebuild(false);
    ASSERT_EQ(window.arrows.reactionUp.count(), 2);
    click(window.arrows.reactionUp[0].center());   // the first cannot move up
    click(window.arrows.reactionDown[1].center()); // nor the last down
    EXPECT_TRUE(undo.levels.empty());
    EXPECT_TRUE(log.events.empty());

    click(window.arrows.reactionDown[0].center());
    EXPECT_EQ(scheme(), (std::vector<std::string>{"B>C", "A>B"}));
    EXPECT_TRUE(reactor.reactions[1].activeBack);
    click(window.arrows.reactionUp[1].center());
    EXPECT_EQ(scheme(), (std::vector<std::string>{"A>B", "B>C"}));
    const std::pair<std::string, bool> level{"Sort reactions", true};
    EXPECT_EQ(undo.levels, (std::vector<std::pair<std::string, bool>>{level, level}));
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged, systemChanged}));
}

TEST_F(TFequationsTest, ReactionLinesSkipInactiveReactions) {
    // An inactive reaction between the two has no line: the arrows exchange
    // the reactions that the neighbouring lines show.
    const int r = reaction({300, 300});
    reactor.setMode(r, 3);
    reactor.exchangeReactions(1, 2);
    window.sortMode = true;
    window.show();
    window.rebuild(true);
    ASSERT_EQ(window.arrows.reactionOfLine.count(), 2);
    EXPECT_EQ(window.arrows.reactionOfLine[1], 2);
    click(window.arrows.reactionUp[1].center());
    EXPECT_EQ(scheme(), (std::vector<std::string>{"B>C", "", "A>B"}));
    EXPECT_FALSE(reactor.reactions[1].active);
}

TEST_F(TFequationsTest, SortArrowsExchangeComponentsKeepingTheReactions) {
    window.sortMode = true;
    preferences.displayReactionScheme = false;
    window.show();
    window.rebuild(true);
    ASSERT_TRUE(window.arrows.reactionUp.empty());
    ASSERT_EQ(window.arrows.componentUp.count(), 4);
    click(window.arrows.componentDown[0].center());
    EXPECT_EQ(reactor.uniqueComponent(0).name, "B");
    EXPECT_EQ(reactor.uniqueComponent(1).name, "A");
    EXPECT_EQ(scheme(), (std::vector<std::string>{"A>B", "B>C"}));
    click(window.arrows.componentUp[3].center());
    EXPECT_EQ(reactor.uniqueComponent(2).name, "D");
    EXPECT_EQ(reactor.uniqueComponent(3).name, "C");
    EXPECT_EQ(scheme(), (std::vector<std::string>{"A>B", "B>C"}));
    const std::pair<std::string, bool> level{"Sort components", true};
    EXPECT_EQ(undo.levels, (std::vector<std::pair<std::string, bool>>{level, level}));
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged, systemChanged}));
}

TEST_F(TFequationsTest, DraggingTheScrollBar) {
    window.show();
    window.resize(360, 132); // a bar of 100 pixels from y 16
    window.rebuild(true);
    const int document = 24 * 14, page = 132;
    ASSERT_EQ(window.scroll.documentHeight, document);
    ASSERT_EQ(window.scroll.bar, QRect(QPoint(342, 16), QPoint(351, 115)));

    auto send = [&](QEvent::Type type, int y, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(346, y), QPointF(346, y),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    };
    send(QEvent::MouseButtonPress, 66, Qt::LeftButton); // the middle of the bar
    EXPECT_TRUE(window.scroll.dragging);
    EXPECT_EQ(window.scroll.position, 50 * document / 100 - page / 2);
    send(QEvent::MouseMove, 16, Qt::LeftButton);
    EXPECT_EQ(window.scroll.position, 0);
    send(QEvent::MouseMove, 110, Qt::LeftButton);
    EXPECT_EQ(window.scroll.position, document - page);
    send(QEvent::MouseMove, 40, Qt::NoButton); // the button is no longer held
    EXPECT_EQ(window.scroll.position, document - page);
    send(QEvent::MouseButtonRelease, 40, Qt::NoButton);
    EXPECT_FALSE(window.scroll.dragging);
    send(QEvent::MouseMove, 40, Qt::LeftButton);
    EXPECT_EQ(window.scroll.position, document - page);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(TFequationsTest, CopyEquationsPutsReadableTextOnTheClipboard) {
    reactor.reactions[0].animate = true;
    QMenu* menu = window.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().count(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Copy Equations");
    QApplication::clipboard()->clear();
    menu->actions()[0]->trigger();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("\n1.        2A <-> B\n\n2.        B -> C\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nd[A]/dt = -2k1[A]^2 + 2k-1[B]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("\nk1 = 1 ± animation        k-1 = 1\n")))
        << text.toStdString();
    EXPECT_EQ(toCp1252(text), readableEquations(generateEquations(reactor, {true, true})));
}

} // namespace
