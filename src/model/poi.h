#pragma once

#include <cmath>
#include <string>

class TextStream;

// Truncation toward zero that saturates at the int range; NaN gives 0.
int truncatedInt(double v);

// An integer point of the drawing plane, x to the right and y downwards, in
// pixels. A plain value: branches hold thousands of them.
struct Poi {
    int x = 0;
    int y = 0;

    Poi operator+(Poi o) const { return {x + o.x, y + o.y}; }
    Poi operator-(Poi o) const { return {x - o.x, y - o.y}; }
    Poi& operator+=(Poi o) {
        x += o.x;
        y += o.y;
        return *this;
    }
    bool operator==(const Poi&) const = default;
    // Componentwise: both coordinates less or equal.
    bool operator<=(Poi o) const { return x <= o.x && y <= o.y; }

    // Each coordinate (a + b) / 2, truncated toward zero.
    Poi midpoint(Poi o) const {
        return {static_cast<int>((static_cast<long long>(x) + o.x) / 2),
                static_cast<int>((static_cast<long long>(y) + o.y) / 2)};
    }
    double length() const { return std::sqrt(double(x) * x + double(y) * y); }
    // Integer distance: the square root truncated.
    int distance(Poi o) const {
        const double dx = double(x) - o.x, dy = double(y) - o.y;
        return truncatedInt(std::sqrt(dx * dx + dy * dy));
    }
    // Each product truncated toward zero.
    Poi scaled(double f) const;
    // Both coordinates times L / length, truncated; (0, 0) for a zero vector.
    Poi rescaled(double newLength) const;
    // Rounds to the nearest point of the 56-pixel grid (points are never negative).
    Poi snapped() const;
};

inline constexpr int gridUnit = 56;

// The angle of a vector in [0, 2pi), counter-clockwise from the x axis, with
// `dyUp` counted upwards (the negated screen difference). A zero vector gives 0.
double angleOf(double dx, double dyUp);

// Stores a point as a nested block with the keys "x" and "y".
void exchangePoi(TextStream& stream, const std::string& name, Poi& point);
