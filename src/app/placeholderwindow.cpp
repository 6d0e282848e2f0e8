#include "app/placeholderwindow.h"

#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QPainter>

PlaceholderWindow::PlaceholderWindow(const QString& caption, QSize clientSize, QWidget* parent,
                                     Qt::WindowFlags flags)
    : QWidget(parent, flags), clientSize_(clientSize) {
    setWindowTitle(caption);
    resize(clientSize);
    applyWindowColours(this);
}

void PlaceholderWindow::refresh() {
    if (isVisible()) update();
}

void PlaceholderWindow::paintEvent(QPaintEvent*) {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintFrame(painter, width(), height(), true);
    painter.setFont(uiFont(captionPixels));
    painter.setPen(Qt::darkGray);
    painter.drawText(rect(), Qt::AlignCenter, windowTitle().trimmed());
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}
