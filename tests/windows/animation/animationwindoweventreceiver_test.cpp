#include "windows/animation/animationwindoweventreceiver.h"

#include "animationwindowfixture.h"
#include "foundation/numberformat.h"

// Each event as the receiver gets it, after a change the window has not seen.
TEST_F(AnimationWindowTest, ReceiverRebuildsOnStructuralEventsOnly) {
    struct Case {
        int event;
        bool rebuilds;
    };
    const Case cases[] = {
        {sessionReplaced, true},    {systemChanged, true},
        {parametersChanged, false}, {animatedParameterChanged, false},
        {namesChanged, true},       {weightedObservationChanged, false},
        {drawingChanged, false},    {preferencesChanged, true},
    };
    for (const Case& c : cases) {
        component(0).name = "N" + std::to_string(c.event);
        receiver.receive(c.event);
        EXPECT_EQ(items().contains(QString::fromStdString("Initial concentration of N" +
                                                          std::to_string(c.event))),
                  c.rebuilds)
            << c.event;
    }
}

TEST_F(AnimationWindowTest, ReceiverShowsEachStepsValueWhileAnimating) {
    choose(3); // A = 1
    component(0).initialConcentration = 4;
    receiver.receive(animatedParameterChanged); // no animation: the display stays
    EXPECT_EQ(window.valueText, formatNumber(1));

    play();
    component(0).initialConcentration = 0.25; // as a step sets it
    receiver.receive(animatedParameterChanged);
    EXPECT_EQ(window.valueText, formatNumber(0.25));
    // The printed value is dark type in the value area.
    const QImage& image = window.image();
    const QRect area = window.valueArea();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.left() + 40; ++x)
            ink += image.pixelColor(x, y).lightness() < 80;
    EXPECT_GT(ink, 10);
}
