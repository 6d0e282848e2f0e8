// Hostile session files: each one is opened, repaired or refused as its row
// says, and runs through the reader harness of the fuzz targets, which checks
// that an opened file computes, turns into equations and saves into a file
// that opens as it was, and that a refused one changes nothing. Past fuzzing
// findings are replayed through the same harness.
#include "readerharness.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string hostileFolder = std::string(VELUMBRA_TEST_DATA) + "/hostile/";
const std::string findingsFolder = std::string(VELUMBRA_TEST_DATA) + "/fuzz-regressions/";

std::string component(const std::string& name, const std::string& extra = "") {
    return "<component>\nname=" + name + "\n" + extra + "</component>\n";
}

std::string session(const std::string& vReactor) {
    return "<Velumbra Session>\n<vReactor>\n" + vReactor + "</vReactor>\n</Velumbra Session>\n";
}

// Files too large to keep in the repository.
std::string generated(const std::string& name) {
    std::string text;
    if (name == "one-long-line") return std::string(100000, 'x');
    if (name == "long-name") return session(component(std::string(100000, 'N')));
    if (name == "10000-components") {
        for (int i = 0; i < 10000; ++i)
            text += component("C" + std::to_string(i));
        return session(text);
    }
    if (name == "10000-shortcuts") {
        text = component("A", "initial concentration=1\n");
        for (int i = 0; i < 10000; ++i)
            text += component("A", "shortcut=true\n");
        text += "<reaction>\n";
        for (int i = 1; i <= 100; ++i)
            text += "<reactant>\nindex=" + std::to_string(i) + "\n</reactant>\n";
        return session(text + "</reaction>\n");
    }
    if (name == "10000-reactions") {
        text = component("A");
        for (int i = 0; i < 10000; ++i)
            text += "<reaction>\n</reaction>\n";
        return session(text);
    }
    ADD_FAILURE() << "no generator for " << name;
    return text;
}

std::string bytesOf(const std::string& name) {
    if (std::filesystem::exists(hostileFolder + name)) return readFileBytes(hostileFolder + name);
    return generated(name);
}

using Check = std::function<void(const ReactorSession& s, const std::string& status)>;

struct HostileFile {
    std::string name;
    ReaderHarness::Outcome outcome;
    Check check;
};

constexpr auto opened = ReaderHarness::Outcome::opened;
constexpr auto refused = ReaderHarness::Outcome::refused;

const Vcomponent& named(const ReactorSession& s, const std::string& name) {
    for (const Vcomponent& c : s.vReactor.components)
        if (c.name == name) return c;
    ADD_FAILURE() << "no component " << name;
    return s.vReactor.components.dummy;
}

