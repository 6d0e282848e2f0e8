// Before anything that includes libsbml.
#include "exchange/corewithsbml.h"

#include "exchange/sbmlimport.h"

#include "exchange/autoarrangement.h"
#include "exchange/masslaw.h"
#include "exchange/sbmlnames.h"
#include "exchange/xmlguard.h"
#include "exchange/xmltext.h"
#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"

#include <sbml/SBMLTypes.h>
#include <sbml/conversion/ConversionProperties.h>
#include <sbml/packages/layout/common/LayoutExtensionTypes.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

LIBSBML_CPP_NAMESPACE_USE

namespace {

// A refusal on its way out: the message names the element and its id.
struct Refusal {
    std::string reason;
};

[[noreturn]] void refuse(const std::string& element, const std::string& id,
                         const std::string& detail = std::string()) {
    std::string text = element;
    if (!id.empty()) text += " \"" + id + "\"";
    if (!detail.empty()) text += ": " + detail;
    throw Refusal{text};
}

std::string idOf(const SBase* element) {
    if (element->isSetId()) return element->getId();
    if (element->isSetMetaId()) return element->getMetaId();
    return std::string();
}

// Velumbra's own annotation element of that name, or null.
const XMLNode* velumbraElement(const SBase* element, const std::string& name) {
    const XMLNode* annotation = const_cast<SBase*>(element)->getAnnotation();
    if (!annotation) return nullptr;
    for (unsigned i = 0; i < annotation->getNumChildren(); ++i) {
        const XMLNode& child = annotation->getChild(i);
        if (child.getURI() == sbmlnames::velumbraNamespace && child.getName() == name)
            return &child;
    }
    return nullptr;
}

bool attributeText(const XMLNode* node, const std::string& name, std::string& value) {
    if (!node || !node->hasAttr(name)) return false;
    value = node->getAttrValue(name);
    return true;
}

void readBool(const XMLNode* node, const std::string& name, bool& value) {
    std::string text;
    if (attributeText(node, name, text)) value = text == "true";
}

void readDouble(const XMLNode* node, const std::string& name, double& value) {
    std::string text;
    if (!attributeText(node, name, text)) return;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end && *end == '\0' && !text.empty()) value = v;
}

std::vector<double> readTimes(const XMLNode* node, const std::string& name) {
    std::vector<double> times;
    std::string text;
    if (!attributeText(node, name, text)) return times;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double t = 0;
    while (in >> t)
        times.push_back(t);
    return times;
}

// One side entry before it is drawn: the species and its order.
struct Entry {
    std::string species;
    int port = -1;
    int order = 1;
};

class Importer {
public:
    explicit Importer(Model& model) : model_(model) {}

    ReactorSession run() {
        checkUnsupported();
        readCompartmentAndSpecies();
        readParameters();
        ReactorSession session;
        readSettings(session);
        Vreactor& system = session.vReactor;
        {
            // The new system is built apart from the program; nothing listens.
            NotificationPause pause;
            addComponents(system);
            for (unsigned i = 0; i < model_.getNumReactions(); ++i)
                addReaction(system, *model_.getReaction(i));
            if (!applyLayout(system)) arrangeAutomatically(system);
        }
        if (system.repair().refused())
            refuse("model", model_.getId(), "beyond the limits of the reaction system");
        return session;
    }

private:
    void checkUnsupported() {
        if (model_.getNumRules() > 0) {
            const Rule* rule = model_.getRule(0u);
            const char* kind = rule->isAlgebraic() ? "algebraic rule"
                               : rule->isRate()    ? "rate rule"
                                                   : "assignment rule";
            refuse(kind, rule->isSetVariable() ? rule->getVariable() : idOf(rule));
        }
        if (model_.getNumEvents() > 0) refuse("event", idOf(model_.getEvent(0u)));
        if (model_.getNumConstraints() > 0)
            refuse("constraint", idOf(model_.getConstraint(0u)), "algebraic constraints");
        if (model_.getNumFunctionDefinitions() > 0)
            refuse("function definition", idOf(model_.getFunctionDefinition(0u)));
        if (model_.getNumInitialAssignments() > 0)
            refuse("initial assignment", model_.getInitialAssignment(0u)->getSymbol());
        if (model_.getNumSpecies() > static_cast<unsigned>(Vreactor::maxUniqueComponents))
            refuse("model", model_.getId(), "more than 100 species");
        if (model_.getNumReactions() > static_cast<unsigned>(Vreactor::maxReactions))
            refuse("model", model_.getId(), "more than 100 reactions");
        if (model_.getNumSpecies() == 0) refuse("model", model_.getId(), "no species");
    }

