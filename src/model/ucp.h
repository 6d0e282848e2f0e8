#pragma once

#include "foundation/llist.h"

#include <cstdint>
#include <string>

// One rate constant's share in a grouped concentration term: the key is N for
// the forward constant of reaction N and -N for its backward constant.
struct UCP_route {
    std::int32_t key = 0;
    std::int32_t coefficient = 0;
};

// A group of identical concentration terms: one concentration product text
// and the rate constants that multiply it, with their summed coefficients.
class UCP {
public:
    UCP() = default;
    explicit UCP(std::string productText) : product(std::move(productText)) {}

    // Adds to the coefficient of the key, or appends the key. Sums saturate
    // at the 32-bit range (without its lowest value, so they can be negated).
    void add(std::int32_t key, std::int64_t coefficient);

    std::string product;
    Llist<UCP_route> routes;
};
