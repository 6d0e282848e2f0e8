#include "windows/switches/tfreactionswitches.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"

namespace {

// The dialog on the forward switches of A <-> B in a program without other
// windows; simulation time 10.
class SwitchesDialogTest : public ::testing::Test {
protected:
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
    // The dialog's list; each line must show its switch's time.
    int lines() const {
        const Llist<ReactionSwitch>& list = program.vReactor.reactions[0].switches;
        for (int i = 0; i < dialog.LBswitches->count(); ++i)
            EXPECT_EQ(dialog.LBswitches->item(i)->text().toStdString(), formatNumber(list[i].at));
        return dialog.LBswitches->count();
    }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFreactionSwitches dialog;
    EventLog log;
};

} // namespace

TEST_F(SwitchesDialogTest, NewAsksAtOnceAndKeepsHalfTheTimeWhenCancelled) {
    const auto finalB = [this] {
        const Llist<double>& b = program.calculation.kinetics[1].values; // new each run
        return b[b.last()];
    };
    const double before = finalB();
    asker.numbers = {2.5, std::nullopt, 1};
    for (int i = 0; i < 3; ++i)
        dialog.Bnew->click();
    EXPECT_EQ(times(), (std::vector<double>{2.5, 5, 1})); // in the order added
    EXPECT_EQ(lines(), 3);
    EXPECT_EQ(dialog.selectedRow(), 2);
    EXPECT_EQ(asker.calls[1].title, "Reaction switch at");
    EXPECT_EQ(asker.calls[1].max, 10);
    EXPECT_EQ(undo.labels,
              (Labels{"Add reaction switch", "Change reaction switch", "Add reaction switch",
                      "Add reaction switch", "Change reaction switch"}));
    // New announces the new switch; the dialog's live change the new time.
    EXPECT_EQ(log.events, (std::vector<int>{systemChanged, parametersChanged, systemChanged,
                                            systemChanged, parametersChanged}));
    EXPECT_LT(finalB(), before) << "the forward direction stops at 1 s";
}
