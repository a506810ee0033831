#include "variation/collocation_table.h"

#include "analysis/collocations.h"
#include "corpus/collation.h"
#include "corpus/text.h"
#include "lookup/count_word.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace zapt {
namespace {

// Sorted-list order, with words equal but for case kept in their order.
bool word_less(const std::string& a, const std::string& b) {
    return !iequals(a, b) && collate_less(a, b);
}

} // namespace

std::vector<CollocationOccurrence> collocation_pairs(std::string_view s, std::string_view form) {
    std::vector<CollocationOccurrence> out;
    bool before = true;
    for_each_piece(s, [&](std::string_view piece) {
        if (before) {
            out.push_back({std::string(piece), std::string(form), {}});
        } else {
            out.back().after = std::string(piece);
        }
        before = !before;
    });
    return out;
}

CollocationMeasures collocation_measures(double o, double fForm, double fWord, double n, int span) {
    CollocationMeasures m;
    const double places = 2.0 * span;
    m.mi = std::log2(o * n / (fForm * fWord * places));
    m.logDice = 14 + std::log2(2 * o / (fForm + fWord));
    const double e = fForm * fWord * places / n;
    m.tScore = o > 0 ? (o - e) / std::sqrt(o) : 0.0;
    // The form's places against the others: how the word's count divides.
    const double A = places * fForm;
    if (A < n) {
        const double B = n - A;
        const double a = o, b = std::max(fWord - o, 0.0);
        const double e1 = A * (a + b) / (A + B), e2 = B * (a + b) / (A + B);
        auto term = [](double obs, double expected) {
            return obs > 0 ? obs * std::log(obs / expected) : 0.0;
        };
        const double g2 = std::max(0.0, 2 * (term(a, e1) + term(b, e2)));
        // Fewer pairs than expected: repulsion, a negative value.
        m.logLikelihood = a < e1 ? -g2 : g2;
    }
    return m;
}

CollocationTable collocation_table(const CorpusStore& store, std::string_view form) {
    return collocation_table(store, form, kWindowCollocations);
}

CollocationTable collocation_table(const CorpusStore& store, std::string_view form,
                                   CollocationSettings settings) {
    settings.span = std::clamp(settings.span, 1, CollocationSettings::kMaxSpan);
    settings.minFrequency = std::max(settings.minFrequency, 1);
    CollocationTable t;
    t.form = std::string(form);
    t.settings = settings;
    // The store's index of the cleaned corpus text finds the occurrences and
    // every frequency without passing over the text.
    t.occurrences =
        collocation_pairs(collocations(store.cleanedText, store.cleanedIndex, form), form);
    t.formFrequency = static_cast<int>(t.occurrences.size());
    t.corpusWords = store.cleanedIndex.total();

    std::unordered_map<std::string, std::size_t> slot;
    auto collocate = [&](std::string_view word) -> Collocate& {
        std::string key = fold_text(word);
        auto [it, fresh] = slot.emplace(key, t.collocates.size());
        if (fresh) t.collocates.push_back({key, 0, 0, 0, 0, 0, 0, 0});
        return t.collocates[it->second];
    };
    // Each occurrence's stretch of the cleaned text: the whole text, or only
    // its own text's pieces. The occurrences stand in the order of the
    // positions, so their texts only grow.
    const std::string_view text = store.cleanedText;
    auto [first, last] = store.cleanedIndex.positions(form);
    std::size_t t_of = 0;
    for (const std::uint32_t* p = first; p != last; ++p) {
        const std::size_t at = *p;
        std::size_t lo = 0, hi = text.size();
        if (settings.withinText) {
            while (t_of < store.cleanedTextEnd.size() && store.cleanedTextEnd[t_of] <= at) ++t_of;
            lo = t_of == 0 ? 0 : store.cleanedTextEnd[t_of - 1];
            hi = t_of < store.cleanedTextEnd.size() ? store.cleanedTextEnd[t_of] : text.size();
            // The row shows no word of another text.
            CollocationOccurrence& row = t.occurrences[static_cast<std::size_t>(p - first)];
            if (at <= lo) row.before.clear();
            if (text.find(' ', at) + 1 >= hi) row.after.clear();
        }
        // Leftwards: the piece before starts after the blank before it.
        std::size_t start = at;
        for (int k = 0; k < settings.span && start > lo; ++k) {
            const std::size_t end = start - 1; // the blank before the piece at `start`
            const std::size_t blank = end == 0 ? std::string_view::npos : text.rfind(' ', end - 1);
            const std::size_t from = blank == std::string_view::npos ? 0 : blank + 1;
            if (from < lo) break;
            if (end > from) ++collocate(text.substr(from, end - from)).left;
            start = from;
        }
        // Rightwards: the piece after starts after the blank that ends this one.
        std::size_t piece = at;
        for (int k = 0; k < settings.span; ++k) {
            const std::size_t next = text.find(' ', piece) + 1;
            if (next == 0 || next >= hi) break;
            std::size_t next_end = text.find(' ', next);
            if (next_end == std::string_view::npos) next_end = text.size();
            if (next_end > next) ++collocate(text.substr(next, next_end - next)).right;
            piece = next;
        }
    }
    std::erase_if(t.collocates,
                  [&](const Collocate& c) { return c.left + c.right < settings.minFrequency; });
    for (Collocate& c : t.collocates) c.corpusFrequency = store.cleanedIndex.count(c.word);
    for (Collocate& c : t.collocates) {
        // corpusFrequency >= 1: the collocate stands in the text
        const CollocationMeasures m = collocation_measures(
            c.left + c.right, t.formFrequency, c.corpusFrequency, t.corpusWords, settings.span);
        c.mi = m.mi;
        c.logDice = m.logDice;
        c.tScore = m.tScore;
        c.logLikelihood = m.logLikelihood;
    }
    std::stable_sort(t.collocates.begin(), t.collocates.end(),
                     [](const Collocate& a, const Collocate& b) {
                         const int fa = a.left + a.right, fb = b.left + b.right;
                         return fa != fb ? fa > fb : collate_less(a.word, b.word);
                     });
    return t;
}

void sort_occurrences(std::vector<CollocationOccurrence>& rows, CollocationSide side) {
    std::stable_sort(
        rows.begin(), rows.end(),
        [side](const CollocationOccurrence& a, const CollocationOccurrence& b) {
            const std::string& a1 = side == CollocationSide::Before ? a.before : a.after;
            const std::string& b1 = side == CollocationSide::Before ? b.before : b.after;
            if (word_less(a1, b1)) return true;
            if (word_less(b1, a1)) return false;
            const std::string& a2 = side == CollocationSide::Before ? a.after : a.before;
            const std::string& b2 = side == CollocationSide::Before ? b.after : b.before;
            return word_less(a2, b2);
        });
}

} // namespace zapt
