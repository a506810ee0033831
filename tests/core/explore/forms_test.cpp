// Pieces and forms, the form index, word lists and keywords.
#include "explore/word_list.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

TEST(ExplorePieces, CleanedAndFoldedLikeTheCorpusText) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
        std::vector<std::string> forms;
    };
    const std::vector<Case> cases = {
        {"Hi,\tthere!\r\nGo-go \"x\"",
         {"Hi", "there", "Go", "go", "x"},
         {"hi", "there", "go", "go", "x"}},
        {"don't  (ok)/ya+me=us;",
         {"don't", "ok", "ya", "me", "us"},
         {"don't", "ok", "ya", "me", "us"}},
        {"Straße STRASSE", {"Straße", "STRASSE"}, {"strasse", "strasse"}},
        {"İstanbul I", {"İstanbul", "I"}, {"i\xCC\x87stanbul", "i"}},
        {"cafe\xCC\x81 \xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD x",
         {"cafe\xCC\x81", "\xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", "x"},
         {"cafe\xCC\x81", "\xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", "x"}},
        {" \t\r\n.,", {}, {}},
        {"ΚΑΛΗΜΈΡΑ", {"ΚΑΛΗΜΈΡΑ"}, {"καλημέρα"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string_view> got = text_pieces(c.text);
        ASSERT_EQ(got.size(), c.pieces.size()) << c.text;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i], c.pieces[i]) << c.text;
            EXPECT_EQ(piece_form(got[i]), c.forms[i]) << c.text;
        }
        // The index reads the same pieces from the store's cleaned text.
        ExploreCorpus x({writer("1", "a")}, {{"a", c.text}});
        ASSERT_EQ(x->textLength(0), c.pieces.size()) << c.text;
        for (std::size_t i = 0; i < c.pieces.size(); ++i) {
            EXPECT_EQ(x->pieceText(i), c.pieces[i]) << c.text;
            EXPECT_EQ(x->folded(x->pieceForm(i)), c.forms[i]) << c.text;
        }
    }
}

TEST(ExploreIndex, FormsSpellingsAuthorsAndTextsWithoutAnAuthor) {
    ExploreCorpus x({writer("01", "Ann"), writer("02", "Bob")},
                    {{"Ann", "straße STRASSE Straße"}, {"bob", "Straße x"}, {"Nobody", "x x"}});
    const long long ss = x->find("STRASSE");
    ASSERT_GE(ss, 0);
    const auto f = static_cast<std::uint32_t>(ss);
    // Straße is written twice, the others once: the most frequent spelling.
    EXPECT_EQ(x->shown(f), "Straße");
    EXPECT_EQ(x->total(f).count, 4u);
    EXPECT_EQ(x->total(f).texts, 2u);
    EXPECT_EQ(x->total(f).authors, 2u);
    // The per-text name "bob" is register row 1; "Nobody" is no author.
    EXPECT_EQ(x->textAuthor(1), 1);
    EXPECT_EQ(x->textAuthor(2), -1);
    EXPECT_EQ(x->authorWords(x->noAuthor()), 2u);
    const auto xf = static_cast<std::uint32_t>(x->find("X"));
    EXPECT_EQ(x->total(xf).count, 3u);
    EXPECT_EQ(x->total(xf).authors, 1u);
    EXPECT_EQ(x->occurrences(xf).size(), 3u);
    EXPECT_EQ(x->find("absent"), -1);
    // On a tie the first spelling seen.
    ExploreCorpus tie({writer("1", "a")}, {{"a", "Hey hey HEY"}});
    EXPECT_EQ(tie->shown(static_cast<std::uint32_t>(tie->find("hey"))), "Hey");
}

TEST(ExploreWordList, DispersionTopShareAndScopes) {
    // Parts of 2, 3 and 5 words; an author without texts is left out of the
    // parts. "a": counts 2, 0, 1 -> DP = (7/15 + 3/10 + 1/6) / 2 = 7/15.
    // "b": counts 0, 1, 0 -> DP = (0.2 + 0.7 + 0.5) / 2 = 0.7.
    ExploreCorpus x({writer("1", "p"), writer("2", "q"), writer("3", "r"), writer("4", "silent")},
                    {{"p", "a a"}, {"q", "b c d"}, {"r", "A e f g h"}});
    const GlossaryForms glossary(Glossary({{"a", "B"}, {"ay", "be"}}));
    const WordList all = word_list(*x, whole_scope(*x), glossary, nullptr, {});
    ASSERT_FALSE(all.rows.empty());
    EXPECT_EQ(all.words, 10u);
    EXPECT_EQ(all.rows[0].form, "a");
    EXPECT_EQ(all.rows[0].count, 3u);
    EXPECT_NEAR(*all.rows[0].dp, 7.0 / 15, 1e-12);
    EXPECT_NEAR(*all.rows[0].topShare, 2.0 / 3, 1e-12);
    EXPECT_DOUBLE_EQ(*all.rows[0].per10k, 3 * 10000.0 / 10);
    EXPECT_EQ(all.rows[0].authors, 2u);
    EXPECT_EQ(all.rows[0].interpretation, "ay");
    EXPECT_EQ(all.rows[1].form, "b"); // count 1, then by form
    EXPECT_NEAR(*all.rows[1].dp, 0.7, 1e-12);

    // One author: the forms of their texts, DP 0 (one part).
    const WordList one = word_list(*x, rows_scope(*x, {0}, "author 1"), glossary, nullptr, {});
    ASSERT_EQ(one.rows.size(), 1u);
    EXPECT_EQ(one.rows[0].count, 2u);
    EXPECT_NEAR(*one.rows[0].dp, 0.0, 1e-12);

    // Filters: the glossary's forms; the dictionary filter says when it has no list.
    WordListOptions gloss;
    gloss.glossaryOnly = true;
    EXPECT_EQ(word_list(*x, whole_scope(*x), glossary, nullptr, gloss).rows.size(), 2u); // a, B
    WordListOptions nonstd;
    nonstd.notInDictionary = true;
    const StandardWords none = load_standard_words("/nonexistent/words", glossary);
    const WordList missing = word_list(*x, whole_scope(*x), glossary, &none, nonstd);
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_NE(missing.error.find("/nonexistent/words"), std::string::npos);
    StandardWords some = none;
    some.available = true;
    some.words = {"c", "d"};
    some.words.insert(glossary.interpretationWords().begin(), glossary.interpretationWords().end());
    std::vector<std::string> left;
    for (const auto& r : word_list(*x, whole_scope(*x), glossary, &some, nonstd).rows)
        left.push_back(r.form);
    EXPECT_EQ(left, (std::vector<std::string>{"e", "f", "g", "h"}));
}

