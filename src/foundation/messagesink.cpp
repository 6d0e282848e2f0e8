#include "foundation/messagesink.h"

#include <cstdio>

namespace {
MessageSink* installed = nullptr;
}

void showMessage(const std::string& text) {
    if (installed)
        installed->showMessage(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

MessageSink* installMessageSink(MessageSink* sink) {
    MessageSink* previous = installed;
    installed = sink;
    return previous;
}
