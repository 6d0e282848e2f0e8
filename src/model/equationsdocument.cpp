#include "model/equationsdocument.h"

#include "foundation/numberformat.h"
#include "model/equationtags.h"
#include "model/ucp.h"
#include "model/vreactor.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using namespace EquationTag;

// The Windows-1252 plus-minus sign.
constexpr const char* animatedSuffix = " \xB1 animation";

int sideOf(const Reactant& r) {
    return r.port < 0 ? -1 : 1;
}

// The name of the component an entry refers to; null for an index outside
// the list.
const std::string* nameOf(const Vreactor& reactor, const Reactant& r) {
    if (r.index < 0 || r.index >= reactor.components.count()) return nullptr;
    return &reactor.components[r.index].name;
}

std::string rateConstantText(std::int64_t key) {
    return std::string("k") + subscript + formatInt(key) + normal;
}

// One side of a reaction in the scheme: "A + 2B".
std::string sideText(const Vreactor& reactor, const Vreaction& reaction, int side) {
    std::string text;
    for (const Reactant& r : reaction.reactants) {
        const std::string* name = nameOf(reactor, r);
        if (!name || sideOf(r) != side) continue;
        if (!text.empty()) text += " + ";
        if (r.order != 1) text += formatInt(r.order);
        text += *name;
    }
    return text;
}

// The concentration product of one side: "[A][B]" with powers.
std::string productText(const Vreactor& reactor, const Vreaction& reaction, int side) {
    std::string text;
    for (const Reactant& r : reaction.reactants) {
        const std::string* name = nameOf(reactor, r);
        if (!name || sideOf(r) != side) continue;
        text += "[" + *name + "]";
        if (r.order != 1) text += superscript + formatInt(r.order) + normal;
    }
    return text;
}

const char* arrowTag(const Vreaction& reaction) {
    if (reaction.active && reaction.activeBack) return arrowBoth;
    return reaction.active ? arrowForward : arrowBackward;
}

// The net coefficient of a component in a reaction: products count
// positively, reactants negatively.
std::int64_t netCoefficient(const Vreactor& reactor, const Vreaction& reaction,
                            const std::string& name) {
    std::int64_t n = 0;
    for (const Reactant& r : reaction.reactants) {
        const std::string* entry = nameOf(reactor, r);
        if (entry && *entry == name) n += std::int64_t{sideOf(r)} * r.order;
    }
    return n;
}

// The sign and the magnitude (unless 1) of a term, set apart from the
// terms before it.
std::string signedCoefficient(std::int64_t m, bool first) {
    std::string text;
    if (m < 0)
        text = first ? "-" : " - ";
    else if (!first)
        text = " + ";
    const std::int64_t magnitude = m < 0 ? -m : m;
    if (magnitude != 1) text += formatInt(magnitude);
    return text;
}

std::string ungroupedRightHandSide(const Vreactor& reactor, const std::string& name) {
    std::string rhs;
    for (int i = 0; i < reactor.reactions.count(); ++i) {
        const Vreaction& reaction = reactor.reactions[i];
        const std::int64_t n = netCoefficient(reactor, reaction, name);
        if (n == 0) continue;
        const std::int64_t number = i + 1;
        if (reaction.active)
            rhs += signedCoefficient(n, rhs.empty()) + rateConstantText(number) +
                   productText(reactor, reaction, -1);
        if (reaction.activeBack)
            rhs += signedCoefficient(-n, rhs.empty()) + rateConstantText(-number) +
                   productText(reactor, reaction, 1);
    }
    return rhs;
}

// The concentration products of the directions: index 2i forward and
// 2i + 1 backward of reaction i; none for an inactive direction. An active
// side without species has the empty product: it runs at the bare rate
// constant, so it forms a group of its own like any other product.
using Products = std::vector<std::optional<std::string>>;

Products activeProducts(const Vreactor& reactor) {
    Products products;
    for (const Vreaction& reaction : reactor.reactions) {
        products.push_back(reaction.active ? std::optional(productText(reactor, reaction, -1))
                                           : std::nullopt);
        products.push_back(reaction.activeBack ? std::optional(productText(reactor, reaction, 1))
                                               : std::nullopt);
    }
    return products;
}

UCP* groupOf(Llist<UCP>& groups, const std::optional<std::string>& product) {
    if (!product) return nullptr;
    for (UCP& group : groups)
        if (group.product == *product) return &group;
    return nullptr;
}

// Appends one group's term; nothing when all its coefficients are 0.
void appendGroup(std::string& rhs, const UCP& group) {
    bool allNegative = group.routes.count() >= 2;
    for (const UCP_route& route : group.routes)
        if (route.coefficient > 0) allNegative = false;
    std::string sum;
    int written = 0;
    for (const UCP_route& route : group.routes) {
        if (route.coefficient == 0) continue;
        const std::int64_t e = allNegative ? -std::int64_t{route.coefficient} : route.coefficient;
        if (e > 0 && written > 0) sum += "+";
        if (e < 0) sum += "-";
        if (std::llabs(e) != 1) sum += formatInt(std::llabs(e));
        sum += rateConstantText(route.key);
        ++written;
    }
    if (sum.empty()) return;
    if (allNegative) {
        rhs += rhs.empty() ? "-" : " - ";
    } else if (!rhs.empty()) {
        if (written == 1 && sum[0] == '-') {
            sum.erase(0, 1);
            rhs += " - ";
        } else {
            rhs += " + ";
        }
    }
    rhs += written > 1 ? "(" + sum + ")" : sum;
    rhs += group.product;
}

