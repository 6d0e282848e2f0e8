#include "presetbuilder.h"

#include "foundation/eventreceiver.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class PresetBuilderTest : public ::testing::Test {
protected:
    PresetBuilderTest() {
        eventRegistry().clear();
        registerReceiver(&log);
    }
    ~PresetBuilderTest() override { eventRegistry().clear(); }

    std::vector<std::string> entries(int r) { return entriesOf(v.reactions[r]); }

    EventLog log;
    RecordingMessageSink messages;
    ReactorSession session;
    PresetBuilder b{session};
    Vreactor& v = session.vReactor;
};

// Components stand on the grid with the palette's colours in order; a step is
// an aligned 1-1 reaction centred midway, off the grid like a drawn one, and so
// is an aligned reaction. Drawing a session does not disturb the program's
// receivers. (The recipes' files pin the rest.)
TEST_F(PresetBuilderTest, DrawsAsTheEditorWould) {
    const int a = b.component("A", {2, 1}, 0.25); // the name the model proposes anyway
    const int copy = b.shortcut(a, {3, 3});
    const int s = b.component("S", {3, 4}, 1);
    EXPECT_EQ(v.components[s].pos, (Poi{168, 224}));
    EXPECT_EQ(v.components[copy].pos, (Poi{168, 168}));
    EXPECT_EQ(v.components[a].color, 0xFFFFFF);
    EXPECT_EQ(v.components[s].color, 0x48F8F8);
    const Vreaction& f = v.reactions[b.step(a, s, 0.5)];
    EXPECT_EQ(f.geometry, Vreaction::aligned);
    EXPECT_EQ(f.pos, (Poi{140, 140}));
    EXPECT_EQ(entries(0), (std::vector<std::string>{"0:1:-1*", "2:1:1*"}));
    EXPECT_TRUE(f.active && !f.activeBack && f.rateConstant == 0.5);

    const int r = b.reversible({3, 2}, 2, 3);
    b.reactant(r, b.component("C", {1, 3}, 1));
    b.product(r, s);
    b.align(r, 3, s);
    EXPECT_EQ(entries(r), (std::vector<std::string>{"3:1:-1*", "2:1:1*"}));
    EXPECT_EQ(v.reactions[r].pos, (Poi{112, 196}));

    // S, object 2, is unique component 1; asking twice keeps it.
    b.plotAgainst(s);
    b.plotAgainst(s);
    EXPECT_EQ(v.asXIndex(), 1);
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
