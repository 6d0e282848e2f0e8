#pragma once

#include <string>

class Vreactor;

// How the windows name the parameters of the reaction system, in value
// dialogs and in the animation window's parameter list.

// "Rate", or "Forward rate" and "Backward rate" when the reaction runs both
// ways, then " constant of " and the scheme: each side's names joined by
// " + ", a coefficient other than 1 written right before its name, and the
// arrow "->", "<-", "<->" or "-" (inactive) between the sides, as in
// "Forward rate constant of A + 2B <-> C". Empty for no such reaction.
std::string rateConstantLabel(const Vreactor& system, int reaction, bool backward);

// "Initial concentration of " and the name.
std::string initialConcentrationLabel(const std::string& componentName);
