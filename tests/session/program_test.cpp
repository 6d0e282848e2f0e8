#include "session/program.h"

#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
};

// Undo brings back the computed kinetics with the system, not only the system.
TEST_F(ProgramTest, UndoRestoresTheSystemAndItsKinetics) {
    program.newSession();
    const int a = addComponent(program.vReactor, "A", 1);
    const int b = addComponent(program.vReactor, "B", 0);
    addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
    broadcast(systemChanged);
    program.pushUndo("New reaction", false);
    ASSERT_EQ(program.calculation.kinetics.count(), 2);
    const double bAtEnd = program.calculation.kinetics[1].values[2000];
    EXPECT_GT(bAtEnd, 0.99);

    program.reactor.simulationTime = 20;
    broadcast(parametersChanged);
    program.pushUndo("Change simulation time", true);
    ASSERT_TRUE(program.undo());
    EXPECT_EQ(program.reactor.simulationTime, 10);
    EXPECT_EQ(program.calculation.kinetics[1].values[2000], bAtEnd);
    ASSERT_TRUE(program.undo());
    EXPECT_TRUE(program.vReactor.components.empty());
    EXPECT_TRUE(program.calculation.kinetics.empty());
    EXPECT_FALSE(program.session.modified) << "back at the first level";
}

} // namespace
