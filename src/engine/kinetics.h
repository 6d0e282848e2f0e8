#pragma once

#include "foundation/llist.h"

// One sampled concentration series with its extremes. Only the first
// `Calculation::pointCount` values are valid.
class Kinetics {
public:
    Kinetics() = default;

    Llist<double> values;
    double minimum = 0;
    double maximum = 0;
};
