// Punctuation counts over the corpus text and the punctuation clusters of one
// author's separated text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zapt {

// The kinds of punctuation the count offers, in the order of its option buttons.
enum class PuncOption {
    Stops,
    Commas,
    QuestionMarks,
    ExclamationMarks,
    Slashes,
    Brackets,
    SemiColons,
    Colons,
    SpacePlusStop,
    SpacePlusComma,
};

// Whether an ASCII character is a word character of word navigation: a
// letter or a digit. (Beyond ASCII, the letters and digits of every script
// and the combining marks are word characters too.)
bool is_word_character(char c);

// How many times the chosen kind occurs in the corpus text: non-overlapping
// occurrences of its search string; for brackets every "(" and every ")".
int count_punctuation_kind(std::string_view corpus_text, PuncOption option);

// The span [first, second) cut out around the mark at `mark` by word
// navigation: one word to the left from just before the mark, then three words
// to the right. Characters fall into three classes: white space, word
// characters (letters and digits) and punctuation (everything else, the text
// separator "%" included).
std::pair<std::size_t, std::size_t> cluster_span(std::string_view text, std::size_t mark);

// The cluster list of a separated author text: for each of ".", ",", "?", "!"
// in turn, the span around every occurrence that lies at least ten characters
// after the previous listed occurrence of the same mark.
std::vector<std::string> cluster_list(std::string_view separated_text);

} // namespace zapt
