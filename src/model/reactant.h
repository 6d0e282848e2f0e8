#pragma once

#include "foundation/textstream.h"

// One entry of a reaction: a reactant (port -1) or a product (port +1).
class Reactant : public TextStream {
public:
    void exchange() override;
    bool operator==(const Reactant& o) const {
        return index == o.index && order == o.order && port == o.port && align == o.align;
    }

    // Position of the connected component object (possibly a shortcut) in the
    // reaction system's component list.
    int index = 0;
    int order = 1;
    int port = -1;
    // The entry belongs to the pair that sets the axis in geometry mode 0.
    bool align = false;
};
