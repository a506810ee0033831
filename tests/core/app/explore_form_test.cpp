// The Explore window's state: its events, its status lines, and input that
// must never break it.
#include "app/explore_form.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <random>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

struct Window {
    ExploreCorpus corpus{{writer("01", "Ann Lee", "17", "F"), writer("02", "Bo Ray", "19", "M"),
                          writer("03", "Cy Day", "40", "F", "G"),
                          writer("04", "Di Fay", "16", "F")},
                         {{"Ann Lee", "c u 2moro x"},
                          {"Bo Ray", "c u l8r m8"},
                          {"Cy Day", "see you tomorrow"},
                          {"Di Fay", "u"},
                          {"Di Fay", "2moro u x x"}}};
    Glossary glossary{GlossaryData{{"u", "2moro"}, {"you", "tomorrow"}}};
    ExploreForm form{corpus.store, corpus.authors, glossary, {}, {}, "/nonexistent/words"};
};

TEST(ExploreWindow, EventsFillTheTabs) {
    Window w;
    ExploreForm& f = w.form;
    ASSERT_EQ(f.subcorpora().table.rows.size(), 1u);
    EXPECT_EQ(f.subcorpora().table.rows[0][0], "whole corpus");

    f.txtName_Change("young women");
    f.txtConditions_Change("age=16-25; gender=F");
    f.cmdDefine_Click();
    EXPECT_EQ(f.subcorpora().status, "\"young women\": 2 authors");
    ASSERT_EQ(f.subcorpora().table.rows.size(), 2u);
    EXPECT_EQ(f.subcorpora().table.rows[1],
              (std::vector<std::string>{"young women", "age=16-25; gender=F", "2", "3", "9"}));

    ASSERT_TRUE(f.wordScope_Click(1));
    f.cmdWordList_Click();
    EXPECT_EQ(f.wordList().status, "4 forms in 9 words");
    EXPECT_EQ(f.wordList().table.rows[0][0], "u"); // 3 uses, as x; then by form
    f.txtPattern_Change("2*");
    f.cmdWordList_Click();
    EXPECT_EQ(f.wordList().status, "1 form in 9 words");
    f.txtPattern_Change("re:(");
    f.cmdWordList_Click();
    EXPECT_NE(f.wordList().status.find("cannot be used"), std::string::npos);
    EXPECT_EQ(f.wordList().table.rows.size(), 1u); // the last good result stays
    f.txtPattern_Change("");
    f.notInDictionary_Click(true);
    f.cmdWordList_Click();
    EXPECT_NE(f.wordList().status.find("/nonexistent/words"), std::string::npos);
    f.notInDictionary_Click(false);
    f.byCode_Click(true);
    f.txtCode_Change(" 02 ");
    f.cmdWordList_Click();
    EXPECT_EQ(f.wordList().status, "4 forms in 4 words");

    ASSERT_TRUE(f.keywordsA_Click(1));
    f.minAuthors_Change(2);
    f.cmdKeywords_Click();
    // u, x and 2moro; c is B's side with one author, l8r and the rest one author's.
    EXPECT_EQ(f.keywords().status, "3 keywords (A: 9 words, B: 7 words)");

    f.txtQuery_Change("U");
    f.context_Change(9);
    EXPECT_EQ(f.concordance().context, 5);
    f.cmdConcordance_Click();
    EXPECT_EQ(f.concordance().status, "3 lines; 1 hit not shown: its text is too short");
    // Texts of four pieces show the hit and one piece: the left one, on a tie.
    EXPECT_EQ(f.concordance().table.rows[0], (std::vector<std::string>{"01", "c", "u", ""}));
    f.sort_Click(ConcordanceSort::Left);
    EXPECT_EQ(f.concordance().table.rows.size(), 3u);
    EXPECT_EQ(f.concordance().table.rows[0][1], "2moro"); // before "c"

    // Deleting the subcorpus takes every tab that used it back to the whole corpus.
    ASSERT_TRUE(f.selectSubcorpus(1));
    f.cmdDelete_Click();
    EXPECT_EQ(f.subcorpora().list.size(), 1u);
    EXPECT_EQ(f.wordList().scope, 0);
    EXPECT_EQ(f.keywords().a, 0);
    f.cmdDelete_Click();
    EXPECT_EQ(f.subcorpora().list.size(), 1u);
    EXPECT_FALSE(f.wordScope_Click(5));
    EXPECT_FALSE(f.keywordsB_Click(-2));
}

