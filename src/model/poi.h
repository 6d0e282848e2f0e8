#pragma once

#include <cmath>
#include <string>

class TextStream;

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
    int distance(Poi o) const { return static_cast<int>((*this - o).length()); }
    // Each product truncated toward zero.
    Poi scaled(double f) const;
    // Both coordinates times L / length, truncated; (0, 0) for a zero vector.
    Poi rescaled(double newLength) const;
    // Rounds to the nearest point of the 56-pixel grid (points are never negative).
    Poi snapped() const;
};

inline constexpr int gridUnit = 56;

// Stores a point as a nested block with the keys "x" and "y".
void exchangePoi(TextStream& stream, const std::string& name, Poi& point);
