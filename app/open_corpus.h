// What the "Open corpus..." dialog shows before the program starts afresh on
// another corpus: whether it can be read, the columns found, the first rows
// (each text cut to its first half, each author by code), the authors each age
// band would hold, and every problem of the load. Working it out leaves the
// running program's corpus and bands as they are.
#pragma once

#include "app/corpus_settings.h"
#include "app/corpus_source.h"
#include "selection/age_band.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zapt {

struct CorpusPreview {
    bool readable = false;
    std::string error; // why the corpus cannot be read (when not readable)
    std::string name;  // "table PATH" or "folder PATH"
    std::size_t texts = 0;
    std::size_t authors = 0;
    // The columns read for each field, and those left out with why (a table);
    // the fields the corpus has no value for.
    std::vector<std::string> columns;
    // A table's columns beyond the fields, each an author or a text field.
    std::vector<MetadataField> fields;
    // The encoding a table was read in; for one that could not be read for
    // its encoding, the encoding ICU's detection proposes (empty when none).
    std::string encoding;
    std::string proposedEncoding;
    // The first rows in corpus order: the author's code and fields, then the
    // text's first half.
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    // The bands asked for: why they cannot be used, or per band its caption
    // and how many authors it holds; authors whose age lies in no band; and
    // whether the main window can show them all.
    std::string bandsError;
    // When no bands were given: that the built-in ones are used.
    std::string bandsNote;
    std::vector<std::pair<std::string, std::size_t>> bands;
    std::size_t authorsInNoBand = 0;
    std::size_t authorsWithoutAge = 0;
    bool fitsMainWindow = true;
    // Every problem of the load, as `zapt-report check` gives them.
    std::string report;
    // Whether the program can start on it.
    bool canOpen() const { return readable && bandsError.empty() && fitsMainWindow; }
};

// Reads the corpus `options` name, with at most `rows` rows in the preview.
CorpusPreview preview_corpus(const CorpusOptions& options, std::size_t rows = 8);

// The first half of a text's words (rounded down), with "…" where words were
// left out: a preview never shows a whole text.
std::string first_half(std::string_view text);

// A list of bands in the form --bands reads: "<18,18-25,26-40,41-60,61+".
std::string bands_list(const std::vector<BandBounds>& bands);

// The command-line arguments that start the program on `options`.
std::vector<std::string> corpus_arguments(const CorpusOptions& options);

// The column mapping as the window shows it: "author=Sender; text=Message".
std::string map_text(const TableOptions& table);
// Reads such a text (mappings separated by ";" or line breaks) into
// `table.map`, replacing what it held; the message for a wrong mapping (and
// then the map stays as it was).
std::optional<std::string> read_map_text(std::string_view text, TableOptions& table);

// Makes `column` a text field (`textField`) or an author field by the user's
// choice, in place of any earlier choice for it.
void choose_field_kind(TableOptions& table, const std::string& column, bool textField);

// What the window offers for the corpus at `path`: the settings kept for it
// in `store` (with `kept` set); otherwise the options of the corpus in hand
// (`current`) when it is the same corpus, or else the bands and the glossary
// and families in force with nothing of another table's columns.
CorpusOptions offered_options(const std::string& path, const CorpusOptions& current,
                              const SettingsStore* store, bool* kept = nullptr);

} // namespace zapt
