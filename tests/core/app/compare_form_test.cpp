// The comparison window's state: each event's operation and what it leaves
// for the window to show.
#include "app/compare_form.h"
#include "tests/core/app/main_window_world.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zapt::testing {
namespace {

TEST(CompareForm, EveryEventLeavesTheStateTheWindowShows) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F")},
            {{"Ann", "bk soon u ok"}, {"Bo", "back at 5 bak"}, {"Ann", "u there"}});
    const GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    CompareGroups c(w->corpus(), index, "u");
    const CompareForm& f = c.form12();
    // Opened: the first family compared, its own forms' box off; the
    // collocations of the selected form are found inside one text when their
    // tab is first shown.
    ASSERT_EQ(f.cboFamily.size(), w->variantFamilies().size() + 1);
    EXPECT_EQ(f.cboFamily.back(), "Your own forms:");
    EXPECT_EQ(f.comparison.forms.name, w->variantFamilies()[0].list);
    EXPECT_FALSE(f.txtOwnFormsEnabled);
    EXPECT_EQ(f.sharesRevision, 1u);
    EXPECT_EQ(f.tblShares.rows.size(), f.comparison.rows.size() * f.comparison.forms.forms.size());
    EXPECT_TRUE(f.tblOccurrences.rows.empty());
    c.tabResults_Change(CompareTab::Collocations);
    c.tabResults_Change(CompareTab::Shares);
    EXPECT_EQ(f.collocations.form, "u");
    EXPECT_TRUE(f.settings.withinText);
    EXPECT_EQ(f.tblCollocates.columns.size(), 8u);
    // "u ok" and "u there": "soon" before the first, nothing of another text
    // before the second.
    ASSERT_EQ(f.tblOccurrences.rows.size(), 2u);
    EXPECT_EQ(f.tblOccurrences.rows[1][0], "");

    // The own forms' row: nothing typed keeps the last tables and says so.
    c.cboFamily_Change(f.ownFormsRow());
    EXPECT_TRUE(f.txtOwnFormsEnabled);
    EXPECT_EQ(f.note, "Type at least one form to compare.");
    EXPECT_EQ(f.sharesRevision, 1u);
    c.txtOwnForms_Change("bk, BAK bk");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(f.note, "");
    EXPECT_EQ(f.comparison.forms.forms, (std::vector<std::string>{"bk", "BAK"}));
    EXPECT_EQ(f.sharesRevision, 2u);
    c.cboFamily_Change(-1); // no such row: nothing changes
    c.cboFamily_Change(f.ownFormsRow() + 1);
    EXPECT_EQ(f.family, f.ownFormsRow());

    // The author figures once, when their tab is first shown.
    c.tabResults_Change(CompareTab::Metrics);
    EXPECT_TRUE(f.metricsDone);
    EXPECT_EQ(f.tblMetrics.rows.size(), f.metrics.size());
    EXPECT_EQ(f.tabResults, CompareTab::Metrics);

    // Every setting counts again, held to its range.
    const unsigned before = f.collocationsRevision;
    c.spnSpan_Change(9);
    EXPECT_EQ(f.settings.span, 5);
    EXPECT_EQ(f.collocations.settings.span, 5);
    c.spnMinFrequency_Change(0);
    EXPECT_EQ(f.settings.minFrequency, 1);
    c.chkWithinText_Change(false);
    EXPECT_EQ(f.tblOccurrences.rows[1][0], "bak"); // the last word of the text before
    EXPECT_EQ(f.collocationsRevision, before + 3);
    c.txtCollForm_Change("zzz");
    c.cmdFindCollocations_Click();
    EXPECT_TRUE(f.tblOccurrences.rows.empty());
}

TEST(CompareForm, WithoutFamiliesTheOwnFormsAreTheOnlyChoiceAndOpen) {
    DataSet d;
    d.authors = {author("001", "Ann", "30", "F")};
    d.corpus = {{"Ann", "bk soon"}};
    d.glossary = small_glossary();
    Effects nowhere;
    const MainWindowState app(corpus_of(d), nowhere);
    const GroupIndex index(app.store(), app.authors(), app.corpus().bands());
    CompareGroups c(app.corpus(), index, "");
    EXPECT_EQ(c.form12().cboFamily, std::vector<std::string>{"Your own forms:"});
    EXPECT_TRUE(c.form12().txtOwnFormsEnabled);
    EXPECT_EQ(c.form12().note, "Type at least one form to compare.");
    c.txtOwnForms_Change("bk");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(c.form12().comparison.rows.back().cells[0].count, 1);
}

} // namespace
} // namespace zapt::testing

