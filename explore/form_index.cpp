#include "explore/form_index.h"
#include "corpus/buckets.h"

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

constexpr bool chunk_end(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Calls f(piece) for every piece of `s`, the emoticons of `e` pieces of their
// own.
template <class F> void for_each_piece(std::string_view s, const EmoticonList& e, F&& f) {
    if (e.empty()) {
        for_each_piece(s, f);
        return;
    }
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        while (i < n && chunk_end(s[i])) ++i;
        const std::size_t from = i;
        bool glues = false;
        while (i < n && !chunk_end(s[i])) glues |= e.glues(static_cast<unsigned char>(s[i++]));
        if (i == from) break;
        const std::string_view chunk = s.substr(from, i - from);
        std::optional<EmoticonList::Split> split;
        if (glues || e.starts(static_cast<unsigned char>(chunk[0]))) split = e.split(chunk);
        if (!split) {
            for_each_piece(chunk, f);
            continue;
        }
        for_each_piece(chunk.substr(0, split->word), f);
        for (std::size_t p = split->from; p < split->to;) {
            const std::size_t m = e.match(chunk.substr(p, split->to - p));
            f(chunk.substr(p, m));
            p += m;
        }
    }
}

constexpr std::uint32_t kNoSpelling = UINT32_MAX;

// FNV-1a: the pieces are a few bytes long.
std::uint64_t piece_hash(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h ^ (h >> 29);
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

std::vector<std::string_view> text_pieces(std::string_view text, const EmoticonList& emoticons) {
    std::vector<std::string_view> out;
    for_each_piece(text, emoticons, [&](std::string_view p) { out.push_back(p); });
    return out;
}

std::string piece_form(std::string_view piece) {
    return fold_text(piece);
}

FormIndex::FormIndex(const CorpusStore& store, const AuthorRegister& authors,
                     const EmoticonList& emoticons)
    : authors_(&authors), emoticons_(emoticons) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::vector<std::uint32_t> spellingCount = readPieces(store);
    orderForms(spellingCount);
    const std::size_t m = authors.size();
    // Each text's author: the first register row of its name (the store's).
    textAuthor_.assign(store.textAuthor.begin(), store.textAuthor.end());
    // The texts of each bucket (the texts of no author in the last).
    {
        std::vector<std::uint32_t> from, texts;
        group_into_buckets(
            store.texts.size(), m + 1,
            [&](std::size_t t) {
                return textAuthor_[t] < 0 ? m : static_cast<std::size_t>(textAuthor_[t]);
            },
            [](std::size_t t) { return static_cast<std::uint32_t>(t); }, from, texts);
        bucketTextsFrom_ = std::move(from);
        bucketTexts_ = std::move(texts);
    }
    countUses(m);
    placeForms();
    buildMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Every text cut into pieces, each piece's spelling numbered; the count of
// each spelling.
std::vector<std::uint32_t> FormIndex::readPieces(const CorpusStore& store) {
    const std::size_t n = store.texts.size();
    // Every spelling gets a number (in an open-addressing table: a look-up per
    // piece is most of the work), every folded spelling a form.
    std::vector<std::uint32_t> slots(1024, kNoSpelling);
    std::vector<std::uint64_t> hashes; // per spelling
    std::vector<std::uint32_t> spellingCount;
    std::vector<std::uint32_t> formOfSpelling, pieces, textFrom;
    std::string folded;
    auto add_spelling = [&](std::string_view piece, std::uint64_t hash) {
        const auto id = static_cast<std::uint32_t>(spellings_.size());
        spellings_.emplace_back(piece);
        hashes.push_back(hash);
        spellingCount.push_back(0);
        fold_text_into(piece, folded);
        auto [f, added] = byFolded_.emplace(folded, static_cast<std::uint32_t>(folded_.size()));
        if (added) folded_.push_back(folded);
        formOfSpelling.push_back(f->second);
        if (spellings_.size() * 2 > slots.size()) {
            std::vector<std::uint32_t> grown(slots.size() * 2, kNoSpelling);
            const std::size_t mask = grown.size() - 1;
            for (std::uint32_t s = 0; s < spellings_.size(); ++s) {
                std::size_t i = hashes[s] & mask;
                while (grown[i] != kNoSpelling) i = (i + 1) & mask;
                grown[i] = s;
            }
            slots.swap(grown);
        }
        return id;
    };
    textFrom.reserve(n + 1);
    pieces.reserve(store.texts.chars().size() / 5);
    for (std::size_t t = 0; t < n; ++t) {
        textFrom.push_back(static_cast<std::uint32_t>(pieces.size()));
        for_each_piece(store.texts[t], emoticons_, [&](std::string_view piece) {
            const std::uint64_t hash = piece_hash(piece);
            const std::size_t mask = slots.size() - 1;
            std::size_t i = hash & mask;
            std::uint32_t id = kNoSpelling;
            while (slots[i] != kNoSpelling) {
                const std::uint32_t s = slots[i];
                if (hashes[s] == hash && spellings_[s] == piece) {
                    id = s;
                    break;
                }
                i = (i + 1) & mask;
            }
            if (id == kNoSpelling) {
                id = add_spelling(piece, hash);
                if (slots.size() - 1 == mask) slots[i] = id; // the table did not grow
            }
            ++spellingCount[id];
            pieces.push_back(id);
        });
    }
    textFrom.push_back(static_cast<std::uint32_t>(pieces.size()));
    pieces_ = std::move(pieces);
    textFrom_ = std::move(textFrom);
    formOfSpelling_ = std::move(formOfSpelling);
    return spellingCount;
}

// Each form's shown spelling and its place in sorted order.
void FormIndex::orderForms(const std::vector<std::uint32_t>& spellingCount) {
    // The shown spelling: the most frequent, the first seen on a tie.
    const std::size_t forms = folded_.size();
    shown_.assign(forms, {});
    std::vector<std::uint32_t> best(forms, 0);
    for (std::size_t s = 0; s < spellings_.size(); ++s) {
        const std::uint32_t f = formOfSpelling_[s];
        if (spellingCount[s] > best[f]) {
            best[f] = spellingCount[s];
            shown_[f] = spellings_[s];
        }
    }
    // The forms' places in sorted order.
    {
        std::vector<std::uint32_t> order(forms);
        for (std::uint32_t f = 0; f < forms; ++f) order[f] = f;
        std::sort(order.begin(), order.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return folded_[a] < folded_[b]; });
        std::vector<std::uint32_t> rank(forms);
        for (std::uint32_t r = 0; r < forms; ++r) rank[order[r]] = r;
        rank_ = std::move(rank);
    }
}

