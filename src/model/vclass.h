#pragma once

#include "foundation/textstream.h"
#include "model/poi.h"
#include "model/poi_dist.h"

// Base of the drawn objects: a position and the selection mark.
class Vclass : public TextStream {
public:
    // Hit distances: this value stands for a miss throughout hit testing.
    static constexpr int miss = Poi_Dist::miss;
    // Every object's extent reaches this far beyond its shapes.
    static constexpr int extentMargin = 10;

    void exchange() override;
    bool contains(Poi p) const { return distance(p) == 0; }
    virtual int distance(Poi) const { return miss; }

    Poi pos;
    bool selected = false;
};
