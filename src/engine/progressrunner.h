#pragma once

#include "engine/classwithprogresswindow.h"

#include <cstdint>
#include <string>

// The window part of `runWithProgress`, supplied by the program: a modal
// progress window that drives the task from its timer.
class ProgressRunner {
public:
    virtual ~ProgressRunner() = default;

    // Shows the window captioned `title` and calls task.step() until it returns
    // false (result true) or the user cancels (result false, offered only when
    // `cancellable`). `startTick` is when the work began, for the elapsed and
    // remaining times.
    virtual bool showAndDrive(ClassWithProgressWindow& task, const std::string& title,
                              bool cancellable, std::int64_t startTick) = 0;
};

// Delay after which a task that will not finish within about a second shows the
// window, and the latest moment at which any unfinished task shows it.
inline constexpr std::int64_t progressWindowDelay = 250;
inline constexpr std::int64_t progressWindowLatestDelay = 1100;

// Runs the task to its end; true unless the user cancelled. Short work never
// shows a window: for the first 250 ms none is shown, and up to 1100 ms none is
// shown while the progress promises to finish within about a second. After
// that `runner` takes over; without a runner the task simply runs to its end.
bool runWithProgress(ClassWithProgressWindow& task, const std::string& title, bool cancellable,
                     ProgressRunner* runner);
