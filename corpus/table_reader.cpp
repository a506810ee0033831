#include "corpus/table_reader.h"

#include "corpus/encoding.h"
#include "corpus/metadata.h"
#include "corpus/text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <unordered_map>
#include <unordered_set>

namespace zapt {
namespace {

// ---------------------------------------------------------------------------
// Records of a CSV or TSV file (RFC 4180 quoting, any line ends).

struct Record {
    std::vector<std::string> fields;
    int line = 1;          // the line the record starts on
    std::size_t begin = 0; // its bytes in the content, line end excluded
    std::size_t end = 0;
    bool empty_line = false;          // nothing at all between two line ends
    int unclosed_quote_line = 0;      // a quoted field runs to the end of the file
    int text_after_quote_line = 0;    // characters between a closing quote and the delimiter
    int blanks_around_quote_line = 0; // blanks before an opening or after a closing quote
};

class Records {
public:
    Records(std::string_view s, char delimiter) : s_(s), delimiter_(delimiter) {}

    std::size_t position() const { return p_; }

    bool next(Record& r) {
        if (p_ >= s_.size()) return false;
        r.fields.clear();
        r.line = line_;
        r.begin = p_;
        r.unclosed_quote_line = 0;
        r.text_after_quote_line = 0;
        r.blanks_around_quote_line = 0;
        std::string field;
        for (;;) {
            field.clear();
            read_field(r, field);
            r.fields.push_back(field);
            if (p_ < s_.size() && s_[p_] == delimiter_) {
                ++p_;
                continue;
            }
            break;
        }
        r.end = p_;
        r.empty_line = r.end == r.begin;
        // The line end: CRLF, LF or a lone CR.
        if (p_ < s_.size() && s_[p_] == '\r') ++p_;
        if (p_ < s_.size() && s_[p_] == '\n') ++p_;
        ++line_;
        return true;
    }

private:
    bool blank(char c) const { return c == ' ' || (c == '\t' && delimiter_ != '\t'); }
    bool ends_field(char c) const { return c == delimiter_ || c == '\r' || c == '\n'; }

    // Counts the line ends in s_[from, to).
    void count_lines(std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (s_[i] == '\n' || (s_[i] == '\r' && (i + 1 >= s_.size() || s_[i + 1] != '\n'))) {
                ++line_;
            }
        }
    }

    void read_field(Record& r, std::string& field) {
        // Blanks before an opening quote are not part of the field.
        std::size_t q = p_;
        while (q < s_.size() && blank(s_[q])) ++q;
        if (q < s_.size() && s_[q] == '"') {
            if (q != p_ && !r.blanks_around_quote_line) r.blanks_around_quote_line = line_;
            p_ = q + 1;
            const int opened = line_;
            for (;;) {
                std::size_t close = s_.find('"', p_);
                if (close == std::string_view::npos) {
                    field.append(s_.substr(p_));
                    count_lines(p_, s_.size());
                    p_ = s_.size();
                    r.unclosed_quote_line = opened;
                    return;
                }
                field.append(s_.substr(p_, close - p_));
                count_lines(p_, close);
                p_ = close + 1;
                if (p_ < s_.size() && s_[p_] == '"') { // a doubled quote
                    field += '"';
                    ++p_;
                    continue;
                }
                break;
            }
            // After the closing quote: blanks are dropped, anything else kept.
            std::size_t after = p_;
            while (after < s_.size() && blank(s_[after])) ++after;
            if (after < s_.size() && !ends_field(s_[after])) {
                if (!r.text_after_quote_line) r.text_after_quote_line = line_;
                std::size_t e = p_;
                while (e < s_.size() && !ends_field(s_[e])) ++e;
                field.append(s_.substr(p_, e - p_));
                p_ = e;
            } else {
                if (after != p_ && !r.blanks_around_quote_line) r.blanks_around_quote_line = line_;
                p_ = after;
            }
            return;
        }
        std::size_t e = p_;
        while (e < s_.size() && !ends_field(s_[e])) ++e;
        field.append(s_.substr(p_, e - p_));
        p_ = e;
    }

    std::string_view s_;
    char delimiter_;
    std::size_t p_ = 0;
    int line_ = 1;
};

// The delimiter outside quotes on the first line of `s`: tab, comma or
// semicolon, the first that occurs in this order of preference.
char sniff_delimiter(std::string_view s, char preferred) {
    bool tab = false, comma = false, semicolon = false, quoted = false;
    for (char c : s) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        tab = tab || c == '\t';
        comma = comma || c == ',';
        semicolon = semicolon || c == ';';
    }
    if (preferred == ',' && comma) return ',';
    if (preferred == '\t' && tab) return '\t';
    if (tab) return '\t';
    if (comma) return ',';
    if (semicolon) return ';';
    return preferred ? preferred : ',';
}

std::string extension(std::string_view file) {
    std::string ext = std::filesystem::path(std::string(file)).extension().string();
    for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return ext;
}

char delimiter_for(std::string_view file, std::string_view content) {
    const std::string ext = extension(file);
    if (ext == ".tsv") return sniff_delimiter(content, '\t');
    if (ext == ".csv") return sniff_delimiter(content, ',');
    return sniff_delimiter(content, 0);
}

std::string_view strip_bom(std::string_view s) {
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    return s;
}

// Whether `s` holds any well-formed UTF-8 sequence of more than one byte: a
// file with bytes beyond ASCII of which none is one is in another encoding.
bool any_utf8_beyond_ascii(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        if (n && valid_utf8(s.substr(i, n)) && s.substr(i, n).size() == n) return true;
    }
    return false;
}

