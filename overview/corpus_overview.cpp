#include "overview/corpus_overview.h"

#include "corpus/numbers.h"
#include "corpus/text.h"

namespace zapt {
namespace {
bool has_texts(const CorpusStore& store, std::size_t row) {
    return row < store.lstNumOfTextsPerAuthor.size() &&
           read_leading_number(store.lstNumOfTextsPerAuthor[row]) > 0;
}
} // namespace

AgeBreakdown age_breakdown(const AuthorRegister& reg, const CorpusStore& store) {
    AgeBreakdown b;
    for (std::size_t i = 0; i < reg.lstAuthorAge.size(); ++i) {
        if (!has_texts(store, i)) continue;
        double a = read_leading_number(reg.lstAuthorAge[i]);
        if (a < 18)
            ++b.bands[0];
        else if (a <= 25)
            ++b.bands[1];
        else if (a <= 40)
            ++b.bands[2];
        else if (a <= 60)
            ++b.bands[3];
        else if (a <= 100)
            ++b.bands[4];
    }
    return b;
}

GenderBreakdown gender_breakdown(const AuthorRegister& reg, const CorpusStore& store) {
    GenderBreakdown b;
    for (std::size_t i = 0; i < reg.lstAuthorGender.size(); ++i) {
        if (!has_texts(store, i)) continue;
        if (iequals(reg.lstAuthorGender[i], "M"))
            ++b.male;
        else if (iequals(reg.lstAuthorGender[i], "F"))
            ++b.female;
    }
    return b;
}

} // namespace zapt
