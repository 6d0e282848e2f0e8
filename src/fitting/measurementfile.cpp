#include "fitting/measurementfile.h"

#include "foundation/numberformat.h"
#include "foundation/windows1252.h"
#include "model/vreactor.h"
#include "session/measurements.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace MeasurementFile {

namespace {

// The code point of a well-formed UTF-8 sequence at `i`, advancing `i`;
// false when the bytes are not UTF-8.
bool nextCodePoint(const std::string& text, size_t& i, char32_t& code) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    int length = 0;
    if (b < 0x80) {
        code = b;
        length = 1;
    } else if ((b & 0xE0) == 0xC0 && b >= 0xC2) {
        code = b & 0x1F;
        length = 2;
    } else if ((b & 0xF0) == 0xE0) {
        code = b & 0x0F;
        length = 3;
    } else if ((b & 0xF8) == 0xF0 && b <= 0xF4) {
        code = b & 0x07;
        length = 4;
    } else {
        return false;
    }
    if (i + static_cast<size_t>(length) > text.size()) return false;
    for (int k = 1; k < length; ++k) {
        const unsigned char c = byte(i + static_cast<size_t>(k));
        if ((c & 0xC0) != 0x80) return false;
        code = (code << 6) | (c & 0x3F);
    }
    i += static_cast<size_t>(length);
    return true;
}

// Windows-1252 text as the model keeps it: UTF-8 is converted, anything that
// is not UTF-8 is taken to be Windows-1252 already.
std::string modelText(const std::string& bytes) {
    std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    std::string converted;
    converted.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t code = 0;
        if (!nextCodePoint(text, i, code)) return text;
        converted += code < 0x80 ? static_cast<char>(code) : unicodeToWindows1252(code);
    }
    return converted;
}

std::vector<std::string> splitCells(const std::string& line, char separator) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (;;) {
        const size_t end = line.find(separator, start);
        cells.push_back(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return cells;
}

std::string trimmed(const std::string& text) {
    size_t a = 0;
    size_t b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t'))
        ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t'))
        --b;
    return text.substr(a, b - a);
}

// A cell or name as a message quotes it: a long one is cut, so that the
// message stays readable whatever the file holds.
std::string shortened(const std::string& text) {
    constexpr size_t longest = 40;
    return text.size() > longest ? text.substr(0, longest - 3) + "..." : text;
}

std::string quoted(const std::string& text) {
    return "\"" + shortened(text) + "\"";
}

std::string place(size_t line, size_t column, const std::string& name) {
    return "Line " + formatInt(static_cast<std::int64_t>(line)) + ", column " +
           formatInt(static_cast<std::int64_t>(column)) + " (" + quoted(name) + "): ";
}

} // namespace

