#pragma once

#include <string>

// Base of a long operation that the progress window can drive: `step` does a
// bounded piece of the work and keeps `progress` current.
class ClassWithProgressWindow {
public:
    virtual ~ClassWithProgressWindow() = default;

    // True while more work remains.
    virtual bool step() = 0;

    // A short line about the state of the work for the progress window's
    // title; empty for none.
    virtual std::string progressText() const { return {}; }

    // Fraction done, 0 to 1.
    double progress = 0;
};
