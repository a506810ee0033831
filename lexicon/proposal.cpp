#include "lexicon/proposal.h"

#include "corpus/text.h"
#include "lexicon/keys.h"

#include <re2/re2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstring>
#include <queue>
#include <set>
#include <thread>
#include <unordered_set>

namespace zapt {
namespace {

constexpr std::size_t kSampledUses = 2000;    // uses read per form for its neighbours and capitals
constexpr std::size_t kBucketWords = 40;      // words taken from one key's bucket
constexpr std::size_t kExpansions = 48;       // rewrites of one form tried
constexpr double kMaxRewriteCost = 2.4;       // the costliest chain of rewrites tried
constexpr std::size_t kScoredCandidates = 16; // candidates whose neighbours are compared
constexpr int kRepeatedStep = -1;             // a run of one letter reduced
constexpr int kDoubledStep = -2;              // a double letter written once

const char* const kLookupProcess[] = {
    "shorthand",      "",          "apostrophe left out", "apostrophe left out", "letters left out",
    "sound spelling", "shortened", "words run together",  "keypad slip",         "keypad word",
    "shorthand"};

const char* const kKindNames[] = {"variant",  "particle",       "laughter",
                                  "emoticon", "number",         "placeholder",
                                  "name",     "other-language", "unresolved"};
const char* const kKindWords[] = {
    "variant",     "discourse particle", "laughter",       "emoticon",  "number",
    "placeholder", "proper name",        "other language", "unresolved"};

// The form with typographic apostrophes as the word lists write them.
std::string plain_apostrophes(std::string_view s) {
    std::string out(s);
    std::size_t at = 0;
    while ((at = out.find("\xE2\x80\x99", at)) != std::string::npos) out.replace(at, 3, "'");
    return out;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

bool all_digits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), digit);
}

const RE2& number_pattern() {
    static const RE2 re("[£$€]?[0-9]+(['.:,/][0-9]+)*(st|nd|rd|th|am|pm|a|p|h|hr|hrs|min|mins|"
                        "s|k|m|ish|x|kg|km|mb|gb|ml|l|g|yr|yrs|yo|ft|cm|mm|mph|pc)?");
    return re;
}

struct Letters {
    bool any = false, alnum = false, foreign = false;
    std::string script;
};

// What the code points of a form are: letters or digits at all, and a letter
// of a script other than Latin.
Letters letters_of(std::string_view s) {
    Letters l;
    std::int32_t i = 0;
    const auto n = static_cast<std::int32_t>(s.size());
    while (i < n) {
        UChar32 c;
        U8_NEXT(s.data(), i, n, c);
        if (c < 0) continue;
        if (u_isalnum(c)) l.alnum = true;
        if (!u_isalpha(c)) continue;
        l.any = true;
        UErrorCode e = U_ZERO_ERROR;
        const UScriptCode sc = uscript_getScript(c, &e);
        if (U_SUCCESS(e) && sc != USCRIPT_LATIN && sc != USCRIPT_COMMON &&
            sc != USCRIPT_INHERITED) {
            l.foreign = true;
            l.script = uscript_getName(sc);
        }
    }
    return l;
}

bool capitalised(std::string_view spelled) {
    std::int32_t i = 0;
    const auto n = static_cast<std::int32_t>(spelled.size());
    UChar32 first = -1;
    bool lowerAfter = false;
    std::size_t letters = 0;
    while (i < n) {
        UChar32 c;
        U8_NEXT(spelled.data(), i, n, c);
        if (c < 0 || !u_isalpha(c)) continue;
        if (first < 0)
            first = c;
        else if (u_islower(c))
            lowerAfter = true;
        ++letters;
    }
    return first >= 0 && u_isupper(first) && (letters == 1 || lowerAfter);
}

// Kisses and hugs as messages end with them: x, xx, xox, xoxo.
bool kisses(std::string_view f) {
    return !f.empty() && f.front() == 'x' && f.find_first_not_of("xo") == std::string_view::npos;
}

double logistic(double z) {
    return 1.0 / (1.0 + std::exp(-z));
}

std::string join_processes(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty() || a == b) return a;
    return a + " + " + b;
}

} // namespace

