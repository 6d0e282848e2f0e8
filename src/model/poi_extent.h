#pragma once

#include "model/poi.h"

// A bounding box of the drawing plane. An empty box has its corners at the
// far ends of the plane so that the first point added sets both.
class Poi_Extent {
public:
    static constexpr int far = 1000000;

    Poi_Extent() = default;
    // A box with these two corners, not empty.
    Poi_Extent(Poi a, Poi b);

    void add(Poi p);
    // Adds both corners of a box that is not empty.
    void add(const Poi_Extent& other);
    // Moves the minimum by (-n, -n) and the maximum by (+n, +n).
    void grow(int n);

    // The corners; (0, 0) while the box is empty.
    Poi minimum() const { return notEmpty ? low : Poi{}; }
    Poi maximum() const { return notEmpty ? high : Poi{}; }

    bool operator==(const Poi_Extent&) const = default;

    Poi low{far, far};
    Poi high{-far, -far};
    bool notEmpty = false;
};
