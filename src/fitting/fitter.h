#pragma once

#include "engine/classwithprogresswindow.h"
#include "fitting/fitparameter.h"
#include "fitting/fitresult.h"
#include "fitting/modelsampler.h"

#include <memory>
#include <string>
#include <vector>

class Measurements;

// Least-squares fit of chosen parameters to measurements, by the
// Levenberg-Marquardt method of Eigen with a forward-difference Jacobian.
// Rate constants and initial concentrations are fitted as logarithms. The
// fit stops when the relative decrease of the sum of squares or the relative
// change of the parameters falls below 1e-10, or after 200 iterations. Each
// `step` does one iteration, so the progress window can drive the fit.
class Fitter : public ClassWithProgressWindow {
public:
    static constexpr int maxIterations = 200;
    static constexpr double tolerance = 1e-10;

    Fitter(const Vreactor& system, double timeStep, double simulationTime,
           const ModelSampler::ObservationSettings& observation, const Measurements& data,
           std::vector<FitParameter> parameters);
    ~Fitter() override;
    Fitter(const Fitter&) = delete;
    Fitter& operator=(const Fitter&) = delete;

    // Checks the task and evaluates the start; false with `error` set when
    // it cannot be fitted (no parameter, a start value that is not positive
    // on a logarithmic scale, fewer values than parameters, a calculation
    // that refuses to run).
    [[nodiscard]] bool start(std::string& error);
    // One iteration; true while the fit goes on.
    bool step() override;
    // Runs to the end without a window.
    void run();
    // Final values, standard errors and the summary; call once `step` is done.
    const FitResult& finish();

    // "iteration 3, sum of squares 1.23e-4", for the progress window.
    std::string progressText() const override;
    const std::vector<FitParameter>& parameters() const { return parameters_; }
    const FitResult& result() const { return result_; }
    // Computations of the model so far.
    int computations() const { return computations_; }

    // The model values with the parameters set to `values` (own units), at
    // every cell that takes part; for the standard errors and tests.
    bool residualsAt(const std::vector<double>& values, std::vector<double>& out);

private:
    struct Solver;

    void computeStandardErrors();

    ModelSampler sampler_;
    std::vector<FitParameter> parameters_;
    std::unique_ptr<Solver> solver_;
    FitResult result_;
    std::string coarseVerdict_;
    int computations_ = 0;
    bool done_ = false;
};
