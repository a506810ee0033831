// The corpus a program of the windows works on: the built-in one, or the folder
// or table named by "--corpus PATH" on its command line, with the corpus's own
// bands, columns, glossary and families.
#pragma once

#include <memory>

#include "app/corpus_source.h"
#include "corpus/data_files.h"

#include <string>

namespace zapt::ui {

struct CorpusArgument {
    CorpusOptions options;
    std::string error; // a command line the program does not understand
};

// Reads the corpus options ("--corpus PATH", --map, --glossary, --families,
// --bands); any other argument is an error (Qt's own arguments are taken out
// before). More bands than the main window shows is an error too.
CorpusArgument corpus_argument(int argc, char** argv);

// "--version" and "--help" (or "-h") are answered before any window or display
// is needed, so they work on a machine without a desktop too. The value after
// "--corpus" is a folder, never one of these.
enum class InfoRequest { None, Version, Help };
InfoRequest info_request(int argc, char** argv);

// The text "--help" prints.
const char* usage_text();

// The corpus the options name. A folder or table that takes longer than 300 ms
// shows a progress window with a Cancel button when `dialog` is set. Throws
// DataError for a corpus that cannot be read, LoadCancelled when the user
// cancels.
std::shared_ptr<const Corpus> load_corpus(const CorpusOptions& options, bool dialog);

// Loads as above, or writes what went wrong to standard error: "file:line:
// rule" for a broken file. A table's problems, which do not stop the load, are
// written there too. Returns the exit code to end with (0 when loaded).
int load_corpus_or_report(const CorpusOptions& options, bool dialog,
                          std::shared_ptr<const Corpus>& corpus);

} // namespace zapt::ui
