// Variant families, word search, punctuation, collocations and the corpus overview.
#include "analysis/punctuation.h"
#include "tests/core/app/main_window_world.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

World lookup_world() {
    return World({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F")},
                 {{"Ann", "been there, BEEN da o.k. bk"}, {"Bo", "been ok"}, {"Cy", "been: da"}});
}

TEST(VariantFamilies, CountInAuthorGroupAndCorpusText) {
    World w = lookup_world();
    const std::size_t been = w.family_index("Been");
    // Before any group or author: only the corpus count.
    ASSERT_TRUE(w->selectFamily(been, w.row_of(w.family("Been").list, "been")));
    EXPECT_EQ(w.family("Been").Individual + "|" + w.family("Been").InGroup + "|" +
                  w.family("Been").InCorpus,
              "0|0|4");

    w.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(w.family("Been").InCorpus, "0"); // reset by the query
    w->selectAgeTable(0);
    w->selectFamily(been, w.row_of(w.family("Been").list, "been"));
    EXPECT_EQ(w.family("Been").Individual + "|" + w.family("Been").InGroup + "|" +
                  w.family("Been").InCorpus,
              "2|3|4");

    // "da" belongs to two families and counts the same in both.
    w->selectFamily(w.family_index("ThWords"), w.row_of(w.family("ThWords").list, "da"));
    w->selectFamily(w.family_index("The"), w.row_of(w.family("The").list, "da"));
    EXPECT_EQ(w.family("ThWords").InCorpus, "2");
    EXPECT_EQ(w.family("The").InCorpus, "2");
    EXPECT_EQ(w.family("ThWords").Individual, w.family("The").Individual);

    // A full stop never survives inside a piece of the cleaned buffers.
    w->selectFamily(w.family_index("Okay"), w.row_of(w.family("Okay").list, "o.k."));
    EXPECT_EQ(w.family("Okay").Individual + w.family("Okay").InGroup + w.family("Okay").InCorpus,
              "000");
    // Other families keep their counts.
    EXPECT_EQ(w.family("Been").InCorpus, "4");
    EXPECT_FALSE(w->selectFamily(been, 99));
    EXPECT_FALSE(w->selectFamily(42, 0));
}

TEST(VariantFamilies, BothRowsOfDereGiveTheSameCounts) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "dere dere's DERE"}});
    const FamilyState& th = w.family("ThWords");
    ASSERT_EQ(th.list.items[8], "dere");
    ASSERT_EQ(th.list.items[9], "dere");
    w->selectFamily(w.family_index("ThWords"), 8);
    std::string first = th.InCorpus;
    w->selectFamily(w.family_index("ThWords"), 9);
    EXPECT_EQ(first, "2");
    EXPECT_EQ(th.InCorpus, "2");
}

TEST(WordSearch, EnterSearchesGroupThenCorpusEvenBeforeAGroup) {
    World w = lookup_world();
    w->txtSearch_Change("BEEN");
    w->txtSearch_KeyDown(10); // any other key does nothing
    EXPECT_EQ(w->form1().lblInstInCorpus, "0");
    w->txtSearch_KeyDown(13);
    EXPECT_EQ(w->form1().lblInstInGroup, "0");
    EXPECT_EQ(w->form1().lblInstInCorpus, "4");
    EXPECT_EQ(w->form1().lblWordTotal, "11");
}

TEST(WordSearch, AnyTypedTextCountsWithoutHarm) {
    World w = lookup_world();
    w.fetch(AgeBand::From26To40, Gender::Female);
    const struct {
        std::string word;
        const char* group;
        const char* corpus;
    } cases[] = {
        {"", "0", "0"},                        // no empty pieces in the built buffers
        {"been ", "0", "0"},                   // a trailing blank never counts
        {"o.k.", "0", "0"},                    // broken up by the cleaning
        {"\x1A\x1A", "0", "0"},                // characters Windows-1252 cannot hold
        {std::string("a\0b", 3), "0", "0"},    // control characters
        {std::string(1 << 20, 'x'), "0", "0"}, // a huge text
        {"\t\r\n", "0", "0"},
        {"ok", "1", "1"},
    };
    for (const auto& c : cases) {
        w->txtSearch_Change(c.word);
        w->txtSearch_KeyDown(13);
        EXPECT_EQ(w->form1().lblInstInGroup, c.group) << c.word.size();
        EXPECT_EQ(w->form1().lblInstInCorpus, c.corpus) << c.word.size();
    }
}

TEST(PunctuationCount, EachKindCountsInTheCorpusText) {
    World w({author("001", "Ann", "30", "F")},
            {{"Ann", "hi . ok.. (a) b) ,x, y/z; q: r? s!"}, {"Bo", "hi. that's it ,"}});
    const struct {
        PuncOption option;
        const char* count;
    } cases[] = {
        {PuncOption::Stops, "4"},         {PuncOption::Commas, "3"},
        {PuncOption::QuestionMarks, "1"}, {PuncOption::ExclamationMarks, "1"},
        {PuncOption::Slashes, "1"},       {PuncOption::Brackets, "3"},
        {PuncOption::SemiColons, "1"},    {PuncOption::Colons, "1"},
        {PuncOption::SpacePlusStop, "1"}, {PuncOption::SpacePlusComma, "2"},
    };
    for (const auto& c : cases) {
        w->puncOption_Click(c.option);
        w->cmdPuncCount_Click();
        EXPECT_EQ(w->form1().lblPuncCount, c.count) << static_cast<int>(c.option);
        w->cmdPuncCount_Click(); // repeated clicks give the same number
        EXPECT_EQ(w->form1().lblPuncCount, c.count);
    }
}

