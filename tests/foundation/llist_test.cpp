#include "foundation/llist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Llist<int> listOf(std::vector<int> values, bool keepOrder = true, int growStep = 4) {
    Llist<int> list(0, growStep, keepOrder);
    for (int v : values)
        list.add(v);
    return list;
}

std::vector<int> contents(const Llist<int>& list) {
    return {list.begin(), list.end()};
}

TEST(Llist, EmptyListAlwaysYieldsDummyAndIgnoresRemove) {
    for (int mode : {0, 1}) {
        Llist<int> list;
        list.dummy = 42;
        list.outOfRangeMode = mode;
        EXPECT_EQ(list.at(0), 42);
        EXPECT_EQ(list.at(-1), 42);
        EXPECT_EQ(list.at(7), 42);
        list.remove(0);
        list.remove(-1);
        EXPECT_EQ(list.last(), -1);
    }
}

TEST(Llist, OutOfRangeAccessFollowsModeAndKeepsCursor) {
    Llist<int> list = listOf({10, 20, 30});
    list.dummy = -1;
    list.at(1);
    EXPECT_EQ(list.at(-5), -1);
    EXPECT_EQ(list.at(list.last() + 3), -1);
    EXPECT_EQ(list.cursor, 1);

    list.outOfRangeMode = 1;
    EXPECT_EQ(list.at(-5), 10);
    EXPECT_EQ(list.at(list.last() + 3), 30);
    EXPECT_EQ(list.cursor, 1);
    EXPECT_EQ(list.at(2), 30);
    EXPECT_EQ(list.cursor, 2);
}

TEST(Llist, RemovalKeepsOrderOrFillsTheHoleWithTheLast) {
    Llist<int> ordered = listOf({1, 2, 3, 4, 5}, true);
    ordered.remove(1);
    EXPECT_EQ(contents(ordered), (std::vector<int>{1, 3, 4, 5}));

    Llist<int> unordered = listOf({1, 2, 3, 4, 5}, false);
    unordered.remove(1);
    EXPECT_EQ(contents(unordered), (std::vector<int>{1, 5, 3, 4}));
    unordered.remove(unordered.last());
    EXPECT_EQ(contents(unordered), (std::vector<int>{1, 5, 3}));

    Llist<int> viaCursor = listOf({1, 2, 3});
    viaCursor.at(0);
    viaCursor.remove(-1);
    EXPECT_EQ(contents(viaCursor), (std::vector<int>{2, 3}));

    viaCursor.remove(5);
    viaCursor.remove(-2);
    EXPECT_EQ(contents(viaCursor), (std::vector<int>{2, 3}));
}

TEST(Llist, CapacityGrowsByStepAndShrinksToCount) {
    Llist<int> list(0, 4, true);
    list.add(1);
    EXPECT_EQ(list.capacity(), 4);
    for (int i = 2; i <= 5; ++i)
        list.add(i);
    EXPECT_EQ(list.capacity(), 8);
    EXPECT_EQ(list.cursor, 4);
    // 5 elements, capacity 8: shrinking starts once the count falls below 8 - 4.
    list.remove(0);
    EXPECT_EQ(list.capacity(), 8);
    list.remove(0);
    EXPECT_EQ(list.capacity(), 3);
    EXPECT_EQ(contents(list), (std::vector<int>{3, 4, 5}));

    Llist<int> single = listOf({9});
    single.remove(0);
    EXPECT_EQ(single.capacity(), 0);
    EXPECT_TRUE(single.empty());

    Llist<int> step(0, -3, true);
    EXPECT_EQ(step.growStep, 1);
}

TEST(Llist, InsertShiftsAppendsOrIgnores) {
    Llist<int> list = listOf({1, 2, 3});
    list.insert(9, 1);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 9, 2, 3}));
    EXPECT_EQ(list.cursor, 1);
    list.insert(7, 100);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 9, 2, 3, 7}));
    EXPECT_EQ(list.cursor, 4);
    list.insert(5, -2);
    EXPECT_EQ(list.count(), 5);
    list.at(0);
    list.insert(0, -1);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 1, 9, 2, 3, 7}));
}

TEST(Llist, ResizeTruncatesKeepsOrResetsAndClears) {
    Llist<int> list = listOf({1, 2, 3, 4});
    list.resize(2, true);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.capacity(), 2);
    list.resize(10, false);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 0}));
    list.resize(0);
    EXPECT_EQ(list.last(), -1);
}

TEST(Llist, CopyIsDeepAndCarriesSettings) {
    Llist<std::string> original(0, 7, false);
    original.dummy = "none";
    original.outOfRangeMode = 1;
    original.add("a");
    original.add("b");
    Llist<std::string> copy = original;
    copy.at(0) = "changed";
    EXPECT_EQ(original.at(0), "a");
    EXPECT_EQ(copy.dummy, "none");
    EXPECT_EQ(copy.growStep, 7);
    EXPECT_EQ(copy.outOfRangeMode, 1);
    EXPECT_FALSE(copy.keepOrder);

    Llist<std::string>& alias = copy;
    copy = alias;
    EXPECT_EQ(copy.count(), 2);
}

TEST(Llist, CursorLoopEndsAtLast) {
    Llist<int> list = listOf({4, 5, 6});
    int sum = 0;
    for (list.cursor = -1; list.cursor < list.last();)
        sum += list.at(list.cursor + 1);
    EXPECT_EQ(sum, 15);
    EXPECT_EQ(list.cursor, list.last());
}

} // namespace