// Tuned on the built-in corpus with its glossary withheld (see
// docs/lexicon.md); the lookups in the order of enum Lookup.
const ScoreWeights kWeights = {
    -0.756, // bias
    -0.792, // rules
    {0.166, 0.434, 0.468, 0.209, -0.643, -2.143, -0.689, -0.553, -1.376, -1.372, 0.947},
    -0.759, // gap
    3.522,  // prior
    1.658,  // likeness
    -0.98,  // capital
    1.533,  // context
    0.746   // measured
};

const char* kind_name(LexKind kind) {
    return kKindNames[static_cast<int>(kind)];
}

const char* kind_description(LexKind kind) {
    return kKindWords[static_cast<int>(kind)];
}

std::optional<LexKind> kind_from_name(std::string_view name) {
    for (LexKind k : kAllKinds) {
        if (name == kind_name(k)) return k;
    }
    return std::nullopt;
}

Proposer::Proposer(const FormIndex& index, const StandardDictionary& dictionary,
                   const CorpusStore* store, const LexiconLists& lists)
    : index_(&index), dictionary_(&dictionary), lists_(&lists) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::size_t forms = index.formCount();
    for (std::uint32_t f = 0; f < forms; ++f) maxCount_ = std::max(maxCount_, index.total(f).count);
    idf_.resize(forms);
    const double words = static_cast<double>(std::max<std::uint64_t>(index.totalWords(), 1));
    for (std::uint32_t f = 0; f < forms; ++f)
        idf_[f] = std::log((words + 1) / (1.0 + static_cast<double>(index.total(f).count)));

    // The dictionary under its keys, the likeliest words first in each bucket.
    const auto& words_ = dictionary.words();
    for (std::uint32_t w = 0; w < words_.size(); ++w) {
        const std::string& word = words_[w];
        if (word.find(' ') != std::string::npos) continue;
        bySkeleton_[consonant_skeleton(word)].push_back(w);
        bySound_[sound_key(word)].push_back(w);
    }
    std::vector<double> priors(words_.size());
    for (std::uint32_t w = 0; w < words_.size(); ++w) priors[w] = prior(words_[w]);
    auto order = [&](auto& buckets) {
        for (auto& [key, list] : buckets) {
            std::stable_sort(list.begin(), list.end(), [&](std::uint32_t a, std::uint32_t b) {
                return priors[a] > priors[b];
            });
            if (list.size() > kBucketWords) list.resize(kBucketWords);
        }
    };
    order(bySkeleton_);
    order(bySound_);

    // The small vocabulary: common words and the corpus's standard forms seen
    // at least twice, for shortenings and keypad words.
    std::unordered_set<std::string> seen;
    for (const std::string& w : lists.commonWords) {
        if (seen.insert(w).second) small_.push_back(w);
    }
    for (std::uint32_t f = 0; f < forms; ++f) {
        const std::string& w = index.folded(f);
        if (index.total(f).count >= 2 && w.size() >= 2 && dictionary.lists(w) &&
            seen.insert(w).second)
            small_.push_back(w);
    }
    smallSet_ = seen;
    smallByLetter_.resize(26);
    for (std::uint32_t i = 0; i < small_.size(); ++i) {
        const std::string& w = small_[i];
        smallSkeleton_.push_back(consonant_skeleton(w));
        if (w[0] >= 'a' && w[0] <= 'z')
            smallByLetter_[static_cast<std::size_t>(w[0] - 'a')].push_back(i);
        byKeypad_[keypad_key(w)].push_back(i);
    }

    // A corpus indexed without emoticons has lost their marks: ":D" is the
    // piece "D", ":P" the piece "P". The pieces of every emoticon of the texts
    // as written (read with the exploring tools' list) are counted, so that a
    // form used mostly within emoticons is taken for one.
    emoticonUses_.assign(forms, 0);
    if (store && index.emoticons().empty()) {
        const EmoticonList& list = EmoticonList::builtin();
        for (std::size_t t = 0; t < store->texts.size(); ++t) {
            const std::string_view text = store->texts[t];
            std::size_t i = 0;
            while (i < text.size()) {
                while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
                const std::size_t from = i;
                while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
                if (i == from) continue;
                const std::string_view chunk = text.substr(from, i - from);
                const auto split = list.split(chunk);
                if (!split || split->from == split->to) continue;
                for (std::string_view piece :
                     text_pieces(chunk.substr(split->from, split->to - split->from))) {
                    const long long f = index.find(piece);
                    if (f >= 0) ++emoticonUses_[static_cast<std::size_t>(f)];
                }
            }
        }
    }
    setupMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

