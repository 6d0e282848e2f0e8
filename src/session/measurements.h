#pragma once

#include "foundation/textstream.h"

#include <string>
#include <string_view>
#include <vector>

// A table of measured values over time that the user loaded to compare the
// model with: one time column and any number of measured columns, each named
// after a unique component or "weightedObservation". A missing cell is NaN.
// Stored in sessions as the optional section "measurements"; a session
// without measurements does not write it.
class Measurements : public TextStream {
public:
    static constexpr const char* sectionName = "measurements";
    static constexpr const char* weightedObservationName = "weightedObservation";
    static constexpr int maxRows = 100000;
    // The time column included.
    static constexpr int maxColumns = 101;

    // The key "columns" (the header, tab-separated) and one "row" key per
    // row. Reading repairs a damaged section: unreadable cells become
    // missing, rows whose time is unusable or goes backwards are dropped,
    // repeated or surplus columns are dropped.
    void exchange() override;

    bool empty() const { return names.empty() || times.empty(); }
    int rowCount() const { return static_cast<int>(times.size()); }
    int columnCount() const { return static_cast<int>(names.size()); }
    // Position of the column of that name, or -1.
    int columnOf(const std::string& name) const;
    // Cells that hold a value.
    int valueCount() const;
    double lastTime() const { return times.empty() ? 0 : times.back(); }
    void clear();

    // Equal names and times, and equal cells with missing equal to missing.
    bool operator==(const Measurements& other) const;

    // Header of the time column, as read.
    std::string timeName = "time";
    std::vector<std::string> names;
    // Never decreasing, all finite.
    std::vector<double> times;
    // values[column][row].
    std::vector<std::vector<double>> values;
};

// A cell as a number: blanks around it allowed, the whole rest must be one
// decimal number in "." notation (or "," as well when `decimalComma`).
// False for anything else, "inf" and "nan" included.
bool parseMeasuredNumber(std::string_view text, bool decimalComma, double& value);