std::vector<HostileFile> hostileFiles() {
    return {
        {"empty.vsn", refused, {}},
        {"garbage.vsn", refused, {}},
        {"one-long-line", refused, {}},
        {"unclosed-session.vsn", refused, {}},
        {"10000-components", refused, {}},
        {"10000-reactions", refused, {}},
        {"order-million.vsn", refused, {}},
        {"long-name", opened,
         [](const ReactorSession& s, const std::string&) {
             ASSERT_EQ(s.vReactor.components.count(), 1);
             EXPECT_EQ(s.vReactor.components[0].name.size(), 100000u);
         }},
        {"10000-shortcuts", opened,
         [](const ReactorSession& s, const std::string&) {
             EXPECT_EQ(s.vReactor.components.count(), 10001);
             ASSERT_EQ(s.vReactor.reactions.count(), 1);
             // A hundred entries of one component on one side are one entry of order 100.
             ASSERT_EQ(s.vReactor.reactions[0].reactants.count(), 1);
             EXPECT_EQ(s.vReactor.reactions[0].reactants[0].order, 100);
         }},
        {"unclosed-vreactor.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             EXPECT_TRUE(s.systemEmpty()) << "the reaction system has no block";
             EXPECT_EQ(s.reactor.simulationTime, 7);
             EXPECT_TRUE(s.weightedObservation.active);
         }},
        {"stray-closings.vsn", opened, {}},
        {"wrong-nesting.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             // Each block runs from its opening to its first closing line.
             EXPECT_EQ(s.reactor.timeResolution, 0.01);
             EXPECT_EQ(s.reactor.simulationTime, 5);
             EXPECT_TRUE(s.vReactor.components.empty());
             EXPECT_EQ(s.animation.period, 4);
             EXPECT_TRUE(s.kineticsView.logY) << "its block holds the animation's end";
         }},
        {"keys-without-values.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             // An empty double reads as 1, an empty integer as 0.
             EXPECT_EQ(s.reactor.timeResolution, 1);
             const Vcomponent& c = s.vReactor.components[0];
             EXPECT_EQ(c.name, "A") << "an empty name is replaced by a free one";
             const Reactant& e = s.vReactor.reactions[0].reactants[0];
             EXPECT_EQ(std::pair(e.order, e.port), std::pair(1, 1)) << "order 0 repaired";
         }},
        {"numbers.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             EXPECT_EQ(s.reactor.timeResolution, 0.0015) << "1,5e-3";
             EXPECT_EQ(s.reactor.simulationTime, 1) << "0x10 is no number";
             EXPECT_EQ(named(s, "Huge").initialConcentration, 1e100);
             EXPECT_EQ(named(s, "NotANumber").initialConcentration, 0);
             EXPECT_EQ(s.kineticsView.magY, KineticsView::minMagnitude);
         }},
        {"bad-indices.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             const Llist<Reactant>& entries = s.vReactor.reactions[0].reactants;
             ASSERT_EQ(entries.count(), 2) << "entries pointing nowhere are removed";
             EXPECT_EQ(entries[0].index, 0);
             EXPECT_EQ(entries[1].index, 1);
         }},
        {"orders-repaired.vsn", opened,
         [](const ReactorSession& s, const std::string&) {
             const Llist<Reactant>& entries = s.vReactor.reactions[0].reactants;
             EXPECT_EQ(entries[0].order, 1);
             EXPECT_EQ(entries[1].order, 1);
         }},
        {"time-step-zero.vsn", opened,
         [](const ReactorSession& s, const std::string& status) {
             EXPECT_EQ(s.reactor.timeResolution, 0);
             EXPECT_EQ(status.substr(0, 3), "ok;") << "every point at t = 0";
         }},
        {"time-step-negative.vsn", opened, {}},
        {"simulation-time-huge.vsn", opened, {}},
        {"animation-period-zero.vsn", opened,
         [](const ReactorSession& s, const std::string& status) {
             EXPECT_EQ(s.animation.period, 0);
             EXPECT_TRUE(s.vReactor.components[0].animate);
             EXPECT_EQ(status.substr(0, 3), "ok;");
         }},
    };
}

TEST(HostileFiles, EachIsOpenedRepairedOrRefusedAsExpected) {
    TempDir dir;
    std::vector<std::string> covered;
    for (const HostileFile& f : hostileFiles()) {
        SCOPED_TRACE(f.name);
        covered.push_back(f.name);
        ReaderHarness harness(dir.path());
        const ReaderHarness::SessionRun run = harness.session(bytesOf(f.name));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        EXPECT_EQ(run.outcome, f.outcome);
        if (run.outcome == opened && f.check) f.check(run.opened, run.status);
        // The settings readers take the same bytes.
        harness.preferences(bytesOf(f.name));
        harness.recentFiles(bytesOf(f.name));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
    }
    // Every committed hostile session file has its row; SBML documents have theirs
    // in the exchange tests.
    for (const auto& entry : std::filesystem::directory_iterator(hostileFolder)) {
        if (entry.path().extension() != ".vsn") continue;
        const std::string name = entry.path().filename().string();
        EXPECT_NE(std::find(covered.begin(), covered.end(), name), covered.end()) << name;
    }
}

// Each file that once broke a rule under the fuzzer stays fixed.
TEST(HostileFiles, PastFuzzingFindingsBreakNoRule) {
    TempDir dir;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(findingsFolder)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README" ||
            entry.path().extension() == ".xml" || entry.path().extension() == ".txt")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        ReaderHarness harness(dir.path());
        harness.all(readFileBytes(entry.path().string()));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

} // namespace
