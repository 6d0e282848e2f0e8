#include "windows/kinetics/kineticscontrols.h"

#include "foundation/numberformat.h"
#include "session/kineticsview.h"
#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/kinetics/kineticslook.h"

#include <QPainter>

#include <algorithm>

namespace {

// A box of the window colour scaled by 0.9 in a sunken frame, the number
// right-aligned one pixel from its right edge.
void paintField(QPainter& painter, const QRect& r, double value) {
    painter.fillRect(r, scaleColour(windowColour, valueFieldShade));
    painter.setPen(scaleColour(windowColour, plotFrameDark));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(scaleColour(windowColour, plotFrameLight));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(Qt::black);
    painter.setFont(uiFont(fieldTextPixels));
    painter.drawText(r.adjusted(1, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                     fromCp1252(formatNumber(value)));
}

} // namespace

KineticsControls::KineticsControls(QSize client) : clientSize(client) {
    const int left = plotLeft;
    const int top = plotTop;
    const int right = std::max(left + 1, client.width() - plotRightGap);
    const int bottom = std::max(top + 1, client.height() - plotBottomGap);
    plot = QRect(left, top, right - left, bottom - top);
    const int midX = (left + right) / 2;
    const int midY = (top + bottom) / 2;
    const int fieldWidth = left - fieldWidthCut;
    autoYButton = QRect(left - 63, midY - 33, toggleWidth, toggleHeight);
    logYButton = QRect(left - 63, midY + 8, toggleWidth, toggleHeight);
    maxYField = QRect(fieldLeft, top, fieldWidth, fieldHeight);
    minYField = QRect(fieldLeft, bottom - 14, fieldWidth, fieldHeight);
    autoXButton = QRect(midX - 64, bottom + 7, toggleWidth, toggleHeight);
    logXButton = QRect(midX + 8, bottom + 7, toggleWidth, toggleHeight);
    minXField = QRect(left, bottom + 8, fieldWidth, fieldHeight);
    maxXField = QRect(right - left + 16, bottom + 8, fieldWidth, fieldHeight);
    optionsButton = QRect(optionsLeft, bottom + 17, left - optionsWidthCut, fieldHeight);
}

QRect KineticsControls::rect(Control control) const {
    switch (control) {
    case autoY:
        return autoYButton;
    case logY:
        return logYButton;
    case maxY:
        return maxYField;
    case minY:
        return minYField;
    case autoX:
        return autoXButton;
    case logX:
        return logXButton;
    case minX:
        return minXField;
    case maxX:
        return maxXField;
    case options:
        return optionsButton;
    case none:
        break;
    }
    return QRect();
}

KineticsControls::Control KineticsControls::at(QPoint p) const {
    for (Control c : {autoY, logY, maxY, minY, autoX, logX, minX, maxX, options})
        if (rect(c).contains(p)) return c;
    return none;
}

void KineticsControls::paint(QPainter& painter, const KineticsView& view) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintFrame(painter, clientSize.width(), clientSize.height(), true);

    const QRect f = plot.adjusted(-1, -1, 1, 1);
    painter.setPen(scaleColour(windowColour, plotFrameDark));
    painter.drawLine(f.topLeft(), f.topRight());
    painter.drawLine(f.topLeft(), f.bottomLeft());
    painter.setPen(scaleColour(windowColour, plotFrameLight));
    painter.drawLine(f.bottomLeft(), f.bottomRight());
    painter.drawLine(f.topRight(), f.bottomRight());

    paintSwitch(painter, autoYButton, QStringLiteral("Auto"), view.autoY);
    paintSwitch(painter, logYButton, QStringLiteral("Log"), view.logY);
    paintSwitch(painter, autoXButton, QStringLiteral("Auto"), view.autoX);
    paintSwitch(painter, logXButton, QStringLiteral("Log"), view.logX);
    paintField(painter, maxYField, view.maxY);
    paintField(painter, minYField, view.minY);
    paintField(painter, minXField, view.minX);
    paintField(painter, maxXField, view.maxX);
    paintButton(painter, optionsButton, QStringLiteral("Options"));
    painter.restore();
}
