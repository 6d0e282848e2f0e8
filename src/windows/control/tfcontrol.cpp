#include "windows/control/tfcontrol.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/input/askvalue.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int margin = 8;
constexpr int fieldTop = 16;
constexpr int fieldHeight = 41;
constexpr int fieldGap = 4;
constexpr int fieldButtonWidth = 40;
constexpr int switchWidth = 82;
constexpr int switchGap = 8;
constexpr int statusHeight = 85;
constexpr int statusBottomGap = 16;
constexpr double statusShade = 0.75;
// Status lines: a headline, then name and value columns 14 pixels apart.
constexpr QPoint statusTitleOffset(5, 5);
constexpr QPoint statusHeadlineOffset(5, 20);
constexpr int statusNameX = 10;
constexpr int statusValueX = 70;
constexpr int statusLineTop = 25;
constexpr int statusLineHeight = 14;

// The highest simulation time and the lowest time step that the value
// dialog accepts; "+" and "-" keep within them too.
constexpr double maxSimulationTime = 1e100;
constexpr double minTimeStep = 1e-100;

constexpr const char* simulationTimeLabel = "Change simulation time";
constexpr const char* timeStepLabel = "Change time step";

QString text(const std::string& s) {
    return fromCp1252(s);
}

void drawAt(QPainter& painter, const QRect& box, QPoint offset, const QString& s,
            const QFont& font) {
    painter.setFont(font);
    painter.drawText(QRect(box.topLeft() + offset, box.bottomRight()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
}

} // namespace

TFcontrol::TFcontrol(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setWindowTitle(QStringLiteral("Simulation Control"));
    setFixedSize(clientWidth, clientHeight);
    render();
}

// While the reference solution is shown, the box grows one line downwards
// into the margin for its deviation line.
int TFcontrol::statusBoxHeight() const {
    return statusHeight + (program_.kineticsView.referenceSolution ? statusLineHeight : 0);
}

void TFcontrol::showStatus(const std::string& message) {
    if (!message.empty() && statusRect.height() != statusBoxHeight()) {
        status = message;
        render();
        update();
        return;
    }
    if (!message.empty()) {
        status = message;
        QPainter painter(&image_);
        paintStatus(painter);
        painter.end();
        update(statusRect);
        return;
    }
    render();
    update();
}

void TFcontrol::render() {
    const int w = width();
    const int h = height();
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(windowColour);
    QPainter painter(&image_);
    paintFrame(painter, w, h);

    const Reactor& reactor = program_.reactor;
    const ValueFieldRects time =
        paintValueField(painter, QRect(margin, fieldTop, w - 2 * margin, fieldHeight),
                        QStringLiteral("Simulation time"),
                        text(formatNumber(reactor.simulationTime)), fieldButtonWidth);
    simulationTimeRect = time.field;
    simulationTimePlusRect = time.plus;
    simulationTimeMinusRect = time.minus;

    const ValueFieldRects step = paintValueField(
        painter, QRect(margin, fieldTop + fieldHeight + fieldGap, w - 2 * margin, fieldHeight),
        QStringLiteral("Time step"), text(formatNumber(reactor.timeResolution)), fieldButtonWidth);
    timeStepRect = step.field;
    timeStepPlusRect = step.plus;
    timeStepMinusRect = step.minus;

    autoRefreshRect =
        paintSwitch(painter,
                    QRect(w / 2 - switchWidth / 2, timeStepRect.bottom() + 1 + switchGap,
                          switchWidth, fieldHeight),
                    QStringLiteral("Auto Refresh"), program_.kineticsView.autoRefresh);

    statusRect =
        QRect(margin, h - statusBottomGap - statusHeight, w - 2 * margin, statusBoxHeight());
    if (!program_.kineticsView.autoRefresh) status = "offline";
    paintStatus(painter);
}

void TFcontrol::paintStatus(QPainter& painter) {
    paintBevel(painter, statusRect, scaleColour(windowColour, statusShade));
    painter.save();
    painter.setClipRect(statusRect.adjusted(1, 1, -1, -1));
    painter.setPen(Qt::white);
    drawAt(painter, statusRect, statusTitleOffset, QStringLiteral("Status"), uiFont(captionPixels));

    const QStringList pieces = text(status).split(QLatin1Char(';'));
    drawAt(painter, statusRect, statusHeadlineOffset, pieces.value(0), uiFont(valuePixels, true));
    for (int i = 1; i < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        const qsizetype colon = piece.indexOf(QLatin1Char(':'));
        const int y = statusLineTop + statusLineHeight * i;
        drawAt(painter, statusRect, QPoint(statusNameX, y), piece.left(colon),
               uiFont(captionPixels));
        if (colon >= 0)
            drawAt(painter, statusRect, QPoint(statusValueX, y), piece.mid(colon + 1),
                   uiFont(captionPixels));
    }
    painter.restore();
}

void TFcontrol::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, image_);
}

void TFcontrol::resizeEvent(QResizeEvent*) {
    render();
}

void TFcontrol::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (simulationTimePlusRect.contains(p))
        scaleSimulationTime(2);
    else if (simulationTimeMinusRect.contains(p))
        scaleSimulationTime(0.5);
    else if (simulationTimeRect.contains(p))
        askSimulationTime();
    else if (timeStepPlusRect.contains(p))
        scaleTimeStep(2);
    else if (timeStepMinusRect.contains(p))
        scaleTimeStep(0.5);
    else if (timeStepRect.contains(p))
        askTimeStep();
    else if (autoRefreshRect.contains(p))
        toggleAutoRefresh();
}

void TFcontrol::announceParameters() {
    if (!program_.animation.isAnimating()) broadcast(parametersChanged);
}

void TFcontrol::changed(const char* undoLabel) {
    render();
    update();
    program_.pushUndo(undoLabel, true);
}

void TFcontrol::scaleSimulationTime(double factor) {
    Reactor& reactor = program_.reactor;
    const double time = reactor.simulationTime * factor;
    // The simulation time stays above the time step.
    if (!(time > reactor.timeResolution) || time > maxSimulationTime) return;
    reactor.simulationTime = time;
    announceParameters();
    changed(simulationTimeLabel);
}

void TFcontrol::scaleTimeStep(double factor) {
    Reactor& reactor = program_.reactor;
    const double step = reactor.timeResolution * factor;
    if (!(step < reactor.simulationTime) || step < minTimeStep) return;
    reactor.timeResolution = step;
    announceParameters();
    changed(timeStepLabel);
}

void TFcontrol::askSimulationTime() {
    Reactor& reactor = program_.reactor;
    const auto live = [this] {
        announceParameters();
        render();
        update();
    };
    if (askNumber("Simulation time", &reactor.simulationTime, live, reactor.timeResolution,
                  maxSimulationTime, 0, -1, this) == 2)
        changed(simulationTimeLabel);
}

void TFcontrol::askTimeStep() {
    Reactor& reactor = program_.reactor;
    const auto live = [this] {
        announceParameters();
        render();
        update();
    };
    if (askNumber("Time step", &reactor.timeResolution, live, minTimeStep, reactor.simulationTime,
                  0, -1, this) == 2)
        changed(timeStepLabel);
}

void TFcontrol::toggleAutoRefresh() {
    KineticsView& view = program_.kineticsView;
    view.autoRefresh = !view.autoRefresh;
    if (view.autoRefresh) broadcast(systemChanged);
    emit autoRefreshToggled(view.autoRefresh);
    render();
    update();
    program_.pushUndo("Toggle auto refresh", false);
}
