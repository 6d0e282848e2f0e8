// Long use: 10 000 random edits of the reaction system and the session
// settings, mixed with undo, redo and history jumps, as a user would make
// them. A plain list of the texts recorded at every edit follows the rules of
// the history independently; after each step the program must show the level
// that list names, and from time to time undoing all the way must restore
// every level and finally the first one exactly.
#include "readerharness.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

struct Level {
    std::string label;
    std::string text;
};

class LongUse : public ::testing::Test {
protected:
    LongUse() {
        program.newSession();
        // The history is the point here, not the kinetics.
        program.kineticsView.autoRefresh = false;
        program.history.clear();
        program.pushUndo("[New session]", false);
        levels.push_back({"[New session]", sessionText(program)});
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    double value() { return std::uniform_real_distribution<double>(0, 5)(random); }
    Poi spot() { return {pick(Vreactor::planeWidth), pick(Vreactor::planeHeight)}; }

    // Records the edit in the program and in the independent list: a merged
    // edit replaces a current level of the same label, an edit drops the redo
    // branch, and the oldest level goes beyond 100.
    void record(const std::string& label, bool merge = false) {
        program.pushUndo(label, merge);
        if (merge && current >= 0 && levels[static_cast<size_t>(current)].label == label) {
            levels.erase(levels.begin() + current);
            --current;
        }
        levels.resize(static_cast<size_t>(current + 1));
        if (static_cast<int>(levels.size()) >= maxHistoryLevels) {
            levels.erase(levels.begin());
            --current;
        }
        levels.push_back({label, sessionText(program)});
        current = static_cast<int>(levels.size()) - 1;
    }

    Vreactor& v() { return program.vReactor; }
    int anyComponent() { return pick(std::max(1, v().components.count())); }
    int anyReaction() { return pick(std::max(1, v().reactions.count())); }
    void selectOnly(Vclass& object) {
        v().deselectAll();
        object.selected = true;
    }

    // One random edit; false when it was refused or not possible.
    bool edit() {
        const bool haveComponent = !v().components.empty();
        const bool haveReaction = !v().reactions.empty();
        switch (pick(18)) {
        case 0:
            if (v().uniqueComponentCount() >= 6 || !v().addComponent(spot())) return false;
            record("New component");
            return true;
        case 1:
            if (v().reactions.count() >= 5 || !v().addReaction(spot())) return false;
            record("New reaction");
            return true;
        case 2:
            if (!haveComponent || !haveReaction) return false;
            v().setConnectSource(anyComponent());
            if (!v().connect(anyReaction(), 1 + pick(3), pick(2) ? 1 : -1)) return false;
            record("Connect");
            return true;
        case 3:
            if (!haveComponent) return false;
            v().deleteComponent(anyComponent());
            record("Delete component");
            return true;
        case 4:
            if (!haveReaction) return false;
            v().deleteReaction(anyReaction());
            record("Delete reaction");
            return true;
        case 5:
            if (!haveReaction) return false;
            v().setMode(anyReaction(), pick(4));
            record("Change reaction mode");
            return true;
        case 6:
            if (!haveComponent) return false;
            v().toggleConstant(anyComponent());
            record("Constant concentration");
            return true;
        case 7:
            if (!haveComponent || v().components.count() >= 10) return false;
            v().createShortcut(anyComponent());
            record("New shortcut");
            return true;
        case 8:
            if (!haveReaction) return false;
            selectOnly(v().reactions[anyReaction()]);
            v().setRateConstants(value(), pick(2) == 0);
            record("Change rate constant");
            return true;
        case 9:
            if (!haveComponent) return false;
            selectOnly(v().components[anyComponent()]);
            v().setInitialConcentrations(value(), pick(2) == 0);
            record("Change initial concentration");
            return true;
        case 10:
            if (!haveComponent) return false;
            selectOnly(v().components[anyComponent()]);
            v().moveSelected({pick(200) - 100, pick(200) - 100});
            broadcast(drawingChanged);
            record("Move");
            return true;
        case 11:
            if (!haveComponent || !v().renameComponent(v().components[anyComponent()].name,
                                                       "N" + std::to_string(pick(1000))))
                return false;
            record("Rename component");
            return true;
        case 12:
            program.reactor.simulationTime = 0.05 * (1 + pick(4));
            broadcast(parametersChanged);
            record("Change simulation time", true);
            return true;
        case 13:
            program.reactor.timeResolution = 0.005 * (1 + pick(4));
            broadcast(parametersChanged);
            record("Change time step", true);
            return true;
        case 14:
            if (!haveReaction) return false;
            program.animation.setAnimated(&v().reactions[anyReaction()].rateConstant);
            record("Animate parameter");
            return true;
        case 15:
            program.animation.period = 1 + pick(90);
            record("Change parameter animation options", true);
            return true;
        case 16:
            if (pick(2)) {
                if (!v().exchangeReactions(anyReaction(), anyReaction())) return false;
                broadcast(systemChanged);
                record("Sort reactions", true);
            } else {
                const int n = std::max(1, v().uniqueComponentCount());
                if (!v().exchangeComponents(pick(n), pick(n))) return false;
                broadcast(systemChanged);
                record("Sort components", true);
            }
            return true;
        default:
            program.kineticsView.logY = !program.kineticsView.logY;
            program.weightedObservation.active = pick(2) == 0;
            broadcast(weightedObservationChanged);
            record("Change plot");
            return true;
        }
    }

    // Undo, redo or, less often, a jump in the history window.
    void move() {
        const int choice = pick(10);
        if (choice < 5) {
            if (program.undo()) --current;
        } else if (choice < 9) {
            if (program.redo()) ++current;
        } else {
            const int target = pick(static_cast<int>(levels.size()));
            ASSERT_TRUE(program.goTo(target));
            current = target;
        }
    }

    // Cheap checks after every step: the program shows the current level and
    // the history holds the listed levels and no more; now and then, the
    // oldest stored level is still the text it was recorded with.
    void expectConsistent(int step) {
        ASSERT_EQ(program.history.count(), static_cast<int>(levels.size())) << "step " << step;
        ASSERT_LE(program.history.count(), maxHistoryLevels);
        ASSERT_LE(program.history.states.capacity(), maxHistoryLevels);
        ASSERT_EQ(program.history.current(), current) << "step " << step;
        ASSERT_EQ(program.history.label(current), levels[static_cast<size_t>(current)].label);
        ASSERT_EQ(sessionText(program), levels[static_cast<size_t>(current)].text)
            << "step " << step;
        if (step % 10 == 0) {
            ASSERT_EQ(sessionText(program.history.states[0]), levels.front().text)
                << "step " << step;
        }
        // Stored levels hold no arrow shapes and no results.
        const ReactorSession& newest = program.history.states[program.history.count() - 1];
        for (const Vreaction& r : newest.vReactor.reactions)
            ASSERT_TRUE(r.branches.empty());
        ASSERT_TRUE(newest.weightedObservation.values.empty());
    }

    // Undoes all the way, checking every level on the way and the first one
    // at the end, then returns to where the user was.
    void expectUndoToTheStart(int step) {
        const int was = current;
        for (int i = current - 1; i >= 0; --i) {
            ASSERT_TRUE(program.undo());
            ASSERT_EQ(sessionText(program), levels[static_cast<size_t>(i)].text)
                << "step " << step << ", level " << i;
        }
        EXPECT_FALSE(program.undo());
        ASSERT_EQ(sessionText(program), levels.front().text) << "step " << step;
        if (levels.front().label == "[New session]") {
            EXPECT_FALSE(program.session.modified);
        }
        ASSERT_TRUE(program.goTo(was));
        ASSERT_EQ(sessionText(program), levels[static_cast<size_t>(was)].text);
    }

    RecordingMessageSink messages;
    Program program{""};
    std::mt19937 random{20240611};
    std::vector<Level> levels;
    int current = 0;
};

TEST_F(LongUse, TenThousandEditsUndoRedoAndJumpsKeepEveryLevelExact) {
    int edits = 0;
    int historyMoves = 0;
    int mostLevels = 0;
    for (int step = 1; edits < 10000; ++step) {
        if (pick(4) == 0) {
            move();
            ++historyMoves;
        } else if (edit()) {
            ++edits;
        }
        if (HasFatalFailure()) return;
        expectConsistent(step);
        if (HasFatalFailure()) return;
        mostLevels = std::max(mostLevels, program.history.count());
        if (step % 500 == 0) expectUndoToTheStart(step);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(historyMoves, 2500);
    EXPECT_EQ(mostLevels, maxHistoryLevels) << "long use fills the history";
}

} // namespace
