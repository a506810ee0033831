// Keywords: signed G2 and its order, a side without words, the filters and
// floors, and a reference corpus as B; word lists' filters and floors.
#include "explore/emoticons.h"
#include "explore/tables.h"
#include "explore/word_list.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <map>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

std::vector<std::string> forms_of(const Keywords& k) {
    std::vector<std::string> out;
    for (const KeywordRow& r : k.rows) out.push_back(r.shown);
    return out;
}

std::size_t column(const ResultTable& t, const std::string& name) {
    return static_cast<std::size_t>(std::find(t.columns.begin(), t.columns.end(), name) -
                                    t.columns.begin());
}

TEST(ExploreKeywordSign, SignedG2OrdersAsKeywordsFirstAndEmptySidesAreSaid) {
    ExploreCorpus x({writer("1", "a1"), writer("2", "a2"), writer("3", "b1"), writer("4", "b2")},
                    {{"a1", "lol lol lol u u ok"},
                     {"a2", "lol u ok ok"},
                     {"b1", "you you you ok ok u"},
                     {"b2", "you you ok lol"}});
    const Scope a = rows_scope(*x, {0, 1}, "A");
    const Keywords k = keywords(*x, a, rest_scope(a), 1);
    ASSERT_TRUE(k.error.empty()) << k.error;
    // lol (4 of 10 against 1 of 10) and u (3 against 1) are A's; ok (3 against
    // 3) is neither, and not listed; you (0 against 5) is B's.
    EXPECT_EQ(forms_of(k), (std::vector<std::string>{"lol", "u", "you"}));
    for (std::size_t i = 0; i + 1 < k.rows.size(); ++i)
        EXPECT_GE(k.rows[i].signedG2(), k.rows[i + 1].signedG2());
    EXPECT_LT(k.rows.back().signedG2(), 0);
    EXPECT_EQ(k.rows.back().side, 'b');
    const ResultTable t = keywords_table(*x, k, "A", "rest of corpus");
    const std::size_t g2 = column(t, "g2");
    ASSERT_LT(g2, t.columns.size());
    EXPECT_EQ(std::stod(t.rows.back()[g2]), -k.rows.back().stats.g2);
    EXPECT_GT(std::stod(t.rows.front()[g2]), 0);

    // A of the whole corpus leaves B nothing: no rows of G2 = 0, but a reason.
    struct Case {
        Scope a, b;
        std::string error;
    };
    const Case cases[] = {
        {whole_scope(*x), rest_scope(whole_scope(*x)),
         "B has no words: the rest of the whole corpus is empty"},
        {rows_scope(*x, {0, 1, 2, 3}, "everyone"), rest_scope(rows_scope(*x, {0, 1, 2, 3}, "e")),
         "B has no words: the rest of the corpus outside A is empty"},
        {a, rows_scope(*x, {}, "nobody"), "B has no words: nobody holds no text"},
        {rows_scope(*x, {}, "nobody"), a, "A has no words: nobody holds no text"},
    };
    for (const Case& c : cases) {
        const Keywords none = keywords(*x, c.a, c.b, 0);
        EXPECT_TRUE(none.rows.empty()) << c.error;
        EXPECT_EQ(none.error, c.error);
        const ResultTable shown = keywords_table(*x, none, c.a.name, c.b.name);
        EXPECT_TRUE(shown.rows.empty());
        bool said = false;
        for (const auto& [key, value] : shown.settings) said |= value == c.error;
        EXPECT_TRUE(said) << c.error;
    }
    // A against itself: every form at the same rate on both sides, G2 = 0,
    // a keyword of neither side (no rows, and no error either).
    const Keywords same = keywords(*x, a, a, 0);
    EXPECT_TRUE(same.error.empty());
    EXPECT_TRUE(same.rows.empty());
    for (const KeywordRow& r : k.rows) EXPECT_GT(r.stats.g2, 0) << x->shown(r.form);
}