    double compartmentSize(const std::string& id) {
        const Compartment* c = model_.getCompartment(id);
        if (!c) refuse("compartment", id, "not defined");
        if (!c->isSetSize()) refuse("compartment", id, "no size");
        return c->getSize();
    }

    // Velumbra computes concentrations in one volume; SBML rates are amounts
    // per time. All species must share one compartment size and one kind of
    // quantity, amounts or concentrations, which the curves then show.
    void readCompartmentAndSpecies() {
        for (unsigned i = 0; i < model_.getNumSpecies(); ++i) {
            const Species& s = *model_.getSpecies(i);
            const double size = compartmentSize(s.getCompartment());
            const bool amounts = s.getHasOnlySubstanceUnits();
            if (i == 0) {
                volume_ = size;
                amounts_ = amounts;
                if (!(volume_ > 0) || !std::isfinite(volume_))
                    refuse("compartment", s.getCompartment(), "a size that is not positive");
            } else if (size != volume_) {
                refuse("species", s.getId(), "in a compartment of a different size");
            } else if (amounts != amounts_) {
                refuse("species", s.getId(),
                       "amounts and concentrations mixed (hasOnlySubstanceUnits)");
            }
            double value = 0;
            if (s.isSetInitialConcentration())
                value =
                    amounts_ ? s.getInitialConcentration() * volume_ : s.getInitialConcentration();
            else if (s.isSetInitialAmount())
                value = amounts_ ? s.getInitialAmount() : s.getInitialAmount() / volume_;
            else
                refuse("species", s.getId(), "no initial value");
            if (!(value >= 0) || value > Vreactor::maxValue)
                refuse("species", s.getId(), "an initial value out of range");
            initial_[s.getId()] = value;
            speciesOrder_.push_back(s.getId());
        }
    }

    void readParameters() {
        for (unsigned i = 0; i < model_.getNumParameters(); ++i) {
            const Parameter& p = *model_.getParameter(i);
            if (!p.isSetValue()) refuse("parameter", p.getId(), "no value");
            global_[p.getId()] = p.getValue();
        }
    }

    void readSettings(ReactorSession& session) {
        const XMLNode* node = velumbraElement(&model_, "session");
        if (!node) return;
        Text_ lines;
        for (unsigned i = 0; i < node->getNumChildren(); ++i) {
            const XMLNode& line = node->getChild(i);
            if (line.getName() != "line") continue;
            lines.add(utf8ToWindows1252(line.getNumChildren() ? line.getChild(0).getCharacters()
                                                              : std::string()));
        }
        session.lines = std::move(lines);
        (void)session.TextStream::load(ReactorSession::blockName, "");
        session.lines.clear();
        session.vReactor = Vreactor();
        readBool(node, "useGrid", session.vReactor.useGrid);
        readBool(node, "showGrid", session.vReactor.showGrid);
    }

