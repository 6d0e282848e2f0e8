#pragma once

#include "engine/classwithprogresswindow.h"
#include "engine/kinetics.h"
#include "foundation/eventreceiver.h"
#include "foundation/llist.h"

#include <cstdint>
#include <string>

class CalculationEnvironment;
class Reactor;
class Vreactor;

// One kinetics calculation: compiles the reaction system, steps the reactor to
// the simulation time in slices of at most 100 ms and samples at most 2001 (or
// 10001) evenly spaced points into one series per unique component; `finish`
// hands the verdict to the simulation control window. The results stay valid
// until the next `prepare`.
class Calculation : public EventReceiver, public ClassWithProgressWindow {
public:
    static constexpr int normalPointCount = 2001;
    static constexpr int extendedPointCount = 10001;
    static constexpr double stepLimit = 1000000000;
    static constexpr int animationStepLimit = 1000000;
    static constexpr std::int64_t sliceMilliseconds = 100;
    static constexpr std::int64_t defaultClockCheckWork = 100000;

    Calculation(Vreactor& reactionSystem, Reactor& currentReactor,
                CalculationEnvironment& environment);

    // prepare; when it succeeds, steps to the end (with the progress window
    // unless an animation runs); always finish. Does nothing while a calculation
    // is already running.
    void calculate();
    // Discards the previous results and sets up the run; false (with `message`
    // set) when the settings allow no calculation.
    bool prepare();
    // One slice of at most 100 ms; true while more remains.
    bool step() override;
    // Final point count, extremes, verdict; hands `message` to the environment.
    void finish();
    // Recomputes on codes 0 to 3 while auto refresh is on.
    void receive(int event) override;
    bool isBusy() const { return busy; }
    // Whether the stored results were computed from the system and settings
    // as they are: false before the first calculation and after a change
    // that was not (or not yet) computed, as with auto refresh off.
    bool resultsCurrent() const { return computed_ && computedChange_ == changes_; }

    int totalSteps = 0;
    // Reactor steps between two stored points.
    int stride = 1;
    int storedPoints = 0;
    std::int64_t startTicks = 0;
    // Work (in Reactor::workPerStep units) between two readings of the clock;
    // 1 reads it after every point.
    std::int64_t clockCheckWork = defaultClockCheckWork;
    // The verdict; ";" separates its lines.
    std::string message;
    bool busy = false;
    // Before the run the points to store; after `finish` the points stored.
    int pointCount = 0;
    // Time of each stored point; point k of every series belongs to times[k].
    Llist<double> times;
    // One series per unique component, in the order of the unique components.
    Llist<Kinetics> kinetics;

private:
    bool settingsValid();

    Vreactor& system_;
    Reactor& reactor_;
    CalculationEnvironment& environment_;
    // Set by a successful prepare, cleared once step has reached the end: a
    // step after the end stores nothing.
    bool running_ = false;
    // Changes (codes 0 to 3) received, and their count when the stored
    // results were prepared.
    std::int64_t changes_ = 0;
    std::int64_t computedChange_ = -1;
    bool computed_ = false;
};
