// Collocation tables, the group figures by group and the result tables of
// every panel, with a privacy scan of everything they write.
#include "tests/core/app/main_window_world.h"
#include "variation/tables.h"

#include "corpus/text.h"
#include "lookup/count_word.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zapt::testing {
namespace {

TEST(CollocationTable, OccurrencesCollocatesAndMeasuresByHand) {
    // Cleaned corpus text: "u see u then U see wiv u " (8 words).
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "u see u, then U"}, {"Bo", "see wiv u"}});
    CollocationTable t = collocation_table(w->store(), "u");
    ASSERT_EQ(t.occurrences.size(), 4u);
    const std::vector<std::vector<std::string>> rows = {
        {"", "u", "see"}, {"see", "u", "then"}, {"then", "u", "see"}, {"wiv", "u", ""}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(t.occurrences[i].before, rows[i][0]);
        EXPECT_EQ(t.occurrences[i].after, rows[i][2]);
    }
    EXPECT_EQ(t.formFrequency, 4);
    EXPECT_EQ(t.corpusWords, 8);
    // see: after 2, before 1; corpus frequency 2. Then then (1, 1; 1) and wiv (1, 0; 1).
    ASSERT_EQ(t.collocates.size(), 3u);
    const Collocate& see = t.collocates[0];
    EXPECT_EQ(see.word, "see");
    EXPECT_EQ(see.left, 1);
    EXPECT_EQ(see.right, 2);
    EXPECT_EQ(see.corpusFrequency, 2);
    EXPECT_DOUBLE_EQ(see.mi, std::log2(3.0 * 8 / (4 * 2 * 2)));
    EXPECT_DOUBLE_EQ(see.logDice, 14 + std::log2(2.0 * 3 / (4 + 2)));
    EXPECT_EQ(t.collocates[1].word, "then");
    EXPECT_EQ(t.collocates[2].word, "wiv");

    // The collocations window's string reads back as the same pairs.
    w->selectNonStandardForms(w.row_of(w->form1().lstNonStandardForms, "u"));
    w->cmdColls_Click();
    ResultTable win = collocation_window_table(*w);
    ASSERT_EQ(win.rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(win.rows[i], (std::vector<std::string>{rows[i][0], rows[i][2]}));
    }

    // Sorting by either side; equal rows keep corpus order.
    std::vector<CollocationOccurrence> by = t.occurrences;
    sort_occurrences(by, CollocationSide::Before);
    EXPECT_EQ(by[0].before + "|" + by[1].before + "|" + by[2].before + "|" + by[3].before,
              "|see|then|wiv");
    sort_occurrences(by, CollocationSide::After);
    EXPECT_EQ(by[0].after + "|" + by[1].after + "|" + by[2].after + "|" + by[3].after,
              "|see|see|then");
    EXPECT_EQ(by[1].before, ""); // "see" after the first word before "see" after "then"
    EXPECT_EQ(by[2].before, "then");

    CollocationTable none = collocation_table(w->store(), "zzz");
    EXPECT_TRUE(none.occurrences.empty());
    EXPECT_TRUE(none.collocates.empty());
}

TEST(GroupMetrics, PanelFiguresAndTheirSpreadOverAuthors) {
    // Three women aged 26 to 40 with 1, 2 and 3 texts; one man.
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F"),
             author("003", "Cy", "28", "F"), author("004", "Dan", "33", "M")},
            {{"Ann", "a b"},
             {"Bo", "a"},
             {"Bo", "a b c"},
             {"Cy", "x"},
             {"Cy", "y"},
             {"Cy", "z, z"},
             {"Dan", "hi"}});
    std::vector<GroupMetricsRow> rows = group_metrics(*w);
    ASSERT_EQ(rows.size(), 10u);
    const GroupMetricsRow& f = rows[4]; // 26 to 40 F
    EXPECT_EQ(group_label(AgeBands(), f.group), "26 to 40 F");
    EXPECT_EQ(f.authors, 3);
    // The panel as the group query leaves it.
    w.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(f.values[0], w->form1().NumOfGroupTexts);
    EXPECT_EQ(f.values[0], "6");
    EXPECT_EQ(f.values[1], w->form1().GroupAvTextLength);
    EXPECT_EQ(f.values[4], w->form1().GroupAvPuncDensity);
    // Texts 1 to 3; words per text: Ann 3, Bo (2 + 4) / 2 = 3, Cy (2 + 2 + 3) / 3.
    EXPECT_FALSE(f.spreadWithheld);
    EXPECT_EQ(f.min[0], "1");
    EXPECT_EQ(f.max[0], "3");
    EXPECT_EQ(f.min[1], "2.3333");
    EXPECT_EQ(f.max[1], "3");
    // Only Cy has a mark: punctuation density 0 to 1 / 8 (one inner blank, 2 per text, 1).
    EXPECT_EQ(f.min[4], "0");
    EXPECT_EQ(f.max[4], "0.125");
    // A group of one author withholds its range; an empty group shows 0.
    EXPECT_TRUE(rows[5].spreadWithheld);
    EXPECT_EQ(rows[5].values[0], "1");
    EXPECT_EQ(rows[0].authors, 0);
    EXPECT_EQ(rows[0].values[1], "0");

    ResultTable t = group_metrics_table(rows);
    ASSERT_EQ(t.columns.size(), 3u + 6 + 12);
    EXPECT_EQ(t.rows[5][0] + "|" + t.rows[5][1] + "|" + t.rows[5][2], "26 to 40|M|1");
    EXPECT_EQ(t.rows[5][9], ""); // withheld
    EXPECT_EQ(t.rows[4][9], "1");

    // A second main window state over the same data gives the same figures.
    std::vector<GroupMetricsRow> again = group_metrics(data_set_of(*w), AgeBands());
    EXPECT_EQ(again[4].values, f.values);
    EXPECT_EQ(again[4].max, f.max);
}

