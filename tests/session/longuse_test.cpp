// Long use: random edits of the reaction system and the session settings,
// then undo, redo and history jumps. Every level must come back exactly as
// the session text it was recorded with.
#include "readerharness.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(LongUse, EveryLevelComesBackExactlyThroughUndoRedoAndJumps) {
    RecordingMessageSink messages;
    Program program{""};
    program.newSession();
    program.kineticsView.autoRefresh = false; // the history is the point, not the kinetics
    program.history.clear();
    program.pushUndo("[New session]", false);
    Vreactor& v = program.vReactor;
    std::mt19937 random{20240611};
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto spot = [&] { return Poi{pick(Vreactor::planeWidth), pick(Vreactor::planeHeight)}; };
    std::vector<std::string> texts{sessionText(program)};
    while (static_cast<int>(texts.size()) < maxHistoryLevels) {
        const int components = v.components.count(), reactions = v.reactions.count();
        std::string label;
        switch (pick(6)) {
        case 0:
            if (v.uniqueComponentCount() < 6 && v.addComponent(spot())) label = "New component";
            break;
        case 1:
            if (reactions < 5 && v.addReaction(spot())) label = "New reaction";
            break;
        case 2:
            if (components == 0 || reactions == 0) break;
            v.setConnectSource(pick(components));
            if (v.connect(pick(reactions), 1 + pick(3), pick(2) ? 1 : -1)) label = "Connect";
            break;
        case 3:
            if (reactions > 0) {
                program.animation.setAnimated(&v.reactions[pick(reactions)].rateConstant);
                label = "Animate parameter";
            }
            break;
        case 4:
            program.reactor.simulationTime = 0.05 * (1 + pick(4));
            broadcast(parametersChanged);
            label = "Change simulation time";
            break;
        default:
            if (components > 0) {
                v.deleteComponent(pick(components));
                label = "Delete component";
            }
        }
        if (label.empty()) continue;
        program.pushUndo(label, false);
        texts.push_back(sessionText(program));
    }
    ASSERT_EQ(program.history.count(), maxHistoryLevels);
    for (int level = maxHistoryLevels - 2; level >= 0; --level) {
        ASSERT_TRUE(program.undo());
        ASSERT_EQ(sessionText(program), texts[static_cast<size_t>(level)]) << "undo to " << level;
    }
    EXPECT_FALSE(program.undo());
    EXPECT_FALSE(program.session.modified);
    for (int level = 1; level < maxHistoryLevels; ++level) {
        ASSERT_TRUE(program.redo());
        ASSERT_EQ(sessionText(program), texts[static_cast<size_t>(level)]) << "redo to " << level;
    }
    for (int jump = 0; jump < 50; ++jump) {
        const int level = pick(maxHistoryLevels);
        program.goTo(level);
        ASSERT_EQ(sessionText(program), texts[static_cast<size_t>(level)]) << "jump to " << level;
    }
}

} // namespace
