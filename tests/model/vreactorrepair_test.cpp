#include "model/vreactor.h"

#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

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

    std::vector<std::string> entries(int reaction) {
        std::vector<std::string> result;
        for (const Reactant& r : reactor.reactions[reaction].reactants)
            result.push_back(std::to_string(r.index) + ":" + std::to_string(r.order) + ":" +
                             std::to_string(r.port));
        return result;
    }
};

TEST_F(VreactorRepairTest, EntriesOutsideTheListOrWithBadOrdersAndPorts) {
    const RepairReport report = read({componentBlock("A", false), componentBlock("B", false),
                                      reactionBlock({{"2", "1", "-1"},
                                                     {"-1", "1", "1"},
                                                     {"0", "-5", "-7"},
                                                     {"1", "0", "0"},
                                                     {"0", "3", "12"}})});
    EXPECT_FALSE(report.refused());
    EXPECT_EQ(report.repairs, 7);
    EXPECT_EQ(entries(0), (std::vector<std::string>{"0:1:-1", "1:1:1", "0:3:1"}));
    exercise();
}

TEST_F(VreactorRepairTest, OrderSumsAboveTheLimitAreRefused) {
    const std::vector<std::vector<Entry>> refused = {
        {{"0", "2147483647", "-1"}},
        {{"0", "60", "1"}, {"1", "41", "1"}},
        {{"0", "2147483647", "1"}, {"1", "2147483647", "1"}, {"0", "2147483647", "1"}},
    };
    for (const auto& e : refused)
        EXPECT_EQ(read({componentBlock("A", false), componentBlock("B", false), reactionBlock(e)})
                      .refusal,
                  RepairReport::Refusal::orderSumTooLarge);
    EXPECT_FALSE(read({componentBlock("A", false), componentBlock("B", false),
                       reactionBlock({{"0", "60", "1"}, {"1", "40", "1"}, {"0", "100", "-1"}})})
                     .refused());
}

TEST_F(VreactorRepairTest, TooManyComponentsOrReactionsAreRefused) {
    std::vector<Lines> parts;
    for (int i = 0; i < 101; ++i)
        parts.push_back(componentBlock("C" + std::to_string(i), false));
    EXPECT_EQ(read(parts).refusal, RepairReport::Refusal::tooManyComponents);
    parts.pop_back();
    parts.push_back(componentBlock("C0", true)); // shortcuts do not count
    EXPECT_FALSE(read(parts).refused());

    std::vector<Lines> reactions;
    for (int i = 0; i < 101; ++i)
        reactions.push_back(reactionBlock({}));
    EXPECT_EQ(read(reactions).refusal, RepairReport::Refusal::tooManyReactions);
}

TEST_F(VreactorRepairTest, AComponentTwiceOnASideMergesIntoOneEntry) {
    // A, B, a shortcut of A. A: twice left (once by its shortcut), once right.
    read({componentBlock("A", false), componentBlock("B", false), componentBlock("A", true),
          reactionBlock({{"0", "2", "-1"}, {"1", "1", "-1"}, {"2", "3", "-1"}, {"2", "1", "1"}})});
    EXPECT_EQ(entries(0), (std::vector<std::string>{"0:5:-1", "1:1:-1", "2:1:1"}));
    exercise();
}

TEST_F(VreactorRepairTest, NamesAreMadeUniqueAndOrphanShortcutsRemoved) {
    // Objects: "" (unique), "" (shortcut), B, B (second unique), Z (orphan
    // shortcut), B (shortcut).
    const RepairReport report = read(
        {componentBlock("", false), componentBlock("", true), componentBlock("B", false),
         componentBlock("B", false), componentBlock("Z", true), componentBlock("B", true),
         reactionBlock({{"3", "1", "-1"}, {"4", "1", "-1"}, {"5", "1", "1"}, {"1", "1", "1"}})});
    EXPECT_EQ(report.repairs, 3);
    std::vector<std::string> names;
    for (const Vcomponent& c : reactor.components)
        names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "A", "B", "C", "B"}));
    // The duplicate keeps its entry under its new name; the orphan's entry
    // is gone; the shortcuts keep theirs.
    EXPECT_EQ(entries(0), (std::vector<std::string>{"3:1:-1", "4:1:1", "1:1:1"}));
    exercise();
}

