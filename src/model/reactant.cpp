#include "model/reactant.h"

void Reactant::exchange() {
    exchangeInt("index", index);
    exchangeInt("order", order);
    exchangeInt("port", port);
    exchangeBool("align", align);
}
