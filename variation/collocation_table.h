// The collocations of a glossary form as tables: one row per occurrence (the
// word before, the form, the word after) and the list of collocates with
// their frequencies on either side and their association measures.
//
// The occurrences are those of the collocations window: every piece of the
// cleaned corpus text equal to the form without regard to case, in corpus
// order, with the pieces on either side (across text boundaries; the word
// before the first piece of the corpus is empty). With settings, the
// collocates are counted within a span of up to five words on either side,
// and the words of another text can be left out: the word beside a form at
// the edge of a text then belongs to no pair.
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
// The measures of collocates counted with a span of words on either side.
inline constexpr std::string_view kSpanMiFormula =
    "MI = log2(O / E): O = left + right, E = F_form * F_word * 2 * span / N, N = words of the "
    "cleaned corpus text, F = corpus frequency by the counting rule";
inline constexpr std::string_view kTScoreFormula =
    "t-score = (O - E) / sqrt(O), E = F_form * F_word * 2 * span / N: negative where the word "
    "stands beside the form less often than expected";
inline constexpr std::string_view kLogLikelihoodFormula =
    "log-likelihood G2 = 2 * (a * ln(a / E1) + b * ln(b / E2)): a = O among the A = 2 * span * "
    "F_form places beside the form, b = F_word - O (at least 0) among the B = N - A other places, "
    "E1 = A * (a + b) / (A + B), E2 = B * (a + b) / (A + B), 0 * ln 0 = 0; 0 when A >= N; "
    "signed: negative where a < E1 (the word stands beside the form less often than expected), "
    "so that the largest values are the strongest attraction";

// How the collocates of a form are counted.
struct CollocationSettings {
    static constexpr int kMaxSpan = 5;
    int span = 1;           // words on either side, 1 to kMaxSpan
    int minFrequency = 1;   // a collocate is listed from this many co-occurrences (O) on
    bool withinText = true; // pairs inside one text only
};
// The counting of the collocations window: one word on either side, across
// text boundaries, every collocate listed.
inline constexpr CollocationSettings kWindowCollocations{1, 1, false};
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
    double tScore = 0;        // signed: negative where O < E
    double logLikelihood = 0; // signed: negative where O < E
};

struct CollocationTable {
    std::string form;
    CollocationSettings settings = kWindowCollocations;
    int formFrequency = 0; // occurrences of the form in the cleaned corpus text
    int corpusWords = 0;   // word total of the cleaned corpus text
    std::vector<CollocationOccurrence> occurrences; // corpus order
    std::vector<Collocate> collocates; // most frequent (left + right) first, then by word
};

// Reads the collocations the collocations window shows for `form`.
CollocationTable collocation_table(const CorpusStore& store, std::string_view form);
// The same counted by `settings` (span and minimum frequency clamped to their
// ranges): the occurrences keep one word on either side (a word of another
// text left empty when pairs stay within a text), the collocates are counted
// over the span.
CollocationTable collocation_table(const CorpusStore& store, std::string_view form,
                                   CollocationSettings settings);

// The measures of one collocate from its co-occurrences O, the corpus
// frequencies of the form and the word, the corpus words N and the span.
// The t-score and the log-likelihood are signed: negative where the word is
// seen beside the form less often than expected.
struct CollocationMeasures {
    double mi = 0, logDice = 0, tScore = 0, logLikelihood = 0;
};
CollocationMeasures collocation_measures(double o, double fForm, double fWord, double n, int span);

// The before/after pairs of a collocation string of the collocations window
// ("before after before after ... ", each word followed by a blank).
std::vector<CollocationOccurrence> collocation_pairs(std::string_view collocation_string,
                                                     std::string_view form);

enum class CollocationSide { Before, After };

// Orders the occurrences by the word on one side (the order of the sorted
// lists), then by the word on the other side; equal rows keep corpus order.
void sort_occurrences(std::vector<CollocationOccurrence>& rows, CollocationSide side);

} // namespace zapt