    // A name the reactor accepts and no earlier species has: the SBML name
    // without the characters a rename refuses, else the id, else the id
    // numbered. Entries and shortcuts find their component by name, so two
    // species must never share one.
    std::string componentName(const Species& s, const std::set<std::string>& taken) {
        const auto clean = [](const std::string& text) {
            std::string name;
            for (char ch : utf8ToWindows1252(text)) {
                if (ch == '<' || ch == '>') continue;
                name += static_cast<unsigned char>(ch) < ' ' ? ' ' : ch;
            }
            const size_t first = name.find_first_not_of(' ');
            if (first == std::string::npos) return std::string();
            return name.substr(first, name.find_last_not_of(' ') - first + 1);
        };
        const std::string id = clean(s.getId());
        for (const std::string& name : {clean(s.getName()), id})
            if (!name.empty() && !taken.count(name)) return name;
        const std::string base = id.empty() ? std::string("S") : id;
        for (int n = 2;; ++n) {
            const std::string name = base + "_" + std::to_string(n);
            if (!taken.count(name)) return name;
        }
    }

    void addComponents(Vreactor& system) {
        std::set<std::string> taken;
        for (const std::string& id : speciesOrder_) {
            const Species& s = *model_.getSpecies(id);
            (void)system.addComponent(Poi{});
            Vcomponent& c = system.components[system.components.last()];
            c.name = componentName(s, taken);
            taken.insert(c.name);
            c.initialConcentration = initial_[id];
            c.constant = s.getBoundaryCondition() || s.getConstant();
            const XMLNode* extra = velumbraElement(&s, "component");
            std::string colour;
            if (attributeText(extra, "color", colour)) c.color = std::atoi(colour.c_str());
            readDouble(extra, "weight", c.weight);
            readBool(extra, "monitor", c.monitor);
            readBool(extra, "asX", c.asX);
            readBool(extra, "animate", c.animate);
            objectOf_[id] = system.components.last();
        }
    }

    static int wholeStoichiometry(const SpeciesReference& reference, const Reaction& reaction) {
        if (reference.isSetStoichiometryMath())
            refuse("species reference", reference.getSpecies(),
                   "variable stoichiometry in reaction " + reaction.getId());
        if (reference.getLevel() >= 3 && (!reference.getConstant()))
            refuse("species reference", reference.getSpecies(),
                   "variable stoichiometry in reaction " + reaction.getId());
        double s = reference.getLevel() >= 3 && !reference.isSetStoichiometry()
                       ? std::nan("")
                       : reference.getStoichiometry();
        if (reference.getLevel() == 2 && reference.getDenominator() != 1)
            s /= reference.getDenominator();
        if (!(s >= 1) || s != std::floor(s) || s > Vreactor::maxOrderSum)
            refuse("species reference", reference.getSpecies(),
                   "a stoichiometry that is not a whole number from 1 to 100 in reaction " +
                       reaction.getId());
        return static_cast<int>(s);
    }

