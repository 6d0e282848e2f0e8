#include "windows/input/dialogplacement.h"

#include <QMainWindow>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr QPoint pointerOffset(132, 68);

} // namespace

QPoint keptInside(QPoint topLeft, QSize size, const QRect& area) {
    if (area.isEmpty()) return topLeft;
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    topLeft.setX(std::min(topLeft.x(), area.right() + 1 - size.width()));
    topLeft.setY(std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    return topLeft;
}

QPoint dialogPosition(QPoint pointer, QSize size, const QRect& area, const QRect& screen) {
    return keptInside(keptInside(pointer - pointerOffset, size, area), size, screen);
}

QMargins expectedFrameMargins(const QWidget* window, const QWidget* owner) {
    if (window->windowFlags() & Qt::FramelessWindowHint) return QMargins();
    const QWindow* own = window->windowHandle();
    if (own && !own->frameMargins().isNull()) return own->frameMargins();
    const QWindow* other = owner ? owner->window()->windowHandle() : nullptr;
    return other ? other->frameMargins() : QMargins();
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
