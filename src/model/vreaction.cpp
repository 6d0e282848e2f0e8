#include "model/vreaction.h"

void Vreaction::exchange() {
    exchangeBool("active", active);
    exchangeBool("active back", activeBack);
    exchangeDouble("rate constant", rateConstant);
    exchangeDouble("rate constant back", rateConstantBack);
    exchangeList("reaction switch", switches);
    exchangeList("reaction switch back", switchesBack);
    exchangeList("reactant", reactants);
    exchangeInt("Geometry", geometry);
    // Written only when set; a missing key reads as false.
    if (!writing || animate) exchangeBool("animate", animate);
    if (!writing || animateBack) exchangeBool("animate B", animateBack);
    Vclass::exchange();
}

int Vreaction::distance(Poi p) const {
    const int d = p.distance(pos);
    return d < 8 ? 0 : d - 8;
}
