#include "fitting/measurementcommands.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

namespace {

class MeasurementCommands : public ::testing::Test {
protected:
    MeasurementCommands() {
        program.newSession();
        const int a = addComponent(program.vReactor, "A", 1);
        const int b = addComponent(program.vReactor, "B", 0);
        addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
        broadcast(systemChanged);
        program.pushUndo("New reaction", false);
    }

    std::string file(const std::string& bytes) {
        writeFileBytes(dir.file("data.txt"), bytes);
        return dir.file("data.txt");
    }

    TempDir dir;
    RecordingMessageSink messages;
    Program program{""};
};

TEST_F(MeasurementCommands, LoadingAndRemovingAreUndoableEdits) {
    ASSERT_TRUE(loadMeasurements(program, file("time\tA\tX\n0\t1\t5\n1\t0.4\t5\n")));
    EXPECT_EQ(program.measurements.names, std::vector<std::string>{"A"});
    EXPECT_EQ(program.history.label(program.history.current()), "Load measurements");
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Columns that name no component are ignored: X"});
    const Measurements loaded = program.measurements;

    ASSERT_TRUE(removeMeasurements(program));
    EXPECT_TRUE(program.measurements.empty());
    EXPECT_EQ(program.history.label(program.history.current()), "Remove measurements");
    EXPECT_FALSE(removeMeasurements(program)) << "nothing left to remove";

    ASSERT_TRUE(program.undo());
    EXPECT_TRUE(program.measurements == loaded);
    ASSERT_TRUE(program.undo());
    EXPECT_TRUE(program.measurements.empty());
    ASSERT_TRUE(program.redo());
    EXPECT_TRUE(program.measurements == loaded);
}

} // namespace