TEST(Clusters, SpansByWordNavigation) {
    const struct {
        const char* text;
        std::size_t mark;
        const char* span;
    } cases[] = {
        {"got home. See you", 8, "home. See "},
        {"OK.cu later", 2, "OK.cu "},
        {"a.b.c", 1, "a.b"},
        {".hi there  %", 0, ".hi there  "},   // a mark at the very start
        {"ok!  %", 2, "ok!  %"},              // a mark near the end
        {"x  %Wait...  %y", 8, "Wait...  %"}, // the span reaches the next text's separator
        {"  .", 2, "  ."},                    // nothing to the left: the span starts at 0
    };
    for (const auto& c : cases) {
        auto [a, b] = cluster_span(c.text, c.mark);
        EXPECT_EQ(std::string(c.text).substr(a, b - a), c.span) << c.text;
    }
}

TEST(Clusters, ListByMarkWithTheTenCharacterRule) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "31", "F")},
            {{"Ann", "got home. See you"},
             {"Ann", "Wait..."},
             {"Ann", "a.b.c, ok? yes!"},
             {"Bo", "no marks here"}});
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    ASSERT_EQ(w->form1().txtIndividualsTexts2, "got home. See you  %Wait...  %a.b.c, ok? yes!  %");
    w->cmdClusterPunctuation_Click();
    // The full stops of "a.b.c" lie less than ten characters after the last
    // listed full stop (in "Wait...") and are not listed on their own.
    const std::vector<std::string> expected = {"home. See ", "Wait...  %", "c, ok", "ok? yes",
                                               "yes!  %"};
    EXPECT_EQ(w->form1().lstClusterPunc.items, expected);
    w->cmdClusterPunctuation_Click();
    EXPECT_EQ(w->form1().lstClusterPunc.items, expected); // not doubled
    w->selectAgeTable(1);
    EXPECT_EQ(w->form1().lstClusterPunc.count(), 0); // cleared by the selection
    w->cmdClusterPunctuation_Click();
    EXPECT_EQ(w->form1().lstClusterPunc.count(), 0);
}

TEST(Collocations, NeighboursOfEveryOccurrenceInCorpusOrder) {
    World w({author("001", "Ann", "30", "F")},
            {{"Ann", "cu later"}, {"Bo", "see cu"}, {"Cy", "CU x, cu"}});
    ASSERT_TRUE(w->selectNonStandardForms(0)); // "cu"
    w->cmdColls_Click();
    // The first word of the corpus has an empty word before it; the last word an
    // empty word after it.
    EXPECT_EQ(w->form11().Text1, " later see CU cu x x  ");
    EXPECT_EQ(w->form11().Label2, "cu");
    EXPECT_TRUE(w->form11().open);
    EXPECT_EQ(w.effects.count("showForm11"), 1);

    w->selectNonStandardForms(5); // "wiv": not in the corpus
    w->cmdColls_Click();
    EXPECT_EQ(w->form11().Label2, "wiv");
    EXPECT_EQ(w->form11().Text1, "");

    // No form selected (as at start-up): an empty form and no collocations.
    World fresh({author("001", "Ann", "30", "F")}, {{"Ann", "cu later"}});
    ASSERT_EQ(fresh->form1().lstNonStandardForms.selected, -1);
    fresh->cmdColls_Click();
    EXPECT_EQ(fresh->form11().Label2, "");
    EXPECT_EQ(fresh->form11().Text1, "");
}

TEST(CorpusOverview, CountsAuthorsWithTextsAfreshOnEveryClick) {
    std::vector<RegisterRow> reg;
    std::vector<CorpusRow> corpus;
    const char* ages[] = {"17", "18", "25", "26", "40", "41", "60", "61", "100", "101", "30"};
    for (int i = 0; i < 11; ++i) {
        std::string name = "A" + std::to_string(i);
        reg.push_back(author("00" + std::to_string(i), name, ages[i], i % 2 ? "m" : "F"));
        if (i != 10) corpus.push_back({name, "hi"}); // the last author has no texts
    }
    reg.push_back(author("020", "X", "30", "?"));
    corpus.push_back({"X", "hi"});
    World w(reg, corpus);
    w->cmdGetCorpusData_Click();
    EXPECT_TRUE(w->form4().open);
    for (int click = 0; click < 2; ++click) {
        w->cmdAges_Click();
        w->cmdGender_Click();
        const CorpusDataForm& f = w->form4();
        EXPECT_EQ(f.lblUnder18s + f.lbl18To25 + f.lbl25To40 + f.lbl41To60 + f.lbl61Plus,
                  "12322"); // "X" counts by age only
        EXPECT_EQ(f.lblMale, "5");
        EXPECT_EQ(f.lblFemale, "5");
    }
    w->Form4_Unload();
    w->cmdGetCorpusData_Click();
    EXPECT_EQ(w->form4().lblMale, "0");
    EXPECT_EQ(w.effects.count("showForm4"), 2);
}

} // namespace
} // namespace zapt::testing
