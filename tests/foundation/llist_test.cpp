#include "foundation/llist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Llist<int> listOf(std::vector<int> values, bool keepOrder = true) {
    Llist<int> list(0, 4, keepOrder);
    for (int v : values)
        list.add(v);
    return list;
}

std::vector<int> contents(const Llist<int>& list) {
    return {list.begin(), list.end()};
}

// Index -1 means the cursor.
TEST(Llist, RemoveInsertAndResize) {
    const struct {
        bool insert, keepOrder;
        int cursor, index;
        std::vector<int> after;
    } cases[] = {{false, true, 4, 1, {1, 3, 4, 5}},        {false, false, 4, 1, {1, 5, 3, 4}},
                 {false, false, 0, 4, {1, 2, 3, 4}},       {false, true, 2, -1, {1, 2, 4, 5}},
                 {false, true, 0, 5, {1, 2, 3, 4, 5}},     {false, true, 0, -2, {1, 2, 3, 4, 5}},
                 {true, true, 4, 1, {1, 9, 2, 3, 4, 5}},   {true, true, 2, -1, {1, 2, 9, 3, 4, 5}},
                 {true, true, 0, 100, {1, 2, 3, 4, 5, 9}}, {true, true, 0, -2, {1, 2, 3, 4, 5}}};
    for (const auto& c : cases) {
        Llist<int> list = listOf({1, 2, 3, 4, 5}, c.keepOrder);
        list.at(c.cursor);
        c.insert ? list.insert(9, c.index) : list.remove(c.index);
        EXPECT_EQ(contents(list), c.after) << c.insert << " " << c.index;
        EXPECT_TRUE(!c.insert || c.index == -2 || list[list.cursor] == 9); // at the new one
    }
    Llist<int> list = listOf({1, 2, 3});
    list.resize(2, true);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 2}));
    list.resize(10, false);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 0}));
}

} // namespace
