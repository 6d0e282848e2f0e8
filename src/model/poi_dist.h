#pragma once

#include "model/poi.h"

// Hit testing: the smallest distance from a probe point to the shapes added,
// 0 meaning a hit. Starts at `miss`, the distance that stands for no hit.
class Poi_Dist {
public:
    static constexpr int miss = 1000000;

    explicit Poi_Dist(Poi p) : probe(p) {}

    // |d - r| for the integer distance d to the centre; 0 inside a filled circle.
    void addCircle(Poi centre, int radius, bool filled);
    // The distance to the nearest point of the segment from a to b.
    void addSegment(Poi a, Poi b);
    // The distance to the nearest edge of the rectangle with corners a and b;
    // 0 inside it, edges included.
    void addRectangle(Poi a, Poi b);
    // A distance found by other means.
    void add(int d);

    Poi probe;
    int best = miss;
};