// Per bucket (author) its forms with their counts and texts; the corpus totals.
void FormIndex::countUses(std::size_t m) {
    const std::size_t forms = folded_.size();
    std::vector<FormTotal> totals(forms);
    std::vector<std::uint32_t> count(forms, 0), texts(forms, 0), lastText(forms, UINT32_MAX);
    std::vector<std::uint32_t> touched;
    std::vector<std::uint64_t> authorWords(m + 1, 0);
    std::vector<std::size_t> usesFrom(m + 2, 0);
    std::vector<FormUse> uses;
    uses.reserve(forms);
    for (std::size_t b = 0; b <= m; ++b) {
        touched.clear();
        for (const std::uint32_t t : authorTexts(b)) {
            for (const std::uint32_t s : textPieces(t)) {
                const std::uint32_t f = formOfSpelling_[s];
                if (count[f] == 0) touched.push_back(f);
                ++count[f];
                if (lastText[f] != t) {
                    lastText[f] = t;
                    ++texts[f];
                }
            }
            authorWords[b] += textFrom_[t + 1] - textFrom_[t];
        }
        for (const std::uint32_t f : touched) {
            uses.push_back({f, count[f], texts[f]});
            FormTotal& total = totals[f];
            total.count += count[f];
            total.texts += texts[f];
            total.authors += b < m;
            count[f] = texts[f] = 0;
        }
        usesFrom[b + 1] = uses.size();
    }
    totals_ = std::move(totals);
    authorWords_ = std::move(authorWords);
    usesFrom_ = std::move(usesFrom);
    uses_ = std::move(uses);
}

