// The six figures of the group panel for every group, as the panel shows
// them after that group's query, with their spread over the group's authors
// (the smallest and largest author value, as the author panel shows it).
#pragma once

#include "authors/author_index.h"
#include "corpus/data_files.h"
#include "corpus/numbers.h"
#include "variation/compare.h"
#include "variation/group_index.h"

#include <array>
#include <string>
#include <vector>

namespace zapt {

// One figure of the group panel and the author label it averages.
struct GroupFigure {
    const char* groupLabel;  // "GroupAvTextLength"
    const char* authorLabel; // "lblAvTextLength"
    const char* heading;     // "Av. text length in Group"
    const char* column;      // "av_text_length": the column of the tables
};
inline constexpr std::array<GroupFigure, 6> kGroupFigures = {{
    {"NumOfGroupTexts", "lblTextTotal", "No. of texts in Group", "texts"},
    {"GroupAvTextLength", "lblAvTextLength", "Av. text length in Group", "av_text_length"},
    {"GroupAvNumOfCharacters", "lblNumOfCharacters", "Av. no. of characters per text in Group",
     "av_characters"},
    {"GroupAvWordClusterLength", "lblAvWordClusterLength", "Av. word cluster in Group",
     "av_word_cluster_length"},
    {"GroupAvPuncDensity", "lblPuncDensity", "Av. punctuation density in Group",
     "av_punctuation_density"},
    {"GroupNonStandardFormsDensity", "lblNonStandardFormDensity", "Av. Non-Standard Density",
     "non_standard_density"},
}};

struct GroupMetricsRow {
    GroupKey group;
    std::vector<std::string> labels; // the values naming the group, one per group column
    int authors = 0;
    std::array<std::string, 6> values; // the group panel's captions, in kGroupFigures order
    // The smallest and largest author caption of each figure; withheld (empty)
    // when the group has fewer authors than the privacy threshold, since each
    // end of the range is one author's own figure.
    bool spreadWithheld = false;
    std::array<std::string, 6> min, max;
};

// Sets the spread of each figure from the authors' captions (each an array
// whose first six are in kGroupFigures order), in AgeTable order: the first
// author of a smallest or largest value gives its caption.
template <class Captions>
void add_author_spread(GroupMetricsRow& row, const std::vector<Captions>& authors) {
    std::array<double, 6> lo{}, hi{};
    for (std::size_t i = 0; i < authors.size(); ++i) {
        for (std::size_t k = 0; k < 6; ++k) {
            const std::string& caption = authors[i][k];
            const double v = read_leading_number(caption);
            if (i == 0 || v < lo[k]) lo[k] = v, row.min[k] = caption;
            if (i == 0 || v > hi[k]) hi[k] = v, row.max[k] = caption;
        }
    }
}

// The same with the captions already read as numbers (values[i] for authors[i]).
template <class Captions>
void add_author_spread(GroupMetricsRow& row, const std::vector<Captions>& authors,
                       const std::vector<std::array<double, 6>>& values) {
    std::array<double, 6> lo{}, hi{};
    for (std::size_t i = 0; i < authors.size(); ++i) {
        for (std::size_t k = 0; k < 6; ++k) {
            const double v = values[i][k];
            if (i == 0 || v < lo[k]) lo[k] = v, row.min[k] = authors[i][k];
            if (i == 0 || v > hi[k]) hi[k] = v, row.max[k] = authors[i][k];
        }
    }
}

// The ten groups' figures from the author index, without running a query:
// what each group's query would show, and each author's captions.
std::vector<GroupMetricsRow> group_metrics(const AuthorIndex& index, const AgeBands& bands,
                                           int privacyThreshold = kPrivacyThreshold);

// The same for the groups of a group index (built over the same store and
// register as the author index), each row named by its labels.
std::vector<GroupMetricsRow> group_metrics(const AuthorIndex& index, const GroupIndex& groups,
                                           int privacyThreshold = kPrivacyThreshold);

// The same over `data`, building its store and author index.
std::vector<GroupMetricsRow> group_metrics(const DataSet& data, const AgeBands& bands,
                                           int privacyThreshold = kPrivacyThreshold);

} // namespace zapt
