#include "fitting/fitter.h"

#include "foundation/numberformat.h"
#include "model/vreactor.h"
#include "session/measurements.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/NonLinearOptimization>
#include <unsupported/Eigen/NumericalDiff>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double notAvailable = std::numeric_limits<double>::quiet_NaN();
// Singular values of the column-scaled Jacobian below this fraction of the
// largest count as zero: the forward differences carry about eight digits.
constexpr double rankTolerance = 1e-8;
// A parameter whose share in a null direction exceeds this is undetermined.
constexpr double nullShare = 0.1;

double toValue(const FitParameter& p, double x) {
    if (!p.logarithmic()) return x;
    return std::min(std::exp(x), Vreactor::maxValue);
}

double toScale(const FitParameter& p, double value) {
    return p.logarithmic() ? std::log(value) : value;
}

std::string joinNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

// Eigen's functor protocol around the fitter's residuals.
struct ResidualFunctor {
    using Scalar = double;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;
    using JacobianType = Eigen::MatrixXd;

    ResidualFunctor(Fitter* owner, std::vector<FitParameter> chosen, int points)
        : fitter(owner), parameters(std::move(chosen)), valueCount(points) {}

    int inputs() const { return static_cast<int>(parameters.size()); }
    int values() const { return valueCount; }

    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& f) const {
        std::vector<double> own(parameters.size());
        for (size_t i = 0; i < parameters.size(); ++i)
            own[i] = toValue(parameters[i], x[static_cast<Eigen::Index>(i)]);
        std::vector<double> r;
        if (!fitter->residualsAt(own, r)) return -1;
        f = Eigen::Map<const Eigen::VectorXd>(r.data(), static_cast<Eigen::Index>(r.size()));
        return 0;
    }

    Fitter* fitter;
    std::vector<FitParameter> parameters;
    int valueCount;
};

struct Fitter::Solver {
    Solver(Fitter* owner, const std::vector<FitParameter>& chosen, int points)
        : difference(ResidualFunctor(owner, chosen, points)), method(difference) {
        method.parameters.ftol = tolerance;
        method.parameters.xtol = tolerance;
        // Iterations are counted here, not function evaluations.
        method.parameters.maxfev = std::numeric_limits<int>::max();
    }

    Eigen::NumericalDiff<ResidualFunctor> difference;
    Eigen::LevenbergMarquardt<Eigen::NumericalDiff<ResidualFunctor>> method;
    Eigen::VectorXd x;
};

Fitter::Fitter(const Vreactor& system, double timeStep, double simulationTime,
               const ModelSampler::ObservationSettings& observation, const Measurements& data,
               std::vector<FitParameter> parameters)
    : sampler_(system, timeStep, simulationTime, observation, data),
      parameters_(std::move(parameters)) {}

Fitter::~Fitter() = default;

bool Fitter::residualsAt(const std::vector<double>& values, std::vector<double>& out) {
    for (size_t i = 0; i < parameters_.size() && i < values.size(); ++i)
        setParameterValue(sampler_.system(), parameters_[i], values[i]);
    out.resize(static_cast<size_t>(sampler_.pointCount()));
    ++computations_;
    if (!sampler_.residuals(out.data())) return false;
    if (sampler_.verdict != "ok" && !result_.coarseTimeStep) {
        result_.coarseTimeStep = true;
        coarseVerdict_ = sampler_.verdict;
    }
    return true;
}

bool Fitter::start(std::string& error) {
    result_ = FitResult();
    done_ = false;
    progress = 0;
    const int p = static_cast<int>(parameters_.size());
    const int n = sampler_.pointCount();
    result_.points = n;
    if (p == 0) {
        error = "Choose at least one parameter to fit.";
        return false;
    }
    for (const FitParameter& parameter : parameters_) {
        const double v = parameterValue(sampler_.system(), parameter);
        if (!std::isfinite(v) || (parameter.logarithmic() && v <= 0)) {
            error = "The start value of " + parameter.name + " must be above 0.";
            return false;
        }
        result_.startValues.push_back(v);
    }
    if (n == 0) {
        error = "The measurements hold no value of a component or of the active weighted "
                "observation.";
        return false;
    }
    if (n < p) {
        error = formatInt(n) + " measured values cannot determine " + formatInt(p) + " parameters.";
        return false;
    }
    std::vector<double> r;
    if (!residualsAt(result_.startValues, r)) {
        result_.outcome = FitResult::Outcome::refused;
        error = sampler_.refusal;
        return false;
    }
    double start = 0;
    for (const double residual : r)
        start += residual * residual;
    // Squares beyond the double range leave nothing to minimise or to judge.
    if (!std::isfinite(start)) {
        error = "The sum of squared residuals at the start values is not finite: the "
                "measured values are too large.";
        return false;
    }
    solver_ = std::make_unique<Solver>(this, parameters_, n);
    solver_->x.resize(p);
    for (int i = 0; i < p; ++i)
        solver_->x[i] = toScale(parameters_[static_cast<size_t>(i)],
                                result_.startValues[static_cast<size_t>(i)]);
    const auto status = solver_->method.minimizeInit(solver_->x);
    if (status == Eigen::LevenbergMarquardtSpace::UserAsked) {
        result_.outcome = FitResult::Outcome::refused;
        error = sampler_.refusal;
        return false;
    }
    result_.sumOfSquares = solver_->method.fnorm * solver_->method.fnorm;
    return true;
}

