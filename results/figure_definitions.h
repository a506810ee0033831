// How every figure of the program is worked out, in words a user can check by
// hand: shown beside the figures in the comparison window and written into
// the header of every export.
#pragma once

#include <array>
#include <string_view>

namespace zapt {

struct FigureDefinition {
    std::string_view name;       // the column name of the tables
    std::string_view definition; // how the figure is worked out
};

// An author's stored text is the text as written with its trailing blanks
// removed and one blank added. The marks counted as punctuation are
// . , ? : ; ! - ( ) / ' " [ ].
inline constexpr std::array<FigureDefinition, 11> kFigureDefinitions = {{
    {"texts", "an author's number of texts; for a group, the sum over its authors"},
    {"word_total",
     "an author's word total: the blanks of the author's stored texts joined, each followed by "
     "one more blank, plus one final blank (k texts with b inner blanks give b + 2k + 1); it "
     "counts blank-separated clusters with their punctuation, and the separators"},
    {"av_text_length",
     "the sum over the author's stored texts of their blank-separated pieces (the empty piece "
     "after the trailing blank included), divided by the number of texts"},
    {"av_characters",
     "the sum of the lengths in characters of the author's stored texts (trailing blank "
     "included), divided by the number of texts"},
    {"av_word_cluster_length",
     "the characters of the author's joined texts (every blank included), divided by the "
     "author's word total"},
    {"av_punctuation_density",
     "the author's punctuation marks . , ? : ; ! - ( ) / ' \" [ ] divided by the author's word "
     "total (not by the number of characters)"},
    {"non_standard_density",
     "the author's uses of glossary forms (blank-separated pieces of the joined texts equal to a "
     "form without regard to case; a piece with a mark attached does not count) divided by the "
     "author's word total"},
    {"group averages",
     "the unweighted mean over the group's authors of each author's value as shown (rounded to "
     "four decimals), rounded to four decimals: every author counts once, whatever their "
     "number of texts"},
    {"corpus words",
     "the blanks of the cleaned corpus text: every text followed by one blank, the marks "
     ". , ? ! : ; ( ) / - + = \" replaced by blanks, runs of blanks reduced to one"},
    {"group words",
     "the blanks of the group's text: the texts of the group's authors joined, each followed by "
     "one blank, the marks . , ; : ? ! ( ) - replaced by blanks, runs of blanks reduced to one"},
    {"per_10k", "a count divided by the words of the same text, times 10,000"},
}};

} // namespace zapt