// Where each form occurs.
void FormIndex::placeForms() {
    const std::size_t forms = folded_.size();
    {
        std::vector<std::uint32_t> from, places;
        group_into_buckets(
            pieces_.size(), forms, [&](std::size_t p) { return formOfSpelling_[pieces_[p]]; },
            [](std::size_t p) { return static_cast<std::uint32_t>(p); }, from, places);
        placesFrom_ = std::move(from);
        places_ = std::move(places);
    }
}

long long FormIndex::find(std::string_view word) const {
    const auto it = byFolded_.find(fold_text(word));
    return it == byFolded_.end() ? -1 : static_cast<long long>(it->second);
}

void FormIndex::write(CompiledWriter& out) const {
    out.add_strings("forms.folded", folded_);
    out.add_strings("forms.shown", shown_);
    out.add_strings("forms.spellings", spellings_);
    out.add("forms.pieces", pieces_);
    out.add("forms.formOfSpelling", formOfSpelling_);
    out.add("forms.rank", rank_);
    out.add("forms.textFrom", textFrom_);
    out.add("forms.uses", uses_);
    out.add("forms.usesFrom", usesFrom_);
    out.add("forms.authorWords", authorWords_);
    out.add("forms.bucketTexts", bucketTexts_);
    out.add("forms.bucketTextsFrom", bucketTextsFrom_);
    out.add("forms.totals", totals_);
    out.add("forms.places", places_);
    out.add("forms.placesFrom", placesFrom_);
}

FormIndex FormIndex::read(const CompiledFile& file, const CorpusStore& store,
                          const AuthorRegister& authors) {
    const auto t0 = std::chrono::steady_clock::now();
    FormIndex x;
    x.authors_ = &authors;
    x.emoticons_ = EmoticonList::builtin();
    const std::size_t n = store.texts.size(), m = authors.size();
    x.folded_ = file.strings("forms.folded");
    const std::size_t forms = x.folded_.size();
    x.shown_ = file.strings("forms.shown");
    x.spellings_ = file.strings("forms.spellings");
    if (x.shown_.size() != forms) throw CompiledError("the form index does not fit together");
    x.formOfSpelling_ = file.column<std::uint32_t>("forms.formOfSpelling", x.spellings_.size());
    x.rank_ = file.column<std::uint32_t>("forms.rank", forms);
    x.textFrom_ = file.column<std::uint32_t>("forms.textFrom", n + 1);
    x.pieces_ = file.column<std::uint32_t>("forms.pieces", x.textFrom_.back());
    x.textAuthor_.assign(store.textAuthor.begin(), store.textAuthor.end());
    x.usesFrom_ = file.column<std::size_t>("forms.usesFrom", m + 2);
    x.uses_ = file.column<FormUse>("forms.uses", x.usesFrom_.back());
    x.authorWords_ = file.column<std::uint64_t>("forms.authorWords", m + 1);
    x.bucketTextsFrom_ = file.column<std::uint32_t>("forms.bucketTextsFrom", m + 2);
    x.bucketTexts_ = file.column<std::uint32_t>("forms.bucketTexts", n);
    x.totals_ = file.column<FormTotal>("forms.totals", forms);
    x.placesFrom_ = file.column<std::uint32_t>("forms.placesFrom", forms + 1);
    x.places_ = file.column<std::uint32_t>("forms.places", x.pieces_.size());
    if (store.textAuthor.size() != n || x.bucketTextsFrom_.back() != n ||
        x.placesFrom_.back() != x.pieces_.size())
        throw CompiledError("the form index does not fit together");
    x.byFolded_.reserve(forms);
    for (std::uint32_t f = 0; f < forms; ++f) x.byFolded_.emplace(x.folded_[f], f);
    x.buildMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return x;
}

std::size_t FormIndex::textOfPiece(std::size_t p) const {
    return static_cast<std::size_t>(std::upper_bound(textFrom_.begin(), textFrom_.end(), p) -
                                    textFrom_.begin()) -
           1;
}

} // namespace zapt