TEST(ExploreFilters, NumbersPlaceholdersStopListsAndFloors) {
    struct Form {
        std::string form;
        bool number, placeholder;
    };
    const Form forms[] = {
        {"2", true, false},
        {"2024", true, false},
        {"\xC2\xA3"
         "5",
         true, false},
        {"$10", true, false},
        {"50%", true, false},
        {"\xE2\x82\xAC"
         "3",
         true, false},
        {"2day", false, false},
        {"4u", false, false},
        {"%", false, false},
        {"\xC2\xA3", false, false},
        {"<#>", false, true},
        {"<##>", false, true},
        {"<decimal>", false, true},
        {"<DECIMAL>", false, true},
        {"<email_2>", false, true},
        {"<3", false, false},
        {"<>", false, false},
        {"<2x>", false, false},
        {"<a b>", false, false},
        {"<url", false, false},
        {"x", false, false},
    };
    for (const Form& f : forms) {
        EXPECT_EQ(is_number_form(f.form), f.number) << f.form;
        EXPECT_EQ(is_placeholder_form(f.form), f.placeholder) << f.form;
    }

    std::string error;
    const auto stop = parse_stop_list("# mine\nThe\n\n  a \r\n", "stop.txt", &error);
    ASSERT_TRUE(stop) << error;
    EXPECT_EQ(stop->forms, (std::unordered_set<std::string>{"the", "a"}));
    EXPECT_EQ(stop->describe(), "stop.txt (2 forms)");
    EXPECT_FALSE(parse_stop_list("the\nof the\n", "s", &error));
    EXPECT_EQ(error, "s, line 2: \"of the\" holds more than one form (one form a line)");
    EXPECT_FALSE(parse_stop_list("\xFF", "s", &error));
    EXPECT_FALSE(read_stop_list("/nonexistent/stop", &error));
    EXPECT_EQ(error, "/nonexistent/stop cannot be read");
    // A folder is no list (it once read as an empty one, accepted without a word).
    const std::string folder = ::testing::TempDir();
    EXPECT_FALSE(read_stop_list(folder, &error));
    EXPECT_EQ(error, folder + " is a folder, not a file");
    EXPECT_FALSE(EmoticonList::read_file(folder, &error));
    EXPECT_EQ(error, folder + " is a folder, not a file");

    ExploreCorpus x(
        {writer("1", "p"), writer("2", "q"), writer("3", "r")},
        {{"p", "the cat at 10 <#> the"}, {"q", "The cat <DECIMAL> 10 a"}, {"r", "a dog 50% x"}});
    auto listed = [&](const WordListOptions& o) {
        std::vector<std::string> out;
        const WordList w = word_list(*x, whole_scope(*x), GlossaryForms(), nullptr, o);
        EXPECT_TRUE(w.error.empty()) << w.error;
        for (const WordListRow& r : w.rows) out.push_back(r.form);
        return out;
    };
    using V = std::vector<std::string>;
    WordListOptions o;
    EXPECT_EQ(listed(o), (V{"the", "10", "a", "cat", "50%", "<#>", "<DECIMAL>", "at", "dog", "x"}));
    o.filter.noNumbers = true;
    EXPECT_EQ(listed(o), (V{"the", "a", "cat", "at", "dog", "x"}));
    o.filter.stopList = *stop;
    EXPECT_EQ(listed(o), (V{"cat", "at", "dog", "x"}));
    o = {};
    o.minCount = 2;
    EXPECT_EQ(listed(o), (V{"the", "10", "a", "cat"}));
    o.minAuthors = 2; // "the" is used by p and q, "10" and "a" and "cat" by two
    o.minCount = 3;
    EXPECT_EQ(listed(o), (V{"the"}));
    o = {};
    o.minAuthors = 2;
    EXPECT_EQ(listed(o), (V{"the", "10", "a", "cat"}));
    // A table says what was left out.
    o.filter.noNumbers = true;
    o.filter.stopList = *stop;
    const ResultTable t = word_list_table(
        word_list(*x, whole_scope(*x), GlossaryForms(), nullptr, o), "whole corpus", o);
    std::map<std::string, std::string> settings(t.settings.begin(), t.settings.end());
    EXPECT_EQ(settings["stop list"], "stop.txt (2 forms)");
    EXPECT_EQ(settings["minimum authors"], "2 authors using it");
    EXPECT_NE(settings["numbers"].find("placeholders"), std::string::npos);
    // Phrases are not filtered by forms.
    o.pattern = "the cat";
    EXPECT_NE(word_list(*x, whole_scope(*x), GlossaryForms(), nullptr, o).error.find("not phrases"),
              std::string::npos);

    // Keywords take the same filters, and a floor of the count on the form's side.
    const Scope pq = rows_scope(*x, {0, 1}, "pq");
    KeywordOptions k;
    k.minAuthors = 0;
    EXPECT_EQ(forms_of(keywords(*x, pq, rest_scope(pq), k)).size(), 10u);
    k.filter.noNumbers = true;
    k.filter.stopList = *stop;
    k.minCount = 2;
    EXPECT_EQ(forms_of(keywords(*x, pq, rest_scope(pq), k)), (V{"cat"}));
}

