// Result tables: every list and result panel of the program as plain rows of
// text, with the settings that produced them, and the writers that copy or
// export them.
//
// Cells hold UTF-8 text like the rest of the core, and every writer emits it
// as it is, so a window puts the written bytes on the clipboard or into a
// file unchanged.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zapt {

// The version written into every export.
std::string_view program_version();

// How every word of the program is counted, as the export preamble states it.
inline constexpr std::string_view kCountingRule =
    "a word counts where a blank-separated piece of the text equals it without regard to "
    "letter case; punctuation is removed by the text's own cleaning before counting";

struct ResultTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows; // each row one cell per column
    // The settings that produced the table (family, group, threshold, ...), in order.
    std::vector<std::pair<std::string, std::string>> settings;

    // The value of a setting; empty when the table has none of that name.
    std::string setting(std::string_view key) const;
};

// ---- Reading a table on screen ----
//
// The cells and column names of a table are its machine form: copies,
// exports and zapt-report write them as they are. A window shows each column
// under a heading a reader understands and some cells in a reader's form (a
// share as a percentage); the one table of headings below says how.

// What the cells of a column hold, for showing them.
enum class CellKind {
    Text,   // shown as they are
    Number, // shown as they are (six significant digits where a window rounds)
    Share,  // a proportion from 0 to 1, shown as a percentage: "0.4286" as "42.86 %"
    PValue, // a p-value: "0" (below the smallest number a double holds) as "< 1e-300"
};

struct ColumnHeading {
    std::string column;  // the machine name: "count_a"
    std::string heading; // what a window shows: "Count A"
    CellKind kind = CellKind::Text;
    std::string definition; // what the column holds, for the heading's tool tip
};

// Every machine name of the program's tables with its heading.
const std::vector<ColumnHeading>& column_headings();

// The heading of `column`. A column of the table of headings takes its entry;
// "X_min" and "X_max" take the heading of X with "(min)" and "(max)"; any
// other column (a metadata column of the user's corpus) is headed by its own
// name, its cells shown as they are.
ColumnHeading column_heading(std::string_view column);

// The text a window shows for `cell` of `column`: a share as a percentage, a
// p-value of 0 as "< 1e-300"; with `round`, a number of more than five
// decimals to six significant digits. Every other cell as it is.
std::string shown_cell(std::string_view column, std::string_view cell, bool round = false);

// The order in which a window shows the rows sorted by `column`: the table
// rows (indices) in that order. Cells that read as numbers as a whole
// ("12", "-0.5", "1e-07") sort by their value before the cells that do not,
// which sort by their text without regard to case; empty cells come last in
// either direction. Stable: rows with equal cells keep their order.
std::vector<std::size_t> sorted_rows(const ResultTable& table, std::size_t column, bool descending);

// The table with its rows in the order `order` gives (table row indices).
ResultTable rows_in_order(ResultTable table, const std::vector<std::size_t>& order);

enum class TableFormat { Csv, Tsv };

// What an export states about itself in its first lines, each starting with "#".
struct ExportHeader {
    std::string corpus = "built-in"; // which corpus the figures come from
    int corpusTexts = 0;             // its number of texts
    std::string selection;           // e.g. "group 26 to 40 F", "author 012", "all groups"
    // What applies beyond the corpus itself, one line each, e.g.
    // "glossary: built-in (British English, 743 forms)".
    std::vector<std::string> notes;
};

// Writes the table: a header line of the column names, then one line per row.
//
// CSV follows RFC 4180 except that every record ends with LF alone (so that
// "#" lines, grep and the usual R and Python readers behave the same on every
// system): a field holding a comma, a double quote, CR or LF, or starting with
// "#" is enclosed in double quotes, and a double quote inside it is doubled.
// TSV has no quoting: a tab, CR or LF inside a cell is written as a blank.
// A row shorter than the header is padded with empty cells.
std::string write_table(const ResultTable& table, TableFormat format);

// The same, preceded by the export preamble: the program and its version, the
// corpus and its number of texts, the selection, the counting rule, the
// table's title and each of its settings, one "# " line each.
std::string write_export(const ResultTable& table, TableFormat format, const ExportHeader& header);

// The preamble lines alone (each ending with LF).
std::string export_preamble(const ResultTable& table, const ExportHeader& header);

// Whether the program was built with the XLSX writer (Debian's libxlsxwriter).
bool xlsx_available();

// Writes the table into an XLSX workbook at `path`: the preamble lines first,
// one per row, then the header row and the rows; cells that read as plain
// decimal numbers are stored as numbers, every other cell as text (never as a
// formula). Returns an empty string on success, otherwise what went wrong.
std::string write_xlsx(const ResultTable& table, const ExportHeader& header,
                       const std::string& path);

} // namespace zapt
