#pragma once

class Vreactor;

// Which items of the System menu may be used, computed each time it opens.
struct SystemMenuState {
    // Activate, Deactivate, Rate Constants, Arrow Geometry, Delete Reactions.
    bool reactionSelected = false;
    // Initial Concentrations.
    bool componentSelected = false;
    // Initial Concentrations > Define by Result: also needs auto refresh, so
    // that a result of the current system exists.
    bool defineByResult = false;
    bool deleteObjects = false;
    bool deleteReactionSwitches = false;
};

SystemMenuState systemMenuState(const Vreactor& system, bool autoRefresh);

// The View menu's grid items: 0 no grid, 1 invisible grid (used, not shown),
// 2 visible grid.
int gridMode(const Vreactor& system);
void setGridMode(Vreactor& system, int mode);
