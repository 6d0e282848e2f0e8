#pragma once

#include "foundation/textstream.h"

// One switching time of a reaction direction.
class ReactionSwitch : public TextStream {
public:
    void exchange() override { exchangeDouble("at", at); }
    bool operator==(const ReactionSwitch& o) const { return at == o.at; }

    double at = 0;
};
