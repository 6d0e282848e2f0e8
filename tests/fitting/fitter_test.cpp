#include "fitting/fitter.h"

#include "fitting/fittestdata.h"
#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using Observation = ModelSampler::ObservationSettings;

std::vector<FitParameter> named(const Vreactor& v, const std::string& list, bool weights = false) {
    std::vector<FitParameter> chosen;
    std::string unknown;
    EXPECT_TRUE(parametersNamed(fittableParameters(v, weights), list, chosen, unknown)) << unknown;
    return chosen;
}

Vreactor reversiblePair(double k, double kBack) {
    Vreactor v;
    const int a = addComponent(v, "A", 1.0);
    const int b = addComponent(v, "B", 0.0);
    addReaction(v, {{a, 1, -1}, {b, 1, +1}}, k, true, kBack, true);
    return v;
}

Vreactor twoSteps(double k1, double k2, double a0) {
    Vreactor v;
    const int a = addComponent(v, "A", a0);
    const int b = addComponent(v, "B", 0.0);
    const int c = addComponent(v, "C", 0.0);
    addReaction(v, {{a, 1, -1}, {b, 1, +1}}, k1);
    addReaction(v, {{b, 1, -1}, {c, 1, +1}}, k2);
    return v;
}

struct Case {
    const char* title;
    Vreactor truth;
    Vreactor start;
    std::vector<std::string> columns;
    std::string parameters;
    Observation observation;
    unsigned seed = 1; // of the noise
};

// Data from the program's own recurrence are reproduced exactly at the true
// values, so the fit must return them to the precision of the stopping rule.
TEST(Fitter, NoiseFreeDataAreFittedBackToTheTrueValues) {
    Vreactor weighted = twoSteps(2, 0.5, 1);
    weighted.uniqueComponent(1).weight = 3;
    weighted.uniqueComponent(2).weight = 0.5;
    Vreactor weightedStart = weighted;
    weightedStart.uniqueComponent(1).weight = 1;
    weightedStart.uniqueComponent(2).weight = 1;
    const Observation active{true, false, 1.5};
    const Case cases[] = {
        {"reversible pair",
         reversiblePair(1.5, 0.4),
         reversiblePair(0.5, 1),
         {"A", "B"},
         "k1,k-1",
         {}},
        {"two steps", twoSteps(2, 0.5, 1.2), twoSteps(1, 1, 1), {"B", "C"}, "k1,k2,[A]0", {}},
        {"weights", weighted, weightedStart, {"weightedObservation"}, "w(B),w(C)", active},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const double dt = 0.001;
        const Measurements data =
            simulatedMeasurements(c.truth, dt, c.columns, 41, 0, 4, c.observation);
        const std::vector<FitParameter> parameters =
            named(c.start, c.parameters, c.observation.active);
        Fitter fitter(c.start, dt, 4, c.observation, data, parameters);
        std::string error;
        ASSERT_TRUE(fitter.start(error)) << error;
        fitter.run();
        const FitResult& result = fitter.finish();
        EXPECT_EQ(result.outcome, FitResult::Outcome::converged);
        EXPECT_EQ(result.points, data.valueCount());
        EXPECT_FALSE(result.coarseTimeStep);
        for (size_t i = 0; i < parameters.size(); ++i) {
            const double truth = parameterValue(c.truth, parameters[i]);
            EXPECT_NEAR(result.values[i] / truth, 1, 1e-6) << parameters[i].name;
            EXPECT_EQ(result.startValues[i], parameterValue(c.start, parameters[i]));
        }
        EXPECT_LT(result.sumOfSquares, 1e-16);
    }
}

// Standard errors from central differences in the parameters' own units,
// computed apart from the fitter's forward differences and SVD.
std::vector<double> independentStandardErrors(Fitter& fitter, const FitResult& result) {
    const size_t p = result.values.size();
    std::vector<double> base;
    EXPECT_TRUE(fitter.residualsAt(result.values, base));
    const size_t n = base.size();
    std::vector<std::vector<double>> jacobian(p);
    for (size_t j = 0; j < p; ++j) {
        std::vector<double> up = result.values;
        std::vector<double> down = result.values;
        const double h = 1e-5 * std::abs(result.values[j]);
        up[j] += h;
        down[j] -= h;
        std::vector<double> ru;
        std::vector<double> rd;
        EXPECT_TRUE(fitter.residualsAt(up, ru));
        EXPECT_TRUE(fitter.residualsAt(down, rd));
        for (size_t i = 0; i < n; ++i)
            jacobian[j].push_back((ru[i] - rd[i]) / (2 * h));
    }
    // Normal matrix inverted by Eigen's LU, apart from the fitter's SVD.
    Eigen::MatrixXd j(n, p);
    for (size_t c = 0; c < p; ++c)
        for (size_t i = 0; i < n; ++i)
            j(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(c)) = jacobian[c][i];
    const Eigen::MatrixXd inverse = (j.transpose() * j).inverse();
    double ssr = 0;
    for (double v : base)
        ssr += v * v;
    const double s2 = ssr / static_cast<double>(n - p);
    std::vector<double> errors;
    for (size_t c = 0; c < p; ++c)
        errors.push_back(
            std::sqrt(s2 * inverse(static_cast<Eigen::Index>(c), static_cast<Eigen::Index>(c))));
    return errors;
}

