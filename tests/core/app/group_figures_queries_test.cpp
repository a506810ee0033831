// The group figures the author index works out without a query equal, caption
// for caption, what the main window's group query and each author's Get Author
// Data show; the figures worked out from the data alone give the same.
#include "tests/core/app/main_window_world.h"
#include "variation/group_metrics.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

void expect_same(const std::vector<GroupMetricsRow>& quick,
                 const std::vector<GroupMetricsRow>& queried) {
    ASSERT_EQ(quick.size(), queried.size());
    for (std::size_t i = 0; i < quick.size(); ++i) {
        const std::string g = group_label(AgeBands(), quick[i].group);
        EXPECT_EQ(g, group_label(AgeBands(), queried[i].group));
        EXPECT_EQ(quick[i].authors, queried[i].authors) << g;
        EXPECT_EQ(quick[i].values, queried[i].values) << g;
        EXPECT_EQ(quick[i].spreadWithheld, queried[i].spreadWithheld) << g;
        EXPECT_EQ(quick[i].min, queried[i].min) << g;
        EXPECT_EQ(quick[i].max, queried[i].max) << g;
    }
}

TEST(GroupFigures, EqualTheQueriesOnTheBuiltInCorpus) {
    const DataSet data = load_builtin_data();
    Effects nowhere;
    const MainWindowState app(corpus_of(data), nowhere);
    MainWindowState scratch(corpus_of(data), nowhere);
    const std::vector<GroupMetricsRow> quick = group_metrics(app, 1);
    expect_same(quick, group_metrics_by_queries(scratch, 1));
    expect_same(group_metrics(data, AgeBands(), 1), quick);
    int authors = 0;
    for (const GroupMetricsRow& r : quick) authors += r.authors;
    EXPECT_EQ(authors, 53);
    // Working them out leaves the state as it was.
    EXPECT_EQ(app.form1().AgeTable.count(), 0);
    EXPECT_EQ(app.form1().NumOfGroupTexts, "0");
}

TEST(GroupFigures, EqualTheQueriesWhereCodesAndNamesAreAwkward) {
    // A code given twice (the selection finds the last row), an author
    // without texts, names matched without regard to case, an age between
    // two bands, a gender in small letters.
    const std::vector<RegisterRow> reg = {
        author("001", "Ann", "30", "F"), author("002", "Bo", "25.5", "f"),
        author("001", "Cy", "33", "F"), author("004", "Dee", "35", "F"),
        author("005", "Eve", "70", "M")};
    const std::vector<CorpusRow> corpus = {{"Ann", "hi there, u ok?"}, {"BO", "bk soon x"},
                                           {"Cy", "c u l8r"},          {"cy", "wot, wen?"},
                                           {"Eve", "Back at 5."},      {"Zed", "nobody's"}};
    World w(reg, corpus);
    Effects nowhere;
    DataSet d;
    d.authors = reg;
    d.corpus = corpus;
    d.glossary = small_glossary();
    d.variants = load_builtin_data().variants;
    MainWindowState scratch(corpus_of(d), nowhere);
    const std::vector<GroupMetricsRow> quick = group_metrics(*w, 1);
    expect_same(quick, group_metrics_by_queries(scratch, 1));
    expect_same(group_metrics(d, AgeBands(), 1), quick);
    const MainWindowState::GroupFigures f = w->groupFigures(AgeBand::From26To40, Gender::Female);
    // Each of the two register rows of 001 lists the code once for each of
    // them (both have texts): four rows of 001; Bo's 25.5 lies in this band too;
    // Dee has no texts.
    ASSERT_EQ(f.authors.size(), 5u);
    EXPECT_EQ(f.authors[0], f.authors[4]); // every row of 001 selects Cy, the last
    EXPECT_EQ(f.authors[0][0], "2");
}

} // namespace
} // namespace zapt::testing