    void addReaction(Vreactor& system, const Reaction& reaction) {
        const std::string id = reaction.getId();
        if (!reaction.isSetKineticLaw() || !reaction.getKineticLaw()->isSetMath())
            refuse("reaction", id, "no kinetic law");
        std::map<std::string, int> sides[2];
        std::vector<Entry> entries;
        for (int side = 0; side < 2; ++side) {
            const unsigned n = side == 0 ? reaction.getNumReactants() : reaction.getNumProducts();
            for (unsigned k = 0; k < n; ++k) {
                const SpeciesReference& r =
                    side == 0 ? *reaction.getReactant(k) : *reaction.getProduct(k);
                if (!objectOf_.count(r.getSpecies()))
                    refuse("species reference", r.getSpecies(), "not a species of the model");
                const int order = wholeStoichiometry(r, reaction);
                if (!sides[side].count(r.getSpecies()))
                    entries.push_back({r.getSpecies(), side == 0 ? -1 : +1, 0});
                sides[side][r.getSpecies()] += order;
            }
        }
        for (Entry& e : entries)
            e.order = sides[e.port < 0 ? 0 : 1][e.species];

        const KineticLaw& law = *reaction.getKineticLaw();
        const LawSymbols symbols = [&](const std::string& name) -> std::optional<LawSymbol> {
            if (const LocalParameter* p = law.getLocalParameter(name))
                return LawSymbol{false, p->getValue()};
            if (const Parameter* p = law.getParameter(name)) return LawSymbol{false, p->getValue()};
            if (objectOf_.count(name)) return LawSymbol{true, 0};
            if (global_.count(name)) return LawSymbol{false, global_[name]};
            if (const Compartment* c = model_.getCompartment(name))
                if (c->isSetSize()) return LawSymbol{false, c->getSize()};
            return std::nullopt;
        };
        std::string why;
        const std::optional<std::vector<MassActionTerm>> terms =
            readMassActionLaw(law.getMath(), symbols, why);
        if (!terms) refuse("kinetic law of reaction", id, "not mass action (" + why + ")");
        const MassActionTerm* forward = nullptr;
        const MassActionTerm* backward = nullptr;
        for (const MassActionTerm& t : *terms) {
            const MassActionTerm*& slot = t.sign > 0 ? forward : backward;
            if (slot)
                refuse("kinetic law of reaction", id, "not mass action (two terms of one sign)");
            slot = &t;
        }

        // Species in the law on neither side act on both, as catalysts do.
        std::set<std::string> modifiers;
        for (const MassActionTerm* t : {forward, backward})
            if (t)
                for (const auto& [s, p] : t->powers)
                    if (!sides[0].count(s) && !sides[1].count(s)) modifiers.insert(s);
        for (const std::string& s : modifiers) {
            for (const MassActionTerm* t : {forward, backward})
                if (t && (!t->powers.count(s) || t->powers.at(s) != 1))
                    refuse("kinetic law of reaction", id,
                           "not mass action (modifier " + s + " not of order 1 in every term)");
            entries.push_back({s, -1, 1});
            entries.push_back({s, +1, 1});
            sides[0][s] = 1;
            sides[1][s] = 1;
        }
        for (const auto& side : sides) {
            int sum = 0;
            for (const auto& [species, order] : side)
                sum += order;
            if (sum > Vreactor::maxOrderSum)
                refuse("reaction", id, "an order sum above 100 on one side");
        }
        // The powers of a direction are the orders of its starting side.
        for (int side = 0; side < 2; ++side) {
            const MassActionTerm* t = side == 0 ? forward : backward;
            if (!t) continue;
            if (t->powers != sides[side])
                refuse("kinetic law of reaction", id,
                       std::string("not mass action (the powers of the ") +
                           (side == 0 ? "forward" : "backward") +
                           " term differ from the stoichiometries)");
        }

        Vreaction r;
        // SBML rates are amounts per time: in concentrations they are divided
        // by the volume.
        const double scale = amounts_ ? 1.0 : 1.0 / volume_;
        const XMLNode* extra = velumbraElement(&reaction, "reaction");
        r.active = forward != nullptr;
        r.activeBack = backward != nullptr;
        if (forward) r.rateConstant = forward->coefficient * scale;
        if (backward) r.rateConstantBack = backward->coefficient * scale;
        for (const double k : {r.rateConstant, r.rateConstantBack})
            if (!(k >= 0 && k <= Vreactor::maxValue))
                refuse("kinetic law of reaction", id, "a rate constant out of range");
        readDouble(extra, "rateConstant", r.rateConstant);
        readDouble(extra, "rateConstantBack", r.rateConstantBack);
        for (const auto& [term, list, key] :
             {std::tuple{forward, &r.switches, "switches"},
              std::tuple{backward, &r.switchesBack, "switchesBack"}}) {
            if (!term) continue;
            std::vector<double> times = term->switchTimes;
            // The user's order of the same times, when Velumbra wrote them.
            std::vector<double> ordered = readTimes(extra, key);
            std::vector<double> sorted = ordered;
            std::sort(sorted.begin(), sorted.end());
            if (!ordered.empty() && sorted == times) times = ordered;
            for (double t : times) {
                ReactionSwitch s;
                s.at = t;
                list->add(s);
            }
        }
        std::int32_t geometry = r.geometry;
        std::string text;
        if (attributeText(extra, "geometry", text)) geometry = std::atoi(text.c_str());
        r.geometry = geometry;
        readBool(extra, "animate", r.animate);
        readBool(extra, "animateBack", r.animateBack);
        for (const Entry& e : entries) {
            Reactant entry;
            entry.index = objectOf_[e.species];
            entry.order = e.order;
            entry.port = e.port;
            r.reactants.add(entry);
        }
        reactionIndex_[id] = system.reactions.count();
        system.reactions.add(std::move(r));
    }

