#include "corpus/data_files.h"

#include "corpus/big_buffer.h"
#include "corpus/load_report.h"
#include "corpus/metadata.h"
#include "corpus/text.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace zapt {

DataError::DataError(std::string file, int line, std::string rule)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + rule), file_(std::move(file)),
      line_(line), rule_(std::move(rule)) {}

LoadCancelled::LoadCancelled() : std::runtime_error("loading cancelled") {}

namespace {

using nlohmann::json;

int line_of_offset(std::string_view content, std::size_t offset) {
    offset = std::min(offset, content.size());
    return 1 + static_cast<int>(
                   std::count(content.begin(), content.begin() + static_cast<long>(offset), '\n'));
}

// Start lines of the elements of every array in a JSON document, keyed by the
// object key that holds the array ("" for the top-level array), so that a rule
// broken by element i can name the line where that element starts.
std::map<std::string, std::vector<int>> element_lines(std::string_view content) {
    std::map<std::string, std::vector<int>> result;
    struct Frame {
        bool is_array;
        std::string key;
        bool expecting_value;
    };
    std::vector<Frame> stack;
    std::string last_string;
    int line = 1;
    for (std::size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c == '\n') {
            ++line;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') continue;
        bool in_array_slot =
            !stack.empty() && stack.back().is_array && stack.back().expecting_value;
        if (in_array_slot && c != ']') {
            result[stack.back().key].push_back(line);
            stack.back().expecting_value = false;
        }
        if (c == '"') {
            std::string s;
            for (++i; i < content.size() && content[i] != '"'; ++i) {
                if (content[i] == '\\')
                    ++i;
                else
                    s += content[i];
            }
            last_string = s;
        } else if (c == '[') {
            std::string key = stack.empty() ? "" : last_string;
            stack.push_back({true, key, true});
        } else if (c == '{') {
            stack.push_back({false, "", false});
        } else if (c == ']' || c == '}') {
            if (!stack.empty()) stack.pop_back();
        } else if (c == ',') {
            if (!stack.empty() && stack.back().is_array) stack.back().expecting_value = true;
        }
    }
    return result;
}

class Reader {
public:
    Reader(std::string_view file, std::string_view content, DataOrigin origin = DataOrigin::BuiltIn)
        : file_(file), content_(content), origin_(origin) {}

    DataOrigin origin() const { return origin_; }

    [[noreturn]] void fail(int line, const std::string& rule) const {
        throw DataError(std::string(file_), line, rule);
    }

    json parse_document() const {
        check_encoding(content_, 0);
        try {
            return json::parse(content_);
        } catch (const json::parse_error& e) {
            std::size_t at = e.byte > 0 ? e.byte - 1 : 0;
            fail(line_of_offset(content_, at), std::string("not valid JSON (") + e.what() + ")");
        } catch (const json::exception& e) {
            // Valid syntax the parser still cannot hold, such as a number too
            // large for a double: a broken file all the same.
            fail(1, std::string("not valid JSON (") + e.what() + ")");
        }
    }

    // Every character must be valid UTF-8; the built-in sample keeps to the
    // characters Windows-1252 can represent, the character set it was written in.
    void check_encoding(std::string_view text, int first_line) const {
        std::size_t bad = 0;
        if (origin_ == DataOrigin::BuiltIn ? !fits_cp1252(text, &bad) : !valid_utf8(text, &bad)) {
            int line = first_line > 0 ? first_line : line_of_offset(content_, bad);
            fail(line, origin_ == DataOrigin::BuiltIn
                           ? "a character outside Windows-1252 (or invalid UTF-8) at byte " +
                                 std::to_string(bad + 1)
                           : "invalid UTF-8 (at byte " + std::to_string(bad + 1) + ")");
        }
    }

    std::string string_field(const json& obj, const char* key, int line) const {
        auto it = obj.find(key);
        if (it == obj.end()) fail(line, std::string("missing field \"") + key + "\"");
        if (!it->is_string()) fail(line, std::string("field \"") + key + "\" must be a string");
        return text(it->get<std::string>(), line);
    }

    // A string of the file (UTF-8, as the JSON parser has checked), kept as it is.
    std::string text(std::string utf8, int line) const {
        if (origin_ == DataOrigin::BuiltIn && !is_ascii(utf8) && !fits_cp1252(utf8))
            fail(line, "a character outside Windows-1252");
        return utf8;
    }

