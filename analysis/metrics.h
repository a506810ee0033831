// Text metrics of one author: counts over the author's stored text rows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// The fourteen marks counted as punctuation, in counting order.
inline constexpr std::string_view kPunctuationMarks = ".,?:;!-()/'\"[]";

// Joins the rows, each followed by one more blank, punctuation kept.
std::string join_rows(const std::vector<std::string>& rows);

// The figures behind the "INDIVIDUAL DATA" panel for rows r1..rn (each a text
// plus one blank), with J = the joined rows plus one final blank:
struct AuthorFigures {
    int n = 0;              // number of rows
    int P = 0;              // punctuation marks in the joined rows
    int W = 0;              // word total: blanks in J
    int Sw = 0;             // sum of the blanks of each row
    int Sc = 0;             // sum of the lengths of the rows, in characters
    std::size_t length = 0; // length of J, in characters
};

AuthorFigures author_figures(const std::vector<std::string>& rows);

} // namespace zapt
