// The author's buffers, metrics and non-standard forms on small hand-made corpora.
#include "tests/core/app/main_window_world.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

TEST(AuthorSelection, BuffersAndMetricsOfTheTwoTextExample) {
    World w({author("001", "Ann", "30", "F")}, {{"ann", "Hi, how r u?"}, {"Ann", "OK.c u 2day"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    ASSERT_TRUE(w->selectAgeTable(0));
    const MainForm& f = w->form1();
    EXPECT_EQ(f.lstTextsFound, (std::vector<std::string>{"Hi, how r u? ", "OK.c u 2day "}));
    EXPECT_EQ(f.txtIndividualsTexts, "Hi how r u OK c u 2day ");
    EXPECT_EQ(f.txtIndividualsTexts2, "Hi, how r u?  %OK.c u 2day  %");
    EXPECT_TRUE(f.cmdAuthorData);

    w->cmdAuthorData_Click();
    EXPECT_EQ(f.txtTexts, "Hi, how r u?  OK.c u 2day   ");
    EXPECT_EQ(f.lblTextTotal, "2");
    EXPECT_EQ(f.lblTotWords, "10");
    EXPECT_EQ(f.lblPuncDensity, "0.3");
    EXPECT_EQ(f.lblAvWordClusterLength, "2.8");
    EXPECT_EQ(f.lblAvTextLength, "4.5");
    EXPECT_EQ(f.lblNumOfCharacters, "12.5");
    // "u" is a form; "u?" keeps its question mark and is another piece.
    EXPECT_EQ(f.lstNonStandards.items, (std::vector<std::string>{"u"}));
    EXPECT_EQ(f.lblNonStandardFormDensity, "0.1");
    EXPECT_TRUE(f.cmdGroupAverages);

    // Running it again for the same author gives the same results.
    w->cmdAuthorData_Click();
    EXPECT_EQ(f.lblTotWords, "10");
    EXPECT_EQ(f.lstNonStandards.count(), 1);
}

TEST(AuthorMetrics, WordTotalsCountSeparatorsAndEmptyPieces) {
    const struct {
        std::vector<std::string> texts;
        const char* words;
        const char* av_length;
        const char* chars;
        const char* punc;
        const char* cluster;
    } cases[] = {
        // Ten words: 9 blanks + 2 + 1; each text counts its empty trailing piece.
        {{"one two three four five six seven eight nine ten"}, "12", "11", "49", "0", "4.25"},
        // A double blank adds one to the word total and to the text's words.
        {{"a  b"}, "5", "4", "5", "0", "1.4"},
        // Three texts of 10, 10 and 11 characters.
        {{"abcdefghij", "abcdefghij", "abcdefghijk"}, "7", "2", "11.3333", "0", "5.42857142857143"},
        // The apostrophe counts as punctuation; digits, "&", "*" do not.
        {{"it's 2 & *"}, "6", "5", "11", "0.1667", "2.16666666666667"},
        // 28 characters over 11 words.
        {{"a b c d e f g h iiiiiiiii"}, "11", "10", "26", "0", "2.54545454545455"},
    };
    for (const auto& c : cases) {
        std::vector<CorpusRow> corpus;
        for (const auto& t : c.texts) corpus.push_back({"Ann", t});
        World w({author("001", "Ann", "30", "F")}, corpus);
        w.fetch(AgeBand::From26To40, Gender::Female);
        w->selectAgeTable(0);
        w->cmdAuthorData_Click();
        EXPECT_EQ(w->form1().lblTotWords, c.words) << c.texts[0];
        EXPECT_EQ(w->form1().lblAvTextLength, c.av_length) << c.texts[0];
        EXPECT_EQ(w->form1().lblNumOfCharacters, c.chars) << c.texts[0];
        EXPECT_EQ(w->form1().lblPuncDensity, c.punc) << c.texts[0];
        EXPECT_EQ(w->form1().lblAvWordClusterLength, c.cluster) << c.texts[0];
    }
}

TEST(AuthorSelection, CleaningOfTheAuthorTextKeepsApostrophesBracketsAndStars) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "it's [x] 5*2"}, {"Ann", "a/b+c=d <e>_f"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    EXPECT_EQ(w->form1().txtIndividualsTexts, "it's [x] 5*2 a b c d e f ");
}

TEST(AuthorSelection, TextsComeInCorpusOrderAndNamesMatchWithoutRegardToCase) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "31", "F")},
            {{"Bo", "b1"}, {"ANN", "a1"}, {"Ann ", "not Ann"}, {"An", "not Ann"}, {"ann", "a2"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    EXPECT_EQ(w->form1().lstTextsFound, (std::vector<std::string>{"a1 ", "a2 "}));
}

TEST(AuthorSelection, SameAuthorTwiceRebuildsBuffersButTheGroupListGrows) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "hi there"}, {"Ann", "ok"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(w->form1().lstGroupTexts.size(), 2u);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    MainWindowStateTestAccess::form1(*w).families[w.family_index("Been")].Individual =
        "7"; // any earlier count
    w->selectAgeTable(0);
    EXPECT_EQ(w->form1().txtIndividualsTexts, "hi there ok ");
    EXPECT_EQ(w->form1().lstTextsFound.size(), 2u);
    EXPECT_EQ(w->form1().lblTotWords, "0");
    EXPECT_EQ(w.family("Been").Individual, "0");
    // The group flag stays "y": every later selection appends the rows again,
    // but the group text is not rebuilt from them.
    EXPECT_EQ(w->form1().lstGroupTexts.size(), 6u);
    EXPECT_EQ(w->form1().Text2, "hi there ok ");
}

