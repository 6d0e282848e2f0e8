#include "model/poilist.h"

#include "model/poi_dist.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
// Steering toward the target weakens with the distance to this power.
constexpr double gainExponent = 0.707;
constexpr double closeEnoughSquared = 100;
// A target straight behind turns the curve clockwise rather than dithering.
constexpr double sharpestTurn = pi - 0.03;

} // namespace

const Poi_Extent& PoiList::extent() const {
    if (!extentValid_) {
        extent_ = Poi_Extent();
        for (Poi p : points_)
            extent_.add(p);
        extentValid_ = true;
    }
    return extent_;
}

int PoiList::distance(Poi p) const {
    int best = Poi_Dist::miss;
    for (Poi q : points_)
        best = std::min(best, p.distance(q));
    return best;
}

void PoiList::buildBranch(Poi start, Poi target, double heading) {
    clear();
    if (start == target) return;
    const double gain = 1 / (std::pow((target - start).length(), gainExponent) + 0.001);
    double x = start.x, y = start.y;
    double theta = heading;
    for (int i = 0; i < maxBranchPoints; ++i) {
        add({truncatedInt(x), truncatedInt(y)});
        const double dx = target.x - x, dy = target.y - y;
        if (dx * dx + dy * dy < closeEnoughSquared) break;
        double turn = std::fmod(angleOf(dx, -dy) - theta + 10 * pi, 2 * pi);
        if (turn < 0) turn += 2 * pi;
        if (turn > pi) turn -= 2 * pi;
        if (turn > sharpestTurn) turn = -sharpestTurn;
        theta += gain * turn;
        x += std::cos(theta);
        y -= std::sin(theta);
    }
}
