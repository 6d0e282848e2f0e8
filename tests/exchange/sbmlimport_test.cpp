#include "exchange/sbmlimport.h"

#include "engine/reactor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

// An SBML document written by hand: the level's header around the model's
// lists.
std::string document(int level, int version, const std::string& body) {
    const std::string ns =
        level == 3 ? "http://www.sbml.org/sbml/level3/version" + std::to_string(version) + "/core"
                   : "http://www.sbml.org/sbml/level2/version" + std::to_string(version);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sbml xmlns=\"" + ns + "\" level=\"" +
           std::to_string(level) + "\" version=\"" + std::to_string(version) +
           "\">\n<model id=\"m\">\n" + body + "</model>\n</sbml>\n";
}

std::string math(const std::string& content) {
    return "<math xmlns=\"http://www.w3.org/1998/Math/MathML\">" + content + "</math>";
}

std::string ci(const std::string& id) {
    return "<ci>" + id + "</ci>";
}

std::string op(const std::string& op, const std::string& args) {
    return "<apply><" + op + "/>" + args + "</apply>";
}

// Level 3: one compartment, species "A" and "B", the reaction given.
std::string level3(double size, const std::string& species, const std::string& parameters,
                   const std::string& reactions, const std::string& extra = "") {
    return document(3, 2,
                    "<listOfCompartments><compartment id=\"c\" size=\"" + std::to_string(size) +
                        "\" constant=\"true\"/></listOfCompartments>\n<listOfSpecies>" + species +
                        "</listOfSpecies>\n" +
                        (parameters.empty()
                             ? ""
                             : "<listOfParameters>" + parameters + "</listOfParameters>\n") +
                        "<listOfReactions>" + reactions + "</listOfReactions>\n" + extra);
}

std::string species3(const std::string& id, const std::string& value, bool amounts,
                     bool boundary = false) {
    return "<species id=\"" + id + "\" compartment=\"c\" " + value + " hasOnlySubstanceUnits=\"" +
           (amounts ? "true" : "false") + "\" boundaryCondition=\"" +
           (boundary ? "true" : "false") + "\" constant=\"false\"/>";
}

std::string reference(const std::string& species, const std::string& stoichiometry = "1",
                      const std::string& constant = "true") {
    return "<speciesReference species=\"" + species + "\" stoichiometry=\"" + stoichiometry +
           "\" constant=\"" + constant + "\"/>";
}

std::string reaction3(const std::string& reactants, const std::string& products,
                      const std::string& law, const std::string& extra = "",
                      const std::string& locals = "") {
    return "<reaction id=\"r1\" reversible=\"false\"><listOfReactants>" + reactants +
           "</listOfReactants><listOfProducts>" + products + "</listOfProducts>" + extra +
           "<kineticLaw>" + math(law) +
           (locals.empty() ? "" : "<listOfLocalParameters>" + locals + "</listOfLocalParameters>") +
           "</kineticLaw></reaction>";
}

// Concentrations of the named components after `time`, at a step of 1e-4.
std::map<std::string, double> curvesAt(const ReactorSession& session, double time) {
    Vreactor system = session.vReactor;
    Reactor reactor(&system);
    reactor.timeResolution = 1e-4;
    reactor.init();
    const int steps = static_cast<int>(std::lround(time / reactor.timeResolution));
    for (int i = 0; i < steps; ++i)
        EXPECT_TRUE(reactor.advance());
    std::map<std::string, double> values;
    for (int u = 0; u < system.uniqueComponentCount(); ++u)
        values[system.uniqueComponent(u).name] = reactor.concentrations[u];
    return values;
}

} // namespace

