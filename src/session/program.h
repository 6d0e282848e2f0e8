#pragma once

#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "engine/reactor.h"
#include "engine/weightedobservation.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/history.h"
#include "session/kineticsview.h"
#include "session/preferences.h"
#include "session/reactorsession.h"
#include "session/recentfiles.h"
#include "session/undorecorder.h"

#include <functional>
#include <string>

class ProgressRunner;
class TextMeasurer;

// The process-wide objects, from start to exit: the reaction system, the
// reactor, the calculation and its results, the weighted observation, the
// kinetics view, the animation, the preferences, the undo history, the recent
// files and the current session. Windows refer to these objects; the program
// records every edit here and puts sessions in place.
//
// The change notification is process-wide: constructing a Program registers
// its own receivers (see `registerReceivers`), destroying it clears the
// registry. One Program exists at a time.
class Program : public UndoRecorder, public CalculationEnvironment {
public:
    // `programDirectory` holds "Presets" and "Help", which the program only
    // reads; `settingsDirectory` holds "prefs.cfg", "recent.cfg" and
    // "lastRun.vsn", which are read and written there alone. An empty
    // settings directory keeps every setting at its default and writes no
    // file of its own; an empty program directory has no presets.
    Program(const std::string& programDirectory, const std::string& settingsLocation);
    // Both in one directory; an empty one reads and writes no file at all
    // (the headless command).
    explicit Program(const std::string& oneDirectory);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Registers the receivers in delivery order: the reaction system, the
    // reaction window's, the calculation, the weighted observation, the
    // animation, the animation window's and the main window's. The window
    // receivers may be null (no windows); the registry is emptied first.
    void registerReceivers(EventReceiver* reactionWindow, EventReceiver* animationWindow,
                           EventReceiver* mainWindow);

    SessionObjects objects();

    // Captures the session from the current objects and records it; marks
    // the session modified once the history holds more than one level.
    void pushUndo(const std::string& label, bool merge) override;
    bool undo() { return history.undo(); }
    bool redo() { return history.redo(); }
    bool goTo(int level) { return history.goTo(level); }

    // Opens a session file into the program; an empty name means the last
    // run. Nothing changes when the file is missing or cannot be opened (the
    // session reports why); a last run that cannot be opened is moved to
    // "lastRun.unreadable.vsn" first (replacing an older one), so that the
    // session saved at exit does not overwrite it, and the message says so. On success the session
    // is applied, the history holds the single level "[Open session]" and the name is added to the
    // recent files.
    bool openSession(const std::string& name);
    // An empty, unnamed session, applied, with the history at "[New session]".
    void newSession();
    // A session made from another program's file, applied, with the history
    // at "[Import SBML]"; unnamed and modified, so that closing asks for a name.
    void importSession(ReactorSession imported);

    std::string lastRunFile() const;
    std::string presetsDirectory() const;
    // The file the session is saved to under the number format it returns to.
    bool saveSession(const std::string& name);

    // The calculation's view of the other objects.
    bool autoRefresh() const override { return kineticsView.autoRefresh; }
    bool extendedDetail() const override { return kineticsView.extendedDetail; }
    bool animationRunning() const override { return animation.isAnimating(); }
    void showStatus(const std::string& message) override;
    ProgressRunner* progressRunner() override { return progress; }

private:
    // The message's addition; empty when the file could not be moved.
    std::string moveUnreadableLastRun();

public:
    // The program's directory and the directory of its settings files.
    const std::string directory;
    const std::string settingsDirectory;
    // Construction order matters: the calculation and the history refer to
    // the objects declared before them.
    Vreactor vReactor;
    Reactor reactor;
    Animation animation;
    Preferences preferences;
    History<ReactorSession> history;
    RecentFiles recentFiles;
    Calculation calculation;
    WeightedObservation weightedObservation;
    KineticsView kineticsView;
    // Measured data shown over the curves and fitted to; part of the session.
    Measurements measurements;
    ReactorSession session;

    // Supplied by the program's windows; without them calculations run to
    // their end and statuses are only kept.
    ProgressRunner* progress = nullptr;
    std::function<void(const std::string&)> statusDisplay;
    // The last status the calculation handed over.
    std::string status;
};