const EmoticonList& Proposer::emoticons() const {
    return index_->emoticons().empty() ? EmoticonList::builtin() : index_->emoticons();
}

double Proposer::prior(const std::string& word) const {
    double general = 0;
    if (auto it = lists_->commonRank.find(word); it != lists_->commonRank.end())
        general = std::max(0.0, 1.0 - std::log(static_cast<double>(it->second)) / std::log(3000.0));
    double corpus = 0;
    if (const long long f = index_->find(word); f >= 0) {
        corpus =
            std::log1p(static_cast<double>(index_->total(static_cast<std::uint32_t>(f)).count)) /
            std::log1p(static_cast<double>(maxCount_));
    }
    return 0.6 * general + 0.4 * corpus;
}

double Proposer::prior(const std::string& word, Work& work) const {
    auto it = work.priors.find(word);
    if (it != work.priors.end()) return it->second;
    const double p = prior(word);
    work.priors.emplace(word, p);
    return p;
}

std::string Proposer::display(const std::string& folded) const {
    return dictionary_->spelling(folded);
}

void Proposer::add(std::vector<Raw>& out, std::string key, double rules, Lookup lookup,
                   const Raw& from, double gap, std::string shown) const {
    Raw r;
    r.key = std::move(key);
    r.shown = std::move(shown);
    r.rules = rules;
    r.lookup = lookup;
    r.gap = gap;
    r.steps = from.steps;
    r.depth = from.depth;
    out.push_back(std::move(r));
}

std::string Proposer::process_of(const Raw& r) const {
    std::string out;
    for (std::uint8_t i = 0; i < r.depth; ++i) {
        const int step = r.steps[i];
        out = join_processes(out, step == kRepeatedStep ? std::string("letters repeated")
                                  : step == kDoubledStep
                                      ? std::string("double letter written once")
                                      : lists_->rules[static_cast<std::size_t>(step)].process);
    }
    return join_processes(out, kLookupProcess[static_cast<int>(r.lookup)]);
}

