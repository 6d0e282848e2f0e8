// Hostile SBML documents: each one is imported or refused as its row says,
// through the harness of the SBML fuzz target, which checks that an accepted
// model computes, turns into equations, saves and opens as it was and exports
// again, and that a refused one shows its message and changes nothing. Past
// fuzzing findings of the import are replayed through the same harness.
#include "sbmlharness.h"

#include "exchange/sbmlimport.h"
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

bool isSbml(const std::filesystem::path& file) {
    return file.extension() == ".xml";
}

// The committed model of one reaction A -> B with another kinetic law.
std::string reactionModel(const std::string& law) {
    std::string text = readFileBytes(hostileFolder + "law-101-factors.xml");
    const size_t start = text.find('>', text.find("<math")) + 1;
    return text.replace(start, text.find("</math>") - start, law);
}

std::string repeated(int times, const std::string& piece) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Documents too large to keep in the repository.
std::string generated(const std::string& name) {
    if (name == "apply-100000-deep")
        return reactionModel(repeated(100000, "<apply><times/><ci>k</ci>") + "<ci>A</ci>" +
                             repeated(100000, "</apply>"));
    if (name == "law-10000-terms")
        return reactionModel("<apply><plus/>" +
                             repeated(10000, "<apply><times/><ci>k</ci><ci>A</ci></apply>") +
                             "</apply>");
    if (name == "60000-elements")
        return reactionModel("<apply><times/><ci>k</ci>" + repeated(60000, "<ci>A</ci>") +
                             "</apply>");
    if (name == "over-size-limit")
        return reactionModel("<cn>1</cn>") + "<!--" + std::string(maxSbmlFileBytes, ' ') + "-->";
    ADD_FAILURE() << "no generator for " << name;
    return std::string();
}

std::string bytesOf(const std::string& name) {
    if (std::filesystem::exists(hostileFolder + name)) return readFileBytes(hostileFolder + name);
    return generated(name);
}

using Check = std::function<void(const ReactorSession& imported)>;

constexpr auto accepted = ReaderHarness::Outcome::opened;
constexpr auto refused = ReaderHarness::Outcome::refused;

struct HostileDocument {
    std::string name;
    ReaderHarness::Outcome outcome;
    // Part of the refusal, or the check of the accepted model.
    std::string refusal;
    Check check;
};

std::vector<std::string> uniqueNames(const ReactorSession& s) {
    std::vector<std::string> names;
    for (const Vcomponent& c : s.vReactor.components)
        if (!c.shortcut) names.push_back(c.name);
    return names;
}

// The reaction's entries as "name:port:order".
std::vector<std::string> entries(const ReactorSession& s, int reaction) {
    std::vector<std::string> list;
    for (const Reactant& e : s.vReactor.reactions[reaction].reactants)
        list.push_back(s.vReactor.components[e.index].name + ":" + std::to_string(e.port) + ":" +
                       std::to_string(e.order));
    return list;
}

