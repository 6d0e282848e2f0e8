#pragma once

#include "reference/referencecurves.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

class Program;

// Computes the reference solution after each calculation while the kinetics
// view asks for it, without slowing editing down: a short computation is
// finished within the same event, a longer one continues in slices between
// events. During an animation it is recomputed for a frame only when it takes
// less than a quarter of the frame's Euler time; otherwise it pauses.
class ReferenceDriver : public QObject {
    Q_OBJECT
public:
    // How long the event that finished the calculation may go on computing.
    double sameEventMilliseconds = 40;
    static constexpr double sliceMilliseconds = 30;
    static constexpr double animationShare = 0.25;
    static constexpr const char* pendingLine = "deviation ...";
    static constexpr const char* pausedLine = "reference paused";

    explicit ReferenceDriver(Program& program, QObject* parent = nullptr);

    // Takes the verdict of a finished calculation and returns the status to
    // show now: the verdict, with the deviation line while the reference is
    // shown.
    std::string calculationFinished(const std::string& verdict);
    bool working() const { return timer_.isActive(); }

    // Called when a computation done in slices has finished.
    std::function<void(const std::string&)> showStatus;
    std::function<void()> redrawPlot;

    ReferenceCurves curves;
    // The last calculation's own time, from its start to its verdict.
    double eulerMilliseconds = 0;

private:
    void slice();
    std::string withLine(const std::string& line) const;

    Program& program_;
    std::string verdict_;
    QTimer timer_;
};
