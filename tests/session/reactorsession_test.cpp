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
    s.kineticsView.logY = true;
    s.kineticsView.timeStripes = 12;
    s.animation.period = 25;
    s.animation.motion = Animation::down;
    return s;
}

TEST(ReactorSession, SavedAndOpenedEqualInAllFiveSections) {
    TempDir dir;
    RecordingMessageSink messages;
    ReactorSession written = sampleSession();
    ASSERT_TRUE(written.save(dir.file("s.vsn"), 3));
    EXPECT_EQ(numberPrecision, 3);
    EXPECT_TRUE(written.named);
    EXPECT_FALSE(written.modified);

    ReactorSession read;
    ASSERT_TRUE(read.open(dir.file("s.vsn")));
    EXPECT_EQ(read.fileName, dir.file("s.vsn"));
    EXPECT_EQ(read.reactor.timeResolution, 0.0025);
    EXPECT_EQ(read.reactor.simulationTime, 42.5);
    ASSERT_EQ(read.vReactor.components.count(), 3);
    EXPECT_NEAR(read.vReactor.components[0].initialConcentration, 1.0 / 3.0, 1e-12);
    EXPECT_TRUE(read.vReactor.components[0].asX);
    EXPECT_TRUE(read.vReactor.components[1].constant);
    EXPECT_EQ(read.vReactor.components[1].weight, 2.5);
    EXPECT_TRUE(read.vReactor.components[2].shortcut);
    ASSERT_EQ(read.vReactor.reactions.count(), 1);
    const Vreaction& r = read.vReactor.reactions[0];
    EXPECT_EQ(r.rateConstantBack, 3e-7);
    EXPECT_EQ(r.switchesBack.count(), 2);
    EXPECT_TRUE(r.animateBack);
    EXPECT_EQ(r.reactants, written.vReactor.reactions[0].reactants);
    EXPECT_EQ(r.pos, (Poi{112, 56}));
    EXPECT_FALSE(read.vReactor.useGrid);
    EXPECT_TRUE(read.weightedObservation.active);
    EXPECT_EQ(read.weightedObservation.globalFactor, -0.5);
    EXPECT_EQ(read.kineticsView, written.kineticsView);
    EXPECT_EQ(read.animation.period, 25);
    EXPECT_EQ(read.animation.motion, Animation::down);
    // The copy's animation belongs to the copy.
    ReactorSession copy = read;
    EXPECT_EQ(copy.animation.system.get(), &copy.vReactor);

    // Saving what was read gives the same file.
    ASSERT_TRUE(read.save(dir.file("again.vsn"), 3));
    EXPECT_EQ(readFileBytes(dir.file("again.vsn")), readFileBytes(dir.file("s.vsn")));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ReactorSession, AMovedSessionKeepsItsAnimationOnItsOwnSystem) {
    ReactorSession source = sampleSession();
    ReactorSession moved(std::move(source));
    EXPECT_EQ(moved.animation.system.get(), &moved.vReactor);
    EXPECT_EQ(moved.vReactor.components.count(), 3);
    EXPECT_EQ(moved.animation.period, 25);

    ReactorSession assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.animation.system.get(), &assigned.vReactor);
    EXPECT_EQ(assigned.vReactor.reactions[0].rateConstantBack, 3e-7);
    EXPECT_EQ(assigned.reactor.simulationTime, 42.5);
    EXPECT_EQ(assigned.kineticsView.timeStripes, 12);
    EXPECT_EQ(assigned.weightedObservation.globalFactor, -0.5);
}

TEST(ReactorSession, FilesThatAreNoUsableSessionAreRefused) {
    TempDir dir;
    writeFileBytes(dir.file("notes.txt"), "just some text\r\n");
    std::string tooMany = "<Velumbra Session>\n<vReactor>\n";
    for (int i = 0; i < 101; ++i)
        tooMany += "<component>\nname=C" + std::to_string(i) + "\n</component>\n";
    tooMany += "</vReactor>\n</Velumbra Session>\n";
    writeFileBytes(dir.file("many.vsn"), tooMany);

    for (const char* name : {"missing.vsn", "notes.txt", "many.vsn"}) {
        RecordingMessageSink messages;
        ReactorSession s = sampleSession();
        s.fileName = "kept";
        EXPECT_FALSE(s.open(dir.file(name))) << name;
        ASSERT_EQ(messages.messages.size(), 1u) << name;
        EXPECT_EQ(messages.messages[0], "Failed to open session: " + dir.file(name));
        EXPECT_TRUE(s.systemEmpty()) << "left reset";
        EXPECT_EQ(s.reactor.simulationTime, 10);
    }
}

TEST(ReactorSession, FailedSaveKeepsNameAndRestoresPrecision) {
    TempDir dir;
    RecordingMessageSink messages;
    ReactorSession s = sampleSession();
    s.fileName = "old.vsn";
    s.named = true;
    s.modified = true;
    EXPECT_FALSE(s.save(dir.file("no/such/folder.vsn"), 5));
    EXPECT_EQ(numberPrecision, 5);
    numberPrecision = 3;
    EXPECT_EQ(messages.messages.back(),
              "Failed to save session: " + dir.file("no/such/folder.vsn"));
    EXPECT_EQ(s.fileName, "old.vsn");
    EXPECT_TRUE(s.modified);
    EXPECT_FALSE(s.save("", 3));
}

TEST(ReactorSession, CaptureLeavesResultsAndShapesBehind) {
    ReactorSession live = sampleSession();
    live.vReactor.layout();
    ASSERT_GT(live.vReactor.reactions[0].branches.count(), 0);
    live.weightedObservation.values.add(1.0);
    ReactorSession stored;
    SessionObjects current{live.reactor, live.vReactor, live.weightedObservation, live.kineticsView,
                           live.animation};
    stored.capture(current);
    EXPECT_EQ(stored.vReactor.reactions[0].branches.count(), 0);
    EXPECT_EQ(stored.weightedObservation.values.count(), 0);
    EXPECT_EQ(stored.reactor.simulationTime, 42.5);
    EXPECT_EQ(stored.animation.period, 25);
}

} // namespace
