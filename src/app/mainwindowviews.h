#pragma once

// What the main window's change notification refreshes: the windows that
// show results but do not listen for changes themselves.
class MainWindowViews {
public:
    virtual ~MainWindowViews() = default;

    // The caption after the session was replaced: its file name, or "new".
    virtual void showSessionName() = 0;
    // The simulation control window, in full.
    virtual void repaintControl() = 0;
    // The equations text, from its top when `resetScroll`.
    virtual void rebuildEquations(bool resetScroll) = 0;
    virtual void repaintSpeedbar() = 0;
    // These two only while they are visible.
    virtual void refreshWeightedObservation() = 0;
    virtual void refreshKinetics() = 0;
    // After every notification: starts or stops the idle loop, whose need
    // follows auto refresh and the animation.
    virtual void updateIdleLoop() = 0;
};