int line_of(std::string_view s, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n'))) ++line;
    }
    return line;
}

std::optional<std::string> read_whole_file(const std::string& path, std::string& why) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        why = "no such file";
        return std::nullopt;
    }
    if (std::filesystem::is_directory(path, ec)) {
        why = "is a folder, not a table";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = std::string("cannot be opened (") + std::strerror(errno) + ")";
        return std::nullopt;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        why = "cannot be read to its end";
        return std::nullopt;
    }
    return content;
}

// ---------------------------------------------------------------------------
// The fields of a corpus table and the header names that give them.

enum Field { Text, Author, Age, Gender, Education, Native, Code, SenderGenderAge, kFields };

// The fields as --map names them, and as the report does.
constexpr std::array<const char*, kFields> kFieldNames = {
    "text", "author", "age", "gender", "education", "native", "code", "sender's gender and age"};
constexpr std::array<const char*, kFields> kFieldTitles = {
    "text",      "author",          "age",  "gender",
    "education", "native language", "code", "sender's gender and age"};

// The names of each field's column, as loose keys (letters and digits only).
const std::array<std::vector<std::string>, kFields>& aliases() {
    static const std::array<std::vector<std::string>, kFields> a = {{
        {"text", "message"},
        {"author", "sender", "user", "userid", "speaker"},
        {"age"},
        {"gender", "sex"},
        {"education", "educationlevelofsender"},
        {"nativelanguage", "native"},
        {"code"},
        {"genderandageofsender"},
    }};
    return a;
}

// The Donate window's columns about the receiver: the program describes the
// writers of texts, so these are not read.
constexpr std::array<const char*, 3> kReceiverColumns = {
    "genderandageofreceiver", "educationlevelofreceiver", "receiversnationality"};

// The metadata fields held per author, in register order.
constexpr std::array<Field, 5> kAuthorFields = {Age, Gender, Education, Native, Code};

// The values one author's texts gave for one field, in order of first
// appearance, with how many texts gave each.
struct Tally {
    std::vector<std::pair<std::string, std::size_t>> values;
    // Where each value is in `values`, once there are more than a few (a column
    // with a value per text, such as a time, has as many as the author has texts).
    std::unordered_map<std::string, std::size_t> index;
    int first_other_line = 0; // the line where a second value first appeared

    // Counts one text's value; returns its place in `values` (kNone for "").
    std::uint32_t add(const std::string& v, int line) {
        if (v.empty()) return kNone;
        if (index.empty()) {
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (values[i].first == v) {
                    ++values[i].second;
                    return static_cast<std::uint32_t>(i);
                }
            }
        } else if (auto it = index.find(v); it != index.end()) {
            ++values[it->second].second;
            return static_cast<std::uint32_t>(it->second);
        }
        if (!values.empty() && !first_other_line) first_other_line = line;
        values.emplace_back(v, 1);
        if (values.size() == kIndexFrom) {
            for (std::size_t i = 0; i < values.size(); ++i) index.emplace(values[i].first, i);
        } else if (values.size() > kIndexFrom) {
            index.emplace(v, values.size() - 1);
        }
        return static_cast<std::uint32_t>(values.size() - 1);
    }
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    // The value of most texts; the first seen on a tie; "" when none gave one.
    std::string majority() const {
        const std::pair<std::string, std::size_t>* best = nullptr;
        for (const auto& v : values) {
            if (!best || v.second > best->second) best = &v;
        }
        return best ? best->first : std::string();
    }

    static constexpr std::size_t kIndexFrom = 8;
};

struct AuthorEntry {
    std::string name; // the identifier as first written
    int first_line = 0;
    std::vector<Tally> tallies; // kAuthorFields, then the metadata columns
};

