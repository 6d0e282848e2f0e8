#include "model/poi.h"

#include "foundation/textstream.h"

#include <limits>

namespace {

// Truncation toward zero that cannot overflow an int.
int truncated(double v) {
    if (!(v == v)) return 0;
    constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
}

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
    return {truncated(x * f), truncated(y * f)};
}

Poi Poi::rescaled(double newLength) const {
    const double l = length();
    if (l == 0) return {0, 0};
    return {truncated(x * newLength / l), truncated(y * newLength / l)};
}

Poi Poi::snapped() const {
    const long long half = gridUnit / 2;
    auto snap = [&](int v) { return truncated(double((v + half) / gridUnit * gridUnit)); };
    return {snap(x), snap(y)};
}

void exchangePoi(TextStream& stream, const std::string& name, Poi& point) {
    PoiBlock block(point);
    stream.exchangeObject(name, block);
}
