#include "app/menustate.h"

#include "model/vreactor.h"

SystemMenuState systemMenuState(const Vreactor& system, bool autoRefresh) {
    SystemMenuState s;
    s.reactionSelected = system.firstSelectedReaction();
    s.componentSelected = system.firstSelectedComponent();
    s.defineByResult = s.componentSelected && autoRefresh;
    s.deleteObjects = s.reactionSelected || s.componentSelected;
    s.deleteReactionSwitches = system.selectedReactionsHaveSwitches();
    return s;
}

int gridMode(const Vreactor& system) {
    if (!system.useGrid) return 0;
    return system.showGrid ? 2 : 1;
}

void setGridMode(Vreactor& system, int mode) {
    system.useGrid = mode >= 1;
    system.showGrid = mode >= 2;
}
