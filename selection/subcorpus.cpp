#include "selection/subcorpus.h"

#include "corpus/text.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>
#include <utility>

namespace zapt {
namespace {

using Field = SubcorpusCondition::Field;

// Splits at `sep`, each part without the blanks around it.
std::vector<std::string_view> split_trimmed(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = s.find(sep, from);
        parts.push_back(trim_blanks(s.substr(from, at == std::string_view::npos ? at : at - from)));
        if (at == std::string_view::npos) break;
        from = at + 1;
    }
    return parts;
}

bool age_within(const Age& author, const Age& wanted) {
    return author.kind != Age::Missing && wanted.lo <= author.lo && author.hi <= wanted.hi;
}

std::string field_list(const AuthorFields& fields) {
    std::string s = "age, gender, education, native language, code";
    if (fields.metadataColumns) {
        for (const std::string& c : *fields.metadataColumns) s += ", " + c;
    }
    if (fields.choosesTexts()) {
        for (const std::string& c : *fields.textColumns) s += ", " + c + " (a text field)";
    }
    return s;
}

// A number as a range's end reads it: an optional minus, digits, and an
// optional fraction after a point.
std::optional<double> plain_number(std::string_view s) {
    std::size_t i = s.empty() || s[0] != '-' ? 0 : 1;
    const std::size_t digits = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == digits) return std::nullopt;
    if (i < s.size() && s[i] == '.') {
        const std::size_t point = ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == point) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

// Whether `s` is an ISO date, YYYY-MM-DD (month 01-12, day 01-31).
bool iso_date(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    const int month = (s[5] - '0') * 10 + (s[6] - '0');
    const int day = (s[8] - '0') * 10 + (s[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// The date a text's value starts with: alone, or followed by a time ("T" or
// a blank after it); empty when it starts with none.
std::string_view date_of(std::string_view value) {
    if (value.size() < 10 || !iso_date(value.substr(0, 10))) return {};
    if (value.size() > 10 && value[10] != 'T' && value[10] != ' ') return {};
    return value.substr(0, 10);
}

// Text t's value of a text field as a condition reads it: "" when missing.
std::string_view text_field_value(const AuthorFields& f, std::size_t t, std::size_t column) {
    const std::string_view raw = f.textValue(t, column);
    if (raw.empty() || !valid_utf8(raw) || is_missing(raw)) return {};
    return trim_blanks(raw);
}

// The field as the messages name it.
std::string field_title(const SubcorpusCondition& c, const AuthorFields& fields) {
    switch (c.field) {
    case Field::Age:
        return "age";
    case Field::Gender:
        return "gender";
    case Field::Education:
        return "education";
    case Field::NativeLanguage:
        return "native language";
    case Field::Code:
        return "code";
    case Field::Metadata:
        break;
    case Field::Text:
        return (*fields.textColumns)[c.column];
    }
    return (*fields.metadataColumns)[c.column];
}

// Author k's value of a field other than age and gender, as a condition reads
// it: "" when missing.
std::string free_field_value(const SubcorpusCondition& c, const AuthorFields& f, std::size_t k) {
    const AuthorRegister& r = *f.authors;
    std::string_view raw;
    switch (c.field) {
    case Field::Education:
        raw = r.educations[k];
        break;
    case Field::NativeLanguage:
        raw = r.nativeLanguages[k];
        break;
    case Field::Code:
        raw = r.codes[k];
        break;
    default:
        raw = f.metadata(k, c.column);
        break;
    }
    if (!valid_utf8(raw) || is_missing(raw)) return {};
    return free_value(raw);
}

// "A, B and C" of the values (each once, in its first spelling, ordered by its
// folded form), at most a dozen of them.
std::string value_list(std::vector<std::pair<std::string, std::string>> folded_and_shown) {
    std::sort(folded_and_shown.begin(), folded_and_shown.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    constexpr std::size_t kShown = 12;
    std::string s;
    for (std::size_t i = 0; i < folded_and_shown.size() && i < kShown; ++i)
        s += (i ? ", " : "") + folded_and_shown[i].second;
    if (folded_and_shown.size() > kShown) {
        s += " and " + std::to_string(folded_and_shown.size() - kShown) + " more (" +
             std::to_string(folded_and_shown.size()) + " values)";
    }
    return s;
}

// Why some value of `c`, a condition on a text field, holds for no text of
// `fields`; nothing when each holds for one at least.
std::optional<std::string> value_no_text_has(const SubcorpusCondition& c, const AuthorFields& f,
                                             const std::vector<std::string_view>& written,
                                             const std::string& title) {
    const std::size_t n = f.textCount();
    // Every value the field has: folded, and in its first spelling; and the
    // least and greatest number and date among them.
    std::vector<std::pair<std::string, std::string>> values;
    std::unordered_set<std::string> seen;
    std::optional<double> lo, hi;
    std::string first, last;
    for (std::size_t t = 0; t < n; ++t) {
        const std::string_view v = text_field_value(f, t, c.column);
        if (v.empty()) continue;
        std::string key = fold_text(v);
        if (!seen.insert(key).second) continue;
        values.emplace_back(std::move(key), std::string(v));
        if (const std::optional<double> x = plain_number(v)) {
            lo = lo ? std::min(*lo, *x) : *x;
            hi = hi ? std::max(*hi, *x) : *x;
        }
        if (const std::string_view d = date_of(v); !d.empty()) {
            if (first.empty() || d < first) first = std::string(d);
            if (last.empty() || d > last) last = std::string(d);
        }
    }
    if (values.empty()) return "no text has a value of " + title;
    for (const std::string_view w : written) {
        if (const std::optional<TextRange> r = parse_text_range(w)) {
            bool any = false;
            for (std::size_t t = 0; t < n && !any; ++t) any = r->holds(f.textValue(t, c.column));
            if (any) continue;
            const bool number = r->kind == TextRange::Kind::Number;
            if (number ? !lo : first.empty()) {
                return "no value of " + title + " reads as " +
                       (number ? "a number" : "a date (YYYY-MM-DD)") + ", so no text's " + title +
                       " lies within " + std::string(w);
            }
            std::string from = first, to = last;
            if (number) {
                char a[64], b[64];
                from.assign(a, std::to_chars(a, a + sizeof a, *lo).ptr);
                to.assign(b, std::to_chars(b, b + sizeof b, *hi).ptr);
            }
            return "no text's " + title + " lies within " + std::string(w) + "; its " +
                   (number ? "numbers" : "dates") + " run from " + from + " to " + to;
        }
        if (!seen.count(fold_text(w))) {
            return title + " (a text field) has the values " + value_list(values) +
                   "; no text has \"" + std::string(w) + "\"";
        }
    }
    return std::nullopt;
}

// Why some value of `c` holds for no author of `fields`; nothing when each
// holds for one at least.
std::optional<std::string> value_nobody_has(const SubcorpusCondition& c, const AuthorFields& fields,
                                            const std::vector<std::string_view>& written) {
    const std::string title = field_title(c, fields);
    if (c.field == Field::Text) return value_no_text_has(c, fields, written, title);
    const std::size_t n = fields.size();
    const std::string none = "no author has a value of " + title;
    if (c.field == Field::Age) {
        std::optional<int> lo, hi;
        for (std::size_t k = 0; k < n; ++k) {
            const std::optional<Age> a = parse_age(fields.authors->ages[k]);
            if (!a || a->kind == Age::Missing) continue;
            lo = lo ? std::min(*lo, a->lo) : a->lo;
            hi = hi ? std::max(*hi, a->hi) : a->hi;
        }
        if (!lo) return none;
        for (std::size_t i = 0; i < c.ages.size(); ++i) {
            bool any = false;
            for (std::size_t k = 0; k < n && !any; ++k) {
                const std::optional<Age> a = parse_age(fields.authors->ages[k]);
                any = a && age_within(*a, c.ages[i]);
            }
            if (!any) {
                return "no author's age lies within " + std::string(written[i]) +
                       "; the ages run from " + std::to_string(*lo) + " to " + std::to_string(*hi);
            }
        }
        return std::nullopt;
    }
    // Every value the field has: folded, and in its first spelling.
    std::vector<std::pair<std::string, std::string>> values;
    std::unordered_set<std::string> seen;
    for (std::size_t k = 0; k < n; ++k) {
        std::string v;
        if (c.field == Field::Gender) {
            const std::optional<std::string> g = parse_gender(fields.authors->genders[k]);
            if (g) v = *g;
        } else {
            v = free_field_value(c, fields, k);
        }
        if (v.empty()) continue;
        std::string key = c.field == Field::Gender ? v : fold_text(v);
        if (seen.insert(key).second) values.emplace_back(std::move(key), std::move(v));
    }
    if (values.empty()) return none;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        if (!seen.count(c.values[i])) {
            return title + " has the values " + value_list(values) + "; no author has \"" +
                   std::string(written[i]) + "\"";
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> text_field_refusal(std::string_view name, const AuthorFields& fields) {
    if (!fields.textColumns) return std::nullopt;
    const std::string key = loose_key(name);
    for (const std::string& c : *fields.textColumns) {
        if (!key.empty() && loose_key(c) == key) {
            const std::string shown(trim_blanks(name));
            return "\"" + shown +
                   "\" is a text field: its value differs between an author's texts, so it "
                   "chooses texts, not authors, and groups are made of authors; to use it for "
                   "authors, open the corpus with --author-field \"" +
                   c + "\" (each author then has the value of most of their texts)";
        }
    }
    return std::nullopt;
}

AuthorFields author_fields(const Corpus& corpus) {
    const CorpusMetadata& m = corpus.metadata();
    AuthorFields f{&corpus.authors(), &m.authorColumns, &m.authorValues, &m.textColumns,
                   &corpus.bands()};
    // Each text's values of the text fields choose texts when there is a row
    // for each text.
    if (!m.textValues.empty() && m.textValues.size() == corpus.store().textAuthor.size()) {
        f.textMetadata = &m.textValues;
        f.textAuthors = &corpus.store().textAuthor;
    }
    return f;
}

const AgeBands& AuthorFields::ageBands() const {
    static const AgeBands builtin;
    return bands ? *bands : builtin;
}

std::string_view AuthorFields::metadata(std::size_t k, std::size_t c) const {
    if (!authorMetadata || k >= authorMetadata->size()) return {};
    const std::vector<std::string>& row = (*authorMetadata)[k];
    return c < row.size() ? std::string_view(row[c]) : std::string_view();
}

bool AuthorFields::choosesTexts() const {
    return textColumns && !textColumns->empty() && textMetadata && textAuthors &&
           textMetadata->size() == textAuthors->size();
}

std::string_view AuthorFields::textValue(std::size_t t, std::size_t c) const {
    if (!textMetadata || t >= textMetadata->size()) return {};
    const std::vector<std::string>& row = (*textMetadata)[t];
    return c < row.size() ? std::string_view(row[c]) : std::string_view();
}

std::optional<TextRange> parse_text_range(std::string_view text) {
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos || !valid_utf8(text)) return std::nullopt;
    const std::string_view from = trim_blanks(text.substr(0, dots));
    const std::string_view to = trim_blanks(text.substr(dots + 2));
    TextRange r;
    const std::optional<double> lo = plain_number(from), hi = plain_number(to);
    if (lo && hi) {
        if (*lo > *hi) return std::nullopt;
        r.kind = TextRange::Kind::Number;
        r.lo = *lo;
        r.hi = *hi;
        return r;
    }
    if (iso_date(from) && iso_date(to) && from <= to) {
        r.kind = TextRange::Kind::Date;
        r.from = std::string(from);
        r.to = std::string(to);
        return r;
    }
    return std::nullopt;
}

bool TextRange::holds(std::string_view value) const {
    if (value.empty() || !valid_utf8(value) || is_missing(value)) return false;
    value = trim_blanks(value);
    if (kind == Kind::Number) {
        const std::optional<double> v = plain_number(value);
        return v && lo <= *v && *v <= hi;
    }
    const std::string_view d = date_of(value);
    return !d.empty() && from <= d && d <= to;
}

bool SubcorpusCondition::holds(const AuthorFields& f, std::size_t k) const {
    if (field == Field::Text) {
        const std::string_view v = text_field_value(f, k, column);
        if (v.empty()) return false;
        for (const TextRange& r : ranges) {
            if (r.holds(v)) return true;
        }
        if (values.empty()) return false;
        const std::string folded = fold_text(v);
        for (const std::string& x : values) {
            if (x == folded) return true;
        }
        return false;
    }
    const AuthorRegister& r = *f.authors;
    if (field == Field::Age) {
        const std::optional<Age> age = parse_age(r.ages[k]);
        if (!age) return false;
        for (const Age& a : ages) {
            if (age_within(*age, a)) return true;
        }
        return false;
    }
    if (field == Field::Gender) {
        const std::optional<std::string> g = parse_gender(r.genders[k]);
        if (!g || g->empty()) return false;
        for (const std::string& v : values) {
            if (v == *g) return true;
        }
        return false;
    }
    std::string_view raw;
    switch (field) {
    case Field::Education:
        raw = r.educations[k];
        break;
    case Field::NativeLanguage:
        raw = r.nativeLanguages[k];
        break;
    case Field::Code:
        raw = r.codes[k];
        break;
    default:
        raw = f.metadata(k, column);
        break;
    }
    if (!valid_utf8(raw) || is_missing(raw)) return false;
    const std::string value = fold_text(free_value(raw));
    for (const std::string& v : values) {
        if (v == value) return true;
    }
    return false;
}

std::optional<SubcorpusCondition> parse_condition(std::string_view text, const AuthorFields& fields,
                                                  std::string* error) {
    auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    if (!valid_utf8(text)) return fail("the condition is not UTF-8 text");
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        return fail("\"" + std::string(trim_blanks(text)) +
                    "\" is not a condition: write FIELD=VALUE[,VALUE...]");
    }
    SubcorpusCondition c;
    c.name = std::string(trim_blanks(text.substr(0, eq)));
    c.text = std::string(trim_blanks(text.substr(eq + 1)));
    const std::string key = loose_key(c.name);
    if (key.empty()) return fail("a condition needs a field before \"=\"");
    if (key == "age") {
        c.field = Field::Age;
    } else if (key == "gender" || key == "sex") {
        c.field = Field::Gender;
    } else if (key == "education") {
        c.field = Field::Education;
    } else if (key == "nativelanguage" || key == "native") {
        c.field = Field::NativeLanguage;
    } else if (key == "code") {
        c.field = Field::Code;
    } else {
        bool found = false;
        if (fields.metadataColumns) {
            for (std::size_t i = 0; i < fields.metadataColumns->size(); ++i) {
                if (loose_key((*fields.metadataColumns)[i]) == key) {
                    c.field = Field::Metadata;
                    c.column = i;
                    found = true;
                    break;
                }
            }
        }
        if (!found && fields.choosesTexts()) {
            for (std::size_t i = 0; i < fields.textColumns->size(); ++i) {
                if (loose_key((*fields.textColumns)[i]) == key) {
                    c.field = Field::Text;
                    c.column = i;
                    found = true;
                    break;
                }
            }
        }
        if (!found) {
            if (auto why = text_field_refusal(c.name, fields)) return fail(*why);
            return fail("unknown field \"" + c.name + "\"; the fields are " + field_list(fields));
        }
    }
    const std::vector<std::string_view> written = split_trimmed(c.text, ',');
    for (std::string_view v : written) {
        if (v.empty() || is_missing(v)) {
            return fail("\"" + c.name + "\" needs a value in every place of \"" + c.text + "\"");
        }
        if (c.field == Field::Age) {
            const std::optional<Age> age = parse_age(v);
            if (!age || age->kind == Age::Missing) {
                return fail("\"" + std::string(v) +
                            "\" is not an age: write a number such as 35 or a range such as 16-25");
            }
            c.ages.push_back(*age);
        } else if (c.field == Field::Gender) {
            const std::optional<std::string> g = parse_gender(v);
            if (!g || g->empty()) {
                return fail("\"" + std::string(v) +
                            "\" is not a gender: write M, F, male or female");
            }
            c.values.push_back(*g);
        } else if (c.field == Field::Text) {
            if (std::optional<TextRange> r = parse_text_range(v)) {
                c.ranges.push_back(std::move(*r));
            } else {
                c.values.push_back(fold_text(v));
            }
        } else {
            c.values.push_back(fold_text(v));
        }
    }
    if (fields.authors || c.field == Field::Text) {
        if (auto why = value_nobody_has(c, fields, written)) return fail(*why);
    }
    return c;
}

bool Subcorpus::choosesTexts() const {
    return std::any_of(conditions.begin(), conditions.end(),
                       [](const SubcorpusCondition& c) { return c.onText(); });
}

bool Subcorpus::holds(const AuthorFields& fields, std::size_t author) const {
    for (const SubcorpusCondition& c : conditions) {
        if (!c.onText() && !c.holds(fields, author)) return false;
    }
    return true;
}

bool Subcorpus::textHolds(const AuthorFields& fields, std::size_t t) const {
    for (const SubcorpusCondition& c : conditions) {
        if (c.onText() && !c.holds(fields, t)) return false;
    }
    return true;
}

std::vector<char> Subcorpus::textMask(const AuthorFields& fields) const {
    if (!choosesTexts()) return {};
    // Text fields that cannot be read choose no text.
    std::vector<char> mask(fields.textCount(), 0);
    if (!fields.choosesTexts()) return mask;
    for (std::size_t t = 0; t < mask.size(); ++t) mask[t] = textHolds(fields, t);
    return mask;
}

std::vector<std::size_t> Subcorpus::members(const AuthorFields& fields) const {
    std::vector<char> in(fields.size(), 0);
    for (std::size_t k = 0; k < in.size(); ++k) in[k] = holds(fields, k);
    if (choosesTexts()) {
        // Only the authors with a text meeting the text conditions.
        std::vector<char> withText(in.size(), 0);
        const std::vector<char> mask = textMask(fields);
        for (std::size_t t = 0; t < mask.size(); ++t) {
            const std::int32_t a = (*fields.textAuthors)[t];
            if (mask[t] && a >= 0 && static_cast<std::size_t>(a) < in.size())
                withText[static_cast<std::size_t>(a)] = 1;
        }
        for (std::size_t k = 0; k < in.size(); ++k) in[k] = in[k] && withText[k];
    }
    std::vector<std::size_t> rows;
    for (std::size_t k = 0; k < in.size(); ++k) {
        if (in[k]) rows.push_back(k);
    }
    return rows;
}

std::string Subcorpus::describe() const {
    if (conditions.empty()) return "whole corpus";
    std::string s;
    for (const SubcorpusCondition& c : conditions) {
        s += (s.empty() ? "" : "; ") + c.name + "=" + c.text;
    }
    return s;
}

std::optional<Subcorpus> parse_subcorpus(std::string name, std::string_view conditions,
                                         const AuthorFields& fields, std::string* error) {
    Subcorpus s;
    s.name = std::move(name);
    std::size_t from = 0;
    while (from <= conditions.size()) {
        std::size_t at = conditions.find_first_of(";\n\r", from);
        if (at == std::string_view::npos) at = conditions.size();
        const std::string_view part = conditions.substr(from, at - from);
        from = at + 1;
        if (!valid_utf8(part)) {
            if (error) *error = "the conditions are not UTF-8 text";
            return std::nullopt;
        }
        if (is_blank(part)) continue;
        std::optional<SubcorpusCondition> c = parse_condition(part, fields, error);
        if (!c) return std::nullopt;
        s.conditions.push_back(std::move(*c));
    }
    return s;
}

} // namespace zapt
