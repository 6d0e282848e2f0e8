#include "windows/reactions/reactiondecisions.h"

#include "model/poi_dist.h"
#include "model/vreactor.h"
#include "windows/reactions/reactionlook.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

bool validReaction(const Vreactor& system, int reaction) {
    return reaction >= 0 && reaction < system.reactions.count();
}

const std::string& entryName(const Vreactor& system, const Reactant& entry) {
    static const std::string none;
    return entry.index >= 0 && entry.index < system.components.count()
               ? system.components[entry.index].name
               : none;
}

} // namespace

DropTarget findDropTarget(const Vreactor& system, Poi p) {
    int best = Poi_Dist::miss;
    DropTarget target;
    for (int k = 0; k < system.components.count(); ++k) {
        const int d = system.components[k].ringDistance(p);
        if (d > best) continue;
        best = d;
        target = {false, true, k, 0};
    }
    for (int i = 0; i < system.reactions.count(); ++i) {
        const Vreaction& r = system.reactions[i];
        Poi_Dist dist(p);
        dist.addCircle(r.pos, dropRadius, true);
        if (dist.best > best) continue;
        best = dist.best;
        const double direction = angleOf(double(p.x) - r.pos.x, double(r.pos.y) - p.y);
        const bool left = std::abs(std::remainder(direction - r.angle, 2 * pi)) >= pi / 2;
        target = {false, false, i, left ? -1 : 1};
    }
    target.found = best == 0 && target.index >= 0;
    return target;
}

std::pair<Poi, Poi> normalisedRegion(Poi a, Poi b) {
    return {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)}};
}

std::vector<AlignPair> alignPairs(const Vreactor& system, int reaction) {
    std::vector<AlignPair> pairs;
    if (!validReaction(system, reaction)) return pairs;
    const Llist<Reactant>& entries = system.reactions[reaction].reactants;
    for (int l = 0; l < entries.count(); ++l) {
        if (entries[l].port != -1) continue;
        for (int r = 0; r < entries.count(); ++r) {
            if (entries[r].port != 1) continue;
            pairs.push_back({l, r,
                             "Align To " + entryName(system, entries[l]) + " - " +
                                 entryName(system, entries[r])});
        }
    }
    return pairs;
}

int checkedGeometryItem(const Vreactor& system, int reaction, const std::vector<AlignPair>& pairs) {
    if (!validReaction(system, reaction)) return -1;
    const Vreaction& r = system.reactions[reaction];
    if (r.geometry >= Vreaction::adaptive && r.geometry <= Vreaction::movableHorizontal)
        return r.geometry - Vreaction::adaptive;
    if (r.geometry != Vreaction::aligned) return -1;
    for (size_t k = 0; k < pairs.size(); ++k)
        if (r.reactants.at(pairs[k].left).align && r.reactants.at(pairs[k].right).align)
            return 3 + static_cast<int>(k);
    return -1;
}

void applyGeometryItem(Vreactor& system, int reaction, int item,
                       const std::vector<AlignPair>& pairs) {
    if (!validReaction(system, reaction)) return;
    Vreaction& r = system.reactions[reaction];
    if (item >= 0 && item < 3) {
        r.geometry = Vreaction::adaptive + item;
        return;
    }
    const int k = item - 3;
    if (k < 0 || k >= static_cast<int>(pairs.size())) return;
    if (pairs[size_t(k)].left >= r.reactants.count() ||
        pairs[size_t(k)].right >= r.reactants.count())
        return;
    for (Reactant& e : r.reactants)
        e.align = false;
    r.reactants[pairs[size_t(k)].left].align = true;
    r.reactants[pairs[size_t(k)].right].align = true;
    r.geometry = Vreaction::aligned;
}

double orderUpperBound(const Vreactor& system, int reaction, int j) {
    if (!validReaction(system, reaction)) return 0;
    const Vreaction& r = system.reactions[reaction];
    if (j < 0 || j >= r.reactants.count()) return 0;
    const Reactant& e = r.reactants[j];
    const int others = system.orderSum(reaction, e.port) - e.order;
    return Vreactor::maxOrderSum - others + 0.5;
}

QSize drawingSize(QSize client, const Poi_Extent& extent) {
    const Poi far = extent.maximum();
    return {std::max(client.width(), far.x + extentPadding),
            std::max(client.height(), far.y + extentPadding)};
}

QSize surfaceSize(QSize client, const Poi_Extent& extent) {
    return drawingSize(client, extent) + QSize(surfacePadding, surfacePadding);
}
