#pragma once

#include "model/poi.h"

class QMenu;

// What the reaction system window asks of the main window and of the other
// windows. The main window implements it.
class ReactionWindowHost {
public:
    virtual ~ReactionWindowHost() = default;

    // Fills the local menu shown over empty space with the main window's
    // reaction system commands, their enabled states current. Commands that
    // add an object from this menu place it at `point` (drawing coordinates).
    virtual void fillGeneralMenu(QMenu& menu, Poi point) = 0;
    // The main window's "Delete objects" command (the Delete key).
    virtual void deleteObjects() = 0;
    // Shows the parameter animation window.
    virtual void showAnimationWindow() = 0;
    // Runs the reaction switches dialog on the forward or the backward
    // switches of a reaction.
    virtual void editReactionSwitches(int reaction, bool backward) = 0;
    // The animated parameter was chosen here: the animation window, the speed
    // bar and the equations view show it.
    virtual void animatedParameterChosen() = 0;
    // A value was edited here: the equations view rebuilds its text.
    virtual void rebuildEquations() = 0;
};
