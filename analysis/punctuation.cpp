#include "analysis/punctuation.h"

#include "corpus/text.h"

#include <array>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace zapt {
namespace {

enum class CharClass { Space, Word, Punctuation };

// The classes of the ASCII characters.
constexpr std::array<CharClass, 128> kAsciiClasses = [] {
    std::array<CharClass, 128> t{};
    for (int c = 0; c < 128; ++c) {
        const bool word =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        t[static_cast<std::size_t>(c)] = word ? CharClass::Word : CharClass::Punctuation;
    }
    for (char c : {' ', '\t', '\r', '\n'}) t[static_cast<std::size_t>(c)] = CharClass::Space;
    return t;
}();

// The class of the character beyond ASCII that starts at byte `i`: a letter
// or digit of any script is a word character, and so is a combining mark,
// which belongs to the letter before it; everything else is punctuation.
[[gnu::noinline]] CharClass wide_class_at(std::string_view t, std::size_t i) {
    UChar32 cp = 0;
    auto at = static_cast<std::int32_t>(i);
    U8_NEXT(t.data(), at, static_cast<std::int32_t>(t.size()), cp);
    if (cp < 0) return CharClass::Punctuation;
    const std::int8_t type = u_charType(cp);
    const bool mark =
        type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK || type == U_ENCLOSING_MARK;
    return u_isalnum(cp) || mark ? CharClass::Word : CharClass::Punctuation;
}

// The class of the character that starts at byte `i`.
inline CharClass class_at(std::string_view t, std::size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    return c < 0x80 ? kAsciiClasses[c] : wide_class_at(t, i);
}

// The start of the character before byte `i`.
std::size_t previous(std::string_view t, std::size_t i) {
    --i;
    while (i > 0 && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) --i;
    return i;
}

// The start of the character after the one at byte `i`.
std::size_t following(std::string_view t, std::size_t i) {
    ++i;
    while (i < t.size() && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) ++i;
    return i;
}

std::size_t word_left(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    CharClass cls = CharClass::Space;
    while (i > 0) {
        const std::size_t p = previous(t, i);
        cls = class_at(t, p);
        if (cls != CharClass::Space) break;
        i = p;
    }
    if (i == 0) return 0;
    while (i > 0) {
        const std::size_t p = previous(t, i);
        if (class_at(t, p) != cls) break;
        i = p;
    }
    return i;
}

std::size_t word_right(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    if (i >= t.size()) return t.size();
    CharClass cls = class_at(t, i);
    while (i < t.size() && class_at(t, i) == cls) i = following(t, i);
    while (i < t.size() && class_at(t, i) == CharClass::Space) i = following(t, i);
    return i;
}

} // namespace

bool is_word_character(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x80 && kAsciiClasses[c] == CharClass::Word;
}

int count_punctuation_kind(std::string_view corpus_text, PuncOption option) {
    switch (option) {
    case PuncOption::Stops:
        return count_occurrences(corpus_text, ".");
    case PuncOption::Commas:
        return count_occurrences(corpus_text, ",");
    case PuncOption::QuestionMarks:
        return count_occurrences(corpus_text, "?");
    case PuncOption::ExclamationMarks:
        return count_occurrences(corpus_text, "!");
    case PuncOption::Slashes:
        return count_occurrences(corpus_text, "/");
    case PuncOption::Brackets:
        return count_char(corpus_text, '(') + count_char(corpus_text, ')');
    case PuncOption::SemiColons:
        return count_occurrences(corpus_text, ";");
    case PuncOption::Colons:
        return count_occurrences(corpus_text, ":");
    case PuncOption::SpacePlusStop:
        return count_occurrences(corpus_text, " .");
    case PuncOption::SpacePlusComma:
        return count_occurrences(corpus_text, " ,");
    }
    return 0;
}

std::pair<std::size_t, std::size_t> cluster_span(std::string_view text, std::size_t mark) {
    std::size_t start = word_left(text, std::min(mark, text.size()));
    std::size_t end = start;
    for (int jump = 0; jump < 3; ++jump) end = word_right(text, end);
    return {start, end};
}

std::vector<std::string> cluster_list(std::string_view text) {
    std::vector<std::string> items;
    for (char mark : {'.', ',', '?', '!'}) {
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t at = text.find(mark, from);
            if (at == std::string_view::npos) break;
            auto [a, b] = cluster_span(text, at);
            items.emplace_back(text.substr(a, b - a));
            from = advance_chars(text, at, 10); // ten characters on
        }
    }
    return items;
}

} // namespace zapt
