#include "engine/progressrunner.h"

#include "foundation/tickclock.h"

bool runWithProgress(ClassWithProgressWindow& task, const std::string& title, bool cancellable,
                     ProgressRunner* runner) {
    const std::int64_t start = tickCount();
    const auto elapsed = [start] { return tickCount() - start; };
    do {
        if (!task.step()) return true;
    } while (elapsed() < progressWindowDelay);
    if (static_cast<double>(elapsed()) * 0.001 < task.progress) {
        do {
            if (!task.step()) return true;
        } while (elapsed() < progressWindowLatestDelay);
    }
    if (runner) return runner->showAndDrive(task, title, cancellable, start);
    while (task.step()) {
    }
    return true;
}
