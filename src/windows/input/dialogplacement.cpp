#include "windows/input/dialogplacement.h"

#include <QMainWindow>
#include <QWidget>

#include <algorithm>

namespace {

constexpr QPoint pointerOffset(132, 68);

QPoint pushedInside(QPoint topLeft, QSize size, const QRect& area) {
    if (area.isEmpty()) return topLeft;
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    topLeft.setX(std::min(topLeft.x(), area.right() + 1 - size.width()));
    topLeft.setY(std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    return topLeft;
}

} // namespace

QPoint dialogPosition(QPoint pointer, QSize size, const QRect& area, const QRect& screen) {
    return pushedInside(pushedInside(pointer - pointerOffset, size, area), size, screen);
}

QRect ownerClientArea(const QWidget* owner) {
    if (!owner) return QRect();
    const QWidget* top = owner;
    while (top->parentWidget())
        top = top->parentWidget();
    const auto* main = qobject_cast<const QMainWindow*>(top);
    const QWidget* client = main && main->centralWidget() ? main->centralWidget() : top;
    return QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
}
