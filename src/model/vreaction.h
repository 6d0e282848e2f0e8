#pragma once

#include "foundation/llist.h"
#include "model/reactant.h"
#include "model/reactionswitch.h"
#include "model/vclass.h"

// One reaction, drawn as an arrow through its centre `pos`. Its mode is the
// pair (active, activeBack): forward, backward, reversible or inactive.
class Vreaction : public Vclass {
public:
    void exchange() override;
    int distance(Poi p) const override;

    bool active = true;
    bool activeBack = false;
    double rateConstant = 1.0;
    double rateConstantBack = 1.0;
    Llist<ReactionSwitch> switches;
    Llist<ReactionSwitch> switchesBack;
    Llist<Reactant> reactants;
    // Arrow geometry mode: -3 adaptive, -2 movable centre with adaptive
    // orientation, -1 movable centre horizontal, 0 aligned to two components.
    int geometry = -1;
    bool animate = false;
    bool animateBack = false;

    // While a connection is drawn: the source may still join this side.
    bool canTakeReactant = false;
    bool canTakeProduct = false;
};
