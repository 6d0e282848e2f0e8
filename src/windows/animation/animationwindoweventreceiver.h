#pragma once

#include "foundation/eventreceiver.h"

class TFanimation;

// Keeps the animation window in step with the change notification: the
// parameter list is rebuilt when a session was put in place, the system or
// a name changed or the preferences were applied; while an animation runs,
// every step shows the animated value.
class AnimationWindowEventReceiver : public EventReceiver {
public:
    explicit AnimationWindowEventReceiver(TFanimation& window) : window_(window) {}
    void receive(int event) override;

private:
    TFanimation& window_;
};
