#include "foundation/eventreceiver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder : EventReceiver {
    Recorder(std::string tag, std::vector<std::string>& sink) : name(std::move(tag)), log(sink) {}
    void receive(int event) override { log.push_back(name + std::to_string(event)); }
    std::string name;
    std::vector<std::string>& log;
};

// A pause, nested ones too, swallows every broadcast until it ends; the
// caller then broadcasts once.
TEST(EventRegistry, DeliversInRegistrationOrderAndNothingDuringAPause) {
    eventRegistry().clear();
    std::vector<std::string> log;
    Recorder model("model", log), window("window", log);
    registerReceiver(&model);
    registerReceiver(&window);
    {
        NotificationPause pause;
        broadcast(drawingChanged);
        { NotificationPause nested; }
        broadcast(drawingChanged);
    }
    broadcast(systemChanged);
    broadcast(preferencesChanged);
    eventRegistry().clear();
    EXPECT_EQ(log, (std::vector<std::string>{"model1", "window1", "model7", "window7"}));
}

} // namespace
