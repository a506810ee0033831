#include "results/result_table.h"

#include "results/figure_definitions.h"

#include "corpus/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

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

// ---- Reading a table on screen ----

const std::vector<ColumnHeading>& column_headings() {
    using K = CellKind;
    static const std::vector<ColumnHeading> headings = {
        // Word lists and keywords.
        {"form", "Form", K::Text, "the form (a folded piece, in its most frequent spelling)"},
        {"count", "Count", K::Number, "occurrences of the form"},
        {"per_10k", "Per 10k", K::Number, "count * 10000 / words"},
        {"texts", "Texts", K::Number, "number of texts"},
        {"ci_low", "95 % interval from", K::Number,
         "the lower end of the 95 % Wilson score interval of the share"},
        {"ci_high", "95 % interval to", K::Number,
         "the upper end of the 95 % Wilson score interval of the share"},
        {"authors_shown", "Authors shown", K::Number,
         "authors shown as dots (none below the privacy threshold)"},
        {"n", "n", K::Number, "the family's tokens in the group: the base of the share"},
        {"authors_using", "Authors using", K::Number, "authors whose texts hold the form"},
        {"dp", "DP", K::Number,
         "Gries's deviation of proportions over the authors: 0 spread evenly, near 1 in few "
         "authors' texts"},
        {"top_author_share", "Top author's share", K::Share,
         "the largest single author's count / the count, shown as a percentage"},
        {"interpretation", "Interpretation", K::Text, "the glossary's interpretation"},
        {"count_a", "Count A", K::Number, "occurrences in A"},
        {"count_b", "Count B", K::Number, "occurrences in B"},
        {"per_10k_a", "Per 10k A", K::Number, "count in A * 10000 / words of A"},
        {"per_10k_b", "Per 10k B", K::Number, "count in B * 10000 / words of B"},
        {"g2", "G\u00b2", K::Number, "log-likelihood G\u00b2 of the form's counts in A and B"},
        {"log_ratio", "Log ratio", K::Number,
         "log2 of the ratio of the rates in A and B (0.5 in place of a zero count)"},
        {"pct_diff", "%DIFF", K::Number,
         "100 (rate in A - rate in B) / rate in B; empty when the count in B is 0"},
        {"authors_a", "Authors A", K::Number, "authors of A using the form"},
        {"authors_b", "Authors B", K::Number, "authors of B using the form"},
        {"side", "Side", K::Text, "a: the rate is higher in A; b: in B"},
        // Concordances and subcorpora.
        {"code", "Code", K::Text, "the author's code"},
        {"left", "Left", K::Text, "left of the hit (collocates: occurrences to the left)"},
        {"hit", "Hit", K::Text, "the form found"},
        {"right", "Right", K::Text, "right of the hit (collocates: occurrences to the right)"},
        {"lines", "Lines", K::Number, "concordance lines shown"},
        {"hits", "Hits", K::Number, "hits of the form or pattern"},
        {"name", "Name", K::Text, "the subcorpus's name"},
        {"conditions", "Conditions", K::Text, "the subcorpus's conditions"},
        {"authors", "Authors", K::Number, "number of authors"},
        {"words", "Words", K::Number, "number of words"},
        // Author fields and groups.
        {"age", "Age", K::Text, "the author's age"},
        {"band", "Age band", K::Text, "the author's age band"},
        {"gender", "Gender", K::Text, "the author's gender"},
        {"education", "Education", K::Text, "the author's education"},
        {"native_language", "Native language", K::Text, "the author's native language"},
        {"group", "Group", K::Text, "the group"},
        // The comparison of groups.
        {"share", "Share", K::Number,
         "count / the sum of the counts of the family's forms in the group"},
        {"one_author_over_half", "One author over half", K::Text,
         "whether one author gives more than half of the count"},
        {"note", "Note", K::Text, ""},
        {"test", "Test", K::Text, "the test"},
        {"statistic", "Statistic", K::Number, "the test statistic"},
        {"df", "df", K::Number, "degrees of freedom"},
        {"p", "p", K::PValue,
         "the p-value; \"< 1e-300\" where it is smaller than the computer holds (exports: 0)"},
        // Collocations.
        {"word_before", "Word before", K::Text, "the word before the form"},
        {"word_after", "Word after", K::Text, "the word after the form"},
        {"word", "Word", K::Text, "the collocate"},
        {"corpus_frequency", "Corpus frequency", K::Number, "the collocate's count in the corpus"},
        {"mi", "MI", K::Number, "mutual information"},
        {"log_dice", "logDice", K::Number, "logDice"},
        {"log_likelihood", "Log-likelihood", K::Number, "log-likelihood"},
        {"ll", "LL", K::Number, "log-likelihood"},
        {"t_score", "t-score", K::Number, "t-score"},
        // The author figures of the groups.
        {"av_text_length", "Av. text length", K::Number, "average text length"},
        {"av_characters", "Av. characters per text", K::Number,
         "average number of characters per text"},
        {"av_word_cluster_length", "Av. word cluster length", K::Number,
         "average word cluster length"},
        {"av_punctuation_density", "Av. punctuation density", K::Number,
         "average punctuation density"},
        {"non_standard_density", "Non-standard density", K::Number,
         "average density of non-standard forms"},
        // The main window's tables.
        {"caption", "Caption", K::Text, ""},
        {"value", "Value", K::Text, ""},
        {"before", "Before", K::Text, "the word before"},
        {"after", "After", K::Text, "the word after"},
        {"family", "Family", K::Text, "the variant family"},
        {"author_code", "Author code", K::Text, "the author's code"},
        {"author_count", "Author's count", K::Number, "the form's count in the author's texts"},
        {"group_count", "Group's count", K::Number, "the form's count in the group's texts"},
        {"corpus_count", "Corpus count", K::Number, "the form's count in the corpus"},
        {"cluster", "Cluster", K::Text, "the cluster"},
        // The lexicon's proposals, candidates and families.
        {"kind", "Kind", K::Text,
         "variant, particle, laughter, emoticon, number, placeholder, name, other-language or "
         "unresolved"},
        {"status", "Status", K::Text, "proposed, accepted or rejected"},
        {"score", "Score", K::Number, "how likely the candidate is, from 0 to 1"},
        {"candidate", "Candidate", K::Text, "a standard word the form may stand for"},
        {"process", "Process", K::Text,
         "the spelling processes that lead from the word to the form"},
        {"standard", "Standard form", K::Text, "the standard word the family's variants stand for"},
        {"variants", "Variants", K::Text, "the family's variants"},
        {"kept", "Kept", K::Text, "whether the family is one of the corpus's families"},
    };
    return headings;
}

