#include "app/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr QColor tileTop(44, 74, 150);
constexpr QColor tileBottom(18, 30, 82);
constexpr QColor axisColour(255, 255, 255, 170);
constexpr QColor reactantColour(255, 168, 38);
constexpr QColor productColour(84, 226, 164);
constexpr QColor intermediateColour(240, 98, 146);

// Relative to the side: the tile's corner radius and the plot's margins.
constexpr double cornerRadius = 0.2;
constexpr double plotLeft = 0.2;
constexpr double plotRight = 0.12;
constexpr double plotTop = 0.16;
constexpr double plotBottom = 0.2;
// Below this side the intermediate makes the picture too busy.
constexpr int intermediateMinSide = 40;

// Rate constants of A -> B -> C with the intermediate, and of A -> C without.
constexpr double k1 = 4.0;
constexpr double k2 = 2.2;

QPainterPath curve(const QRectF& plot, const std::function<double(double)>& f) {
    constexpr int steps = 48;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF p(plot.left() + t * plot.width(), plot.bottom() - f(t) * plot.height());
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

} // namespace

QImage makeLogo(int side) {
    if (side < 1) return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(0, 0, side, side);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, tileTop);
    shade.setColorAt(1, tileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, side * cornerRadius, side * cornerRadius);

    const QRectF plot(side * plotLeft, side * plotTop, side * (1 - plotLeft - plotRight),
                      side * (1 - plotTop - plotBottom));
    const double line = std::max(1.2, side / 20.0);
    painter.setPen(QPen(axisColour, std::max(1.0, line * 0.6), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    const bool withIntermediate = side >= intermediateMinSide;
    const auto reactant = [](double t) { return std::exp(-k1 * t); };
    const auto product = [withIntermediate](double t) {
        if (!withIntermediate) return 1 - std::exp(-k1 * t);
        return 1 - (k2 * std::exp(-k1 * t) - k1 * std::exp(-k2 * t)) / (k2 - k1);
    };
    const auto intermediate = [](double t) {
        return k1 / (k2 - k1) * (std::exp(-k1 * t) - std::exp(-k2 * t));
    };

    painter.setBrush(Qt::NoBrush);
    if (withIntermediate) {
        painter.setPen(QPen(intermediateColour, line * 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curve(plot, intermediate));
    }
    painter.setPen(QPen(productColour, line, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curve(plot, product));
    painter.setPen(QPen(reactantColour, line, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curve(plot, reactant));
    return image;
}

QIcon makeLogoIcon() {
    QIcon icon;
    for (int side : logoIconSides)
        icon.addPixmap(QPixmap::fromImage(makeLogo(side)));
    return icon;
}