namespace zapt::testing {
namespace {

// A grouping chosen in one window: its tables and figures follow it, and a
// second window sharing the memory shows the same tables for each choice.
TEST(CompareForm, GroupingsAndTheMemoryWindowsShare) {
    World w({author("001", "Ann", "30", "F", "U"), author("002", "Bo", "35", "M", "HS"),
             author("003", "Cy", "40", "F", "NA")},
            {{"Ann", "bk back"}, {"Bo", "bk"}, {"Cy", "back"}});
    const GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    CompareMemory memory;
    CompareGroups first(w->corpus(), index, "bk", {"glossary: built-in (x)"}, &memory);
    const CompareForm& f = first.form12();
    EXPECT_EQ(f.lblApplied, "glossary: built-in (x)");
    EXPECT_TRUE(f.lblGroups.empty());
    const auto education = std::find(f.cboGroupBy.begin(), f.cboGroupBy.end(), "education");
    ASSERT_NE(education, f.cboGroupBy.end());
    const int row = static_cast<int>(education - f.cboGroupBy.begin());
    first.tabResults_Change(CompareTab::Metrics);
    first.cboGroupBy_Change(row);
    first.cboGroupBy_Change(static_cast<int>(f.cboGroupBy.size())); // no such row
    EXPECT_EQ(f.groupBy, row);
    EXPECT_EQ(f.tblShares.columns.front(), "education");
    EXPECT_EQ(f.tblMetrics.columns.front(), "education");
    EXPECT_EQ(f.tblMetrics.rows.size(), 2u); // HS and U; Cy's "NA" is no value
    EXPECT_NE(f.lblGroups.find("1 author with texts"), std::string::npos) << f.lblGroups;

    CompareGroups second(w->corpus(), index, "bk", {}, &memory);
    second.tabResults_Change(CompareTab::Metrics);
    second.cboGroupBy_Change(row);
    EXPECT_EQ(second.form12().tblShares.rows, f.tblShares.rows);
    EXPECT_EQ(second.form12().tblMetrics.rows, f.tblMetrics.rows);
    EXPECT_EQ(second.form12().tblCollocates.rows, f.tblCollocates.rows);
    second.cboGroupBy_Change(0);
    EXPECT_EQ(second.form12().tblShares.columns.front(), "band");
    EXPECT_EQ(second.form12().tblMetrics.rows.size(), 10u);
}

} // namespace
} // namespace zapt::testing

namespace zapt::testing {
namespace {

// The share chart follows the comparison and keeps its form while the forms
// hold it; the authors' table is made when its tab is shown and follows the
// forms, one row per author and form with the form's share of the author's
// uses of the forms.
TEST(CompareForm, TheChartAndTheAuthorsTableFollowTheComparison) {
    World w({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "M"),
             author("003", "Cy", "70", "F")},
            {{"Ann", "bk back bk"}, {"Bo", "back"}, {"Ann", "u bk"}});
    const GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    CompareGroups c(w->corpus(), index, "");
    const CompareForm& f = c.form12();
    c.cboFamily_Change(f.ownFormsRow());
    c.txtOwnForms_Change("back bk");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(f.cboChartForm, (std::vector<std::string>{"back", "bk"}));
    EXPECT_EQ(f.chart.form, "back");
    c.cboChartForm_Change(1);
    EXPECT_EQ(f.chart.form, "bk");
    EXPECT_EQ(f.tblChart.rows.size(), f.comparison.rows.size());
    const unsigned charts = f.chartRevision;
    c.cboChartForm_Change(2); // no such form: nothing changes
    EXPECT_EQ(f.chartRevision, charts);
    // "bk" is still compared: the chart stays on it; then a list without it.
    c.txtOwnForms_Change("bak bk");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(f.chartForm, 1);
    EXPECT_EQ(f.chart.form, "bk");
    c.txtOwnForms_Change("back bak");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(f.chartForm, 0);
    EXPECT_EQ(f.chart.form, "back");

