#pragma once

#include "foundation/link.h"
#include "foundation/eventreceiver.h"
#include "foundation/llist.h"
#include "foundation/textstream.h"

class Calculation;
class CalculationEnvironment;
class Vreactor;

// What an instrument would measure: the sum of all concentrations weighted by
// each component's "weight" and a global factor, or its time derivative, at
// every point of the last calculation. Stored in sessions under the keys
// "active", "differential" and "global factor".
class WeightedObservation : public EventReceiver, public TextStream {
public:
    WeightedObservation() = default;
    WeightedObservation(Vreactor* reactionSystem, const Calculation* lastCalculation,
                        CalculationEnvironment* calculationEnvironment)
        : system(reactionSystem), calculation(lastCalculation),
          environment(calculationEnvironment) {}

    // Rebuilds `values`, `minimum` and `maximum` from the last calculation;
    // without stored points `values` becomes empty and the extremes stay.
    void compute();
    // Codes 0, 1, 2, 3 and 5 recompute while auto refresh is on and `active` is set.
    void receive(int event) override;
    void exchange() override;

    // The collaborators; kept when a stored copy is assigned to this object.
    Link<Vreactor> system;
    Link<const Calculation> calculation;
    Link<CalculationEnvironment> environment;

    Llist<double> values;
    double minimum = 0;
    double maximum = 0;
    bool active = false;
    bool differential = false;
    double globalFactor = 1;
};
