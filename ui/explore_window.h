// The "Explore" window: subcorpora from any metadata, word lists (with
// patterns, the glossary and dictionary filters, count and author floors,
// numbers left out and a stop list), keywords of one subcorpus against
// another, the rest of the corpus or a reference corpus, and a concordance
// that never shows more than half of a text, with the authors' groups beside
// its lines and a tally of its hits per group. Its state lives in the core
// (ExploreForm); the window forwards each event and shows the state. Every
// table sorts, copies and exports; a row of the word list or the keywords
// opens the concordance of its form, a row of the tally the comparison of the
// form across the groups.
#pragma once

#include "app/explore_form.h"
#include "results/result_table.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace zapt::ui {

// Where the window leads to in other windows.
struct ExploreLinks {
    // Opens the comparison window on `forms` (the user's own forms) over the
    // grouping `groupBy` (as show_comparison_of takes them).
    std::function<void(const std::string& forms, const std::string& groupBy)> compare;
};

// `form` is the window's state (kept alive by the window); `header` gives the
// export header of the window's tables for a selection.
QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header,
                             ExploreLinks links = {});

// Runs `op` on the state of an open Explore window as one of its own events
// (the window then shows the new state): how another window opens the
// concordance of a form here. False when `window` is no Explore window.
bool run_in_explore_window(QWidget* window, const std::function<void(ExploreForm&)>& op);

} // namespace zapt::ui
