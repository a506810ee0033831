// Every result of the program as a result table, so that each window and the
// report tool copy and export the same rows. Tables name authors by code
// only: no author name and no whole text ever enters one.
#pragma once

#include "results/result_table.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_metrics.h"

#include <string>

namespace zapt {

// ---- The comparison of groups ----

// One row per group and form, with exactly the columns
// band,gender,form,count,words,per_10k,share,authors_using,authors; for
// another grouping the group columns are named after its fields
// (education,form,... or education,gender,form,...).
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
// word, left, right, corpus_frequency, mi, log_dice, ll, t_score (formulas in
// the settings; ll and t_score signed, negative where the word stands beside
// the form less often than expected). Settings other than the collocations
// window's (one word either side, across texts, every collocate) are named.
ResultTable collocates_table(const CollocationTable& t);
// The same with the span, the minimum frequency and whether pairs stay inside
// a text, and with log-likelihood and t-score (both signed) beside MI and
// logDice.
ResultTable collocate_measures_table(const CollocationTable& t);

// ---- Author figures by group ----

// band, gender, authors, the six figures, then the smallest and largest
// author value of each (empty where withheld).
ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows,
                                int privacyThreshold = kPrivacyThreshold);
// The same for the groups of `by`: the group columns named after its fields,
// and, for any grouping but the query's over the whole corpus, settings
// saying what the groups are and how many authors were left out.
ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows, const GroupBy& by,
                                int leftOut, bool subcorpus,
                                int privacyThreshold = kPrivacyThreshold);

} // namespace zapt