TEST(ExploreKeywordReference, BFromAnotherCorpus) {
    ExploreCorpus mine({writer("1", "a1"), writer("2", "a2")},
                       {{"a1", "gr8 Gr8 u ok :)"}, {"a2", "u u ok gr8"}});
    ExploreCorpus ref({writer("9", "r1"), writer("8", "r2"), writer("7", "r3")},
                      {{"r1", "you OK great"}, {"r2", "you ok U"}, {"r3", "great you"}});
    KeywordOptions o;
    o.minAuthors = 1;
    const Keywords k =
        keywords(*mine, whole_scope(*mine), *ref, whole_scope(*ref), o, "table ref.csv");
    ASSERT_TRUE(k.error.empty()) << k.error;
    EXPECT_EQ(k.wordsA, 9u);
    EXPECT_EQ(k.wordsB, 8u);
    std::map<std::string, const KeywordRow*> by;
    for (const KeywordRow& r : k.rows) by[r.shown] = &r;
    // Forms meet by their folded form: "u" and "U", "ok" and "OK".
    struct Want {
        std::string form;
        std::uint64_t a, b;
        std::uint32_t authorsA, authorsB;
        char side;
    };
    const Want want[] = {
        {"gr8", 3, 0, 2, 0, 'a'}, {"u", 3, 1, 2, 1, 'a'},   {"ok", 2, 2, 2, 2, 'b'},
        {":)", 1, 0, 1, 0, 'a'},  {"you", 0, 3, 0, 3, 'b'}, {"great", 0, 2, 0, 2, 'b'},
    };
    ASSERT_EQ(k.rows.size(), std::size(want));
    for (const Want& w : want) {
        ASSERT_TRUE(by.count(w.form)) << w.form;
        const KeywordRow& r = *by[w.form];
        EXPECT_EQ(r.a, w.a) << w.form;
        EXPECT_EQ(r.b, w.b) << w.form;
        EXPECT_EQ(r.authorsA, w.authorsA) << w.form;
        EXPECT_EQ(r.authorsB, w.authorsB) << w.form;
        EXPECT_EQ(r.side, w.side) << w.form;
        EXPECT_DOUBLE_EQ(r.stats.g2, keyword_stats(w.a, w.b, 9, 8).g2) << w.form;
        EXPECT_EQ(r.form == kNoForm, w.a == 0) << w.form;
    }
    // The author floor counts the reference corpus's authors on its side.
    o.minAuthors = 3;
    EXPECT_EQ(forms_of(keywords(*mine, whole_scope(*mine), *ref, whole_scope(*ref), o, "r")),
              (std::vector<std::string>{"you"}));
    const ResultTable t = keywords_table(*mine, k, "whole corpus", "whole corpus");
    std::map<std::string, std::string> settings(t.settings.begin(), t.settings.end());
    EXPECT_EQ(settings["b"], "whole corpus of the reference corpus table ref.csv, 8 words");
    // An empty reference corpus is said.
    ExploreCorpus empty({writer("9", "r1")}, {{"r1", " .,"}});
    EXPECT_EQ(
        keywords(*mine, whole_scope(*mine), *empty, whole_scope(*empty), o, "table e.csv").error,
        "B has no words: whole corpus of table e.csv holds no text");
}

} // namespace
} // namespace zapt
