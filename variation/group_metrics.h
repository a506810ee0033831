// The six figures of the group panel for every group, as the panel shows
// them after that group's query, with their spread over the group's authors
// (the smallest and largest author value, as the author panel shows it).
#pragma once

#include "app/explorer.h"
#include "corpus/data_files.h"
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
    int authors = 0;
    std::array<std::string, 6> values; // the group panel's captions, in kGroupFigures order
    // The smallest and largest author caption of each figure; withheld (empty)
    // when the group has fewer authors than the privacy threshold, since each
    // end of the range is one author's own figure.
    bool spreadWithheld = false;
    std::array<std::string, 6> min, max;
};

// The ten groups' figures as the explorer works them out without changing its
// state: what each group's query would show, and each author's captions.
std::vector<GroupMetricsRow> group_metrics(const Explorer& app,
                                           int privacyThreshold = kPrivacyThreshold);

// The same by running the group query of each group on `scratch` (whose state
// it changes: give it an explorer of its own) and, for the spread, selecting
// each author of the group and fetching the author's data. Slow; the tests
// hold the two equal.
std::vector<GroupMetricsRow> group_metrics_by_queries(Explorer& scratch,
                                                      int privacyThreshold = kPrivacyThreshold);

// The same on an explorer of its own over `data`, whose effects go nowhere.
std::vector<GroupMetricsRow> group_metrics(const DataSet& data,
                                           int privacyThreshold = kPrivacyThreshold);

// The data an explorer was built from (register, corpus, glossary and
// families), to build a second explorer over the same corpus.
DataSet data_set_of(const Explorer& app);

} // namespace zapt
