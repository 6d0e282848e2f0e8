#include "windows/animation/parinfo.h"

#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> labels(const Llist<ParInfo>& entries) {
    std::vector<std::string> list;
    for (const ParInfo& e : entries)
        list.push_back(e.label);
    return list;
}

// A + 2B <-> C, C -> D (inactive later), D <- A, and a shortcut of A.
struct ParInfoTest : ::testing::Test {
    ParInfoTest() {
        addComponent(system, "A", 1);
        addComponent(system, "B", 2);
        addShortcut(system, "A");
        addComponent(system, "C", 0);
        addComponent(system, "D", 0);
        addReaction(system, {{0, 1, -1}, {1, 2, -1}, {3, 1, 1}}, 1, true, 0.5, true);
        addReaction(system, {{3, 1, -1}, {4, 1, 1}}, 3);
        addReaction(system, {{4, 1, -1}, {0, 1, 1}}, 1, false, 7, true);
    }
    Vreactor system;
};

} // namespace

TEST_F(ParInfoTest, ActiveDirectionsThenUniqueComponents) {
    const Llist<ParInfo> entries = listParameters(system);
    EXPECT_EQ(labels(entries), (std::vector<std::string>{
                                   "Forward rate constant of A + 2B <-> C",
                                   "Backward rate constant of A + 2B <-> C",
                                   "Rate constant of C -> D",
                                   "Rate constant of D <- A",
                                   "Initial concentration of A",
                                   "Initial concentration of B",
                                   "Initial concentration of C",
                                   "Initial concentration of D",
                               }));
    const double* expected[] = {
        &system.reactions[0].rateConstant,          &system.reactions[0].rateConstantBack,
        &system.reactions[1].rateConstant,          &system.reactions[2].rateConstantBack,
        &system.components[0].initialConcentration, &system.components[1].initialConcentration,
        &system.components[3].initialConcentration, &system.components[4].initialConcentration,
    };
    for (int i = 0; i < entries.count(); ++i)
        EXPECT_EQ(entries[i].parameter, expected[i]) << i;

    system.reactions[1].active = false; // inactive: offers nothing
    EXPECT_EQ(listParameters(system).count(), 7);
}

TEST_F(ParInfoTest, SelectionRulesLaterOnesWin) {
    const Llist<ParInfo> entries = listParameters(system);
    EXPECT_EQ(chooseEntry(entries, "", nullptr), 0);
    EXPECT_EQ(chooseEntry(entries, "No such entry", nullptr), 0);
    EXPECT_EQ(chooseEntry(entries, "Initial concentration of B", nullptr), 5);
    const double* animated = &system.reactions[1].rateConstant;
    EXPECT_EQ(chooseEntry(entries, "Initial concentration of B", animated), 2);
    // An animated value that is not in the list leaves the label's choice.
    const double elsewhere = 0;
    EXPECT_EQ(chooseEntry(entries, "Initial concentration of B", &elsewhere), 5);
    EXPECT_EQ(chooseEntry(Llist<ParInfo>(), "Initial concentration of B", animated), -1);
}

TEST_F(ParInfoTest, KeptPointersAreCheckedAgainstTheSystem) {
    const Llist<ParInfo> entries = listParameters(system);
    for (const ParInfo& e : entries)
        EXPECT_TRUE(holdsParameter(system, e.parameter)) << e.label;
    EXPECT_TRUE(holdsParameter(system, &system.components[2].initialConcentration));
    EXPECT_FALSE(holdsParameter(system, &system.components[0].weight));
    EXPECT_FALSE(holdsParameter(system, nullptr));
    Vreactor other = system;
    EXPECT_FALSE(holdsParameter(other, entries[0].parameter));
}