// Each form computes the source model's curves. The reference solutions are
// exact; Euler's method at a step of 1e-4 stays within 1e-4 relative of them
// over these times, so 1e-3 separates a right conversion from a wrong factor.
TEST(SbmlImportTest, MassActionFormsGiveTheSourceModelsCurves) {
    const double e = std::exp(-0.5);
    const std::string kA = op("times", ci("k") + ci("A"));
    const struct {
        const char* form;
        std::string text;
        std::map<std::string, double> expected; // at t = 1
    } cases[] = {
        {"L3, concentrations in 2.5, global k, law c*k*A",
         level3(2.5,
                species3("A", "initialConcentration=\"2\"", false) +
                    species3("B", "initialConcentration=\"0\"", false),
                "<parameter id=\"k\" value=\"0.5\" constant=\"true\"/>",
                reaction3(reference("A"), reference("B"), op("times", ci("c") + kA))),
         {{"A", 2 * e}, {"B", 2 - 2 * e}}},
        {"L3, amounts in 2.5, local k, law k*A",
         level3(2.5,
                species3("A", "initialAmount=\"5\"", true) +
                    species3("B", "initialAmount=\"0\"", true),
                "",
                reaction3(reference("A"), reference("B"), kA, "",
                          "<localParameter id=\"k\" value=\"0.5\"/>")),
         {{"A", 5 * e}, {"B", 5 - 5 * e}}},
        {"L3, an amount given for concentrations in 2.5: the law divides by the volume",
         level3(2.5,
                species3("A", "initialAmount=\"5\"", false) +
                    species3("B", "initialAmount=\"0\"", false),
                "<parameter id=\"k\" value=\"0.5\" constant=\"true\"/>",
                reaction3(reference("A"), reference("B"), op("times", ci("c") + kA))),
         {{"A", 2 * e}, {"B", 2 - 2 * e}}},
        {"L3, the local k shadows the global one",
         level3(1,
                species3("A", "initialConcentration=\"1\"", false) +
                    species3("B", "initialConcentration=\"0\"", false),
                "<parameter id=\"k\" value=\"7\" constant=\"true\"/>",
                reaction3(reference("A"), reference("B"), kA, "",
                          "<localParameter id=\"k\" value=\"0.5\"/>")),
         {{"A", e}, {"B", 1 - e}}},
        {"L2V4, reversible A = B, kf = 2, kr = 1",
         document(
             2, 4,
             "<listOfCompartments><compartment id=\"c\" size=\"1\"/></listOfCompartments>"
             "<listOfSpecies><species id=\"A\" compartment=\"c\" initialConcentration=\"1\"/>"
             "<species id=\"B\" compartment=\"c\" initialConcentration=\"0\"/>"
             "</listOfSpecies><listOfParameters><parameter id=\"kf\" value=\"2\"/>"
             "<parameter id=\"kr\" value=\"1\"/></listOfParameters><listOfReactions>"
             "<reaction id=\"r1\" reversible=\"true\"><listOfReactants>"
             "<speciesReference species=\"A\"/></listOfReactants><listOfProducts>"
             "<speciesReference species=\"B\"/></listOfProducts><kineticLaw>" +
                 math(op("times", ci("c") + op("minus", op("times", ci("kf") + ci("A")) +
                                                            op("times", ci("kr") + ci("B"))))) +
                 "</kineticLaw></reaction></listOfReactions>"),
         {{"A", 1.0 / 3 + 2.0 / 3 * std::exp(-3.0)}, {"B", 2.0 / 3 - 2.0 / 3 * std::exp(-3.0)}}},
        {"L3, an enzyme E as a modifier in the law k*E*S",
         level3(1,
                species3("S", "initialConcentration=\"1\"", false) +
                    species3("P", "initialConcentration=\"0\"", false) +
                    species3("E", "initialConcentration=\"0.5\"", false),
                "<parameter id=\"k\" value=\"1\" constant=\"true\"/>",
                reaction3(reference("S"), reference("P"), op("times", ci("k") + ci("E") + ci("S")),
                          "<listOfModifiers><modifierSpeciesReference species=\"E\"/>"
                          "</listOfModifiers>")),
         {{"S", e}, {"P", 1 - e}, {"E", 0.5}}},
        {"L3, a boundary species A feeds B at k*A^2 with stoichiometry 2",
         level3(1,
                species3("A", "initialConcentration=\"2\"", false, true) +
                    species3("B", "initialConcentration=\"0\"", false),
                "<parameter id=\"k\" value=\"0.25\" constant=\"true\"/>",
                reaction3(reference("A", "2"), reference("B"),
                          op("times", ci("k") + op("power", ci("A") + "<cn>2</cn>")))),
         {{"A", 2}, {"B", 1}}},
    };
    for (const auto& c : cases) {
        const SbmlImport imported = importSbmlText(c.text);
        ASSERT_TRUE(imported.ok) << c.form << ": " << imported.message;
        const std::map<std::string, double> values = curvesAt(imported.session, 1.0);
        for (const auto& [name, expected] : c.expected) {
            ASSERT_TRUE(values.count(name)) << c.form << ": " << name;
            EXPECT_NEAR(values.at(name), expected, 1e-3 * std::max(1.0, expected))
                << c.form << ": " << name;
        }
    }
}

