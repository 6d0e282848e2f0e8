#pragma once

#include <cstdint>
#include <string>

// Process-wide number settings. The program sets them from the preferences
// and the locale; the core and its tests start from these defaults.
inline int numberPrecision = 3;
inline bool alwaysScientific = false;
inline char decimalSeparator = '.';

// The one rule for every double written to a file or shown on screen: fixed
// point for magnitudes from about 0.01 to below 1000, scientific otherwise.
// Infinite and not-a-number values are written "inf", "-inf" and "nan".
std::string formatNumber(double value);

// Decimal text of an integer.
std::string formatInt(std::int64_t value);

// Reads a double written with either decimal separator; text that is no
// number in either convention gives 1.
double parseDouble(const std::string& text);

// Leading blanks, an optional sign, then decimal digits up to the first
// non-digit; no digits give 0. Saturates at the 32-bit range.
std::int32_t parseInt(const std::string& text);

// True exactly when the text without surrounding blanks is "true".
bool parseBool(const std::string& text);

// Sets the separator for the lifetime of the object; for writers that must
// use a fixed convention whatever the locale.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator) : saved_(decimalSeparator) {
        decimalSeparator = separator;
    }
    ~DecimalSeparatorScope() { decimalSeparator = saved_; }
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    char saved_;
};
