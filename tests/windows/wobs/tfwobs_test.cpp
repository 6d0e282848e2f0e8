#include "windows/wobs/tfwobs.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"
#include "windows/wobs/wobslook.h"

#include <QFontInfo>

namespace {

// The window on a program without other windows: A (3) -> B (4), k = 0.1,
// a shortcut of A and C (0); weights 1, 2, 1.
class WobsWindowTest : public ::testing::Test {
protected:
    WobsWindowTest() : program(""), window(program.vReactor, program.weightedObservation, undo) {
        Vreactor& v = program.vReactor;
        addComponent(v, "A", 3);
        addComponent(v, "B", 4);
        addShortcut(v, "A");
        addComponent(v, "C", 0);
        v.components[1].weight = 2;
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.1);
        broadcast(sessionReplaced);
        window.setValueAsker(asker);
        window.show();
    }

    QString line(int i) const { return window.LBweights->item(i)->text(); }
    void clickLine(int i) {
        QListWidget* list = window.LBweights;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(i)).center());
    }
    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); }
    double first() const { return program.weightedObservation.values[0]; }
    double weight(int i) const { return program.vReactor.components[i].weight; }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFwObs window;
};

} // namespace

TEST_F(WobsWindowTest, CheckBoxesRecordAndRecomputeButNotWhileFilling) {
    window.CBactive->click();
    EXPECT_EQ(first(), 11.0); // 1 * 3 + 2 * 4
    window.CBdifferential->click();
    EXPECT_NEAR(first(), 0.3, 1e-3); // the sum rises by k * A at first
    program.weightedObservation.active = false;
    window.fill();
    EXPECT_FALSE(window.CBactive->isChecked());
    EXPECT_TRUE(program.weightedObservation.differential);
    EXPECT_EQ(undo.labels,
              (Labels{"Activate/deactivate weighted observation", "Changed weighted observation"}));
    EXPECT_EQ(undo.merged, 0);
}
