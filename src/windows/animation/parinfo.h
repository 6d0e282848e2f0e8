#pragma once

#include "foundation/llist.h"

#include <string>

class Vreactor;

// One entry of the animation window's parameter list: a rate constant or an
// initial concentration of the reaction system, and how the list names it.
// The pointer is valid until the reaction system's lists change; the window
// builds the list again on every such change.
struct ParInfo {
    double* parameter = nullptr;
    std::string label;
};

// Every parameter that can be animated: for each reaction in order its
// forward rate constant when it is active forward and its backward one when
// active backward, then the initial concentration of each unique component.
Llist<ParInfo> listParameters(Vreactor& system);

// The entry to select: the first, or else the one labelled `lastLabel`, or
// else the one holding `animated` (each later rule wins); -1 for an empty
// list.
int chooseEntry(const Llist<ParInfo>& entries, const std::string& lastLabel,
                const double* animated);

// True when `p` is the address of a rate constant or initial concentration
// that the reaction system holds now: a pointer kept from before a change of
// its lists may no longer be.
bool holdsParameter(const Vreactor& system, const double* p);
