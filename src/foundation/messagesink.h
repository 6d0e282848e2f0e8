#pragma once

#include <string>

// Where the core shows its fixed-text messages ("Failed to open session: ...").
// The program shows a message box; tests record the texts.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

// Routes to the installed sink; with none installed the text goes to stderr.
void showMessage(const std::string& text);

// Installs a sink (nullptr restores the default) and returns the previous one.
MessageSink* installMessageSink(MessageSink* sink);