std::string in_quotes(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

int field_of(std::string_view name) {
    for (int f = 0; f < Code + 1; ++f) {
        if (name == kFieldNames[static_cast<std::size_t>(f)]) return f;
    }
    return -1;
}

class TableReader {
public:
    TableReader(std::string_view file, std::string_view content, const TableOptions& options,
                LoadReport& report)
        : file_(file), content_(content), options_(options), report_(report) {}

    DataSet read();

private:
    void problem(std::string_view rule, std::string_view sentence, std::string_view action,
                 int line) {
        report_.add(rule, sentence, action, file_, line);
    }
    bool fail(std::string_view sentence, int line) {
        report_.fail(sentence, file_, line);
        return false;
    }
    bool decode();
    bool assign_columns(const Record& header);
    bool assign_kinds();
    void read_row(Record& r, DataSet& d);
    // Whether a row can be read (its problems reported), its fields made as
    // many as the header's columns.
    bool row_fits(Record& r);
    // The row's age and gender, each value checked.
    void read_age_and_gender(const Record& r, std::string& age, std::string& gender);
    const std::string& cell(const Record& r, int field) const {
        static const std::string none;
        const int c = column_[field];
        return c >= 0 ? r.fields[static_cast<std::size_t>(c)] : none;
    }
    void build_register(DataSet& d);
    void classify_columns();
    std::size_t author_of(const std::string& id, const std::string& key, int line);

    std::string_view file_;
    std::string_view content_;
    const TableOptions& options_;
    LoadReport& report_;

    std::vector<std::string> header_;
    std::array<int, kFields> column_{};
    std::vector<int> metadata_columns_; // indices of the columns kept as metadata
    // Per metadata column: -1 as its values say, 0 an author field, 1 a text
    // field (the user's choice); then, once read, whether it is a text field.
    std::vector<int> chosen_kind_;
    std::vector<bool> text_field_;
    // Per text (in corpus order), its values of the metadata columns, kept
    // until the kinds are known: its author (Tally::kNone for none) and per
    // column the value's place in the author's tally; the values of a text
    // without an author as they are.
    std::vector<std::uint32_t> text_author_;
    std::vector<std::vector<std::uint32_t>> text_value_; // per metadata column
    std::unordered_map<std::size_t, std::vector<std::string>> orphan_values_;
    int unclosed_quote_line_ = 0;    // the first quote that ran to the end of the file
    std::size_t metadata_lines_ = 0; // where the metadata columns' lines start in columnsUsed
    std::string converted_;          // the file's text as UTF-8, when it was in another encoding
    bool profiles_ = false;          // authors are the senders' profiles
    int nationality_ = -1;           // the Donate window's sender's nationality

    std::vector<AuthorEntry> authors_;
    std::unordered_map<std::string, std::size_t> author_index_;
    std::unordered_set<std::size_t> respelled_;
    std::array<bool, kFields> given_{};
    std::size_t characters_ = 0;
};

bool TableReader::assign_columns(const Record& header) {
    const std::size_t n = header.fields.size();
    std::vector<std::string> loose(n), folded(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string name(trim_blanks(header.fields[i]));
        if (name.empty()) name = "column " + std::to_string(i + 1);
        header_.push_back(name);
        loose[i] = loose_key(name);
        folded[i] = fold_text(name);
    }
    column_.fill(-1);
    std::vector<bool> used(n, false);

    for (const auto& [field_name, column] : options_.map) {
        int f = field_of(fold_text(trim_blanks(field_name)));
        if (f < 0) return fail("--map names no field " + in_quotes(field_name), 1);
        const std::string want = fold_text(trim_blanks(column)), want_loose = loose_key(column);
        int found = -1;
        for (std::size_t i = 0; i < n && found < 0; ++i) {
            if (folded[i] == want) found = static_cast<int>(i);
        }
        for (std::size_t i = 0; i < n && found < 0 && !want_loose.empty(); ++i) {
            if (loose[i] == want_loose) found = static_cast<int>(i);
        }
        if (found < 0) {
            return fail("the header has no column " + in_quotes(column) + " (named by --map " +
                            field_name + "=" + column + ")",
                        1);
        }
        column_[static_cast<std::size_t>(f)] = found;
        used[static_cast<std::size_t>(found)] = true;
    }
    for (std::size_t f = 0; f < kFields; ++f) {
        if (column_[f] >= 0) continue;
        std::vector<std::size_t> candidates;
        for (std::size_t i = 0; i < n; ++i) {
            const auto& names = aliases()[f];
            if (!used[i] && std::find(names.begin(), names.end(), loose[i]) != names.end()) {
                candidates.push_back(i);
            }
        }
        if (candidates.empty()) continue;
        column_[f] = static_cast<int>(candidates[0]);
        used[candidates[0]] = true;
        for (std::size_t k = 1; k < candidates.size(); ++k) {
            problem("columns alike",
                    std::string("more than one column could hold the ") + kFieldTitles[f] + ": " +
                        in_quotes(header_[candidates[0]]) + " and " +
                        in_quotes(header_[candidates[k]]),
                    "the first read as the field, the others kept as metadata of the author", 1);
        }
    }
    if (column_[Text] < 0) {
        return fail("the header names no text column (\"text\" or \"message\"; or name one with "
                    "--map text=COLUMN)",
                    1);
    }
    if (column_[Author] < 0 && column_[SenderGenderAge] < 0) {
        return fail("the header names no author column (\"author\", \"sender\", \"user\", "
                    "\"userid\" or \"speaker\"; or name one with --map author=COLUMN)",
                    1);
    }
    profiles_ = column_[Author] < 0;
    // In the Donate window's format the combined column gives a gender and an
    // age only where no column of its own does.
    const bool donate = column_[SenderGenderAge] >= 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (used[i]) continue;
        if (donate && std::find(kReceiverColumns.begin(), kReceiverColumns.end(), loose[i]) !=
                          kReceiverColumns.end()) {
            report_.columnsDropped.push_back(in_quotes(header_[i]) +
                                             " (about the receiver, not the writer of the text)");
            continue;
        }
        if (donate && loose[i] == "sendersnationality") nationality_ = static_cast<int>(i);
        metadata_columns_.push_back(static_cast<int>(i));
    }
    for (std::size_t f = 0; f < kFields; ++f) {
        if (column_[f] >= 0) {
            report_.columnsUsed.push_back(std::string(kFieldTitles[f]) + ": " +
                                          in_quotes(header_[static_cast<std::size_t>(column_[f])]));
        }
    }
    text_value_.resize(metadata_columns_.size());
    // The other columns; each says below whether it is a text field.
    metadata_lines_ = report_.columnsUsed.size();
    for (int i : metadata_columns_) {
        report_.columnsUsed.push_back("metadata: " +
                                      in_quotes(header_[static_cast<std::size_t>(i)]));
    }
    return assign_kinds();
}

