#include "analysis/punctuation.h"

#include "corpus/text.h"

namespace zapt {
namespace {

enum class CharClass { Space, Word, Punctuation };

bool is_letter_1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
    case 0x83:
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA:
        return true;
    default:
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

CharClass class_of(char c) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return CharClass::Space;
    return is_word_character(c) ? CharClass::Word : CharClass::Punctuation;
}

std::size_t word_left(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    while (i > 0 && class_of(t[i - 1]) == CharClass::Space) --i;
    if (i == 0) return 0;
    CharClass cls = class_of(t[i - 1]);
    while (i > 0 && class_of(t[i - 1]) == cls) --i;
    return i;
}

std::size_t word_right(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    if (i >= t.size()) return t.size();
    CharClass cls = class_of(t[i]);
    while (i < t.size() && class_of(t[i]) == cls) ++i;
    while (i < t.size() && class_of(t[i]) == CharClass::Space) ++i;
    return i;
}

} // namespace

bool is_word_character(char ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    return (c >= '0' && c <= '9') || is_letter_1252(c);
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
            from = at + 10;
        }
    }
    return items;
}

} // namespace zapt
