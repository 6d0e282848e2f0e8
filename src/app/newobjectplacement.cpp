#include "app/newobjectplacement.h"

#include "model/vreactor.h"

namespace {

constexpr int cellSize = 2 * gridUnit;
constexpr int cellsPerLine = 5;

bool taken(const Vreactor& system, Poi p) {
    for (const Vcomponent& c : system.components)
        if (c.pos == p) return true;
    for (const Vreaction& r : system.reactions)
        if (r.pos == p) return true;
    return false;
}

} // namespace

Poi newObjectPlacement(const Vreactor& system, bool reaction) {
    const Poi shift{reaction ? gridUnit : 0, 0};
    for (int row = 1; row <= cellsPerLine; ++row)
        for (int column = 1; column <= cellsPerLine; ++column) {
            const Poi p = Poi{column * cellSize, row * cellSize} + shift;
            if (!taken(system, p)) return p;
        }
    return Poi{cellSize, cellSize} + shift;
}
