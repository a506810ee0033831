// The "Compare groups" window (Form12): a variant family (or the user's own
// forms) across the ten groups and the whole corpus, as a table, a stacked bar
// chart of the family's shares and the tests of difference; the author figures
// of every group with their spread; the collocations of a form as tables; the
// share chart of one form with each group's n and interval and every author's
// own share; the authors' long table. Every table it shows is a result table
// of the core, and can be copied and exported as shown; the charts save as
// PNG or SVG.
#pragma once

#include "app/compare_form.h"
#include "app/main_window_state.h"
#include "variation/group_index.h"
#include "results/result_table.h"

#include <QWidget>
#include <functional>

namespace zapt::ui {

// `index` holds every author's words (built once; it must outlive the window);
// `header` gives the export header of the window's tables; `selectedForm` the
// glossary form selected in the main window (empty when none), which the
// collocations tab starts from; `fields` the fields groups can be made of;
// `applied` the built-in lists a corpus of the user's own is read with;
// `memory` what every comparison window of the corpus shares (it must outlive
// the window; none: the window keeps its own).
QWidget* createCompareWindow(const Corpus& corpus, const GroupIndex& index,
                             std::function<ExportHeader()> header,
                             std::function<std::string()> selectedForm,
                             const std::vector<std::string>& applied = {},
                             CompareMemory* memory = nullptr);

// Shows, in an open comparison window, the own forms `forms` compared over the
// grouping `groupBy` ("gender", "band,gender", "education,region": the names
// zapt-report's --group-by takes; empty: age band × gender) on the shares tab
// (a concordance's tally opens the comparison of its form this way). False,
// with `error` set and the window unchanged, when `window` is no comparison
// window, the grouping cannot be read or the forms hold none.
bool show_comparison_of(QWidget* window, const std::string& forms, const std::string& groupBy,
                        std::string* error = nullptr);

} // namespace zapt::ui
