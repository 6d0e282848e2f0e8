#pragma once

#include <string>
#include <vector>

// What a fit found.
struct FitResult {
    enum class Outcome {
        converged,
        // 200 iterations without meeting the stopping rule; the values are the
        // best reached.
        notConverged,
        // A calculation refused to run; `message` gives its text.
        refused,
    };

    Outcome outcome = Outcome::converged;
    int iterations = 0;
    std::vector<double> startValues;
    std::vector<double> values;
    // In the parameters' own units; NaN where the data do not determine them.
    std::vector<double> standardErrors;
    double sumOfSquares = 0;
    int points = 0;
    double rmsResidual = 0;
    // The verdict of the last computation ("ok", "accuracy warning", ...).
    std::string verdict;
    // Some computation during the fit gave a verdict other than "ok".
    bool coarseTimeStep = false;
    // Lines for the user, separated by ";": undetermined parameters, a too
    // coarse time step, a refusal.
    std::string message;
};
