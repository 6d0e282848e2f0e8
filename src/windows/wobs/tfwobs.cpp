#include "windows/wobs/tfwobs.h"

#include "engine/weightedobservation.h"
#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "model/vreactor.h"
#include "session/undorecorder.h"
#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/screencentre.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/wobs/weightlines.h"
#include "windows/wobs/wobslook.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The value dialogs of this window: the default drag law and step.
constexpr double defaultStep = 0;
constexpr int defaultLaw = -1;
constexpr double largest = 1e100;

// The platform's fixed font may be a proportional one (the offscreen
// platform gives its default face); the column of weights needs fixed pitch.
QFont listFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch())
        font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono"),
                          QStringLiteral("monospace")});
    font.setPixelSize(listFontPixels);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void announce() {
    broadcast(weightedObservationChanged);
}

} // namespace

TFwObs::TFwObs(Vreactor& system, WeightedObservation& observation, UndoRecorder& undo,
               QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), CBactive(new QCheckBox(this)),
      CBdifferential(new QCheckBox(this)), LglobalFactor(new QLabel(this)),
      Lcomponent(new QLabel(this)), Lweight(new QLabel(this)), LBweights(new QListWidget(this)),
      system_(system), observation_(observation), undo_(undo), dialogAsker_(this),
      asker_(&dialogAsker_) {
    setWindowTitle(caption);
    setFixedSize(wobsClientWidth, wobsClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);

    CBactive->setText(QStringLiteral("Active"));
    CBactive->setGeometry(activeBoxRect);
    CBdifferential->setText(QStringLiteral("Derivative function"));
    CBdifferential->setGeometry(derivativeBoxRect);
    LglobalFactor->setText(QStringLiteral("Global factor"));
    LglobalFactor->setFont(uiFont(captionPixels));
    const int labelWidth = LglobalFactor->sizeHint().width();
    LglobalFactor->setGeometry(globalFactorRect.left() - globalFactorLabelGap - labelWidth,
                               globalFactorRect.top(), labelWidth, globalFactorRect.height());
    Lcomponent->setText(QStringLiteral("Component"));
    Lcomponent->setGeometry(wobsMargin, headingTop, 120, headingHeight);
    Lweight->setText(QStringLiteral("Weight"));
    for (QWidget* w : std::initializer_list<QWidget*>{CBactive, CBdifferential, LglobalFactor,
                                                      Lcomponent, Lweight})
        w->setFont(uiFont(captionPixels));

    zeroRect = zeroButtonRect(width(), height());
    oneRect = oneButtonRect(width(), height());
    LBweights->setFont(listFont());
    LBweights->setGeometry(wobsMargin, listTop, width() - 2 * wobsMargin,
                           zeroRect.top() - listBottomGap - listTop);
    LBweights->setSelectionMode(QAbstractItemView::SingleSelection);
    placeWeightHeading();
    applyWindowColours(this);

    connect(CBactive, &QCheckBox::toggled, this, &TFwObs::activeToggled);
    connect(CBdifferential, &QCheckBox::toggled, this, &TFwObs::differentialToggled);
    connect(LBweights, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { editWeight(index.row()); });
    image_ = QImage(size(), QImage::Format_RGB32);
    render();
}

void TFwObs::placeWeightHeading() {
    // Above the first character of the weight column.
    const int textLeft =
        LBweights->frameWidth() +
        LBweights->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, LBweights) + 1;
    const int column =
        QFontMetrics(listFont()).horizontalAdvance(QString(nameColumnWidth + 1, QLatin1Char(' ')));
    Lweight->setGeometry(LBweights->x() + textLeft + column, headingTop, 80, headingHeight);
}

void TFwObs::fill() {
    updating = true;
    CBactive->setChecked(observation_.active);
    CBdifferential->setChecked(observation_.differential);
    const int selected = LBweights->currentRow();
    LBweights->clear();
    for (const Vcomponent& c : system_.components)
        if (!c.shortcut) LBweights->addItem(fromCp1252(weightLine(c.name, c.weight)));
    if (selected >= 0 && selected < LBweights->count()) LBweights->setCurrentRow(selected);
    updating = false;
    render();
    update();
}

void TFwObs::activeToggled(bool on) {
    if (updating) return;
    observation_.active = on;
    announce();
    undo_.pushUndo("Activate/deactivate weighted observation", false);
}

void TFwObs::differentialToggled(bool on) {
    if (updating) return;
    observation_.differential = on;
    announce();
    undo_.pushUndo("Changed weighted observation", false);
}

void TFwObs::edited(const char* undoLabel) {
    undo_.pushUndo(undoLabel, false);
    fill();
    announce();
}

void TFwObs::editWeight(int line) {
    if (line < 0 || line >= system_.uniqueComponentCount()) return;
    double& weight = system_.uniqueComponent(line).weight;
    if (asker_->askNumber("Weight", &weight, announce, 0, largest, defaultStep, defaultLaw) == 2)
        edited("Change weight");
}

void TFwObs::editGlobalFactor() {
    if (asker_->askNumber("Global factor", &observation_.globalFactor, announce, -largest, largest,
                          defaultStep, defaultLaw) == 2)
        edited("Change weighted obs. global factor");
}

void TFwObs::setAllWeights(double weight) {
    for (Vcomponent& c : system_.components)
        if (!c.shortcut) c.weight = weight;
    edited(weight == 0 ? "Set weights to 0" : "Set weights to 1");
}

void TFwObs::render() {
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(windowColour);
    QPainter painter(&image_);
    paintFrame(painter, width(), height());

    // An etched line: dark over light.
    painter.setPen(scaleColour(windowColour, bevelDarkEdge));
    painter.drawLine(wobsMargin, separatorY, width() - 1 - wobsMargin, separatorY);
    painter.setPen(scaleColour(windowColour, bevelLightEdge));
    painter.drawLine(wobsMargin, separatorY + 1, width() - 1 - wobsMargin, separatorY + 1);

    painter.fillRect(globalFactorRect, Qt::white);
    painter.setPen(scaleColour(windowColour, bevelDarkEdge));
    painter.drawRect(globalFactorRect.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setFont(uiFont(captionPixels, true));
    painter.drawText(globalFactorRect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     fromCp1252(formatNumber(observation_.globalFactor)));

    paintButton(painter, zeroRect, QString::fromLatin1(zeroCaption));
    paintButton(painter, oneRect, QString::fromLatin1(oneCaption));
}

void TFwObs::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
    fill();
}

void TFwObs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TFwObs::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (zeroRect.contains(p))
        setAllWeights(0);
    else if (oneRect.contains(p))
        setAllWeights(1);
    else if (globalFactorRect.contains(p))
        editGlobalFactor();
}
