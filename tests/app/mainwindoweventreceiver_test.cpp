#include "app/mainwindoweventreceiver.h"

#include "app/mainwindowviews.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RecordingViews : MainWindowViews {
    void showSessionName() override { calls += "caption "; }
    void repaintControl() override { calls += "control "; }
    void rebuildEquations(bool resetScroll) override {
        calls += resetScroll ? "equations(top) " : "equations ";
    }
    void repaintSpeedbar() override { calls += "speedbar "; }
    void refreshWeightedObservation() override { calls += "wobs "; }
    void refreshKinetics() override { calls += "kinetics "; }
    void updateIdleLoop() override { calls += "idle"; }
    std::string calls;
};

} // namespace

TEST(MainWindowEventReceiver, EachEventRefreshesItsWindowsInOrder) {
    const std::pair<int, const char*> cases[] = {
        {sessionReplaced, "caption control equations(top) speedbar wobs kinetics idle"},
        {systemChanged, "equations speedbar wobs kinetics idle"},
        {parametersChanged, "kinetics idle"},
        {animatedParameterChanged, "kinetics idle"},
        {namesChanged, "equations speedbar wobs kinetics idle"},
        {weightedObservationChanged, "kinetics idle"},
        {drawingChanged, "idle"},
        {preferencesChanged, "control equations(top) wobs kinetics idle"},
    };
    for (const auto& [event, expected] : cases) {
        RecordingViews views;
        MainWindowEventReceiver receiver(views);
        receiver.receive(event);
        EXPECT_EQ(views.calls, expected) << event;
    }
}
