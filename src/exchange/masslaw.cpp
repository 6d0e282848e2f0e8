#include "exchange/masslaw.h"

#include <sbml/math/ASTNode.h>

#include <cmath>
#include <limits>

LIBSBML_CPP_NAMESPACE_USE

namespace {

constexpr size_t maxTerms = 2;
// The highest order of one species in a term; the reactor's limit on the
// order sum of a side is the same.
constexpr int maxPower = 100;
constexpr int maxDepth = 1000;
using Terms = std::vector<MassActionTerm>;

class LawReader {
public:
    LawReader(const LawSymbols& symbols, std::string& why) : symbols_(symbols), why_(why) {}

    std::optional<Terms> read(const ASTNode* node) {
        if (!node) return refuse("an empty law");
        // libsbml turns a long sum or product into a chain of pairs, which
        // this recursion would follow past the end of the stack.
        if (depth_ >= maxDepth) return refuse("a law nested deeper than 1000 levels");
        ++depth_;
        std::optional<Terms> terms = readNode(node);
        --depth_;
        return terms;
    }

private:
    std::optional<Terms> readNode(const ASTNode* node) {
        switch (node->getType()) {
        case AST_INTEGER:
        case AST_REAL:
        case AST_REAL_E:
        case AST_RATIONAL:
            return constant(node->getValue());
        case AST_NAME:
            return name(node->getName() ? node->getName() : "");
        case AST_TIMES:
            return product(node);
        case AST_DIVIDE:
            return quotient(node);
        case AST_PLUS:
        case AST_MINUS:
            return sum(node);
        case AST_POWER:
        case AST_FUNCTION_POWER:
            return power(node);
        case AST_FUNCTION_PIECEWISE:
            return switchFactor(node);
        case AST_FUNCTION_DELAY:
            return refuse("a delay");
        case AST_NAME_TIME:
            return refuse("time outside a switch factor");
        default:
            return refuse("an operation that is not mass action");
        }
    }

    std::optional<Terms> refuse(const std::string& what) {
        if (why_.empty()) why_ = what;
        return std::nullopt;
    }

    static Terms constant(double value) {
        MassActionTerm term;
        term.coefficient = value;
        return {term};
    }

    std::optional<Terms> name(const std::string& id) {
        const std::optional<LawSymbol> symbol = symbols_(id);
        if (!symbol) return refuse("the unknown name " + id);
        if (!symbol->species) return constant(symbol->value);
        MassActionTerm term;
        term.powers[id] = 1;
        return Terms{term};
    }

    std::optional<Terms> multiply(const Terms& a, const Terms& b) {
        Terms result;
        for (const MassActionTerm& x : a)
            for (const MassActionTerm& y : b) {
                if (x.switched && y.switched) return refuse("two switch factors in one term");
                MassActionTerm t = x;
                t.sign *= y.sign;
                t.coefficient *= y.coefficient;
                for (const auto& [id, p] : y.powers) {
                    // Both are within the limit, so the sum cannot overflow.
                    int& sum = t.powers[id];
                    sum += p;
                    if (sum > maxPower) return refuse("a species of an order above 100");
                }
                if (y.switched) {
                    t.switched = true;
                    t.switchTimes = y.switchTimes;
                }
                result.push_back(std::move(t));
            }
        if (result.size() > maxTerms) return refuse("more than two terms");
        return result;
    }

    std::optional<Terms> product(const ASTNode* node) {
        Terms result = constant(1);
        for (unsigned i = 0; i < node->getNumChildren(); ++i) {
            const std::optional<Terms> factor = read(node->getChild(i));
            if (!factor) return std::nullopt;
            std::optional<Terms> next = multiply(result, *factor);
            if (!next) return std::nullopt;
            result = std::move(*next);
        }
        return result;
    }

    std::optional<Terms> quotient(const ASTNode* node) {
        if (node->getNumChildren() != 2) return refuse("a malformed division");
        std::optional<Terms> numerator = read(node->getChild(0));
        const std::optional<Terms> denominator = read(node->getChild(1));
        if (!numerator || !denominator) return std::nullopt;
        if (denominator->size() != 1 || denominator->front().switched ||
            !denominator->front().powers.empty())
            return refuse("a division by something other than constants");
        const MassActionTerm& d = denominator->front();
        for (MassActionTerm& t : *numerator) {
            t.sign *= d.sign;
            t.coefficient /= d.coefficient;
        }
        return numerator;
    }

    std::optional<Terms> sum(const ASTNode* node) {
        const bool minus = node->getType() == AST_MINUS;
        Terms result;
        for (unsigned i = 0; i < node->getNumChildren(); ++i) {
            std::optional<Terms> part = read(node->getChild(i));
            if (!part) return std::nullopt;
            // "-x" negates its one operand; "a - b" only the second.
            const bool negate = minus && (node->getNumChildren() == 1 || i > 0);
            for (MassActionTerm& t : *part) {
                if (negate) t.sign = -t.sign;
                result.push_back(std::move(t));
            }
        }
        if (result.size() > maxTerms) return refuse("more than two terms");
        if (result.empty()) return refuse("an empty sum");
        return result;
    }

