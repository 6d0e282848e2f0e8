#pragma once

#include "foundation/messagesink.h"

// Shows the core's messages in a message box over the active window, and
// installs itself for as long as it lives.
class MessageBoxSink : public MessageSink {
public:
    MessageBoxSink();
    ~MessageBoxSink() override;
    MessageBoxSink(const MessageBoxSink&) = delete;
    MessageBoxSink& operator=(const MessageBoxSink&) = delete;

    void showMessage(const std::string& text) override;

private:
    MessageSink* previous_;
};
