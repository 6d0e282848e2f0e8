#pragma once

#include "foundation/eventreceiver.h"

class MainWindowViews;

// The last receiver of every change: brings the windows that show results up
// to date once the model and the calculation have dealt with the change.
class MainWindowEventReceiver : public EventReceiver {
public:
    explicit MainWindowEventReceiver(MainWindowViews& views) : views_(views) {}

    // 0: the caption first. 0 and 7: the control window, the equations from their top, the
    // weighted observation and the kinetics (and on 0 the speed bar); 1 and
    // 4: the equations where they are, the speed bar, the weighted
    // observation and the kinetics; 2, 3 and 5: the kinetics; 6: nothing.
    void receive(int event) override;

private:
    MainWindowViews& views_;
};
