#include "session/history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A session stand-in that counts its live copies, so that the test sees how
// many states the history really holds in memory.
struct Doc {
    Doc() { ++live; }
    Doc(const Doc& o) : text(o.text), modified(o.modified) { ++live; }
    Doc& operator=(const Doc&) = default;
    ~Doc() { --live; }
    std::string text;
    bool modified = false;
    static inline int live = 0;
};

using Labels = std::vector<std::string>;

class HistoryTest : public ::testing::Test {
protected:
    Doc session;
    int restores = 0;
    History<Doc> history{[this](const Doc& state) {
        session = state;
        ++restores;
    }};

    void edit(const std::string& label, bool merge = false) {
        session.text = label;
        history.record(session, label, merge);
    }
    void startNew(int levels = maxHistoryLevels) {
        history.setLevels(levels);
        history.clear();
        session.modified = false;
        edit("[New session]");
    }
    Labels labels() const {
        const Text_ all = history.levelLabels();
        return {all.begin(), all.end()};
    }
};

TEST_F(HistoryTest, KeepsTheNewestHundredStatesAndNoMoreInMemory) {
    const int before = Doc::live;
    startNew();
    for (int i = 1; i <= 150; ++i)
        edit("e" + std::to_string(i));
    EXPECT_EQ(Doc::live - before, maxHistoryLevels);
    ASSERT_EQ(history.count(), 100);
    EXPECT_EQ(history.label(0), "e51");
    int undone = 0;
    while (history.undo())
        ++undone;
    EXPECT_EQ(undone, 99);
    EXPECT_EQ(session.text, "e51");
}

TEST_F(HistoryTest, MergingEditsOfTheSameLabel) {
    const std::string time = "Change simulation time", step = "Change time step";
    const std::vector<std::pair<std::vector<std::pair<std::string, bool>>, Labels>> cases = {
        {{{time, true}, {time, true}, {time, true}, {time, true}, {time, true}}, {time}},
        {{{time, true}, {step, true}, {time, true}}, {time, step, time}},
        {{{time, false}, {time, false}}, {time, time}},
        {{{time, false}, {time, true}}, {time}},
        {{{"[New session]", true}}, {}},
    };
    for (const auto& [edits, expected] : cases) {
        startNew();
        for (const auto& [label, merge] : edits)
            edit(label, merge);
        Labels all{"[New session]"};
        all.insert(all.end(), expected.begin(), expected.end());
        EXPECT_EQ(labels(), all);
        EXPECT_EQ(history.current(), history.count() - 1);
    }
}

TEST_F(HistoryTest, AnEditAfterUndoDropsTheRedoBranch) {
    for (bool merge : {false, true}) {
        startNew();
        for (const char* label : {"a", "b", "c"})
            edit(label, merge);
        history.undo();
        history.undo();
        EXPECT_EQ(session.text, "a");
        // A merged edit of the current state's label replaces that state.
        edit("a", merge);
        const Labels expected =
            merge ? Labels{"[New session]", "a"} : Labels{"[New session]", "a", "a"};
        EXPECT_EQ(labels(), expected);
        EXPECT_FALSE(history.redo());
    }
}

TEST_F(HistoryTest, CaptionsNameTheEditUndoneAndTheEditRedone) {
    startNew();
    edit("Change rate constant");
    edit("Add reaction");
    const std::vector<std::pair<int, Labels>> steps = {
        {-1, {"Undo - Change rate constant", "Redo - Add reaction"}},
        {-1, {"Undo", "Redo - Change rate constant"}},
        {-1, {"Undo", "Redo - Change rate constant"}},
        {+1, {"Undo - Change rate constant", "Redo - Add reaction"}},
        {+1, {"Undo - Add reaction", "Redo"}},
        {+1, {"Undo - Add reaction", "Redo"}},
    };
    for (const auto& [move, captions] : steps) {
        move < 0 ? history.undo() : history.redo();
        EXPECT_EQ((Labels{history.undoCaption(), history.redoCaption()}), captions);
    }
    EXPECT_EQ(restores, 4);
    EXPECT_FALSE(history.goTo(3));
    EXPECT_TRUE(history.goTo(0));
    EXPECT_EQ(session.text, "[New session]");
}

TEST_F(HistoryTest, EachStateKeepsTheModifiedFlagFromBeforeItsEdit) {
    startNew();
    EXPECT_FALSE(session.modified);
    edit("a");
    EXPECT_TRUE(session.modified);
    edit("b");
    EXPECT_FALSE(history.states[1].modified);
    EXPECT_TRUE(history.states[2].modified);
    history.goTo(0);
    EXPECT_FALSE(session.modified);
}

TEST_F(HistoryTest, FewerLevelsDropTheOldestStates) {
    // levels asked, levels kept, then states left and current index, from
    // five states with the current index at 2.
    const std::vector<std::vector<int>> cases = {
        {3, 3, 3, 0},
        {2, 2, 2, -1},
        {-7, 0, 0, -1},
        {250, 100, 5, 2},
    };
    for (const auto& c : cases) {
        startNew();
        for (const char* label : {"a", "b", "c", "d"})
            edit(label);
        history.goTo(2);
        history.setLevels(c[0]);
        EXPECT_EQ((std::vector<int>{c[0], history.maxLevels(), history.count(), history.current()}),
                  c);
    }
    // Without levels only the current state is kept.
    startNew(0);
    edit("f");
    EXPECT_EQ(labels(), Labels{"f"});
    startNew(3);
    for (const char* label : {"a", "b", "c", "d"})
        edit(label);
    EXPECT_EQ(labels(), (Labels{"b", "c", "d"}));
}

} // namespace
