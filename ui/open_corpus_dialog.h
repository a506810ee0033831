// The "Open corpus" window: the user picks a table (CSV, TSV) or a folder of
// JSON files, the age bands, the column mapping, the table's encoding, which of
// its columns are author fields and which text fields, and the glossary and
// variant families; sees whether the corpus can be read, the columns found,
// its first rows (by author code, each text cut to its first half), the authors
// in each band and every problem of the load; and starts the program afresh on
// it. The settings kept for a corpus are offered again when it is chosen, and
// kept when the program starts on it.
#pragma once

#include "app/corpus_settings.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zapt::ui {

// `current` is what the program runs on (its corpus, bands, mapping, encoding,
// fields, glossary and families), which the window starts from, so that
// nothing in force is dropped unseen. `settings` (when given) holds each
// corpus's settings: those of a corpus chosen are filled in, and pressing
// "Open" keeps the chosen ones. `start` is called with the command-line
// arguments of the chosen corpus when the user presses "Open".
QWidget* createOpenCorpusWindow(const CorpusOptions& current,
                                std::shared_ptr<const SettingsStore> settings,
                                std::function<void(const std::vector<std::string>&)> start);

// The same from the bands in use alone ("<18,18-25,26-40,41-60,61+"), without
// settings kept.
QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start);

} // namespace zapt::ui