bool TableReader::assign_kinds() {
    chosen_kind_.assign(metadata_columns_.size(), -1);
    const std::size_t n = header_.size();
    auto find = [&](const std::string& name) -> int {
        const std::string want = fold_text(trim_blanks(name)), want_loose = loose_key(name);
        for (std::size_t i = 0; i < n; ++i) {
            if (fold_text(header_[i]) == want) return static_cast<int>(i);
        }
        for (std::size_t i = 0; i < n && !want_loose.empty(); ++i) {
            if (loose_key(header_[i]) == want_loose) return static_cast<int>(i);
        }
        return -1;
    };
    for (const int kind : {1, 0}) {
        const std::vector<std::string>& names = kind ? options_.textFields : options_.authorFields;
        const std::string option = kind ? "--text-field" : "--author-field";
        for (const std::string& name : names) {
            const std::string shown(trim_blanks(name));
            const int c = find(name);
            if (c < 0) return fail(option + " names no column " + in_quotes(shown), 1);
            const auto m = std::find(metadata_columns_.begin(), metadata_columns_.end(), c);
            if (m == metadata_columns_.end()) {
                for (std::size_t f = 0; f < kFields; ++f) {
                    if (column_[f] == c) {
                        return fail(in_quotes(shown) + " is read as the " + kFieldTitles[f] +
                                        "; only the columns beyond the fields can be text or "
                                        "author fields",
                                    1);
                    }
                }
                return fail(in_quotes(shown) + " is a column that is not read", 1);
            }
            int& k = chosen_kind_[static_cast<std::size_t>(m - metadata_columns_.begin())];
            if (k >= 0 && k != kind) {
                return fail(
                    in_quotes(shown) + " is named both by --text-field and by --author-field", 1);
            }
            k = kind;
        }
    }
    return true;
}

std::size_t TableReader::author_of(const std::string& id, const std::string& key, int line) {
    auto [it, inserted] = author_index_.emplace(key, authors_.size());
    if (inserted) {
        AuthorEntry e;
        e.name = id;
        e.first_line = line;
        e.tallies.resize(kAuthorFields.size() + metadata_columns_.size());
        authors_.push_back(std::move(e));
    } else if (authors_[it->second].name != id) {
        if (respelled_.insert(it->second).second) {
            problem("author written differently",
                    "an author's identifier is written in more than one way (by letter case or "
                    "blanks), e.g. " +
                        in_quotes(authors_[it->second].name) + " and " + in_quotes(id),
                    "taken as one author under the first spelling", line);
        }
    }
    return it->second;
}

bool TableReader::row_fits(Record& r) {
    if (r.empty_line) {
        problem("empty line", "a line holds nothing at all", "skipped", r.line);
        return false;
    }
    std::size_t bad = 0;
    if (!valid_utf8(content_.substr(r.begin, r.end - r.begin), &bad)) {
        problem("not UTF-8",
                "a row holds bytes that are not UTF-8 (a file saved in another encoding, such as "
                "Windows-1252, must be saved again as UTF-8)",
                "row skipped", r.line + line_of(content_.substr(r.begin), bad) - 1);
        ++report_.rowsSkipped;
        return false;
    }
    if (r.unclosed_quote_line) {
        if (!unclosed_quote_line_) unclosed_quote_line_ = r.unclosed_quote_line;
        problem("quote not closed",
                "a quoted field is not closed: its quote runs to the end of the file",
                "row skipped (with every line after it)", r.unclosed_quote_line);
        ++report_.rowsSkipped;
        return false;
    }
    if (r.text_after_quote_line) {
        problem("text after a quote",
                "characters follow the closing quote of a field (a quote inside a quoted field "
                "must be doubled)",
                "kept after the quoted part", r.text_after_quote_line);
    }
    if (r.blanks_around_quote_line) {
        problem("blanks around quotes", "blanks stand before or after a quoted field",
                "the blanks left out of the field", r.blanks_around_quote_line);
    }
    const std::size_t n = header_.size();
    if (r.fields.size() > n) {
        bool extra_blank = std::all_of(r.fields.begin() + static_cast<long>(n), r.fields.end(),
                                       [](const std::string& f) { return is_blank(f); });
        if (!extra_blank) {
            problem("row too long",
                    "a row has more fields than the header (often a delimiter inside a text "
                    "that is not quoted)",
                    "row skipped", r.line);
            ++report_.rowsSkipped;
            return false;
        }
        problem("empty fields at the end", "a row has empty fields beyond the header's columns",
                "the empty fields ignored", r.line);
        r.fields.resize(n);
    } else if (r.fields.size() < n) {
        problem("row too short", "a row has fewer fields than the header",
                "the missing fields read as empty", r.line);
        r.fields.resize(n);
    }
    return true;
}

void TableReader::read_age_and_gender(const Record& r, std::string& age, std::string& gender) {
    if (column_[SenderGenderAge] >= 0 && (column_[Age] < 0 || column_[Gender] < 0)) {
        if (auto ga = parse_gender_age(cell(r, SenderGenderAge))) {
            if (column_[Age] < 0) age = age_string(ga->age);
            if (column_[Gender] < 0) gender = ga->gender;
        } else {
            problem("gender and age not readable",
                    "a sender's gender and age is not of the form F35, M29, F16-20, F or 35",
                    "treated as missing", r.line);
        }
    }
    if (column_[Age] >= 0) {
        if (auto a = parse_age(cell(r, Age))) {
            age = age_string(*a);
        } else {
            problem("age not readable",
                    "an age is neither a whole number of years (0 to " + std::to_string(kMaxAge) +
                        "), a range such as 16-20, nor a missing value (empty, unknown, NA, N/A, "
                        "-)",
                    "treated as missing", r.line);
        }
    }
    if (column_[Gender] >= 0) {
        if (auto g = parse_gender(cell(r, Gender))) {
            gender = *g;
        } else {
            problem("gender not readable",
                    "a gender is none of M, F, male, female, man, woman, nor a missing value",
                    "treated as missing", r.line);
        }
    }
}

