#include "windows/switches/tfreactionswitches.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The dialog on the forward switches of A -> B in a program without other
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
    // The final concentration of B, which the switches change.
    double finalB() {
        const Llist<double>& b = program.calculation.kinetics[1].values;
        return b[b.last()];
    }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFreactionSwitches dialog;
    Log log;
};

} // namespace

TEST_F(SwitchesDialogTest, CaptionAndControls) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reaction Switches"));
    EXPECT_EQ(dialog.Lswitches->text(), QStringLiteral("Switch on/off at:"));
    EXPECT_EQ(dialog.Bnew->text(), QStringLiteral("New"));
    EXPECT_EQ(dialog.Bchange->text(), QStringLiteral("Change"));
    EXPECT_EQ(dialog.Bdelete->text(), QStringLiteral("Delete"));
    EXPECT_EQ(dialog.BdeleteAll->text(), QStringLiteral("Delete All"));
    EXPECT_EQ(dialog.LBswitches->count(), 0);
}

TEST_F(SwitchesDialogTest, NewAddsAtHalfTheTimeAndAsksAtOnce) {
    const double before = finalB();
    asker.numbers = {2.5};
    dialog.Bnew->click();
    EXPECT_EQ(times(), (std::vector<double>{2.5}));
    ASSERT_EQ(asker.calls.size(), 1u);
    const AskCall& call = asker.calls[0];
    EXPECT_EQ(call.title, "Reaction switch at");
    EXPECT_EQ(call.min, 0);
    EXPECT_EQ(call.max, 10);
    EXPECT_EQ(call.step, 0);
    EXPECT_EQ(call.law, -1);
    EXPECT_EQ(undo.labels,
              (std::vector<std::string>{"Add reaction switch", "Change reaction switch"}));
    EXPECT_EQ(undo.merged, 0);
    EXPECT_EQ(lines(), QStringList{text(2.5)});
    EXPECT_EQ(dialog.LBswitches->currentRow(), 0);
    // New broadcast systemChanged, the dialog's live change parametersChanged;
    // the kinetics follow: the forward direction stops at 2.5 s.
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged, parametersChanged}));
    EXPECT_LT(finalB(), before);
}

TEST_F(SwitchesDialogTest, CancellingTheNewSwitchKeepsItAtHalfTheTime) {
    program.reactor.simulationTime = 10;
    dialog.Bnew->click(); // no answer: the dialog is cancelled
    EXPECT_EQ(times(), (std::vector<double>{5}));
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Add reaction switch"}));
    EXPECT_EQ(lines(), QStringList{text(5)});
}

TEST_F(SwitchesDialogTest, SwitchesKeepTheOrderTheyWereAddedIn) {
    asker.numbers = {8, 1, 4};
    for (int i = 0; i < 3; ++i)
        dialog.Bnew->click();
    EXPECT_EQ(times(), (std::vector<double>{8, 1, 4}));
    EXPECT_EQ(lines(), (QStringList{text(8), text(1), text(4)}));
    EXPECT_EQ(dialog.LBswitches->currentRow(), 2);
}

TEST_F(SwitchesDialogTest, ChangeAndDeleteActOnTheSelectedLineOnly) {
    addSwitches(switches(), {1, 2, 3});
    dialog.refresh();
    dialog.LBswitches->setCurrentRow(-1);
    dialog.Bchange->click();
    dialog.Bdelete->click();
    EXPECT_TRUE(asker.calls.empty());
    EXPECT_EQ(times(), (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(undo.labels.empty());

    dialog.LBswitches->setCurrentRow(1);
    asker.numbers = {7};
    dialog.Bchange->click();
    EXPECT_EQ(times(), (std::vector<double>{1, 7, 3}));
    EXPECT_EQ(dialog.LBswitches->currentRow(), 1);
    EXPECT_EQ(lines()[1], text(7));
    asker.numbers = {7}; // unchanged: no level
    dialog.Bchange->click();
    dialog.Bchange->click(); // cancelled: no level
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Change reaction switch"}));

    log.events.clear();
    dialog.LBswitches->setCurrentRow(0);
    dialog.Bdelete->click();
    EXPECT_EQ(times(), (std::vector<double>{7, 3}));
    EXPECT_EQ(lines(), (QStringList{text(7), text(3)}));
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged}));
    EXPECT_EQ(undo.labels.back(), "Delete reaction switch");
}

TEST_F(SwitchesDialogTest, DeleteKeepsTheOrderOfAHoleFillingList) {
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
    broadcast(systemChanged); // the label shows the mark
    const auto marked = [this] { return program.vReactor.reactions[0].label.ends_with(" !"); };
    ASSERT_TRUE(marked());
    dialog.refresh();
    dialog.BdeleteAll->click();
    EXPECT_TRUE(switches().empty());
    EXPECT_EQ(dialog.LBswitches->count(), 0);
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Delete reaction switches"}));
    EXPECT_FALSE(marked());
}

TEST_F(SwitchesDialogTest, BackwardListAndWhileAnimating) {
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
}

TEST_F(SwitchesDialogTest, AReactionThatIsGoneOffersNothing) {
    TFreactionSwitches gone(program.vReactor, 5, false, program.reactor, program.animation, undo);
    gone.setValueAsker(asker);
    gone.Bnew->click();
    gone.BdeleteAll->click();
    EXPECT_EQ(gone.LBswitches->count(), 0);
    EXPECT_TRUE(undo.labels.empty());
    EXPECT_TRUE(asker.calls.empty());
}

TEST_F(SwitchesDialogTest, ShownModallyAndRefreshedOnShow) {
    addSwitches(switches(), {6});
    int shownLines = -1;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<TFreactionSwitches*>(w);
                d && d->isVisible() && d != &dialog) {
                shownLines = d->LBswitches->count();
                EXPECT_TRUE(d->isModal());
                d->reject();
            }
        }
    });
    showReactionSwitches(nullptr, program.vReactor, 0, false, program.reactor, program.animation,
                         undo);
    EXPECT_EQ(shownLines, 1);
}
