// A corpus as one table: a CSV or TSV file with a header row and one row per
// text, in corpus order, with the metadata of each text's author on its row.
// The reader builds the author register from the rows (one author per
// identifier, in order of first appearance) and reports every problem it met
// in a LoadReport; only a file that cannot be read at all stops it.
//
// Also the glossary and the variant families as CSV tables.
#pragma once

#include "corpus/data_files.h"
#include "corpus/load_report.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zapt {

struct TableOptions {
    // Field to column: a column of any name read as one of the fields "text",
    // "author", "age", "gender", "education", "native" or "code" (as given by
    // --map FIELD=COLUMN). The column is found by its header without regard to
    // case and surrounding blanks.
    std::vector<std::pair<std::string, std::string>> map;
    // The delimiter; 0 to take it from the file's name and header line.
    char delimiter = 0;
    // The encoding of a file that is not UTF-8 (as --encoding names it, e.g.
    // "windows-1252"); empty for UTF-8. A file that is UTF-8 or UTF-16 by its
    // byte-order mark is read as such whatever is named here.
    std::string encoding;
    // Columns read as text fields or as author fields whatever their values
    // (--text-field NAME, --author-field NAME), found as --map finds a column.
    // Every other column beyond the fields is a text field when its value
    // differs between an author's texts for most authors (see
    // kTextFieldRule), and an author field otherwise.
    std::vector<std::string> textFields;
    std::vector<std::string> authorFields;
    // Called now and then with the fraction read; returning false stops the
    // load with LoadCancelled.
    LoadProgress progress;
};

// The rule that makes a column a text field, in the words the program shows.
extern const char* const kTextFieldRule;

// Adds one "FIELD=COLUMN" to `options.map`; returns the message for the user
// when the argument is not of that form or FIELD is none of the fields.
std::optional<std::string> add_column_mapping(TableOptions& options, std::string_view argument);

// Whether `path` names a table (.csv, .tsv or .txt, any case) rather than a
// folder of JSON files.
bool is_table_path(const std::string& path);

// Reads the table in `content` (the UTF-8 bytes of the file named `file`, which
// gives the delimiter and the places in the report). Never throws for a
// problem of the table: each goes to `report`, and one that stops the load
// leaves report.fatal() set and the data set empty.
DataSet read_table_text(std::string_view file, std::string_view content,
                        const TableOptions& options, LoadReport& report);

// The same for the file at `path` (a file that cannot be opened is fatal).
DataSet read_table_corpus(const std::string& path, const TableOptions& options, LoadReport& report);

// The entry point for the programs: reads the table at `path` with the
// built-in glossary and variant families, and throws a DataError (file, line,
// rule) only when it cannot be read at all; everything else is in `report`.
DataSet load_table_corpus(const std::string& path, const TableOptions& options, LoadReport& report);

// The glossary as a table with the columns "form" and "interpretation"; the
// variant families as a table with the columns "family" and "form", one row per
// form, the families in order of first appearance. A family named as one of
// the sixteen built-in families' stems (e.g. "Been") keeps that family's list
// and stem names; any other gets "lst" and its letters and digits, e.g. "lstGonna".
// A broken rule raises a DataError naming the file, the line and the rule.
GlossaryData read_glossary_csv(std::string_view file, std::string_view content);
std::vector<VariantFamily> read_families_csv(std::string_view file, std::string_view content);

// The glossary or families file at `path`: JSON (as read_glossary and
// read_variants read it) for a .json file, a table otherwise.
GlossaryData load_glossary_file(const std::string& path);
std::vector<VariantFamily> load_families_file(const std::string& path);

} // namespace zapt