// Every rewrite of the form by up to three rules (and repeated letters
// reduced), the cheapest first, with the cost and processes of each.
void Proposer::expand(const std::string& form, std::vector<Raw>& out) const {
    struct Node {
        double cost;
        std::string text;
        Steps steps;
        std::uint8_t depth;
        bool operator>(const Node& o) const { return cost > o.cost; }
    };
    std::priority_queue<Node, std::vector<Node>, std::greater<>> queue;
    std::unordered_set<std::string> seen;
    queue.push({0, form, {}, 0});
    while (!queue.empty() && out.size() < kExpansions) {
        Node n = queue.top();
        queue.pop();
        if (!seen.insert(n.text).second) continue;
        Raw r;
        r.key = n.text;
        r.rules = n.cost;
        r.steps = n.steps;
        r.depth = n.depth;
        out.push_back(std::move(r));
        if (n.depth >= kMaxSteps) continue;
        auto push = [&](std::string text, double cost, int step) {
            if (text.empty() || text.size() > 3 * form.size() + 8) return;
            if (n.cost + cost > kMaxRewriteCost || seen.count(text)) return;
            Node m{n.cost + cost, std::move(text), n.steps, static_cast<std::uint8_t>(n.depth + 1)};
            m.steps[n.depth] = static_cast<std::int16_t>(step);
            queue.push(std::move(m));
        };
        const std::string& s = n.text;
        for (std::size_t k = 0; k < lists_->rules.size(); ++k) {
            const RewriteRule& r = lists_->rules[k];
            const int step = static_cast<int>(k);
            using W = RewriteRule::Where;
            if (r.where == W::Whole) {
                if (s == r.from) push(r.to, r.cost, step);
            } else if (r.where == W::Start) {
                if (s.compare(0, r.from.size(), r.from) == 0 && s.size() > r.from.size())
                    push(r.to + s.substr(r.from.size()), r.cost, step);
            } else if (r.where == W::End) {
                if (s.size() > r.from.size() &&
                    s.compare(s.size() - r.from.size(), r.from.size(), r.from) == 0)
                    push(s.substr(0, s.size() - r.from.size()) + r.to, r.cost, step);
            } else {
                for (std::size_t at = s.find(r.from); at != std::string::npos;
                     at = s.find(r.from, at + 1)) {
                    push(s.substr(0, at) + r.to + s.substr(at + r.from.size()), r.cost, step);
                }
            }
        }
        // A double letter written once (geting -> getting).
        for (std::size_t i = 1; i < s.size(); ++i) {
            const char c = s[i];
            if (std::isalpha(static_cast<unsigned char>(c)) && !std::strchr("aeiouyhwx", c) &&
                s[i - 1] != c && (i + 1 == s.size() || s[i + 1] != c))
                push(s.substr(0, i + 1) + s.substr(i), 0.4, kDoubledStep);
        }
        // A run of one letter: to one or two letters (sooo -> so, soo; yess -> yes).
        for (std::size_t i = 0; i < s.size();) {
            std::size_t j = i;
            while (j < s.size() && s[j] == s[i]) ++j;
            const std::size_t run = j - i;
            if (run >= 2 && std::isalpha(static_cast<unsigned char>(s[i]))) {
                push(s.substr(0, i + 1) + s.substr(j), run >= 3 ? 0.2 : 0.6, kRepeatedStep);
                if (run >= 3) push(s.substr(0, i + 2) + s.substr(j), 0.2, kRepeatedStep);
            }
            i = j;
        }
    }
}

std::optional<std::pair<std::string, double>>
Proposer::resolve_part(const std::string& part) const {
    if (lists_->commonRank.count(part) && (part.size() > 1 || part == "a" || part == "i"))
        return std::make_pair(display(part), 0.0);
    if (auto it = lists_->shorthand.find(part); it != lists_->shorthand.end())
        return std::make_pair(it->second.front(), 0.3);
    if (part.size() > 3 && part.compare(part.size() - 2, 2, "in") == 0 &&
        lists_->commonRank.count(part + "g"))
        return std::make_pair(part + "g", 0.3);
    return std::nullopt;
}

