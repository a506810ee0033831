// The "Compare groups" window (Form12): a variant family (or the user's own
// forms) across the ten groups and the whole corpus, as a table, a stacked bar
// chart of the family's shares and the tests of difference; the author figures
// of every group with their spread; the collocations of a form as tables.
// Every table it shows is a result table of the core, and can be copied and
// exported as shown.
#pragma once

#include "app/compare_form.h"
#include "app/explorer.h"
#include "variation/group_index.h"
#include "variation/result_table.h"

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
QWidget* createCompareWindow(const Explorer& app, const GroupIndex& index,
                             std::function<ExportHeader()> header,
                             std::function<std::string()> selectedForm,
                             const AuthorFields& fields = {},
                             const std::vector<std::string>& applied = {},
                             CompareMemory* memory = nullptr);

} // namespace zapt::ui
