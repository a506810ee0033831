#include "corpus/metadata.h"
#include "corpus/text.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace zapt {
namespace {

// The code point at `i` in valid UTF-8, moving `i` past it; -1 for a bad
// sequence (then `i` moves past the bad bytes).
UChar32 next_code_point(std::string_view s, std::size_t& i) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto length = static_cast<int32_t>(s.size());
    auto at = static_cast<int32_t>(i);
    UChar32 c;
    U8_NEXT(p, at, length, c);
    i = static_cast<std::size_t>(at);
    return c;
}

std::string ascii_lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool all_digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A whole number of years, or nothing.
std::optional<int> years(std::string_view s) {
    s = trim_blanks(s);
    if (!all_digits(s)) return std::nullopt;
    std::size_t first = s.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    s.remove_prefix(first);
    if (s.size() > 3) return std::nullopt;
    int n = 0;
    for (char c : s) n = n * 10 + (c - '0');
    if (n > kMaxAge) return std::nullopt;
    return n;
}

} // namespace

std::string_view trim_blanks(std::string_view s) {
    // From the front, one code point at a time.
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t next = i;
        UChar32 c = next_code_point(s, next);
        if (c < 0 || !u_isUWhiteSpace(c)) break;
        i = next;
    }
    s.remove_prefix(i);
    // From the back: step to the start of the last code point each time.
    while (!s.empty()) {
        std::size_t start = s.size() - 1;
        while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
        std::size_t next = start;
        UChar32 c = next_code_point(s, next);
        if (c < 0 || next != s.size() || !u_isUWhiteSpace(c)) break;
        s.remove_suffix(s.size() - start);
    }
    return s;
}

bool is_blank(std::string_view s) {
    return trim_blanks(s).empty();
}

std::string loose_key(std::string_view s) {
    std::string folded = fold_text(s);
    std::string out;
    std::size_t i = 0;
    while (i < folded.size()) {
        std::size_t start = i;
        UChar32 c = next_code_point(folded, i);
        if (c >= 0 && u_isalnum(c)) out.append(folded, start, i - start);
    }
    return out;
}

bool is_missing(std::string_view value) {
    std::string v = ascii_lower(trim_blanks(value));
    return v.empty() || v == "unknown" || v == "na" || v == "n/a" || v == "-";
}

std::optional<Age> parse_age(std::string_view value) {
    if (is_missing(value)) return Age{};
    std::string_view v = trim_blanks(value);
    if (auto n = years(v)) return Age{Age::Exact, *n, *n};
    // A range: two numbers joined by a hyphen or an en dash.
    for (std::string_view dash : {std::string_view("-"), std::string_view("\u2013")}) {
        std::size_t at = v.find(dash);
        if (at == std::string_view::npos) continue;
        auto lo = years(v.substr(0, at));
        auto hi = years(v.substr(at + dash.size()));
        if (lo && hi && *lo <= *hi) return Age{Age::Range, *lo, *hi};
        return std::nullopt;
    }
    return std::nullopt;
}

std::string age_string(const Age& age) {
    switch (age.kind) {
    case Age::Exact:
        return std::to_string(age.lo);
    case Age::Range:
        return std::to_string(age.lo) + "-" + std::to_string(age.hi);
    case Age::Missing:
        break;
    }
    return "";
}

std::optional<std::string> parse_gender(std::string_view value) {
    if (is_missing(value)) return std::string();
    std::string v = ascii_lower(trim_blanks(value));
    if (v == "m" || v == "male" || v == "man") return std::string("M");
    if (v == "f" || v == "female" || v == "woman") return std::string("F");
    return std::nullopt;
}

std::optional<GenderAge> parse_gender_age(std::string_view value) {
    if (is_missing(value)) return GenderAge{};
    std::string_view v = trim_blanks(value);
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    // The letters at the front, or else at the back, are the gender.
    std::size_t split = 0;
    while (split < v.size() && letter(v[split])) ++split;
    std::string_view gender = v.substr(0, split), age = v.substr(split);
    if (split == 0) {
        split = v.size();
        while (split > 0 && letter(v[split - 1])) --split;
        age = v.substr(0, split);
        gender = v.substr(split);
    }
    GenderAge out;
    if (!gender.empty()) {
        auto g = parse_gender(gender);
        if (!g) return std::nullopt;
        out.gender = *g;
    }
    if (!is_blank(age)) {
        auto a = parse_age(age);
        if (!a) return std::nullopt;
        out.age = *a;
    }
    return out;
}

std::string free_value(std::string_view value) {
    if (is_missing(value)) return "";
    return std::string(trim_blanks(value));
}

} // namespace zapt
