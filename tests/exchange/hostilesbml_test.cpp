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
    if (name == "law-10000-factors") {
        for (int i = 0; i < 10000; ++i)
            text += "<ci>A</ci>";
        return reactionModel("<apply><times/><ci>k</ci>" + text + "</apply>");
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

TEST(HostileSbml, Probe) {
    TempDir dir;
    std::vector<std::string> names = {"apply-100000-deep", "law-10000-terms", "law-10000-factors", "101-species", "100-species", "over-size-limit"};
    for (const auto& entry : std::filesystem::directory_iterator(hostileFolder))
        if (isSbml(entry.path())) names.push_back(entry.path().filename().string());
    for (const std::string& name : names) {
        SbmlHarness harness(dir.path());
        const SbmlHarness::SbmlRun run = harness.sbml(bytesOf(name));
        std::printf("== %s: %s | %s\n", name.c_str(), run.outcome == ReaderHarness::Outcome::opened ? "OPENED" : "refused", run.message.c_str());
        for (auto& p : harness.problems) std::printf("   PROBLEM %s\n", p.c_str());
        if (run.outcome == ReaderHarness::Outcome::opened) {
            for (const Vcomponent& c : run.imported.vReactor.components) std::printf("   comp [%s] %d %d sc=%d\n", c.name.c_str(), c.pos.x, c.pos.y, c.shortcut);
            std::printf("   status %s\n", run.status.c_str());
        }
    }
}

} // namespace
