#include "session/reactorexport.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/lines.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A -> B with k = 1 over two steps of 0.001: three stored points.
class ReactorExportTest : public ::testing::Test {
protected:
    ReactorExportTest() {
        const int a = addComponent(program.vReactor, "A", 1);
        const int b = addComponent(program.vReactor, "B", 0);
        addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
        program.reactor.simulationTime = 0.002;
        program.calculation.calculate();
        table.rebuildComponentFlags(program.vReactor);
    }
    bool exportTo(const std::string& file) {
        return table.exportTo(file, program.vReactor, program.calculation,
                              program.weightedObservation, program.preferences);
    }
    std::vector<std::string> exported() {
        EXPECT_TRUE(exportTo(dir.file("k.dat")));
        Text_ lines;
        EXPECT_TRUE(readTextFile(dir.file("k.dat"), lines));
        return linesOf(lines);
    }

    TempDir dir;
    Program program{""};
    ReactorExport table;
};

TEST_F(ReactorExportTest, WritesHeaderAndOneLinePerPointInScientificForm) {
    program.preferences.floatingPointPrecision = 4;
    EXPECT_EQ(exported(),
              (std::vector<std::string>{"time\tA\tB", "0\t1e+0\t0", "1e-3\t9.99e-1\t1e-3",
                                        "2e-3\t9.98001e-1\t1.999e-3"}));
    EXPECT_NE(readFileBytes(dir.file("k.dat")).find("\r\n"), std::string::npos);
    EXPECT_EQ(numberPrecision, 4) << "the user-interface format is back";
    EXPECT_FALSE(alwaysScientific);
    numberPrecision = 3;
}

TEST_F(ReactorExportTest, ColumnChoicesLeaveNoEmptyFields) {
    table.includeTime = false;
    table.componentFlags = {false, true};
    EXPECT_EQ(exported(), (std::vector<std::string>{"B", "0", "1e-3", "1.999e-3"}));

    table.componentFlags = {false, false};
    ASSERT_TRUE(exportTo(dir.file("k.dat")));
    EXPECT_EQ(readFileBytes(dir.file("k.dat")), "\r\n\r\n\r\n\r\n");

    table.includeColumnLabels = false;
    table.includeTime = true;
    program.vReactor.components[0].monitor = false;
    table.rebuildComponentFlags(program.vReactor);
    EXPECT_EQ(exported(), (std::vector<std::string>{"0\t0", "1e-3\t1e-3", "2e-3\t1.999e-3"}));
}

TEST_F(ReactorExportTest, AMissingSeriesShiftsNoColumn) {
    addComponent(program.vReactor, "D", 0);
    program.weightedObservation.active = true;
    program.weightedObservation.compute();
    table.includeTime = false;
    table.componentFlags = {false, false, true};
    const std::vector<std::string> lines = exported();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "D\tweightedObservation");
    EXPECT_EQ(lines[1], "\t1e+0");
}

TEST_F(ReactorExportTest, RateColumnsFollowTheComponentsOnePerReaction) {
    // A second reaction, inactive: its column is there, at 0.
    addReaction(program.vReactor, {{1, 1, -1}, {0, 1, +1}}, 7, false);
    program.calculation.calculate();
    program.weightedObservation.active = true;
    program.weightedObservation.compute();
    table.includeReactionRates = true;
    table.componentFlags = {false, true};
    EXPECT_EQ(exported(),
              (std::vector<std::string>{"time\tB\tv1\tv2\tweightedObservation",
                                        "0\t0\t1e+0\t0\t1e+0", "1e-3\t1e-3\t9.99e-1\t0\t1e+0",
                                        "2e-3\t1.999e-3\t9.98001e-1\t0\t1e+0"}));
}

} // namespace