TEST_F(VreactorRepairTest, NamesLoseBlockMarkersAndLineBreaksAndShortcutsFollow) {
    const RepairReport report = read({componentBlock("a<b>", false), componentBlock("<>", false),
                                      componentBlock("x\x01y\r", false), componentBlock("B", false),
                                      componentBlock("B>", false), componentBlock("a<b>", true),
                                      reactionBlock({{"5", "1", "-1"}, {"4", "1", "1"}})});
    EXPECT_EQ(report.repairs, 4);
    std::vector<std::string> names;
    for (const Vcomponent& c : reactor.components)
        names.push_back(c.name);
    // Nothing left, or a taken name left: the next free name.
    EXPECT_EQ(names, (std::vector<std::string>{"ab", "A", "xy", "B", "C", "ab"}));
    EXPECT_EQ(entries(0), (std::vector<std::string>{"5:1:-1", "4:1:1"}));
    exercise();
}

TEST_F(VreactorRepairTest, ValuesAndMarks) {
    read({componentBlock("A", false,
                         {"initial concentration=nan", "weight=-inf", "as x=true", "animate=true",
                          "<pos>", "x=99999999999", "y=-5", "</pos>"}),
          componentBlock("B", false, {"initial concentration=1e300", "as x=true"}),
          reactionBlock(
              {}, {"rate constant=-3", "rate constant back=nan", "Geometry=7", "animate B=true"})});
    const Vcomponent &a = reactor.components[0], &b = reactor.components[1];
    EXPECT_EQ(a.initialConcentration, 0);
    EXPECT_EQ(a.weight, -1e100);
    EXPECT_EQ(a.pos, (Poi{Vreactor::maxX, 0}));
    EXPECT_EQ(b.initialConcentration, 1e100);
    EXPECT_TRUE(a.asX && a.animate);
    EXPECT_FALSE(b.asX);
    const Vreaction& r = reactor.reactions[0];
    EXPECT_EQ(r.rateConstant, 0);
    EXPECT_EQ(r.rateConstantBack, 1);
    EXPECT_EQ(r.geometry, Vreaction::movableHorizontal);
    EXPECT_FALSE(r.animateBack);
    exercise();
}

// Random damage to a valid file: whatever is read, a repaired model survives
// every operation (the sanitizers watch), or the model is refused.
TEST_F(VreactorRepairTest, DamagedFilesNeverBreakTheModel) {
    const Lines pieces = {
        "index=",      "order=",       "port=",      "name=",       "shortcut=",
        "x=",          "y=",           "Geometry=",  "<reactant>",  "</reactant>",
        "<component>", "</component>", "<reaction>", "</reaction>", "rate constant="};
    const Lines values = {"-1",  "0",    "1", "2", "7",     "-2147483648", "2147483647",
                          "nan", "true", "A", "",  "1e999", "-3"};
    std::mt19937 random(12345);
    auto pick = [&](const Lines& from) { return from[random() % from.size()]; };
    for (int round = 0; round < 150; ++round) {
        std::vector<Lines> parts = {
            componentBlock("A", false), componentBlock("A", true), componentBlock("B", false),
            reactionBlock({{"0", "1", "-1"}, {"1", "2", "1"}, {"2", "1", "1"}}),
            reactionBlock({{"2", "1", "-1"}, {"0", "1", "1"}})};
        for (int k = 0; k < 6; ++k) {
            Lines& part = parts[random() % parts.size()];
            const auto at = part.begin() + static_cast<long>(random() % part.size());
            part.insert(at, pick(pieces) + pick(values));
        }
        if (!read(parts).refused()) exercise();
    }
}

} // namespace
