#include "windows/kinetics/fnaxis.h"
#include "windows/kinetics/fnticks.h"
#include "windows/windowtest.h"

namespace {

std::vector<double> ticksOf(double lo, double hi, int maxCount, bool log, bool half = false) {
    FnTicks ticks;
    ticks.generate(lo, hi, maxCount, log, half);
    return std::vector<double>(ticks.values.begin(), ticks.values.end());
}

struct Case {
    double lo, hi;
    int maxCount;
    std::vector<double> expected;
};

} // namespace

TEST(FnTicks, LinearStepsOfOneTwoOrFive) {
    const Case cases[] = {
        // 0..1 with margins: 12 tenths are too many, 6 fifths are not
        {0 - 0.1 * 1.0, 1 + 0.1 * 1.0, 8, {0 * 0.2, 1 * 0.2, 2 * 0.2, 3 * 0.2, 4 * 0.2, 5 * 0.2}},
        {-3, 7, 5, {-1 * 2.0, 0 * 2.0, 1 * 2.0, 2 * 2.0, 3 * 2.0}},
        {0.001,
         0.0042,
         8,
         {3 * 0.0005, 4 * 0.0005, 5 * 0.0005, 6 * 0.0005, 7 * 0.0005, 8 * 0.0005}},
        // no factor keeps within the count: the step stays a power of ten
        {0, 9, 1, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ticksOf(c.lo, c.hi, c.maxCount, false), c.expected) << c.lo << ".." << c.hi;
}

TEST(FnTicks, LogarithmicCycleAndSkip) {
    FnAxis axis;
    axis.set(0.001, 1, true, 3, true); // about 5.75e-4 to 2.29
    EXPECT_EQ(axis.decades, 3 * 1.2);
    EXPECT_EQ(axis.maximum, std::pow(10.0, 0.1 * (3 * 1.2)));
    const double lo = axis.tickStart();
    const double hi = axis.maximum;
    // Ticks follow 10 multiplied by 0.5, 0.4, 0.5, 0.5, 0.4, ... in turn.
    const double t2 = 10.0 * 0.5 * 0.4, t05 = t2 * 0.5 * 0.5, t01 = t05 * 0.4 * 0.5;
    const double t002 = t01 * 0.5 * 0.4, t0005 = t002 * 0.5 * 0.5, t0001 = t0005 * 0.4 * 0.5;
    const Case cases[] = {
        // 12 cycle steps exceed 8: two steps from tick to tick
        {lo, hi, 8, {t2, t05, t01, t002, t0005, t0001}},
        // a skip of 7 is rounded down to whole decades
        {lo, hi, 1, {t01, t0001}},
        // few enough for every step; nothing at hi, nothing near lo
        {0.1, 1, 8, {t05, t05 * 0.4}},
        // no usable lower end: three decades below hi, and the loop ends
        {-5, 1, 8, {t05, t01, t002, t0005}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ticksOf(c.lo, c.hi, c.maxCount, true), c.expected) << c.lo << ".." << c.hi;

    const std::vector<double> half = ticksOf(0.01, 2, 8, true, true);
    const std::vector<double> expected = {1, 0.316227766016838, 0.1, 0.0316227766016838};
    ASSERT_EQ(half.size(), expected.size());
    for (size_t i = 0; i < half.size(); ++i)
        EXPECT_NEAR(half[i], expected[i], 1e-14) << i;
    // The decade above 1e308 does not exist: ticks start a decade lower.
    EXPECT_EQ(ticksOf(1e300, 1e308, 8, true).size(), 7u);
}

TEST(FnTicks, RangesWithoutTicks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double ranges[][3] = {{1, 1 + 1e-101, 0}, {2, 1, 0},   {nan, 1, 0}, {-1e308, 1e308, 0},
                                {0, inf, 0},        {0, nan, 1}, {-2, 0, 1}};
    for (const auto& r : ranges)
        EXPECT_TRUE(ticksOf(r[0], r[1], 8, r[2] != 0).empty()) << r[0] << ".." << r[1];
}
