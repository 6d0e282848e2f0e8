#include "windows/kinetics/kineticsranges.h"

#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

TEST(KineticsRanges, AutoY) {
    using Values = std::vector<double>;
    // series, hidden, x axis component, observation, lo, hi
    const std::tuple<const char*, std::vector<Values>, std::vector<int>, int, Values, double,
                     double>
        cases[] = {
            {"no components", {}, {}, -1, {}, 0, 1},
            {"first sets, others widen", {{.2, .8}, {.1, .5}, {.3, 2}}, {}, -1, {}, .1, 2},
            {"hidden first keeps 0", {{.5, .6}, {.2, .8}}, {0}, -1, {}, 0, .8},
            {"x-axis component left out", {{.5, .6}, {.2, .8}}, {}, 1, {}, .5, .6},
            {"flat curve from 0", {{.5, .5}}, {}, -1, {}, 0, .5},
            {"nearly flat from 0", {{1 - 1e-16, 1}}, {}, -1, {}, 0, 1},
            {"all zero", {{0, 0}}, {}, -1, {}, 0, 1},
            {"observation widens", {{.2, .8}}, {}, -1, {-1, 3}, -1, 3},
            {"negative observation stays in view", {{0, 0}}, {0}, -1, {-3, -1}, -3, 0},
            {"negative flat observation", {{0, 0}}, {0}, -1, {-3, -3}, -3, 0},
        };
    for (const auto& [what, series, hidden, asX, observation, lo, hi] : cases) {
        PlotData data;
        data.setTimes({0, 1});
        for (const Values& s : series)
            data.addSeries("C", 0, s);
        for (int i : hidden)
            data.system.uniqueComponent(i).monitor = false;
        if (asX >= 0) data.system.toggleAsX(asX);
        if (!observation.empty()) data.setObservation(observation);
        KineticsRanges ranges;
        ranges.compute(data.view, data.system, data.calculation, data.observation, 10);
        EXPECT_EQ(data.view.minY, lo) << what;
        EXPECT_EQ(data.view.maxY, hi) << what;
    }
}

TEST(KineticsRanges, AutoX) {
    PlotData data;
    data.setTimes({0, 1, 2});
    data.addSeries("A", 0, {1, 0.5, 0.25});
    data.addSeries("B", 0, {2, 2, 2});
    KineticsRanges ranges;
    const auto x = [&] {
        ranges.compute(data.view, data.system, data.calculation, data.observation, 7.5);
        return std::vector<double>{data.view.minX, data.view.maxX};
    };
    EXPECT_EQ(x(), (std::vector<double>{0, 7.5}));
    data.system.toggleAsX(0);
    EXPECT_EQ(x(), (std::vector<double>{0.25, 1}));
    data.system.toggleAsX(1); // constant: widened by 1 on each side
    EXPECT_EQ(x(), (std::vector<double>{1, 3}));
}

TEST(KineticsRanges, LogarithmicAxesAndTheirFallback) {
    // auto, min, max, magnitude; then the range and the decades
    const std::tuple<const char*, bool, double, double, int, double, double, double> cases[] = {
        {"auto: data maximum 1", true, 0.5, 1, 3, 0.001, 1, 3},
        {"manual positive minimum kept", false, 0.01, 10, 3, 0.01, 10, 3},
        {"manual zero minimum", false, 0, 100, 2, 1, 100, 2},
        {"zero maximum becomes 1", false, 0, 0, 2, 0.01, 1, 2},
        {"negative maximum falls back", false, 0, -5, 4, 0.001, 1, 4},
        {"overflowing ratio falls back", false, 1e-300, 1e300, 5, 0.001, 1, 5},
    };
    for (const auto& [what, autoMode, min, max, magnitude, lo, hi, decades] : cases) {
        PlotData data;
        data.setTimes({0});
        data.addSeries("A", 0, {max});
        KineticsView& v = data.view;
        v.logY = true;
        v.autoY = autoMode;
        v.minY = min;
        v.maxY = max;
        v.magY = magnitude;
        KineticsRanges ranges;
        ranges.compute(v, data.system, data.calculation, data.observation, 10);
        EXPECT_EQ(std::pair(v.minY, v.maxY), std::pair(lo, hi)) << what;
        EXPECT_EQ(ranges.decadesY, decades) << what;
        EXPECT_EQ(ranges.decadesX, 3) << what; // linear
    }
}
