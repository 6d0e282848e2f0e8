#include "windows/kinetics/animationindicator.h"

#include "foundation/numberformat.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowlook.h"
#include "windows/kinetics/kineticslook.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

// The strip brightens from its base colour to this multiple towards the right.
constexpr double stripLightEnd = 3.0;
constexpr int textHeight = 14;

} // namespace

double AnimationIndicator::fraction(double value, double lower, double upper) {
    if (!(upper - lower > indicatorFlatRange)) return 0.5;
    return (value - lower) / (upper - lower);
}

void AnimationIndicator::paint(QPainter& painter, int width, const std::string& label, double value,
                               double lower, double upper, const QColor& text) {
    const int cx = width / 2;
    const int h = static_cast<int>(std::round(width * indicatorHalfWidth));
    const int x0 = cx - h;
    const int x1 = cx + h;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    QLinearGradient gradient(x0, 0, x1, 0);
    gradient.setColorAt(0, indicatorStripColour);
    gradient.setColorAt(1, scaleColour(indicatorStripColour, stripLightEnd));
    painter.fillRect(QRect(QPoint(x0 + 2, indicatorStripTop),
                           QPoint(x1 - 2, indicatorStripTop + indicatorStripHeight - 1)),
                     gradient);
    painter.setPen(text);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x0, indicatorFrameTop, x1 - x0, indicatorFrameBottom - 1 - indicatorFrameTop);

    painter.setFont(uiFont(captionPixels));
    painter.drawText(QRect(0, indicatorLabelTop, width, textHeight),
                     Qt::AlignHCenter | Qt::AlignTop, fromCp1252(label));
    painter.drawText(QRect(0, indicatorRangeTop, x0 - indicatorLowerGap, textHeight),
                     Qt::AlignRight | Qt::AlignTop, fromCp1252(formatNumber(lower)));
    painter.drawText(QRect(x1 + indicatorUpperGap, indicatorRangeTop, width, textHeight),
                     Qt::AlignLeft | Qt::AlignTop, fromCp1252(formatNumber(upper)));

    const double f = fraction(value, lower, upper);
    if (f >= 0 && f <= 1) {
        const int px = x0 + static_cast<int>(std::round((x1 - x0) * f));
        painter.drawLine(px, indicatorFrameTop, px, indicatorFrameBottom - 1);
        for (int row = 0; row < indicatorPointerRows; ++row)
            painter.drawLine(px - row, indicatorPointerTop + row, px + row,
                             indicatorPointerTop + row);
    }
    painter.restore();
}
