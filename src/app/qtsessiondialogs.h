#pragma once

#include "session/sessiondialogs.h"

#include <string>

class QFileDialog;
class QWidget;

// The session commands' questions and file choices as Qt dialogs over the
// main window, whose caption it also sets.
class QtSessionDialogs : public SessionDialogs {
public:
    // Prepares both file dialogs: they start in `initialDirectory` and deal
    // in session files.
    QtSessionDialogs(QWidget* mainWindow, const std::string& initialDirectory);

    Answer ask(const std::string& question) override;
    std::string chooseOpenFile() override;
    std::string chooseSaveFile(const std::string& proposed) override;
    void setCaption(const std::string& text) override;

    // Owned by the main window; "Open Session" takes an existing file, "Save
    // Session" asks before it overwrites one. The save dialog is made anew
    // whenever it is to start without a name.
    QFileDialog* openDialog;
    QFileDialog* saveDialog;

private:
    QWidget* window_;
};
