#include "windows/reactions/reactionhover.h"

#include "model/poi_dist.h"
#include "model/vreactor.h"

namespace {

const std::string clickOrMenu = " (left-click) or use local menu (right-click)";

class Classifier {
public:
    explicit Classifier(Poi p) : probe(p) {}

    void consider(int distance, WindowState state, int type, int index, int part) {
        if (distance > best) return;
        best = distance;
        target = {state, type, index, part};
    }

    HoverTarget result() const {
        const int tolerance = target.isEntry() ? Vreaction::branchTolerance : 0;
        return best <= tolerance ? target : HoverTarget{};
    }

    Poi probe;
    int best = Poi_Dist::miss;
    HoverTarget target;
};

} // namespace

HoverTarget classifyHover(const Vreactor& system, Poi p) {
    constexpr int reaction = HoverTarget::reactionType, component = HoverTarget::componentType;
    Classifier c(p);
    for (int i = 0; i < system.reactions.count(); ++i) {
        const Vreaction& r = system.reactions[i];
        for (int j = 0; j < r.reactants.count(); ++j)
            c.consider(r.branchDistance(j, p), WindowState::overValue, reaction, i, -j);
        c.consider(r.distance(p), WindowState::overObject, reaction, i, HoverTarget::centrePart);
        if (r.active)
            c.consider(r.labelDistance(p), WindowState::overValue, reaction, i,
                       HoverTarget::forwardPart);
        if (r.activeBack)
            c.consider(r.labelBackDistance(p), WindowState::overValue, reaction, i,
                       HoverTarget::backwardPart);
        for (int j = 0; j < r.reactants.count(); ++j)
            if (r.reactants[j].order != 1)
                c.consider(r.orderDistance(j, p), WindowState::overValue, reaction, i, -j);
    }
    for (int k = 0; k < system.components.count(); ++k) {
        const Vcomponent& comp = system.components[k];
        c.consider(comp.ringDistance(p), WindowState::overConnector, component, k, 0);
        c.consider(comp.distance(p), WindowState::overObject, component, k, 0);
        if (!comp.shortcut)
            c.consider(comp.concentrationDistance(p), WindowState::overValue, component, k,
                       HoverTarget::concentrationPart);
        c.consider(comp.nameDistance(p), WindowState::overValue, component, k,
                   HoverTarget::namePart);
    }
    return c.result();
}

std::string positionHint(const Vreactor& system, WindowState state, const HoverTarget& target) {
    switch (state) {
    case WindowState::overValue:
        if (target.isComponent())
            return target.part == HoverTarget::namePart
                       ? "rename component" + clickOrMenu
                       : "change initial concentration" + clickOrMenu;
        if (target.isEntry()) return "change reactant order" + clickOrMenu;
        {
            const bool reversible = target.index >= 0 && target.index < system.reactions.count() &&
                                    system.reactions[target.index].active &&
                                    system.reactions[target.index].activeBack;
            std::string direction;
            if (reversible)
                direction = target.part == HoverTarget::forwardPart ? "forward " : "backward ";
            return "change " + direction + "rate constant" + clickOrMenu;
        }
    case WindowState::overConnector:
        return system.components.count() >= 2 || system.reactions.count() >= 1
                   ? "connect to other component or reaction (hold left and move)"
                   : "nothing to connect";
    case WindowState::overObject:
        if (target.isComponent()) return "select component" + clickOrMenu;
        if (target.index >= 0 && target.index < system.reactions.count()) {
            const int geometry = system.reactions[target.index].geometry;
            if (geometry == Vreaction::movableHorizontal || geometry == Vreaction::movableAdaptive)
                return "select/move reaction" + clickOrMenu;
        }
        return "select reaction" + clickOrMenu;
    case WindowState::overNothing:
        return "add component (double-click)" +
               (system.components.count() > 0 || system.reactions.count() > 0
                    ? ", select objects" + clickOrMenu
                    : std::string(" or use local menu (right-click)"));
    case WindowState::selectingRegion:
        return "selecting region";
    case WindowState::movingObjects:
        return "moving objects";
    case WindowState::connecting:
        return "connecting objects";
    default:
        return "";
    }
}
