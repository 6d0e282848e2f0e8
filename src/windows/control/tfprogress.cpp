#include "windows/control/tfprogress.h"

#include "engine/classwithprogresswindow.h"
#include "foundation/tickclock.h"
#include "windows/common/buttonlook.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int margin = 8;
constexpr int labelHeight = 14;
constexpr int labelWidth = 110;
constexpr int rowTops[] = {10, 24, 38};
constexpr QRect progressBarRect(8, 56, 337, 9);
// The Cancel switch: 8 pixels right of the progress bar to 8 pixels before
// the right edge, 16 pixels in from the top and the bottom.
constexpr int cancelInset = 16;

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(captionPixels));
    label->setGeometry(left, top, labelWidth, labelHeight);
    return label;
}

} // namespace

QString integerPartText(double value) {
    if (!(value >= 0)) return QStringLiteral("0");
    return QString::number(std::trunc(value), 'f', 0);
}

TFprogress::TFprogress(ClassWithProgressWindow& work, const QString& title, bool mayCancel,
                       std::int64_t start, QWidget* parent)
    : QDialog(parent), task(&work), startTick(start), cancellable(mayCancel), title_(title) {
    setWindowTitle(title);
    setFixedSize(clientWidth, clientHeight);
    setModal(true);

    const QString names[] = {QStringLiteral("Time Elapsed"), QStringLiteral("Estimated Time Left"),
                             QStringLiteral("Done")};
    QLabel* values[3];
    for (int i = 0; i < 3; ++i) {
        addLabel(this, names[i], margin, rowTops[i]);
        values[i] = addLabel(this, QStringLiteral("-"), margin + labelWidth + 4, rowTops[i]);
    }
    LtimeElapsed = values[0];
    LestimatedTimeLeft = values[1];
    Ldone = values[2];

    progressBar = new QProgressBar(this);
    progressBar->setGeometry(progressBarRect);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);

    const int cancelLeft = progressBarRect.right() + 1 + margin;
    if (cancellable)
        cancelRect = QRect(cancelLeft, cancelInset, clientWidth - margin - cancelLeft,
                           clientHeight - 2 * cancelInset);
    applyWindowColours(this);

    timer = new QTimer(this);
    timer->setInterval(tickMilliseconds);
    connect(timer, &QTimer::timeout, this, &TFprogress::tick);
}

void TFprogress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    timer->start();
}

void TFprogress::tick() {
    if (!task->step()) {
        timer->stop();
        accept();
    }
    const std::string state = task->progressText();
    if (!state.empty())
        setWindowTitle(title_ + QStringLiteral(" - ") + QString::fromStdString(state));
    const double fraction = task->progress;
    progressBar->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 100));
    if (fraction > 0) {
        const double elapsed = static_cast<double>(tickCount() - startTick) * 0.001;
        const double remaining = (1 - fraction) * elapsed / fraction + 1;
        LtimeElapsed->setText(integerPartText(elapsed) + QStringLiteral(" s"));
        LestimatedTimeLeft->setText(integerPartText(remaining) + QStringLiteral(" s"));
    }
    Ldone->setText(integerPartText(fraction * 100) + QStringLiteral("%"));
}

void TFprogress::reject() {
    if (!cancellable) return;
    cancelled = true;
    timer->stop();
    QDialog::reject();
}

void TFprogress::paintEvent(QPaintEvent*) {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(windowColour);
    QPainter painter(&image);
    paintFrame(painter, width(), height());
    if (cancellable) paintSwitchWithoutIndicator(painter, cancelRect, QStringLiteral("Cancel"));
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

void TFprogress::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && cancellable &&
        cancelRect.contains(event->position().toPoint()))
        reject();
}