    // The first layout of the Layout package, when it draws every species:
    // component objects in glyph order (a species' second glyph is a
    // shortcut), reactions at their glyphs, entries at their glyphs' objects.
    bool applyLayout(Vreactor& system) {
        auto* plugin = static_cast<LayoutModelPlugin*>(model_.getPlugin("layout"));
        if (!plugin || plugin->getNumLayouts() == 0) return false;
        const Layout& layout = *plugin->getLayout(0u);
        std::vector<const SpeciesGlyph*> glyphs;
        std::set<std::string> drawn;
        for (unsigned i = 0; i < layout.getNumSpeciesGlyphs(); ++i) {
            const SpeciesGlyph* g = layout.getSpeciesGlyph(i);
            if (!objectOf_.count(g->getSpeciesId())) continue;
            glyphs.push_back(g);
            drawn.insert(g->getSpeciesId());
        }
        if (drawn.size() != speciesOrder_.size()) return false;

        // Which glyph of a species is the component itself.
        std::map<std::string, const SpeciesGlyph*> own;
        for (const SpeciesGlyph* g : glyphs) {
            bool shortcut = false;
            readBool(velumbraElement(g, "object"), "shortcut", shortcut);
            if (!shortcut && !own.count(g->getSpeciesId())) own[g->getSpeciesId()] = g;
        }
        for (const SpeciesGlyph* g : glyphs)
            if (!own.count(g->getSpeciesId())) own[g->getSpeciesId()] = g;

        // Other programs' drawings may lie anywhere: the centre is kept on the plane.
        const auto onPlane = [](double v, int limit) {
            return std::isfinite(v) ? static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0 * limit)))
                                    : 0;
        };
        const auto centre = [&](const GraphicalObject* g) {
            const BoundingBox* box = g->getBoundingBox();
            return Poi{onPlane(box->x() + box->width() / 2, Vreactor::maxX),
                       onPlane(box->y() + box->height() / 2, Vreactor::maxY)};
        };
        Llist<Vcomponent> objects;
        // The species of each new object, by which entries find their glyphs.
        std::vector<std::string> speciesOfObject;
        std::map<std::string, int> objectOfGlyph;
        std::map<int, int> newIndexOfOld;
        for (const SpeciesGlyph* g : glyphs) {
            const int old = objectOf_[g->getSpeciesId()];
            Vcomponent c = system.components[old];
            c.pos = centre(g);
            if (own[g->getSpeciesId()] != g) {
                Vcomponent shortcut;
                shortcut.name = c.name;
                shortcut.shortcut = true;
                shortcut.color = c.color;
                shortcut.pos = c.pos;
                c = shortcut;
            } else {
                newIndexOfOld[old] = objects.count();
            }
            objectOfGlyph[g->getId()] = objects.count();
            speciesOfObject.push_back(g->getSpeciesId());
            objects.add(std::move(c));
        }
        for (Vreaction& r : system.reactions)
            for (Reactant& e : r.reactants)
                e.index = newIndexOfOld[e.index];
        system.components = std::move(objects);

        for (unsigned i = 0; i < layout.getNumReactionGlyphs(); ++i) {
            const ReactionGlyph& g = *layout.getReactionGlyph(i);
            if (!reactionIndex_.count(g.getReactionId())) continue;
            Vreaction& r = system.reactions[reactionIndex_[g.getReactionId()]];
            if (g.getBoundingBox() && g.getBoundingBox()->width() > 0) r.pos = centre(&g);
            // The entries in the glyphs' order, each at its glyph's object.
            Llist<Reactant> placed;
            std::vector<bool> used(r.reactants.count(), false);
            for (unsigned k = 0; k < g.getNumSpeciesReferenceGlyphs(); ++k) {
                const SpeciesReferenceGlyph& branch = *g.getSpeciesReferenceGlyph(k);
                if (!objectOfGlyph.count(branch.getSpeciesGlyphId())) continue;
                const int object = objectOfGlyph[branch.getSpeciesGlyphId()];
                const int port = branch.getRole() == SPECIES_ROLE_PRODUCT ||
                                         branch.getRole() == SPECIES_ROLE_SIDEPRODUCT
                                     ? +1
                                     : -1;
                for (int j = 0; j < r.reactants.count(); ++j) {
                    Reactant& e = r.reactants[j];
                    if (used[j] || e.port != port ||
                        speciesOfObject[static_cast<size_t>(e.index)] !=
                            speciesOfObject[static_cast<size_t>(object)])
                        continue;
                    used[j] = true;
                    e.index = object;
                    readBool(velumbraElement(&branch, "entry"), "align", e.align);
                    placed.add(e);
                    break;
                }
            }
            for (int j = 0; j < r.reactants.count(); ++j)
                if (!used[j]) placed.add(r.reactants[j]);
            r.reactants = std::move(placed);
        }
        return true;
    }

    Model& model_;
    double volume_ = 1;
    bool amounts_ = false;
    std::vector<std::string> speciesOrder_;
    std::map<std::string, double> initial_;
    std::map<std::string, double> global_;
    std::map<std::string, int> objectOf_;
    std::map<std::string, int> reactionIndex_;
};

