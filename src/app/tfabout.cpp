#include "app/tfabout.h"

#include "app/helpfiles.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <iterator>

namespace {

// The band's texts start right of the logo; the lines below the band start
// at the box's text margin and the grey rule spans the margins.
constexpr int bandTextLeft = TFabout::logoLeft + TFabout::logoSide + 16;
constexpr int titleTop = 20;
constexpr int titleHeight = 36;
constexpr int versionTop = 62;
constexpr int lineTops[] = {128, 145, 171, 197};
constexpr int lineHeight = 16;
constexpr int ruleY = 226;

// The band fades from its colour to a slightly darker shade; the lower area
// from white to a light grey, so that the two read as separate panels.
constexpr double bandBottomShade = 0.94;
constexpr double bandEdgeShade = 0.82;
constexpr QColor lowerBottom(244, 244, 246);

constexpr QColor titleInk(28, 36, 92);
constexpr QColor versionInk(84, 84, 120);
constexpr QColor textInk(48, 48, 48);
constexpr QColor linkInk(24, 64, 160);

void drawText(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
              const QColor& ink) {
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace

TFabout::TFabout(const QString& titleText, const QString& versionLine, const QString& productWord,
                 const QImage& logoImage, int bandColour, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), title(titleText), version(versionLine),
      product(productWord), logo(logoImage), band(bandColour) {
    setFixedSize(boxWidth, boxHeight);
    // Every pixel is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QStringList TFabout::lines() const {
    return {QString::fromLatin1(feedbackLine),
            QString::fromLatin1(supportLinePrefix) + QString::fromLatin1(supportAddress),
            QString::fromLatin1(includeLine), homePageUrl(product).toString()};
}

void TFabout::render(QPainter& painter) const {
    painter.save();
    painter.fillRect(0, 0, boxWidth, boxHeight, Qt::white);

    const QColor bandTop = band == whiteBand ? QColor(Qt::white) : toQColor(band);
    QLinearGradient bandShade(0, 0, 0, bandHeight);
    bandShade.setColorAt(0, bandTop);
    bandShade.setColorAt(1, scaleColour(bandTop, bandBottomShade));
    painter.fillRect(0, 0, boxWidth, bandHeight, bandShade);
    painter.setPen(scaleColour(bandTop, bandEdgeShade));
    painter.drawLine(0, bandHeight - 1, boxWidth - 1, bandHeight - 1);

    QLinearGradient lowerShade(0, bandHeight, 0, boxHeight);
    lowerShade.setColorAt(0, Qt::white);
    lowerShade.setColorAt(1, lowerBottom);
    painter.fillRect(0, bandHeight, boxWidth, boxHeight - bandHeight, lowerShade);

    if (!logo.isNull()) painter.drawImage(logoLeft, logoMiddle - logo.height() / 2, logo);

    const int bandTextWidth = boxWidth - textMargin - bandTextLeft;
    drawText(painter, QRect(bandTextLeft, titleTop, bandTextWidth, titleHeight), title,
             uiFont(titlePixels, true), titleInk);
    drawText(painter, QRect(bandTextLeft, versionTop, bandTextWidth, lineHeight), version,
             uiFont(textPixels), versionInk);

    const QFont text = uiFont(textPixels);
    const QStringList below = lines();
    for (int i = 0; i < below.size() && i < static_cast<int>(std::size(lineTops)); ++i)
        drawText(painter, QRect(textMargin, lineTops[i], boxWidth - 2 * textMargin, lineHeight),
                 below[i], text, i == below.size() - 1 ? linkInk : textInk);
    painter.setPen(ruleColour);
    painter.drawLine(textMargin, ruleY, boxWidth - 1 - textMargin, ruleY);
    painter.restore();
}

void TFabout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter);
}

void TFabout::mousePressEvent(QMouseEvent*) {
    accept();
}

void TFabout::keyPressEvent(QKeyEvent*) {
    accept();
}

void showAbout(const QString& title, const QString& version, const QString& productWord,
               const QImage& logo, int bandColour, QWidget* parent) {
    TFabout box(title, version, productWord, logo, bandColour, parent);
    box.exec();
}