void TableReader::read_row(Record& r, DataSet& d) {
    if (!row_fits(r)) return;
    std::string& text = r.fields[static_cast<std::size_t>(column_[Text])];
    if (is_blank(text)) {
        problem("empty text", "a row's text is empty or only blanks", "row skipped", r.line);
        ++report_.textsSkippedEmpty;
        return;
    }

    std::string age, gender;
    read_age_and_gender(r, age, gender);
    std::string code = free_value(cell(r, Code));
    if (std::any_of(code.begin(), code.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        problem("code with a control character",
                "an author code holds a line break or another control character",
                "treated as missing", r.line);
        code.clear();
    }
    const std::array<std::string, kAuthorFields.size()> values = {
        age, gender, free_value(cell(r, Education)), free_value(cell(r, Native)), code};

    // The values of the other columns, for the author's tallies and the text.
    std::vector<std::string> meta;
    meta.reserve(metadata_columns_.size());
    for (int c : metadata_columns_)
        meta.push_back(free_value(r.fields[static_cast<std::size_t>(c)]));

    // The author: the identifier, or the sender's profile.
    std::string id;
    if (profiles_) {
        auto part = [](const std::string& v) { return v.empty() ? std::string("?") : v; };
        id = part(gender) + part(age) + " | " + part(values[2]) + " | ";
        id +=
            part(column_[Native] >= 0 ? values[3]
                 : nationality_ >= 0  ? free_value(r.fields[static_cast<std::size_t>(nationality_)])
                                      : std::string());
    } else {
        id = std::string(trim_blanks(cell(r, Author)));
    }
    if (id.empty()) {
        problem("no author", "a text has no author",
                "text kept in the corpus; it belongs to no author", r.line);
        if (!metadata_columns_.empty()) {
            orphan_values_.emplace(d.corpus.size(), std::move(meta));
            text_author_.push_back(Tally::kNone);
            for (auto& column : text_value_) column.push_back(Tally::kNone);
        }
        d.corpus.push_back(CorpusRow{"", std::move(text)});
    } else {
        std::size_t a = author_of(id, fold_text(id), r.line);
        AuthorEntry& e = authors_[a];
        for (std::size_t k = 0; k < values.size(); ++k) {
            e.tallies[k].add(values[k], r.line);
            if (!values[k].empty()) given_[kAuthorFields[k]] = true;
        }
        if (!metadata_columns_.empty()) text_author_.push_back(static_cast<std::uint32_t>(a));
        for (std::size_t m = 0; m < metadata_columns_.size(); ++m)
            text_value_[m].push_back(e.tallies[kAuthorFields.size() + m].add(meta[m], r.line));
        d.corpus.push_back(CorpusRow{e.name, std::move(text)});
    }
    characters_ += d.corpus.back().text.size() + 1;
    ++report_.textsRead;
}

std::string padded(std::size_t number, std::size_t width) {
    std::string s = std::to_string(number);
    return std::string(width > s.size() ? width - s.size() : 0, '0') + s;
}

void TableReader::classify_columns() {
    const std::size_t meta = metadata_columns_.size();
    text_field_.assign(meta, false);
    for (std::size_t m = 0; m < meta; ++m) {
        MetadataField f;
        f.name = header_[static_cast<std::size_t>(metadata_columns_[m])];
        std::unordered_map<std::string, std::size_t> same; // values alike but for case
        for (const AuthorEntry& e : authors_) {
            const Tally& t = e.tallies[kAuthorFields.size() + m];
            std::size_t given = 0, most = 0;
            same.clear();
            for (const auto& v : t.values) {
                given += v.second;
                most = std::max(most, same[fold_text(v.first)] += v.second);
            }
            if (given < 2) continue;
            ++f.informative;
            if (most * 2 <= given) ++f.differing;
        }
        f.chosen = chosen_kind_[m] >= 0;
        f.textField = f.chosen ? chosen_kind_[m] == 1 : f.differing * 2 > f.informative;
        text_field_[m] = f.textField;
        std::string& line = report_.columnsUsed[metadata_lines_ + m];
        if (f.textField) {
            line = "text field: " + in_quotes(f.name) + " (" +
                   (f.chosen
                        ? std::string("chosen")
                        : "its value differs between the texts of " + std::to_string(f.differing) +
                              " of " + std::to_string(f.informative) + " authors") +
                   ")";
        } else if (f.chosen) {
            line += " (chosen as an author field)";
        }
        report_.metadataFields.push_back(std::move(f));
    }
}

void TableReader::build_register(DataSet& d) {
    classify_columns();
    const std::size_t width = std::to_string(authors_.size()).size();
    // Per field, the line where each author's second value first appeared.
    std::vector<std::vector<int>> differing(kAuthorFields.size() + metadata_columns_.size());
    auto title = [&](std::size_t k) {
        return k < kAuthorFields.size()
                   ? std::string(kFieldTitles[kAuthorFields[k]])
                   : header_[static_cast<std::size_t>(metadata_columns_[k - kAuthorFields.size()])];
    };
    std::unordered_set<std::string> codes;
    for (std::size_t a = 0; a < authors_.size(); ++a) {
        const AuthorEntry& e = authors_[a];
        std::vector<std::string> v;
        for (std::size_t k = 0; k < e.tallies.size(); ++k) {
            if (k >= kAuthorFields.size() && text_field_[k - kAuthorFields.size()]) continue;
            v.push_back(e.tallies[k].majority());
            if (e.tallies[k].values.size() > 1)
                differing[k].push_back(e.tallies[k].first_other_line);
        }
        std::string code = column_[Code] >= 0 ? v[4] : padded(a + 1, width);
        if (column_[Code] >= 0) {
            const char* why = code.empty()                        ? "an author has no code"
                              : codes.count(fold_text(code)) != 0 ? "two authors have one code"
                                                                  : nullptr;
            if (why) {
                code = "*" + padded(a + 1, width);
                while (codes.count(fold_text(code))) code = "*" + code;
                problem("code missing or used twice",
                        std::string(why) + " (codes are compared without regard to case)",
                        "the author's number in order of first appearance given as code, "
                        "marked with \"*\"",
                        e.first_line);
            }
        }
        codes.insert(fold_text(code));
        d.authors.push_back(RegisterRow{code, e.name, v[0], v[1], v[2], v[3]});
        d.authorMetadata.emplace_back(v.begin() + static_cast<long>(kAuthorFields.size()), v.end());
    }
    for (std::size_t m = 0; m < metadata_columns_.size(); ++m) {
        (text_field_[m] ? d.textColumns : d.metadataColumns)
            .push_back(header_[static_cast<std::size_t>(metadata_columns_[m])]);
    }
    // Each text's values of the text fields.
    if (!d.textColumns.empty()) {
        d.textMetadata.assign(d.corpus.size(), {});
        for (std::size_t t = 0; t < d.corpus.size(); ++t) {
            std::vector<std::string>& own = d.textMetadata[t];
            own.reserve(d.textColumns.size());
            const auto orphan = orphan_values_.find(t);
            for (std::size_t m = 0; m < metadata_columns_.size(); ++m) {
                if (!text_field_[m]) continue;
                if (orphan != orphan_values_.end()) {
                    own.push_back(orphan->second[m]);
                    continue;
                }
                const std::uint32_t v = text_value_[m][t];
                own.push_back(v == Tally::kNone ? std::string()
                                                : authors_[text_author_[t]]
                                                      .tallies[kAuthorFields.size() + m]
                                                      .values[v]
                                                      .first);
            }
        }
    }
    text_author_.clear();
    text_value_.clear();
    orphan_values_.clear();
    // In file order, so that the places reported are the first five.
    for (std::size_t k = 0; k < differing.size(); ++k) {
        if (differing[k].empty()) continue;
        std::sort(differing[k].begin(), differing[k].end());
        for (int line : differing[k]) {
            problem("author's " + title(k) + " differs",
                    "an author's texts give more than one " + title(k),
                    "the value of most of the author's texts taken (the first seen on a tie)",
                    line);
        }
        report_.differingAuthors.push_back(FieldDifference{title(k), differing[k].size()});
    }
    for (Field f : {Age, Gender, Education, Native}) {
        int c = column_[f];
        if (c < 0 && (f == Age || f == Gender)) c = column_[SenderGenderAge];
        if (c < 0) {
            report_.absentFields.push_back(std::string(kFieldTitles[f]) + " (no column)");
        } else if (!given_[f]) {
            report_.absentFields.push_back(std::string(kFieldTitles[f]) + " (no value in column " +
                                           in_quotes(header_[static_cast<std::size_t>(c)]) + ")");
        }
    }
    report_.authors = d.authors.size();
}

// "UTF-16LE" or "UTF-16BE" when the start of `bytes` holds NUL bytes as text
// in UTF-16 without a byte-order mark does (every other byte, for the ASCII
// letters of a header); "" otherwise.
std::string utf16_without_mark(std::string_view bytes) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), 4096) & ~std::size_t(1);
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (bytes[i] == '\0') ++(i % 2 == 0 ? even : odd);
    }
    if (n < 4 || even + odd < n / 4) return "";
    return odd > even ? "UTF-16LE" : "UTF-16BE";
}

