#include "variation/result_table.h"

#include "variation/figure_definitions.h"

#include "corpus/text.h"

#include <algorithm>
#include <charconv>

#ifdef ZAPT_HAVE_XLSX
#include <xlsxwriter.h>
#endif

#ifndef ZAPT_VERSION
#define ZAPT_VERSION "unknown"
#endif

namespace zapt {
namespace {

bool needs_quotes(std::string_view cell) {
    if (!cell.empty() && cell.front() == '#') return true;
    return cell.find_first_of(",\"\r\n") != std::string_view::npos;
}

void append_csv_field(std::string& out, std::string_view cell) {
    const std::string_view utf8 = cell;
    if (!needs_quotes(utf8)) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void append_tsv_field(std::string& out, std::string_view cell) {
    for (char c : cell) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void append_record(std::string& out, const std::vector<std::string>& cells, std::size_t width,
                   TableFormat format) {
    static const std::string empty;
    for (std::size_t i = 0; i < width; ++i) {
        if (i > 0) out += format == TableFormat::Csv ? ',' : '\t';
        const std::string& cell = i < cells.size() ? cells[i] : empty;
        if (format == TableFormat::Csv) {
            append_csv_field(out, cell);
        } else {
            append_tsv_field(out, cell);
        }
    }
    out += '\n';
}

// One preamble line: line breaks inside the value would end the comment.
void append_comment(std::string& out, std::string_view text) {
    out += "# ";
    for (char c : text) out += (c == '\r' || c == '\n') ? ' ' : c;
    out += '\n';
}

} // namespace

std::string_view program_version() {
    return ZAPT_VERSION;
}

std::string ResultTable::setting(std::string_view key) const {
    for (const auto& [k, v] : settings) {
        if (k == key) return v;
    }
    return {};
}

std::string write_table(const ResultTable& table, TableFormat format) {
    std::string out;
    std::size_t width = table.columns.size();
    for (const auto& row : table.rows) width = std::max(width, row.size());
    append_record(out, table.columns, width, format);
    for (const auto& row : table.rows) append_record(out, row, width, format);
    return out;
}

std::string export_preamble(const ResultTable& table, const ExportHeader& header) {
    std::string out;
    append_comment(out, "ZAPT " + std::string(program_version()));
    append_comment(out, "corpus: " + header.corpus + ", " + std::to_string(header.corpusTexts) +
                            " texts");
    for (const std::string& note : header.notes) append_comment(out, note);
    append_comment(out, "selection: " + (header.selection.empty() ? "none" : header.selection));
    append_comment(out, "counting rule: " + std::string(kCountingRule));
    for (const FigureDefinition& f : kFigureDefinitions)
        append_comment(out,
                       "definition of " + std::string(f.name) + ": " + std::string(f.definition));
    if (!table.title.empty()) append_comment(out, "table: " + table.title);
    for (const auto& [key, value] : table.settings) append_comment(out, key + ": " + value);
    return out;
}

std::string write_export(const ResultTable& table, TableFormat format, const ExportHeader& header) {
    return export_preamble(table, header) + write_table(table, format);
}

#ifdef ZAPT_HAVE_XLSX

namespace {

// A cell that reads as a plain decimal number ("12", "0.4286", "-3"); codes
// with a leading zero ("012") stay text.
bool is_plain_number(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    std::size_t digits = 0;
    const std::size_t first = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (digits == 0 || (digits > 1 && s[first] == '0')) return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::size_t decimals = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++decimals;
        if (decimals == 0) return false;
    }
    return i == s.size();
}

} // namespace

bool xlsx_available() {
    return true;
}

std::string write_xlsx(const ResultTable& table, const ExportHeader& header,
                       const std::string& path) {
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) return "cannot create " + path;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_row_t r = 0;
    auto text = [&](lxw_col_t c, const std::string& utf8) {
        worksheet_write_string(sheet, r, c, utf8.c_str(), nullptr);
    };
    std::string preamble = export_preamble(table, header);
    std::size_t start = 0;
    for (std::size_t end = preamble.find('\n'); end != std::string::npos;
         start = end + 1, end = preamble.find('\n', start)) {
        // Already UTF-8.
        worksheet_write_string(sheet, r++, 0, preamble.substr(start, end - start).c_str(), nullptr);
    }
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        text(static_cast<lxw_col_t>(c), table.columns[c]);
    }
    ++r;
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            double value = 0;
            const char* end = row[c].data() + row[c].size();
            if (is_plain_number(row[c]) && std::from_chars(row[c].data(), end, value).ptr == end) {
                worksheet_write_number(sheet, r, static_cast<lxw_col_t>(c), value, nullptr);
            } else {
                text(static_cast<lxw_col_t>(c), row[c]);
            }
        }
        ++r;
    }
    lxw_error err = workbook_close(book);
    if (err != LXW_NO_ERROR) return std::string("cannot write ") + path + ": " + lxw_strerror(err);
    return {};
}

#else

bool xlsx_available() {
    return false;
}

std::string write_xlsx(const ResultTable&, const ExportHeader&, const std::string&) {
    return "this build has no XLSX writer (libxlsxwriter was not found)";
}

#endif

} // namespace zapt
