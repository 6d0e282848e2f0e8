#include "windows/reactions/reactantimages.h"

#include "windows/reactions/reactionlook.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace {

// The shades of one cone: the slope facing the light (upper left), the two
// side slopes, the slope turned away, and the rim.
struct ConeTones {
    QColor light;
    QColor side;
    QColor dark;
    QColor rim;
    // A halo round a selected cone; transparent for none.
    QColor halo;
};

ConeTones tonesFor(bool isSelected, bool openAir) {
    if (openAir)
        return isSelected ? ConeTones{{255, 255, 235},
                                      {250, 200, 70},
                                      {150, 80, 0},
                                      {110, 60, 0},
                                      {255, 255, 255, 230}}
                          : ConeTones{{245, 248, 245},
                                      {105, 128, 132},
                                      {28, 44, 52},
                                      {20, 32, 36},
                                      Qt::transparent};
    return isSelected ? ConeTones{{255, 252, 225},
                                  {240, 190, 70},
                                  {125, 70, 10},
                                  {255, 225, 140},
                                  {255, 210, 90, 150}}
                      : ConeTones{{232, 236, 244},
                                  {132, 138, 154},
                                  {38, 41, 52},
                                  {150, 156, 172},
                                  Qt::transparent};
}

constexpr double imageCentre = componentImageSize / 2.0;
constexpr double coneRadius = 9.6;
// Light falls from the upper left, counter-clockwise degrees from the x axis.
constexpr double lightAngle = 135;

} // namespace

ReactantImages::ReactantImages()
    : Ireactant(drawReactant(false, false)), Ireactant_selected(drawReactant(true, false)),
      Ireactant_openair(drawReactant(false, true)),
      Ireactant_selected_openair(drawReactant(true, true)) {}

void ReactantImages::choose(int colourScheme) {
    openAir_ = colourScheme == openAirScheme;
}

QImage ReactantImages::drawReactant(bool isSelected, bool openAir) {
    QImage image(componentImageSize, componentImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const ConeTones tones = tonesFor(isSelected, openAir);
    const QPointF centre(imageCentre, imageCentre);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    if (tones.halo.alpha() > 0) {
        QRadialGradient halo(centre, imageCentre);
        QColor clear = tones.halo;
        clear.setAlpha(0);
        halo.setColorAt(0.0, tones.halo);
        halo.setColorAt(coneRadius / imageCentre, tones.halo);
        halo.setColorAt(1.0, clear);
        p.setBrush(halo);
        p.drawEllipse(centre, imageCentre, imageCentre);
    } else if (openAir) {
        // A soft shadow to the lower right lifts the cone off the light ground.
        QRadialGradient shadow(centre + QPointF(1.2, 1.2), coneRadius + 1.6);
        shadow.setColorAt(0.75, QColor(0, 0, 0, 90));
        shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(shadow);
        p.drawEllipse(centre + QPointF(1.2, 1.2), coneRadius + 1.6, coneRadius + 1.6);
    }

    // Seen from above, each slope of a cone is lit by its direction alone:
    // the shade goes round the apex.
    QConicalGradient slopes(centre, lightAngle);
    slopes.setColorAt(0.0, tones.light);
    slopes.setColorAt(0.22, tones.side);
    slopes.setColorAt(0.5, tones.dark);
    slopes.setColorAt(0.78, tones.side);
    slopes.setColorAt(1.0, tones.light);
    p.setBrush(slopes);
    p.setPen(QPen(tones.rim, 1.0));
    p.drawEllipse(centre, coneRadius, coneRadius);

    // A faint ridge line toward the light marks the apex.
    QPen ridge(QColor(255, 255, 255, openAir ? 150 : 110), 1.0);
    ridge.setCapStyle(Qt::RoundCap);
    p.setPen(ridge);
    const QPointF toLight(-coneRadius * 0.7071, -coneRadius * 0.7071);
    p.drawLine(centre, centre + toLight * 0.85);
    return image;
}

QCursor ReactantImages::connectionCursor() {
    constexpr int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The pointer: white with a black edge, its tip at (1, 1).
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 16);
    arrow.lineTo(5, 12.5);
    arrow.lineTo(8, 19);
    arrow.lineTo(10.5, 18);
    arrow.lineTo(7.5, 11.5);
    arrow.lineTo(12.5, 11.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(arrow);

    // Two linked rings: a connection being drawn.
    QPen outer(Qt::black, 3.6);
    QPen inner(QColor(90, 220, 255), 1.8);
    const QPointF a(16.5, 21.5), b(24.5, 26.5);
    for (const QPen& pen : {outer, inner}) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawLine(a, b);
        p.drawEllipse(a, 3.2, 3.2);
        p.drawEllipse(b, 3.2, 3.2);
    }
    p.end();
    return QCursor(pixmap, 1, 1);
}
