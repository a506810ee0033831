// The Wilson score interval of a proportion: the published values, the ends of
// the range, and what must hold of every interval.
#include "variation/intervals.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

// Newcombe (1998), "Two-sided confidence intervals for the single proportion",
// Statistics in Medicine 17, table II, method 3 (score interval without
// continuity correction), to four decimals; and two further cases worked by
// hand from the formula.
TEST(WilsonInterval, PublishedValuesAndTheEnds) {
    const struct {
        long long successes, n;
        double low, high;
    } cases[] = {
        {81, 263, 0.2553, 0.3662}, {15, 148, 0.0624, 0.1605}, {0, 20, 0.0, 0.1611},
        {1, 29, 0.0061, 0.1718},   {3, 3, 0.4385, 1.0}, // 100 % from 3 tokens: down to 44 %
        {50, 100, 0.4038, 0.5962},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.successes) + " of " + std::to_string(c.n));
        const auto i = wilson_interval(c.successes, c.n);
        ASSERT_TRUE(i);
        EXPECT_NEAR(i->low, c.low, 5e-5);
        EXPECT_NEAR(i->high, c.high, 5e-5);
    }
    // Exactly 0 and 1 at the ends, not a rounding away from them.
    EXPECT_EQ(wilson_interval(0, 7)->low, 0.0);
    EXPECT_EQ(wilson_interval(7, 7)->high, 1.0);
    // No share, no interval; nor for counts that cannot be.
    EXPECT_FALSE(wilson_interval(0, 0));
    EXPECT_FALSE(wilson_interval(-1, 5));
    EXPECT_FALSE(wilson_interval(6, 5));
    EXPECT_FALSE(wilson_interval(1, 5, 1.0));
    EXPECT_FALSE(wilson_interval(1, 5, 0.0));
}

// Every interval holds its share, mirrors the interval of the other side, and
// narrows as the count grows; a higher confidence widens it.
TEST(WilsonInterval, HoldsTheShareMirrorsAndNarrows) {
    for (long long n : {1LL, 2LL, 3LL, 10LL, 463LL}) {
        for (long long x = 0; x <= n; ++x) {
            SCOPED_TRACE(std::to_string(x) + " of " + std::to_string(n));
            const Interval i = *wilson_interval(x, n);
            const double p = static_cast<double>(x) / static_cast<double>(n);
            EXPECT_LE(0.0, i.low);
            EXPECT_LE(i.low, p);
            EXPECT_LE(p, i.high);
            EXPECT_LE(i.high, 1.0);
            const Interval other = *wilson_interval(n - x, n);
            EXPECT_NEAR(i.low, 1 - other.high, 1e-12);
            EXPECT_NEAR(i.high, 1 - other.low, 1e-12);
            const Interval wider = *wilson_interval(x, n, 0.99);
            EXPECT_LE(wider.low, i.low);
            EXPECT_GE(wider.high, i.high);
        }
    }
    // The same share from more tokens: a narrower interval.
    double last = 2;
    for (long long n : {4LL, 40LL, 400LL, 4000LL}) {
        const Interval i = *wilson_interval(n / 4, n);
        EXPECT_LT(i.high - i.low, last) << n;
        last = i.high - i.low;
    }
}

} // namespace
} // namespace zapt::testing
