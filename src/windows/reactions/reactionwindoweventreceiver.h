#pragma once

#include "foundation/eventreceiver.h"

class TFreactions;

// Keeps the reaction system window in step with the change notification:
// after a session was put in place or the preferences changed it chooses
// the component images, sizes the surface, repaints and resets the title;
// after an edit of the system, a name or the drawing it repaints.
class ReactionWindowEventReceiver : public EventReceiver {
public:
    explicit ReactionWindowEventReceiver(TFreactions& window) : window_(window) {}
    void receive(int event) override;

private:
    TFreactions& window_;
};
