#include "foundation/numberformat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <system_error>

namespace {

// The rule's upper precision is generous but bounded so buffers stay small.
constexpr int maxDigits = 30;

void dropTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) return;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (!digits.empty() && digits.back() == '.') digits.pop_back();
}

std::string printf_(const char* format, int precision, double value) {
    std::array<char, 512> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    return std::string(buffer.data(), static_cast<size_t>(std::clamp(n, 0, 511)));
}

std::string fixed(double value, int decimals) {
    std::string text = printf_("%.*f", std::clamp(decimals, 0, maxDigits), value);
    dropTrailingZeros(text);
    if (text == "-0") text = "0";
    return text;
}

std::string scientific(double value, int decimals) {
    const std::string text = printf_("%.*e", std::clamp(decimals, 0, maxDigits), value);
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    dropTrailingZeros(mantissa);
    std::string exponent = text.substr(e + 1); // sign and at least two digits
    const char sign = exponent[0];
    const size_t firstDigit = std::min(exponent.find_first_not_of('0', 1), exponent.size() - 1);
    return mantissa + "e" + sign + exponent.substr(firstDigit);
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string trimmed(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return i == a.size() && !b[i];
}

std::optional<double> special(const std::string& text) {
    std::string body = text;
    double sign = 1;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        sign = body[0] == '-' ? -1 : 1;
        body.erase(0, 1);
    }
    if (equalsIgnoringCase(body, "inf") || equalsIgnoringCase(body, "infinity"))
        return sign * std::numeric_limits<double>::infinity();
    if (equalsIgnoringCase(body, "nan")) return std::numeric_limits<double>::quiet_NaN();
    return std::nullopt;
}

// Strict parse of a whole decimal number with the given separator: sign,
// digits with at most one separator, optional exponent. Out-of-range
// magnitudes become infinity or zero as the text intends.
std::optional<double> parseWith(const std::string& text, char separator) {
    std::string plain;
    plain.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool sawSeparator = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++mantissaDigits;
            plain += c;
        } else if (c == separator && !sawSeparator) {
            sawSeparator = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide by the exponent's sign.
        const size_t e = plain.find('e');
        const bool tiny = e != std::string::npos && plain[e + 1] == '-';
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return plain[0] == '-' ? -magnitude : magnitude;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

} // namespace

std::string formatNumber(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

    const int p = numberPrecision;
    const double magnitude = std::fabs(value);
    std::optional<int> decimals;
    // The bands are tested in single precision: 0.0099999999 counts as 0.01,
    // and 999.99997 as 1000, which takes the scientific form.
    const float m = static_cast<float>(magnitude);
    if (!alwaysScientific && m < 1000.0f) {
        if (m >= 100.0f)
            decimals = p - 2;
        else if (m >= 10.0f)
            decimals = p - 1;
        else if (m >= 1.0f)
            decimals = p;
        else if (m >= 0.1f)
            decimals = p + 1;
        else if (m >= 0.009999999f)
            decimals = p + 2;
    }
    std::string text = decimals ? fixed(value, *decimals) : scientific(value, p);
    if (decimalSeparator != '.') std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::string formatInt(std::int64_t value) {
    return std::to_string(value);
}

double parseDouble(const std::string& text) {
    const std::string t = trimmed(text);
    if (auto v = parseWith(t, decimalSeparator)) return *v;
    if (auto v = special(t)) return *v;
    std::string swapped = t;
    const size_t dot = swapped.find('.');
    if (dot != std::string::npos) {
        swapped[dot] = ',';
    } else if (const size_t comma = swapped.find(','); comma != std::string::npos) {
        swapped[comma] = '.';
    }
    if (auto v = parseWith(swapped, decimalSeparator)) return *v;
    return 1;
}

std::int32_t parseInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(limit, value * 10 + (text[i] - '0'));
    if (negative) value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool parseBool(const std::string& text) {
    return trimmed(text) == "true";
}
