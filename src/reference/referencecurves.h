#pragma once

#include "reference/referencesolution.h"

#include <string>
#include <vector>

class Calculation;
class Vreactor;
class WeightedObservation;

// The reference solution of the last calculation as the plot and the status
// box show it: one curve per unique component and, while shown, the weighted
// observation computed from them, plus the status line with the largest
// deviation of the Euler curves. The work can be spread over several calls.
class ReferenceCurves {
public:
    // Forgets any previous result and starts on the calculation's stored times.
    void start(const Vreactor& system, const Calculation& calculation);
    // Works at most about `milliseconds`; true while more remains.
    bool work(double milliseconds);
    // After the work is done: the curves, the observation and the status line.
    void conclude(const Vreactor& system, const Calculation& calculation,
                  const WeightedObservation& observation);
    void clear();
    bool running() const { return running_; }

    // The curves belong to the last calculation and can be drawn.
    bool ready = false;
    int points = 0;
    std::vector<std::vector<double>> values;
    std::vector<double> observation;
    // "deviation 0.84%", "reference failed: step limit" or empty.
    std::string statusLine;
    // Of the last complete computation, in milliseconds.
    double lastMilliseconds = 0;

private:
    ReferenceSolution solution_;
    bool running_ = false;
    double spent_ = 0;
};

// The weighted observation of the given series at the calculation's stored
// times, by the observation's own rule (weights, global factor, derivative).
std::vector<double> observationOf(const std::vector<std::vector<double>>& series,
                                  const Vreactor& system, const Calculation& calculation,
                                  const WeightedObservation& observation);
