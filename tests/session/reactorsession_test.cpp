#include "session/reactorsession.h"

#include "foundation/numberformat.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

namespace {

// A session with a non-default value in every section.
ReactorSession sampleSession() {
    ReactorSession s;
    s.reactor.timeResolution = 0.0025;
    s.reactor.simulationTime = 42.5;
    Vreactor& v = s.vReactor;
    v.useGrid = false;
    const int a = addComponent(v, "A", 1.0 / 3.0);
    const int b = addComponent(v, "B", 0, true);
    addShortcut(v, "A");
    v.components[a].asX = true;
    v.components[b].weight = 2.5;
    Vreaction& r = addReaction(v, {{a, 2, -1}, {b, 1, +1}, {2, 1, +1}}, 0.125, true, 3e-7, true);
    addSwitches(r.switchesBack, {5, 8});
    r.animateBack = true;
    r.pos = {112, 56};
    s.weightedObservation.active = true;
    s.weightedObservation.globalFactor = -0.5;
    s.weightedObservation.differential = true;
    s.kineticsView.logY = true;
    s.kineticsView.timeStripes = 12;
    s.animation.period = 25;
    s.animation.motion = Animation::down;
    return s;
}

// Every section holds values that differ from their defaults: a value that is
// not read back changes the file saved again.
TEST(ReactorSession, SavedAndOpenedGiveTheSameFileWithTheFiveSectionsInOrder) {
    TempDir dir;
    RecordingMessageSink messages;
    ReactorSession written = sampleSession();
    ASSERT_TRUE(written.save(dir.file("s.vsn"), 3));
    EXPECT_EQ(numberPrecision, 3);
    EXPECT_TRUE(written.named);
    EXPECT_FALSE(written.modified);
    const std::string bytes = readFileBytes(dir.file("s.vsn"));
    // The sections in file order, with the keys of those that hold few.
    size_t at = 0;
    for (
        const char* section :
        {"<Velumbra Session>\r\n     <reactor>\r\n          time resolution=2.5e-3\r\n"
         "          simulation time=42.5\r\n     </reactor>\r\n     <vReactor>\r\n",
         "\n     <weighted observation>\r\n          active=true\r\n          differential=true\r\n"
         "          global factor=-0.5\r\n     </weighted observation>\r\n     <kinetics view>\r\n",
         "\n     <animation>\r\n          from=0.5\r\n          to=2\r\n          period=25\r\n"
         "          motion=1\r\n     </animation>\r\n</Velumbra Session>\r\n"}) {
        at = bytes.find(section, at);
        ASSERT_NE(at, std::string::npos) << section;
    }
    EXPECT_NE(bytes.find("initial concentration=0.3333333333333\r\n"), std::string::npos);

    ReactorSession read;
    ASSERT_TRUE(read.open(dir.file("s.vsn")));
    EXPECT_EQ(read.fileName, dir.file("s.vsn"));
    ASSERT_TRUE(read.save(dir.file("again.vsn"), 3));
    EXPECT_EQ(readFileBytes(dir.file("again.vsn")), bytes);
    ReactorSession copy = read; // its animation belongs to the copy
    EXPECT_EQ(copy.animation.system.get(), &copy.vReactor);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
