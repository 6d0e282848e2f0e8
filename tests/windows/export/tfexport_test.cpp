#include "windows/export/tfexport.h"

#include "foundation/numberformat.h"
#include "foundation/textstream.h"
#include "session/program.h"
#include "session/reactorexport.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QStyleOptionViewItem>

namespace {

using Lines = std::vector<std::string>;
const std::string rates = std::string("-") + TFexport::ratesItem;

// A -> B with k = 1 over two steps of 0.001 (three stored points), a shortcut
// of A in between and a component C at 0.5 whose curve is hidden.
class TFexportTest : public ::testing::Test {
protected:
    TFexportTest() : dialog(program, table, [this] { return ++choices, chosen; }) {
        const int a = addComponent(program.vReactor, "A", 1);
        addShortcut(program.vReactor, "A");
        const int b = addComponent(program.vReactor, "B", 0);
        addComponent(program.vReactor, "C", 0.5);
        program.vReactor.components[3].monitor = false;
        addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
        program.reactor.simulationTime = 0.002;
        program.calculation.calculate();
    }
    ~TFexportTest() override { numberPrecision = 3; }

    // The list as "+name" for a checked and "-name" for an unchecked item.
    Lines items() const {
        Lines result;
        for (int i = 0; i < dialog.CBfunctionsToExport->count(); ++i) {
            const QListWidgetItem* item = dialog.CBfunctionsToExport->item(i);
            result.push_back((item->checkState() == Qt::Checked ? "+" : "-") +
                             item->text().toStdString());
        }
        return result;
    }

    // Clicks an item's check box as the user would.
    void toggle(int row) {
        QListWidget* list = dialog.CBfunctionsToExport;
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.widget = list;
        option.rect = list->visualItemRect(list->item(row));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    }

    void clickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&dialog, button, Qt::NoModifier, p);
    }

    TempDir folder;
    Program program{""};
    ReactorExport table;
    RecordingMessageSink messages;
    std::string chosen;
    int choices = 0;
    TFexport dialog;
};

TEST_F(TFexportTest, EveryOpeningStartsFromTheVisibleCurves) {
    dialog.show();
    EXPECT_EQ(items(), (Lines{"+Time Scale", "+A", "+B", "-C", rates}));
    for (const int row : {0, 2, 3})
        toggle(row);
    EXPECT_FALSE(table.includeTime);
    EXPECT_EQ(table.componentFlags, (std::vector<bool>{true, false, true}));
    dialog.hide();
    program.vReactor.components[0].monitor = false;
    program.weightedObservation.active = true;
    dialog.show();
    EXPECT_EQ(items(), (Lines{"-Time Scale", "-A", "+B", "-C", "+weighted observation", rates}))
        << "the time choice is kept, the components follow the plot";
    toggle(4);
    EXPECT_FALSE(table.includeWeightedObservation);
    dialog.hide();
    program.weightedObservation.active = false;
    dialog.show();
    EXPECT_EQ(items().size(), 5u) << "the observation only while its curve is shown";
}

TEST_F(TFexportTest, LabelsAndIterationsFollowTheControls) {
    for (const auto& [step, item] : {std::pair{1, 0}, {10, 1}, {100, 2}, {7, 0}}) {
        table.iterationsStep = step;
        dialog.refill();
        EXPECT_EQ(dialog.iterationsChoice->checkedId(), item) << step;
    }
    dialog.iterationsChoice->button(2)->click();
    EXPECT_EQ(table.iterationsStep, 100);
    table.includeColumnLabels = false;
    dialog.show();
    EXPECT_FALSE(dialog.CBincludeColumnLabels->isChecked());
    QTest::mouseClick(dialog.CBincludeColumnLabels, Qt::LeftButton);
    EXPECT_TRUE(table.includeColumnLabels);
}

TEST_F(TFexportTest, OnlyALeftClickOnThePaintedButtonExportsAndFailureKeepsTheDialogOpen) {
    program.preferences.floatingPointPrecision = 5;
    dialog.show();
    const QRect r = dialog.exportRect;
    EXPECT_EQ(r, QRect(240, 185, 208, 23));
    EXPECT_EQ(dialog.grab().toImage().pixelColor(r.left() + 5, r.top()),
              scaleColour(windowColour, bevelLightEdge));
    for (const QPoint p : {r.topLeft() - QPoint(1, 0), r.bottomRight() + QPoint(0, 1)})
        clickAt(p);
    clickAt(r.center(), Qt::RightButton);
    EXPECT_EQ(choices, 0);
    clickAt(r.topLeft());
    EXPECT_EQ(choices, 1) << "cancelled";
    chosen = folder.file("missing/k.dat");
    clickAt(r.bottomRight());
    EXPECT_EQ(messages.messages, Lines{"Failed to export kinetics."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(numberPrecision, 5) << "the user-interface format is back";

    toggle(0);
    toggle(3);
    chosen = folder.file("kinetics.dat");
    clickAt(r.center());
    Text_ lines;
    ASSERT_TRUE(readTextFile(chosen, lines));
    EXPECT_EQ(
        Lines(lines.begin(), lines.end()),
        (Lines{"A\tB\tC", "1e+0\t0\t5e-1", "9.99e-1\t1e-3\t5e-1", "9.98001e-1\t1.999e-3\t5e-1"}));
    EXPECT_EQ(readFileBytes(chosen).substr(0, 8), "A\tB\tC\r\n1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(numberPrecision, 5);
    EXPECT_FALSE(alwaysScientific);
}

TEST_F(TFexportTest, RateColumnsWhenChecked) {
    dialog.show();
    toggle(0);
    toggle(4);
    EXPECT_TRUE(table.includeReactionRates);
    chosen = folder.file("rates.dat");
    clickAt(dialog.exportRect.center());
    Text_ lines;
    ASSERT_TRUE(readTextFile(chosen, lines));
    EXPECT_EQ(Lines(lines.begin(), lines.end()),
              (Lines{"A\tB\tv1", "1e+0\t0\t1e+0", "9.99e-1\t1e-3\t9.99e-1",
                     "9.98001e-1\t1.999e-3\t9.98001e-1"}));
}

} // namespace
