#include "windows/animation/animationwindoweventreceiver.h"

#include "windows/animation/tfanimation.h"

void AnimationWindowEventReceiver::receive(int event) {
    switch (event) {
    case sessionReplaced:
    case systemChanged:
    case namesChanged:
    case preferencesChanged:
        window_.rebuild();
        break;
    case animatedParameterChanged:
        if (window_.isAnimating()) window_.showValue();
        break;
    default:
        break;
    }
}
