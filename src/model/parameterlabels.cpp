#include "model/parameterlabels.h"

#include "model/vreactor.h"

namespace {

std::string sideText(const Vreactor& system, const Vreaction& r, int side) {
    std::string text;
    for (const Reactant& e : r.reactants) {
        if (e.port != side) continue;
        if (!text.empty()) text += " + ";
        if (e.order != 1) text += std::to_string(e.order);
        // An entry without its component (a system being repaired) has no name.
        if (e.index >= 0 && e.index < system.components.count())
            text += system.components[e.index].name;
    }
    return text;
}

} // namespace

std::string rateConstantLabel(const Vreactor& system, int reaction, bool backward) {
    if (reaction < 0 || reaction >= system.reactions.count()) return "";
    const Vreaction& r = system.reactions[reaction];
    std::string word = "Rate";
    if (r.active && r.activeBack) word = backward ? "Backward rate" : "Forward rate";
    std::string arrow = "-";
    if (r.active) arrow += ">";
    if (r.activeBack) arrow = "<" + arrow;
    return word + " constant of " + sideText(system, r, -1) + " " + arrow + " " +
           sideText(system, r, 1);
}

std::string initialConcentrationLabel(const std::string& componentName) {
    return "Initial concentration of " + componentName;
}
