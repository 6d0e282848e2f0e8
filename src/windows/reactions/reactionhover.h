#pragma once

#include "model/poi.h"

#include <string>

class Vreactor;

// The states of the reaction system window's mouse handling.
enum class WindowState {
    idle = 0,            // after an action; the next move classifies again
    overValue = 1,       // over an editable value or a reaction branch
    menuShown = 2,       // a local menu was opened by the last press
    overNothing = 3,     // over empty space
    selectingRegion = 4, // a selection rectangle is being dragged
    overObject = 5,      // over a component's body or a reaction's centre
    movingObjects = 6,   // the selection is being dragged
    overConnector = 7,   // over a component's connection ring
    connecting = 8,      // a connection is being dragged from a component
};

// What lies under the mouse: the state it puts the window in and, for the
// states overValue, overObject and overConnector, the object and its part.
struct HoverTarget {
    static constexpr int componentType = 0;
    static constexpr int reactionType = 2;
    // Parts of a component.
    static constexpr int concentrationPart = 0;
    static constexpr int namePart = 1;
    // Parts of a reaction; entry j's branch or order label is part -j.
    static constexpr int forwardPart = 1;
    static constexpr int backwardPart = 2;
    static constexpr int centrePart = 3;

    WindowState state = WindowState::overNothing;
    int type = componentType;
    int index = -1;
    int part = 0;

    bool isComponent() const { return type == componentType; }
    bool isReaction() const { return type == reactionType; }
    bool isEntry() const { return isReaction() && part <= 0; }
    // The entry index of an entry part.
    int entry() const { return -part; }
    bool operator==(const HoverTarget&) const = default;
};

// Classifies the point (drawing coordinates) against the laid-out system:
// reactions first (branches, centre, the labels of active directions, order
// labels), then components (connection ring, body, concentration unless a
// shortcut, name), each candidate taking over at a distance less than or
// equal to the best so far. A branch or order label is hit up to 4 pixels
// away, everything else only exactly.
HoverTarget classifyHover(const Vreactor& system, Poi p);

// The position sensitive hint for the window title, "" for none.
std::string positionHint(const Vreactor& system, WindowState state, const HoverTarget& target);
