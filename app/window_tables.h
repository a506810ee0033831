// The tables of what the windows show, read from the main window's state: the
// main window's panels and lists, the corpus data window and the collocations
// window, with the export header and the group and author they were shown
// for. Tables name authors by code only.
#pragma once

#include "results/result_table.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_metrics.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

class MainWindowState;

// The collocations window's string as before/after pairs.
ResultTable collocation_window_table(const MainWindowState& app);

// ---- The main window and the corpus data window (caption, value rows) ----

ResultTable author_panel_table(const MainWindowState& app);
ResultTable group_panel_table(const MainWindowState& app);
// The family's selected item and its three counts, with the author code and the
// group they were counted for; `family` indexes form1.families.
ResultTable family_counts_table(const MainWindowState& app, std::size_t family);
// The glossary's forms in the grey list's order with their interpretation and
// count in the cleaned corpus text.
ResultTable glossary_table(const MainWindowState& app);
// The yellow list's codes with their education codes, row for row.
ResultTable group_authors_table(const MainWindowState& app);
// The author's non-standard forms with their interpretation and corpus count.
ResultTable non_standards_table(const MainWindowState& app);
ResultTable cluster_table(const MainWindowState& app);
ResultTable corpus_data_table(const MainWindowState& app);

// ---- Export ----

// The group whose data the main window shows, as "26 to 40 F" (read from the
// authors listed in the yellow list); empty before the first group query.
std::string shown_group(const MainWindowState& app);
// "group 26 to 40 F, author 012", "group 26 to 40 F", or empty.
std::string shown_selection(const MainWindowState& app);
// The export header of the built-in corpus for `selection`.
ExportHeader export_header(const MainWindowState& app, std::string selection);
// The same for a corpus: its name and number of texts.
ExportHeader export_header(const Corpus& corpus, std::string selection);

// ---- The main window state's data for the comparison of groups ----

// The family of the main window named `name` (see find_family of the families).
std::optional<FormList> find_family(const MainWindowState& app, std::string_view name);
// The ten groups' figures from the corpus's author index.
std::vector<GroupMetricsRow> group_metrics(const MainWindowState& app,
                                           int privacyThreshold = kPrivacyThreshold);
// The same by running the group query of each group on `scratch` (whose state
// it changes: give it a main window state of its own) and, for the spread, selecting
// each author of the group and fetching the author's data. Slow; the tests
// hold the two equal.
std::vector<GroupMetricsRow> group_metrics_by_queries(MainWindowState& scratch,
                                                      int privacyThreshold = kPrivacyThreshold);
// The data a main window state was built from (register, corpus, glossary and
// families), to build a second main window state over the same corpus.
DataSet data_set_of(const MainWindowState& app);

} // namespace zapt