// The file's text as UTF-8: a file with the byte-order mark of UTF-16, or one
// in the encoding the user named, converted; any other file as it is.
bool TableReader::decode() {
    const std::string bom = byte_order_mark(content_);
    std::string from;
    if (bom == "UTF-16LE" || bom == "UTF-16BE") {
        from = bom;
        if (!options_.encoding.empty()) {
            problem("encoding not used",
                    "the file is " + bom + " by its byte-order mark, not " + options_.encoding,
                    "read as " + bom, 0);
        }
    } else if (!options_.encoding.empty()) {
        if (!known_encoding(options_.encoding)) {
            return fail("no encoding " + in_quotes(options_.encoding) +
                            " is known (e.g. windows-1252, ISO-8859-1, ISO-8859-15)",
                        1);
        }
        const std::string_view body = strip_bom(content_);
        // A file holding UTF-8 characters is UTF-8, its broken rows left out
        // as in any other: read in another encoding, every one of them would
        // turn into two or three wrong characters.
        if (bom == "UTF-8" || any_utf8_beyond_ascii(body)) {
            problem("encoding not used", "the file is UTF-8, not " + options_.encoding,
                    "read as UTF-8", 0);
        } else {
            from = options_.encoding;
        }
    }
    if (from.empty()) {
        // Text saved as UTF-16 without its byte-order mark reads as a file of
        // NUL bytes between the letters, which is valid UTF-8 but no table.
        if (const std::string utf16 = utf16_without_mark(content_); !utf16.empty()) {
            report_.proposedEncoding = utf16;
            return fail("the file holds NUL bytes between its characters: it looks like " + utf16 +
                            " without a byte-order mark; read it with --encoding " + utf16 +
                            ", or save it as UTF-8",
                        1);
        }
        report_.encoding = "UTF-8";
        return true;
    }
    Converted c = convert_to_utf8(content_, from);
    if (!c.utf8) return fail("the file cannot be read as " + from + ": " + c.error, c.line);
    converted_ = std::move(*c.utf8);
    content_ = converted_;
    report_.encoding = from;
    return true;
}

