// Before anything that includes libsbml.
#include "exchange/corewithsbml.h"

#include "exchange/sbmlexport.h"

#include "exchange/sbmlnames.h"
#include "exchange/xmltext.h"
#include "foundation/numberformat.h"
#include "foundation/windows1252.h"
#include "session/reactorsession.h"

#include <sbml/SBMLTypes.h>
#include <sbml/packages/layout/common/LayoutExtensionTypes.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

LIBSBML_CPP_NAMESPACE_USE

using namespace sbmlnames;

namespace {

// Enough digits for any double to come back unchanged.
std::string exact(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string boolText(bool value) {
    return value ? "true" : "false";
}

// The reactor's switching rule as a factor of time: a direction starts on and
// turns over at every switch time up to and including the time, so it is off
// in [s1, s2), [s3, s4), ... of the sorted times, and from the last one on
// when their number is odd.
std::string switchFactor(const Llist<ReactionSwitch>& switches) {
    std::vector<double> times;
    for (const ReactionSwitch& s : switches)
        times.push_back(s.at);
    std::sort(times.begin(), times.end());
    std::string condition;
    for (size_t i = 0; i < times.size(); i += 2) {
        if (!condition.empty()) condition += " || ";
        if (i + 1 < times.size())
            condition += "(time >= " + exact(times[i]) + " && time < " + exact(times[i + 1]) + ")";
        else
            condition += "(time >= " + exact(times[i]) + ")";
    }
    return "piecewise(0, " + condition + ", 1)";
}

// k · [switches] · Π[side]^order for one direction.
std::string directionTerm(const Vreactor& system, const Vreaction& reaction,
                          const std::string& constant, const Llist<ReactionSwitch>& switches,
                          int side) {
    std::string term = constant;
    if (!switches.empty()) term += " * " + switchFactor(switches);
    for (const Reactant& entry : reaction.reactants) {
        if (entry.port != side) continue;
        const int u = system.uniqueIndexOf(system.components[entry.index].name);
        term += " * " + speciesId(u);
        if (entry.order != 1) term += "^" + std::to_string(entry.order);
    }
    return term;
}

std::string kineticFormula(const Vreactor& system, const Vreaction& reaction, int i) {
    const std::string compartment = compartmentId;
    const std::string forward =
        reaction.active ? directionTerm(system, reaction, forwardId(i), reaction.switches, -1) : "";
    const std::string backward =
        reaction.activeBack
            ? directionTerm(system, reaction, backwardId(i), reaction.switchesBack, +1)
            : "";
    if (!reaction.activeBack) return compartment + " * " + forward;
    if (!reaction.active) return "-(" + compartment + " * " + backward + ")";
    return compartment + " * (" + forward + " - " + backward + ")";
}

std::string openElement(const std::string& name) {
    return "<" + std::string(velumbraPrefix) + ":" + name + " xmlns:" + velumbraPrefix + "=\"" +
           velumbraNamespace + "\"";
}

std::string componentAnnotation(const Vcomponent& c) {
    return openElement("component") + attribute("color", std::to_string(c.color)) +
           attribute("weight", exact(c.weight)) + attribute("monitor", boolText(c.monitor)) +
           attribute("asX", boolText(c.asX)) + attribute("animate", boolText(c.animate)) + "/>";
}

std::string reactionAnnotation(const Vreaction& r) {
    std::string text = openElement("reaction") + attribute("geometry", std::to_string(r.geometry)) +
                       attribute("animate", boolText(r.animate)) +
                       attribute("animateBack", boolText(r.animateBack));
    // The constant of an inactive direction has no parameter of its own.
    if (!r.active) text += attribute("rateConstant", exact(r.rateConstant));
    if (!r.activeBack) text += attribute("rateConstantBack", exact(r.rateConstantBack));
    // In the user's order, which the piecewise factor does not keep.
    for (const auto& [name, list] :
         {std::pair{"switches", &r.switches}, std::pair{"switchesBack", &r.switchesBack}}) {
        std::string times;
        for (const ReactionSwitch& s : *list)
            times += (times.empty() ? "" : " ") + exact(s.at);
        if (!times.empty()) text += attribute(name, times);
    }
    return text + "/>";
}

// The sections SBML has no place for (simulation settings, weighted
// observation, kinetics view, animation) in the session file's own lines.
std::string sessionAnnotation(const ReactorSession& session) {
    ReactorSession settings(session);
    settings.vReactor = Vreactor();
    const int precision = numberPrecision;
    numberPrecision = ReactorSession::filePrecision;
    {
        DecimalSeparatorScope dot('.');
        (void)settings.TextStream::save(ReactorSession::blockName, "");
    }
    numberPrecision = precision;
    std::string text = openElement("session") +
                       attribute("useGrid", boolText(session.vReactor.useGrid)) +
                       attribute("showGrid", boolText(session.vReactor.showGrid)) + ">";
    for (const std::string& line : settings.lines) {
        const size_t start = line.find_first_not_of(' ');
        text += "<velumbra:line>" +
                escapeXml(windows1252ToUtf8(start == std::string::npos ? "" : line.substr(start))) +
                "</velumbra:line>";
    }
    return text + "</velumbra:session>";
}

// Room for the labels beside the outermost objects.
constexpr int drawingMargin = 60;

void setBox(GraphicalObject* glyph, LayoutPkgNamespaces& ns, Poi centre, int half) {
    BoundingBox box(&ns, glyph->getId() + "_box", centre.x - half, centre.y - half, 2 * half,
                    2 * half);
    glyph->setBoundingBox(&box);
}

void addLayout(Model* model, const Vreactor& system) {
    auto* plugin = static_cast<LayoutModelPlugin*>(model->getPlugin("layout"));
    if (!plugin) return;
    LayoutPkgNamespaces ns(3, 2, 1);
    Layout* layout = plugin->createLayout();
    layout->setId(layoutId);
    // From the positions alone: a stored system carries no arrow shapes.
    int width = 1;
    int height = 1;
    for (const Vcomponent& c : system.components) {
        width = std::max(width, c.pos.x + drawingMargin);
        height = std::max(height, c.pos.y + drawingMargin);
    }
    for (const Vreaction& r : system.reactions) {
        width = std::max(width, r.pos.x + drawingMargin);
        height = std::max(height, r.pos.y + drawingMargin);
    }
    Dimensions size(&ns, width, height);
    layout->setDimensions(&size);
    for (int o = 0; o < system.components.count(); ++o) {
        const Vcomponent& c = system.components[o];
        SpeciesGlyph* glyph = layout->createSpeciesGlyph();
        glyph->setId(componentGlyphId(o));
        glyph->setSpeciesId(speciesId(system.uniqueIndexOf(c.name)));
        setBox(glyph, ns, c.pos, Vcomponent::bodyRadius);
        if (c.shortcut)
            glyph->setAnnotation(openElement("object") + attribute("shortcut", "true") + "/>");
    }
    for (int i = 0; i < system.reactions.count(); ++i) {
        const Vreaction& r = system.reactions[i];
        if (!r.active && !r.activeBack) continue;
        ReactionGlyph* glyph = layout->createReactionGlyph();
        glyph->setId(reactionGlyphId(i));
        glyph->setReactionId(reactionId(i));
        setBox(glyph, ns, r.pos, Vreaction::centreRadius);
        for (int j = 0; j < r.reactants.count(); ++j) {
            const Reactant& entry = r.reactants[j];
            SpeciesReferenceGlyph* branch = glyph->createSpeciesReferenceGlyph();
            branch->setId(entryGlyphId(i, j));
            branch->setSpeciesGlyphId(componentGlyphId(entry.index));
            branch->setSpeciesReferenceId(entryId(i, j));
            branch->setRole(entry.port < 0 ? SPECIES_ROLE_SUBSTRATE : SPECIES_ROLE_PRODUCT);
            LineSegment* line = branch->createLineSegment();
            const Poi end = system.components[entry.index].pos;
            const Point start(&ns, r.pos.x, r.pos.y);
            const Point finish(&ns, end.x, end.y);
            line->setStart(&start);
            line->setEnd(&finish);
            if (entry.align)
                branch->setAnnotation(openElement("entry") + attribute("align", "true") + "/>");
        }
    }
}

} // namespace

std::string sbmlDocumentText(const ReactorSession& session) {
    const Vreactor& system = session.vReactor;
    SBMLNamespaces ns(3, 2, "layout", 1);
    SBMLDocument document(&ns);
    document.setPackageRequired("layout", false);
    Model* model = document.createModel();
    model->setId("velumbra_model");
    model->setAnnotation(sessionAnnotation(session));

    Compartment* compartment = model->createCompartment();
    compartment->setId(compartmentId);
    compartment->setSize(1);
    compartment->setSpatialDimensions(3.0);
    compartment->setConstant(true);

    for (int u = 0; u < system.uniqueComponentCount(); ++u) {
        const Vcomponent& c = system.uniqueComponent(u);
        Species* species = model->createSpecies();
        species->setId(speciesId(u));
        species->setName(windows1252ToUtf8(c.name));
        species->setCompartment(compartmentId);
        species->setInitialConcentration(c.initialConcentration);
        species->setHasOnlySubstanceUnits(false);
        species->setBoundaryCondition(c.constant);
        species->setConstant(c.constant);
        species->setAnnotation(componentAnnotation(c));
    }

    for (int i = 0; i < system.reactions.count(); ++i) {
        const Vreaction& r = system.reactions[i];
        if (!r.active && !r.activeBack) continue;
        for (const auto& [active, id, name, value] :
             {std::tuple{r.active, forwardId(i), forwardId(i), r.rateConstant},
              std::tuple{r.activeBack, backwardId(i), backwardName(i), r.rateConstantBack}}) {
            if (!active) continue;
            Parameter* parameter = model->createParameter();
            parameter->setId(id);
            parameter->setName(name);
            parameter->setValue(value);
            parameter->setConstant(true);
        }
        Reaction* reaction = model->createReaction();
        reaction->setId(reactionId(i));
        reaction->setReversible(r.active && r.activeBack);
        for (int j = 0; j < r.reactants.count(); ++j) {
            const Reactant& entry = r.reactants[j];
            SpeciesReference* reference =
                entry.port < 0 ? reaction->createReactant() : reaction->createProduct();
            reference->setId(entryId(i, j));
            reference->setSpecies(
                speciesId(system.uniqueIndexOf(system.components[entry.index].name)));
            reference->setStoichiometry(entry.order);
            reference->setConstant(true);
        }
        KineticLaw* law = reaction->createKineticLaw();
        const std::unique_ptr<ASTNode> math(
            SBML_parseL3Formula(kineticFormula(system, r, i).c_str()));
        law->setMath(math.get());
        reaction->setAnnotation(reactionAnnotation(r));
    }
    addLayout(model, system);

    SBMLWriter writer;
    return writer.writeSBMLToStdString(&document);
}

bool exportSbml(const ReactorSession& session, const std::string& fileName, std::string& error) {
    const std::string text = sbmlDocumentText(session);
    if (!writeWholeFile(fileName, text)) {
        error = "Failed to export SBML model: " + fileName;
        return false;
    }
    return true;
}
