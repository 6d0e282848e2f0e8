#pragma once

#include <string>
#include <vector>

class Vreactor;

// One value of the session that a fit may change, named as the equations
// view names it: "k1" and "k-1" for the forward and backward rate constant
// of reaction 1, "[A]0" for the initial concentration of A, "w(A)" for A's
// weight in the weighted observation.
struct FitParameter {
    enum class Kind { rateConstant, initialConcentration, weight };

    Kind kind = Kind::rateConstant;
    // The reaction's position, or the unique component's.
    int index = 0;
    bool backward = false;
    std::string name;

    // Rate constants and concentrations are fitted as logarithms, so that
    // they stay positive; weights on their own scale.
    bool logarithmic() const { return kind != Kind::weight; }
    bool operator==(const FitParameter& other) const {
        return kind == other.kind && index == other.index && backward == other.backward;
    }
};

// Every rate constant of an active direction in reaction order, every initial
// concentration and, while the weighted observation is active, every weight.
std::vector<FitParameter> fittableParameters(const Vreactor& system, bool weightsOffered);

// The rate constants of the active directions.
std::vector<FitParameter> defaultFitParameters(const Vreactor& system);

double parameterValue(const Vreactor& system, const FitParameter& parameter);
void setParameterValue(Vreactor& system, const FitParameter& parameter, double value);

// The parameters named in a comma-separated list, in its order. False with
// `unknown` set to the first name that is not offered (or repeated).
bool parametersNamed(const std::vector<FitParameter>& offered, const std::string& list,
                     std::vector<FitParameter>& chosen, std::string& unknown);