TEST(ExploreWindow, OddInputNeverBreaksTheState) {
    Window w;
    ExploreForm& f = w.form;
    std::mt19937 rng(16);
    const std::vector<std::string> pieces = {
        "age=", "16-25", ",",  ";",    "=",    "gender=F", "*",  "?",         "re:",
        "(",    "[",     "\\", "\xFF", "\xC3", "\x01",     "\t", "\n",        " ",
        "😀",    "İ",     "ß",  "東京", "c",    "u",        "x",  "re:(a*)*b", std::string(300, 'a'),
        "2moro"};
    auto random_text = [&] {
        std::string s;
        const int n = static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i) s += pieces[rng() % pieces.size()];
        return s;
    };
    for (int step = 0; step < 3000; ++step) {
        switch (rng() % 8) {
        case 0:
            f.txtName_Change(random_text());
            f.txtConditions_Change(random_text());
            f.cmdDefine_Click();
            break;
        case 1:
            f.selectSubcorpus(static_cast<int>(rng() % 4));
            f.cmdDelete_Click();
            break;
        case 2:
            f.wordScope_Click(static_cast<int>(rng() % 4));
            f.byCode_Click(rng() % 3 == 0);
            f.txtCode_Change(random_text());
            f.glossaryOnly_Click(rng() % 2);
            f.txtPattern_Change(random_text());
            f.cmdWordList_Click();
            break;
        case 3:
            f.keywordsA_Click(static_cast<int>(rng() % 4));
            f.keywordsB_Click(static_cast<int>(rng() % 5) - 1);
            f.minAuthors_Change(static_cast<int>(rng() % 5) - 1);
            f.cmdKeywords_Click();
            break;
        default:
            f.concordanceScope_Click(static_cast<int>(rng() % 4));
            f.txtQuery_Change(random_text());
            f.context_Change(static_cast<int>(rng() % 9) - 2);
            f.cmdConcordance_Click();
            f.sort_Click(static_cast<ConcordanceSort>(rng() % 3));
            break;
        }
        // The invariants: the whole corpus first, every scope a subcorpus, no
        // line more than half its text, no author name anywhere.
        ASSERT_EQ(f.subcorpora().list[0].name, "whole corpus");
        ASSERT_LT(static_cast<std::size_t>(f.wordList().scope), f.subcorpora().list.size());
        ASSERT_EQ(f.subcorpora().table.rows.size(), f.subcorpora().list.size());
        for (const ResultTable* t : {&f.subcorpora().table, &f.wordList().table,
                                     &f.keywords().table, &f.concordance().table}) {
            for (const auto& row : t->rows) {
                for (const std::string& cell : row) {
                    for (const std::string& name : w.corpus.authors.lstAuthorName)
                        ASSERT_EQ(cell.find(name), std::string::npos) << cell;
                }
            }
        }
    }
}

} // namespace
} // namespace zapt

namespace zapt {
namespace {

// A concordance longer than the tab shows: the tab holds the first lines, and
// the table copies and exports take is every line, in the same order.
TEST(ExploreWindow, ALongConcordanceShowsItsFirstLinesAndExportsThemAll) {
    const std::size_t n = ExploreForm::kLinesShown + 7;
    std::vector<CorpusRow> texts(n, CorpusRow{"Ann Lee", "u a b c"});
    testing::ExploreCorpus corpus{{testing::writer("01", "Ann Lee", "17", "F")}, texts};
    Glossary glossary{GlossaryData{{"u"}, {"you"}}};
    ExploreForm f{corpus.store, corpus.authors, glossary, {}, {}, "/nonexistent/words"};
    f.txtQuery_Change("u");
    f.cmdConcordance_Click();
    EXPECT_EQ(f.concordance().table.rows.size(), ExploreForm::kLinesShown);
    const ResultTable all = f.concordanceTable();
    ASSERT_EQ(all.rows.size(), n);
    EXPECT_EQ(all.rows.front(), f.concordance().table.rows.front());
    EXPECT_NE(f.concordance().status.find("Copy all and Export... take every line"),
              std::string::npos)
        << f.concordance().status;
}

} // namespace
} // namespace zapt
