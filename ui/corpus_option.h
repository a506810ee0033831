// The corpus a program of the windows works on: the built-in one, or the folder
// named by "--corpus DIR" on its command line.
#pragma once

#include "corpus/data_files.h"

#include <string>

namespace zapt::ui {

struct CorpusArgument {
    std::string dir;   // empty: the built-in corpus
    std::string error; // a command line the program does not understand
};

// Reads "--corpus DIR" or "--corpus=DIR"; any other argument is an error
// (Qt's own arguments are taken out before).
CorpusArgument corpus_argument(int argc, char** argv);

// "--version" and "--help" (or "-h") are answered before any window or display
// is needed, so they work on a machine without a desktop too. The value after
// "--corpus" is a folder, never one of these.
enum class InfoRequest { None, Version, Help };
InfoRequest info_request(int argc, char** argv);

// The text "--help" prints.
const char* usage_text();

// The data of `dir` (the built-in data when empty). A folder that takes longer
// than 300 ms shows a progress window with a Cancel button when `dialog` is
// set. Throws DataError for a file that breaks a rule, LoadCancelled when the
// user cancels.
DataSet load_corpus(const std::string& dir, bool dialog);

// Loads as above, or writes what went wrong to standard error: "file:line:
// rule" for a broken file. Returns the exit code to end with (0 when loaded).
int load_corpus_or_report(const std::string& dir, bool dialog, DataSet& data);

} // namespace zapt::ui
