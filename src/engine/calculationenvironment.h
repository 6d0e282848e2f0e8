#pragma once

#include <string>

class ProgressRunner;

// What the calculation and the weighted observation read from, and hand to,
// objects that the program creates after them (the kinetics view, the
// parameter animation, the simulation control window, the progress window).
// The owner implements it and wires it in at construction.
class CalculationEnvironment {
public:
    virtual ~CalculationEnvironment() = default;

    // The kinetics view's "auto refresh": edits recompute the kinetics.
    virtual bool autoRefresh() const = 0;
    // The kinetics view's "extended detail": 10001 stored points instead of 2001.
    virtual bool extendedDetail() const = 0;
    // A parameter animation is running: lower step limit, no progress window.
    virtual bool animationRunning() const = 0;
    // Hands the verdict to the simulation control window; ";" separates lines.
    virtual void showStatus(const std::string& message) = 0;
    // The progress window behind `runWithProgress`; nullptr runs without one.
    virtual ProgressRunner* progressRunner() = 0;
};