    std::string_view file_;
    std::string_view content_;
    DataOrigin origin_;
};

int line_at(const std::vector<int>& lines, std::size_t i) {
    return i < lines.size() ? lines[i] : 1;
}

void check_row_count(const Reader& r, std::size_t n, const char* what, int line,
                     DataOrigin origin) {
    if (n == 0) r.fail(line, std::string("the list of ") + what + " is empty");
    if (origin == DataOrigin::BuiltIn && n > kMaxRows) {
        r.fail(line, std::string("the list of ") + what + " has more than 32767 rows");
    }
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A JSON string starting at `p` (just after its opening quote), unescaped into
// `out` as UTF-8; returns the position after the closing quote, or npos for
// anything the quick reader leaves to the full JSON parser (\u escapes, raw
// control characters, a missing closing quote).
std::size_t quick_string(std::string_view s, std::size_t p, std::string& out) {
    out.clear();
    while (p < s.size()) {
        std::size_t q = p;
        while (q < s.size() && s[q] != '"' && s[q] != '\\' &&
               static_cast<unsigned char>(s[q]) >= 0x20)
            ++q;
        out.append(s.substr(p, q - p));
        if (q >= s.size() || static_cast<unsigned char>(s[q]) < 0x20) return std::string_view::npos;
        if (s[q] == '"') return q + 1;
        if (q + 1 >= s.size()) return std::string_view::npos;
        switch (s[q + 1]) {
        case '"':
        case '\\':
        case '/':
            out += s[q + 1];
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            return std::string_view::npos;
        }
        p = q + 2;
    }
    return std::string_view::npos;
}

std::size_t skip_blanks(std::string_view s, std::size_t p) {
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t')) ++p;
    return p;
}

// The quick reader of a corpus line of the usual shape: one object with the
// two string fields "author" and "text" in either order and nothing else. It
// fills `row` and returns true only when the line is valid and every character
// is one the origin allows (valid UTF-8; for the built-in sample, one
// Windows-1252 can hold); for any other line it returns false and the full
// JSON parser reads the line (and names whatever rule it breaks).
bool quick_corpus_line(std::string_view line, CorpusRow& row, std::string& scratch,
                       DataOrigin origin) {
    std::size_t p = skip_blanks(line, 0);
    if (p >= line.size() || line[p] != '{') return false;
    bool have_author = false, have_text = false;
    for (int field = 0; field < 2; ++field) {
        p = skip_blanks(line, p + 1);
        if (p >= line.size() || line[p] != '"') return false;
        p = quick_string(line, p + 1, scratch);
        if (p == std::string_view::npos) return false;
        std::string* target = nullptr;
        if (scratch == "author" && !have_author) {
            target = &row.author;
            have_author = true;
        } else if (scratch == "text" && !have_text) {
            target = &row.text;
            have_text = true;
        } else {
            return false;
        }
        p = skip_blanks(line, p);
        if (p >= line.size() || line[p] != ':') return false;
        p = skip_blanks(line, p + 1);
        if (p >= line.size() || line[p] != '"') return false;
        p = quick_string(line, p + 1, scratch);
        if (p == std::string_view::npos) return false;
        if (!is_ascii(scratch) &&
            (origin == DataOrigin::BuiltIn ? !fits_cp1252(scratch) : !valid_utf8(scratch)))
            return false;
        target->assign(scratch);
        p = skip_blanks(line, p);
        if (p >= line.size() || line[p] != (field == 0 ? ',' : '}')) return false;
    }
    return skip_blanks(line, p + 1) == line.size();
}

} // namespace

std::vector<RegisterRow> read_register(std::string_view file, std::string_view content) {
    return read_register(file, content, DataOrigin::BuiltIn);
}

namespace {

// The rules of one author row, read from `line`; `codes` holds the folded
// codes of the rows before it. With a report, an age or gender that cannot be
// read is taken as not known and recorded; a loaded corpus's genders are kept
// as "M", "F" or "".
void check_register_row(const Reader& r, RegisterRow& row, int line, DataOrigin origin,
                        std::unordered_set<std::string>& codes, LoadReport* report) {
    if (origin == DataOrigin::BuiltIn) {
        if (row.code.size() != 3 || !std::all_of(row.code.begin(), row.code.end(), is_digit)) {
            r.fail(line, "a code must be three decimal digits, such as \"001\"");
        }
    } else {
        if (row.code.empty()) r.fail(line, "a code may not be empty");
        if (std::any_of(row.code.begin(), row.code.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            r.fail(line, "a code may not hold a line break or other control character");
        }
    }
    if (row.name.empty()) r.fail(line, "an author name may not be empty");
    if (origin == DataOrigin::BuiltIn) {
        if (row.age.empty() || row.age.size() > 3 ||
            !std::all_of(row.age.begin(), row.age.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            r.fail(line, "an age must be a whole number of years, digits only");
    } else {
        // A corpus of the user's own: a whole number, a range of whole years
        // ("16-20") or not known ("", "unknown", "NA", "-").
        if (!parse_age(row.age)) {
            const char* rule = "an age must be a whole number of years, a range such as "
                               "\"16-20\", or missing (empty, \"unknown\", \"NA\" or \"-\")";
            if (!report) r.fail(line, rule);
            report->add("age not readable", rule, "treated as missing", r.file_, line);
            row.age.clear();
        }
        if (auto g = parse_gender(row.gender)) {
            row.gender = *g;
        } else {
            const char* rule = "a gender is none of M, F, male, female, man, woman, nor a "
                               "missing value";
            if (!report) r.fail(line, rule);
            report->add("gender not readable", rule, "treated as missing", r.file_, line);
            row.gender.clear();
        }
    }
    if (!codes.insert(fold_text(row.code)).second)
        r.fail(line, "a code is used twice (\"" + row.code + "\")");
}

// Records a broken rule of one row in `report` under the rule's words before
// any detail in brackets, so that rows broken the same way group together.
void record(LoadReport& report, const DataError& e, std::string_view action) {
    const std::string& rule = e.rule();
    report.add(rule.substr(0, rule.find(" (")), rule, action, e.file(), e.line());
    ++report.rowsSkipped;
}

// One author row as the quick reader found it: the line of its "{" and its
// first `size` fields in file order (the room of the others is kept for the
// next row).
struct QuickObject {
    int line = 1;
    std::vector<std::pair<std::string, std::string>> fields;
    std::size_t size = 0;
};

// The quick reader of a register of the usual shape: an array of objects
// whose values are all strings, each key once. It calls `row` with each
// object in turn and returns true only for such a document; for anything else
// it returns false and the full JSON parser reads the file (and names
// whatever rule it breaks).
template <class F> bool quick_register(std::string_view s, F&& row) {
    std::size_t p = 0;
    int line = 1;
    auto ws = [&] {
        for (; p < s.size(); ++p) {
            const char c = s[p];
            if (c == '\n') {
                ++line;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
        }
    };
    auto at = [&](char c) { return p < s.size() && s[p] == c; };
    ws();
    if (!at('[')) return false;
    ++p;
    ws();
    if (at(']')) {
        ++p;
        ws();
        return p == s.size();
    }
    std::string key, value;
    QuickObject o;
    for (;;) {
        if (!at('{')) return false;
        o.line = line;
        o.size = 0;
        ++p;
        ws();
        if (at('}')) {
            ++p;
        } else {
            for (;;) {
                if (!at('"')) return false;
                p = quick_string(s, p + 1, key);
                if (p == std::string_view::npos) return false;
                ws();
                if (!at(':')) return false;
                ++p;
                ws();
                if (!at('"')) return false;
                p = quick_string(s, p + 1, value);
                if (p == std::string_view::npos) return false;
                for (std::size_t f = 0; f < o.size; ++f) {
                    if (o.fields[f].first == key) return false;
                }
                if (o.size == o.fields.size()) o.fields.emplace_back();
                o.fields[o.size].first.swap(key);
                o.fields[o.size].second.swap(value);
                ++o.size;
                ws();
                if (at(',')) {
                    ++p;
                    ws();
                    continue;
                }
                if (!at('}')) return false;
                ++p;
                break;
            }
        }
        row(o);
        ws();
        if (at(',')) {
            ++p;
            ws();
            continue;
        }
        if (!at(']')) return false;
        ++p;
        ws();
        return p == s.size();
    }
}

} // namespace

std::vector<RegisterRow> read_register(std::string_view file, std::string_view content,
                                       DataOrigin origin, LoadReport* report) {
    Reader r(file, content, origin);
    std::vector<RegisterRow> rows;
    std::unordered_set<std::string> codes;
    if (origin == DataOrigin::BuiltIn) report = nullptr;
    // One row, made and checked by `make`: with a report, a row that breaks a
    // rule is recorded and left out.
    auto take = [&](int line, auto&& make) {
        try {
            RegisterRow row = make();
            check_register_row(r, row, line, origin, codes, report);
            rows.push_back(std::move(row));
        } catch (const DataError& e) {
            if (!report) throw;
            record(*report, e, "author left out");
        }
    };
    r.check_encoding(content, 0);
    // Once to see that the document has the usual shape and to count its rows,
    // once more to read them.
    std::size_t count = 0;
    if (quick_register(content, [&](const QuickObject&) { ++count; })) {
        check_row_count(r, count, "authors", 1, origin);
        codes.reserve(count);
        rows.reserve(count);
        quick_register(content, [&](const QuickObject& o) {
            auto field = [&](const char* key) {
                for (std::size_t f = 0; f < o.size; ++f) {
                    if (o.fields[f].first == key) return r.text(o.fields[f].second, o.line);
                }
                r.fail(o.line, std::string("missing field \"") + key + "\"");
            };
            take(o.line, [&] {
                return RegisterRow{field("code"),   field("name"),      field("age"),
                                   field("gender"), field("education"), field("nativeLanguage")};
            });
        });
        check_row_count(r, rows.size(), "authors", 1, origin);
        return rows;
    }
    json doc = r.parse_document();
    if (!doc.is_array()) r.fail(1, "the register must be a JSON array of author rows");
    auto lines = element_lines(content)[""];
    check_row_count(r, doc.size(), "authors", 1, origin);
    for (std::size_t i = 0; i < doc.size(); ++i) {
        int line = line_at(lines, i);
        const json& o = doc[i];
        take(line, [&] {
            if (!o.is_object()) r.fail(line, "an author row must be a JSON object");
            return RegisterRow{
                r.string_field(o, "code", line),      r.string_field(o, "name", line),
                r.string_field(o, "age", line),       r.string_field(o, "gender", line),
                r.string_field(o, "education", line), r.string_field(o, "nativeLanguage", line)};
        });
    }
    check_row_count(r, rows.size(), "authors", 1, origin);
    return rows;
}

std::vector<CorpusRow> read_corpus(std::string_view file, std::string_view content) {
    return read_corpus(file, content, DataOrigin::BuiltIn);
}

namespace {

// The rows of whole lines of a corpus file (room for `room` rows made at
// once), the first of them line `first_line` + 1, with their characters (each text counted with the
// blank that follows it) and the number of the last line read. `last` tells whether the lines end
// the file (where a final line break is allowed); `check_characters` whether they are the whole
// file (so that the running count of characters is the file's). `keep_going` is asked now and then
// with the place reached; when it says no, the reading stops with LoadCancelled.
// One line of a corpus file into `row`, under the rules of the reader's
// origin; a broken rule raises its DataError. An empty text is left to the
// caller.
void read_corpus_line(const Reader& r, std::string_view raw, int line, CorpusRow& row,
                      std::string& scratch) {
    if (raw.empty()) r.fail(line, "an empty line; every line must hold one text");
    if (!quick_corpus_line(raw, row, scratch, r.origin())) {
        r.check_encoding(raw, line);
        json o;
        try {
            o = json::parse(raw);
        } catch (const json::exception& e) {
            r.fail(line, std::string("not valid JSON (") + e.what() + ")");
        }
        if (!o.is_object()) r.fail(line, "a line must hold one JSON object");
        row = CorpusRow{r.string_field(o, "author", line), r.string_field(o, "text", line)};
    }
    if (r.origin() == DataOrigin::BuiltIn) {
        if (row.text.find_first_of("\r\n") != std::string::npos)
            r.fail(line, "a text may not hold a line break");
        if (row.text.find('%') != std::string::npos)
            r.fail(line, "a text may not hold \"%\", the program's text separator");
    } else {
        // A corpus of the user's own: "%" is text like any other character,
        // and tabs and line breaks read as blanks.
        blanks_for_breaks(row.text);
    }
}

struct CorpusPart {
    std::vector<CorpusRow> rows;
    std::size_t characters = 0;
    int line = 0;
    LoadReport report; // the lines left out, when `recording`
};

CorpusPart read_corpus_lines(const Reader& r, std::string_view content, int first_line, bool last,
                             bool check_characters, std::size_t room,
                             const std::function<bool(std::size_t)>& keep_going,
                             bool recording = false) {
    CorpusPart part;
    std::vector<CorpusRow>& rows = part.rows;
    // A rough guess of the number of lines (`room`) saves most of the regrowing.
    reserve_large(rows, room);
    std::size_t pos = 0;
    int& line = part.line;
    line = first_line;
    std::size_t& characters = part.characters;
    std::string scratch;
    while (pos < content.size()) {
        if (keep_going && ((line - first_line) & 0x3FFF) == 0 && !keep_going(pos)) {
            throw LoadCancelled();
        }
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view raw = content.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (raw.empty() && last && pos >= content.size()) break; // the final line break
        CorpusRow row;
        try {
            read_corpus_line(r, raw, line, row, scratch);
        } catch (const DataError& e) {
            if (!recording) throw;
            record(part.report, e, "line left out");
            continue;
        }
        if (row.text.empty() || (recording && is_blank(row.text))) {
            if (!recording) r.fail(line, "a text may not be empty");
            part.report.add("empty text", "a text is empty or only blanks", "text left out",
                            r.file_, line);
            ++part.report.textsSkippedEmpty;
            continue;
        }
        characters += row.text.size() + 1;
        if (check_characters && characters > kMaxCorpusCharacters) {
            r.fail(line, "the texts hold more than " + std::to_string(kMaxCorpusCharacters) +
                             " characters, more than the program can count");
        }
        rows.push_back(std::move(row));
    }
    return part;
}

// From this size on, a corpus file is read in two halves side by side.
constexpr std::size_t kBytesForASecondThread = 4u << 20;

} // namespace

std::vector<CorpusRow> read_corpus(std::string_view file, std::string_view content,
                                   DataOrigin origin, const LoadProgress& progress,
                                   LoadReport* report) {
    Reader r(file, content, origin);
    const bool recording = report && origin == DataOrigin::Loaded;
    // The texts read and the problems of the lines left out go into the report.
    auto done = [&](CorpusPart& p) {
        if (recording) {
            p.report.textsRead = p.rows.size();
            report->merge(p.report);
        }
        return std::move(p.rows);
    };
    auto whole = [&] {
        CorpusPart p = read_corpus_lines(
            r, content, 0, true, true, content.size() / 64 + 1,
            [&](std::size_t pos) {
                return !progress ||
                       progress(static_cast<double>(pos) / static_cast<double>(content.size()));
            },
            recording);
        check_row_count(r, p.rows.size(), "texts", std::max(p.line, 1), origin);
        return done(p);
    };
    std::size_t split = content.size() >= kBytesForASecondThread
                            ? content.find('\n', content.size() / 2)
                            : std::string_view::npos;
    if (split == std::string_view::npos || split + 1 >= content.size()) return whole();

    // The second half on a thread of its own. A rule broken in the first half
    // is the first one the file breaks; one broken in the second half is,
    // unless the characters before it already went over the limit, which the
    // whole file read in one go then names.
    const std::string_view first = content.substr(0, split + 1);
    const std::string_view second = content.substr(split + 1);
    const int lines_before = static_cast<int>(std::count(first.begin(), first.end(), '\n'));
    std::atomic<bool> stop{false};
    std::future<CorpusPart> later = std::async(std::launch::async, [&] {
        return read_corpus_lines(
            r, second, lines_before, true, false, second.size() / 64 + 1,
            [&](std::size_t) { return !stop.load(); }, recording);
    });
    CorpusPart a;
    try {
        a = read_corpus_lines(
            r, first, 0, false, false, content.size() / 64 + 1,
            [&](std::size_t pos) {
                return !progress ||
                       progress(static_cast<double>(pos) / static_cast<double>(first.size()));
            },
            recording);
    } catch (...) {
        stop = true;
        later.wait();
        throw;
    }
    CorpusPart b;
    try {
        b = later.get();
    } catch (const DataError&) {
        if (a.characters + second.size() > kMaxCorpusCharacters) return whole();
        throw;
    }
    if (a.characters + b.characters > kMaxCorpusCharacters) return whole();
    a.rows.reserve(a.rows.size() + b.rows.size());
    std::move(b.rows.begin(), b.rows.end(), std::back_inserter(a.rows));
    check_row_count(r, a.rows.size(), "texts", std::max(b.line, 1), origin);
    a.report.merge(b.report);
    return done(a);
}

GlossaryData read_glossary(std::string_view file, std::string_view content) {
    return read_glossary(file, content, DataOrigin::BuiltIn);
}

GlossaryData read_glossary(std::string_view file, std::string_view content, DataOrigin origin) {
    Reader r(file, content, origin);
    json doc = r.parse_document();
    if (!doc.is_object()) r.fail(1, "the glossary must be a JSON object");
    auto lines = element_lines(content);
    GlossaryData g;
    for (const char* key : {"forms", "interpretations"}) {
        auto it = doc.find(key);
        if (it == doc.end()) r.fail(1, std::string("missing field \"") + key + "\"");
        if (!it->is_array()) r.fail(1, std::string("field \"") + key + "\" must be an array");
        auto& out = std::string(key) == "forms" ? g.forms : g.interpretations;
        const auto& ls = lines[key];
        for (std::size_t i = 0; i < it->size(); ++i) {
            const json& v = (*it)[i];
            int line = line_at(ls, i);
            if (!v.is_string())
                r.fail(line, std::string("every entry of \"") + key + "\" must be a string");
            out.push_back(r.text(v.get<std::string>(), line));
            if (out.back().find_first_of("\r\n") != std::string::npos) {
                r.fail(line, "an entry may not hold a line break");
            }
        }
    }
    check_row_count(r, g.forms.size(), "forms", 1, origin);
    if (g.interpretations.size() > g.forms.size()) {
        r.fail(line_at(lines["interpretations"], g.forms.size()),
               "there are more interpretations than forms");
    }
    for (std::size_t i = 0; i < g.forms.size(); ++i) {
        if (g.forms[i].empty()) r.fail(line_at(lines["forms"], i), "a form may not be empty");
    }
    return g;
}

std::vector<VariantFamily> read_variants(std::string_view file, std::string_view content) {
    return read_variants(file, content, DataOrigin::BuiltIn);
}

std::vector<VariantFamily> read_variants(std::string_view file, std::string_view content,
                                         DataOrigin origin) {
    Reader r(file, content, origin);
    json doc = r.parse_document();
    if (!doc.is_array()) r.fail(1, "the variant families must be a JSON array");
    auto lines = element_lines(content)[""];
    if (doc.size() != 16) {
        r.fail(line_at(lines, std::min<std::size_t>(doc.size(), 16)),
               "there must be exactly 16 variant families, one per list of the main window");
    }
    std::vector<VariantFamily> out;
    for (std::size_t i = 0; i < doc.size(); ++i) {
        int line = line_at(lines, i);
        const json& o = doc[i];
        if (!o.is_object()) r.fail(line, "a variant family must be a JSON object");
        VariantFamily f{r.string_field(o, "list", line),
                        r.string_field(o, "stem", line),
                        r.string_field(o, "captionLabel", line),
                        r.string_field(o, "caption", line),
                        {}};
        if (f.list != kFamilyNames[i].list || f.stem != kFamilyNames[i].stem) {
            r.fail(line, std::string("family ") + std::to_string(i + 1) + " must be list \"" +
                             kFamilyNames[i].list + "\" with stem \"" + kFamilyNames[i].stem +
                             "\"");
        }
        auto items = o.find("items");
        if (items == o.end()) r.fail(line, "missing field \"items\"");
        if (!items->is_array() || items->empty())
            r.fail(line, "\"items\" must be a non-empty array");
        for (const json& v : *items) {
            if (!v.is_string()) r.fail(line, "every item must be a string");
            f.items.push_back(r.text(v.get<std::string>(), line));
        }
        out.push_back(std::move(f));
    }
    return out;
}

} // namespace zapt
