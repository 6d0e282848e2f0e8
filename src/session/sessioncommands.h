#pragma once

#include "session/sessiondialogs.h"

#include <string>
#include <vector>

class Program;

// One entry of the Presets menu: what it shows and the file it opens.
struct PresetItem {
    std::string caption;
    std::string path;
};

// What the Session menu does with files: new, open, save, save as, presets,
// recent files, and the question before the session is replaced.
class SessionCommands {
public:
    SessionCommands(Program& program, SessionDialogs& dialogs);

    // Whether a command that replaces the session may go on; asks to save
    // when there is something to lose. Yes saves first, and when that save
    // does not happen (cancelled or failed) the command stops, so nothing is
    // lost.
    bool confirmSaveChanges();
    // The session needs a name before it can be saved: it is unnamed and
    // modified, or it is the last run with a reaction system in it.
    bool needsName() const;

    bool newSession();
    bool open();
    // Opens a file into the program and shows its name in the caption.
    bool openFile(const std::string& name);
    bool save();
    bool saveAs();
    // "Save" applies to a session with a file of its own that is not the
    // last run.
    bool saveEnabled() const;

    // The Presets menu: "*.vsn" files of the presets folder, sorted ignoring
    // letter case, each shown as its name up to the first ".".
    std::vector<PresetItem> presets() const;
    bool openPreset(const PresetItem& preset);
    bool openRecent(int index);

    // Shut-down: with "Remember last run" the session goes to the last-run
    // file without a question (when that fails, the question is asked after
    // all); otherwise the question decides.
    bool mayClose();

private:
    Program& program_;
    SessionDialogs& dialogs_;
};