void Proposer::generate(const std::string& form, std::vector<Raw>& out) const {
    const StandardDictionary& dict = *dictionary_;
    const Raw none;
    if (auto it = lists_->shorthand.find(form); it != lists_->shorthand.end()) {
        for (std::size_t i = 0; i < it->second.size(); ++i)
            add(out, fold_text(it->second[i]), static_cast<double>(i), Lookup::Shorthand, none, 0,
                it->second[i]);
    }
    std::vector<Raw> expansions;
    expand(form, expansions);
    static const std::pair<const char*, const char*> kApostrophes[] = {
        {"nt", "n't"}, {"s", "'s"},   {"m", "'m"}, {"re", "'re"},
        {"ve", "'ve"}, {"ll", "'ll"}, {"d", "'d"}};
    for (const Raw& raw : expansions) {
        const std::string& text = raw.key;
        const double c = raw.rules;
        const Raw& proc = raw;
        if (c > 0 && (lists_->commonRank.count(text) || dict.is_standard(text)))
            add(out, text, c, Lookup::Rewrite, proc);
        if (c > 0) {
            if (auto it = lists_->shorthand.find(text); it != lists_->shorthand.end())
                add(out, fold_text(it->second.front()), c, Lookup::RewrittenShorthand, proc, 0,
                    it->second.front());
        }
        for (const auto& [plain, with] : kApostrophes) {
            const std::size_t k = std::string_view(plain).size();
            if (text.size() > k && text.compare(text.size() - k, k, plain) == 0) {
                const std::string w = text.substr(0, text.size() - k) + with;
                const bool possessive = k == 1 && w.back() == 's';
                if (!dict.lists(w)) continue;
                if (possessive && !smallSet_.count(text.substr(0, text.size() - 1))) continue;
                add(out, w, c, possessive ? Lookup::Possessive : Lookup::Apostrophe, proc);
            }
        }
        // Lookups by key take a spelling of letters only: a digit left means
        // a homophone not yet read.
        const bool letters =
            std::none_of(text.begin(), text.end(), digit) &&
            std::any_of(text.begin(), text.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; });
        if (letters && c <= 1.2) {
            // Letters left out: a word of the same consonants holding every
            // letter of the spelling, in order.
            const std::string skeleton = consonant_skeleton(text), sound = sound_key(text);
            if (auto it = bySkeleton_.find(skeleton);
                !skeleton.empty() && it != bySkeleton_.end()) {
                for (std::uint32_t w : it->second) {
                    const std::string& word = dict.words()[w];
                    if (word.size() > text.size() && abbreviates(text, word))
                        add(out, word, c, Lookup::LettersLeftOut, proc);
                }
            }
            if (auto it = bySound_.find(sound); !sound.empty() && it != bySound_.end()) {
                for (std::uint32_t w : it->second)
                    add(out, dict.words()[w], c, Lookup::Sound, proc);
            }
        }
        if (letters && c <= 0.6 && text.size() >= 2 && text[0] >= 'a' && text[0] <= 'z') {
            const std::string sk = consonant_skeleton(text);
            for (std::uint32_t i : smallByLetter_[static_cast<std::size_t>(text[0] - 'a')]) {
                const std::string& w = small_[i];
                if (w.size() <= text.size() || !abbreviates(text, w) ||
                    smallSkeleton_[i].size() <= sk.size())
                    continue;
                const double cover =
                    static_cast<double>(sk.size()) / static_cast<double>(smallSkeleton_[i].size());
                add(out, w, c, Lookup::Shortened, proc, 1 - cover);
            }
        }
        if (c <= 0.6) {
            for (std::size_t i = 1; i < text.size(); ++i) {
                auto a = resolve_part(text.substr(0, i));
                if (!a) continue;
                auto b = resolve_part(text.substr(i));
                if (!b) continue;
                std::string both = a->first + " " + b->first;
                add(out, fold_text(both), c + a->second + b->second, Lookup::RunTogether, proc, 0,
                    both);
            }
        }
    }
    // The keypad: a letter for another on its key, or another word of the same keys.
    for (std::size_t i = 0; i < form.size(); ++i) {
        for (char l : keypad_letters(form[i])) {
            if (l == form[i]) continue;
            std::string w = form;
            w[i] = l;
            if (lists_->commonRank.count(w) && dict.is_standard(w))
                add(out, w, 0, Lookup::KeypadSlip, none);
        }
    }
    if (auto it = byKeypad_.find(keypad_key(form)); it != byKeypad_.end() && form.size() >= 2) {
        for (std::uint32_t i : it->second) {
            if (small_[i] != form && small_[i].size() == form.size())
                add(out, small_[i], 0, Lookup::KeypadWord, none);
        }
    }
}

const Proposer::Vector& Proposer::vector_of(std::uint32_t form, Work& work) const {
    auto it = work.vectors.find(form);
    if (it != work.vectors.end()) return it->second;
    Vector v;
    const auto uses = index_->occurrences(form);
    const std::size_t step = std::max<std::size_t>(1, uses.size() / kSampledUses);
    std::vector<std::uint32_t> keys;
    for (std::size_t k = 0; k < uses.size(); k += step) {
        const std::size_t p = uses[k];
        const std::size_t t = index_->textOfPiece(p);
        if (p > index_->firstPiece(t)) keys.push_back(index_->pieceForm(p - 1) * 2);
        if (p + 1 < index_->firstPiece(t + 1)) keys.push_back(index_->pieceForm(p + 1) * 2 + 1);
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j < keys.size() && keys[j] == keys[i]) ++j;
        const double w = static_cast<double>(j - i) * idf_[keys[i] / 2];
        v.entries.emplace_back(keys[i], static_cast<float>(w));
        v.norm += w * w;
        v.mass += j - i;
        i = j;
    }
    v.norm = std::sqrt(v.norm);
    return work.vectors.emplace(form, std::move(v)).first->second;
}

