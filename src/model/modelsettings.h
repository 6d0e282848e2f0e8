#pragma once

// The preferences that the reaction system reads, with their defaults. The
// preferences table owns the values; the model is given a pointer to them.
struct ModelSettings {
    static constexpr int smallFontSize = 11;
    static constexpr int largeParameterFontSize = 13;
    static constexpr int largeNameFontSize = 17;

    // "Show possible destinations when connecting"
    bool showDestinations = true;
    // "Large font for component names"
    bool largeNameFont = false;
    // "Large font for parameters"
    bool largeParameterFont = false;

    // Character heights in pixels of the two drawing fonts.
    int nameFontSize() const { return largeNameFont ? largeNameFontSize : smallFontSize; }
    int parameterFontSize() const {
        return largeParameterFont ? largeParameterFontSize : smallFontSize;
    }
    // How far above a component's centre its name stands, and how far below
    // it its concentration.
    int nameOffset() const { return largeNameFont ? 22 : 20; }
    int labelOffset() const { return largeParameterFont ? 19 : 18; }
};