TEST(ResultTables, ComparisonTableColumnsAndUndefinedCells) {
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "bk back"}});
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    ResultTable t = comparison_table(compare_groups(index, *find_family(*w, "Back")));
    EXPECT_EQ(write_table({"", t.columns, {}, {}}, TableFormat::Csv),
              "band,gender,form,count,words,per_10k,share,authors_using,authors\n");
    ASSERT_EQ(t.rows.size(), 11u * 4);
    EXPECT_EQ(t.rows[0],
              (std::vector<std::string>{"<18", "F", "back", "0", "0", "", "", "0", "0"}));
    EXPECT_EQ(t.rows[4 * 4], (std::vector<std::string>{"26 to 40", "F", "back", "1", "2",
                                                       "5000.0000", "0.5000", "1", "1"}));
    EXPECT_EQ(t.rows[10 * 4 + 2], (std::vector<std::string>{"all", "all", "bk", "1", "2",
                                                            "5000.0000", "0.5000", "1", "1"}));
    EXPECT_EQ(t.setting("family"), "lstBack");
    EXPECT_NE(t.setting("chi-square").find("no p-value"), std::string::npos);
}

TEST(ResultTables, MainWindowPanels) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F")},
            {{"Ann", "cu nite, Yer u wiv me."}, {"Bo", "u ok"}});
    EXPECT_EQ(shown_group(*w), "");
    w.fetch(AgeBand::From26To40, Gender::Female);
    w->selectAgeTable(0);
    w->cmdAuthorData_Click();
    EXPECT_EQ(shown_selection(*w), "group 26 to 40 F, author 001");

    ResultTable author = author_panel_table(*w);
    ASSERT_EQ(author.rows.size(), 7u);
    EXPECT_EQ(author.rows[0], (std::vector<std::string>{"Total Number of Texts:", "1"}));
    EXPECT_EQ(author.rows[6][1], w->form1().lblTotWords);
    EXPECT_EQ(author.setting("author code"), "001");

    ResultTable uses = non_standards_table(*w);
    EXPECT_EQ(uses.columns, (std::vector<std::string>{"form", "interpretation", "corpus_count"}));
    std::vector<std::string> flat;
    for (const auto& r : uses.rows) flat.push_back(r[0] + "=" + r[1] + "=" + r[2]);
    // "nite," keeps its comma in the author's joined texts and is no use.
    EXPECT_EQ(flat,
              (std::vector<std::string>{"cu=see you=1", "u=you=2", "wiv=with=1", "Yer=you=1"}));

    w->selectFamily(w.family_index("You"), w.row_of(w.family("You").list, "u"));
    ResultTable fam = family_counts_table(*w, w.family_index("You"));
    // A copied row says what its numbers are on its own.
    EXPECT_EQ(fam.columns,
              (std::vector<std::string>{"family", "form", "author_code", "group", "author_count",
                                        "group_count", "corpus_count"}));
    ASSERT_EQ(fam.rows.size(), 1u);
    EXPECT_EQ(fam.rows[0][0], "lstUForms");
    EXPECT_EQ(fam.rows[0][1], "u");
    EXPECT_EQ(fam.rows[0][2], "001");
    EXPECT_EQ(fam.rows[0][3], "26 to 40 F");
    EXPECT_EQ(fam.rows[0][4] + fam.rows[0][5] + fam.rows[0][6], "122");
    EXPECT_EQ(fam.setting("item"), "u");
    EXPECT_TRUE(family_counts_table(*w, 99).rows.empty());

    // The yellow list and the lavender list copy as one table, row for row.
    ResultTable authors = group_authors_table(*w);
    ASSERT_EQ(authors.rows.size(), 2u);
    EXPECT_EQ(authors.rows[0][0], "001");
    EXPECT_EQ(authors.rows[1][0], "002");
    EXPECT_EQ(authors.rows[0][1], w->form1().lstEducation.items[0]);
    // The grey glossary list with each form's count in the corpus.
    ResultTable glossary = glossary_table(*w);
    ASSERT_EQ(glossary.rows.size(), w->form1().lstNonStandardForms.items.size());
    int checked = 0;
    for (const auto& row : glossary.rows) {
        if (row[0] == "u") {
            EXPECT_EQ(row[2], "2");
            ++checked;
        }
        if (row[0] == "wiv") {
            EXPECT_EQ(row[1] + "=" + row[2], "with=1");
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);

    ResultTable group = group_panel_table(*w);
    EXPECT_EQ(group.rows[0], (std::vector<std::string>{"No. of texts in Group", "2"}));
    w->cmdGetCorpusData_Click();
    w->cmdAges_Click();
    ResultTable corpus = corpus_data_table(*w);
    EXPECT_EQ(corpus.rows[2], (std::vector<std::string>{"26 to 40", "2"}));
    EXPECT_EQ(export_header(*w, "x").corpusTexts, 2);
}

