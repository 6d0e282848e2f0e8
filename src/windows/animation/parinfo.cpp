#include "windows/animation/parinfo.h"

#include "model/parameterlabels.h"
#include "model/vreactor.h"

Llist<ParInfo> listParameters(Vreactor& system) {
    Llist<ParInfo> entries;
    for (int i = 0; i < system.reactions.count(); ++i) {
        Vreaction& r = system.reactions[i];
        if (r.active) entries.add({&r.rateConstant, rateConstantLabel(system, i, false)});
        if (r.activeBack) entries.add({&r.rateConstantBack, rateConstantLabel(system, i, true)});
    }
    for (Vcomponent& c : system.components)
        if (!c.shortcut) entries.add({&c.initialConcentration, initialConcentrationLabel(c.name)});
    return entries;
}

int chooseEntry(const Llist<ParInfo>& entries, const std::string& lastLabel,
                const double* animated) {
    if (entries.empty()) return -1;
    int chosen = 0;
    for (int i = 0; i < entries.count(); ++i) {
        if (entries[i].label == lastLabel) {
            chosen = i;
            break;
        }
    }
    if (animated) {
        for (int i = 0; i < entries.count(); ++i) {
            if (entries[i].parameter == animated) {
                chosen = i;
                break;
            }
        }
    }
    return chosen;
}

bool holdsParameter(const Vreactor& system, const double* p) {
    if (!p) return false;
    for (const Vreaction& r : system.reactions)
        if (p == &r.rateConstant || p == &r.rateConstantBack) return true;
    for (const Vcomponent& c : system.components)
        if (p == &c.initialConcentration) return true;
    return false;
}
