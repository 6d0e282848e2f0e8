#include "windows/kinetics/kineticslegend.h"

#include "model/vreactor.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowlook.h"
#include "windows/kinetics/kineticscolours.h"
#include "windows/kinetics/kineticslook.h"

#include <QPainter>
#include <QPolygon>

namespace {

// Room above and below a row's centre for its text.
constexpr int rowReach = 20;

QRect around(QPoint centre, int reach) {
    return QRect(QPoint(centre.x() - reach, centre.y() - reach),
                 QPoint(centre.x() + reach, centre.y() + reach));
}

// A downward arrow: a shaft three pixels wide from y - 3 to y + 1 over a head
// of rows 7, 5, 3 and 1 pixels wide from y on.
void paintArrow(QPainter& painter, QPoint at, const QColor& colour) {
    painter.fillRect(at.x() - 1, at.y() - 3, 3, 5, colour);
    for (int row = 0; row < 4; ++row) {
        const int half = 3 - row;
        painter.fillRect(at.x() - half, at.y() + row, 2 * half + 1, 1, colour);
    }
}

void paintDiamond(QPainter& painter, QPoint c, int half, const QColor& fill, const QColor& edge) {
    const QPolygon diamond({QPoint(c.x(), c.y() - half), QPoint(c.x() + half, c.y()),
                            QPoint(c.x(), c.y() + half), QPoint(c.x() - half, c.y())});
    painter.setPen(edge);
    painter.setBrush(fill);
    painter.drawPolygon(diamond);
}

void paintText(QPainter& painter, const QRect& area, int flags, const std::string& text,
               const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(area, flags, fromCp1252(text));
}

int hit(const Llist<QRect>& rects, QPoint p) {
    for (int i = 0; i < rects.count(); ++i)
        if (rects[i].contains(p)) return i;
    return -1;
}

} // namespace

void KineticsLegend::paint(QPainter& painter, QSize bitmap, const Vreactor& system,
                           bool observationShown, const KineticsColours& colours,
                           bool largeLabels) {
    visibilityMarkers.clear();
    xAxisMarkers.clear();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(uiFont(largeLabels ? legendLargeTextPixels : legendTextPixels));
    const int step = largeLabels ? legendLargeRowStep : legendRowStep;
    const int n = system.uniqueComponentCount();
    const int xc = system.asXIndex();
    const int arrowX = bitmap.width() - legendRightInset;
    const int diamondX = arrowX - legendMarkerSpacing;
    const int nameRight = diamondX - legendNameSpacing;

    int y = legendFirstRow;
    for (int i = 0; i < n; ++i, y += step) {
        const Vcomponent& c = system.uniqueComponent(i);
        const bool isX = i == xc;
        paintArrow(painter, {arrowX, y}, isX ? colours.text : colours.dim);
        xAxisMarkers.add(around({arrowX, y}, legendHitReach));

        paintDiamond(painter, {diamondX, y}, visibilityOuter, colours.background, colours.dim);
        if (c.monitor) {
            const QColor inner = isX ? colours.dim : colours.text;
            paintDiamond(painter, {diamondX, y}, visibilityInner, inner, inner);
        }
        visibilityMarkers.add(around({diamondX, y}, legendHitReach));

        const QColor ink = c.monitor && !isX ? toQColor(c.color) : colours.dim;
        paintText(painter, QRect(0, y - rowReach, nameRight, 2 * rowReach + 1),
                  Qt::AlignRight | Qt::AlignVCenter, c.name, ink);
    }
    if (observationShown) {
        paintText(painter,
                  QRect(0, y - rowReach, bitmap.width() - observationRightInset, 2 * rowReach + 1),
                  Qt::AlignRight | Qt::AlignVCenter, observationCaption, observationColour);
    }
    if (n > 0) {
        const int centre = bitmap.height() - (largeLabels ? largeCaptionRise : captionRise);
        const std::string caption = xc >= 0 ? system.uniqueComponent(xc).name : timeCaption;
        paintText(painter, QRect(0, centre - rowReach, bitmap.width(), 2 * rowReach + 1),
                  Qt::AlignHCenter | Qt::AlignVCenter, caption, colours.text);
    }
    painter.restore();
}

int KineticsLegend::visibilityMarkerAt(QPoint p) const {
    return hit(visibilityMarkers, p);
}

int KineticsLegend::xAxisMarkerAt(QPoint p) const {
    return hit(xAxisMarkers, p);
}
