#include "windows/common/buttonlook.h"

#include "windows/common/colour.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Where the indicator strip sits inside a switch, and how far it pushes the
// caption to the right.
constexpr int stripLeft = 2;
constexpr int stripRight = 5;
constexpr int captionShift = 1;

// Text positions inside a value field.
constexpr QPoint titleOffset(5, 5);
constexpr QPoint valueOffset(5, 20);

// The value's bold type, made smaller (down to the caption's size) when the
// text would run under the field's buttons: fonts differ between systems.
QFont valueFont(const QString& value, int width) {
    QFont font = uiFont(valuePixels, true);
    for (int pixels = valuePixels - 1;
         pixels >= captionPixels && QFontMetrics(font).horizontalAdvance(value) > width; --pixels)
        font.setPixelSize(pixels);
    return font;
}

void drawText(QPainter& painter, const QRect& rect, int flags, const QString& text,
              const QFont& font, const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

} // namespace

void paintBevel(QPainter& painter, const QRect& rect, const QColor& box) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int h = rect.height();
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? static_cast<double>(y) / (h - 1) : 0;
        const double shade = bevelTopShade + (bevelBottomShade - bevelTopShade) * t;
        painter.setPen(scaleColour(box, shade));
        painter.drawLine(rect.left(), rect.top() + y, rect.right(), rect.top() + y);
    }
    painter.setPen(scaleColour(box, bevelLightEdge));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(scaleColour(box, bevelDarkEdge));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

void paintButton(QPainter& painter, const QRect& rect, const QString& caption) {
    paintBevel(painter, rect, windowColour);
    painter.save();
    drawText(painter, rect, Qt::AlignCenter, caption, uiFont(captionPixels), Qt::black);
    painter.restore();
}

ValueFieldRects paintValueField(QPainter& painter, const QRect& rect, const QString& title,
                                const QString& value, int buttonWidth, bool whiteText) {
    const QColor box = scaleColour(windowColour, whiteText ? valueFieldDarkShade : valueFieldShade);
    const QColor ink = whiteText ? Qt::white : Qt::black;
    paintBevel(painter, rect, box);

    ValueFieldRects rects;
    rects.field = rect;
    QRect textArea = rect;
    if (buttonWidth > 0) {
        const int half = rect.height() / 2;
        rects.plus = QRect(rect.right() + 1 - buttonWidth, rect.top(), buttonWidth, half);
        rects.minus =
            QRect(rects.plus.left(), rect.top() + half, buttonWidth, rect.height() - half);
        textArea.setRight(rects.plus.left() - 1);
    }

    painter.save();
    painter.setClipRect(textArea.adjusted(1, 1, -1, -1));
    const QRect titleRect = textArea.adjusted(titleOffset.x(), titleOffset.y(), 0, 0);
    drawText(painter, titleRect, Qt::AlignLeft | Qt::AlignTop, title, uiFont(captionPixels), ink);
    const QRect valueRect = textArea.adjusted(valueOffset.x(), valueOffset.y(), 0, 0);
    drawText(painter, valueRect, Qt::AlignLeft | Qt::AlignTop, value,
             valueFont(value, valueRect.width() - 1), ink);
    painter.restore();

    if (buttonWidth > 0) {
        paintButton(painter, rects.plus, QStringLiteral("+"));
        paintButton(painter, rects.minus, QStringLiteral("-"));
    }
    return rects;
}

QRect paintSwitch(QPainter& painter, const QRect& rect, const QString& text, bool on,
                  const QColor& box) {
    paintBevel(painter, rect, box);
    const QRect strip(rect.left() + stripLeft, rect.top() + stripLeft, stripRight - stripLeft,
                      rect.height() - stripLeft - 1);
    painter.fillRect(strip, on ? indicatorOnColour : scaleColour(box, indicatorOffShade));
    painter.save();
    drawText(painter, rect.translated(captionShift, 0), Qt::AlignCenter, text,
             uiFont(captionPixels), Qt::black);
    painter.restore();
    return rect;
}

QRect paintSwitchWithoutIndicator(QPainter& painter, const QRect& rect, const QString& text,
                                  const QColor& box) {
    paintBevel(painter, rect, box);
    painter.save();
    drawText(painter, rect, Qt::AlignCenter, text, uiFont(captionPixels), Qt::black);
    painter.restore();
    return rect;
}
