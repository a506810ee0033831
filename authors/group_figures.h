// What the panels show after the query of a group, worked out from the
// author index without running the query: the group panel's six captions,
// and for each author the query lists the captions of Get Author Data, as
// the group's run shows them.
#pragma once

#include "authors/author_index.h"

#include <array>
#include <string>
#include <vector>

namespace zapt {

// lblTextTotal, lblAvTextLength, lblNumOfCharacters, lblAvWordClusterLength,
// lblPuncDensity, lblNonStandardFormDensity, lblTotWords
using AuthorCaptions = std::array<std::string, 7>;

// The captions of Get Author Data for an entry (none: no texts), from the
// figures counted at start-up; every caption "0" for an author without texts.
AuthorCaptions author_captions(const AuthorEntry* a);

struct GroupFigures {
    // NumOfGroupTexts, GroupAvTextLength, GroupAvNumOfCharacters,
    // GroupAvWordClusterLength, GroupAvPuncDensity, GroupNonStandardFormsDensity
    std::array<std::string, 6> group;
    std::vector<AuthorCaptions> authors;
    // Each author's first six captions read as numbers (by the leading
    // number), as the group's sums read them.
    std::vector<std::array<double, 6>> values;
};

GroupFigures group_figures(const AuthorIndex& index, const AgeBands& bands, AgeBand band,
                           Gender gender);
// The same for any list of authors, as a query listing them would show them
// (an entry may be null: an author without texts).
GroupFigures group_figures(const std::vector<const AuthorEntry*>& entries);

} // namespace zapt