TEST(ExploreKeywords, FormulasOnHandWorkedNumbers) {
    struct Case {
        std::uint64_t a, b, A, B;
        double g2;
        std::optional<double> logRatio, pctDiff, rateA, rateB;
    };
    const std::vector<Case> cases = {
        {20, 10, 1000, 1000, 3.397980735907945, 1.0, 100.0, 200.0, 100.0},
        {10, 0, 1000, 2000, 21.972245773362197, 5.321928094887363, std::nullopt, 100.0, 0.0},
        {3, 2, 100, 200, 1.4834174943487506, 1.584962500721156, 200.0, 300.0, 100.0},
        {5, 5, 100, 100, 0.0, 0.0, 0.0, 500.0, 500.0},
        {0, 0, 100, 400, 0.0, 2.0, std::nullopt, 0.0, 0.0},
        {0, 3, 0, 100, 0.0, std::nullopt, std::nullopt, std::nullopt, 300.0},
        {0, 0, 0, 0, 0.0, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    auto same = [](std::optional<double> got, std::optional<double> want) {
        return got.has_value() == want.has_value() &&
               (!got || std::fabs(*got - *want) <= 1e-9 * std::max(1.0, std::fabs(*want)));
    };
    for (const Case& c : cases) {
        const KeywordStats k = keyword_stats(c.a, c.b, c.A, c.B);
        const std::string at = std::to_string(c.a) + "," + std::to_string(c.b) + "," +
                               std::to_string(c.A) + "," + std::to_string(c.B);
        EXPECT_NEAR(k.g2, c.g2, 1e-9) << at;
        EXPECT_FALSE(std::isnan(k.g2)) << at;
        EXPECT_TRUE(same(k.logRatio, c.logRatio)) << at;
        EXPECT_TRUE(same(k.pctDiff, c.pctDiff)) << at;
        EXPECT_TRUE(same(k.rateA, c.rateA)) << at;
        EXPECT_TRUE(same(k.rateB, c.rateB)) << at;
    }
}

TEST(ExploreKeywords, SideAuthorFloorAndTopShare) {
    // "x" is used by three authors of A and one of B; "y" by one author of A
    // (many times) and is no keyword with a floor of 2.
    ExploreCorpus x({writer("1", "a1"), writer("2", "a2"), writer("3", "a3"), writer("4", "b1"),
                     writer("5", "b2")},
                    {{"a1", "x x x y y y y"},
                     {"a2", "x z"},
                     {"a3", "x z"},
                     {"b1", "x z z z z z"},
                     {"b2", "z z z z z z"}});
    const Scope a = rows_scope(*x, {0, 1, 2}, "A");
    const Keywords k = keywords(*x, a, rest_scope(a), 2);
    std::vector<std::string> forms;
    for (const KeywordRow& r : k.rows) forms.push_back(x->shown(r.form));
    // By signed G2: A's keyword "x" first, then B's "z" (whose G2 is larger).
    EXPECT_EQ(forms, (std::vector<std::string>{"x", "z"}));
    EXPECT_EQ(k.rows[0].side, 'a');
    EXPECT_EQ(k.rows[1].side, 'b');
    EXPECT_GT(k.rows[1].stats.g2, k.rows[0].stats.g2);
    EXPECT_EQ(k.rows[1].signedG2(), -k.rows[1].stats.g2);
    EXPECT_DOUBLE_EQ(k.rows[0].topShare, 3.0 / 5);
    EXPECT_EQ(k.rows[0].authorsA, 3u);
    EXPECT_EQ(k.rows[0].authorsB, 1u);
    // A subcorpus without words: nothing divides by zero.
    const Scope empty = rows_scope(*x, {}, "none");
    const Keywords z = keywords(*x, empty, whole_scope(*x), 0);
    EXPECT_EQ(z.wordsA, 0u);
    EXPECT_EQ(z.error, "A has no words: none holds no text");
    for (const KeywordRow& r : z.rows) {
        EXPECT_EQ(r.side, 'b');
        EXPECT_FALSE(std::isnan(r.stats.g2));
        EXPECT_FALSE(r.stats.logRatio.has_value());
    }
}

} // namespace
} // namespace zapt
