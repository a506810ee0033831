// The result table writers, on strings.
#include "variation/figure_definitions.h"
#include "variation/result_table.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zapt
