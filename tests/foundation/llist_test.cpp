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

TEST(Llist, AccessOutsideYieldsTheDummyOrTheNearestEndAndKeepsTheCursor) {
    Llist<int> empty;
    empty.dummy = 42;
    for (int mode : {0, 1}) {
        empty.outOfRangeMode = mode;
        EXPECT_EQ(empty.at(0), 42);
        EXPECT_EQ(empty.at(-1), 42);
    }
    empty.remove(-1);
    EXPECT_EQ(empty.last(), -1);

    Llist<int> list = listOf({10, 20, 30});
    list.dummy = -1;
    list.at(1);
    EXPECT_EQ(list.at(-5), -1);
    EXPECT_EQ(list.at(3), -1);
    list.outOfRangeMode = 1;
    EXPECT_EQ(list.at(-5), 10);
    EXPECT_EQ(list.at(3), 30);
    EXPECT_EQ(list.cursor, 1);
    EXPECT_EQ(list.at(2), 30);
    EXPECT_EQ(list.cursor, 2);
}

TEST(Llist, RemovalKeepsOrderOrFillsTheHoleWithTheLast) {
    struct Case {
        bool keepOrder;
        int cursor, index;
        std::vector<int> after;
    };
    const Case cases[] = {{true, 4, 1, {1, 3, 4, 5}},    {false, 4, 1, {1, 5, 3, 4}},
                          {false, 0, 4, {1, 2, 3, 4}},   {true, 2, -1, {1, 2, 4, 5}},
                          {true, 0, 5, {1, 2, 3, 4, 5}}, {true, 0, -2, {1, 2, 3, 4, 5}}};
    for (const Case& c : cases) {
        Llist<int> list = listOf({1, 2, 3, 4, 5}, c.keepOrder);
        list.at(c.cursor);
        list.remove(c.index);
        EXPECT_EQ(contents(list), c.after) << c.keepOrder << " " << c.index;
    }
}

TEST(Llist, InsertShiftsAppendsOrIgnores) {
    Llist<int> list = listOf({1, 2, 3});
    list.insert(9, 1);
    EXPECT_EQ(list.cursor, 1);
    list.insert(7, 100);
    EXPECT_EQ(list.cursor, 4);
    list.insert(5, -2);
    list.at(0);
    list.insert(0, -1);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 1, 9, 2, 3, 7}));
}

TEST(Llist, CapacityGrowsByStepShrinksToTheCountAndFollowsResize) {
    Llist<int> list = listOf({1, 2, 3, 4, 5});
    EXPECT_EQ(list.capacity(), 8);
    list.remove(0);
    EXPECT_EQ(list.capacity(), 8);
    list.remove(0); // below 8 - 4
    EXPECT_EQ(list.capacity(), 3);
    list.resize(2, true);
    EXPECT_EQ(contents(list), (std::vector<int>{3, 4}));
    list.resize(10, false);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 0}));
    EXPECT_EQ(list.capacity(), 10);
    list.remove(0);
    list.remove(0);
    EXPECT_EQ(list.capacity(), 0);
}

} // namespace
