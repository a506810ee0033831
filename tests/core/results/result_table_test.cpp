// The result table writers, on strings.
#include "results/figure_definitions.h"
#include "results/result_table.h"

#include <gtest/gtest.h>

#include <set>

namespace zapt {
namespace {

ResultTable table_of(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows) {
    ResultTable t;
    t.title = "Test table";
    t.columns = std::move(columns);
    t.rows = std::move(rows);
    return t;
}

TEST(ResultTableCsv, QuotesOnlyTheFieldsThatNeedIt) {
    const struct {
        std::string cell;
        std::string csv;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {"crlf\r\n", "\"crlf\r\n\""},
        {"#hash", "\"#hash\""}, // would read as a comment line in the first column
        {"mid#hash", "mid#hash"},
        {"dat's", "dat's"},
        {"tab\there", "tab\there"},
        {" padded ", " padded "},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"}, // every character as it is
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD \xD9\x85", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD \xD9\x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(write_table(table_of({"x"}, {{c.cell}}), TableFormat::Csv), "x\n" + c.csv + "\n")
            << c.cell;
    }
}

TEST(ResultTableTsv, TabsAndLineBreaksInsideACellBecomeBlanks) {
    const struct {
        std::string cell;
        std::string tsv;
    } cases[] = {
        {"plain", "plain"},           {"a\tb", "a b"}, {"a\nb", "a b"}, {"a\r\nb", "a  b"},
        {"say \"hi\"", "say \"hi\""}, {"a,b", "a,b"},  {"#x", "#x"},    {"\xC3\xA9", "\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(write_table(table_of({"x", "y"}, {{c.cell, "2"}}), TableFormat::Tsv),
                  "x\ty\n" + c.tsv + "\t2\n")
            << c.cell;
    }
}

TEST(ResultTable, RowsAreWrittenInOrderAndShortRowsPadded) {
    ResultTable t = table_of({"caption", "value", "note"}, {{"Total", "12"}, {"a\tb", "1,5", "x"}});
    EXPECT_EQ(write_table(t, TableFormat::Csv), "caption,value,note\nTotal,12,\na\tb,\"1,5\",x\n");
    EXPECT_EQ(write_table(t, TableFormat::Tsv), "caption\tvalue\tnote\nTotal\t12\t\na b\t1,5\tx\n");
    // A table without rows still has its header line.
    EXPECT_EQ(write_table(table_of({"a", "b"}, {}), TableFormat::Csv), "a,b\n");
}

TEST(ResultTable, ExportBeginsWithThePreamble) {
    ResultTable t = table_of({"form", "count"}, {{"bk", "3"}});
    t.settings = {{"family", "lstBack"}, {"privacy threshold", "3"}, {"note", "two\nlines"}};
    ExportHeader h;
    h.corpusTexts = 977;
    h.selection = "group 26 to 40 F";
    const std::string out = write_export(t, TableFormat::Csv, h);
    // Every export says how each figure is worked out, what the punctuation
    // density divides by and that group values are means over authors among them.
    std::string definitions;
    for (const FigureDefinition& f : kFigureDefinitions)
        definitions +=
            "# definition of " + std::string(f.name) + ": " + std::string(f.definition) + "\n";
    EXPECT_NE(definitions.find("# definition of av_punctuation_density: the author's punctuation "
                               "marks"),
              std::string::npos);
    EXPECT_NE(definitions.find("divided by the author's word total (not by the number of "
                               "characters)"),
              std::string::npos);
    EXPECT_NE(definitions.find("# definition of group averages: the unweighted mean over the "
                               "group's authors"),
              std::string::npos);
    const std::string expected = "# ZAPT " + std::string(program_version()) +
                                 "\n"
                                 "# corpus: built-in, 977 texts\n"
                                 "# selection: group 26 to 40 F\n"
                                 "# counting rule: " +
                                 std::string(kCountingRule) + "\n" + definitions +
                                 "# table: Test table\n"
                                 "# family: lstBack\n"
                                 "# privacy threshold: 3\n"
                                 "# note: two lines\n"
                                 "form,count\n"
                                 "bk,3\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(t.setting("family"), "lstBack");
    EXPECT_EQ(t.setting("missing"), "");
    EXPECT_NE(program_version(), "unknown");
}

TEST(ResultTable, XlsxWriterReportsFailureInsteadOfSucceedingSilently) {
    ResultTable t = table_of({"code", "value"}, {{"012", "0.25"}});
    const std::string err = write_xlsx(t, ExportHeader{}, "/nonexistent-dir/x.xlsx");
    EXPECT_FALSE(err.empty());
    if (xlsx_available()) {
        const std::string path = ::testing::TempDir() + "zapt_table_test.xlsx";
        EXPECT_EQ(write_xlsx(t, ExportHeader{}, path), "");
        std::FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        char magic[2] = {};
        EXPECT_EQ(std::fread(magic, 1, 2, f), 2u);
        std::fclose(f);
        std::remove(path.c_str());
        EXPECT_EQ(std::string(magic, 2), "PK"); // a zip container
    }
}

// ---- On screen: headings, cells and the order of the rows ----

TEST(ResultTableOnScreen, ColumnsAreHeadedForAReader) {
    const struct {
        std::string column, heading;
        CellKind kind;
    } cases[] = {
        {"count_a", "Count A", CellKind::Number},
        {"per_10k_a", "Per 10k A", CellKind::Number},
        {"g2", "G\u00b2", CellKind::Number},
        {"log_ratio", "Log ratio", CellKind::Number},
        {"pct_diff", "%DIFF", CellKind::Number},
        {"top_author_share", "Top author's share", CellKind::Share},
        {"share", "Share", CellKind::Number},
        {"p", "p", CellKind::PValue},
        {"authors_using", "Authors using", CellKind::Number},
        // A figure's spread takes the figure's heading.
        {"av_text_length_min", "Av. text length (min)", CellKind::Number},
        {"texts_max", "Texts (max)", CellKind::Number},
        // A metadata column of the user's corpus keeps its own name, even one
        // that ends like a spread or is empty.
        {"region", "region", CellKind::Text},
        {"region_min", "region_min", CellKind::Text},
        {"_min", "_min", CellKind::Text},
        {"", "", CellKind::Text},
    };
    for (const auto& c : cases) {
        const ColumnHeading h = column_heading(c.column);
        EXPECT_EQ(h.heading, c.heading) << c.column;
        EXPECT_EQ(h.column, c.column);
        EXPECT_EQ(h.kind, c.kind) << c.column;
    }
    // One entry per machine name, each with a heading.
    std::set<std::string> names;
    for (const ColumnHeading& h : column_headings()) {
        EXPECT_TRUE(names.insert(h.column).second) << h.column;
        EXPECT_FALSE(h.heading.empty()) << h.column;
    }
}

TEST(ResultTableOnScreen, CellsAreShownAsAReaderReadsThem) {
    const struct {
        std::string column, cell;
        bool round;
        std::string shown;
    } cases[] = {
        {"top_author_share", "0.4286", false, "42.86 %"},
        {"top_author_share", "1", false, "100 %"},
        {"top_author_share", "0.5", false, "50 %"},
        {"top_author_share", "0", false, "0 %"},
        {"top_author_share", "0.333333333333", true, "33.33 %"},
        {"top_author_share", "0.00001", false, "0 %"},
        {"top_author_share", "", false, ""},  // no author uses the form
        {"share", "0.2500", false, "0.2500"}, // beside its chart of percentages
        {"share", "-", false, "-"},
        // A p-value too small for a double is no zero.
        {"p", "0", false, "< 1e-300"},
        {"p", "0.04311", false, "0.04311"},
        {"p", "1.235e-07", false, "1.235e-07"},
        {"p", "", false, ""},
        // Rounding to six significant digits only where asked and only
        // numbers of more than five decimals.
        {"g2", "12.345678901234", true, "12.3457"},
        {"g2", "12.345678901234", false, "12.345678901234"},
        {"g2", "0.000000123456789", true, "1.23457e-07"},
        {"dp", "0.5", true, "0.5"},
        {"form", "1.2345678901", true, "1.23457"},
        {"form", "abc.defghijk", true, "abc.defghijk"},
        {"count", "123456789012", true, "123456789012"},
        {"region", "0.4286", false, "0.4286"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown_cell(c.column, c.cell, c.round), c.shown) << c.column << " " << c.cell;
}

TEST(ResultTableOnScreen, RowsSortByValueTextAndEmptyLast) {
    const ResultTable t = table_of({"x"}, {{"10"},
                                           {"9"},
                                           {""},
                                           {"-2.5"},
                                           {"b"},
                                           {"A"},
                                           {"1e-07"},
                                           {"9"},
                                           {"\xC3\x89t\xC3\xA9"}, // Été
                                           {"a"},
                                           {"Nan"}, // a word, not a number that is none
                                           {"inf"}});
    const struct {
        bool descending;
        std::vector<std::size_t> order;
    } cases[] = {
        // Numbers by value (not "10" before "9"), then texts without regard to
        // case (A and a keep their order), then the empty cell.
        {false, {3, 6, 1, 7, 0, 5, 9, 4, 11, 10, 8, 2}},
        {true, {8, 10, 11, 4, 5, 9, 0, 1, 7, 6, 3, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(sorted_rows(t, 0, c.descending), c.order);
    // A column beyond a short row reads as empty; a table without rows has no order.
    EXPECT_EQ(sorted_rows(table_of({"x", "y"}, {{"1", "2"}, {"3"}}), 1, false),
              (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(sorted_rows(table_of({"x", "y"}, {{"1"}, {"3", "2"}}), 1, true),
              (std::vector<std::size_t>{1, 0}));
    EXPECT_TRUE(sorted_rows(table_of({"x"}, {}), 0, false).empty());

    const ResultTable ordered = rows_in_order(t, sorted_rows(t, 0, false));
    ASSERT_EQ(ordered.rows.size(), t.rows.size());
    EXPECT_EQ(ordered.rows.front()[0], "-2.5");
    EXPECT_EQ(ordered.rows.back()[0], "");
    EXPECT_EQ(ordered.columns, t.columns);
    EXPECT_EQ(ordered.title, t.title);
}

} // namespace
} // namespace zapt
