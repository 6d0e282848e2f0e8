#include "model/vcomponent.h"

void Vcomponent::exchange() {
    exchangeString("name", name);
    exchangeBool("shortcut", shortcut);
    if (!shortcut) {
        exchangeDouble("initial concentration", initialConcentration);
        exchangeBool("constant", constant);
        exchangeDouble("weight", weight);
        exchangeInt("color", color);
        exchangeBool("monitor", monitor);
        // Written only when set; a missing key reads as false.
        if (!writing || asX) exchangeBool("as x", asX);
        if (!writing || animate) exchangeBool("animate", animate);
    }
    Vclass::exchange();
}

int Vcomponent::distance(Poi p) const {
    const int d = p.distance(pos);
    return d < 12 ? 0 : d - 12;
}
