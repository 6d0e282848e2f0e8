#pragma once

#include <vector>

class Calculation;
class ReferenceSolution;
class Vreactor;

// Links between the Euler calculation's stored points and the rate model.

// The net rate of every reaction at every stored point of the last
// calculation, from its stored concentrations: rates[reaction][point].
std::vector<std::vector<double>> storedReactionRates(const Vreactor& system,
                                                     const Calculation& calculation);

// The stored series as plain vectors: series[component][point].
std::vector<std::vector<double>> storedSeries(const Calculation& calculation);

// Starts `reference` on the system at the calculation's stored times.
void startReferenceAtStoredTimes(ReferenceSolution& reference, const Vreactor& system,
                                 const Calculation& calculation);