DataSet TableReader::read() {
    DataSet d;
    if (report_.source.empty()) report_.source = std::string(file_);
    if (!decode()) return d;
    std::string_view body = strip_bom(content_);
    if (std::size_t bad = 0; !valid_utf8(body, &bad) && !any_utf8_beyond_ascii(body)) {
        const std::optional<std::string> proposal = propose_encoding(body);
        report_.proposedEncoding = proposal.value_or("");
        fail(proposal ? "the file is not UTF-8 (none of its characters beyond ASCII is); it "
                        "looks like " +
                            *proposal + ": read it with --encoding " + *proposal +
                            ", or save it as UTF-8"
                      : std::string("the file is not UTF-8 (none of its characters beyond ASCII "
                                    "is): name its encoding with --encoding (e.g. --encoding "
                                    "windows-1252), or save it as UTF-8"),
             line_of(body, bad));
        return d;
    }
    const std::size_t bom = content_.size() - body.size();
    const char delimiter = options_.delimiter ? options_.delimiter : delimiter_for(file_, body);
    Records records(body, delimiter);
    // Offsets in records are taken in `body`; the checks look at `content_`.
    content_ = body;
    Record r;
    if (!records.next(r) || std::all_of(r.fields.begin(), r.fields.end(),
                                        [](const std::string& f) { return f.empty(); })) {
        fail("the file holds no header row", 1);
        return d;
    }
    if (r.unclosed_quote_line) {
        fail("a quoted field of the header is never closed: its quote runs to the end of the "
             "file",
             r.unclosed_quote_line);
        return d;
    }
    std::size_t bad = 0;
    if (!valid_utf8(body.substr(r.begin, r.end - r.begin), &bad)) {
        fail("the header row is not UTF-8 (save the file as UTF-8)", 1);
        return d;
    }
    if (!assign_columns(r)) return d;
    std::size_t rows = 0;
    while (records.next(r)) {
        if (options_.progress && (++rows & 0xFFF) == 0 &&
            !options_.progress(static_cast<double>(records.position() + bom) /
                               static_cast<double>(body.size() + bom))) {
            throw LoadCancelled();
        }
        read_row(r, d);
        if (characters_ > kMaxCorpusCharacters) {
            fail("the texts hold more than " + std::to_string(kMaxCorpusCharacters) +
                     " characters, more than the program can count",
                 r.line);
            return DataSet();
        }
    }
    if (d.corpus.empty()) {
        if (unclosed_quote_line_) {
            fail("a quoted field opened on line " + std::to_string(unclosed_quote_line_) +
                     " is never closed: its quote runs to the end of the file, taking every "
                     "row after it",
                 unclosed_quote_line_);
        } else {
            fail("the table holds no text", r.line);
        }
        return DataSet();
    }
    build_register(d);
    return d;
}

// ---------------------------------------------------------------------------
// Glossary and families tables.

// The rows of a two-column table whose columns are found by the header
// `names`, each row with its line.
struct PairRow {
    std::string first, second;
    int line;
};