std::string groupedRightHandSide(const Vreactor& reactor, const Products& products,
                                 const std::string& name) {
    Llist<UCP> groups;
    for (const std::optional<std::string>& product : products)
        if (product && !groupOf(groups, product)) groups.add(UCP(*product));
    for (int i = 0; i < reactor.reactions.count(); ++i) {
        const auto number = static_cast<std::int32_t>(i + 1);
        UCP* forward = groupOf(groups, products[2 * static_cast<size_t>(i)]);
        UCP* backward = groupOf(groups, products[2 * static_cast<size_t>(i) + 1]);
        for (const Reactant& r : reactor.reactions[i].reactants) {
            const std::string* entry = nameOf(reactor, r);
            if (!entry || *entry != name) continue;
            const std::int64_t c = std::int64_t{sideOf(r)} * r.order;
            if (forward) forward->add(number, c);
            if (backward) backward->add(-number, -c);
        }
    }
    std::string rhs;
    for (const UCP& group : groups)
        appendGroup(rhs, group);
    return rhs;
}

void addReactionScheme(Text_& lines, const Vreactor& reactor) {
    for (int i = 0; i < reactor.reactions.count(); ++i) {
        const Vreaction& reaction = reactor.reactions[i];
        if (!reaction.active && !reaction.activeBack) continue;
        lines.add(std::string(indent) + reactionLine + formatInt(i + 1) + "." + indent +
                  sideText(reactor, reaction, -1) + " " + arrowTag(reaction) + " " +
                  sideText(reactor, reaction, 1));
        lines.add("");
    }
    if (!reactor.reactions.empty()) lines.add("");
}

void addDifferentialEquations(Text_& lines, const Vreactor& reactor, bool grouped) {
    const Products products = grouped ? activeProducts(reactor) : Products();
    for (int u = 0; u < reactor.uniqueComponentCount(); ++u) {
        const Vcomponent& component = reactor.uniqueComponent(u);
        std::string rhs;
        if (!component.constant)
            rhs = grouped ? groupedRightHandSide(reactor, products, component.name)
                          : ungroupedRightHandSide(reactor, component.name);
        if (rhs.empty()) rhs = "0";
        lines.add(std::string(componentLine) + indent + ddt + " [" + component.name + "] = " + rhs);
        lines.add("");
    }
}

std::string constantText(std::int64_t key, double value, bool animated) {
    return rateConstantText(key) + " = " + formatNumber(value) + (animated ? animatedSuffix : "");
}

void addRateConstants(Text_& lines, const Vreactor& reactor) {
    if (reactor.reactions.empty()) return;
    lines.add("");
    for (int i = 0; i < reactor.reactions.count(); ++i) {
        const Vreaction& reaction = reactor.reactions[i];
        if (!reaction.active && !reaction.activeBack) continue;
        std::string line = indent;
        if (reaction.active) line += constantText(i + 1, reaction.rateConstant, reaction.animate);
        if (reaction.active && reaction.activeBack) line += indent;
        if (reaction.activeBack)
            line += constantText(-(i + 1), reaction.rateConstantBack, reaction.animateBack);
        lines.add(line);
    }
}

void addInitialConcentrations(Text_& lines, const Vreactor& reactor) {
    lines.add("");
    for (int u = 0; u < reactor.uniqueComponentCount(); ++u) {
        const Vcomponent& component = reactor.uniqueComponent(u);
        std::string line = std::string(indent) + "[" + component.name + "]" + subscript + "0" +
                           normal + " = " + formatNumber(component.initialConcentration);
        if (component.animate) line += animatedSuffix;
        if (component.constant) line += " = constant";
        lines.add(line);
    }
}

bool tagAt(const std::string& line, size_t i, const char* tag) {
    return line.compare(i, tagLength, tag) == 0;
}

std::string readableLine(const std::string& line) {
    std::string out;
    size_t i = 0;
    while (i < line.size()) {
        if (tagAt(line, i, reactionLine) || tagAt(line, i, componentLine) ||
            tagAt(line, i, subscript) || tagAt(line, i, normal)) {
            i += tagLength;
        } else if (tagAt(line, i, superscript)) {
            out += "^";
            i += tagLength;
        } else if (tagAt(line, i, arrowForward) || tagAt(line, i, arrowBackward) ||
                   tagAt(line, i, arrowBoth)) {
            out += tagAt(line, i, arrowForward)    ? "->"
                   : tagAt(line, i, arrowBackward) ? "<-"
                                                   : "<->";
            i += tagLength;
        } else if (tagAt(line, i, ddt)) {
            // The operator stands before " [X] = ": it becomes d[X]/dt.
            i += tagLength;
            const size_t open = line.compare(i, 2, " [") == 0 ? i + 1 : std::string::npos;
            const size_t close = open == std::string::npos ? open : line.find("] = ", open);
            if (close == std::string::npos) {
                out += "d/dt";
            } else {
                out += "d" + line.substr(open, close + 1 - open) + "/dt";
                i = close + 1;
            }
        } else {
            out += line[i++];
        }
    }
    if (out.compare(0, std::char_traits<char>::length(indent), indent) == 0)
        out.erase(0, std::char_traits<char>::length(indent));
    return out;
}

} // namespace

Text_ generateEquations(const Vreactor& reactor, const EquationsOptions& options) {
    Text_ lines;
    lines.add("");
    if (options.displayReactionScheme) addReactionScheme(lines, reactor);
    addDifferentialEquations(lines, reactor, options.groupIdenticalConcentrationTerms);
    addRateConstants(lines, reactor);
    addInitialConcentrations(lines, reactor);
    return lines;
}

std::string taggedEquations(const Text_& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string readableEquations(const Text_& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += readableLine(line) + "\n";
    return text;
}