    std::optional<double> constantValue(const ASTNode* node) {
        const std::optional<Terms> terms = read(node);
        if (!terms) return std::nullopt;
        if (terms->size() != 1 || terms->front().switched || !terms->front().powers.empty()) {
            refuse("a species where a constant belongs");
            return std::nullopt;
        }
        return terms->front().sign * terms->front().coefficient;
    }

    std::optional<Terms> power(const ASTNode* node) {
        if (node->getNumChildren() != 2) return refuse("a malformed power");
        std::optional<Terms> base = read(node->getChild(0));
        const std::optional<double> exponent = constantValue(node->getChild(1));
        if (!base || !exponent) return std::nullopt;
        if (base->size() != 1 || base->front().switched) return refuse("a power of a sum");
        MassActionTerm& t = base->front();
        if (!t.powers.empty()) {
            if (*exponent != std::floor(*exponent) || *exponent < 0 || *exponent > 100)
                return refuse("a species raised to a power that is not a whole number");
            for (auto& [id, p] : t.powers) {
                if (p * *exponent > maxPower) return refuse("a species of an order above 100");
                p *= static_cast<int>(*exponent);
            }
        }
        if (t.sign < 0) return refuse("a power of a negative value");
        t.coefficient = std::pow(t.coefficient, *exponent);
        return base;
    }

    // time >= a, or time >= a && time < b.
    bool interval(const ASTNode* node, std::vector<std::pair<double, double>>& intervals) {
        const auto bound = [&](const ASTNode* relation, ASTNodeType_t type, double& value) {
            if (!relation || relation->getType() != type || relation->getNumChildren() != 2 ||
                relation->getChild(0)->getType() != AST_NAME_TIME)
                return false;
            const std::optional<double> v = constantValue(relation->getChild(1));
            if (!v) return false;
            value = *v;
            return true;
        };
        double a = 0;
        double b = std::numeric_limits<double>::infinity();
        if (node->getType() == AST_LOGICAL_AND && node->getNumChildren() == 2) {
            if (!bound(node->getChild(0), AST_RELATIONAL_GEQ, a) ||
                !bound(node->getChild(1), AST_RELATIONAL_LT, b))
                return false;
        } else if (!bound(node, AST_RELATIONAL_GEQ, a)) {
            return false;
        }
        intervals.emplace_back(a, b);
        return true;
    }

    std::optional<Terms> switchFactor(const ASTNode* node) {
        const auto valueOf = [](const ASTNode* n, double expected) {
            return n && n->isNumber() && n->getValue() == expected;
        };
        if (node->getNumChildren() != 3 || !valueOf(node->getChild(0), 0) ||
            !valueOf(node->getChild(2), 1))
            return refuse("a piecewise function other than a switch factor");
        const ASTNode* condition = node->getChild(1);
        std::vector<std::pair<double, double>> intervals;
        bool ok = true;
        if (condition->getType() == AST_LOGICAL_OR) {
            for (unsigned i = 0; i < condition->getNumChildren() && ok; ++i)
                ok = interval(condition->getChild(i), intervals);
        } else {
            ok = interval(condition, intervals);
        }
        if (!ok) return refuse("a piecewise function other than a switch factor");
        // The intervals must follow one another, an open one last, for the
        // times to turn the direction over one by one.
        MassActionTerm term;
        term.switched = true;
        double previous = -std::numeric_limits<double>::infinity();
        for (size_t i = 0; i < intervals.size(); ++i) {
            const auto [a, b] = intervals[i];
            const bool open = std::isinf(b);
            if (!std::isfinite(a) || std::isnan(b) || a < previous || b < a ||
                (open && i + 1 != intervals.size()))
                return refuse("a piecewise function other than a switch factor");
            term.switchTimes.push_back(a);
            if (!open) term.switchTimes.push_back(b);
            previous = b;
        }
        return Terms{term};
    }

    const LawSymbols& symbols_;
    std::string& why_;
    int depth_ = 0;
};

} // namespace

std::optional<std::vector<MassActionTerm>>
readMassActionLaw(const ASTNode* law, const LawSymbols& symbols, std::string& why) {
    why.clear();
    LawReader reader(symbols, why);
    std::optional<Terms> terms = reader.read(law);
    if (!terms) return std::nullopt;
    for (MassActionTerm& t : *terms) {
        for (auto it = t.powers.begin(); it != t.powers.end();)
            it = it->second == 0 ? t.powers.erase(it) : std::next(it);
        if (t.coefficient < 0) {
            t.coefficient = -t.coefficient;
            t.sign = -t.sign;
        }
    }
    return terms;
}