SbmlImport refused(const std::string& reason) {
    SbmlImport result;
    result.message = "Cannot import SBML: " + reason;
    return result;
}

} // namespace

SbmlImport importSbmlText(const std::string& text) {
    if (text.size() > static_cast<size_t>(maxSbmlFileBytes))
        return refused("the document is larger than 50 MB");
    // SBML needs no document type: refusing one keeps entity expansion and
    // external entities out of the parser altogether (libsbml's parser
    // substitutes no entity either, it reports them undefined).
    const std::string guard = xmlGuardRefusal(text);
    if (!guard.empty()) return refused(guard);
    const std::unique_ptr<SBMLDocument> document(readSBMLFromString(text.c_str()));
    if (!document) return refused("invalid XML");
    const SBMLErrorLog& log = *document->getErrorLog();
    for (unsigned i = 0; i < log.getNumErrors(); ++i) {
        const SBMLError& e = *log.getError(i);
        if (e.getSeverity() >= LIBSBML_SEV_ERROR)
            return refused((e.isXML() ? "invalid XML: " : "invalid SBML: ") + e.getMessage() +
                           " (line " + std::to_string(e.getLine()) + ")");
    }
    if (document->getLevel() < 2) return refused("SBML Level 1");
    if (!document->getModel()) return refused("no model");
    for (const char* option : {"expandFunctionDefinitions", "expandInitialAssignments"}) {
        ConversionProperties properties;
        properties.addOption(option, true);
        if (document->convert(properties) != LIBSBML_OPERATION_SUCCESS)
            return refused(std::string("the converter ") + option + " failed");
    }
    try {
        SbmlImport result;
        result.session = Importer(*document->getModel()).run();
        result.ok = true;
        return result;
    } catch (const Refusal& r) {
        return refused(r.reason);
    }
}

SbmlImport importSbmlFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return refused("cannot read " + fileName);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return refused("cannot read " + fileName);
    if (size > maxSbmlFileBytes) return refused("the file is larger than 50 MB: " + fileName);
    in.seekg(0);
    std::string text(static_cast<size_t>(size), '\0');
    in.read(text.data(), size);
    if (!in) return refused("cannot read " + fileName);
    return importSbmlText(text);
}
