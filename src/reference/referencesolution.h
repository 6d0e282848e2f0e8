#pragma once

#include "reference/ratemodel.h"

#include <memory>
#include <string>
#include <vector>

// The reaction system's equations solved to a tight tolerance by an adaptive
// stiff integrator (Boost.Odeint's Rosenbrock stepper of order 4 with step
// size control, in its dense-output form, given the exact Jacobian), at given
// times, to measure how far the Euler curves are from the solution. Steps end
// on every given time rather than interpolating to it, and integration stops
// and restarts at every switch time, so a switch acts exactly when it is set. The run can be done
// in pieces of a bounded number of steps, so a caller can keep its window responsive.
class ReferenceSolution {
public:
    static constexpr double relativeTolerance = 1e-8;
    // Of the largest initial concentration; `zeroAbsoluteTolerance` when all are 0.
    static constexpr double absoluteToleranceFactor = 1e-12;
    static constexpr double zeroAbsoluteTolerance = 1e-14;
    static constexpr int defaultStepLimit = 1000000;

    ReferenceSolution();
    ~ReferenceSolution();
    ReferenceSolution(const ReferenceSolution&) = delete;
    ReferenceSolution& operator=(const ReferenceSolution&) = delete;

    // Starts a run from the initial concentrations at t = 0 that will store the
    // solution at each of `times` (in increasing order).
    void start(const RateModel& model, std::vector<double> times);
    // Up to `steps` integrator steps; true while more remains.
    bool advance(int steps);
    // The whole run at once; true when it succeeded.
    bool run();

    double absoluteTolerance() const;

    int stepLimit = defaultStepLimit;
    bool finished = false;
    bool failed = false;
    // Why the run failed: "step limit", "not finite" or the integrator's reason.
    std::string failure;
    int steps = 0;
    std::vector<double> times;
    // One series per unique component; values[k][i] belongs to times[i]. Only
    // the first `storedPoints` are valid.
    std::vector<std::vector<double>> values;
    int storedPoints = 0;

private:
    struct Integrator;
    bool fail(const std::string& reason);
    void store(const double* c);
    bool advanceSegment(int& budget);

    std::unique_ptr<RateModel> model_;
    std::unique_ptr<Integrator> integrator_;
    // Segment ends: the switch times inside the run, then the last time.
    std::vector<double> boundaries_;
    size_t segment_ = 0;
    bool inSegment_ = false;
    std::vector<double> state_;
    std::vector<char> on_;
};

// The largest deviation of the stored Euler series from the reference, over
// the components marked in `shown`: per component max |euler − reference|
// divided by the largest |reference| value, the largest of these. Negative
// when no component is shown or there are no common points.
double largestDeviation(const std::vector<std::vector<double>>& euler, int points,
                        const ReferenceSolution& reference, const std::vector<bool>& shown);
