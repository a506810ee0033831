// The Explore window's state: its events, its status lines, and input that
// must never break it.
#include "app/explore_form.h"
#include "tests/core/app/main_window_world.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <functional>
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
    std::shared_ptr<const Corpus> made = testing::corpus_like(corpus, glossary.data());
    ExploreForm form{*made, "/nonexistent/words"};
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
    // Each line shows its author's age band and gender after the code.
    EXPECT_EQ(f.concordance().table.rows[0],
              (std::vector<std::string>{"01", "<18", "F", "c", "u", ""}));
    f.sort_Click(ConcordanceSort::Left);
    EXPECT_EQ(f.concordance().table.rows.size(), 3u);
    EXPECT_EQ(f.concordance().table.rows[0][3], "2moro"); // before "c"

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

// A table made with other settings than the boxes hold now is stale, and its
// export stays headed by the settings that made it: changing A without
// pressing Keywords never puts the new A above the old A's keywords.
TEST(ExploreWindow, ATableWhoseSettingsChangedIsStaleAndKeepsItsOwnHeader) {
    using Tab = ExploreForm::Tab;
    Window w;
    ExploreForm& f = w.form;
    f.txtName_Change("young");
    f.txtConditions_Change("age=16-20");
    f.cmdDefine_Click();
    f.txtName_Change("women");
    f.txtConditions_Change("gender=F");
    f.cmdDefine_Click();
    ASSERT_EQ(f.subcorpora().list.size(), 3u);
    // No table yet: nothing is stale.
    for (Tab t : {Tab::Subcorpora, Tab::WordList, Tab::Keywords, Tab::Concordance})
        EXPECT_FALSE(f.stale(t));

    auto makeAll = [&f] {
        f.cmdWordList_Click();
        f.cmdKeywords_Click();
        f.cmdConcordance_Click();
    };
    f.keywordsA_Click(1);
    f.txtQuery_Change("u");
    makeAll();
    for (Tab t : {Tab::WordList, Tab::Keywords, Tab::Concordance}) {
        EXPECT_FALSE(f.stale(t));
        EXPECT_EQ(f.staleNote(t), "");
    }
    EXPECT_EQ(f.exportSelection(Tab::Keywords), "keywords of young against rest of the corpus");

    const struct {
        const char* change;
        std::function<void(ExploreForm&)> op;
        Tab stale; // the one tab made stale
    } cases[] = {
        {"word list scope", [](ExploreForm& g) { g.wordScope_Click(2); }, Tab::WordList},
        {"pattern", [](ExploreForm& g) { g.txtPattern_Change("2*"); }, Tab::WordList},
        {"glossary only", [](ExploreForm& g) { g.glossaryOnly_Click(true); }, Tab::WordList},
        {"not in dictionary", [](ExploreForm& g) { g.notInDictionary_Click(true); }, Tab::WordList},
        {"by code", [](ExploreForm& g) { g.byCode_Click(true); }, Tab::WordList},
        {"keywords A", [](ExploreForm& g) { g.keywordsA_Click(2); }, Tab::Keywords},
        {"keywords B", [](ExploreForm& g) { g.keywordsB_Click(0); }, Tab::Keywords},
        {"min. authors", [](ExploreForm& g) { g.minAuthors_Change(7); }, Tab::Keywords},
        {"query", [](ExploreForm& g) { g.txtQuery_Change("x"); }, Tab::Concordance},
        {"context", [](ExploreForm& g) { g.context_Change(1); }, Tab::Concordance},
        {"concordance scope", [](ExploreForm& g) { g.concordanceScope_Click(1); },
         Tab::Concordance},
    };
    for (const auto& c : cases) {
        Window fresh;
        ExploreForm& g = fresh.form;
        g.txtName_Change("young");
        g.txtConditions_Change("age=16-20");
        g.cmdDefine_Click();
        g.txtName_Change("women");
        g.txtConditions_Change("gender=F");
        g.cmdDefine_Click();
        g.keywordsA_Click(1);
        g.txtQuery_Change("u");
        g.cmdWordList_Click();
        g.cmdKeywords_Click();
        g.cmdConcordance_Click();
        const std::string before = g.exportSelection(c.stale);
        c.op(g);
        for (Tab t : {Tab::Subcorpora, Tab::WordList, Tab::Keywords, Tab::Concordance})
            EXPECT_EQ(g.stale(t), t == c.stale) << c.change << " " << static_cast<int>(t);
        EXPECT_EQ(g.exportSelection(c.stale), before) << c.change;
        EXPECT_NE(g.staleNote(c.stale).find(before), std::string::npos) << c.change;
        // Put back as it was, the table is the boxes' own again.
        if (std::string(c.change) == "pattern") {
            g.txtPattern_Change("");
            EXPECT_FALSE(g.stale(Tab::WordList));
        }
    }

    // The fault as a user met it: A changed, Keywords not pressed.
    f.keywordsA_Click(2);
    EXPECT_TRUE(f.stale(Tab::Keywords));
    EXPECT_EQ(f.exportSelection(Tab::Keywords), "keywords of young against rest of the corpus");
    EXPECT_EQ(f.keywords().table.title, "Keywords: young against rest of corpus");
    EXPECT_NE(f.staleNote(Tab::Keywords).find("press Keywords"), std::string::npos);
    f.cmdKeywords_Click();
    EXPECT_FALSE(f.stale(Tab::Keywords));
    EXPECT_EQ(f.exportSelection(Tab::Keywords), "keywords of women against rest of the corpus");

    // A subcorpus in use defined anew under its name, or deleted, makes the
    // tables made of it stale.
    f.txtName_Change("women");
    f.txtConditions_Change("gender=M");
    f.cmdDefine_Click();
    EXPECT_TRUE(f.stale(Tab::Keywords));
    EXPECT_FALSE(f.stale(Tab::Concordance)); // of the whole corpus
    f.cmdKeywords_Click();
    f.wordScope_Click(1);
    f.cmdWordList_Click();
    ASSERT_TRUE(f.selectSubcorpus(1));
    f.cmdDelete_Click();
    EXPECT_TRUE(f.stale(Tab::WordList));  // back to the whole corpus
    EXPECT_FALSE(f.stale(Tab::Keywords)); // "women" moved up a row, but is the same
    // A failed run leaves the last table, which no longer matches the boxes.
    f.cmdWordList_Click();
    EXPECT_FALSE(f.stale(Tab::WordList));
    f.txtPattern_Change("re:(");
    f.cmdWordList_Click();
    EXPECT_TRUE(f.stale(Tab::WordList));
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
                    for (const std::string& name : w.corpus.authors.names)
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
    const std::shared_ptr<const Corpus> made = testing::corpus_like(corpus, glossary.data());
    ExploreForm f{*made, "/nonexistent/words"};
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