TEST(SbmlImportTest, ModifierAndBoundarySpeciesBecomeWhatTheReactorNeeds) {
    const std::string text =
        level3(1,
               species3("S", "initialConcentration=\"1\"", false) +
                   species3("E", "initialConcentration=\"0.5\"", false, true),
               "<parameter id=\"k\" value=\"1\" constant=\"true\"/>",
               reaction3(reference("S"), "", op("times", ci("k") + ci("E") + ci("S"))));
    const SbmlImport imported = importSbmlText(text);
    ASSERT_TRUE(imported.ok) << imported.message;
    const Vreactor& v = imported.session.vReactor;
    ASSERT_EQ(v.uniqueComponentCount(), 2);
    EXPECT_TRUE(v.uniqueComponent(1).constant);
    ASSERT_EQ(v.reactions.count(), 1);
    // S on the left; E on both sides with order 1.
    std::multimap<std::string, int> sides;
    for (const Reactant& e : v.reactions[0].reactants) {
        EXPECT_EQ(e.order, 1);
        sides.emplace(v.components[e.index].name, e.port);
    }
    EXPECT_EQ(sides, (std::multimap<std::string, int>{{"E", -1}, {"E", 1}, {"S", -1}}));
    // Drawn without a layout: nothing on top of anything else.
    std::vector<Poi> places;
    for (const Vcomponent& c : v.components)
        places.push_back(c.pos);
    for (const Vreaction& r : v.reactions)
        places.push_back(r.pos);
    for (size_t i = 0; i < places.size(); ++i)
        for (size_t j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(places[i].x == places[j].x && places[i].y == places[j].y) << i << " " << j;
}

TEST(SbmlImportTest, UnsupportedFormsAreRefusedNamingTheFirstOne) {
    const std::string ab = species3("A", "initialConcentration=\"1\"", false) +
                           species3("B", "initialConcentration=\"0\"", false);
    const std::string k = "<parameter id=\"k\" value=\"1\" constant=\"true\"/>";
    const std::string kA = op("times", ci("k") + ci("A"));
    const std::string simple = reaction3(reference("A"), reference("B"), kA);
    const struct {
        const char* form;
        std::string text;
        const char* expected; // part of the message
    } cases[] = {
        {"assignment rule",
         level3(1, ab, k, simple,
                "<listOfRules><assignmentRule variable=\"k\">" + math("<cn>2</cn>") +
                    "</assignmentRule></listOfRules>"),
         "assignment rule \"k\""},
        {"algebraic rule",
         level3(1, ab, k, simple,
                "<listOfRules><algebraicRule>" + math(op("minus", ci("A") + ci("B"))) +
                    "</algebraicRule></listOfRules>"),
         "algebraic rule"},
        {"event",
         level3(1, ab, k, simple,
                "<listOfEvents><event id=\"ev\" useValuesFromTriggerTime=\"true\">"
                "<trigger initialValue=\"false\" persistent=\"true\">" +
                    math(op("gt", "<csymbol encoding=\"text\" definitionURL="
                                  "\"http://www.sbml.org/sbml/symbols/time\">t"
                                  "</csymbol><cn>1</cn>")) +
                    "</trigger></event></listOfEvents>"),
         "event \"ev\""},
        {"delay",
         level3(1, ab, k,
                reaction3(reference("A"), reference("B"),
                          op("times", ci("k") + "<apply><csymbol encoding=\"text\" definitionURL="
                                                "\"http://www.sbml.org/sbml/symbols/delay\">delay"
                                                "</csymbol><ci>A</ci><cn>1</cn></apply>"))),
         "a delay"},
        {"Michaelis-Menten",
         level3(1, ab, k + "<parameter id=\"Km\" value=\"1\" constant=\"true\"/>",
                reaction3(reference("A"), reference("B"),
                          op("divide", kA + op("plus", ci("Km") + ci("A"))))),
         "kinetic law of reaction \"r1\""},
        {"non-integer stoichiometry",
         level3(1, ab, k, reaction3(reference("A", "1.5"), reference("B"), kA)),
         "species reference \"A\""},
        {"variable stoichiometry",
         level3(1, ab, k, reaction3(reference("A", "1", "false"), reference("B"), kA)),
         "species reference \"A\""},
        {"compartments of different sizes",
         document(3, 2,
                  "<listOfCompartments><compartment id=\"c\" size=\"1\" constant=\"true\"/>"
                  "<compartment id=\"d\" size=\"2\" constant=\"true\"/></listOfCompartments>"
                  "<listOfSpecies>" +
                      species3("A", "initialConcentration=\"1\"", false) +
                      "<species id=\"B\" compartment=\"d\" initialConcentration=\"0\" "
                      "hasOnlySubstanceUnits=\"false\" boundaryCondition=\"false\" "
                      "constant=\"false\"/></listOfSpecies>"),
         "species \"B\""},
    };
    for (const auto& c : cases) {
        const SbmlImport imported = importSbmlText(c.text);
        EXPECT_FALSE(imported.ok) << c.form;
        EXPECT_EQ(imported.message.rfind("Cannot import SBML: ", 0), 0u) << imported.message;
        EXPECT_NE(imported.message.find(c.expected), std::string::npos)
            << c.form << ": " << imported.message;
    }
}

TEST(SbmlImportTest, FunctionDefinitionsAndInitialAssignmentsAreExpandedFirst) {
    const std::string text = level3(1,
                                    species3("A", "initialConcentration=\"0\"", false) +
                                        species3("B", "initialConcentration=\"0\"", false),
                                    "<parameter id=\"k\" value=\"0.5\" constant=\"true\"/>",
                                    reaction3(reference("A"), reference("B"),
                                              "<apply><ci>f</ci>" + ci("k") + ci("A") + "</apply>"),
                                    "<listOfInitialAssignments><initialAssignment symbol=\"A\">" +
                                        math(op("times", "<cn>2</cn><cn>3</cn>")) +
                                        "</initialAssignment></listOfInitialAssignments>");
    // The function definition goes before the other lists.
    std::string withFunction = text;
    withFunction.insert(withFunction.find("<listOfCompartments>"),
                        "<listOfFunctionDefinitions><functionDefinition id=\"f\">" +
                            math("<lambda><bvar><ci>x</ci></bvar><bvar><ci>y</ci></bvar>" +
                                 op("times", ci("x") + ci("y")) + "</lambda>") +
                            "</functionDefinition></listOfFunctionDefinitions>");
    const SbmlImport imported = importSbmlText(withFunction);
    ASSERT_TRUE(imported.ok) << imported.message;
    EXPECT_DOUBLE_EQ(imported.session.vReactor.uniqueComponent(0).initialConcentration, 6);
    EXPECT_NEAR(curvesAt(imported.session, 1.0).at("A"), 6 * std::exp(-0.5), 6e-3);
}
