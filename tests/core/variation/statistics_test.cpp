// The significance tests against values worked out by hand; the p-values
// against closed forms of the chi-square tail (df 1: erfc(sqrt(x/2)),
// df 2: exp(-x/2)).
#include "variation/statistics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zapt {
namespace {

double tail_df1(double x) {
    return std::erfc(std::sqrt(x / 2));
}

TEST(Statistics, ChiSquareTail) {
    EXPECT_NEAR(chi_square_upper_tail(3.841458820694124, 1), 0.05, 1e-12);
    for (double x : {0.0, 0.5, 2.0, 7.5, 30.0}) {
        EXPECT_NEAR(chi_square_upper_tail(x, 1), tail_df1(x), 1e-12) << x;
        EXPECT_NEAR(chi_square_upper_tail(x, 2), std::exp(-x / 2), 1e-12) << x;
    }
}

TEST(Statistics, TableTestsByHand) {
    // Rows 30, 70, columns 40, 60 of 100: expected 12 18 28 42.
    const std::vector<std::vector<double>> t = {{10, 20}, {30, 40}};
    TestResult chi = chi_square_test(t);
    const double x2 = 4.0 / 12 + 4.0 / 18 + 4.0 / 28 + 4.0 / 42;
    ASSERT_TRUE(chi.statistic && chi.p);
    EXPECT_NEAR(*chi.statistic, x2, 1e-12);
    EXPECT_EQ(chi.df, 1);
    EXPECT_NEAR(*chi.p, tail_df1(x2), 1e-12);
    EXPECT_EQ(chi.note, ""); // no expected count below 5

    TestResult g = g_test(t);
    const double g2 = 2 * (10 * std::log(10.0 / 12) + 20 * std::log(20.0 / 18) +
                           30 * std::log(30.0 / 28) + 40 * std::log(40.0 / 42));
    EXPECT_NEAR(*g.statistic, g2, 1e-12);
    EXPECT_NEAR(*g.p, tail_df1(g2), 1e-12);

    // Empty rows and columns are left out: the same table with a zero row and column.
    TestResult padded = chi_square_test({{10, 0, 20}, {0, 0, 0}, {30, 0, 40}});
    EXPECT_NEAR(*padded.statistic, x2, 1e-12);
    EXPECT_EQ(padded.df, 1);

    // Equal proportions: nothing to see, p = 1; a zero cell adds nothing to G².
    TestResult same = g_test({{2, 4}, {1, 2}});
    EXPECT_NEAR(*same.statistic, 0, 1e-12);
    EXPECT_NEAR(*same.p, 1, 1e-12);
    TestResult zero_cell = g_test({{0, 5}, {5, 0}});
    EXPECT_NEAR(*zero_cell.statistic, 4 * 5 * std::log(2.0), 1e-12);
}

TEST(Statistics, TablesWithoutDegreesOfFreedomHaveNoPValue) {
    const std::vector<std::vector<std::vector<double>>> tables = {
        {},               // nothing at all
        {{0, 0}, {0, 0}}, // no occurrences
        {{3, 4}},         // one group
        {{3, 4}, {0, 0}}, // one group left
        {{5, 0}, {7, 0}}, // one form left
        {{5}, {7}, {9}},  // one form
    };
    for (const auto& t : tables) {
        for (const TestResult& r : {chi_square_test(t), g_test(t)}) {
            EXPECT_FALSE(r.statistic);
            EXPECT_FALSE(r.p);
            EXPECT_EQ(r.df, 0);
            EXPECT_FALSE(r.note.empty());
        }
    }
}

TEST(Statistics, KruskalWallisByHand) {
    const struct {
        std::vector<std::vector<double>> samples;
        double h; // < 0: no p-value
        int df;
    } cases[] = {
        // Ranks 1 2 | 3 4: H = 12/20 * (9/2 + 49/2) - 15.
        {{{1, 2}, {3, 4}}, 2.4, 1},
        // Ranks 2 2 | 2 4, ties of three: H = 0.6 / (1 - 24/60).
        {{{1, 1}, {1, 2}}, 1.0, 1},
        // Three samples, ranks 1 | 2 3 | 4 5 6: H = 12/42 * (1 + 25/2 + 225/3) - 21.
        {{{0.1}, {0.2, 0.3}, {0.4, 0.5, 0.6}}, 12.0 / 42 * (1 + 12.5 + 75) - 21, 2},
        // Empty samples are left out.
        {{{}, {1, 2}, {}, {3, 4}}, 2.4, 1},
        // One sample, or all values tied: nothing to test.
        {{{1, 2, 3}}, -1, 0},
        {{{}, {}}, -1, 0},
        {{{0.5, 0.5}, {0.5}}, -1, 1},
    };
    for (const auto& c : cases) {
        TestResult r = kruskal_wallis(c.samples);
        EXPECT_EQ(r.df, c.df);
        if (c.h < 0) {
            EXPECT_FALSE(r.p);
            EXPECT_FALSE(r.note.empty());
            continue;
        }
        ASSERT_TRUE(r.statistic && r.p);
        EXPECT_NEAR(*r.statistic, c.h, 1e-12);
        const double p = c.df == 1 ? tail_df1(c.h) : std::exp(-c.h / 2);
        EXPECT_NEAR(*r.p, p, 1e-12);
    }
}

TEST(Statistics, SignificantDigits) {
    EXPECT_EQ(format_significant(0.043112), "0.04311");
    EXPECT_EQ(format_significant(2.88), "2.88");
    EXPECT_EQ(format_significant(1.234567e-7), "1.235e-07");
    EXPECT_EQ(format_significant(1), "1");
}

} // namespace
} // namespace zapt
