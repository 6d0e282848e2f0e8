#include "session/measurements.h"

#include "foundation/numberformat.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr char cellSeparator = '\t';
constexpr double missing = std::numeric_limits<double>::quiet_NaN();

std::vector<std::string> splitCells(const std::string& text) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(cellSeparator, start);
        cells.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return cells;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a "key=value" line when its key, without leading blanks, is `key`.
bool valueOfKey(const std::string& line, const char* key, std::string& value) {
    size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= ' ')
        ++start;
    const std::string_view rest = std::string_view(line).substr(start);
    const std::string_view k(key);
    if (rest.size() <= k.size() || rest.substr(0, k.size()) != k || rest[k.size()] != '=')
        return false;
    value = std::string(rest.substr(k.size() + 1));
    return true;
}

} // namespace

bool parseMeasuredNumber(std::string_view text, bool decimalComma, double& value) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text.size() > 64) return false;
    // Digits, one separator, an exponent and signs only: strtod alone would
    // also take "inf", "nan" and hexadecimal numbers.
    std::string plain;
    for (char c : text) {
        if (c == ',' && decimalComma) c = '.';
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        if (!allowed) return false;
        plain += c;
    }
    char* end = nullptr;
    const double v = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

int Measurements::columnOf(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

int Measurements::valueCount() const {
    int n = 0;
    for (const std::vector<double>& column : values)
        for (double v : column)
            if (!std::isnan(v)) ++n;
    return n;
}

void Measurements::clear() {
    timeName = "time";
    names.clear();
    times.clear();
    values.clear();
}

bool Measurements::operator==(const Measurements& other) const {
    if (timeName != other.timeName || names != other.names || times != other.times ||
        values.size() != other.values.size())
        return false;
    for (size_t c = 0; c < values.size(); ++c) {
        if (values[c].size() != other.values[c].size()) return false;
        for (size_t r = 0; r < values[c].size(); ++r) {
            const double a = values[c][r];
            const double b = other.values[c][r];
            if (std::isnan(a) != std::isnan(b) || (!std::isnan(a) && a != b)) return false;
        }
    }
    return true;
}

void Measurements::exchange() {
    if (writing) {
        std::string header = timeName;
        for (const std::string& name : names)
            header += cellSeparator + name;
        exchangeString("columns", header);
        for (size_t r = 0; r < times.size(); ++r) {
            std::string row = formatNumber(times[r]);
            for (const std::vector<double>& column : values) {
                row += cellSeparator;
                if (r < column.size() && !std::isnan(column[r])) row += formatNumber(column[r]);
            }
            exchangeString("row", row);
        }
        return;
    }

    clear();
    std::string header;
    const std::string* headerLine = findValue("columns");
    if (!headerLine || !valueOfKey(*headerLine, "columns", header)) return;
    const std::vector<std::string> headerCells = splitCells(header);
    timeName = headerCells[0];
    // Columns beyond the limit or repeating a name are dropped; `kept` maps
    // file columns to table columns.
    std::vector<int> kept(headerCells.size(), -1);
    for (size_t i = 1; i < headerCells.size() && static_cast<int>(i) < maxColumns; ++i) {
        if (headerCells[i].empty() || columnOf(headerCells[i]) >= 0) continue;
        kept[i] = static_cast<int>(names.size());
        names.push_back(headerCells[i]);
    }
    values.assign(names.size(), {});
    std::string row;
    for (const std::string& line : lines) {
        if (static_cast<int>(times.size()) >= maxRows) break;
        if (!valueOfKey(line, "row", row)) continue;
        const std::vector<std::string> cells = splitCells(row);
        double t = 0;
        if (!parseMeasuredNumber(cells[0], true, t) || (!times.empty() && t < times.back()))
            continue;
        times.push_back(t);
        for (std::vector<double>& column : values)
            column.push_back(missing);
        for (size_t i = 1; i < cells.size() && i < kept.size(); ++i) {
            double v = 0;
            if (kept[i] >= 0 && parseMeasuredNumber(cells[i], true, v)) values[kept[i]].back() = v;
        }
    }
    if (names.empty() || times.empty()) clear();
}
