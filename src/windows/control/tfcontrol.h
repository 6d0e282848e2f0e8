#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <string>

class Program;

// The simulation control window: the simulation time and the time step as
// value fields with "+" and "-" buttons, the auto refresh switch and the
// status of the last calculation. Painted off-screen; clicks hit the
// rectangles remembered from the last paint.
class TFcontrol : public QWidget {
    Q_OBJECT
public:
    static constexpr int clientWidth = 201;
    static constexpr int clientHeight = 259;

    explicit TFcontrol(Program& program, QWidget* parent = nullptr);

    // An empty text redraws the whole window with the stored status (which
    // becomes "offline" while auto refresh is off); any other text is shown
    // in the status box and stored. Lines are separated by ";", a line's
    // name and value by its first ":".
    void showStatus(const std::string& text);

    QSize sizeHint() const override { return {clientWidth, clientHeight}; }

    QRect simulationTimeRect;
    QRect simulationTimePlusRect;
    QRect simulationTimeMinusRect;
    QRect timeStepRect;
    QRect timeStepPlusRect;
    QRect timeStepMinusRect;
    QRect autoRefreshRect;
    QRect statusRect;
    std::string status;

signals:
    // The switch was clicked; with auto refresh off the kinetics plot shows
    // nothing and must be redrawn.
    void autoRefreshToggled(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void render();
    void paintStatus(QPainter& painter);
    int statusBoxHeight() const;
    // A changed simulation setting reaches the kinetics unless an animation
    // keeps them current itself.
    void announceParameters();
    void changed(const char* undoLabel);
    void scaleSimulationTime(double factor);
    void scaleTimeStep(double factor);
    void askSimulationTime();
    void askTimeStep();
    void toggleAutoRefresh();

    Program& program_;
    QImage image_;
};
