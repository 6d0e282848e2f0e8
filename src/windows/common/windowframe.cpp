#include "windows/common/windowframe.h"

#include "windows/common/colour.h"
#include "windows/common/windowlook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

namespace {

bool isEditable(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w);
}

bool standsOnWindow(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QGroupBox*>(w);
}

bool hasText(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QFrame*>(w);
}

} // namespace

void applyWindowColours(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, windowColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const bool editable = isEditable(child);
        const bool onWindow = !editable && standsOnWindow(child);
        if (!editable && !onWindow && !hasText(child)) continue;
        QPalette p = child->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::ButtonText, Qt::black);
        if (editable) p.setColor(QPalette::Base, Qt::white);
        if (onWindow) p.setColor(QPalette::Window, windowColour);
        child->setPalette(p);
    }
}

void paintFrame(QPainter& painter, int w, int h, bool fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 1; i <= 9; ++i) {
        const double d = (1 - i / 10.0) * 0.2;
        // Lines end one pixel before the right edge; the frame covers it.
        painter.setPen(scaleColour(windowColour, 1 + d));
        painter.drawLine(1, i, w - 2, i);
        painter.setPen(scaleColour(windowColour, 1 - d));
        painter.drawLine(1, h - 1 - i, w - 2, h - 1 - i);
    }
    if (fill && w > 2 && h > 20) painter.fillRect(1, 10, w - 2, h - 20, windowColour);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.restore();
}
