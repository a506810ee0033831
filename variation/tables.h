// Every result of the program as a result table, so that each window and the
// report tool copy and export the same rows. Tables name authors by code
// only: no author name and no whole text ever enters one.
#pragma once

#include "app/explorer.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_metrics.h"
#include "variation/result_table.h"

#include <string>

namespace zapt {

// ---- The comparison of groups ----

// One row per group and form, with exactly the columns
// band,gender,form,count,words,per_10k,share,authors_using,authors.
// per_10k and share have four decimals; either is empty where it is not
// defined (a text without words, a group without any form of the family).
// The settings carry the forms, the bases and every test result.
ResultTable comparison_table(const Comparison& c);
// One row per group and form: how the count spreads over the authors.
ResultTable spread_table(const Comparison& c);
// One row per test: statistic, degrees of freedom, p-value and note.
ResultTable significance_table(const Comparison& c);

// ---- Collocations ----

// band-free: word_before, form, word_after, one row per occurrence.
ResultTable occurrences_table(const CollocationTable& t);
// word, left, right, corpus_frequency, mi, log_dice (formulas in the settings).
ResultTable collocates_table(const CollocationTable& t);
// The collocations window's string as before/after pairs.
ResultTable collocation_window_table(const Explorer& app);

// ---- Author figures by group ----

// band, gender, authors, the six figures, then the smallest and largest
// author value of each (empty where withheld).
ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows,
                                int privacyThreshold = kPrivacyThreshold);

// ---- The main window and the corpus data window (caption, value rows) ----

ResultTable author_panel_table(const Explorer& app);
ResultTable group_panel_table(const Explorer& app);
// The family's selected item and its three counts, with the author code and the
// group they were counted for; `family` indexes form1.families.
ResultTable family_counts_table(const Explorer& app, std::size_t family);
// The glossary's forms in the grey list's order with their interpretation and
// count in the cleaned corpus text.
ResultTable glossary_table(const Explorer& app);
// The yellow list's codes with their education codes, row for row.
ResultTable group_authors_table(const Explorer& app);
// The author's non-standard forms with their interpretation and corpus count.
ResultTable non_standards_table(const Explorer& app);
ResultTable cluster_table(const Explorer& app);
ResultTable corpus_data_table(const Explorer& app);

// ---- Export ----

// The group whose data the main window shows, as "26 to 40 F" (read from the
// authors listed in the yellow list); empty before the first group query.
std::string shown_group(const Explorer& app);
// "group 26 to 40 F, author 012", "group 26 to 40 F", or empty.
std::string shown_selection(const Explorer& app);
// The export header of the built-in corpus for `selection`.
ExportHeader export_header(const Explorer& app, std::string selection);

} // namespace zapt
