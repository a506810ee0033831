// What the main window shows of the built-in corpus, and the road of a typical
// use on it. (The figures of the corpus itself are tested in tests/core/corpus.)
#include "app/main_window_state.h"
#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "tests/core/app/main_window_world.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

const DataSet& data() {
    return builtin_data();
}

struct BuiltIn : ::testing::Test {
    RecordingEffects effects;
    MainWindowState app{corpus_of(data()), effects};
};

TEST_F(BuiltIn, TheMainWindowShowsTheCorpusCountGlossaryAndLists) {
    EXPECT_EQ(app.form1().lblNumOfCorpusTexts, "977");
    const auto& g = app.glossary();
    ASSERT_EQ(g.forms().size(), 743u);
    ASSERT_EQ(g.interpretations().size(), 739u);
    EXPECT_EQ(g.forms()[591], "Thort");
    EXPECT_EQ(g.interpretation(591), "thought");
    for (int row = 739; row < 743; ++row) EXPECT_EQ(g.interpretation(row), "");

    const std::size_t sizes[] = {5, 43, 7, 10, 12, 4, 19, 6, 12, 17, 8, 12, 10, 14, 12, 7};
    ASSERT_EQ(app.form1().families.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(app.form1().families[i].list.items.size(), sizes[i]);
    // The 'Th' list is sorted and keeps its given order.
    EXPECT_EQ(app.form1().families[1].list.items, app.variantFamilies()[1].items);
    // The first word of the cleaned corpus text is no glossary form.
    std::string first = app.store().cleanedText.substr(0, app.store().cleanedText.find(' '));
    EXPECT_FALSE(app.glossary().is_form(first)) << first;
}

TEST_F(BuiltIn, EveryGroupHoldsItsAuthorsAndTheLargestAuthorIsMeasuredExactly) {
    const struct {
        AgeBand band;
        Gender gender;
        int authors;
    } groups[] = {
        {AgeBand::Under18, Gender::Female, 3},     {AgeBand::Under18, Gender::Male, 3},
        {AgeBand::From18To25, Gender::Female, 6},  {AgeBand::From18To25, Gender::Male, 4},
        {AgeBand::From26To40, Gender::Female, 11}, {AgeBand::From26To40, Gender::Male, 6},
        {AgeBand::From41To60, Gender::Female, 10}, {AgeBand::From41To60, Gender::Male, 6},
        {AgeBand::Over60, Gender::Female, 3},      {AgeBand::Over60, Gender::Male, 1},
    };
    int most_texts = 0, largest_group = 0;
    std::string largest_group_name;
    bool found_largest_author = false;
    for (const auto& g : groups) {
        app.ageOption_Click(g.band);
        app.genderOption_Click(g.gender);
        app.cmdAgeAndGender_Click();
        ASSERT_EQ(app.form1().AgeTable.count(), g.authors);
        EXPECT_EQ(app.form1().lstEducation.count(), g.authors);
        EXPECT_EQ(app.form1().NumOfGroupTexts, app.form1().lblNumOfGroupTexts2);
        int group_texts = std::stoi(app.form1().NumOfGroupTexts);
        EXPECT_EQ(static_cast<int>(app.form1().lstGroupTexts.size()), group_texts);
        if (group_texts > largest_group) {
            largest_group = group_texts;
            largest_group_name = std::to_string(static_cast<int>(g.band)) + "/" +
                                 std::to_string(static_cast<int>(g.gender));
        }
        for (int row = 0; row < g.authors; ++row) {
            app.selectAgeTable(row);
            app.cmdAuthorData_Click();
            int n = std::stoi(app.form1().lblTextTotal);
            EXPECT_GT(n, 0);
            most_texts = std::max(most_texts, n);
            if (n == 104) {
                found_largest_author = true;
                EXPECT_EQ(app.form1().lblTotWords, "2416");
                EXPECT_EQ(app.form1().lblNumOfCharacters, format_4dec(8808.0 / 104.0));
            }
        }
    }
    EXPECT_EQ(most_texts, 104);
    EXPECT_TRUE(found_largest_author);
    EXPECT_EQ(largest_group, 234);
    EXPECT_EQ(largest_group_name, "3/0"); // 41 to 60, female
}

TEST_F(BuiltIn, TheFactsWindowIsTrueOfTheData) {
    const VariantFamily& you = app.variantFamilies()[15];
    const VariantFamily& back = app.variantFamilies()[5];
    ASSERT_EQ(you.stem, "You");
    ASSERT_EQ(back.stem, "Back");
    const int u_in_corpus = count_word(app.store().cleanedText, "u");
    int five_ways = 0, three_backs = 0;
    double top_u_share = 0;
    for (auto band : {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                      AgeBand::From41To60, AgeBand::Over60}) {
        for (auto gender : {Gender::Female, Gender::Male}) {
            app.ageOption_Click(band);
            app.genderOption_Click(gender);
            app.cmdAgeAndGender_Click();
            for (int row = 0; row < app.form1().AgeTable.count(); ++row) {
                app.selectAgeTable(row);
                const std::string& text = app.form1().txtIndividualsTexts;
                int ways = 0, backs = 0;
                for (const auto& item : you.items) ways += count_word(text, item) > 0;
                for (const auto& item : back.items) backs += count_word(text, item) > 0;
                five_ways += ways >= 5;
                three_backs += backs >= 3;
                top_u_share = std::max(top_u_share, double(count_word(text, "u")) / u_in_corpus);
            }
        }
    }
    EXPECT_GE(five_ways, 1);
    EXPECT_GE(three_backs, 1);
    EXPECT_GE(top_u_share, 0.17);
    EXPECT_LE(top_u_share, 0.20);
}

TEST_F(BuiltIn, TheRoadOfATypicalUse) {
    // 1. "26 to 40", "Female", Get Group Data.
    app.ageOption_Click(AgeBand::From26To40);
    app.genderOption_Click(Gender::Female);
    app.cmdAgeAndGender_Click();
    ASSERT_EQ(app.form1().AgeTable.count(), 11);
    EXPECT_TRUE(app.form1().cmdSearch);
    EXPECT_NE(app.form1().NumOfGroupTexts, "0");
    EXPECT_EQ(effects.count("showProgress"), 1);
    EXPECT_EQ(effects.count("closeProgress"), 1);
    // 2-3. An author code, then Get Author Data.
    app.selectAgeTable(2);
    app.cmdAuthorData_Click();
    int n = std::stoi(app.form1().lblTextTotal);
    EXPECT_EQ(n, static_cast<int>(app.form1().lstTextsFound.size()));
    // 4. "bk" in the forms of "back": the three counts by the one counting rule.
    const std::size_t back = 5;
    ASSERT_TRUE(app.selectFamily(back, 2));
    EXPECT_EQ(app.form1().families[back].list.text(), "bk");
    EXPECT_EQ(app.form1().families[back].Individual,
              format_whole(count_word(app.form1().txtIndividualsTexts, "bk")));
    EXPECT_EQ(app.form1().families[back].InGroup,
              format_whole(count_word(app.form1().Text2, "bk")));
    EXPECT_EQ(app.form1().families[back].InCorpus,
              format_whole(count_word(app.store().cleanedText, "bk")));
    EXPECT_LE(std::stoi(app.form1().families[back].Individual),
              std::stoi(app.form1().families[back].InGroup));
    EXPECT_LE(std::stoi(app.form1().families[back].InGroup),
              std::stoi(app.form1().families[back].InCorpus));
    // 5. A typed word and Enter.
    app.txtSearch_Change("tea");
    app.txtSearch_KeyDown(13);
    EXPECT_EQ(app.form1().lblWordTotal, "14800");
    EXPECT_LE(std::stoi(app.form1().lblInstInGroup), std::stoi(app.form1().lblInstInCorpus));
}

TEST_F(BuiltIn, AVariantBeforeAnyGroupAndTheSameAuthorTwice) {
    ASSERT_TRUE(app.selectFamily(0, 2)); // "been"
    EXPECT_EQ(app.form1().families[0].Individual, "0");
    EXPECT_EQ(app.form1().families[0].InGroup, "0");
    EXPECT_EQ(app.form1().families[0].InCorpus,
              format_whole(count_word(app.store().cleanedText, "been")));

    app.cmdAgeAndGender_Click(); // under 18, female
    app.selectAgeTable(0);
    app.cmdAuthorData_Click();
    const std::string words = app.form1().lblTotWords, text = app.form1().txtIndividualsTexts;
    const auto uses = app.form1().lstNonStandards.items;
    app.selectAgeTable(0);
    app.cmdAuthorData_Click();
    EXPECT_EQ(app.form1().lblTotWords, words);
    EXPECT_EQ(app.form1().txtIndividualsTexts, text);
    EXPECT_EQ(app.form1().lstNonStandards.items, uses);
}

} // namespace
} // namespace zapt::testing
