#include "windows/input/draglaw.h"
#include "windows/windowtest.h"

namespace {

constexpr double big = 1e100;
const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

enum Law { linear, logarithmic, adaptive };

DragLaw law(Law kind, double step, double min, double max) {
    return DragLaw{kind == adaptive, kind == logarithmic, step, min, max};
}

} // namespace

TEST(DragLaw, MovesClampsAndKeepsAnchoredValues) {
    // law, working value, pixels, sensitivity factor, new working value
    const std::tuple<const char*, DragLaw, double, int, double, double> cases[] = {
        {"linear", law(linear, 0.5, 0, 10), 1, 3, 0.5, 1 + 3 * 0.5 * 0.5},
        {"linear to the max", law(linear, 1, 0, 10), 9, 10, 1, 10},
        {"linear to the min", law(linear, 1, 0, 10), 1, -10, 1, 0},
        {"back from beyond the max at once", law(linear, 1, 0, 10), 20, -1, 1, 9},
        {"logarithmic", law(logarithmic, 0.015, 0, big), 2, 4, 0.5,
         2 * std::pow(10.0, 4 * 0.015 * 0.5)},
        {"logarithmic from 0", law(logarithmic, 0.015, 0, big), 0, 50, 50, 0},
        {"logarithmic from 0, infinite power", law(logarithmic, inf, 0, big), 0, 1, 1, 0},
        {"adaptive right, unbounded", law(adaptive, 0, 2, big), 102, 2, 0.5,
         102 + 2 * (0.01 * (102 - 2)) * 0.5},
        {"adaptive right from the min", law(adaptive, 0, 2, big), 2, 40, 50, 2},
        {"adaptive right, bounded", law(adaptive, 0, 0, 10), 5, 1, 0.5,
         5 + 1 * (0.01 * (10 - 5)) * 0.5},
        {"adaptive left", law(adaptive, 0, 0, big), 100, -2, 0.5, 100 + -2 * (0.01 * 100) * 0.5},
        {"adaptive left, no min", law(adaptive, 0, -big, 10), 5, -1, 0.5,
         5 + -1 * (0.01 * (10 - 5)) * 0.5},
        {"NaN starts at the min", law(linear, 1, 3, 10), notANumber, 2, 1, 5},
    };
    for (const auto& [what, drag, working, dx, f, expected] : cases)
        EXPECT_EQ(drag.drag(working, dx, f), expected) << what;
}
