#include "exchange/autoarrangement.h"

#include "model/vreactor.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Components stand three grid units apart, so a reaction fits between two.
constexpr int spacing = 3 * gridUnit;
constexpr int firstColumn = gridUnit;
constexpr int firstRow = gridUnit;

} // namespace

void arrangeAutomatically(Vreactor& system) {
    const int n = system.components.count();
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(n))));
    std::vector<Poi> taken;
    for (int i = 0; i < n; ++i) {
        system.components[i].pos = {firstColumn + (i % columns) * spacing,
                                    firstRow + (i / columns) * spacing};
        taken.push_back(system.components[i].pos);
    }
    const auto free = [&](Poi p) {
        return std::none_of(taken.begin(), taken.end(), [&](Poi q) {
            return std::abs(p.x - q.x) < gridUnit && std::abs(p.y - q.y) < gridUnit;
        });
    };
    for (Vreaction& r : system.reactions) {
        long long x = 0;
        long long y = 0;
        int count = 0;
        for (const Reactant& e : r.reactants) {
            if (e.index < 0 || e.index >= n) continue;
            x += system.components[e.index].pos.x;
            y += system.components[e.index].pos.y;
            ++count;
        }
        Poi p = count ? Poi{static_cast<int>(x / count), static_cast<int>(y / count)}
                      : Poi{firstColumn, firstRow};
        // Half a grid step off the components' rows first, then further down.
        if (!free(p)) p.y += gridUnit / 2;
        while (!free(p) && p.y < Vreactor::maxY - gridUnit)
            p.y += gridUnit / 2;
        r.pos = p;
        r.geometry = Vreaction::movableAdaptive;
        taken.push_back(p);
    }
}
