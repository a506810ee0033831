// What the "Open corpus..." dialog shows before the program starts afresh on
// another corpus: whether it can be read, the columns found, the first rows
// (each text cut to its first half, each author by code), the authors each age
// band would hold, and every problem of the load. Working it out leaves the
// running program's corpus and bands as they are.
#pragma once

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
    // The first rows in corpus order: the author's code and fields, then the
    // text's first half.
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    // The bands asked for: why they cannot be used, or per band its caption
    // and how many authors it holds; authors whose age lies in no band; and
    // whether the main window can show them all.
    std::string bandsError;
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

} // namespace zapt