namespace {
double cosine(const std::vector<std::pair<std::uint32_t, float>>& a, double na,
              const std::vector<std::pair<std::uint32_t, float>>& b, double nb) {
    if (na <= 0 || nb <= 0) return 0;
    double dot = 0;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].first < b[j].first)
            ++i;
        else if (b[j].first < a[i].first)
            ++j;
        else
            dot += static_cast<double>(a[i++].second) * static_cast<double>(b[j++].second);
    }
    return dot / (na * nb);
}
} // namespace

double Proposer::context_likeness(std::uint32_t a, std::uint32_t b, Work& work) const {
    const Vector& va = vector_of(a, work);
    const Vector& vb = vector_of(b, work);
    if (va.mass < 2 || vb.mass < 2) return -1;
    return cosine(va.entries, va.norm, vb.entries, vb.norm);
}

double Proposer::linear_score(const Raw& r, double prior, double likeness) const {
    const ScoreWeights& w = kWeights;
    return w.bias + w.rules * r.rules + w.lookup[static_cast<int>(r.lookup)] + w.gap * r.gap +
           w.prior * prior + w.likeness * likeness + (r.capital ? w.capital : 0);
}

std::vector<Candidate> Proposer::rank(const std::string& form, long long id, std::size_t keep,
                                      std::size_t scored, Work& work) const {
    std::vector<Raw> raws;
    generate(form, raws);
    // The likeliest way to each candidate; what depends on the word alone
    // is found once per word.
    struct Scored {
        std::size_t raw;
        double z, prior, likeness;
        bool capital;
    };
    std::unordered_map<std::string_view, std::size_t> best;
    std::vector<Scored> cands;
    for (std::size_t i = 0; i < raws.size(); ++i) {
        Raw& r = raws[i];
        if (r.key == form) continue;
        auto [it, added] = best.emplace(r.key, cands.size());
        if (added) {
            const std::string& shown = r.shown.empty() ? dictionary_->spelling(r.key) : r.shown;
            // A proper name is seldom what a texting spelling stands for.
            const bool capital = shown != "I" && shown.rfind("I'", 0) != 0 && capitalised(shown);
            cands.push_back({i, 0, prior(r.key, work), spelling_likeness(form, r.key), capital});
        }
        Scored& k = cands[it->second];
        r.capital = k.capital && r.lookup != Lookup::Shorthand;
        const double z = linear_score(r, r.lookup == Lookup::Shorthand ? 1.0 : k.prior, k.likeness);
        if (added || z > k.z) {
            k.raw = i;
            k.z = z;
        }
    }
    std::sort(cands.begin(), cands.end(), [&](const Scored& a, const Scored& b) {
        return a.z != b.z ? a.z > b.z : raws[a.raw].key < raws[b.raw].key;
    });
    if (cands.size() > scored) cands.resize(scored);
    std::vector<Candidate> out;
    out.reserve(cands.size());
    for (const Scored& k : cands) {
        const Raw& r = raws[k.raw];
        Candidate c;
        c.text = r.shown.empty() ? dictionary_->spelling(r.key) : r.shown;
        c.process = process_of(r);
        c.cost = r.rules;
        c.prior = r.lookup == Lookup::Shorthand ? 1.0 : k.prior;
        c.likeness = k.likeness;
        c.lookup = r.lookup;
        c.gap = r.gap;
        c.capital = r.capital;
        c.score = k.z;
        if (id >= 0) {
            const long long w = index_->find(r.key);
            if (w >= 0) {
                const double x = context_likeness(static_cast<std::uint32_t>(id),
                                                  static_cast<std::uint32_t>(w), work);
                if (x >= 0) {
                    c.context = x;
                    c.score += kWeights.context * x + kWeights.measured;
                }
            }
        }
        c.score = logistic(c.score);
        out.push_back(std::move(c));
    }
    std::sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) {
        return a.score != b.score ? a.score > b.score : a.text < b.text;
    });
    if (out.size() > keep) out.resize(keep);
    return out;
}

