#include "app/mainwindoweventreceiver.h"

#include "app/mainwindowviews.h"

void MainWindowEventReceiver::receive(int event) {
    switch (event) {
    case sessionReplaced:
    case preferencesChanged:
        // Undo, redo and history jumps bring back the file name stored with
        // the level, and the next Save writes there.
        if (event == sessionReplaced) views_.showSessionName();
        views_.repaintControl();
        views_.rebuildEquations(true);
        if (event == sessionReplaced) views_.repaintSpeedbar();
        views_.refreshWeightedObservation();
        views_.refreshKinetics();
        break;
    case systemChanged:
    case namesChanged:
        views_.rebuildEquations(false);
        views_.repaintSpeedbar();
        views_.refreshWeightedObservation();
        views_.refreshKinetics();
        break;
    case parametersChanged:
    case animatedParameterChanged:
    case weightedObservationChanged:
        views_.refreshKinetics();
        break;
    default:
        break;
    }
    views_.updateIdleLoop();
}
