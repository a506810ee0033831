// Collocates within a subcorpus, over the form index.
#include "explore/collocates.h"
#include "tests/core/explore/explore_test_corpus.h"
#include "tests/core/test_corpus.h"

#include "corpus/data_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

TEST(ExploreCollocates, TheWholeCorpusCountsAsTheCleanedText) {
    // Over the whole corpus without emoticons, the pieces are the cleaned
    // text's: the same collocates, frequencies and measures as the
    // comparison window counts inside texts.
    const Corpus& corpus = testing::builtin_corpus();
    const CorpusStore& store = corpus.store();
    const FormIndex index(store, corpus.authors(), EmoticonList());
    for (const char* form : {"u", "x", "the", "2moz", "U"}) {
        for (int span = 1; span <= 5; span += 2) {
            for (int min : {1, 3}) {
                const CollocationSettings s{span, min, true};
                const CollocationTable want = collocation_table(store, form, s);
                const CollocationTable got = scope_collocates(index, whole_scope(index), form, s);
                const std::string at = std::string(form) + " span " + std::to_string(span);
                EXPECT_EQ(got.formFrequency, want.formFrequency) << at;
                EXPECT_EQ(got.corpusWords, want.corpusWords) << at;
                ASSERT_EQ(got.collocates.size(), want.collocates.size()) << at;
                for (std::size_t i = 0; i < got.collocates.size(); ++i) {
                    const Collocate& g = got.collocates[i];
                    const Collocate& w = want.collocates[i];
                    EXPECT_EQ(g.word, w.word) << at;
                    EXPECT_EQ(g.left, w.left) << at << " " << w.word;
                    EXPECT_EQ(g.right, w.right) << at << " " << w.word;
                    EXPECT_EQ(g.corpusFrequency, w.corpusFrequency) << at << " " << w.word;
                    EXPECT_DOUBLE_EQ(g.mi, w.mi) << at << " " << w.word;
                    EXPECT_DOUBLE_EQ(g.logLikelihood, w.logLikelihood) << at << " " << w.word;
                    EXPECT_DOUBLE_EQ(g.tScore, w.tScore) << at << " " << w.word;
                }
            }
        }
    }
}

TEST(ExploreCollocates, ASubcorpusCountsItsOwnTexts) {
    // A's texts: "c u :) x" and "u c" (6 pieces); B's "c u c c" is left out.
    ExploreCorpus x({writer("1", "a"), writer("2", "b")},
                    {{"a", "c u :) x"}, {"b", "c u c c"}, {"a", "U c"}});
    const Scope a = rows_scope(*x, {0}, "author 1");
    const CollocationTable t = scope_collocates(*x, a, "u", {1, 1, false});
    EXPECT_TRUE(t.settings.withinText);
    EXPECT_EQ(t.formFrequency, 2);
    EXPECT_EQ(t.corpusWords, 6);
    std::map<std::string, Collocate> by;
    for (const Collocate& c : t.collocates) by[c.word] = c;
    ASSERT_EQ(by.size(), 2u);
    EXPECT_EQ(by["c"].left, 1);
    EXPECT_EQ(by["c"].right, 1);
    EXPECT_EQ(by["c"].corpusFrequency, 2);
    EXPECT_EQ(by[":)"].right, 1);
    EXPECT_EQ(by[":)"].corpusFrequency, 1);
    // MI = log2(O N / (F_form F_word 2)).
    EXPECT_DOUBLE_EQ(by["c"].mi, std::log2(2.0 * 6 / (2 * 2 * 2)));
    EXPECT_EQ(t.collocates[0].word, "c"); // the most frequent first

    // The table writes the report's columns and names the scope.
    const ResultTable table = scope_collocates_table(*x, t, "author 1");
    EXPECT_EQ(table.columns, (std::vector<std::string>{"word", "left", "right", "corpus_frequency",
                                                       "mi", "log_dice", "ll", "t_score"}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][0], "c");
    EXPECT_EQ(table.rows[0][4], "0.5850");
    std::map<std::string, std::string> settings(table.settings.begin(), table.settings.end());
    EXPECT_EQ(settings["subcorpus words"], "6 (N)");
    EXPECT_EQ(settings["pairs"], "inside one text only");

    // A form the scope lacks, and a span held to its range.
    EXPECT_TRUE(scope_collocates(*x, a, "nothing", {1, 1, true}).collocates.empty());
    EXPECT_EQ(scope_collocates(*x, a, "u", {9, 0, true}).settings.span, 5);
    EXPECT_EQ(scope_collocates(*x, a, "u", {9, 0, true}).settings.minFrequency, 1);
}

} // namespace
} // namespace zapt
