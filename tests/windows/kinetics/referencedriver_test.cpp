#include "windows/kinetics/referencedriver.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"

#include <QCoreApplication>

#include <cmath>
#include <string>

namespace {

// A -> B with k = 1 in steps of dt: Euler gives (1 - dt)^n against e^(-n dt),
// so the largest deviation is known exactly.
struct Driven {
    explicit Driven(double dt) {
        const int a = addComponent(program.vReactor, "A", 1);
        const int b = addComponent(program.vReactor, "B", 0);
        addReaction(program.vReactor, {{a, 1, -1}, {b, 1, 1}}, 1);
        program.reactor.simulationTime = 8;
        program.reactor.timeResolution = dt;
        program.kineticsView.referenceSolution = true;
        program.calculation.calculate();
        // However loaded the machine, the work ends within the event unless a
        // test says otherwise.
        driver.sameEventMilliseconds = 1e9;
        driver.showStatus = [this](const std::string& s) { shown = s; };
        driver.redrawPlot = [this] { ++redraws; };
    }
    static double eulerError(double dt) {
        double largest = 0;
        for (int n = 0; n * dt <= 8 + 1e-9; ++n)
            largest = std::max(largest, std::abs(std::pow(1 - dt, n) - std::exp(-n * dt)));
        // A and B are off by the same amount; B's largest value is 1 - e^-8.
        return largest / (1 - std::exp(-8.0));
    }
    Program program{""};
    ReferenceDriver driver{program};
    std::string shown;
    int redraws = 0;
};

TEST(ReferenceDriver, AddsTheLargestDeviationToTheVerdict) {
    for (const double dt : {0.2, 0.05}) {
        Driven d(dt);
        const std::string expected =
            "verdict;deviation " + formatNumber(100 * Driven::eulerError(dt)) + "%";
        EXPECT_EQ(d.driver.calculationFinished("verdict"), expected) << dt;
        EXPECT_TRUE(d.driver.curves.ready);
        EXPECT_FALSE(d.driver.working());
    }
}

TEST(ReferenceDriver, LongerWorkContinuesBetweenEventsThenUpdatesStatusAndPlot) {
    Driven d(0.1);
    d.driver.sameEventMilliseconds = 0;
    EXPECT_EQ(d.driver.calculationFinished("ok"), "ok;deviation ...");
    EXPECT_FALSE(d.driver.curves.ready);
    for (int i = 0; i < 10000 && d.driver.working(); ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(d.shown, "ok;deviation " + formatNumber(100 * Driven::eulerError(0.1)) + "%");
    EXPECT_EQ(d.redraws, 1);
    EXPECT_TRUE(d.driver.curves.ready);
}

TEST(ReferenceDriver, NothingWhileNotShownAndFailuresSaySo) {
    Driven off(0.1);
    off.program.kineticsView.referenceSolution = false;
    EXPECT_EQ(off.driver.calculationFinished("ok"), "ok");
    EXPECT_FALSE(off.driver.curves.ready);

    // d[A]/dt = [A]^2 has no solution beyond t = 1.
    Program& p = off.program;
    p.vReactor.reactions.clear();
    addReaction(p.vReactor, {{0, 2, -1}, {0, 3, 1}}, 1);
    p.reactor.simulationTime = 3;
    p.reactor.timeResolution = 0.01;
    p.kineticsView.referenceSolution = true;
    p.calculation.calculate();
    const std::string status = off.driver.calculationFinished("x");
    EXPECT_EQ(status.substr(0, 20), "x;reference failed: ") << status;
    EXPECT_FALSE(off.driver.curves.ready);
}

} // namespace
