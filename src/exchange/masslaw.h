#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sbml/common/libsbml-namespace.h>

LIBSBML_CPP_NAMESPACE_BEGIN
class ASTNode;
LIBSBML_CPP_NAMESPACE_END

// One product of a mass action law: sign · coefficient · Π species^power,
// optionally times a switch factor of time.
struct MassActionTerm {
    int sign = 1;
    double coefficient = 1;
    std::map<std::string, int> powers;
    bool switched = false;
    // The sorted times at which the direction turns over.
    std::vector<double> switchTimes;
};

// What a name in a law stands for: a species, or a constant with its value.
struct LawSymbol {
    bool species = false;
    double value = 0;
};
using LawSymbols = std::function<std::optional<LawSymbol>(const std::string& name)>;

// Reads a kinetic law as a sum of at most two mass action terms: products of
// numbers, constants and species raised to whole powers, a difference of two
// such products, with at most one factor piecewise(0, condition, 1) per term
// whose condition is a union of [a, b) intervals of time (the switching rule
// of the reactor). Nothing else is accepted; `why` then tells what was found.
std::optional<std::vector<MassActionTerm>>
readMassActionLaw(const ASTNode* law, const LawSymbols& symbols, std::string& why);
