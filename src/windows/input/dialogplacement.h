#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a dialog of the given outer size opens under the pointer: its left
// edge 132 pixels left of the pointer and its top 68 pixels above it, then
// pushed inside area (origin first, so the far edges win) and after that
// inside the screen. An empty area or screen is ignored.
QPoint dialogPosition(QPoint pointer, QSize size, const QRect& area, const QRect& screen);

// The main window's client area, in screen coordinates, for a dialog opened
// from owner: the central widget of the outermost main window up owner's
// parent chain, or the outermost window's own area when it has none. Empty
// for no owner.
QRect ownerClientArea(const QWidget* owner);
