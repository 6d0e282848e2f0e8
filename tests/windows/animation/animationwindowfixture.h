#pragma once

#include "session/program.h"
#include "support/manualtickclock.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/testsystem.h"
#include "windows/animation/animationwindoweventreceiver.h"
#include "windows/animation/tfanimation.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// The animation window on a program without other windows: A + 2B <-> C
// (k = 1, k back = 0.5) and C -> D (k = 3), A = 1, B = 2. The window's
// receiver is registered where the program puts it; the main window's place
// holds an event log.
class AnimationWindowTest : public ::testing::Test {
protected:
    struct Log : EventReceiver {
        void receive(int event) override { events.push_back(event); }
        std::vector<int> events;
    };

    AnimationWindowTest()
        : program(""), window(program.vReactor, program.animation, undo), receiver(window) {
        Vreactor& v = program.vReactor;
        addComponent(v, "A", 1);
        addComponent(v, "B", 2);
        addComponent(v, "C", 0);
        addComponent(v, "D", 0);
        addReaction(v, {{0, 1, -1}, {1, 2, -1}, {2, 1, 1}}, 1, true, 0.5, true);
        addReaction(v, {{2, 1, -1}, {3, 1, 1}}, 3);
        program.registerReceivers(nullptr, &receiver, &log);
        window.updateEquations = [this] { ++equationUpdates; };
        window.repaintSpeedBar = [this] { ++speedBarRepaints; };
        window.show();
        broadcast(sessionReplaced);
        log.events.clear();
    }

    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); }
    void plus(AnimationField f) { click(window.rects.fields[f].plus.center()); }
    void minus(AnimationField f) { click(window.rects.fields[f].minus.center()); }
    void play() { click(window.rects.play.center()); }
    // Chooses an entry of the list as the user does.
    void choose(int index) { window.CBpar->setCurrentIndex(index); }
    QStringList items() const {
        QStringList list;
        for (int i = 0; i < window.CBpar->count(); ++i)
            list << window.CBpar->itemText(i);
        return list;
    }
    Vreaction& reaction(int i) { return program.vReactor.reactions[i]; }
    Vcomponent& component(int i) { return program.vReactor.components[i]; }

    ManualTickClock clock;
    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    TFanimation window;
    AnimationWindowEventReceiver receiver;
    Log log;
    int equationUpdates = 0;
    int speedBarRepaints = 0;
};
