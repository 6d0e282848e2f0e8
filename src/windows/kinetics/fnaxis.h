#pragma once

// One axis of a function plot: its range after the margin rule and the
// mapping of a value to its normalised position, 0 at the lower end and 1 at
// the upper end. Window-free, so that the mapping is tested with exact values.
class FnAxis {
public:
    // A linear axis grows by this part of its span on each side.
    static constexpr double marginFraction = 0.1;
    // A logarithmic axis shows this many times its decades, the extra tenth
    // above the maximum.
    static constexpr double logMarginFactor = 1.2;
    static constexpr double logMarginTop = 0.1;

    // Sets the range and the mapping. A logarithmic axis is defined by its
    // maximum and its decades; its minimum is kept only for the tick range of
    // callers and for the range test of curves.
    void set(double minimum, double maximum, bool logarithmic, double decadeCount, bool margin);

    // n(v). A degenerate axis (minimum equal to maximum, or no decades) maps
    // every value to one position; on a logarithmic axis a value <= 0 has no
    // position (NaN).
    double normalised(double v) const;

    // Where ticks start: the minimum, or on a logarithmic axis the maximum
    // lowered by the decades.
    double tickStart() const;

    // Pixel of a normalised position on a horizontal axis of extent + 1
    // pixels, and on a vertical one (upwards, with 0.1 added before
    // rounding). NaN gives -1; far-out positions are clamped to a million
    // pixels so the result always fits an int.
    static int horizontalPixel(double n, int extent);
    static int verticalPixel(double n, int extent);

    double minimum = 0;
    double maximum = 1;
    bool logarithmic = false;
    double decades = 3;
    double scale = 1;
    double offset = 0;
};
