#pragma once

#include "app/tfmain.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The main window on a program in a fresh folder, with helpers that run its
// menus as the user would.

// The item of that caption in the menu or its submenus.
inline QAction* item(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) return action;
        if (action->menu())
            if (QAction* inner = item(action->menu(), caption)) return inner;
    }
    return nullptr;
}

inline QStringList captions(QMenu* menu) {
    QStringList list;
    for (QAction* action : menu->actions())
        list << action->text();
    return list;
}

class TFmainTest : public ::testing::Test {
protected:
    ~TFmainTest() override {
        window.reset();
        program.reset();
    }

    void start() {
        window = std::make_unique<TFmain>(*program);
        window->resize(1000, 700);
        window->show();
        window->firstTick();
    }

    // Opens the menu's enabling and runs the item as a click would.
    void choose(QMenu* menu, const QString& caption) {
        emit menu->aboutToShow();
        QAction* action = item(menu, caption);
        ASSERT_TRUE(action) << caption.toStdString();
        if (QMenu* parent = qobject_cast<QMenu*>(action->parent())) emit parent->aboutToShow();
        ASSERT_TRUE(action->isEnabled()) << caption.toStdString();
        action->trigger();
    }

    std::string lastLabel() const { return program->history.label(program->history.current()); }

    // Two components, A (selected) and B, and a selected reaction A -> B
    // with a switch, recorded as the first level of a new session.
    void buildSystem() {
        Vreactor& v = program->vReactor;
        const int a = addComponent(v, "A", 1);
        const int b = addComponent(v, "B", 0);
        Vreaction& r = addReaction(v, {{a, 1, -1}, {b, 1, +1}}, 2);
        r.selected = true;
        addSwitches(r.switches, {1});
        v.components[a].selected = true;
        broadcast(systemChanged);
        program->history.clear();
        program->pushUndo("[New session]", false);
    }

    TempDir dir;
    RecordingMessageSink messages;
    std::unique_ptr<Program> program = std::make_unique<Program>(dir.path());
    std::unique_ptr<TFmain> window;
};