bool Fitter::step() {
    if (!solver_ || done_) return false;
    namespace lm = Eigen::LevenbergMarquardtSpace;
    const lm::Status status = solver_->method.minimizeOneStep(solver_->x);
    ++result_.iterations;
    result_.sumOfSquares = solver_->method.fnorm * solver_->method.fnorm;
    progress = static_cast<double>(result_.iterations) / maxIterations;
    if (status == lm::Running) {
        if (result_.iterations < maxIterations) return true;
        result_.outcome = FitResult::Outcome::notConverged;
    } else if (status == lm::UserAsked) {
        result_.outcome = FitResult::Outcome::refused;
        result_.message = sampler_.refusal;
    } else {
        result_.outcome = FitResult::Outcome::converged;
    }
    done_ = true;
    return false;
}

void Fitter::run() {
    while (step()) {
    }
}

std::string Fitter::progressText() const {
    return "iteration " + formatInt(result_.iterations) + ", sum of squares " +
           formatNumber(result_.sumOfSquares);
}

const FitResult& Fitter::finish() {
    const size_t p = parameters_.size();
    result_.values = result_.startValues;
    if (solver_)
        for (size_t i = 0; i < p; ++i)
            result_.values[i] = toValue(parameters_[i], solver_->x[static_cast<Eigen::Index>(i)]);
    result_.standardErrors.assign(p, notAvailable);
    std::vector<std::string> lines;
    if (result_.outcome == FitResult::Outcome::refused) {
        if (!result_.message.empty()) lines.push_back(result_.message);
    } else if (solver_) {
        // The last computation is the one at the fitted values.
        std::vector<double> r;
        if (residualsAt(result_.values, r)) {
            double ssr = 0;
            for (double v : r)
                ssr += v * v;
            result_.sumOfSquares = ssr;
            result_.verdict = sampler_.verdict;
        }
        if (result_.outcome == FitResult::Outcome::notConverged)
            lines.push_back("Not converged within " + formatInt(maxIterations) + " iterations.");
        computeStandardErrors();
    }
    result_.rmsResidual = result_.points > 0 ? std::sqrt(result_.sumOfSquares / result_.points) : 0;
    if (result_.coarseTimeStep)
        lines.push_back("The time step is too coarse for the fitted values (" + coarseVerdict_ +
                        ").");
    std::string message;
    for (const std::string& line : lines)
        message += (message.empty() ? "" : ";") + line;
    if (!result_.message.empty() && result_.outcome != FitResult::Outcome::refused)
        message += (message.empty() ? "" : ";") + result_.message;
    result_.message = message;
    return result_;
}

void Fitter::computeStandardErrors() {
    const auto p = static_cast<Eigen::Index>(parameters_.size());
    const int n = result_.points;
    std::vector<std::string> undetermined;
    if (n <= p) {
        for (const FitParameter& parameter : parameters_)
            undetermined.push_back(parameter.name);
        result_.message = formatInt(n) + " values for " + formatInt(static_cast<int>(p)) +
                          " parameters: the data do not determine " + joinNames(undetermined) + ".";
        return;
    }
    // The Jacobian at the result, in the parameters' own units: a
    // logarithmic parameter's column is divided by its value.
    Eigen::MatrixXd jacobian(n, p);
    if (solver_->difference.df(solver_->x, jacobian) < 0) return;
    for (Eigen::Index i = 0; i < p; ++i) {
        const double value = result_.values[static_cast<size_t>(i)];
        if (parameters_[static_cast<size_t>(i)].logarithmic()) {
            // A value that fell to 0 has no error on its own scale.
            if (value > 0)
                jacobian.col(i) /= value;
            else
                jacobian.col(i).setZero();
        }
        // A column the data cannot give counts as undetermined, and stays out
        // of the decomposition.
        if (!jacobian.col(i).allFinite()) jacobian.col(i).setZero();
    }
    Eigen::VectorXd norms = jacobian.colwise().norm();
    Eigen::MatrixXd scaled = jacobian;
    for (Eigen::Index i = 0; i < p; ++i)
        if (norms[i] > 0) scaled.col(i) /= norms[i];
    Eigen::JacobiSVD<Eigen::MatrixXd> svd(scaled, Eigen::ComputeThinV);
    const Eigen::VectorXd& sigma = svd.singularValues();
    const double largest = sigma.size() > 0 ? sigma[0] : 0;
    std::vector<bool> free(static_cast<size_t>(p), false);
    for (Eigen::Index i = 0; i < p; ++i)
        if (!(norms[i] > 0) || !std::isfinite(norms[i])) free[static_cast<size_t>(i)] = true;
    for (Eigen::Index j = 0; j < sigma.size(); ++j)
        if (!(sigma[j] > rankTolerance * largest))
            for (Eigen::Index i = 0; i < p; ++i)
                if (std::abs(svd.matrixV()(i, j)) > nullShare) free[static_cast<size_t>(i)] = true;
    for (Eigen::Index i = 0; i < p; ++i)
        if (free[static_cast<size_t>(i)])
            undetermined.push_back(parameters_[static_cast<size_t>(i)].name);
    if (!undetermined.empty()) {
        result_.message = "The data do not determine " + joinNames(undetermined) + ".";
        return;
    }
    // (JtJ)^-1 = D^-1 V S^-2 V^t D^-1 with D the column norms.
    const double s2 = result_.sumOfSquares / static_cast<double>(n - p);
    const Eigen::MatrixXd& v = svd.matrixV();
    for (Eigen::Index i = 0; i < p; ++i) {
        double sum = 0;
        for (Eigen::Index j = 0; j < sigma.size(); ++j)
            sum += v(i, j) * v(i, j) / (sigma[j] * sigma[j]);
        result_.standardErrors[static_cast<size_t>(i)] = std::sqrt(s2 * sum) / norms[i];
    }
}