ColumnHeading column_heading(std::string_view column) {
    for (const ColumnHeading& h : column_headings()) {
        if (h.column == column) return h;
    }
    for (const auto& [suffix, words] :
         {std::pair<std::string_view, std::string_view>{"_min", " (min)"}, {"_max", " (max)"}}) {
        if (column.size() <= suffix.size() ||
            column.substr(column.size() - suffix.size()) != suffix)
            continue;
        const std::string_view base = column.substr(0, column.size() - suffix.size());
        for (const ColumnHeading& h : column_headings()) {
            if (h.column == base)
                return {std::string(column), h.heading + std::string(words), h.kind, h.definition};
        }
    }
    return {std::string(column), std::string(column), CellKind::Text, {}};
}

namespace {

// The value of a cell that is a number as a whole ("12", "0.1234", "-3",
// "1e-07"); a percentage sign or any other text makes it no number.
std::optional<double> number_of(std::string_view s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || p != end || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string general(double v, int digits) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    return std::string(buf, res.ptr);
}

} // namespace

std::string shown_cell(std::string_view column, std::string_view cell, bool round) {
    const CellKind kind = column_heading(column).kind;
    if (kind == CellKind::Share) {
        if (const auto v = number_of(cell)) {
            // Two decimals of a percent, without trailing zeros: "42.86 %", "50 %".
            char buf[64];
            auto res = std::to_chars(buf, buf + sizeof buf, *v * 100, std::chars_format::fixed, 2);
            std::string s(buf, res.ptr);
            while (s.back() == '0') s.pop_back();
            if (s.back() == '.') s.pop_back();
            if (s == "-0") s = "0";
            return s + " %";
        }
    }
    if (kind == CellKind::PValue) {
        // A p-value below the smallest normal double is computed as 0; it is
        // no certainty, only a number too small to hold.
        if (const auto v = number_of(cell); v && *v == 0) return "< 1e-300";
    }
    if (round && cell.size() > 8) {
        const std::size_t point = cell.find('.');
        if (point != std::string_view::npos && cell.size() - point > 5) {
            if (const auto v = number_of(cell)) return general(*v, 6);
        }
    }
    return std::string(cell);
}

std::vector<std::size_t> sorted_rows(const ResultTable& table, std::size_t column,
                                     bool descending) {
    // Every row's key once: empty, a value, or a folded text.
    struct Key {
        int rank = 0; // 0 a number, 1 a text, 2 empty
        double number = 0;
        std::string text;
    };
    std::vector<Key> keys(table.rows.size());
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& cells = table.rows[r];
        const std::string_view s = column < cells.size() ? std::string_view(cells[column]) : "";
        Key& k = keys[r];
        if (s.empty()) {
            k.rank = 2;
        } else if (const auto v = number_of(s)) {
            k.number = *v;
        } else {
            k.rank = 1;
            k.text = fold_text(s);
        }
    }
    auto before = [&](std::size_t a, std::size_t b) {
        const Key& x = keys[a];
        const Key& y = keys[b];
        if (x.rank == 2 || y.rank == 2) return x.rank < y.rank; // empty last, either way
        if (x.rank != y.rank) return descending ? x.rank > y.rank : x.rank < y.rank;
        if (x.rank == 0) return descending ? y.number < x.number : x.number < y.number;
        return descending ? y.text < x.text : x.text < y.text;
    };
    std::vector<std::size_t> order(table.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), before);
    return order;
}

ResultTable rows_in_order(ResultTable table, const std::vector<std::size_t>& order) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(order.size());
    for (std::size_t r : order) {
        if (r < table.rows.size()) rows.push_back(std::move(table.rows[r]));
    }
    table.rows = std::move(rows);
    return table;
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
