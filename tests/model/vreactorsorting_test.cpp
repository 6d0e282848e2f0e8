#include "model/vreactor.h"

#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// Objects A, B, A', C, B' (shortcuts marked with '); reactions A -> 2B',
// B -> C and A' + C -> B, the second with its own values. Nothing broadcasts.
class VreactorSortingTest : public ReactorFixture {
protected:
    VreactorSortingTest() {
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
        reactor.reactions[r2].rateConstant = 7;
        reactor.components[c].constant = true;
        log.events.clear();
    }
    std::vector<Names> species() const {
        std::vector<Names> result;
        for (int r = 0; r < reactor.reactions.count(); ++r)
            result.push_back(entries(r));
        return result;
    }
};

// Unique components 0 (A) and 2 (C) are list positions 0 and 3; every
// reaction keeps its species, shortcuts stay where they are.
TEST_F(VreactorSortingTest, ExchangingComponentsKeepsEveryReactionsSpecies) {
    const std::vector<Names> kept = species();
    const Poi posA = reactor.components[0].pos, posC = reactor.components[3].pos;
    EXPECT_TRUE(reactor.exchangeComponents(0, 2));
    EXPECT_EQ(objectNames(), (Names{"C", "B", "A'", "A", "B'"}));
    EXPECT_EQ(species(), kept);
    EXPECT_TRUE(reactor.uniqueComponent(0).constant);
    EXPECT_EQ(reactor.components[0].pos, posC);
    EXPECT_EQ(reactor.components[3].pos, posA);
    EXPECT_TRUE(reactor.exchangeComponents(1, 0));
    EXPECT_EQ(objectNames(), (Names{"B", "C", "A'", "A", "B'"}));
    EXPECT_EQ(species(), kept);
    for (auto [u, v] : {std::pair{0, 3}, std::pair{-1, 1}, std::pair{2, 2}})
        EXPECT_EQ(reactor.exchangeComponents(u, v), u == v) << u << "," << v;
    EXPECT_EQ(objectNames(), (Names{"B", "C", "A'", "A", "B'"}));
    EXPECT_EQ(species(), kept);
}

} // namespace
