#pragma once

#include "foundation/messagesink.h"

#include <string>
#include <vector>

// Records the messages the core shows while it is alive.
class RecordingMessageSink : public MessageSink {
public:
    RecordingMessageSink() : previous_(installMessageSink(this)) {}
    ~RecordingMessageSink() override { installMessageSink(previous_); }
    RecordingMessageSink(const RecordingMessageSink&) = delete;
    RecordingMessageSink& operator=(const RecordingMessageSink&) = delete;

    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;

private:
    MessageSink* previous_;
};
