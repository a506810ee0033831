#include "explore/form_index.h"

#include "corpus/text.h"

#include <algorithm>
#include <chrono>

namespace zapt {
namespace {

constexpr CharSet kSeparators = [] {
    CharSet set(kCorpusCleaningSet);
    return set;
}();

constexpr bool separator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || kSeparators.contains(c);
}

// Calls f(piece) for every piece of `s`.
template <class F> void for_each_piece(std::string_view s, F&& f) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        while (i < n && separator(s[i])) ++i;
        const std::size_t from = i;
        while (i < n && !separator(s[i])) ++i;
        if (i > from) f(s.substr(from, i - from));
    }
}

// Text t's stretch of the cleaned corpus text.
std::string_view stretch(const CorpusStore& s, std::size_t t) {
    const std::size_t from = t == 0 ? 0 : s.text2End[t - 1];
    return std::string_view(s.Text2).substr(from, s.text2End[t] - from);
}

} // namespace

bool is_piece_separator(char c) {
    return separator(c);
}

std::vector<std::string_view> text_pieces(std::string_view text) {
    std::vector<std::string_view> out;
    for_each_piece(text, [&](std::string_view p) { out.push_back(p); });
    return out;
}

std::string piece_form(std::string_view piece) {
    return fold_text(piece);
}

FormIndex::FormIndex(const CorpusStore& store, const AuthorRegister& authors)
    : store_(&store), authors_(&authors) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::size_t n = store.text2End.size();
    const std::size_t m = authors.size();

    // Every spelling gets a number, every folded spelling a form.
    std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> spellings;
    std::vector<std::uint32_t> formOfSpelling, spellingCount;
    std::vector<std::string_view> spellingText;
    std::string folded;
    textFrom_.reserve(n + 1);
    pieces_.reserve(store.Text2.size() / 4);
    for (std::size_t t = 0; t < n; ++t) {
        textFrom_.push_back(static_cast<std::uint32_t>(pieces_.size()));
        for_each_piece(stretch(store, t), [&](std::string_view piece) {
            auto it = spellings.find(piece);
            if (it == spellings.end()) {
                const auto id = static_cast<std::uint32_t>(formOfSpelling.size());
                it = spellings.emplace(std::string(piece), id).first;
                fold_text_into(piece, folded);
                auto [f, added] =
                    byFolded_.emplace(folded, static_cast<std::uint32_t>(folded_.size()));
                if (added) folded_.push_back(folded);
                formOfSpelling.push_back(f->second);
                spellingCount.push_back(0);
                spellingText.push_back(it->first);
            }
            ++spellingCount[it->second];
            pieces_.push_back(formOfSpelling[it->second]);
        });
    }
    textFrom_.push_back(static_cast<std::uint32_t>(pieces_.size()));

    // The shown spelling: the most frequent, the first seen on a tie.
    const std::size_t forms = folded_.size();
    shown_.assign(forms, {});
    std::vector<std::uint32_t> best(forms, 0);
    for (std::size_t s = 0; s < formOfSpelling.size(); ++s) {
        const std::uint32_t f = formOfSpelling[s];
        if (spellingCount[s] > best[f]) {
            best[f] = spellingCount[s];
            shown_[f] = std::string(spellingText[s]);
        }
    }

    // Each text's author: the first register row of its name.
    std::vector<std::int32_t> rowOfName(store.nameCount(), -1);
    for (std::size_t k = 0; k < m && k < store.authorName.size(); ++k) {
        const std::int32_t name = store.authorName[k];
        if (name >= 0 && rowOfName[static_cast<std::size_t>(name)] < 0) {
            rowOfName[static_cast<std::size_t>(name)] = static_cast<std::int32_t>(k);
        }
    }
    textAuthor_.resize(n);
    bucketTextsFrom_.assign(m + 2, 0);
    for (std::size_t t = 0; t < n; ++t) {
        textAuthor_[t] = rowOfName[store.textName[t]];
        ++bucketTextsFrom_[(textAuthor_[t] < 0 ? m : static_cast<std::size_t>(textAuthor_[t])) + 1];
    }
    for (std::size_t b = 0; b <= m; ++b) bucketTextsFrom_[b + 1] += bucketTextsFrom_[b];
    bucketTexts_.resize(n);
    {
        std::vector<std::uint32_t> next(bucketTextsFrom_.begin(), bucketTextsFrom_.end() - 1);
        for (std::size_t t = 0; t < n; ++t) {
            const std::size_t b = textAuthor_[t] < 0 ? m : static_cast<std::size_t>(textAuthor_[t]);
            bucketTexts_[next[b]++] = static_cast<std::uint32_t>(t);
        }
    }

    // Per bucket its forms with their counts and texts; the corpus totals.
    totals_.assign(forms, {});
    std::vector<std::uint32_t> count(forms, 0), texts(forms, 0), lastText(forms, UINT32_MAX);
    std::vector<std::uint32_t> touched;
    authorWords_.assign(m + 1, 0);
    usesFrom_.assign(m + 2, 0);
    uses_.reserve(forms);
    for (std::size_t b = 0; b <= m; ++b) {
        touched.clear();
        for (const std::uint32_t t : authorTexts(b)) {
            for (const std::uint32_t f : textForms(t)) {
                if (count[f] == 0) touched.push_back(f);
                ++count[f];
                if (lastText[f] != t) {
                    lastText[f] = t;
                    ++texts[f];
                }
            }
            authorWords_[b] += textFrom_[t + 1] - textFrom_[t];
        }
        std::sort(touched.begin(), touched.end());
        for (const std::uint32_t f : touched) {
            uses_.push_back({f, count[f], texts[f]});
            FormTotal& total = totals_[f];
            total.count += count[f];
            total.texts += texts[f];
            total.authors += b < m;
            count[f] = texts[f] = 0;
        }
        usesFrom_[b + 1] = uses_.size();
    }

    // Where each form occurs.
    placesFrom_.assign(forms + 1, 0);
    for (const std::uint32_t f : pieces_) ++placesFrom_[f + 1];
    for (std::size_t f = 0; f < forms; ++f) placesFrom_[f + 1] += placesFrom_[f];
    places_.resize(pieces_.size());
    {
        std::vector<std::uint32_t> next(placesFrom_.begin(), placesFrom_.end() - 1);
        for (std::size_t p = 0; p < pieces_.size(); ++p) {
            places_[next[pieces_[p]]++] = static_cast<std::uint32_t>(p);
        }
    }
    buildMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

long long FormIndex::find(std::string_view word) const {
    const auto it = byFolded_.find(fold_text(word));
    return it == byFolded_.end() ? -1 : static_cast<long long>(it->second);
}

std::size_t FormIndex::textOfPiece(std::size_t p) const {
    return static_cast<std::size_t>(std::upper_bound(textFrom_.begin(), textFrom_.end(), p) -
                                    textFrom_.begin()) -
           1;
}

std::vector<std::string_view> FormIndex::spelled(std::size_t t) const {
    return text_pieces(stretch(*store_, t));
}

} // namespace zapt
