#include "selection/age_band.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zapt {
namespace {

TEST(AgeBands, TheQueryAndTheCorpusDataWindowAgreeOnWholeAgesUpTo100) {
    const AgeBands b;
    for (int age = -1; age <= 100; ++age) {
        const auto shown = b.overview_band(age);
        ASSERT_TRUE(shown) << age;
        int holding = 0;
        for (AgeBand band : b.bands()) holding += b.holds(age, band);
        EXPECT_EQ(holding, 1) << age; // whole ages lie in exactly one band
        EXPECT_TRUE(b.holds(age, *shown)) << age;
        EXPECT_EQ(b.query_band(age), shown) << age;
    }
    // The edges of each band.
    EXPECT_EQ(b.query_band(17), AgeBand::Under18);
    EXPECT_EQ(b.query_band(18), AgeBand::From18To25);
    EXPECT_EQ(b.query_band(25), AgeBand::From18To25);
    EXPECT_EQ(b.query_band(26), AgeBand::From26To40);
    EXPECT_EQ(b.query_band(40), AgeBand::From26To40);
    EXPECT_EQ(b.query_band(41), AgeBand::From41To60);
    EXPECT_EQ(b.query_band(60), AgeBand::From41To60);
    EXPECT_EQ(b.query_band(61), AgeBand::Over60);
}

TEST(AgeBands, WhereTheTwoRulesDiffer) {
    const AgeBands b;
    // Over 100: the query still finds 61+, the window counts the author nowhere.
    EXPECT_EQ(b.query_band(101), AgeBand::Over60);
    EXPECT_FALSE(b.overview_band(101));
    // Between whole numbers the query's bands overlap; the window counts once,
    // not always in the same band.
    EXPECT_TRUE(b.holds(25.5, AgeBand::From18To25));
    EXPECT_TRUE(b.holds(25.5, AgeBand::From26To40));
    EXPECT_EQ(b.query_band(25.5), AgeBand::From26To40);
    EXPECT_EQ(b.overview_band(25.5), AgeBand::From26To40);
    EXPECT_EQ(b.query_band(17.5), AgeBand::From18To25);
    EXPECT_EQ(b.overview_band(17.5), AgeBand::Under18);
    // A value that is no number is in no band under either rule.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(b.query_band(nan));
    EXPECT_FALSE(b.overview_band(nan));
}

TEST(AgeBands, CaptionsInBandOrderAndTheListThatReadsBack) {
    const AgeBands b;
    const char* expected[] = {"<18", "18 to 25", "26 to 40", "41 to 60", "61+"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b.caption(b.bands()[i]), expected[i]);
    EXPECT_EQ(b.caption(static_cast<AgeBand>(5)), "");
    for (const char* list : {"<18,18-25,26-40,41-60,61+", "16-20,21-25", "<13,13-15,50+"}) {
        const std::optional<AgeBands> read = AgeBands::parse(list, nullptr);
        ASSERT_TRUE(read) << list;
        EXPECT_EQ(read->list(), list);
        EXPECT_EQ(*AgeBands::parse(read->list(), nullptr), *read);
    }
}

TEST(AgeBands, ACorpusBringsItsOwnBands) {
    EXPECT_TRUE(AgeBands().builtin());
    {
        const AgeBands b = *AgeBands::parse("16-20, 21-25,26-30,31-40,41-60", nullptr);
        EXPECT_FALSE(b.builtin());
        const std::vector<AgeBand> bands = b.bands();
        ASSERT_EQ(bands.size(), 5u);
        const char* captions[] = {"16 to 20", "21 to 25", "26 to 30", "31 to 40", "41 to 60"};
        for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(b.caption(bands[i]), captions[i]);
        // Whole ages in the one band that holds them, under both rules; below
        // the first band and above the last, in none.
        for (int age = 0; age <= 100; ++age) {
            const auto q = b.query_band(age), o = b.overview_band(age);
            EXPECT_EQ(q, o) << age;
            EXPECT_EQ(q.has_value(), age >= 16 && age <= 60) << age;
        }
        // A range lies in a band only as a whole; one across two bands in neither.
        const struct {
            const char* age;
            std::optional<AgeBand> band;
        } cases[] = {
            {"16-20", AgeBand::Under18},
            {"21 - 25", AgeBand::From18To25},
            {"26-27", AgeBand::From26To40},
            {"18-23", std::nullopt},
            {"51-60", static_cast<AgeBand>(4)},
            {"55-70", std::nullopt},
            {"35", static_cast<AgeBand>(3)},
            {"", std::nullopt},
            {"unknown", std::nullopt},
            {"NA", std::nullopt},
            {"-", std::nullopt},
        };
        for (const auto& c : cases) {
            EXPECT_EQ(b.query_band(read_age(c.age)), c.band) << c.age;
            EXPECT_EQ(b.overview_band(read_age(c.age)), c.band) << c.age;
        }
    }
    {
        // More than five bands, open at both ends.
        const AgeBands b = *AgeBands::parse("<13,13-15,16-17,18-21,22-29,30-49,50+", nullptr);
        ASSERT_EQ(b.size(), 7u);
        EXPECT_EQ(b.caption(b.bands()[0]), "<13");
        EXPECT_EQ(b.caption(b.bands()[6]), "50+");
        EXPECT_EQ(b.query_band(12.5), b.bands()[1]); // between whole years: the older band
        EXPECT_EQ(b.query_band(90), b.bands()[6]);
        EXPECT_FALSE(b.overview_band(101)); // the open oldest band counts up to 100
    }
    // A list of bands that cannot be read says why.
    for (const char* bad : {"", "16-20,,21-25", "20-16", "16-20,18-25", "18+,20-30", "10-20,<30",
                            "a-b", "16-20;21-25"}) {
        std::string error;
        EXPECT_FALSE(parse_bands(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(AgeBands, RegisterAgesReadAsNumbersRangesOrUnknown) {
    const struct {
        const char* text;
        bool known;
        double lo, hi;
    } cases[] = {{"35", true, 35, 35},
                 {"16-20", true, 16, 20},
                 {"16\xE2\x80\x93"
                  "20",
                  true, 16, 20},
                 {" 7 ", true, 7, 7},
                 {"", false, 0, 0},
                 {"unknown", false, 0, 0},
                 {"n/a", false, 0, 0},
                 {"-", false, 0, 0},
                 {"abc", false, 0, 0}};
    for (const auto& c : cases) {
        const AgeSpan a = read_age(c.text);
        EXPECT_EQ(a.known, c.known) << c.text;
        if (c.known) {
            EXPECT_EQ(a.lo, c.lo) << c.text;
            EXPECT_EQ(a.hi, c.hi) << c.text;
        }
    }
    // An unknown age is in no band, where reading it as a number would have put it below 18.
    EXPECT_FALSE(AgeBands().query_band(read_age("unknown")));
}

// Two corpora's bands side by side: each answers by its own, whatever the
// other is doing (the bands are values, not a setting of the program).
TEST(AgeBands, TwoCorporaKeepTheirOwnBandsAtOnce) {
    const AgeBands builtin;
    const AgeBands own = *AgeBands::parse("16-20,21-25,26-30,31-40,41-60", nullptr);
    const struct {
        double age;
        std::optional<AgeBand> builtin, own;
    } cases[] = {{15, AgeBand::Under18, std::nullopt},
                 {19, AgeBand::From18To25, AgeBand::Under18},
                 {27, AgeBand::From26To40, AgeBand::From26To40},
                 {35, AgeBand::From26To40, AgeBand::From41To60},
                 {65, AgeBand::Over60, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(builtin.query_band(c.age), c.builtin) << c.age;
        EXPECT_EQ(own.query_band(c.age), c.own) << c.age;
    }
    EXPECT_EQ(builtin.caption(AgeBand::Under18), "<18");
    EXPECT_EQ(own.caption(AgeBand::Under18), "16 to 20");
}

} // namespace
} // namespace zapt
