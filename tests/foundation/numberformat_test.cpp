#include "foundation/numberformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Restores the process-wide settings a test changes.
class NumberFormatTest : public ::testing::Test {
protected:
    void TearDown() override {
        numberPrecision = 3;
        alwaysScientific = false;
        decimalSeparator = '.';
    }
};

// Fixed form below 1000 with P - 2, P - 1, P, P + 1 and P + 2 decimals from
// 100, 10, 1, 0.1 and 0.01 on (the band chosen in single precision),
// scientific beyond.
TEST_F(NumberFormatTest, EveryMagnitudeBandAndTheSettings) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},           {-0.0, "0"},           {100.0, "100"},       {999.94, "999.9"},
        {12.3456, "12.35"},   {1.23456, "1.235"},    {0.123456, "0.1235"}, {0.0123456, "0.01235"},
        {9.99999e-3, "1e-2"}, {0.00999, "9.99e-3"},  {1000.0, "1e+3"},     {-1500.0, "-1.5e+3"},
        {1e-300, "1e-300"},   {1.7e308, "1.7e+308"}, {9.99951e5, "1e+6"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatNumber(value), text) << value;
    EXPECT_EQ(formatNumber(0.0099999999), "0.01");
    // Either side of the band edges as single precision sees them.
    const struct {
        int precision;
        double value;
        const char* text;
    } edges[] = {{3, 999.99997, "1e+3"},           {12, 999.99997, "9.9999997e+2"},
                 {12, 999.9996, "999.9996"},       {3, -999.99999, "-1e+3"},
                 {12, 0.009999999, "0.009999999"}, {12, 0.0099999, "9.9999e-3"}};
    for (const auto& [precision, value, text] : edges) {
        numberPrecision = precision;
        EXPECT_EQ(formatNumber(value), text) << precision << " " << value;
    }
    numberPrecision = 12;
    EXPECT_EQ(formatNumber(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(formatNumber(123456.789), "1.23456789e+5");
    numberPrecision = 1;
    EXPECT_EQ(formatNumber(555.5), "556"); // P - 2 is negative: no decimals
    numberPrecision = 3;
    alwaysScientific = true;
    EXPECT_EQ(formatNumber(2), "2e+0");
    EXPECT_EQ(formatNumber(0), "0");
    decimalSeparator = ',';
    EXPECT_EQ(formatNumber(0.25), "2,5e-1");
}

// Non-finite values read back from their own text.
TEST_F(NumberFormatTest, DoubleParsingTakesEitherSeparatorAndFallsBackToOne) {
    const struct {
        char separator;
        const char* text;
        double value;
    } cases[] = {{'.', "  2.5  ", 2.5}, {'.', "-1e-3", -1e-3}, {'.', "+7", 7},
                 {'.', ".5", 0.5},      {'.', "5.", 5},        {'.', "1e-400", 0},
                 {'.', "1e400", inf},   {'.', "-1e400", -inf}, {'.', "1,5e+3", 1500},
                 {',', "0,25", 0.25},   {',', "0.25", 0.25},   {'.', "abc", 1},
                 {'.', "", 1},          {'.', "1.5abc", 1},    {'.', "1.2.3", 1},
                 {'.', "0x10", 1},      {'.', "1e", 1}};
    for (const auto& c : cases) {
        decimalSeparator = c.separator;
        EXPECT_EQ(parseDouble(c.text), c.value) << c.text;
    }
    EXPECT_TRUE(std::signbit(parseDouble("-0")));
    EXPECT_EQ(parseDouble(formatNumber(inf)), inf);
    EXPECT_EQ(parseDouble(formatNumber(-inf)), -inf);
    EXPECT_TRUE(std::isnan(parseDouble(formatNumber(std::nan("")))));
}

TEST_F(NumberFormatTest, IntegerAndBoolParsing) {
    constexpr std::int32_t big = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"42", 42},          {"   -17xyz", -17},       {"+8", 8}, {"abc", 0}, {"", 0},
                 {"9999999999", big}, {"-9999999999", -big - 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseInt(text), value) << text;
    EXPECT_EQ(parseInt("99999999999999999999"), big); // beyond 64 bits too
    EXPECT_TRUE(parseBool(" true "));
    EXPECT_FALSE(parseBool("True"));
    EXPECT_FALSE(parseBool("1"));
}

} // namespace
