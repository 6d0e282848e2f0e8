#pragma once

#include <QRect>
#include <QSize>

// The default places of the child windows inside the main window's client
// area (outer frames, client-area coordinates). Sizes never go below zero
// on a small main window.
struct WindowArrangement {
    QRect reactions;
    QRect control;
    QRect speedbar;
    QRect kinetics;
};

// client: the main window's client area; control and speedbar: the outer
// sizes of those two windows, which keep them.
WindowArrangement defaultWindowArrangement(QSize client, QSize control, QSize speedbar);

// The equations window's outer frame, in screen coordinates, laid over the
// right part of the reaction system window's client area (screen
// coordinates): 348 wide, 20 pixels inside its right, top and bottom edges.
QRect equationsPlacement(const QRect& reactionClient);
