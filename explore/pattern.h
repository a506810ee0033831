// Patterns a user types to find forms and phrases.
//
// A pattern is one or more words separated by blanks; a phrase of several
// words matches consecutive pieces of one text, never across texts. Each word
// is a form ("2day"), a wildcard pattern ("2*", "?ite": "*" any run of
// characters, "?" one character, that is one extended grapheme cluster, as a
// reader sees it: "é" written with a combining accent, "👍🏽" with its skin
// tone) or a regular expression after "re:" (RE2 syntax over code points,
// matching the whole form). Words match
// forms without regard to case: a form or wildcard pattern is folded as the
// pieces are, and an expression is matched case-insensitively against the
// folded forms. RE2 matches in time linear in the form, so no pattern can
// hang the program; an expression RE2 refuses gives a message.
#pragma once

#include "explore/form_index.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace re2 {
class RE2;
}

namespace zapt {

// The longest pattern read, in bytes, and the most words of a phrase.
inline constexpr std::size_t kMaxPatternBytes = 4096;
inline constexpr std::size_t kMaxPhraseWords = 10;

struct PatternWord {
    std::string text;                   // as typed
    std::string folded;                 // a literal form: folded
    std::shared_ptr<const re2::RE2> re; // a wildcard or expression; null for a literal
    bool clusters = false;              // a wildcard: `re` runs over the form's characters, each
                                        // followed by kCharacterMark
};

// What follows each character (grapheme cluster) of a form when a wildcard
// pattern is matched: U+FDD0, a noncharacter that no text interchanges.
inline constexpr std::string_view kCharacterMark = "\xEF\xB7\x90";
// The form with kCharacterMark after each of its characters.
std::string marked_characters(std::string_view s);

struct Pattern {
    std::vector<PatternWord> words;
    std::string error; // why the pattern cannot be used; empty when it can

    bool ok() const { return error.empty() && !words.empty(); }
    bool phrase() const { return words.size() > 1; }
    // Whether a form matches word w (a literal compares the folded text).
    bool matches(std::size_t w, std::string_view foldedForm) const;
};

Pattern compile_pattern(std::string_view text);
// The same with every word taken as a form: "*" and "?" are characters.
Pattern literal_pattern(std::string_view text);

// The words of a typed pattern: split at blanks and control characters.
std::vector<std::string_view> text_pieces_at_blanks(std::string_view text);

// The forms of the index that word w of the pattern matches, ascending; a
// literal gives its form alone, or nothing.
std::vector<std::uint32_t> matching_forms(const FormIndex& index, const Pattern& pattern,
                                          std::size_t w);

// Where a pattern occurs: the first piece (among all pieces) and the number
// of pieces, which all lie in one text.
struct PatternHit {
    std::uint32_t text = 0;
    std::uint32_t first = 0; // piece place of the first word
    std::uint32_t length = 1;
};

// Every occurrence of the pattern in the texts of the buckets marked in
// `inScope` (indexed by FormIndex bucket; empty: the whole corpus) and, when
// `texts` is not empty, only in the texts marked in it (one per text), in
// corpus order.
std::vector<PatternHit> find_hits(const FormIndex& index, const Pattern& pattern,
                                  const std::vector<char>& inScope = {},
                                  const std::vector<char>& texts = {});

// A matching form or sequence of forms with its figures in the scope.
struct PatternMatch {
    std::vector<std::uint32_t> forms;
    std::uint64_t count = 0;
    std::uint32_t texts = 0;
    std::uint32_t authors = 0; // register rows among the texts' authors
};

// The distinct matches of a set of hits, by count descending then spelling.
std::vector<PatternMatch> group_hits(const FormIndex& index, const std::vector<PatternHit>& hits);

// The spellings of a match, joined by blanks.
std::string shown_match(const FormIndex& index, const std::vector<std::uint32_t>& forms);

} // namespace zapt
