#pragma once

#include "foundation/eventreceiver.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/preferences.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/tempdir.h"
#include "windows/reactions/qttextmeasurer.h"
#include "windows/reactions/reactionwindoweventreceiver.h"
#include "windows/reactions/reactionwindowhost.h"
#include "windows/reactions/tfreactions.h"
#include "windows/windowtest.h"

#include <algorithm>

struct FakeHost : ReactionWindowHost {
    void fillGeneralMenu(QMenu& menu, Poi point) override {
        menu.addAction(QStringLiteral("New Component"));
        generalPoint = point;
    }
    void deleteObjects() override { ++deletes; }
    void showAnimationWindow() override { ++animationWindows; }
    void editReactionSwitches(int reaction, bool backward) override {
        switches.emplace_back(reaction, backward);
    }
    void animatedParameterChosen() override { ++animationChoices; }
    void rebuildEquations() override { ++equationRebuilds; }

    Poi generalPoint{-1, -1};
    int deletes = 0, animationWindows = 0, animationChoices = 0, equationRebuilds = 0;
    std::vector<std::pair<int, bool>> switches;
};

// The reaction system window wired as the program wires it, with fakes for
// the main window, the undo history and the value dialog. Points are in
// drawing coordinates, which equal the viewport's while nothing is scrolled.
class ReactionWindowTest : public ::testing::Test {
protected:
    ReactionWindowTest()
        : preferences(dir.path()), animation(system),
          window(system, preferences, animation, undo, host), receiver(window) {
        eventRegistry().clear();
        system.measurer.reset(&measurer);
        system.settings.reset(&preferences.modelSettings);
        registerReceiver(&system);
        registerReceiver(&receiver);
        registerReceiver(&animation);
        registerReceiver(&log);
        window.setValueAsker(asker);
        window.resize(700, 500);
        window.show();
        broadcast(sessionReplaced);
    }
    ~ReactionWindowTest() override {
        eventRegistry().clear();
        eventRegistry().notificationsEnabled = true;
    }

    QWidget* view() { return window.viewport(); }
    static QPoint at(Poi p) { return {p.x, p.y}; }

    // Moves with no button held, arriving at p from a pixel beside it (a
    // move to the point where the mouse already is does nothing).
    void hover(Poi p) {
        for (const QPoint point : {at(p) + QPoint(1, 1), at(p)}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(point), view()->mapToGlobal(QPointF(point)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view(), &move);
        }
    }
    void click(Poi p, Qt::MouseButton button = Qt::LeftButton) {
        hover(p);
        QTest::mouseClick(view(), button, {}, at(p));
    }
    void drag(Poi from, std::initializer_list<Poi> through) {
        hover(from);
        QTest::mousePress(view(), Qt::LeftButton, {}, at(from));
        for (Poi p : through)
            QTest::mouseMove(view(), at(p));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at(through.end()[-1]));
    }
    void doubleClick(Poi p, Qt::KeyboardModifiers modifiers = {}) {
        hover(p);
        QTest::mouseClick(view(), Qt::LeftButton, modifiers, at(p));
        QTest::mouseDClick(view(), Qt::LeftButton, modifiers, at(p));
        QTest::mouseRelease(view(), Qt::LeftButton, modifiers, at(p));
    }
    std::unique_ptr<QMenu> menuAt(Poi p) {
        hover(p);
        return std::unique_ptr<QMenu>(window.buildLocalMenu());
    }
    void trigger(Poi p, const QString& caption) { item(*menuAt(p), caption)->trigger(); }

    TempDir dir;
    RecordingMessageSink messages;
    QtTextMeasurer measurer;
    Preferences preferences;
    Vreactor system;
    Animation animation;
    RecordingUndo undo;
    FakeHost host;
    ScriptedAsker asker;
    EventLog log;
    TFreactions window;
    ReactionWindowEventReceiver receiver;

    // The item with this caption, searched in submenus too.
    static QAction* item(const QMenu& menu, const QString& caption, bool top = true) {
        for (QAction* action : menu.actions()) {
            if (action->text() == caption) return action;
            if (action->menu())
                if (QAction* inner = item(*action->menu(), caption, false)) return inner;
        }
        if (!top) return nullptr;
        ADD_FAILURE() << "no item " << caption.toStdString();
        static QAction* const none = new QAction;
        return none;
    }
};

// A at (112, 112) and B at (336, 112), joined by an aligned forward reaction
// centred at (224, 112); C at (112, 336) and a shortcut of A at (142, 142).
class ReactionEditTest : public ReactionWindowTest {
protected:
    ReactionEditTest() {
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
