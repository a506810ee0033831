// Every column the program's tables hold has a heading a reader understands:
// a table made without one would show its machine name on screen.
#include "results/result_table.h"
#include "variation/share_chart.h"

#include <gtest/gtest.h>

#include <set>

namespace zapt {
namespace {

std::set<std::string> headed_columns() {
    std::set<std::string> names;
    for (const ColumnHeading& h : column_headings()) names.insert(h.column);
    return names;
}

TEST(ReaderHeadings, TheShareChartsTableIsHeadedThroughout) {
    ShareChart chart;
    chart.groupColumns = {"band", "gender"};
    const ResultTable t = share_chart_table(chart);
    const std::set<std::string> headed = headed_columns();
    for (const std::string& c : t.columns) EXPECT_TRUE(headed.count(c)) << c;
    EXPECT_EQ(column_heading("ci_low").heading, "95 % interval from");
    EXPECT_EQ(column_heading("authors_shown").heading, "Authors shown");
}

} // namespace
} // namespace zapt
