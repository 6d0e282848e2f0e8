#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a dialog of the given outer size opens under the pointer: its left
// edge 132 pixels left of the pointer and its top 68 pixels above it, then
// pushed inside area (origin first, so the far edges win) and after that
// inside the screen. An empty area or screen is ignored.
QPoint dialogPosition(QPoint pointer, QSize size, const QRect& area, const QRect& screen);

// The top left corner that keeps a rectangle of that size inside area: first
// not before its origin, then not past its far edges. An empty area changes
// nothing.
QPoint keptInside(QPoint topLeft, QSize size, const QRect& area);

// The frame a top-level window of owner's will get round its client area:
// the window's own when the window system has told it, else that of the
// owner's window (a title bar of the same look), else none.
QMargins expectedFrameMargins(const QWidget* window, const QWidget* owner);

// The main window's client area, in screen coordinates, for a dialog opened
// from owner: the central widget of the outermost main window up owner's
// parent chain, or the outermost window's own area when it has none. Empty
// for no owner.
QRect ownerClientArea(const QWidget* owner);
