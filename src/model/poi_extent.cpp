#include "model/poi_extent.h"

#include <algorithm>

Poi_Extent::Poi_Extent(Poi a, Poi b) {
    add(a);
    add(b);
}

void Poi_Extent::add(Poi p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    notEmpty = true;
}

void Poi_Extent::add(const Poi_Extent& other) {
    if (!other.notEmpty) return;
    add(other.low);
    add(other.high);
}

void Poi_Extent::grow(int n) {
    low += Poi{-n, -n};
    high += Poi{n, n};
}
