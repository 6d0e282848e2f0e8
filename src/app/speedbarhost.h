#pragma once

#include "foundation/text.h"
#include "session/sessioncommands.h"

#include <vector>

// What the speed bar asks of the main window: its commands of the same names
// and the state the bar shows. The main window implements it.
class SpeedBarHost {
public:
    virtual ~SpeedBarHost() = default;

    virtual void newSession() = 0;
    virtual void openSession() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void showHistory() = 0;
    virtual void showEquations() = 0;

    // The parameter animation window.
    virtual bool animationWindowVisible() const = 0;
    virtual void showAnimationWindow() = 0;
    virtual void closeAnimationWindow() = 0;

    // The Session menu's Presets entries and its handler for one of them.
    virtual std::vector<PresetItem> presets() const = 0;
    virtual void openPreset(const PresetItem& preset) = 0;
    // The recent files, newest first, and the handler for one of them.
    virtual Text_ recentFiles() const = 0;
    virtual void openRecent(int index) = 0;

    // The animation window's "Play": starts or stops the animation of the
    // parameter chosen there and records "Toggle parameter animation".
    virtual void togglePlay() = 0;
    virtual bool animationRunning() const = 0;
};
