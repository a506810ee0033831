// The group query and the group averages on small hand-made registers.
#include "tests/core/app/main_window_world.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

// Women at every band edge (with texts), one without texts, and two boys.
World band_world() {
    std::vector<RegisterRow> reg = {
        author("060", "Zak", "14", "M", "G"),  author("001", "Ann", "17", "F", "G"),
        author("002", "Bea", "18", "F", "HS"), author("003", "Cat", "25", "F", "U"),
        author("004", "Dee", "26", "F", "U"),  author("005", "Eve", "40", "F", "G"),
        author("006", "Fay", "41", "F", "HS"), author("007", "Gil", "60", "F", "U"),
        author("008", "Hal", "61", "F", "U"),  author("009", "Ida", "30", "F", "U"),
        author("010", "Jon", "15", "m", "HS")};
    std::vector<CorpusRow> corpus;
    for (const char* name :
         {"Zak", "Ann", "Bea", "Cat", "Dee", "Eve", "Fay", "Gil", "Hal", "jon"}) {
        corpus.push_back({name, std::string("hello from ") + name});
    }
    return World(reg, corpus);
}

TEST(GroupQuery, BandsIncludeTheirEdgesAndOnlyAuthorsWithTexts) {
    World w = band_world();
    const struct {
        AgeBand band;
        Gender gender;
        std::vector<std::string> codes;
        std::vector<std::string> education;
    } cases[] = {
        {AgeBand::Under18, Gender::Female, {"001"}, {"G"}},
        {AgeBand::From18To25, Gender::Female, {"002", "003"}, {"HS", "U"}},
        {AgeBand::From26To40, Gender::Female, {"004", "005"}, {"U", "G"}}, // 009 has no texts
        {AgeBand::From41To60, Gender::Female, {"006", "007"}, {"HS", "U"}},
        {AgeBand::Over60, Gender::Female, {"008"}, {"U"}},
        // "060" stands first in the register and so first in its group; "m" is male.
        {AgeBand::Under18, Gender::Male, {"060", "010"}, {"G", "HS"}},
        {AgeBand::Over60, Gender::Male, {}, {}},
    };
    for (const auto& c : cases) {
        for (int twice = 0; twice < 2; ++twice) { // a repeated query gives the same lists
            w.fetch(c.band, c.gender);
            EXPECT_EQ(w->form1().AgeTable.items, c.codes);
            EXPECT_EQ(w->form1().lstEducation.items, c.education);
        }
    }
}

TEST(GroupQuery, ResetsEveryResultOfThePreviousGroupAndAuthor) {
    World w = band_world();
    w.fetch(AgeBand::From18To25, Gender::Female);
    w->selectAgeTable(1);
    w->cmdAuthorData_Click();
    w->selectFamily(w.family_index("Been"), 0);
    w->cmdClusterPunctuation_Click();
    MainWindowStateTestAccess::form1(*w).families[w.family_index("You")].InCorpus = "5";
    MainWindowStateTestAccess::form1(*w).lstClusterPunc.add("x");

    w.fetch(AgeBand::Under18, Gender::Female);
    const MainForm& f = w->form1();
    for (const FamilyState& fam : f.families) {
        EXPECT_EQ(fam.Individual + fam.InGroup + fam.InCorpus, "000") << fam.stem;
    }
    EXPECT_EQ(f.lstClusterPunc.count(), 0);
    EXPECT_EQ(f.lstNonStandards.count(), 0);
    EXPECT_EQ(f.lblTotWords, "0");
    EXPECT_EQ(f.lblTextTotal, "0");
    // The group averages ran: the last author is selected, the search buttons enabled.
    EXPECT_EQ(f.AgeTable.selected, 0);
    EXPECT_EQ(f.lstEducation.selected, 0);
    EXPECT_TRUE(f.cmdSearch);
    EXPECT_TRUE(f.cmdSearchGroup);
    EXPECT_TRUE(f.cmdAuthorData);
    EXPECT_EQ(f.lblIndex, "-1");
}

TEST(GroupAverages, OneAuthorsValuesAreRoundedAgainToFourPlaces) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "a b c d e f g h iiiiiiiii"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    const MainForm& f = w->form1();
    EXPECT_EQ(f.NumOfGroupTexts, "1");
    EXPECT_EQ(f.lblNumOfGroupTexts2, "1");
    EXPECT_EQ(f.GroupAvWordClusterLength, "2.5455"); // the author shows 2.54545454545455
    EXPECT_EQ(f.GroupAvTextLength, "10");
    EXPECT_EQ(f.GroupAvNumOfCharacters, "26");
    EXPECT_EQ(f.GroupAvPuncDensity, "0");
    EXPECT_EQ(f.GroupNonStandardFormsDensity, "0");
    // The author labels are reset afterwards.
    EXPECT_EQ(f.lblAvWordClusterLength, "0");
    EXPECT_EQ(f.lstNonStandards.count(), 0);
}

