#include "windows/reactions/reactionwindoweventreceiver.h"

#include "windows/reactions/tfreactions.h"

void ReactionWindowEventReceiver::receive(int event) {
    switch (event) {
    case sessionReplaced:
    case preferencesChanged:
        window_.chooseImages();
        window_.resizeSurface();
        window_.resetTitle();
        break;
    case systemChanged:
    case namesChanged:
    case drawingChanged:
        window_.repaintSurface();
        break;
    default:
        break;
    }
}