TEST(AuthorSelection, AnAuthorWithoutTextsShowsZerosAndTheMessage) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "31", "F")}, {{"Ann", "hi"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    // Only authors with texts are listed; put the other code in by hand.
    MainWindowStateTestAccess::form1(*w).AgeTable.add("002");
    w->selectAgeTable(1);
    EXPECT_EQ(w.effects.count("message No texts found"), 1);
    EXPECT_TRUE(w->form1().cmdAuthorData);
    w->cmdAuthorData_Click();
    for (const std::string* label :
         {&w->form1().lblTextTotal, &w->form1().lblAvTextLength, &w->form1().lblNumOfCharacters,
          &w->form1().lblAvWordClusterLength, &w->form1().lblPuncDensity,
          &w->form1().lblNonStandardFormDensity, &w->form1().lblTotWords}) {
        EXPECT_EQ(*label, "0");
    }
    EXPECT_EQ(w->form1().lstNonStandards.count(), 0);
}

TEST(AuthorSelection, AnUnknownCodeFallsBackToTheFirstRegisterRow) {
    World w({author("060", "Zak", "14", "M"), author("001", "Ann", "30", "F")},
            {{"Zak", "z"}, {"Ann", "a"}});
    MainWindowStateTestAccess::form1(*w).AgeTable.add("999");
    w->selectAgeTable(0);
    EXPECT_EQ(w->form3().lblCodeName, "Zak");
    EXPECT_EQ(w->form1().lstTextsFound, (std::vector<std::string>{"z "}));
}

TEST(NonStandardForms, OneUseOfACasePairIsListedAndCountedOnce) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "nite nite nite Nite"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    EXPECT_EQ(w->form1().lstNonStandards.items,
              (std::vector<std::string>{"nite", "nite", "nite", "Nite"}));
    EXPECT_EQ(w->form1().lblTotWords, "6");
    EXPECT_EQ(w->form1().lblNonStandardFormDensity, "0.6667");
}