double Proposer::number_likeness(std::uint32_t form, Work& work) const {
    if (!work.numbers) {
        Vector sum;
        std::unordered_map<std::uint32_t, double> acc;
        std::vector<std::uint32_t> numbers;
        for (std::uint32_t f = 0; f < index_->formCount(); ++f) {
            const std::string& w = index_->folded(f);
            if (all_digits(w) && !lists_->shorthand.count(w)) numbers.push_back(f);
        }
        std::sort(numbers.begin(), numbers.end(), [&](std::uint32_t a, std::uint32_t b) {
            return index_->total(a).count > index_->total(b).count;
        });
        if (numbers.size() > 30) numbers.resize(30);
        for (std::uint32_t f : numbers) {
            const Vector& v = vector_of(f, work);
            for (const auto& [k, x] : v.entries) acc[k] += v.norm > 0 ? x / v.norm : 0;
        }
        for (const auto& [k, x] : acc) sum.entries.emplace_back(k, static_cast<float>(x));
        std::sort(sum.entries.begin(), sum.entries.end());
        for (const auto& e : sum.entries) sum.norm += static_cast<double>(e.second) * e.second;
        sum.norm = std::sqrt(sum.norm);
        sum.mass = numbers.size();
        work.numbers = std::move(sum);
    }
    const Vector& v = vector_of(form, work);
    return cosine(v.entries, v.norm, work.numbers->entries, work.numbers->norm);
}

void Proposer::classify(Proposal& p, long long id, const ProposalSettings& s, Work& work) const {
    const std::string& f = p.form;
    auto is = [&](LexKind k, std::string reason) {
        p.kind = k;
        p.reason = std::move(reason);
    };
    if (f.size() >= 2 && std::string_view("<[{").find(f.front()) != std::string_view::npos &&
        std::string_view(">]}").find(f.back()) != std::string_view::npos) {
        return is(LexKind::Placeholder,
                  "a placeholder in brackets, as anonymised corpora write them");
    }
    if (f.find_first_not_of("#*") == std::string::npos)
        return is(LexKind::Placeholder, "a placeholder of signs");
    const Letters letters = letters_of(f);
    if (letters.foreign)
        return is(LexKind::OtherLanguage, "written in the " + letters.script + " script");
    const bool listed = lists_->shorthand.count(f) != 0;
    if (!letters.alnum && !listed)
        return is(LexKind::Emoticon, "made of signs, without letters or digits");
    if (RE2::FullMatch(f, number_pattern())) {
        const auto sh = lists_->shorthand.find(f);
        if (sh == lists_->shorthand.end() || !all_digits(f) || id < 0)
            return is(LexKind::Number, "a number or time");
        // A digit that may stand for a word ("2", "4"): where it is used decides.
        const long long w = index_->find(sh->second.front());
        const double asWord = w >= 0 ? context_likeness(static_cast<std::uint32_t>(id),
                                                        static_cast<std::uint32_t>(w), work)
                                     : -1;
        const double asNumber = number_likeness(static_cast<std::uint32_t>(id), work);
        if (asWord <= asNumber)
            return is(LexKind::Number, "a number: its neighbours are those of numbers");
    }
    if (lists_->laughter.matches(f)) return is(LexKind::Laughter, "laughter");
    if (!listed && emoticons().only_emoticons(p.shown))
        return is(LexKind::Emoticon, "an emoticon of the " + emoticons().describe());
    if (!listed && kisses(f)) return is(LexKind::Emoticon, "kisses and hugs");
    if (id >= 0) {
        const std::uint64_t uses = index_->total(static_cast<std::uint32_t>(id)).count;
        const std::uint32_t pictures = emoticonUses_[static_cast<std::size_t>(id)];
        if (pictures * 2 >= uses && pictures > 0)
            return is(LexKind::Emoticon, "used within emoticons in " + std::to_string(pictures) +
                                             " of " + std::to_string(uses) + " uses");
    }
    if (lists_->particles.matches(f))
        return is(LexKind::Particle, "a discourse particle or interjection");

    p.candidates = rank(f, id, s.candidates, std::max(s.candidates, kScoredCandidates), work);
    const double top = p.candidates.empty() ? 0 : p.candidates.front().score;
    if (id >= 0 && !listed && top < 0.9) {
        std::size_t inside = 0, capitals = 0;
        const auto uses = index_->occurrences(static_cast<std::uint32_t>(id));
        const std::size_t step = std::max<std::size_t>(1, uses.size() / kSampledUses);
        for (std::size_t k = 0; k < uses.size(); k += step) {
            const std::size_t at = uses[k];
            if (at == index_->firstPiece(index_->textOfPiece(at))) continue;
            ++inside;
            capitals += capitalised(index_->pieceText(at));
        }
        const bool explained = !p.candidates.empty() && capitalised(p.candidates.front().text);
        if (inside >= 2 && capitals * 10 >= inside * 7 && !explained) {
            return is(LexKind::Name, "capitalised in " + std::to_string(capitals) + " of " +
                                         std::to_string(inside) + " uses inside a text");
        }
        // No good candidate and capitalised wherever it stands, a text's
        // first word included: a name all the same.
        if (top < s.threshold && !explained && uses.size() >= 2) {
            std::size_t all = 0;
            for (std::size_t k = 0; k < uses.size(); k += step)
                all += capitalised(index_->pieceText(uses[k]));
            const std::size_t seen = (uses.size() + step - 1) / step;
            if (all * 10 >= seen * 7)
                return is(LexKind::Name, "capitalised in " + std::to_string(all) + " of " +
                                             std::to_string(seen) +
                                             " uses, with no good candidate");
        }
    }
    if (auto it = lists_->otherLanguage.find(f); it != lists_->otherLanguage.end() && top < 0.7)
        return is(LexKind::OtherLanguage, "a word of " + it->second);
    if (listed) return is(LexKind::Variant, "shorthand");
    if (top >= s.threshold) return is(LexKind::Variant, p.candidates.front().process);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "no candidate scores %.2f or more (the best: %.2f)",
                  s.threshold, top);
    return is(LexKind::Unresolved, buffer);
}

