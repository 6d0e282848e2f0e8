#include "model/vclass.h"

void Vclass::exchange() {
    exchangePoi(*this, "pos", pos);
}
