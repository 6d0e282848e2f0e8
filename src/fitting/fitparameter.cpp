#include "fitting/fitparameter.h"

#include "model/vreactor.h"

#include <algorithm>

namespace {

FitParameter rateConstant(int reaction, bool backward) {
    FitParameter p;
    p.kind = FitParameter::Kind::rateConstant;
    p.index = reaction;
    p.backward = backward;
    p.name = std::string(backward ? "k-" : "k") + std::to_string(reaction + 1);
    return p;
}

} // namespace

std::vector<FitParameter> defaultFitParameters(const Vreactor& system) {
    std::vector<FitParameter> list;
    for (int i = 0; i < system.reactions.count(); ++i) {
        if (system.reactions[i].active) list.push_back(rateConstant(i, false));
        if (system.reactions[i].activeBack) list.push_back(rateConstant(i, true));
    }
    return list;
}

std::vector<FitParameter> fittableParameters(const Vreactor& system, bool weightsOffered) {
    std::vector<FitParameter> list = defaultFitParameters(system);
    const int n = system.uniqueComponentCount();
    for (int u = 0; u < n; ++u) {
        FitParameter p;
        p.kind = FitParameter::Kind::initialConcentration;
        p.index = u;
        p.name = "[" + system.uniqueComponent(u).name + "]0";
        list.push_back(p);
    }
    if (weightsOffered) {
        for (int u = 0; u < n; ++u) {
            FitParameter p;
            p.kind = FitParameter::Kind::weight;
            p.index = u;
            p.name = "w(" + system.uniqueComponent(u).name + ")";
            list.push_back(p);
        }
    }
    return list;
}

double parameterValue(const Vreactor& system, const FitParameter& parameter) {
    switch (parameter.kind) {
    case FitParameter::Kind::rateConstant: {
        const Vreaction& r = system.reactions[parameter.index];
        return parameter.backward ? r.rateConstantBack : r.rateConstant;
    }
    case FitParameter::Kind::initialConcentration:
        return system.uniqueComponent(parameter.index).initialConcentration;
    case FitParameter::Kind::weight:
        return system.uniqueComponent(parameter.index).weight;
    }
    return 0;
}

void setParameterValue(Vreactor& system, const FitParameter& parameter, double value) {
    switch (parameter.kind) {
    case FitParameter::Kind::rateConstant: {
        Vreaction& r = system.reactions[parameter.index];
        (parameter.backward ? r.rateConstantBack : r.rateConstant) = value;
        break;
    }
    case FitParameter::Kind::initialConcentration:
        system.uniqueComponent(parameter.index).initialConcentration = value;
        break;
    case FitParameter::Kind::weight:
        system.uniqueComponent(parameter.index).weight = value;
        break;
    }
}

bool parametersNamed(const std::vector<FitParameter>& offered, const std::string& list,
                     std::vector<FitParameter>& chosen, std::string& unknown) {
    chosen.clear();
    size_t start = 0;
    for (;;) {
        const size_t end = list.find(',', start);
        const std::string name = list.substr(start, end - start);
        const auto found = std::find_if(offered.begin(), offered.end(),
                                        [&](const FitParameter& p) { return p.name == name; });
        if (found == offered.end() ||
            std::find(chosen.begin(), chosen.end(), *found) != chosen.end()) {
            unknown = name;
            return false;
        }
        chosen.push_back(*found);
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}