    EXPECT_FALSE(f.authorsDone);
    c.tabResults_Change(CompareTab::Authors);
    ASSERT_TRUE(f.authorsDone);
    const ResultTable& t = f.tblAuthors;
    ASSERT_GE(t.columns.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(t.columns.end() - 4, t.columns.end()),
              (std::vector<std::string>{"form", "count", "words", "share"}));
    // code, form, count, words, share: Ann uses "back" once and no "bak";
    // Bo "back" once; Cy has no texts and no share.
    const std::vector<std::vector<std::string>> want = {
        {"001", "back", "1", "5", "1"}, {"001", "bak", "0", "5", "0"},
        {"002", "back", "1", "1", "1"}, {"002", "bak", "0", "1", "0"},
        {"003", "back", "0", "0", ""},  {"003", "bak", "0", "0", ""}};
    ASSERT_EQ(t.rows.size(), want.size());
    const std::size_t form = t.columns.size() - 4;
    for (std::size_t r = 0; r < want.size(); ++r) {
        const std::vector<std::string> got = {t.rows[r][0], t.rows[r][form], t.rows[r][form + 1],
                                              t.rows[r][form + 2], t.rows[r][form + 3]};
        EXPECT_EQ(got, want[r]) << "row " << r;
    }
    // A new comparison while the tab is shown: the table follows at once.
    const unsigned authors = f.authorsRevision;
    c.txtOwnForms_Change("bk u");
    c.cmdCompareGroups_Click();
    EXPECT_EQ(f.authorsRevision, authors + 1);
    EXPECT_EQ(f.tblAuthors.rows[0][form], "bk");
    EXPECT_EQ(f.tblAuthors.rows[0][form + 3], "0.75"); // Ann: bk 3 of bk 3 and u 1
}

// Opening on a form from elsewhere: the own forms compared over the grouping
// named as --group-by names it; a grouping that cannot be read changes nothing.
TEST(CompareForm, OpensOnAFormOverAGroupingNamedFromOutside) {
    World w({author("001", "Ann", "30", "F", "U"), author("002", "Bo", "35", "M", "HS"),
             author("003", "Cy", "40", "F", "HS")},
            {{"Ann", "bk back"}, {"Bo", "bk"}, {"Cy", "back bk"}});
    const GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    CompareGroups c(w->corpus(), index, "");
    const CompareForm& f = c.form12();
    c.tabResults_Change(CompareTab::Collocations);
    const struct {
        const char* forms;
        const char* groupBy;
        bool ok;
        std::vector<std::string> columns; // the shares table's group columns
        const char* caption;              // the grouping chosen
    } cases[] = {
        {"bk", "gender", true, {"gender"}, "gender"},
        // Crossed in either order: the window's one grouping of the two.
        {"bk", "education,gender", true, {"gender", "education"}, "gender × education"},
        {"bk", "gender,education", true, {"gender", "education"}, "gender × education"},
        {"back", "", true, {"band", "gender"}, "age band × gender"},
        {"bk", "band,gender", true, {"band", "gender"}, "age band × gender"},
        {"bk", "age", true, {"band"}, "age band"},
        {"bk", "region", false, {"band"}, "age band"},           // no such field
        {"bk", "gender,band,code", false, {"band"}, "age band"}, // three fields
        {" ,", "gender", false, {"band"}, "age band"},           // no form
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(std::string(e.forms) + " over " + e.groupBy);
        std::string error;
        EXPECT_EQ(c.compareOwnForms(e.forms, e.groupBy, &error), e.ok);
        EXPECT_EQ(error.empty(), e.ok) << error;
        EXPECT_EQ(f.cboGroupBy[static_cast<std::size_t>(f.groupBy)], e.caption);
        EXPECT_EQ(std::vector<std::string>(f.tblShares.columns.begin(),
                                           f.tblShares.columns.begin() +
                                               static_cast<long>(e.columns.size()) + 1),
                  [&] {
                      auto cols = e.columns;
                      cols.push_back("form");
                      return cols;
                  }());
        if (!e.ok) continue;
        EXPECT_EQ(f.family, f.ownFormsRow());
        EXPECT_TRUE(f.txtOwnFormsEnabled);
        EXPECT_EQ(f.txtOwnForms, e.forms);
        EXPECT_EQ(f.tabResults, CompareTab::Shares);
        EXPECT_EQ(f.comparison.forms.forms, std::vector<std::string>{e.forms});
        EXPECT_EQ(f.chart.form, e.forms);
    }
}

} // namespace
} // namespace zapt::testing