TEST(NonStandardForms, SelectingAUseShowsTheExactRowElseTheLastRowOfAnyCase) {
    World w({author("001", "Ann", "30", "F")},
            {{"Ann", "Yer yer YER NITE thort wiv, wiv texn Thort"}, {"Bo", "cu"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    const MainForm& f = w->form1();
    // Sorted without regard to case, small letters first; "wiv," is not a use.
    EXPECT_EQ(f.lstNonStandards.items, (std::vector<std::string>{"NITE", "texn", "thort", "Thort",
                                                                 "wiv", "yer", "Yer", "YER"}));
    const struct {
        const char* use;
        const char* form;
        const char* interpretation;
        int glossary_row;
        const char* corpus_count;
    } cases[] = {
        {"Yer", "Yer", "you", 6, "3"},         {"yer", "yer", "yeah", 7, "3"},
        {"YER", "yer", "yeah", 7, "3"},        {"NITE", "Nite", "night", 2, "1"},
        {"thort", "thort", "thought", 3, "2"}, {"Thort", "Thort", "thought", 4, "2"},
        {"texn", "texn", "", 9, "1"},          {"wiv", "wiv", "with", 5, "2"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(w->selectNonStandards(w.row_of(f.lstNonStandards, c.use))) << c.use;
        EXPECT_EQ(f.lblForm, c.form) << c.use;
        EXPECT_EQ(f.lblInterpretation, c.interpretation) << c.use;
        EXPECT_EQ(f.lstNonStandardForms.selected, c.glossary_row) << c.use;
        EXPECT_EQ(f.lblInstancesOfSearchWord, c.corpus_count) << c.use;
        EXPECT_EQ(f.lblCorpusTotal, c.corpus_count) << c.use;
        EXPECT_EQ(f.lblWordTotal, "10") << c.use;
    }
    // The form without an interpretation selects no interpretation row.
    w->selectNonStandards(w.row_of(f.lstNonStandards, "texn"));
    EXPECT_EQ(f.lstNonStandardInterpretations.selected, -1);
    w->selectNonStandards(w.row_of(f.lstNonStandards, "wiv"));
    EXPECT_EQ(f.lstNonStandardInterpretations.selected, 5);
}

TEST(NonStandardForms, SelectingAGlossaryFormByHandUpdatesOnlyItsCounts) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "cu l8r wiv"}, {"Bo", "CU soon"}});
    // The author's use "wiv" fills the form and its count first.
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    ASSERT_TRUE(w->selectNonStandards(w.row_of(w->form1().lstNonStandards, "wiv")));
    ASSERT_EQ(w->form1().lblForm, "wiv");
    ASSERT_EQ(w->form1().lblInstancesOfSearchWord, "1");
    ASSERT_TRUE(w->selectNonStandardForms(0)); // "cu"
    EXPECT_EQ(w->form1().lblCorpusTotal, "2");
    EXPECT_EQ(w->form1().lblWordTotal, "5");
    EXPECT_EQ(w->form1().lblForm, "wiv");
    EXPECT_EQ(w->form1().lblInstancesOfSearchWord, "1");
    EXPECT_FALSE(w->selectNonStandardForms(10)); // out of range: nothing changes
    EXPECT_EQ(w->form1().lstNonStandardForms.selected, 0);
}

TEST(NonStandardForms, AnAuthorWithoutFormsHasAnEmptyListAndDensityZero) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "Hello there, see you soon."}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    EXPECT_EQ(w->form1().lstNonStandards.count(), 0);
    EXPECT_EQ(w->form1().lblNonStandardFormDensity, "0");
}

TEST(SortedLists, CollationIgnoresCaseAndApostrophesFirst) {
    std::vector<std::string> th = {"da",     "dat",   "dats",  "dat's",  "datz",   "deir",
                                   "dem",    "der",   "dere",  "dere",   "deres",  "dere's",
                                   "dere'z", "ders",  "derz",  "that",   "that's", "thats'",
                                   "thatz",  "thort", "those", "thought"};
    std::vector<std::string> shuffled(th.rbegin(), th.rend());
    sort_collated(shuffled);
    EXPECT_EQ(shuffled, th);
    std::vector<std::string> mixed = {"b", "A", "a", "B"};
    sort_collated(mixed);
    EXPECT_EQ(mixed, (std::vector<std::string>{"a", "A", "b", "B"}));
}

} // namespace
} // namespace zapt::testing
