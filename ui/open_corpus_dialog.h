// The "Open corpus" window: the user picks a table (CSV, TSV) or a folder of
// JSON files and the age bands, sees whether the corpus can be read, the
// columns found, its first rows (by author code, each text cut to its first
// half), the authors in each band and every problem of the load, and starts
// the program afresh on it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace zapt::ui {

// `bands` is the list of bands in use ("<18,18-25,26-40,41-60,61+"); `start`
// is called with the command-line arguments of the chosen corpus when the
// user presses "Open".
QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start);

} // namespace zapt::ui
