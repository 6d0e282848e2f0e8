#include "model/vreactor.h"

#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class VreactorSortingTest : public ReactorFixture {
protected:
    std::vector<Names> species() const {
        std::vector<Names> result;
        for (int r = 0; r < reactor.reactions.count(); ++r)
            result.push_back(entries(r));
        return result;
    }
};

TEST_F(VreactorSortingTest, ExchangingReactionsSwapsAllTheirData) {
    const int a = component({56, 56}), b = component({168, 56});
    const int r1 = reaction({112, 56}), r2 = reaction({112, 112});
    connect(a, r1, -1);
    connect(b, r1, 1);
    connect(b, r2, -1, 2);
    connect(a, r2, 1);
    reactor.reactions[r2].rateConstant = 7;
    reactor.reactions[r2].activeBack = true;
    const std::vector<Names> before = species();
    log.events.clear();

    EXPECT_TRUE(reactor.exchangeReactions(r1, r2));
    EXPECT_EQ(species(), (std::vector<Names>{{"B-2", "A+1"}, {"A-1", "B+1"}}));
    EXPECT_EQ(reactor.reactions[0].rateConstant, 7);
    EXPECT_TRUE(reactor.reactions[0].activeBack);
    EXPECT_EQ(reactor.reactions[0].pos, (Poi{112, 112}));
    EXPECT_TRUE(log.events.empty());

    for (auto [i, j] : {std::pair{0, 2}, std::pair{-1, 0}, std::pair{1, 5}})
        EXPECT_FALSE(reactor.exchangeReactions(i, j)) << i << "," << j;
    EXPECT_TRUE(reactor.exchangeReactions(1, 0));
    EXPECT_EQ(species(), before);
    EXPECT_TRUE(reactor.exchangeReactions(1, 1));
    EXPECT_EQ(species(), before);
}

TEST_F(VreactorSortingTest, ExchangingComponentsKeepsEveryReactionsSpecies) {
    // Objects: A, B, A', C, B' (shortcuts marked with ').
    const int a = component({56, 56}), b = component({168, 56});
    const int as = shortcutOf(a, {56, 168});
    const int c = component({280, 56});
    const int bs = shortcutOf(b, {168, 168});
    const int r1 = reaction({112, 56}), r2 = reaction({224, 56}), r3 = reaction({112, 112});
    connect(a, r1, -1);
    connect(bs, r1, 1, 2);
    connect(b, r2, -1);
    connect(c, r2, 1);
    connect(as, r3, -1);
    connect(c, r3, -1);
    connect(b, r3, 1);
    reactor.components[c].initialConcentration = 3;
    reactor.components[c].constant = true;
    const std::vector<Names> kept = species();
    const Poi posA = reactor.components[a].pos, posC = reactor.components[c].pos;

    // Unique components 0 (A) and 2 (C): list positions 0 and 3.
    EXPECT_TRUE(reactor.exchangeComponents(0, 2));
    EXPECT_EQ(objectNames(), (Names{"C", "B", "A'", "A", "B'"}));
    EXPECT_EQ(species(), kept);
    EXPECT_EQ(reactor.uniqueComponent(0).initialConcentration, 3);
    EXPECT_TRUE(reactor.uniqueComponent(0).constant);
    EXPECT_EQ(reactor.components[0].pos, posC);
    EXPECT_EQ(reactor.components[3].pos, posA);

    EXPECT_TRUE(reactor.exchangeComponents(1, 0));
    EXPECT_EQ(objectNames(), (Names{"B", "C", "A'", "A", "B'"}));
    EXPECT_EQ(species(), kept);

    const Names names = objectNames();
    for (auto [u, v] : {std::pair{0, 3}, std::pair{-1, 1}, std::pair{2, 99}})
        EXPECT_FALSE(reactor.exchangeComponents(u, v)) << u << "," << v;
    EXPECT_TRUE(reactor.exchangeComponents(2, 2));
    EXPECT_EQ(objectNames(), names);
    EXPECT_EQ(species(), kept);
}

} // namespace
