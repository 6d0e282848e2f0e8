#include "foundation/numberformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Restores the process-wide settings a test changes.
class NumberFormatTest : public ::testing::Test {
protected:
    void TearDown() override {
        numberPrecision = 3;
        alwaysScientific = false;
        decimalSeparator = '.';
    }
};

struct Case {
    double value;
    const char* text;
};

TEST_F(NumberFormatTest, EveryMagnitudeBandAtDefaultPrecision) {
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {2, "2"},
        {0.25, "0.25"},
        {1500, "1.5e+3"},
        {0.001, "1e-3"},
        {999.94, "999.9"}, // 100..1000: P - 2 decimals
        {123.456, "123.5"},
        {12.3456, "12.35"},     // 10..100: P - 1
        {1.23456, "1.235"},     // 1..10: P
        {0.123456, "0.1235"},   // 0.1..1: P + 1
        {0.0123456, "0.01235"}, // 0.01..0.1: P + 2
        {0.0099999999, "0.01"}, // counts as 0.01 in single precision
        {0.00999, "9.99e-3"},
        {1000, "1e+3"},
        {-1234.5, "-1.234e+3"},
        {-0.5, "-0.5"},
        {1e-300, "1e-300"},
        {1.7e308, "1.7e+308"},
        {9.99951e5, "1e+6"},
        {10, "10"},
        {100, "100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST_F(NumberFormatTest, PrecisionAndScientificSettings) {
    numberPrecision = 12;
    EXPECT_EQ(formatNumber(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(formatNumber(1e-3), "1e-3");
    EXPECT_EQ(formatNumber(123456.789), "1.23456789e+5");
    numberPrecision = 1;
    EXPECT_EQ(formatNumber(555.5), "556"); // P - 2 is negative: no decimals
    numberPrecision = 3;
    alwaysScientific = true;
    EXPECT_EQ(formatNumber(2), "2e+0");
    EXPECT_EQ(formatNumber(0.25), "2.5e-1");
    EXPECT_EQ(formatNumber(0), "0");
}

TEST_F(NumberFormatTest, LocaleSeparator) {
    decimalSeparator = ',';
    EXPECT_EQ(formatNumber(0.25), "0,25");
    EXPECT_EQ(formatNumber(1500), "1,5e+3");
    EXPECT_EQ(parseDouble("0,25"), 0.25);
    EXPECT_EQ(parseDouble("0.25"), 0.25); // the other convention is the fallback
    decimalSeparator = '.';
    EXPECT_EQ(parseDouble("1,5e+3"), 1500);
    EXPECT_EQ(parseDouble("0.25"), 0.25);
}

TEST_F(NumberFormatTest, DoubleParsingFallsBackToOne) {
    EXPECT_EQ(parseDouble("  2.5  "), 2.5);
    EXPECT_EQ(parseDouble("-1e-3"), -1e-3);
    EXPECT_EQ(parseDouble("+7"), 7);
    EXPECT_EQ(parseDouble(".5"), 0.5);
    EXPECT_EQ(parseDouble("5."), 5);
    EXPECT_EQ(parseDouble("abc"), 1);
    EXPECT_EQ(parseDouble(""), 1);
    EXPECT_EQ(parseDouble("1.5abc"), 1);
    EXPECT_EQ(parseDouble("1.2.3"), 1);
    EXPECT_EQ(parseDouble("0x10"), 1);
    EXPECT_EQ(parseDouble("1e"), 1);
    EXPECT_TRUE(std::signbit(parseDouble("-0")));
    EXPECT_EQ(parseDouble("1e-400"), 0);
}

TEST_F(NumberFormatTest, NonFiniteValuesRoundTrip) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(parseDouble(formatNumber(inf)), inf);
    EXPECT_EQ(parseDouble(formatNumber(-inf)), -inf);
    EXPECT_TRUE(std::isnan(parseDouble(formatNumber(std::nan("")))));
    EXPECT_EQ(parseDouble("1e400"), inf);
    EXPECT_EQ(parseDouble("-1e400"), -inf);
}

TEST_F(NumberFormatTest, RoundTripAtFilePrecision) {
    numberPrecision = 12;
    for (double v : {3.14159265358979, 1e-3, 0.1, 123456.789, -2.5e-7, 42.0})
        EXPECT_NEAR(parseDouble(formatNumber(v)), v, std::fabs(v) * 1e-12) << v;
}

TEST_F(NumberFormatTest, IntegerAndBoolParsing) {
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt("   -17xyz"), -17);
    EXPECT_EQ(parseInt("+8"), 8);
    EXPECT_EQ(parseInt("12abc"), 12);
    EXPECT_EQ(parseInt("abc"), 0);
    EXPECT_EQ(parseInt(""), 0);
    EXPECT_EQ(parseInt("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(parseInt("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(parseBool(" true "));
    EXPECT_FALSE(parseBool("True"));
    EXPECT_FALSE(parseBool("1"));
}

} // namespace
