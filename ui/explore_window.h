// The "Explore" window: subcorpora from any metadata, word lists (with
// patterns and the glossary and dictionary filters), keywords of one
// subcorpus against another, and a concordance that never shows more than
// half of a text. Its state lives in the core (ExploreForm); the window
// forwards each event and shows the state. Every table copies and exports.
#pragma once

#include "app/explore_form.h"
#include "variation/result_table.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace zapt::ui {

// `form` is the window's state (kept alive by the window); `header` gives the
// export header of the window's tables for a selection.
QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header);

} // namespace zapt::ui
