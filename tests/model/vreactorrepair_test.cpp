#include "model/vreactor.h"

#include "support/reactorfixture.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Names = std::vector<std::string>;

Lines componentBlock(const std::string& name, bool shortcut, const Lines& extra = {}) {
    Lines lines = {"<component>", "name=" + name, shortcut ? "shortcut=true" : "shortcut=false"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.push_back("</component>");
    return lines;
}

struct Entry {
    std::string index, order, port;
};

Lines reactionBlock(const std::vector<Entry>& entries, const Lines& extra = {}) {
    Lines lines = {"<reaction>"};
    for (const Entry& e : entries)
        lines.insert(lines.end(), {"<reactant>", "index=" + e.index, "order=" + e.order,
                                   "port=" + e.port, "</reactant>"});
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.push_back("</reaction>");
    return lines;
}

class VreactorRepairTest : public ReactorFixture {
protected:
    // Reads a "vReactor" block made of the given parts, then repairs it.
    RepairReport read(const std::vector<Lines>& parts) {
        reactor = Vreactor();
        reactor.lines.clear();
        reactor.lines.add("<vReactor>");
        for (const Lines& part : parts)
            for (const std::string& line : part)
                reactor.lines.add(line);
        reactor.lines.add("</vReactor>");
        EXPECT_TRUE(reactor.load("vReactor", ""));
        return reactor.repair();
    }

    // Every operation must be usable on a repaired model.
    void exercise() {
        reactor.receive(sessionReplaced);
        reactor.extent();
        reactor.selectAll();
        reactor.moveSelected({1, 1});
        reactor.setRateConstants(2, true);
        for (int r = 0; r < reactor.reactions.count(); ++r)
            for (int side : {-1, 1})
                EXPECT_LE(reactor.orderSum(r, side), Vreactor::maxOrderSum);
        reactor.setConnectSource(0);
        reactor.connectComponents(reactor.components.last());
        while (!reactor.components.empty())
            reactor.deleteComponent(reactor.components.last());
    }

    Names indices(int reaction) { return entriesOf(reactor.reactions[reaction]); }
};

TEST_F(VreactorRepairTest, TooManyObjectsOrTooLargeOrderSumsAreRefused) {
    using R = RepairReport::Refusal;
    const std::vector<Lines> ab = {componentBlock("A", false), componentBlock("B", false)};
    std::vector<Lines> components, reactions;
    for (int i = 0; i < 101; ++i) {
        components.push_back(componentBlock("C" + std::to_string(i), false));
        reactions.push_back(reactionBlock({}));
    }
    std::vector<Lines> withShortcut(components.begin(), components.end() - 1);
    withShortcut.push_back(componentBlock("C0", true)); // shortcuts do not count
    const auto plus = [&](const std::vector<Entry>& e) {
        std::vector<Lines> parts = ab;
        parts.push_back(reactionBlock(e));
        return parts;
    };
    const std::pair<std::vector<Lines>, R> cases[] = {
        {components, R::tooManyComponents},
        {withShortcut, R::none},
        {reactions, R::tooManyReactions},
        {plus({{"0", "2147483647", "-1"}}), R::orderSumTooLarge},
        {plus({{"0", "60", "1"}, {"1", "41", "1"}}), R::orderSumTooLarge},
        {plus({{"0", "2147483647", "1"}, {"1", "2147483647", "1"}, {"0", "2147483647", "1"}}),
         R::orderSumTooLarge},
        {plus({{"0", "60", "1"}, {"1", "40", "1"}, {"0", "100", "-1"}}), R::none}};
    for (const auto& [parts, refusal] : cases)
        EXPECT_EQ(read(parts).refusal, refusal) << parts.size();
}

TEST_F(VreactorRepairTest, NamesAreMadeUniqueAndOrphanShortcutsRemoved) {
    // Objects: "" (unique), "" (shortcut), B, B (second unique), Z (orphan
    // shortcut), B (shortcut).
    const RepairReport report = read(
        {componentBlock("", false), componentBlock("", true), componentBlock("B", false),
         componentBlock("B", false), componentBlock("Z", true), componentBlock("B", true),
         reactionBlock({{"3", "1", "-1"}, {"4", "1", "-1"}, {"5", "1", "1"}, {"1", "1", "1"}})});
    EXPECT_EQ(report.repairs, 3);
    EXPECT_EQ(objectNames(), (Names{"A", "A'", "B", "C", "B'"}));
    // The duplicate keeps its entry under its new name; the orphan's entry
    // is gone; the shortcuts keep theirs.
    EXPECT_EQ(indices(0), (Names{"3:1:-1", "4:1:1", "1:1:1"}));
    exercise();
}

TEST_F(VreactorRepairTest, NamesLoseBlockMarkersAndLineBreaksAndShortcutsFollow) {
    const RepairReport report = read({componentBlock("a<b>", false), componentBlock("<>", false),
                                      componentBlock("x\x01y\r", false), componentBlock("B", false),
                                      componentBlock("B>", false), componentBlock("a<b>", true),
                                      reactionBlock({{"5", "1", "-1"}, {"4", "1", "1"}})});
    EXPECT_EQ(report.repairs, 4);
    // Nothing left, or a taken name left: the next free name.
    EXPECT_EQ(objectNames(), (Names{"ab", "A", "xy", "B", "C", "ab'"}));
    EXPECT_EQ(indices(0), (Names{"5:1:-1", "4:1:1"}));
    exercise();
}

} // namespace
