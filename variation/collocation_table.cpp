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

CollocationTable collocation_table(const CorpusStore& store, std::string_view form) {
    CollocationTable t;
    t.form = std::string(form);
    // The store's index of the cleaned corpus text finds the occurrences and
    // every frequency without passing over the text.
    t.occurrences = collocation_pairs(collocations(store.Text2, store.text2Index, form), form);
    t.formFrequency = static_cast<int>(t.occurrences.size());
    t.corpusWords = store.text2Index.total();

    std::unordered_map<std::string, std::size_t> slot;
    auto collocate = [&](const std::string& word) -> Collocate& {
        std::string key = fold_text(word);
        auto [it, fresh] = slot.emplace(key, t.collocates.size());
        if (fresh) t.collocates.push_back({key, 0, 0, 0, 0, 0});
        return t.collocates[it->second];
    };
    for (const CollocationOccurrence& o : t.occurrences) {
        if (!o.before.empty()) ++collocate(o.before).left;
        if (!o.after.empty()) ++collocate(o.after).right;
    }
    for (Collocate& c : t.collocates) c.corpusFrequency = store.text2Index.count(c.word);
    const double n = t.corpusWords;
    const double f_form = t.formFrequency;
    for (Collocate& c : t.collocates) {
        const double o = c.left + c.right;
        const double f_word = c.corpusFrequency; // >= 1: the collocate stands in the text
        c.mi = std::log2(o * n / (f_form * f_word * 2));
        c.logDice = 14 + std::log2(2 * o / (f_form + f_word));
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