TEST(GroupAverages, AreUnweightedMeansOfTheAuthorsDisplayedValues) {
    // Characters per text 11 and 21, whatever the numbers of texts.
    World chars({author("001", "Ann", "30", "F"), author("002", "Bo", "31", "F")},
                {{"Ann", "abcdefghij"},
                 {"Bo", "abcdefghijabcdefghij"},
                 {"Bo", "abcdefghijabcdefghij"},
                 {"Bo", "abcdefghijabcdefghij"}});
    chars.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(chars->form1().GroupAvNumOfCharacters, "16");
    EXPECT_EQ(chars->form1().NumOfGroupTexts, "4");

    // Punctuation densities 0.1, 0.2 and 0.2.
    World punc({author("001", "A", "30", "F"), author("002", "B", "31", "F"),
                author("003", "C", "32", "F")},
               {{"A", "a b c d e f g h."}, {"B", "a b c d e f g h.."}, {"C", "a b c d e f g h.."}});
    punc.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(punc->form1().GroupAvPuncDensity, "0.1667");
}

TEST(GroupAverages, AGroupWithoutAuthorsShowsZerosAndEndsNormally) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "hi"}});
    w.fetch(AgeBand::From26To40, Gender::Male);
    const MainForm& f = w->form1();
    EXPECT_EQ(f.AgeTable.count(), 0);
    for (const std::string* c :
         {&f.NumOfGroupTexts, &f.GroupAvTextLength, &f.GroupAvNumOfCharacters,
          &f.GroupAvWordClusterLength, &f.GroupAvPuncDensity, &f.GroupNonStandardFormsDensity,
          &f.lblNumOfGroupTexts2}) {
        EXPECT_EQ(*c, "0");
    }
    EXPECT_EQ(f.Text2, "");
    EXPECT_EQ(w.effects.log,
              (std::vector<std::string>{"width 6000", "showProgress", "width 6500", "width 16770",
                                        "closeProgress", "width 16770"}));
    // A search in the empty group counts 0 and the corpus count still works.
    w->txtSearch_Change("hi");
    w->txtSearch_KeyDown(13);
    EXPECT_EQ(f.lblInstInGroup, "0");
    EXPECT_EQ(f.lblInstInCorpus, "1");
}

TEST(GroupText, KeepsSlashesThatTheAuthorTextSplitsAndHoldsOnlyTheLatestGroup) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "31", "F"),
             author("003", "Cy", "50", "F")},
            {{"Bo", "b/c = d+e <f>"}, {"Ann", "a/b, ok!"}, {"Cy", "(x) y-z."}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    const MainForm& f = w->form1();
    // Author by author in list order, within an author in corpus order.
    EXPECT_EQ(f.Text2, "a/b ok b/c = d+e <f> ");
    EXPECT_EQ(f.Text1, "a/b, ok!  b/c = d+e <f>  ");
    EXPECT_EQ(f.txtIndividualsTexts, "b c d e f "); // the last author stays selected
    w->txtSearch_Change("a/b");
    w->cmdSearchGroup_Click();
    EXPECT_EQ(f.lblInstInGroup, "1");

    w.fetch(AgeBand::From41To60, Gender::Female);
    EXPECT_EQ(f.Text2, " x y z "); // the opening bracket leaves a leading blank
    EXPECT_EQ(f.lstGroupTexts, (std::vector<std::string>{"(x) y-z. "}));
}

TEST(GroupAverages, ShowsAndClosesTheProgressWindowAroundTheRun) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "hi"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    ASSERT_GE(w.effects.log.size(), 6u);
    EXPECT_EQ(w.effects.log.front(), "width 6000");
    EXPECT_EQ(w.effects.log.back(), "width 16770");
    EXPECT_EQ(w.effects.count("showProgress"), 1);
    EXPECT_EQ(w.effects.count("closeProgress"), 1);
    EXPECT_EQ(w.effects.count("message No texts found"), 0);
}

} // namespace
} // namespace zapt::testing

namespace zapt::testing {
namespace {

// The lists whose click only moves their highlight refuse rows they do not
// have, and the choices of the option buttons wait for the next query.
TEST(HighlightOnlyLists, RefuseRowsTheyDoNotHaveAndChoicesWaitForTheQuery) {
    World w = band_world();
    MainWindowState& app = *w.app;
    app.ageOption_Click(AgeBand::From18To25);
    app.genderOption_Click(Gender::Female);
    EXPECT_TRUE(app.form1().AgeTable.items.empty()); // nothing runs before the button
    app.cmdAgeAndGender_Click();
    ASSERT_EQ(app.form1().lstEducation.count(), 2);
    for (int row : {-1, 2, 99}) {
        EXPECT_FALSE(app.selectEducation(row));
        EXPECT_FALSE(app.selectClusterPunc(row));
    }
    EXPECT_TRUE(app.selectEducation(1));
    EXPECT_EQ(app.form1().lstEducation.selected, 1);
    EXPECT_FALSE(app.selectEducation(5));
    EXPECT_EQ(app.form1().lstEducation.selected, 1);
    app.txtSearch_Change("bk");
    EXPECT_EQ(app.form1().txtSearch, "bk");
}

} // namespace
} // namespace zapt::testing
