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

std::string header() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<sbml xmlns=\"http://www.sbml.org/sbml/level3/version2/core\" level=\"3\" "
           "version=\"2\">\n<model id=\"m\">\n<listOfCompartments><compartment id=\"c\" "
           "size=\"1\" constant=\"true\"/></listOfCompartments>\n";
}

std::string species(const std::string& id) {
    return "<species id=\"" + id +
           "\" compartment=\"c\" initialConcentration=\"1\" hasOnlySubstanceUnits=\"false\" "
           "boundaryCondition=\"false\" constant=\"false\"/>";
}

// One reaction A -> B whose law is `law`, with the parameter k.
std::string reactionModel(const std::string& law) {
    return header() + "<listOfSpecies>" + species("A") + species("B") +
           "</listOfSpecies>\n<listOfParameters><parameter id=\"k\" value=\"1\" "
           "constant=\"true\"/></listOfParameters>\n<listOfReactions><reaction id=\"r1\" "
           "reversible=\"false\"><listOfReactants><speciesReference species=\"A\" "
           "stoichiometry=\"1\" constant=\"true\"/></listOfReactants><listOfProducts>"
           "<speciesReference species=\"B\" stoichiometry=\"1\" constant=\"true\"/>"
           "</listOfProducts><kineticLaw><math xmlns=\"http://www.w3.org/1998/Math/MathML\">" +
           law + "</math></kineticLaw></reaction></listOfReactions>\n</model>\n</sbml>\n";
}

// Documents too large to keep in the repository.
std::string generated(const std::string& name) {
    std::string text;
    if (name == "apply-100000-deep") {
        for (int i = 0; i < 100000; ++i)
            text += "<apply><times/><ci>k</ci>";
        text += "<ci>A</ci>";
        for (int i = 0; i < 100000; ++i)
            text += "</apply>";
        return reactionModel(text);
    }
    if (name == "law-10000-terms") {
        for (int i = 0; i < 10000; ++i)
            text += "<apply><times/><ci>k</ci><ci>A</ci></apply>";
        return reactionModel("<apply><plus/>" + text + "</apply>");
    }
    if (name == "law-101-factors") {
        for (int i = 0; i < 101; ++i)
            text += "<ci>A</ci>";
        return reactionModel("<apply><times/><ci>k</ci>" + text + "</apply>");
    }
    if (name == "law-power-tower") {
        // A^(100^4): the orders multiply beyond any integer.
        text = "<ci>A</ci>";
        for (int i = 0; i < 4; ++i)
            text = "<apply><power/>" + text + "<cn>100</cn></apply>";
        return reactionModel("<apply><times/><ci>k</ci>" + text + "</apply>");
    }
    if (name == "60000-elements") {
        for (int i = 0; i < 60000; ++i)
            text += "<ci>A</ci>";
        return reactionModel("<apply><times/><ci>k</ci>" + text + "</apply>");
    }
    if (name == "utf7-encoding") {
        // "<apply>" nested without a '<' byte.
        for (int i = 0; i < 2000; ++i)
            text += "+ADw-apply+AD4-";
        text = reactionModel(text);
        return text.replace(text.find("UTF-8"), 5, "UTF-7");
    }
    if (name == "ebcdic") return "\x4C\x6F\xA7\x94\x93\x40\xA5\x85\x99\xA2\x89\x96\x95";
    if (name == "markup-in-comments-and-values") {
        // Markup that does not nest: a comment, character data, a quoted '>'.
        text = reactionModel("<apply><times/><ci>k</ci><ci>A</ci></apply>");
        text.insert(text.find("<listOfSpecies>"), "<!--" + std::string(3000, '<') + "<apply>-->");
        text.insert(text.find("<listOfCompartments>"),
                    "<notes><body xmlns=\"http://www.w3.org/1999/xhtml\"><p><![CDATA[" +
                        std::string(3000, '<') + "]]></p></body></notes>");
        const std::string a = "<species id=\"A\"";
        return text.replace(text.find(a), a.size(), a + " name=\"a/>b\"");
    }
    if (name == "101-species") {
        for (int i = 0; i < 101; ++i)
            text += species("S" + std::to_string(i));
        return header() + "<listOfSpecies>" + text + "</listOfSpecies>\n</model>\n</sbml>\n";
    }
    if (name == "100-species") {
        for (int i = 0; i < 100; ++i)
            text += species("S" + std::to_string(i));
        return header() + "<listOfSpecies>" + text + "</listOfSpecies>\n</model>\n</sbml>\n";
    }
    if (name == "over-size-limit") {
        const std::string doc = reactionModel("<apply><times/><ci>k</ci><ci>A</ci></apply>");
        const std::string comment = "<!--" + std::string(maxSbmlFileBytes, ' ') + "-->\n";
        return doc.substr(0, doc.find("<sbml")) + comment + doc.substr(doc.find("<sbml"));
    }
    ADD_FAILURE() << "no generator for " << name;
    return text;
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
        {"utf7-encoding", refused, "invalid XML: the encoding UTF-7", {}},
        {"ebcdic", refused, "invalid XML: the encoding EBCDIC", {}},
        {"apply-100000-deep", refused, "XML elements nested deeper than 1000 levels", {}},
        {"60000-elements", refused, "more than 50000 XML elements", {}},
        {"over-size-limit", refused, "larger than 50 MB", {}},
        {"law-10000-terms", refused, "not mass action (a law nested deeper than 1000 levels)", {}},
        {"law-101-factors", refused, "not mass action (a species of an order above 100)", {}},
        {"law-power-tower", refused, "not mass action (a species of an order above 100)", {}},
        {"stoichiometry-1e9.xml", refused, "not a whole number from 1 to 100", {}},
        {"order-sum-110.xml", refused, "reaction \"r1\": an order sum above 100 on one side", {}},
        {"101-species", refused, "more than 100 species", {}},
        {"order-sum-100.xml", accepted, "",
         [](const ReactorSession& s) {
             EXPECT_EQ(entries(s, 0), (Names{"A:-1:60", "B:-1:40", "C:1:1"}));
         }},
        {"100-species", accepted, "",
         [](const ReactorSession& s) { EXPECT_EQ(s.vReactor.uniqueComponentCount(), 100); }},
        {"markup-in-comments-and-values", accepted, "",
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