TEST(Fitter, WithNoiseTheTruthLiesWithinThreeStandardErrorsThatMatchTheJacobian) {
    const Case cases[] = {
        {"reversible pair",
         reversiblePair(1.5, 0.4),
         reversiblePair(0.5, 1),
         {"A", "B"},
         "k1,k-1",
         {},
         7},
        {"two steps",
         twoSteps(2, 0.5, 1.2),
         twoSteps(1, 1, 1),
         {"A", "B", "C"},
         "k1,k2,[A]0",
         {},
         11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const Measurements data =
            simulatedMeasurements(c.truth, 0.001, c.columns, 60, 0.05, 5, {}, 0.01, c.seed);
        const std::vector<FitParameter> parameters = named(c.start, c.parameters);
        Fitter fitter(c.start, 0.001, 5, {}, data, parameters);
        std::string error;
        ASSERT_TRUE(fitter.start(error)) << error;
        fitter.run();
        const FitResult result = fitter.finish();
        ASSERT_EQ(result.outcome, FitResult::Outcome::converged);
        EXPECT_EQ(result.message, "");
        EXPECT_NEAR(result.rmsResidual, 0.01, 0.003);
        const std::vector<double> independent = independentStandardErrors(fitter, result);
        for (size_t i = 0; i < parameters.size(); ++i) {
            SCOPED_TRACE(parameters[i].name);
            const double truth = parameterValue(c.truth, parameters[i]);
            EXPECT_LT(std::abs(result.values[i] - truth), 3 * result.standardErrors[i]);
            // Forward against central differences: a few digits agree.
            EXPECT_NEAR(result.standardErrors[i] / independent[i], 1, 1e-3);
        }
    }
}

TEST(Fitter, ParametersTheDataDoNotDetermineHaveNoStandardError) {
    // A's decay does not depend on k2.
    Vreactor truth = twoSteps(2, 0.5, 1);
    const Measurements data = simulatedMeasurements(truth, 0.001, {"A"}, 30, 0, 3, {}, 0.001, 3);
    Fitter fitter(twoSteps(1, 1, 1), 0.001, 3, {}, data, named(truth, "k1,k2"));
    std::string error;
    ASSERT_TRUE(fitter.start(error)) << error;
    fitter.run();
    const FitResult& result = fitter.finish();
    EXPECT_TRUE(std::isnan(result.standardErrors[0]));
    EXPECT_TRUE(std::isnan(result.standardErrors[1]));
    EXPECT_EQ(result.message, "The data do not determine k2.");
}

TEST(Fitter, RefusesTasksItCannotFit) {
    RecordingMessageSink messages;
    const Vreactor v = twoSteps(1, 0, 1);
    const Measurements data = simulatedMeasurements(v, 0.01, {"B"}, 3, 0, 1);
    Measurements onlyC = data;
    onlyC.names = {"Z"};
    Measurements single = data;
    single.values[0][1] = single.values[0][2] = std::nan("");
    const struct {
        const char* title;
        double timeStep;
        const Measurements& table;
        std::string parameters;
        std::string error;
        bool refused;
    } cases[] = {
        {"nothing chosen", 0.01, data, "", "Choose at least one parameter to fit.", false},
        {"zero start on log scale", 0.01, data, "k2", "The start value of k2 must be above 0.",
         false},
        {"no matching column", 0.01, onlyC, "k1",
         "The measurements hold no value of a component or of the active weighted observation.",
         false},
        {"fewer values than parameters", 0.01, single, "k1,[A]0",
         "1 measured values cannot determine 2 parameters.", false},
        {"too many steps", 1e-10, data, "k1",
         "Too many iterations!;Reduce simulation time;or increase time step!", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::vector<FitParameter> chosen;
        if (!c.parameters.empty()) {
            Vreactor withB = v;
            withB.uniqueComponent(1).initialConcentration = 1;
            chosen = named(withB, c.parameters);
        }
        Fitter fitter(v, c.timeStep, 1, {}, c.table, chosen);
        std::string error;
        EXPECT_FALSE(fitter.start(error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(fitter.result().outcome == FitResult::Outcome::refused, c.refused);
        EXPECT_FALSE(fitter.step());
    }
}

TEST(Fitter, ReportsATimeStepTooCoarseForTheValues) {
    // k dt = 0.5: every step halves A, far beyond the accuracy limits.
    Vreactor truth = twoSteps(5, 1, 1);
    const Measurements data = simulatedMeasurements(truth, 0.1, {"A"}, 11, 0, 1);
    Fitter fitter(twoSteps(4, 1, 1), 0.1, 1, {}, data, named(truth, "k1"));
    std::string error;
    ASSERT_TRUE(fitter.start(error));
    fitter.run();
    const FitResult& result = fitter.finish();
    EXPECT_TRUE(result.coarseTimeStep);
    EXPECT_EQ(result.verdict, "critical accuracy");
    EXPECT_NE(result.message.find("The time step is too coarse for the fitted values"),
              std::string::npos);
}

} // namespace
