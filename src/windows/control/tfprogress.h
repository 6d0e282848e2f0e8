#pragma once

#include <QDialog>
#include <QRect>

#include <cstdint>

class ClassWithProgressWindow;
class QLabel;
class QProgressBar;
class QTimer;

// The modal window of a long calculation: it drives the task from its 50 ms
// timer, one step a tick, shows the time elapsed, the estimated time left
// and the share done, and offers Cancel when the task may be cancelled.
class TFprogress : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 427;
    static constexpr int clientHeight = 97;
    static constexpr int tickMilliseconds = 50;

    // Captioned with `title`; `startTick` is when the work began.
    TFprogress(ClassWithProgressWindow& work, const QString& title, bool mayCancel,
               std::int64_t start, QWidget* parent = nullptr);

    // One timer tick: a step of the task (closing the window when the work
    // is done), then the display.
    void tick();

    // Escape and the close box cancel, where cancelling is offered.
    void reject() override;

    QLabel* LtimeElapsed;
    QLabel* LestimatedTimeLeft;
    QLabel* Ldone;
    QProgressBar* progressBar;
    QTimer* timer;
    QRect cancelRect;
    ClassWithProgressWindow* task;
    std::int64_t startTick;
    bool cancellable;
    bool cancelled = false;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString title_;
};

// The integer part of a non-negative number as decimal text, as the window
// shows times and shares: truncated toward zero.
QString integerPartText(double value);