// A session over the built-in corpus writes every table; no author name and
// no whole text of five words or more may appear in any of them.
TEST(ResultTables, NoAuthorNameOrWholeTextInAnyTable) {
    World w(load_builtin_data().authors, load_builtin_data().corpus, load_builtin_data().glossary);
    std::vector<ResultTable> tables;
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    for (const FamilyState& f : w->form1().families) {
        Comparison c = compare_groups(index, *find_family(*w, f.listName));
        tables.push_back(comparison_table(c));
        tables.push_back(spread_table(c));
        tables.push_back(significance_table(c));
    }
    tables.push_back(group_metrics_table(group_metrics(data_set_of(*w), AgeBands())));
    for (const char* form : {"u", "2moz", "nite"}) {
        CollocationTable c = collocation_table(w->store(), form);
        tables.push_back(occurrences_table(c));
        tables.push_back(collocates_table(c));
    }
    w.fetch(AgeBand::From18To25, Gender::Female);
    for (int a = 0; a < w->form1().AgeTable.count(); ++a) {
        w->selectAgeTable(a);
        w->cmdAuthorData_Click();
        w->cmdClusterPunctuation_Click();
        w->selectFamily(0, 0);
        tables.push_back(author_panel_table(*w));
        tables.push_back(non_standards_table(*w));
        tables.push_back(cluster_table(*w));
        tables.push_back(family_counts_table(*w, 0));
    }
    tables.push_back(group_panel_table(*w));
    w->cmdGetCorpusData_Click();
    w->cmdAges_Click();
    w->cmdGender_Click();
    tables.push_back(corpus_data_table(*w));

    std::string out;
    for (const ResultTable& t : tables) {
        out += write_export(t, TableFormat::Tsv, export_header(*w, shown_selection(*w)));
    }
    std::string folded_out;
    for (char c : out) folded_out += fold_case(c);
    auto contains = [&](const std::string& s) {
        std::string f;
        for (char c : s) f += fold_case(c);
        return folded_out.find(f) != std::string::npos;
    };
    // Names match as cells or between separators (tab, line break, blank).
    for (const std::string& name : w->authors().names) {
        for (const char* before : {"\t", "\n", " "}) {
            for (const char* after : {"\t", "\n"}) {
                EXPECT_FALSE(contains(before + cp1252_to_utf8(name) + after)) << name;
            }
        }
    }
    int long_texts = 0;
    for (const std::string& text : w->store().texts) {
        if (word_total(reduce_blanks(text) + " ") < 5) continue;
        ++long_texts;
        EXPECT_FALSE(contains(cp1252_to_utf8(std::string(trim_trailing_blanks(text))))) << text;
    }
    EXPECT_GT(long_texts, 500);
    EXPECT_GT(out.size(), 10000u);
}

} // namespace
} // namespace zapt::testing