std::vector<PairRow> read_pairs(std::string_view file, std::string_view content,
                                const std::array<const char*, 2>& names, bool second_required) {
    auto fail = [&](int line, const std::string& rule) {
        throw DataError(std::string(file), line, rule);
    };
    std::string converted;
    if (const std::string bom = byte_order_mark(content); bom == "UTF-16LE" || bom == "UTF-16BE") {
        Converted c = convert_to_utf8(content, bom);
        if (!c.utf8) fail(c.line, "cannot be read as " + bom + ": " + c.error);
        converted = std::move(*c.utf8);
        content = converted;
    }
    content = strip_bom(content);
    std::size_t bad = 0;
    if (!valid_utf8(content, &bad)) {
        fail(line_of(content, bad), "not UTF-8 (a byte at " + std::to_string(bad + 1) + ")");
    }
    Records records(content, delimiter_for(file, content));
    Record r;
    if (!records.next(r)) fail(1, "the file holds no header row");
    std::array<int, 2> col = {-1, -1};
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
        for (std::size_t k = 0; k < 2; ++k) {
            if (col[k] < 0 && loose_key(r.fields[i]) == names[k]) col[k] = static_cast<int>(i);
        }
    }
    for (std::size_t k = 0; k < 2; ++k) {
        if (col[k] < 0) fail(1, std::string("the header has no column \"") + names[k] + "\"");
    }
    const std::size_t n = r.fields.size();
    std::vector<PairRow> out;
    while (records.next(r)) {
        if (r.empty_line) continue;
        if (r.unclosed_quote_line) fail(r.unclosed_quote_line, "a quoted field is not closed");
        if (r.fields.size() != n) {
            fail(r.line, "a row has " + std::to_string(r.fields.size()) +
                             " fields; the header has " + std::to_string(n));
        }
        PairRow p{r.fields[static_cast<std::size_t>(col[0])],
                  r.fields[static_cast<std::size_t>(col[1])], r.line};
        for (const std::string* v : {&p.first, &p.second}) {
            if (v->find_first_of("\r\n") != std::string::npos) {
                fail(r.line, "an entry may not hold a line break");
            }
        }
        if (is_blank(p.first)) fail(r.line, std::string("a ") + names[0] + " may not be empty");
        if (second_required && is_blank(p.second)) {
            fail(r.line, std::string("a ") + names[1] + " may not be empty");
        }
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------

const char* const kTextFieldRule =
    "a column beyond the fields is a text field when, of the authors with two or more texts "
    "giving a value in it, more than half have no value (alike but for letter case) given by "
    "more than half of those texts; otherwise it is an author field, and each author has the "
    "value of most of their texts";

std::optional<std::string> add_column_mapping(TableOptions& options, std::string_view argument) {
    std::size_t eq = argument.find('=');
    if (eq == std::string_view::npos) {
        return "--map takes FIELD=COLUMN, e.g. --map author=\"Participant ID\"";
    }
    std::string field = fold_text(trim_blanks(argument.substr(0, eq)));
    std::string column(trim_blanks(argument.substr(eq + 1)));
    if (field_of(field) < 0) {
        return "--map: no field " + in_quotes(argument.substr(0, eq)) +
               "; the fields are text, author, age, gender, education, native and code";
    }
    if (column.empty()) return "--map " + field + "= names no column";
    options.map.emplace_back(field, column);
    return std::nullopt;
}

bool is_table_path(const std::string& path) {
    const std::string ext = extension(path);
    return ext == ".csv" || ext == ".tsv" || ext == ".txt";
}

DataSet read_table_text(std::string_view file, std::string_view content,
                        const TableOptions& options, LoadReport& report) {
    return TableReader(file, content, options, report).read();
}

DataSet read_table_corpus(const std::string& path, const TableOptions& options,
                          LoadReport& report) {
    report.source = path;
    std::string why;
    auto content = read_whole_file(path, why);
    if (!content) {
        report.fail(why, path, 1);
        return DataSet();
    }
    return read_table_text(path, *content, options, report);
}

GlossaryData read_glossary_csv(std::string_view file, std::string_view content) {
    GlossaryData g;
    for (auto& p : read_pairs(file, content, {"form", "interpretation"}, false)) {
        g.forms.push_back(std::move(p.first));
        g.interpretations.push_back(std::move(p.second));
    }
    if (g.forms.empty()) throw DataError(std::string(file), 1, "the list of forms is empty");
    // Forms beyond the last interpretation have none.
    while (!g.interpretations.empty() && g.interpretations.back().empty()) {
        g.interpretations.pop_back();
    }
    return g;
}

std::vector<VariantFamily> read_families_csv(std::string_view file, std::string_view content) {
    std::vector<VariantFamily> out;
    std::unordered_map<std::string, std::size_t> index;
    std::unordered_set<std::string> stems;
    for (auto& p : read_pairs(file, content, {"family", "form"}, true)) {
        const std::string key = fold_text(trim_blanks(p.first));
        auto [it, inserted] = index.emplace(key, out.size());
        if (inserted) {
            VariantFamily f;
            f.caption = std::string(trim_blanks(p.first));
            for (const auto& builtin : kFamilyNames) {
                if (fold_text(builtin.stem) == key) {
                    f.list = builtin.list;
                    f.stem = builtin.stem;
                }
            }
            if (f.stem.empty()) {
                for (char c : f.caption) {
                    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                        f.stem += c;
                }
                if (f.stem.empty()) f.stem = "Family";
                if (f.stem[0] >= 'a' && f.stem[0] <= 'z')
                    f.stem[0] = static_cast<char>(f.stem[0] - 32);
                const std::string base = f.stem;
                for (int k = 2; stems.count(fold_text(f.stem)); ++k)
                    f.stem = base + std::to_string(k);
                f.list = "lst" + f.stem;
            }
            stems.insert(fold_text(f.stem));
            f.captionLabel = "lbl" + f.stem;
            out.push_back(std::move(f));
        }
        VariantFamily& f = out[it->second];
        if (std::find(f.items.begin(), f.items.end(), p.second) != f.items.end()) {
            throw DataError(std::string(file), p.line,
                            "the form " + in_quotes(p.second) + " is listed twice in the family " +
                                in_quotes(f.caption));
        }
        f.items.push_back(std::move(p.second));
    }
    if (out.empty()) throw DataError(std::string(file), 1, "the list of families is empty");
    return out;
}

namespace {

// The JSON readers let the JSON parser's out_of_range through (a number too
// large for a double, such as 1e999); here it is a broken file like any other.
template <class Read> auto read_json(const std::string& path, Read&& read) {
    try {
        return read();
    } catch (const nlohmann::json::exception& e) {
        throw DataError(path, 1, std::string("not valid JSON (") + e.what() + ")");
    }
}

} // namespace

GlossaryData load_glossary_file(const std::string& path) {
    std::string why;
    auto content = read_whole_file(path, why);
    if (!content) throw DataError(path, 1, why);
    if (extension(path) == ".json") {
        return read_json(path, [&] { return read_glossary(path, *content, DataOrigin::Loaded); });
    }
    return read_glossary_csv(path, *content);
}

std::vector<VariantFamily> load_families_file(const std::string& path) {
    std::string why;
    auto content = read_whole_file(path, why);
    if (!content) throw DataError(path, 1, why);
    if (extension(path) == ".json") {
        return read_json(path, [&] { return read_variants(path, *content, DataOrigin::Loaded); });
    }
    return read_families_csv(path, *content);
}

} // namespace zapt
