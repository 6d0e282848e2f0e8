#pragma once

#include <string>

// The questions and file choices of the session commands; the program shows
// dialogs, tests answer from a script.
class SessionDialogs {
public:
    enum class Answer { yes, no, cancel };

    virtual ~SessionDialogs() = default;
    // A question answered with Yes, No or Cancel.
    virtual Answer ask(const std::string& question) = 0;
    // A session file to open; empty when cancelled.
    virtual std::string chooseOpenFile() = 0;
    // A file to save the session to, starting from `proposed`; empty when
    // cancelled.
    virtual std::string chooseSaveFile(const std::string& proposed) = 0;
    // The main window's caption shows this after the title: the session's
    // file name, or "new".
    virtual void setCaption(const std::string& text) = 0;
};