bool parse(const std::string& bytes, Measurements& table, std::string& error) {
    const std::string text = modelText(bytes);
    Measurements read;
    char separator = 0;
    bool decimalComma = false;
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || trimmed(line).empty()) continue;

        if (separator == 0) {
            separator = line.find('\t') != std::string::npos  ? '\t'
                        : line.find(';') != std::string::npos ? ';'
                        : line.find(',') != std::string::npos ? ','
                                                              : '\t';
            decimalComma = separator != ',';
            const std::vector<std::string> header = splitCells(line, separator);
            if (static_cast<int>(header.size()) > Measurements::maxColumns) {
                error = "Line " + formatInt(static_cast<std::int64_t>(lineNumber)) +
                        ": more than " + formatInt(Measurements::maxColumns) + " columns.";
                return false;
            }
            read.timeName = trimmed(header[0]);
            // Kept in the session's text, where "<" and ">" mark blocks and a
            // line ends at a control character.
            for (char& c : read.timeName)
                if (c == '<' || c == '>' || static_cast<unsigned char>(c) < 0x20) c = '?';
            for (size_t c = 1; c < header.size(); ++c) {
                const std::string name = trimmed(header[c]);
                if (name.empty()) {
                    error = place(lineNumber, c + 1, name) + "the column has no name.";
                    return false;
                }
                if (read.columnOf(name) >= 0) {
                    error = place(lineNumber, c + 1, name) + "the name appears twice.";
                    return false;
                }
                read.names.push_back(name);
            }
            read.values.assign(read.names.size(), {});
            continue;
        }

        if (read.rowCount() >= Measurements::maxRows) {
            error = "Line " + formatInt(static_cast<std::int64_t>(lineNumber)) + ": more than " +
                    formatInt(Measurements::maxRows) + " rows.";
            return false;
        }
        const std::vector<std::string> cells = splitCells(line, separator);
        for (size_t c = read.names.size() + 1; c < cells.size(); ++c) {
            if (!trimmed(cells[c]).empty()) {
                error = place(lineNumber, c + 1, "") + "the header has no such column.";
                return false;
            }
        }
        double t = 0;
        if (!parseMeasuredNumber(cells[0], decimalComma, t)) {
            error = place(lineNumber, 1, read.timeName) +
                    (trimmed(cells[0]).empty()
                         ? std::string("the time is missing.")
                         : quoted(trimmed(cells[0])) + " is not a finite number.");
            return false;
        }
        if (!read.times.empty() && t < read.times.back()) {
            error = place(lineNumber, 1, read.timeName) + "the time goes backwards.";
            return false;
        }
        read.times.push_back(t);
        for (size_t c = 0; c < read.names.size(); ++c) {
            double v = std::numeric_limits<double>::quiet_NaN();
            const std::string cell = c + 1 < cells.size() ? trimmed(cells[c + 1]) : std::string();
            if (!cell.empty() && !parseMeasuredNumber(cell, decimalComma, v)) {
                error = place(lineNumber, c + 2, read.names[c]) + quoted(cell) +
                        " is not a finite number.";
                return false;
            }
            read.values[c].push_back(v);
        }
    }
    if (separator == 0) {
        error = "The file holds no header line.";
        return false;
    }
    if (read.names.empty() || read.times.empty()) {
        error = "The file holds no measured column or no row.";
        return false;
    }
    table = std::move(read);
    return true;
}

bool keepModelColumns(Measurements& table, const Vreactor& system,
                      std::vector<std::string>& ignored, std::string& error) {
    Measurements kept;
    kept.timeName = table.timeName;
    kept.times = table.times;
    ignored.clear();
    for (size_t c = 0; c < table.names.size(); ++c) {
        const std::string& name = table.names[c];
        bool known = name == Measurements::weightedObservationName;
        for (int u = 0; u < system.uniqueComponentCount() && !known; ++u)
            known = system.uniqueComponent(u).name == name;
        if (!known) {
            ignored.push_back(name);
            continue;
        }
        kept.names.push_back(name);
        kept.values.push_back(table.values[c]);
    }
    if (kept.names.empty()) {
        error = "No column is named after a component or \"" +
                std::string(Measurements::weightedObservationName) + "\".";
        return false;
    }
    table = std::move(kept);
    return true;
}

bool read(const std::string& fileName, const Vreactor& system, Measurements& table,
          std::string& message) {
    const std::string failed = "Failed to read measurements: " + fileName + "\n";
    std::error_code code;
    const std::uintmax_t size = std::filesystem::file_size(fileName, code);
    if (code || std::filesystem::is_directory(fileName, code)) {
        message = failed + "The file cannot be read.";
        return false;
    }
    if (size > maxFileBytes) {
        message = failed + "The file is larger than 50 MB.";
        return false;
    }
    std::ifstream file(fileName, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file && !file.eof()) {
        message = failed + "The file cannot be read.";
        return false;
    }
    Measurements read;
    std::string error;
    std::vector<std::string> ignored;
    if (!parse(bytes, read, error) || !keepModelColumns(read, system, ignored, error)) {
        message = failed + error;
        return false;
    }
    table = std::move(read);
    message.clear();
    if (!ignored.empty()) {
        message = "Columns that name no component are ignored:";
        constexpr size_t named = 10;
        for (size_t i = 0; i < ignored.size() && i < named; ++i)
            message += (i == 0 ? " " : ", ") + shortened(ignored[i]);
        if (ignored.size() > named)
            message +=
                " and " + formatInt(static_cast<std::int64_t>(ignored.size() - named)) + " more";
    }
    return true;
}

} // namespace MeasurementFile
