// What a load found wrong with a corpus, all in one pass: each rule broken with
// how often and where, and what was done about it; the counts of what was read
// and what was left out; the metadata that differed between an author's texts
// and the fields the corpus lacks. Nothing is changed or left out without a
// count here.
#pragma once

#include "corpus/data_files.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// One rule and every place that broke it.
struct ReportedProblem {
    std::string rule;     // a short name, e.g. "row too long"
    std::string sentence; // what is wrong, e.g. "a row has more fields than the header"
    std::string action;   // what was done, e.g. "row skipped"
    std::size_t count = 0;
    std::vector<std::string> places; // the first kPlacesKept, as "file:line"
};

// Authors whose texts gave more than one value of a field.
struct FieldDifference {
    std::string field; // e.g. "age" or the name of a metadata column
    std::size_t authors = 0;
};

// A column of a table beyond the fields: an author field (one value per
// author, that of most of the author's texts) or a text field (one value per
// text), with the evidence the choice rests on.
struct MetadataField {
    std::string name;
    bool textField = false;
    bool chosen = false; // by the user (--text-field, --author-field), not found
    // Of the authors with at least two texts giving a value (`informative`),
    // those whose texts give no value in more than half of them.
    std::size_t differing = 0;
    std::size_t informative = 0;
};

class LoadReport {
public:
    static constexpr std::size_t kPlacesKept = 5;

    // Records one occurrence of `rule` at `file`:`line` (no line when 0). The
    // sentence and action of the rule's first occurrence are kept.
    void add(std::string_view rule, std::string_view sentence, std::string_view action,
             std::string_view file, int line);

    // Records a problem that stops the load: the corpus cannot be read at all.
    // The first one is kept.
    void fail(std::string_view sentence, std::string_view file, int line);

    // Adds the problems and counts of a report of a later part of the same
    // file, keeping the first places in file order.
    void merge(const LoadReport& later);

    bool fatal() const { return fatal_.has_value(); }
    // The problem that stopped the load, as the DataError a program reports.
    std::optional<DataError> fatal_error() const;

    const std::vector<ReportedProblem>& problems() const { return problems_; }
    const ReportedProblem* find(std::string_view rule) const;
    // How often `rule` was broken (0 when never).
    std::size_t count(std::string_view rule) const;

    // The file read.
    std::string source;
    // Texts taken into the corpus; rows with an empty text left out.
    std::size_t textsRead = 0;
    std::size_t textsSkippedEmpty = 0;
    // Rows left out for any other reason (each also counted under its rule).
    std::size_t rowsSkipped = 0;
    std::size_t authors = 0;
    // Per field, the authors whose texts gave differing values (the value of
    // most of their texts taken); only fields where some did.
    std::vector<FieldDifference> differingAuthors;
    // Fields the corpus lacks altogether, each with why, e.g.
    // "education (no column)" or "age (no value in column \"Age\")".
    std::vector<std::string> absentFields;
    // Columns read for each field, e.g. "text: \"Message\"", and columns left
    // out, each with why.
    std::vector<std::string> columnsUsed;
    std::vector<std::string> columnsDropped;
    // The columns beyond the fields, in the header's order, each an author or
    // a text field.
    std::vector<MetadataField> metadataFields;
    // The encoding the file was read in ("UTF-8", "UTF-16LE", "windows-1252",
    // ...), and for a file that could not be read for its encoding the one
    // ICU's detection proposes (empty when none).
    std::string encoding;
    std::string proposedEncoding;

    // The whole report as JSON, as a compiled corpus keeps it, and back.
    std::string to_json() const;
    static LoadReport from_json(std::string_view json);

private:
    std::vector<ReportedProblem> problems_;
    struct Fatal {
        std::string sentence;
        std::string file;
        int line;
    };
    std::optional<Fatal> fatal_;
};

// The report as plain text: the counts, then the problems grouped by rule, each
// with its count, first places and what was done. A load that could not be
// read at all starts with "cannot be read:" and its place.
std::string format_report(const LoadReport& report);

// What the load changed or left out, one line per rule, for the header of every
// export: "on reading: empty text 2x, text left out". Nothing when the corpus
// was read as it is.
std::vector<std::string> load_notes(const LoadReport& report);

// The exit status a program ends with after the load: 2 when the corpus could
// not be read at all, 0 otherwise.
inline int exit_status(const LoadReport& report) {
    return report.fatal() ? 2 : 0;
}

} // namespace zapt
