// Editing the values of the reaction system window: names, initial
// concentrations, rate constants and reactant orders.

#include "foundation/eventreceiver.h"
#include "foundation/messagesink.h"
#include "model/parameterlabels.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "windows/input/valueasker.h"
#include "windows/reactions/reactiondecisions.h"
#include "windows/reactions/reactionwindowhost.h"
#include "windows/reactions/tfreactions.h"

namespace {

// The value dialog's drag law: the default of its kind.
constexpr int defaultLaw = -1;
// A negative step opens the dialog without touch pad; 0 picks a default.
constexpr double noTouchPad = -1;
constexpr double defaultStep = 0;
constexpr double orderStep = 10;
constexpr double longestName = 100;

} // namespace

void TFreactions::editValue() {
    const int i = target.index;
    if (target.isComponent() && i >= 0 && i < system_.components.count()) {
        if (target.part == HoverTarget::namePart)
            renameComponent(i);
        else if (!system_.components[i].shortcut)
            editConcentration(i);
    } else if (target.isReaction() && i >= 0 && i < system_.reactions.count()) {
        if (target.isEntry())
            editOrder(i, target.entry());
        else
            editRateConstant(i, target.part == HoverTarget::backwardPart);
    }
}

void TFreactions::renameComponent(int component) {
    const std::string oldName = system_.components[component].name;
    std::string name = oldName;
    for (;;) {
        const int result = asker_->askText("Rename component " + oldName, &name, nullptr, 0,
                                           longestName, noTouchPad, defaultLaw);
        if (result != 2 || name == oldName) return;
        if (tryRename(oldName, name)) return;
    }
}

bool TFreactions::tryRename(const std::string& oldName, const std::string& name) {
    switch (system_.checkName(name)) {
    case Vreactor::NameCheck::empty:
        return false;
    case Vreactor::NameCheck::taken:
        showMessage("A component named '" + name + "' already exists. " +
                    "Please choose a different name!");
        return false;
    case Vreactor::NameCheck::forbiddenCharacter:
        showMessage("A component name cannot contain '<', '>' or control characters. "
                    "Please choose a different name!");
        return false;
    case Vreactor::NameCheck::valid:
        break;
    }
    if (system_.renameComponent(oldName, name)) record("Rename component");
    return true;
}

void TFreactions::editConcentration(int component) {
    Vcomponent& c = system_.components[component];
    const auto changed = [this] {
        if (!animation_.isAnimating()) broadcast(parametersChanged);
    };
    const int result = asker_->askNumber(initialConcentrationLabel(c.name), &c.initialConcentration,
                                         changed, 0, Vreactor::maxValue, defaultStep, defaultLaw);
    if (result == 2) record("Change concentration");
    broadcast(drawingChanged);
    host_.rebuildEquations();
}

void TFreactions::editRateConstant(int reaction, bool backward) {
    Vreaction& r = system_.reactions[reaction];
    const auto changed = [this] {
        if (!animation_.isAnimating()) broadcast(parametersChanged);
    };
    const int result = asker_->askNumber(rateConstantLabel(system_, reaction, backward),
                                         backward ? &r.rateConstantBack : &r.rateConstant, changed,
                                         0, Vreactor::maxValue, defaultStep, defaultLaw);
    if (result == 2) record("Change rate constant");
    broadcast(drawingChanged);
    host_.rebuildEquations();
}

void TFreactions::editOrder(int reaction, int j) {
    Vreaction& r = system_.reactions[reaction];
    if (j < 0 || j >= r.reactants.count()) return;
    const Reactant& entry = r.reactants[j];
    const std::string name = entry.index >= 0 && entry.index < system_.components.count()
                                 ? system_.components[entry.index].name
                                 : std::string();
    const int result = asker_->askInteger(
        "Reactant order of " + name, &r.reactants[j].order, [] { broadcast(systemChanged); }, 1,
        orderUpperBound(system_, reaction, j), orderStep, defaultLaw);
    if (result == 2) record("Change reactant order");
}
