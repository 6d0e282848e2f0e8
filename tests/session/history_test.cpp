#include "session/history.h"

#include "support/lines.h"

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
    // A new session with the edits a, b, c, d.
    void startNew(bool edits = true) {
        history.clear();
        session.modified = false;
        edit("[New session]");
        for (const char* label : {"a", "b", "c", "d"})
            if (edits) edit(label);
    }
    Labels labels() const { return linesOf(history.levelLabels()); }
};

TEST_F(HistoryTest, KeepsTheNewestHundredStatesAndNoMoreInMemory) {
    const int before = Doc::live;
    startNew();
    for (int i = 5; i <= 150; ++i)
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
    const std::string t = "Change simulation time", s = "Change time step";
    const std::vector<std::pair<std::vector<std::pair<std::string, bool>>, Labels>> cases = {
        {{{t, true}, {t, true}, {t, true}}, {t}}, {{{t, true}, {s, true}, {t, true}}, {t, s, t}},
        {{{t, false}, {t, false}}, {t, t}},       {{{t, false}, {t, true}}, {t}},
        {{{"[New session]", true}}, {}},
    };
    for (const auto& [edits, expected] : cases) {
        startNew(false);
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
        history.goTo(2);
        EXPECT_EQ(session.text, "b");
        // A merged edit of the current state's label replaces that state.
        edit("b", merge);
        const Labels expected =
            merge ? Labels{"[New session]", "a", "b"} : Labels{"[New session]", "a", "b", "b"};
        EXPECT_EQ(labels(), expected);
        EXPECT_FALSE(history.redo());
    }
}

TEST_F(HistoryTest, CaptionsNameTheEditUndoneAndTheEditRedone) {
    startNew(false);
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
}

} // namespace
