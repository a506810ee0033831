#include "corpus/text.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace zapt {
namespace {

// Unicode code points of the Windows-1252 bytes 0x80 to 0x9F. Zero marks the
// five undefined bytes, which we map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t cp1252_code_point(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char16_t cp = kHighTable[b - 0x80];
        return cp != 0 ? cp : b;
    }
    return b;
}

std::optional<unsigned char> code_point_to_cp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (unsigned i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances
// `pos`, or returns nothing for an invalid sequence (pos is then unchanged).
std::optional<char32_t> decode_utf8(std::string_view s, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(len) > s.size()) return std::nullopt;
    for (int i = 1; i < len; ++i) {
        unsigned char b = byte(pos + static_cast<std::size_t>(i));
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += static_cast<std::size_t>(len);
    return cp;
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool fits_cp1252(std::string_view utf8, std::size_t* bad_offset) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) { // plain ASCII reads the same
            ++pos;
            continue;
        }
        std::size_t start = pos;
        auto cp = decode_utf8(utf8, pos);
        if (!cp || !code_point_to_cp1252(*cp)) {
            if (bad_offset) *bad_offset = start;
            return false;
        }
    }
    return true;
}

std::optional<std::string> utf8_to_cp1252(std::string_view utf8, std::size_t* bad_offset) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t start = pos;
        auto cp = decode_utf8(utf8, pos);
        std::optional<unsigned char> b = cp ? code_point_to_cp1252(*cp) : std::nullopt;
        if (!b) {
            if (bad_offset) *bad_offset = start;
            return std::nullopt;
        }
        out += static_cast<char>(*b);
    }
    return out;
}

std::string cp1252_to_utf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) append_utf8(out, cp1252_code_point(static_cast<unsigned char>(c)));
    return out;
}

bool is_ascii(std::string_view s) {
    const char* p = s.data();
    std::size_t n = s.size(), i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t v;
        std::memcpy(&v, p + i, 8);
        high |= v;
    }
    for (; i < n; ++i) high |= static_cast<unsigned char>(p[i]);
    return (high & 0x8080808080808080ull) == 0;
}

void fold_text_into(std::string_view s, std::string& out) {
    // Plain ASCII folds letter by letter, in the same pass that finds it plain.
    out.resize(s.size());
    unsigned char high = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        high |= static_cast<unsigned char>(s[i]);
        out[i] = fold_case(s[i]);
    }
    if (!(high & 0x80)) return;
    // Invalid UTF-8 turns into U+FFFD here, so it can equal only itself.
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
    u.foldCase(U_FOLD_CASE_DEFAULT);
    out.clear();
    u.toUTF8String(out);
}

std::string fold_text(std::string_view s) {
    std::string out;
    fold_text_into(s, out);
    return out;
}

bool iequals(std::string_view a, std::string_view b) {
    if (is_ascii(a) && is_ascii(b)) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] != b[i] && fold_case(a[i]) != fold_case(b[i])) return false;
        }
        return true;
    }
    return fold_text(a) == fold_text(b);
}

namespace {

// One character-boundary iterator per thread, made once: making one costs far
// more than using it.
icu::BreakIterator& character_breaks() {
    thread_local std::unique_ptr<icu::BreakIterator> it = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> bi(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) bi.reset();
        return bi;
    }();
    if (!it) throw std::runtime_error("ICU cannot find its character boundaries");
    return *it;
}

// Runs `f` with the character boundaries of `s` set.
template <class F> auto with_breaks(std::string_view s, F&& f) {
    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, s.data(), static_cast<std::int64_t>(s.size()), &status);
    icu::BreakIterator& bi = character_breaks();
    bi.setText(&text, status);
    auto result = f(bi);
    utext_close(&text);
    return result;
}

bool plain(std::string_view s) {
    // ASCII without a carriage return: one byte, one character (a CR/LF pair
    // is one character).
    return is_ascii(s) && s.find('\r') == std::string_view::npos;
}

} // namespace

std::size_t char_count(std::string_view s) {
    if (plain(s)) return s.size();
    return with_breaks(s, [](icu::BreakIterator& bi) {
        std::size_t n = 0;
        for (std::int32_t b = bi.next(); b != icu::BreakIterator::DONE; b = bi.next()) ++n;
        return n;
    });
}

std::size_t advance_chars(std::string_view s, std::size_t from, std::size_t n) {
    if (from >= s.size()) return s.size();
    const std::string_view rest = s.substr(from, n + 1);
    if (plain(rest)) return std::min(s.size(), from + n);
    const std::string_view tail = s.substr(from);
    return from + with_breaks(tail, [&](icu::BreakIterator& bi) {
               std::int32_t b = 0;
               for (std::size_t k = 0; k < n; ++k) {
                   const std::int32_t next = bi.next();
                   if (next == icu::BreakIterator::DONE) return tail.size();
                   b = next;
               }
               return static_cast<std::size_t>(b);
           });
}

bool valid_utf8(std::string_view s, std::size_t* bad_offset) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        if (!decode_utf8(s, pos)) {
            if (bad_offset) *bad_offset = start;
            return false;
        }
    }
    return true;
}

bool blanks_for_breaks(std::string& text) {
    if (text.find_first_of("\t\r\n") == std::string::npos) return false;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
    text = std::move(out);
    return true;
}

void append_cleaned(std::string& out, std::string_view text, const CharSet& set, bool crlf) {
    const std::size_t old = out.size();
    out.resize(old + text.size()); // the most it can grow
    char* const base = out.data();
    char* o = base + old;
    bool last_blank = old > 0 && base[old - 1] == ' ';
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        // A run of characters that stay as they are is copied as it stands.
        if (*p != ' ' && !set.contains(*p) && !(crlf && *p == '\r')) {
            do {
                *o++ = *p++;
            } while (p < end && *p != ' ' && !set.contains(*p) && !(crlf && *p == '\r'));
            last_blank = false;
            continue;
        }
        // A blank, a mark of the set, or a carriage return.
        const char c = *p++;
        bool blank = c == ' ' || set.contains(c);
        if (crlf && c == '\r' && p < end && *p == '\n') {
            blank = true;
            ++p;
        }
        if (!blank) {
            *o++ = c; // a carriage return alone, not in the set
            last_blank = false;
            continue;
        }
        if (!last_blank) *o++ = ' ';
        last_blank = true;
    }
    out.resize(static_cast<std::size_t>(o - base));
}

std::string reduce_blanks(std::string_view text) {
    std::string out;
    append_cleaned(out, text, CharSet(""));
    return out;
}

std::string_view trim_trailing_blanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

int count_char(std::string_view text, char c) {
    int n = 0;
    for (char x : text) n += x == c;
    return n;
}

int count_occurrences(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    // One or two different characters: counted in one straight pass (two
    // different characters cannot overlap themselves).
    if (needle.size() == 1) return count_char(text, needle[0]);
    if (needle.size() == 2 && needle[0] != needle[1]) {
        const char a = needle[0], b = needle[1];
        int n = 0;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) n += (text[i] == a) & (text[i + 1] == b);
        return n;
    }
    int n = 0;
    std::size_t pos = text.find(needle);
    while (pos != std::string_view::npos) {
        ++n;
        pos = text.find(needle, pos + needle.size());
    }
    return n;
}

} // namespace zapt
