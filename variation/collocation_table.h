// The collocations of a glossary form as tables: one row per occurrence (the
// word before, the form, the word after) and the list of collocates with
// their frequencies on either side and two association measures.
//
// The occurrences are those of the collocations window: every piece of the
// cleaned corpus text equal to the form without regard to case, in corpus
// order, with the pieces on either side (across text boundaries; the word
// before the first piece of the corpus is empty).
#pragma once

#include "corpus/corpus_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace zapt {

inline constexpr std::string_view kMiFormula =
    "MI = log2(O * N / (F_form * F_word * 2)): O = left + right, N = words of the cleaned corpus "
    "text, F = corpus frequency by the counting rule, 2 = one word on either side";
inline constexpr std::string_view kLogDiceFormula =
    "logDice = 14 + log2(2 * O / (F_form + F_word))";

struct CollocationOccurrence {
    std::string before; // empty before the first word of the corpus
    std::string form;
    std::string after; // empty after the last word of the corpus
};

struct Collocate {
    std::string word; // in small letters: collocates are told apart without regard to case
    int left = 0;     // occurrences as the word before the form
    int right = 0;    // occurrences as the word after the form
    int corpusFrequency = 0;
    double mi = 0;
    double logDice = 0;
};

struct CollocationTable {
    std::string form;
    int formFrequency = 0; // occurrences of the form in the cleaned corpus text
    int corpusWords = 0;   // word total of the cleaned corpus text
    std::vector<CollocationOccurrence> occurrences; // corpus order
    std::vector<Collocate> collocates; // most frequent (left + right) first, then by word
};

// Reads the collocations the collocations window shows for `form`.
CollocationTable collocation_table(const CorpusStore& store, std::string_view form);

// The before/after pairs of a collocation string of the collocations window
// ("before after before after ... ", each word followed by a blank).
std::vector<CollocationOccurrence> collocation_pairs(std::string_view collocation_string,
                                                     std::string_view form);

enum class CollocationSide { Before, After };

// Orders the occurrences by the word on one side (the order of the sorted
// lists), then by the word on the other side; equal rows keep corpus order.
void sort_occurrences(std::vector<CollocationOccurrence>& rows, CollocationSide side);

} // namespace zapt
