#include "model/poi.h"

#include "foundation/textstream.h"

#include <cmath>
#include <limits>
#include <numbers>

int truncatedInt(double v) {
    if (!(v == v)) return 0;
    constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
}

namespace {

struct PoiBlock : TextStream {
    explicit PoiBlock(Poi& p) : point(p) {}
    void exchange() override {
        exchangeInt("x", point.x);
        exchangeInt("y", point.y);
    }
    Poi& point;
};

} // namespace

Poi Poi::scaled(double f) const {
    return {truncatedInt(x * f), truncatedInt(y * f)};
}

Poi Poi::rescaled(double newLength) const {
    const double l = length();
    if (l == 0) return {0, 0};
    return {truncatedInt(x * newLength / l), truncatedInt(y * newLength / l)};
}

Poi Poi::snapped() const {
    const long long half = gridUnit / 2;
    auto snap = [&](int v) { return truncatedInt(double((v + half) / gridUnit * gridUnit)); };
    return {snap(x), snap(y)};
}

double angleOf(double dx, double dyUp) {
    constexpr double pi = std::numbers::pi;
    if (dx > 0) {
        if (dyUp > 0) return std::atan(dyUp / dx);
        // Keeps the result below 2 pi: a vector along the positive x axis,
        // or one just below it, is 0.
        const double a = std::atan(dyUp / dx) + 2 * pi;
        return a < 2 * pi ? a : 0;
    }
    if (dx < 0) return std::atan(dyUp / dx) + pi;
    if (dyUp > 0) return pi / 2;
    if (dyUp < 0) return 1.5 * pi;
    return 0;
}

void exchangePoi(TextStream& stream, const std::string& name, Poi& point) {
    PoiBlock block(point);
    stream.exchangeObject(name, block);
}
