#include "model/poi_dist.h"

#include <algorithm>
#include <cmath>

void Poi_Dist::add(int d) {
    best = std::min(best, d);
}

void Poi_Dist::addCircle(Poi centre, int radius, bool filled) {
    const int d = probe.distance(centre);
    if (filled && d < radius) {
        add(0);
        return;
    }
    add(std::abs(d - radius));
}

void Poi_Dist::addSegment(Poi a, Poi b) {
    const double abx = double(b.x) - a.x, aby = double(b.y) - a.y;
    const double apx = double(probe.x) - a.x, apy = double(probe.y) - a.y;
    const double lengthSquared = abx * abx + aby * aby;
    double t = 0;
    if (lengthSquared > 0) t = std::clamp((apx * abx + apy * aby) / lengthSquared, 0.0, 1.0);
    const double dx = apx - t * abx, dy = apy - t * aby;
    add(truncatedInt(std::sqrt(dx * dx + dy * dy)));
}

void Poi_Dist::addRectangle(Poi a, Poi b) {
    const Poi lo{std::min(a.x, b.x), std::min(a.y, b.y)};
    const Poi hi{std::max(a.x, b.x), std::max(a.y, b.y)};
    if (lo <= probe && probe <= hi) {
        add(0);
        return;
    }
    addSegment(lo, {hi.x, lo.y});
    addSegment({hi.x, lo.y}, hi);
    addSegment(hi, {lo.x, hi.y});
    addSegment({lo.x, hi.y}, lo);
}
