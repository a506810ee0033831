#include "overview/corpus_overview.h"

#include "corpus/numbers.h"
#include "corpus/text.h"
#include "selection/age_band.h"

namespace zapt {
namespace {
bool has_texts(const CorpusStore& store, std::size_t row) {
    return row < store.textsPerAuthorCaptions.size() &&
           read_leading_number(store.textsPerAuthorCaptions[row]) > 0;
}
} // namespace

AgeBreakdown age_breakdown(const AuthorRegister& reg, const CorpusStore& store,
                           const AgeBands& bands) {
    AgeBreakdown b;
    for (std::size_t i = 0; i < reg.ages.size(); ++i) {
        if (!has_texts(store, i)) continue;
        if (auto band = bands.overview_band(read_age(reg.ages[i]))) {
            const auto k = static_cast<std::size_t>(*band);
            if (k < b.bands.size()) ++b.bands[k];
        }
    }
    return b;
}

GenderBreakdown gender_breakdown(const AuthorRegister& reg, const CorpusStore& store) {
    GenderBreakdown b;
    for (std::size_t i = 0; i < reg.genders.size(); ++i) {
        if (!has_texts(store, i)) continue;
        if (iequals(reg.genders[i], "M"))
            ++b.male;
        else if (iequals(reg.genders[i], "F"))
            ++b.female;
    }
    return b;
}

} // namespace zapt
