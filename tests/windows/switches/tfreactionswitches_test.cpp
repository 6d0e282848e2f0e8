#include "windows/switches/tfreactionswitches.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The dialog on the forward switches of A <-> B in a program without other
// windows; simulation time 10.
class SwitchesDialogTest : public ::testing::Test {
protected:
    struct Log : EventReceiver {
        void receive(int event) override { events.push_back(event); }
        std::vector<int> events;
    };

    SwitchesDialogTest()
        : program(""),
          dialog(program.vReactor, 0, false, program.reactor, program.animation, undo) {
        addComponent(program.vReactor, "A", 1);
        addComponent(program.vReactor, "B", 0);
        addReaction(program.vReactor, {{0, 1, -1}, {1, 1, 1}}, 1, true, 1, true);
        program.registerReceivers(nullptr, nullptr, &log);
        broadcast(sessionReplaced);
        dialog.setValueAsker(asker);
        log.events.clear();
    }

    Llist<ReactionSwitch>& switches() { return program.vReactor.reactions[0].switches; }
    std::vector<double> times() {
        std::vector<double> list;
        for (const ReactionSwitch& s : switches())
            list.push_back(s.at);
        return list;
    }
    QStringList lines() const {
        QStringList list;
        for (int i = 0; i < dialog.LBswitches->count(); ++i)
            list << dialog.LBswitches->item(i)->text();
        return list;
    }
    static QString text(double v) { return QString::fromStdString(formatNumber(v)); }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFreactionSwitches dialog;
    Log log;
};

} // namespace

TEST_F(SwitchesDialogTest, NewAddsAtHalfTheTimeAndAsksAtOnce) {
    // Each calculation makes its series anew.
    const auto finalB = [this] {
        const Llist<double>& b = program.calculation.kinetics[1].values;
        return b[b.last()];
    };
    const double before = finalB();
    asker.numbers = {2.5};
    dialog.Bnew->click();
    ASSERT_EQ(asker.calls.size(), 1u);
    EXPECT_EQ(asker.calls[0].title, "Reaction switch at");
    EXPECT_EQ(asker.calls[0].max, 10);
    EXPECT_EQ(times(), (std::vector<double>{2.5}));
    EXPECT_EQ(lines(), QStringList{text(2.5)});
    EXPECT_EQ(dialog.selectedRow(), 0);
    EXPECT_EQ(undo.labels,
              (std::vector<std::string>{"Add reaction switch", "Change reaction switch"}));
    // systemChanged from New, parametersChanged from the live change; the
    // forward direction now stops at 2.5 s.
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged, parametersChanged}));
    EXPECT_LT(finalB(), before);

    dialog.Bnew->click(); // cancelled: kept at 5 with its level
    asker.numbers = {1};
    dialog.Bnew->click();
    EXPECT_EQ(times(), (std::vector<double>{2.5, 5, 1})); // in the order added
    EXPECT_EQ(undo.labels.size(), 5u);
    EXPECT_EQ(undo.labels[2], "Add reaction switch");
}

TEST_F(SwitchesDialogTest, ChangeAndDeleteActOnTheSelectedLineOnly) {
    addSwitches(switches(), {1, 2, 3});
    dialog.refresh();
    dialog.LBswitches->setCurrentRow(1, QItemSelectionModel::NoUpdate); // focus only
    dialog.Bchange->click();
    dialog.Bdelete->click();
    EXPECT_TRUE(asker.calls.empty());
    EXPECT_EQ(times(), (std::vector<double>{1, 2, 3}));

    dialog.LBswitches->setCurrentRow(1);
    asker.numbers = {7, 7};
    dialog.Bchange->click();
    dialog.Bchange->click(); // unchanged: no level
    EXPECT_EQ(times(), (std::vector<double>{1, 7, 3}));
    EXPECT_EQ(dialog.selectedRow(), 1);
    EXPECT_EQ(lines()[1], text(7));

    log.events.clear();
    dialog.LBswitches->setCurrentRow(0);
    dialog.Bdelete->click();
    EXPECT_EQ(lines(), (QStringList{text(7), text(3)}));
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged}));
    EXPECT_EQ(undo.labels,
              (std::vector<std::string>{"Change reaction switch", "Delete reaction switch"}));

    // A hole-filling list keeps its order too.
    Llist<ReactionSwitch> unordered(0, 16, false);
    addSwitches(unordered, {1, 2, 3, 4});
    switches() = unordered;
    dialog.refresh();
    dialog.LBswitches->setCurrentRow(1);
    dialog.Bdelete->click();
    EXPECT_EQ(times(), (std::vector<double>{1, 3, 4}));
}

TEST_F(SwitchesDialogTest, DeleteAllClearsTheMarkOfTheReaction) {
    addSwitches(switches(), {1, 2});
    broadcast(systemChanged);
    const auto marked = [this] { return program.vReactor.reactions[0].label.ends_with(" !"); };
    ASSERT_TRUE(marked());
    dialog.BdeleteAll->click();
    EXPECT_TRUE(switches().empty());
    EXPECT_EQ(dialog.LBswitches->count(), 0);
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Delete reaction switches"}));
    EXPECT_FALSE(marked());
}

TEST_F(SwitchesDialogTest, BackwardListWhileAnimating) {
    TFreactionSwitches back(program.vReactor, 0, true, program.reactor, program.animation, undo);
    back.setValueAsker(asker);
    program.animation.setAnimated(&program.vReactor.reactions[0].rateConstant);
    log.events.clear();
    asker.numbers = {3};
    back.Bnew->click();
    EXPECT_TRUE(switches().empty());
    ASSERT_EQ(program.vReactor.reactions[0].switchesBack.count(), 1);
    EXPECT_EQ(program.vReactor.reactions[0].switchesBack[0].at, 3);
    // The animation's steps keep the kinetics current: no parametersChanged.
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged}));

    TFreactionSwitches gone(program.vReactor, 5, false, program.reactor, program.animation, undo);
    gone.Bnew->click();
    gone.BdeleteAll->click();
    EXPECT_EQ(undo.labels.size(), 2u);
}
