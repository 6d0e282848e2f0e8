#include "windows/fitting/tffit.h"

#include "fitting/measurementcommands.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"

#include <QTableWidget>

namespace {

// A -> B with k1 = 1 in the session and measurements of A made with k1 = 2.
class TFfitTest : public ::testing::Test {
protected:
    TFfitTest() {
        program.newSession();
        const int a = addComponent(program.vReactor, "A", 1);
        const int b = addComponent(program.vReactor, "B", 0);
        addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
        program.reactor.simulationTime = 1;
        program.reactor.timeResolution = 0.001;
        broadcast(systemChanged);
        program.pushUndo("New reaction", false);
        std::string table = "time\tA\n";
        for (int i = 0; i <= 10; ++i)
            table += std::to_string(0.1 * i) + "\t" + std::to_string(std::pow(1 - 0.002, 100 * i)) +
                     "\n";
        writeFileBytes(dir.file("a.txt"), table);
        EXPECT_TRUE(loadMeasurements(program, dir.file("a.txt")));
        levels = program.history.count();
    }

    std::vector<std::string> listed(const TFfit& dialog) const {
        std::vector<std::string> items;
        for (int i = 0; i < dialog.parameterList->count(); ++i) {
            const QListWidgetItem* item = dialog.parameterList->item(i);
            items.push_back((item->checkState() == Qt::Checked ? "+" : "-") +
                            item->text().toStdString());
        }
        return items;
    }

    TempDir dir;
    RecordingMessageSink messages;
    Program program{""};
    int levels = 0;
};

TEST_F(TFfitTest, ListsTheParametersWithTheRateConstantsChecked) {
    program.weightedObservation.active = true;
    TFfit dialog(program);
    EXPECT_EQ(dialog.windowTitle(), "Fit Parameters");
    EXPECT_EQ(listed(dialog), (std::vector<std::string>{"+k1 = 1", "-[A]0 = 1", "-[B]0 = 0",
                                                        "-w(A) = 1", "-w(B) = 1"}));
    EXPECT_FALSE(dialog.acceptButton->isEnabled());
}

TEST_F(TFfitTest, AcceptAppliesTheFitAsOneEditThatUndoes) {
    TFfit dialog(program);
    QTest::mouseClick(dialog.fitButton, Qt::LeftButton);
    ASSERT_TRUE(dialog.fitResult().has_value());
    EXPECT_EQ(program.vReactor.reactions[0].rateConstant, 1) << "a fit alone changes nothing";
    EXPECT_EQ(program.history.count(), levels);
    ASSERT_EQ(dialog.resultTable->rowCount(), 1);
    EXPECT_EQ(dialog.resultTable->item(0, 0)->text(), "k1");
    EXPECT_EQ(dialog.resultTable->item(0, 1)->text(), "1");
    EXPECT_EQ(dialog.resultTable->item(0, 2)->text(), "2");
    EXPECT_TRUE(dialog.summary->text().contains("Points: 11"));
    ASSERT_TRUE(dialog.acceptButton->isEnabled());

    QTest::mouseClick(dialog.acceptButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(program.vReactor.reactions[0].rateConstant, 2, 1e-6);
    EXPECT_EQ(program.history.count(), levels + 1);
    EXPECT_EQ(program.history.label(program.history.current()), "Fit parameters");
    ASSERT_TRUE(program.undo());
    EXPECT_EQ(program.vReactor.reactions[0].rateConstant, 1);
    EXPECT_FALSE(program.measurements.empty());
}

TEST_F(TFfitTest, CancelOrClosingLeavesTheSessionAsItWas) {
    for (const bool close : {false, true}) {
        TFfit dialog(program);
        dialog.show();
        QTest::mouseClick(dialog.fitButton, Qt::LeftButton);
        ASSERT_TRUE(dialog.fitResult().has_value());
        if (close)
            dialog.close();
        else
            QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(program.vReactor.reactions[0].rateConstant, 1);
        EXPECT_EQ(program.history.count(), levels);
    }
}

TEST_F(TFfitTest, ATaskThatCannotBeFittedIsReportedAndNothingIsAccepted) {
    TFfit dialog(program);
    dialog.parameterList->item(0)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(dialog.fitButton, Qt::LeftButton);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Choose at least one parameter to fit."});
    EXPECT_FALSE(dialog.fitResult().has_value());
    EXPECT_FALSE(dialog.acceptButton->isEnabled());
}

} // namespace
