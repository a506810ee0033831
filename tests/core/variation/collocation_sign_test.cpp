// Log-likelihood and t-score of collocates carry the sign of observed minus
// expected: a word seen beside the form less often than chance has negative
// values, so that a table sorted by either, largest first, lists attraction
// before repulsion.
#include "test_corpus.h"
#include "variation/tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zapt::testing {
namespace {

TEST(CollocationSign, MeasuresOnHandWorkedNumbers) {
    struct Case {
        double o, fForm, fWord, n;
        int span;
        double logLikelihood, tScore;
    };
    // E = F_form * F_word * 2 * span / N; G2 over the places beside the form
    // against the others, negative where O < E.
    const Case cases[] = {
        {1, 10, 100, 1000, 1, -0.6238751887556553, -1.0}, // O 1 < E 2
        {2, 10, 100, 1000, 1, 0.0, 0.0},                  // O = E
        {5, 10, 100, 1000, 1, 3.2556957754356386, 1.3416407864998738},
        {3, 10, 100, 1000, 2, -0.2842882501853661, -0.5773502691896258},
        {1, 50, 300, 1000, 1, -54.20653064327806, -29.0}, // "the" beside "u"
    };
    for (const Case& c : cases) {
        const CollocationMeasures m = collocation_measures(c.o, c.fForm, c.fWord, c.n, c.span);
        const std::string at = std::to_string(c.o) + " of " + std::to_string(c.fWord);
        EXPECT_NEAR(m.logLikelihood, c.logLikelihood, 1e-9) << at;
        EXPECT_NEAR(m.tScore, c.tScore, 1e-9) << at;
        // MI says the same direction.
        if (c.logLikelihood != 0) {
            EXPECT_EQ(m.logLikelihood < 0, m.mi < 0) << at;
        }
    }
}

TEST(CollocationSign, RepelledWordsSortAfterAttractedOnes) {
    // "the" is frequent but stands beside "u" once; "c" stands before every "u".
    const std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F")}, {{"Ann", "c u the"},
                                                         {"Ann", "the the the the"},
                                                         {"Ann", "c u x"},
                                                         {"Ann", "the the the the the"},
                                                         {"Ann", "c u y"},
                                                         {"Ann", "the cat the dog the end"}});
    const CollocationTable t = collocation_table(corpus->store(), "u", {1, 1, true});
    const auto find = [&](const std::string& word) {
        return *std::find_if(t.collocates.begin(), t.collocates.end(),
                             [&](const Collocate& c) { return c.word == word; });
    };
    const Collocate the = find("the"), c = find("c");
    EXPECT_LT(the.mi, 0);
    EXPECT_LT(the.logLikelihood, 0);
    EXPECT_LT(the.tScore, 0);
    EXPECT_GT(c.logLikelihood, 0);
    EXPECT_GT(c.tScore, 0);

    // Both tables write the signed values; the report's table adds them after
    // log_dice.
    const ResultTable measures = collocate_measures_table(t);
    const ResultTable plain = collocates_table(collocation_table(corpus->store(), "u"));
    EXPECT_EQ(plain.columns, (std::vector<std::string>{"word", "left", "right", "corpus_frequency",
                                                       "mi", "log_dice", "ll", "t_score"}));
    for (const ResultTable* table : {&measures, &plain}) {
        const auto ll = static_cast<std::size_t>(
            std::find_if(table->columns.begin(), table->columns.end(),
                         [](const std::string& c) { return c == "ll" || c == "log_likelihood"; }) -
            table->columns.begin());
        ASSERT_LT(ll, table->columns.size());
        // Sorted by the signed value, largest first: every word with a
        // positive MI before every word with a negative one.
        std::vector<std::vector<std::string>> rows = table->rows;
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& x, const auto& y) {
            return std::stod(x[ll]) > std::stod(y[ll]);
        });
        bool repelled = false;
        for (const auto& row : rows) {
            const double mi = std::stod(row[4]);
            if (mi < 0) repelled = true;
            if (mi > 0) {
                EXPECT_FALSE(repelled) << table->title << " " << row[0];
            }
        }
        EXPECT_TRUE(repelled) << table->title;
        bool noted = false;
        for (const auto& [key, value] : table->settings)
            noted |= value.find("negative") != std::string::npos;
        EXPECT_TRUE(noted) << table->title << ": the sign is explained";
    }
}

} // namespace
} // namespace zapt::testing
