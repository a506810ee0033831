#include "selection/age_band.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zapt {
namespace {

TEST(AgeBands, TheQueryAndTheCorpusDataWindowAgreeOnWholeAgesUpTo100) {
    for (int age = -1; age <= 100; ++age) {
        const auto shown = overview_band(age);
        ASSERT_TRUE(shown) << age;
        int holding = 0;
        for (AgeBand b : age_bands()) holding += in_band(age, b);
        EXPECT_EQ(holding, 1) << age; // whole ages lie in exactly one band
        EXPECT_TRUE(in_band(age, *shown)) << age;
        EXPECT_EQ(query_band(age), shown) << age;
    }
    // The edges of each band.
    EXPECT_EQ(query_band(17), AgeBand::Under18);
    EXPECT_EQ(query_band(18), AgeBand::From18To25);
    EXPECT_EQ(query_band(25), AgeBand::From18To25);
    EXPECT_EQ(query_band(26), AgeBand::From26To40);
    EXPECT_EQ(query_band(40), AgeBand::From26To40);
    EXPECT_EQ(query_band(41), AgeBand::From41To60);
    EXPECT_EQ(query_band(60), AgeBand::From41To60);
    EXPECT_EQ(query_band(61), AgeBand::Over60);
}

TEST(AgeBands, WhereTheTwoRulesDiffer) {
    // Over 100: the query still finds 61+, the window counts the author nowhere.
    EXPECT_EQ(query_band(101), AgeBand::Over60);
    EXPECT_FALSE(overview_band(101));
    // Between whole numbers the query's bands overlap; the window counts once,
    // not always in the same band.
    EXPECT_TRUE(in_band(25.5, AgeBand::From18To25));
    EXPECT_TRUE(in_band(25.5, AgeBand::From26To40));
    EXPECT_EQ(query_band(25.5), AgeBand::From26To40);
    EXPECT_EQ(overview_band(25.5), AgeBand::From26To40);
    EXPECT_EQ(query_band(17.5), AgeBand::From18To25);
    EXPECT_EQ(overview_band(17.5), AgeBand::Under18);
    // A value that is no number is in no band under either rule.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(query_band(nan));
    EXPECT_FALSE(overview_band(nan));
}

TEST(AgeBands, CaptionsInBandOrder) {
    const char* expected[] = {"<18", "18 to 25", "26 to 40", "41 to 60", "61+"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(band_caption(age_bands()[i]), expected[i]);
}

} // namespace
} // namespace zapt
