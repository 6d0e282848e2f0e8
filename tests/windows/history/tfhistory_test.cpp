#include "windows/history/tfhistory.h"

#include "session/history.h"
#include "windows/windowtest.h"

namespace {

struct State {
    int value = 0;
};

} // namespace

TEST(TFhistory, ListsTheLevelsAndJumpsOnAClick) {
    std::vector<int> restored;
    History<State> history([&](const State& s) { restored.push_back(s.value); });
    const std::pair<int, const char*> edits[] = {
        {0, "[New session]"}, {1, "New component"}, {2, "Change time step"}, {3, "Delete all"}};
    for (const auto& [value, label] : edits)
        history.push(State{value}, label, false);
    history.undo();
    restored.clear();

    TFhistory window(history);
    EXPECT_EQ(window.windowTitle(), "History");
    ASSERT_EQ(window.levels->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.levels->item(i)->text(), edits[i].second);
    EXPECT_EQ(window.levels->currentRow(), 2);
    EXPECT_TRUE(restored.empty()) << "filling jumps nowhere";

    window.show();
    const auto clickRow = [&](int row) {
        const QRect r = window.levels->visualItemRect(window.levels->item(row));
        QTest::mouseClick(window.levels->viewport(), Qt::LeftButton, {}, r.center());
    };
    clickRow(0);
    EXPECT_EQ(history.current(), 0);
    clickRow(3);
    EXPECT_EQ(history.current(), 3);
    EXPECT_EQ(restored, (std::vector<int>{0, 3}));
    EXPECT_TRUE(window.isVisible());
}
