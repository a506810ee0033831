// Collocation tables, the group figures by group and the comparison's result
// table, with a privacy scan of everything the tables of the comparison, the
// group figures and the collocations write. The tables of the main window's
// panels are tested with the main window's state (tests/core/app).
#include "test_corpus.h"
#include "tests/core/privacy_scan.h"
#include "variation/group_metrics.h"
#include "variation/tables.h"

#include "corpus/text.h"
#include "lookup/count_word.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>

namespace zapt::testing {
namespace {

TEST(CollocationTable, OccurrencesCollocatesAndMeasuresByHand) {
    // Cleaned corpus text: "u see u then U see wiv u " (8 words).
    const std::shared_ptr<const Corpus> corpus = small_corpus(
        {author("001", "Ann", "30", "F")}, {{"Ann", "u see u, then U"}, {"Bo", "see wiv u"}});
    CollocationTable t = collocation_table(corpus->store(), "u");
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

    CollocationTable none = collocation_table(corpus->store(), "zzz");
    EXPECT_TRUE(none.occurrences.empty());
    EXPECT_TRUE(none.collocates.empty());
}

TEST(GroupMetrics, PanelFiguresAndTheirSpreadOverAuthors) {
    // Three women aged 26 to 40 with 1, 2 and 3 texts; one man.
    const DataSet data =
        small_data({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F"),
                    author("003", "Cy", "28", "F"), author("004", "Dan", "33", "M")},
                   {{"Ann", "a b"},
                    {"Bo", "a"},
                    {"Bo", "a b c"},
                    {"Cy", "x"},
                    {"Cy", "y"},
                    {"Cy", "z, z"},
                    {"Dan", "hi"}});
    const std::shared_ptr<const Corpus> corpus = corpus_of(data);
    std::vector<GroupMetricsRow> rows = group_metrics(corpus->authorIndex(), corpus->bands());
    ASSERT_EQ(rows.size(), 10u);
    const GroupMetricsRow& f = rows[4]; // 26 to 40 F
    EXPECT_EQ(group_label(AgeBands(), f.group), "26 to 40 F");
    EXPECT_EQ(f.authors, 3);
    EXPECT_EQ(f.values[0], "6");
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

    // The figures worked out from the data alone are the same.
    std::vector<GroupMetricsRow> again = group_metrics(data, AgeBands());
    EXPECT_EQ(again[4].values, f.values);
    EXPECT_EQ(again[4].max, f.max);
}

TEST(ResultTables, ComparisonTableColumnsAndUndefinedCells) {
    const std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F")}, {{"Ann", "bk back"}});
    GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    ResultTable t =
        comparison_table(compare_groups(index, *find_family(corpus->families(), "Back")));
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

// The tables of the comparison of every family, of the group figures and of
// the collocations of three forms, over the built-in corpus: no author name and
// no whole text of five words or more may appear in any of them.
TEST(ResultTables, NoAuthorNameOrWholeTextInAnyTableOfTheComparisonOrTheCollocations) {
    const Corpus& corpus = builtin_corpus();
    std::vector<ResultTable> tables;
    GroupIndex index(corpus.store(), corpus.authors(), corpus.bands());
    for (const VariantFamily& f : corpus.families()) {
        Comparison c = compare_groups(index, *find_family(corpus.families(), f.list));
        tables.push_back(comparison_table(c));
        tables.push_back(spread_table(c));
        tables.push_back(significance_table(c));
    }
    tables.push_back(group_metrics_table(group_metrics(builtin_data(), AgeBands())));
    for (const char* form : {"u", "2moz", "nite"}) {
        CollocationTable c = collocation_table(corpus.store(), form);
        tables.push_back(occurrences_table(c));
        tables.push_back(collocates_table(c));
    }
    ExportHeader header;
    header.corpusTexts = corpus.textCount();
    std::string out;
    for (const ResultTable& t : tables) out += write_export(t, TableFormat::Tsv, header);
    EXPECT_GT(expect_no_name_or_whole_text(out, corpus.authors(), corpus.store()), 500);
    EXPECT_GT(out.size(), 10000u);
}

// The scan finds what it looks for: a name between separators and a whole
// text of five words, without regard to case.
TEST(ResultTables, ThePrivacyScanFindsANameAndAWholeText) {
    const std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F")}, {{"Ann", "see you at the bus stop"}});
    EXPECT_EQ(expect_no_name_or_whole_text("001\tc u\n", corpus->authors(), corpus->store()), 1);
    EXPECT_NONFATAL_FAILURE(
        expect_no_name_or_whole_text("code\tANN\n", corpus->authors(), corpus->store()), "Ann");
    EXPECT_NONFATAL_FAILURE(expect_no_name_or_whole_text("x\tSee you at the bus stop\n",
                                                         corpus->authors(), corpus->store()),
                            "bus stop");
}

} // namespace
} // namespace zapt::testing
