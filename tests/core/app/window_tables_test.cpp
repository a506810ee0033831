// The tables of what the main window shows, read from its state: the
// collocations window's string, the group panel after a group's query, every
// panel's table, and a privacy scan of everything a session over the built-in
// corpus writes from them.
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "tests/core/app/main_window_world.h"
#include "tests/core/privacy_scan.h"
#include "variation/collocation_table.h"
#include "variation/group_metrics.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

TEST(CollocationTable, TheWindowsStringReadsBackAsTheOccurrences) {
    // Cleaned corpus text: "u see u then U see wiv u " (8 words).
    World w({author("001", "Ann", "30", "F")}, {{"Ann", "u see u, then U"}, {"Bo", "see wiv u"}});
    const CollocationTable t = collocation_table(w->store(), "u");
    const std::vector<std::vector<std::string>> rows = {
        {"", "u", "see"}, {"see", "u", "then"}, {"then", "u", "see"}, {"wiv", "u", ""}};
    ASSERT_EQ(t.occurrences.size(), rows.size());

    // The collocations window's string reads back as the same pairs.
    w->selectNonStandardForms(w.row_of(w->form1().lstNonStandardForms, "u"));
    w->cmdColls_Click();
    ResultTable win = collocation_window_table(*w);
    ASSERT_EQ(win.rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(win.rows[i], (std::vector<std::string>{rows[i][0], rows[i][2]}));
        EXPECT_EQ(win.rows[i],
                  (std::vector<std::string>{t.occurrences[i].before, t.occurrences[i].after}));
    }
}

TEST(GroupMetrics, TheGroupPanelShowsTheFiguresOfItsGroup) {
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
    // The panel as the group query leaves it.
    w.fetch(AgeBand::From26To40, Gender::Female);
    EXPECT_EQ(f.values[0], w->form1().NumOfGroupTexts);
    EXPECT_EQ(f.values[0], "6");
    EXPECT_EQ(f.values[1], w->form1().GroupAvTextLength);
    EXPECT_EQ(f.values[4], w->form1().GroupAvPuncDensity);

    // A second main window state over the same data gives the same figures.
    std::vector<GroupMetricsRow> again = group_metrics(data_set_of(*w), AgeBands());
    EXPECT_EQ(again[4].values, f.values);
    EXPECT_EQ(again[4].max, f.max);
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

// A session over the built-in corpus writes every table of the main window's
// panels, the corpus data window and a family's counts; no author name and no
// whole text of five words or more may appear in any of them. (The tables of
// the comparison and the collocations are scanned in tests/core/variation.)
TEST(ResultTables, NoAuthorNameOrWholeTextInAnyTable) {
    World w(load_builtin_data().authors, load_builtin_data().corpus, load_builtin_data().glossary);
    std::vector<ResultTable> tables;
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
    tables.push_back(glossary_table(*w));
    tables.push_back(group_authors_table(*w));
    w->cmdGetCorpusData_Click();
    w->cmdAges_Click();
    w->cmdGender_Click();
    tables.push_back(corpus_data_table(*w));

    std::string out;
    for (const ResultTable& t : tables) {
        out += write_export(t, TableFormat::Tsv, export_header(*w, shown_selection(*w)));
    }
    EXPECT_GT(expect_no_name_or_whole_text(out, w->authors(), w->store()), 500);
    EXPECT_GT(out.size(), 10000u);
}

} // namespace
} // namespace zapt::testing
