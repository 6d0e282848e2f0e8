#pragma once

#include "engine/progressrunner.h"

class QWidget;

// Runs long work in the modal progress window once `runWithProgress`
// decides that it takes long enough to be shown.
class ProgressDialogRunner : public ProgressRunner {
public:
    // The window opens over `parent` (the active window when null).
    explicit ProgressDialogRunner(QWidget* parent = nullptr) : parent_(parent) {}

    bool showAndDrive(ClassWithProgressWindow& task, const std::string& title, bool cancellable,
                      std::int64_t startTick) override;

private:
    QWidget* parent_;
};
