#include "reference/referencesolution.h"

#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace odeint = boost::numeric::odeint;
namespace ublas = boost::numeric::ublas;

namespace {

using State = ublas::vector<double>;
using Matrix = ublas::matrix<double>;
using Stepper =
    odeint::rosenbrock4_dense_output<odeint::rosenbrock4_controller<odeint::rosenbrock4<double>>>;

struct Equations {
    const RateModel* model;
    const std::vector<char>* on;
    void operator()(const State& x, State& dxdt, double /*t*/) const {
        model->derivative(*on, &x.data()[0], &dxdt.data()[0]);
    }
};

struct Jacobian {
    const RateModel* model;
    const std::vector<char>* on;
    void operator()(const State& x, Matrix& j, const double& /*t*/, State& dfdt) const {
        const auto n = x.size();
        std::vector<double> flat(n * n);
        model->jacobian(*on, &x.data()[0], flat.data());
        for (size_t r = 0; r < n; ++r)
            for (size_t c = 0; c < n; ++c)
                j(r, c) = flat[r * n + c];
        // The rate laws do not depend on time itself.
        for (size_t r = 0; r < n; ++r)
            dfdt[r] = 0;
    }
};

bool allFinite(const State& x) {
    return std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

struct ReferenceSolution::Integrator {
    Integrator(double atol, double rtol)
        : stepper(odeint::rosenbrock4_controller<odeint::rosenbrock4<double>>(atol, rtol)) {}
    Stepper stepper;
    State x;
};

ReferenceSolution::ReferenceSolution() = default;
ReferenceSolution::~ReferenceSolution() = default;

double ReferenceSolution::absoluteTolerance() const {
    double largest = 0;
    if (model_)
        for (double c : model_->initial)
            largest = std::max(largest, std::abs(c));
    return largest > 0 ? absoluteToleranceFactor * largest : zeroAbsoluteTolerance;
}

void ReferenceSolution::start(const RateModel& model, std::vector<double> outputTimes) {
    model_ = std::make_unique<RateModel>(model);
    integrator_.reset();
    times = std::move(outputTimes);
    finished = false;
    failed = false;
    failure.clear();
    steps = 0;
    storedPoints = 0;
    segment_ = 0;
    inSegment_ = false;
    values.assign(static_cast<size_t>(model.componentCount), std::vector<double>(times.size()));
    state_ = model.initial;
    on_.assign(model.directions.size(), 1);
    boundaries_.clear();
    if (!model.valid) {
        fail("unusable system");
        return;
    }
    const double end = times.empty() ? 0 : times.back();
    for (double s : model.switchTimes())
        if (s > 0 && s < end) boundaries_.push_back(s);
    boundaries_.push_back(end);
}

bool ReferenceSolution::fail(const std::string& reason) {
    failed = true;
    finished = true;
    failure = reason;
    return false;
}

void ReferenceSolution::store(const double* c) {
    for (size_t k = 0; k < values.size(); ++k)
        values[k][static_cast<size_t>(storedPoints)] = c[k];
    ++storedPoints;
}

bool ReferenceSolution::run() {
    while (advance(stepLimit)) {
    }
    return !failed;
}

bool ReferenceSolution::advance(int budget) {
    if (finished) return false;
    try {
        while (segment_ < boundaries_.size()) {
            if (!advanceSegment(budget)) return !finished;
        }
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    // The last time, reached by the last segment.
    while (static_cast<size_t>(storedPoints) < times.size())
        store(state_.data());
    finished = true;
    return false;
}

// Works on the current segment; false when the budget ran out or the run
// failed, true when the segment is done.
bool ReferenceSolution::advanceSegment(int& budget) {
    const double a = segment_ == 0 ? 0.0 : boundaries_[segment_ - 1];
    const double b = boundaries_[segment_];
    const size_t n = state_.size();
    if (!inSegment_) {
        for (size_t d = 0; d < on_.size(); ++d)
            on_[d] = RateModel::acting(model_->directions[d], a) ? 1 : 0;
        // Points at or before the segment start take the state there.
        while (static_cast<size_t>(storedPoints) < times.size() &&
               times[static_cast<size_t>(storedPoints)] <= a)
            store(state_.data());
        if (b <= a || n == 0) {
            ++segment_;
            return true;
        }
        integrator_ = std::make_unique<Integrator>(absoluteTolerance(), relativeTolerance);
        integrator_->x.resize(n);
        std::copy(state_.begin(), state_.end(), integrator_->x.begin());
        integrator_->stepper.initialize(integrator_->x, a, (b - a) * 1e-6);
        inSegment_ = true;
    }
    Stepper& stepper = integrator_->stepper;
    const auto system = std::make_pair(Equations{model_.get(), &on_}, Jacobian{model_.get(), &on_});
    // Reaching a time within rounding counts as reaching it.
    const auto near = [](double t) { return 1e-13 * std::max(1.0, std::abs(t)); };
    while (stepper.current_time() < b - near(b)) {
        if (budget <= 0) return false;
        if (steps >= stepLimit) {
            fail("step limit");
            return false;
        }
        // A step never passes the next stored time or the segment end: the
        // stepper's interpolation between steps is less accurate than its
        // steps, and the next segment starts from a step's own state.
        const double t = stepper.current_time();
        double target = b;
        if (static_cast<size_t>(storedPoints) < times.size())
            target = std::min(target, times[static_cast<size_t>(storedPoints)]);
        const double natural = stepper.current_time_step();
        const bool clamped = t + natural >= target;
        if (clamped) {
            const State here = stepper.current_state();
            stepper.initialize(here, t, target - t);
        }
        stepper.do_step(system);
        --budget;
        ++steps;
        if (!allFinite(stepper.current_state())) {
            fail("not finite");
            return false;
        }
        const double now = stepper.current_time();
        // Near a singularity the step shrinks until time no longer moves.
        if (!(now > t)) {
            fail("step size too small");
            return false;
        }
        if (!clamped || now < target - near(target)) continue;
        while (static_cast<size_t>(storedPoints) < times.size() &&
               times[static_cast<size_t>(storedPoints)] < b - near(b) &&
               times[static_cast<size_t>(storedPoints)] <= now + near(now))
            store(&stepper.current_state().data()[0]);
        // The shortened step says nothing about the step size the solution allows.
        if (stepper.current_time_step() < natural) {
            const State here = stepper.current_state();
            stepper.initialize(here, now, natural);
        }
    }
    std::copy(stepper.current_state().begin(), stepper.current_state().end(), state_.begin());
    inSegment_ = false;
    ++segment_;
    return true;
}

double largestDeviation(const std::vector<std::vector<double>>& euler, int points,
                        const ReferenceSolution& reference, const std::vector<bool>& shown) {
    const int common = std::min(points, reference.storedPoints);
    double largest = -1;
    for (size_t k = 0; k < euler.size() && k < reference.values.size(); ++k) {
        if (k >= shown.size() || !shown[k] || common < 1) continue;
        double difference = 0;
        double scale = 0;
        for (int i = 0; i < common && i < static_cast<int>(euler[k].size()); ++i) {
            const double r = reference.values[k][static_cast<size_t>(i)];
            difference = std::max(difference, std::abs(euler[k][static_cast<size_t>(i)] - r));
            scale = std::max(scale, std::abs(r));
        }
        largest = std::max(largest, scale > 0 ? difference / scale : 0.0);
    }
    return largest;
}
