#include "corpus/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace zapt {
namespace {

TEST(DisplayForms, FourDecimalsRoundsHalvesToEvenAndDropsZeros) {
    const struct {
        double value;
        const char* shown;
    } cases[] = {
        {4.5, "4.5"},
        {9.0 / 21.0, "0.4286"},
        {12.0, "12"},
        {1.0 / 24.0, "0.0417"},
        {0.03125, "0.0312"},
        {0.03135, "0.0314"},
        {0.00005, "0"},
        {0.00015, "0.0002"},
        {0.00006, "0.0001"},
        {28.0 / 11.0, "2.5455"},
        {0.0, "0"},
        {12.0 / 345.0, "0.0348"},
        {1.0 / 20.0, "0.05"},
        {0.3, "0.3"},
        {9.99995, "10"},
        {-2.25, "-2.25"},
        {1e-9, "0"},
        {2.54545454545455, "2.5455"},
        {34.0 / 3.0, "11.3333"},
    };
    for (const auto& c : cases) EXPECT_EQ(format_4dec(c.value), c.shown) << c.value;
}

TEST(DisplayForms, FullPrecisionHasFifteenSignificantDigits) {
    EXPECT_EQ(format_full(28.0 / 11.0), "2.54545454545455");
    EXPECT_EQ(format_full(2.8), "2.8");
    EXPECT_EQ(format_full(0.1 + 0.2), "0.3");
    EXPECT_EQ(format_full(16.0), "16");
    EXPECT_EQ(format_full(0.0), "0");
    EXPECT_EQ(format_full(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(format_full(1e-7), "0.0000001");
    EXPECT_EQ(format_full(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(format_full(-0.5), "-0.5");
    EXPECT_EQ(format_whole(2416), "2416");
    EXPECT_EQ(format_whole(0), "0");
}

TEST(ReadingCaptions, LeadingNumberRule) {
    EXPECT_DOUBLE_EQ(read_leading_number("2.54545454545455"), 2.54545454545455);
    EXPECT_DOUBLE_EQ(read_leading_number("12"), 12.0);
    EXPECT_DOUBLE_EQ(read_leading_number("0.0417abc"), 0.0417);
    EXPECT_DOUBLE_EQ(read_leading_number("abc"), 0.0);
    EXPECT_DOUBLE_EQ(read_leading_number(""), 0.0);
    EXPECT_DOUBLE_EQ(read_leading_number("-3.5"), -3.5);
    EXPECT_DOUBLE_EQ(read_leading_number("7."), 7.0);
    EXPECT_DOUBLE_EQ(read_leading_number(".5"), 0.5);
    EXPECT_DOUBLE_EQ(read_leading_number("-"), 0.0);
}

TEST(ReadingCaptions, WholeDecimalRule) {
    EXPECT_EQ(read_decimal("16"), 16.0);
    EXPECT_EQ(read_decimal("0.0312"), 0.0312);
    EXPECT_EQ(read_decimal("12abc"), std::nullopt);
    EXPECT_EQ(read_decimal(""), std::nullopt);
    EXPECT_EQ(read_decimal("1.2.3"), std::nullopt);
}

TEST(ReadingCaptions, EveryWrittenCaptionReadsBackAsShown) {
    for (double v : {0.0, 2.54545454545455, 11.3333, 1.0 / 7.0, 8808.0 / 104.0, 123.456}) {
        std::string full = format_full(v), four = format_4dec(v);
        EXPECT_EQ(read_leading_number(full), *read_decimal(full)) << full;
        EXPECT_EQ(read_leading_number(four), *read_decimal(four)) << four;
    }
}

// The full form writes the 15 significant digits that printf's "%.14e" gives,
// through to_chars; the two agree on every value, rounding included.
TEST(Numbers, FullFormDigitsAreThoseOfPrintf) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 15);
    std::vector<double> values = {0.5,
                                  2.5,
                                  1e15,
                                  123456789012345678.0,
                                  0.1 + 0.2,
                                  28.0 / 11.0,
                                  2.675,
                                  1.0000000000000049,
                                  9.99999999999995};
    for (int i = 0; i < 200000; ++i)
        values.push_back(mantissa(rng) * std::pow(10.0, exponent(rng)));
    for (int i = 0; i < 20000; ++i) values.push_back(static_cast<double>(rng() % 100000) / 10000.0);
    for (double v : values) {
        char a[64], b[64];
        std::snprintf(a, sizeof a, "%.14e", v);
        *std::to_chars(b, b + sizeof b - 1, v, std::chars_format::scientific, 14).ptr = '\0';
        ASSERT_STREQ(a, b) << v;
    }
}

} // namespace
} // namespace zapt