std::vector<HostileDocument> hostileDocuments() {
    using Names = std::vector<std::string>;
    return {
        {"not-xml.xml", refused, "invalid XML", {}},
        {"not-sbml.xml", refused, "invalid SBML", {}},
        {"billion-laughs.xml", refused, "invalid XML: a document type declaration", {}},
        {"external-entity.xml", refused, "invalid XML: a document type declaration", {}},
        {"utf7-encoding.xml", refused, "invalid XML: the encoding UTF-7", {}},
        {"ebcdic.xml", refused, "invalid XML: the encoding EBCDIC", {}},
        {"apply-100000-deep", refused, "XML elements nested deeper than 1000 levels", {}},
        {"60000-elements", refused, "more than 50000 XML elements", {}},
        {"over-size-limit", refused, "larger than 50 MB", {}},
        {"law-10000-terms", refused, "not mass action (a law nested deeper than 1000 levels)", {}},
        {"law-101-factors.xml", refused, "not mass action (a species of an order above 100)", {}},
        {"law-power-tower.xml", refused, "not mass action (a species of an order above 100)", {}},
        {"stoichiometry-1e9.xml", refused, "not a whole number from 1 to 100", {}},
        {"order-sum-110.xml", refused, "reaction \"r1\": an order sum above 100 on one side", {}},
        {"101-species.xml", refused, "more than 100 species", {}},
        {"order-sum-100.xml", accepted, "",
         [](const ReactorSession& s) {
             EXPECT_EQ(entries(s, 0), (Names{"A:-1:60", "B:-1:40", "C:1:1"}));
         }},
        {"100-species.xml", accepted, "",
         [](const ReactorSession& s) { EXPECT_EQ(s.vReactor.uniqueComponentCount(), 100); }},
        {"markup-in-comments-and-values.xml", accepted, "",
         [](const ReactorSession& s) {
             EXPECT_EQ(uniqueNames(s), (Names{"a/b", "B"}));
         }},
        {"colliding-names.xml", accepted, "",
         [](const ReactorSession& s) {
             // Each name once: a taken name gives way to the species' id.
             EXPECT_EQ(uniqueNames(s), (Names{"A", "B", "X?", "D", "E"}));
             EXPECT_EQ(entries(s, 0), (Names{"A:-1:1", "B:1:1"}));
         }},
        {"names-hostile.xml", accepted, "",
         [](const ReactorSession& s) {
             EXPECT_EQ(uniqueNames(s), (Names{"reaction", "/vReactor/Velumbra Session",
                                              "line break  tab", "snow?man ? \xE9\x80", "E"}));
         }},
        {"layout-1e300.xml", accepted, "",
         [](const ReactorSession& s) {
             const Llist<Vcomponent>& c = s.vReactor.components;
             ASSERT_EQ(c.count(), 3) << "B's second glyph is a shortcut";
             EXPECT_EQ(std::pair(c[0].pos.x, c[0].pos.y), std::pair(Vreactor::maxX, 0));
             EXPECT_EQ(std::pair(c[1].pos.x, c[1].pos.y), std::pair(0, Vreactor::maxY));
             EXPECT_TRUE(c[2].shortcut);
             // The product entry sits at the shortcut its glyph names.
             EXPECT_EQ(s.vReactor.reactions[0].reactants[1].index, 2);
         }},
    };
}

TEST(HostileSbml, EachIsImportedOrRefusedAsExpected) {
    TempDir dir;
    std::vector<std::string> covered;
    for (const HostileDocument& d : hostileDocuments()) {
        SCOPED_TRACE(d.name);
        covered.push_back(d.name);
        SbmlHarness harness(dir.path());
        const SbmlHarness::SbmlRun run = harness.sbml(bytesOf(d.name));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        ASSERT_EQ(run.outcome, d.outcome) << run.message;
        if (run.outcome == refused)
            EXPECT_NE(run.message.find(d.refusal), std::string::npos) << run.message;
        else if (d.check)
            d.check(run.imported);
    }
    // Every committed hostile SBML document has its row.
    for (const auto& entry : std::filesystem::directory_iterator(hostileFolder)) {
        if (!isSbml(entry.path())) continue;
        const std::string name = entry.path().filename().string();
        EXPECT_NE(std::find(covered.begin(), covered.end(), name), covered.end()) << name;
    }
}

// Each SBML document that once broke a rule under the fuzzer stays fixed.
TEST(HostileSbml, PastFuzzingFindingsBreakNoRule) {
    TempDir dir;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(findingsFolder)) {
        if (!isSbml(entry.path())) continue;
        SCOPED_TRACE(entry.path().filename().string());
        SbmlHarness harness(dir.path());
        (void)harness.sbml(readFileBytes(entry.path().string()));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        ++replayed;
    }
    if (replayed == 0) GTEST_SKIP() << "no SBML findings yet";
}

} // namespace
