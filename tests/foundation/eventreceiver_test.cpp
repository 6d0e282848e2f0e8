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

class EventRegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        eventRegistry().clear();
        eventRegistry().notificationsEnabled = true;
    }
};

TEST_F(EventRegistryTest, DeliversInRegistrationOrder) {
    std::vector<std::string> log;
    Recorder model("model", log), calculation("calc", log), window("window", log);
    registerReceiver(&model);
    registerReceiver(&calculation);
    registerReceiver(&window);
    broadcast(systemChanged);
    broadcast(preferencesChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"model1", "calc1", "window1", "model7", "calc7",
                                             "window7"}));
}

TEST_F(EventRegistryTest, BulkEditsBroadcastOnceAfterThePause) {
    std::vector<std::string> log;
    Recorder r("r", log);
    registerReceiver(&r);
    {
        NotificationPause pause;
        broadcast(systemChanged);
        broadcast(drawingChanged);
        { NotificationPause nested; }
        broadcast(systemChanged);
    }
    broadcast(systemChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"r1"}));
}

} // namespace
