// The corpus overview: authors with texts, counted by age band and by gender.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "selection/age_band.h"

#include <array>

namespace zapt {

struct AgeBreakdown {
    std::array<int, 5> bands{}; // <18, 18 to 25, 26 to 40, 41 to 60, 61+ (61 to 100)
};

struct GenderBreakdown {
    int male = 0;
    int female = 0;
};

// Only authors whose number of texts reads as a number greater than 0 count;
// an author older than 100 is counted in no band, a gender other than "M" or
// "F" (in any case) in neither gender.
AgeBreakdown age_breakdown(const AuthorRegister& reg, const CorpusStore& store,
                           const AgeBands& bands);
GenderBreakdown gender_breakdown(const AuthorRegister& reg, const CorpusStore& store);

} // namespace zapt
