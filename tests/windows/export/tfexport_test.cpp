#include "windows/export/tfexport.h"

#include "foundation/numberformat.h"
#include "foundation/textstream.h"
#include "session/program.h"
#include "session/reactorexport.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"

namespace {

using Lines = std::vector<std::string>;

// With auto refresh off the last results still hold A's series first; the
// export computes the system as it now is (A -> B without A: B forms at k).
TEST(TFexportTest, OutdatedResultsAreComputedBeforeTheExport) {
    TempDir folder;
    Program program{""};
    ReactorExport table;
    RecordingMessageSink messages;
    std::string chosen = folder.file("k.dat");
    TFexport dialog(program, table, [&chosen] { return chosen; });
    const int a = addComponent(program.vReactor, "A", 1);
    const int b = addComponent(program.vReactor, "B", 0);
    addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
    program.reactor.simulationTime = 0.002;
    program.calculation.calculate();

    program.kineticsView.autoRefresh = false;
    program.vReactor.components[0].selected = true;
    program.vReactor.deleteSelected(false);
    EXPECT_FALSE(program.calculation.resultsCurrent());
    dialog.show();
    ASSERT_TRUE(dialog.exportKinetics());
    Text_ lines;
    ASSERT_TRUE(readTextFile(chosen, lines));
    EXPECT_EQ(Lines(lines.begin(), lines.end()), (Lines{"time\tB", "0\t0", "1e-3\t1e-3", "2e-3\t2e-3"}));
    EXPECT_TRUE(program.calculation.resultsCurrent());
    numberPrecision = 3;
}

} // namespace
