#include "windows/animation/tfanimation.h"

#include "foundation/numberformat.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/undorecorder.h"
#include "windows/animation/animationlook.h"
#include "windows/common/cp1252.h"
#include "windows/common/screencentre.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

TFanimation::TFanimation(Vreactor& system, Animation& animation, UndoRecorder& undo,
                         QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Lparameter(new QLabel(QStringLiteral("Parameter"), this)), CBpar(new QComboBox(this)),
      Lvalue(new QLabel(QStringLiteral("Value"), this)), system_(system), animation_(animation),
      undo_(undo) {
    setWindowTitle(caption);
    setFixedSize(animationClientWidth, animationClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (QWidget* w : {static_cast<QWidget*>(Lparameter), static_cast<QWidget*>(CBpar),
                       static_cast<QWidget*>(Lvalue)})
        w->setFont(uiFont(captionPixels));
    Lparameter->setGeometry(parameterLabelRect);
    CBpar->setGeometry(parameterListRect);
    CBpar->setMaxVisibleItems(parameterListVisibleItems);
    Lparameter->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Lvalue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Lvalue->setGeometry(valueLabelRect.left(), valueLabelRect.top(), Lvalue->sizeHint().width(),
                        valueLabelRect.height());
    applyWindowColours(this);
    connect(CBpar, &QComboBox::currentIndexChanged, this, &TFanimation::entryChosen);
    image_ = QImage(size(), QImage::Format_RGB32);
    render();
}

bool TFanimation::isAnimating() const {
    return animation_.isAnimating();
}

double* TFanimation::selectedParameter() {
    const int i = CBpar->currentIndex();
    if (i < 0 || i >= parameters.count()) return nullptr;
    if (!holdsParameter(system_, parameters[i].parameter)) {
        // The reaction system's lists changed without an event that rebuilds.
        rebuild();
        const int j = CBpar->currentIndex();
        return j >= 0 && j < parameters.count() ? parameters[j].parameter : nullptr;
    }
    return parameters[i].parameter;
}

void TFanimation::rebuild() {
    updating_ = true;
    parameters = listParameters(system_);
    CBpar->clear();
    for (int i = 0; i < parameters.count(); ++i) {
        CBpar->addItem(fromCp1252(parameters[i].label));
        CBpar->setItemData(i, QSize(0, parameterItemHeight), Qt::SizeHintRole);
    }
    CBpar->setEnabled(!parameters.empty());
    const int chosen = chooseEntry(parameters, selectedLabel, animation_.animatedParameter());
    if (chosen >= 0) {
        CBpar->setCurrentIndex(chosen);
        selectedLabel = parameters[chosen].label;
    }
    updating_ = false;
    showValue();
    render();
    update();
}

void TFanimation::showValue() {
    double* p = animation_.isAnimating() ? animation_.animatedParameter() : selectedParameter();
    valueText = p ? formatNumber(*p) : std::string();
    renderValue();
    update(valueArea());
}

void TFanimation::togglePlay() {
    double* p = selectedParameter();
    if (!p) return;
    animation_.setAnimated(p);
    rebuild();
    if (updateEquations) updateEquations();
    if (repaintSpeedBar) repaintSpeedBar();
    undo_.pushUndo(toggleUndoLabel, false);
}

void TFanimation::entryChosen(int index) {
    if (updating_ || index < 0 || index >= parameters.count()) return;
    selectedLabel = parameters[index].label;
    if (animation_.isAnimating()) {
        double* p = selectedParameter();
        if (p && p != animation_.animatedParameter()) {
            // Toggles the new parameter on; the old one's flag is cleared.
            animation_.setAnimated(p);
            if (updateEquations) updateEquations();
            undo_.pushUndo(changeUndoLabel, false);
        }
    }
    showValue();
}

QRect TFanimation::valueArea() const {
    const int left = Lvalue->geometry().right() + 1 + valueGap;
    return {left, parameterListRect.top(), width() - 1 - left, valueHeight};
}

void TFanimation::render() {
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(windowColour);
    QPainter painter(&image_);
    paintFrame(painter, width(), height());
    rects = paintAnimationRow(painter, animation_, height());
    painter.end();
    renderValue();
}

void TFanimation::renderValue() {
    QPainter painter(&image_);
    const QRect area = valueArea();
    painter.fillRect(area, windowColour);
    painter.setFont(uiFont(valuePixelsAnimation, true));
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, fromCp1252(valueText));
}

void TFanimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
    rebuild();
}

void TFanimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TFanimation::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (rects.play.contains(p)) {
        togglePlay();
        return;
    }
    for (int i = 0; i < animationFieldCount; ++i) {
        const ValueFieldRects& field = rects.fields[i];
        const bool plus = field.plus.contains(p);
        if (!plus && !field.minus.contains(p)) continue;
        if (stepSetting(animation_, static_cast<AnimationField>(i), plus)) {
            rebuild();
            undo_.pushUndo(optionsUndoLabel, true);
        }
        return;
    }
}