Proposal Proposer::propose(std::string_view form, const ProposalSettings& settings) {
    return propose(form, settings, work_);
}

Proposal Proposer::propose(std::string_view form, const ProposalSettings& settings,
                           Work& work) const {
    Proposal p;
    p.form = plain_apostrophes(fold_text(form));
    p.shown = std::string(form);
    long long id = index_->find(form);
    if (id < 0 && p.form != fold_text(form)) id = index_->find(p.form);
    if (id >= 0) {
        const auto f = static_cast<std::uint32_t>(id);
        const FormTotal& t = index_->total(f);
        p.shown = index_->shown(f);
        p.count = t.count;
        p.authors = t.authors;
        p.texts = t.texts;
    }
    p.standard = dictionary_->is_standard(p.form);
    classify(p, id, settings, work);
    return p;
}

std::vector<Proposal> Proposer::propose_all(const ProposalSettings& settings) {
    std::vector<std::uint32_t> forms;
    for (std::uint32_t f = 0; f < index_->formCount(); ++f) {
        if (index_->total(f).count < std::max<std::uint64_t>(settings.minCount, 1)) continue;
        if (dictionary_->is_standard(plain_apostrophes(index_->folded(f)))) continue;
        forms.push_back(f);
    }
    std::sort(forms.begin(), forms.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto ca = index_->total(a).count, cb = index_->total(b).count;
        return ca != cb ? ca > cb : index_->formRank(a) < index_->formRank(b);
    });
    std::vector<Proposal> out(forms.size());
    // Two threads (the machines the program runs on have two cores or more),
    // each with its own work; the second takes every other form from the end.
    auto run = [&](std::size_t from, std::size_t step, Work& work) {
        for (std::size_t i = from; i < forms.size(); i += step)
            out[i] = propose(index_->folded(forms[i]), settings, work);
    };
    if (forms.size() < 200) {
        run(0, 1, work_);
    } else {
        Work other;
        std::thread second([&] { run(1, 2, other); });
        run(0, 2, work_);
        second.join();
    }
    return out;
}

} // namespace zapt
