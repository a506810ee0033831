// The collocates of a form over a span, inside one text or across texts, with
// a minimum frequency, and their four measures, on numbers worked out by hand.
#include "analysis/glossary.h"
#include "corpus/text.h"
#include "test_corpus.h"
#include "variation/tables.h"

#include <gtest/gtest.h>

#include <map>

namespace zapt::testing {
namespace {

const Collocate* find_collocate(const CollocationTable& t, const std::string& word) {
    for (const Collocate& c : t.collocates)
        if (c.word == word) return &c;
    return nullptr;
}

TEST(CollocationSettings, SpanTextsAndMeasuresByHand) {
    // Cleaned corpus text: "a u b b u c u a x y u z w " (N = 13, u 4 times).
    const std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F")},
                     {{"Ann", "a u b"}, {"Ann", "b u c."}, {"Ann", "u a"}, {"Ann", "x y u z w"}});
    struct Case {
        CollocationSettings settings;
        std::string word;
        int left, right, frequency;
        double mi, logDice, tScore, logLikelihood;
    };
    // E = 4 * F_word * 2 * span / 13. With span 2 the form's 16 places cover
    // the 13 words: no log-likelihood.
    const Case cases[] = {
        {{1, 1, true}, "a", 1, 1, 2, 0.700440, 13.415037, 0.543928, 1.942031},
        {{1, 1, true}, "y", 1, 0, 1, 0.700440, 12.678072, 0.384615, 0.971016},
        {{1, 1, true}, "c", 0, 1, 1, 0.700440, 12.678072, 0.384615, 0.971016},
        // Across texts "c" ends one text and stands before the next "u".
        {{1, 1, false}, "c", 1, 1, 1, 1.700440, 13.678072, 0.979071, 1.942031},
        {{2, 1, true}, "x", 1, 0, 1, -0.299560, 12.678072, -0.230769, 0},
        {{2, 1, true}, "a", 1, 1, 2, -0.299560, 13.415037, -0.326357, 0},
        // Across texts both "b" stand two words before one "u" and after another.
        {{2, 1, false}, "b", 2, 2, 2, 0.700440, 14.415037, 0.769231, 0},
    };
    for (const Case& c : cases) {
        const CollocationTable t = collocation_table(corpus->store(), "u", c.settings);
        const std::string at = c.word + " span " + std::to_string(c.settings.span) +
                               (c.settings.withinText ? " within" : " across");
        const Collocate* k = find_collocate(t, c.word);
        ASSERT_NE(k, nullptr) << at;
        EXPECT_EQ(k->left, c.left) << at;
        EXPECT_EQ(k->right, c.right) << at;
        EXPECT_EQ(k->corpusFrequency, c.frequency) << at;
        EXPECT_NEAR(k->mi, c.mi, 1e-6) << at;
        EXPECT_NEAR(k->logDice, c.logDice, 1e-6) << at;
        EXPECT_NEAR(k->tScore, c.tScore, 1e-6) << at;
        EXPECT_NEAR(k->logLikelihood, c.logLikelihood, 1e-6) << at;
    }

    // Inside one text: the rows leave a word of another text empty.
    const CollocationTable within = collocation_table(corpus->store(), "u", {1, 1, true});
    ASSERT_EQ(within.occurrences.size(), 4u);
    EXPECT_EQ(within.occurrences[1].after, "c");
    EXPECT_EQ(within.occurrences[2].before, "");
    EXPECT_EQ(within.occurrences[2].after, "a");
    EXPECT_EQ(find_collocate(within, "u"), nullptr);
    // A minimum frequency of 2 keeps a and b; the span and the minimum are
    // held to their ranges.
    const CollocationTable two = collocation_table(corpus->store(), "u", {0, 2, true});
    EXPECT_EQ(two.settings.span, 1);
    ASSERT_EQ(two.collocates.size(), 2u);
    EXPECT_EQ(two.collocates[0].word, "a");
    EXPECT_EQ(two.collocates[1].word, "b");
    EXPECT_EQ(collocation_table(corpus->store(), "u", {9, -3, true}).settings.span, 5);
    EXPECT_EQ(collocation_table(corpus->store(), "u", {9, -3, true}).settings.minFrequency, 1);
    // The table says how it was counted.
    const ResultTable shown = collocate_measures_table(two);
    EXPECT_EQ(shown.columns.back(), "t_score");
    EXPECT_EQ(shown.rows[0][6], "1.9420");
}

TEST(CollocationSettings, OneWordAcrossTextsCountsTheRowsOfTheWindow) {
    // The collocates of every glossary form, counted over the span, equal the
    // words before and after in the collocations window's rows.
    const Corpus& corpus = builtin_corpus();
    for (const std::string& form : corpus.glossary().forms()) {
        const CollocationTable t = collocation_table(corpus.store(), form);
        std::map<std::string, std::pair<int, int>> rows;
        for (const CollocationOccurrence& o : t.occurrences) {
            if (!o.before.empty()) ++rows[fold_text(o.before)].first;
            if (!o.after.empty()) ++rows[fold_text(o.after)].second;
        }
        ASSERT_EQ(t.collocates.size(), rows.size()) << form;
        for (const Collocate& c : t.collocates) {
            EXPECT_EQ(std::make_pair(c.left, c.right), rows[c.word]) << form << " " << c.word;
        }
    }
}

} // namespace
} // namespace zapt::testing
