#include "explore/word_list.h"

#include "corpus/files.h"

#include "corpus/metadata.h"
#include "corpus/text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <span>
#include <sstream>

namespace zapt {
namespace {

double rate(std::uint64_t count, std::uint64_t words) {
    return static_cast<double>(count) * 10000.0 / static_cast<double>(words);
}

// Orders rows by count descending, then by form.
template <class Row> void sort_rows(std::vector<Row>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) {
        if (x.count != y.count) return x.count > y.count;
        return x.form < y.form;
    });
}

} // namespace

std::size_t Scope::authors() const {
    return in.empty() ? 0 : static_cast<std::size_t>(std::count(in.begin(), in.end() - 1, 1));
}

namespace {

// The bucket of text t.
std::size_t bucket_of(const FormIndex& index, std::size_t t) {
    const std::int32_t a = index.textAuthor(t);
    return a < 0 ? index.noAuthor() : static_cast<std::size_t>(a);
}

} // namespace

bool Scope::holdsText(const FormIndex& index, std::size_t t) const {
    if (!texts.empty()) return t < texts.size() && texts[t];
    const std::size_t b = bucket_of(index, t);
    return b < in.size() && in[b];
}

Scope whole_scope(const FormIndex& index) {
    return {std::vector<char>(index.authorCount() + 1, 1), "whole corpus", {}};
}

Scope rows_scope(const FormIndex& index, const std::vector<std::size_t>& rows, std::string name) {
    Scope s{std::vector<char>(index.authorCount() + 1, 0), std::move(name), {}};
    for (const std::size_t r : rows) {
        if (r < index.authorCount()) s.in[r] = 1;
    }
    return s;
}

Scope texts_scope(const FormIndex& index, Scope scope, const std::vector<char>& texts) {
    if (texts.empty() && scope.texts.empty()) return scope;
    const std::size_t n = index.textCount();
    std::vector<char> kept(n, 0);
    std::vector<char> in(scope.in.size(), 0);
    for (std::size_t t = 0; t < n; ++t) {
        if (!scope.holdsText(index, t) || (!texts.empty() && (t >= texts.size() || !texts[t])))
            continue;
        kept[t] = 1;
        const std::size_t b = bucket_of(index, t);
        if (b < in.size()) in[b] = 1;
    }
    scope.in = std::move(in);
    scope.texts = std::move(kept);
    return scope;
}

Scope subcorpus_scope(const FormIndex& index, const Subcorpus& subcorpus,
                      const AuthorFields& fields) {
    if (subcorpus.whole()) {
        Scope s = whole_scope(index);
        if (!subcorpus.name.empty()) s.name = subcorpus.name;
        return s;
    }
    std::vector<std::size_t> rows;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (subcorpus.holds(fields, k)) rows.push_back(k);
    }
    Scope s =
        rows_scope(index, rows, subcorpus.name.empty() ? subcorpus.describe() : subcorpus.name);
    if (!subcorpus.choosesTexts()) return s;
    // Text fields that cannot be read choose no text.
    std::vector<char> mask = subcorpus.textMask(fields);
    mask.resize(index.textCount(), 0);
    return texts_scope(index, std::move(s), mask);
}

Scope rest_scope(const Scope& scope) {
    Scope s{scope.in, "rest of corpus", {}};
    for (char& c : s.in) c = !c;
    return s;
}

Scope rest_scope(const FormIndex& index, const Scope& scope) {
    if (!scope.choosesTexts()) return rest_scope(scope);
    Scope s{std::vector<char>(index.authorCount() + 1, 0), "rest of corpus",
            std::vector<char>(index.textCount(), 0)};
    for (std::size_t t = 0; t < s.texts.size(); ++t) {
        if (scope.holdsText(index, t)) continue;
        s.texts[t] = 1;
        s.in[bucket_of(index, t)] = 1;
    }
    return s;
}

ScopeSize scope_size(const FormIndex& index, const Scope& scope) {
    ScopeSize z;
    z.authors = scope.authors();
    for (std::size_t b = 0; b < scope.in.size() && b <= index.authorCount(); ++b) {
        if (!scope.in[b]) continue;
        if (!scope.choosesTexts()) {
            z.texts += index.authorTexts(b).size();
            z.words += index.authorWords(b);
            continue;
        }
        for (const std::uint32_t t : index.authorTexts(b)) {
            if (t >= scope.texts.size() || !scope.texts[t]) continue;
            ++z.texts;
            z.words += index.textLength(t);
        }
    }
    return z;
}

std::string chosen_texts(const FormIndex& index, const Scope& scope, std::string_view how) {
    if (!scope.choosesTexts()) return {};
    const ScopeSize z = scope_size(index, scope);
    return std::to_string(z.texts) + " of " + std::to_string(index.textCount()) +
           " texts of the corpus, of " + std::to_string(z.authors) +
           (z.authors == 1 ? " author" : " authors") + " (" +
           (how.empty() ? std::string("chosen text by text: a condition on a text field keeps "
                                      "only the texts whose own value meets it")
                        : std::string(how)) +
           ")";
}

namespace {

// The figures of the buckets `each` gives, as (bucket, its forms with their
// counts, its words): the forms' counts, texts, authors and top author, and
// the DP's sums over the authors' parts.
template <class EachBucket> Aggregate aggregate_buckets(const FormIndex& index, EachBucket&& each) {
    Aggregate g;
    g.forms.assign(index.formCount(), {});
    const std::size_t m = index.authorCount();
    each([&](std::size_t b, std::span<const FormUse> uses, std::uint64_t words) {
        const bool author = b < m;
        for (const FormUse& u : uses) {
            FormFigures& f = g.forms[u.form];
            f.count += u.count;
            f.texts += u.texts;
            if (author) {
                ++f.authors;
                f.top = std::max(f.top, u.count);
                f.authorCount += u.count;
            }
        }
        g.words += words;
        if (author) g.partWords += words;
    });
    if (g.partWords == 0) return g;
    // The parts using a form add |v - s| - s; those without it add s, which
    // over all parts sums to 1 - (the s of the parts using it).
    const double partWords = static_cast<double>(g.partWords);
    each([&](std::size_t b, std::span<const FormUse> uses, std::uint64_t words) {
        if (b >= m || words == 0) return;
        const double s = static_cast<double>(words) / partWords;
        for (const FormUse& u : uses) {
            FormFigures& f = g.forms[u.form];
            const double v = static_cast<double>(u.count) / static_cast<double>(f.authorCount);
            f.dpSum += std::fabs(v - s) - s;
        }
    });
    return g;
}

} // namespace

Aggregate aggregate(const FormIndex& index, const Scope& scope) {
    const std::size_t m = index.authorCount();
    if (!scope.choosesTexts()) {
        // Every text of the buckets in scope: the index's per-author counts.
        return aggregate_buckets(index, [&](auto&& bucket) {
            for (std::size_t b = 0; b <= m && b < scope.in.size(); ++b) {
                if (scope.in[b]) bucket(b, index.authorForms(b), index.authorWords(b));
            }
        });
    }
    // Some texts only: each bucket's forms counted over its texts in scope,
    // once, as the index counts whole buckets.
    std::vector<FormUse> uses;
    std::vector<std::size_t> usesFrom{0};
    std::vector<std::size_t> buckets;
    std::vector<std::uint64_t> words;
    std::vector<std::uint32_t> count(index.formCount(), 0), texts(index.formCount(), 0);
    std::vector<std::uint32_t> lastText(index.formCount(), UINT32_MAX);
    std::vector<std::uint32_t> touched;
    for (std::size_t b = 0; b <= m && b < scope.in.size(); ++b) {
        if (!scope.in[b]) continue;
        touched.clear();
        std::uint64_t w = 0;
        for (const std::uint32_t t : index.authorTexts(b)) {
            if (t >= scope.texts.size() || !scope.texts[t]) continue;
            for (const std::uint32_t sp : index.textPieces(t)) {
                const std::uint32_t f = index.formOfSpelling(sp);
                if (count[f] == 0) touched.push_back(f);
                ++count[f];
                if (lastText[f] != t) {
                    lastText[f] = t;
                    ++texts[f];
                }
            }
            w += index.textLength(t);
        }
        for (const std::uint32_t f : touched) {
            uses.push_back({f, count[f], texts[f]});
            count[f] = texts[f] = 0;
        }
        buckets.push_back(b);
        usesFrom.push_back(uses.size());
        words.push_back(w);
    }
    return aggregate_buckets(index, [&](auto&& bucket) {
        for (std::size_t i = 0; i < buckets.size(); ++i) {
            bucket(
                buckets[i],
                std::span<const FormUse>(uses.data() + usesFrom[i], uses.data() + usesFrom[i + 1]),
                words[i]);
        }
    });
}

std::optional<double> Aggregate::dp(std::uint32_t form) const {
    const FormFigures& f = forms[form];
    if (f.authorCount == 0 || partWords == 0) return std::nullopt;
    return std::clamp(0.5 * (f.dpSum + 1.0), 0.0, 1.0);
}

// ---- The glossary and the dictionary

GlossaryForms::GlossaryForms(const Glossary& glossary) {
    std::unordered_map<std::string, std::vector<std::string>> seen;
    const auto& forms = glossary.forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const std::string key = fold_text(forms[i]);
        auto& list = seen[key];
        std::string& joined = byForm_[key];
        const std::string& meaning = glossary.interpretation(static_cast<int>(i));
        if (!meaning.empty() && std::find(list.begin(), list.end(), meaning) == list.end()) {
            list.push_back(meaning);
            joined += (joined.empty() ? "" : "; ") + meaning;
        }
        for (std::string_view w : text_pieces(meaning)) words_.insert(fold_text(w));
    }
}

const std::string& GlossaryForms::interpretation(const std::string& folded) const {
    static const std::string none;
    const auto it = byForm_.find(folded);
    return it == byForm_.end() ? none : it->second;
}

StandardWords load_standard_words(const std::string& path, const GlossaryForms& glossary) {
    StandardWords d;
    d.path = path;
    std::ifstream in(path);
    if (!in) return d;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && valid_utf8(line)) d.words.insert(fold_text(line));
    }
    d.available = !in.bad();
    d.words.insert(glossary.interpretationWords().begin(), glossary.interpretationWords().end());
    return d;
}

// ---- Which forms a list leaves out

bool is_number_form(std::string_view f) {
    for (std::string_view sign : {"\xC2\xA3", "$", "\xE2\x82\xAC"}) {
        if (f.substr(0, sign.size()) == sign) {
            f.remove_prefix(sign.size());
            break;
        }
    }
    if (!f.empty() && f.back() == '%') f.remove_suffix(1);
    if (f.empty()) return false;
    return std::all_of(f.begin(), f.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool is_placeholder_form(std::string_view f) {
    if (f.size() < 3 || f.front() != '<' || f.back() != '>') return false;
    const std::string_view in = f.substr(1, f.size() - 2);
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (std::all_of(in.begin(), in.end(), [](char c) { return c == '#'; })) return true;
    if (!letter(in.front())) return false;
    return std::all_of(in.begin(), in.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

std::string StopList::describe() const {
    return name + " (" + std::to_string(forms.size()) + (forms.size() == 1 ? " form)" : " forms)");
}

std::optional<StopList> parse_stop_list(std::string_view text, std::string name,
                                        std::string* error) {
    auto fail = [&](std::size_t line, const std::string& why) -> std::optional<StopList> {
        if (error) *error = name + (line ? ", line " + std::to_string(line) : "") + ": " + why;
        return std::nullopt;
    };
    if (!valid_utf8(text)) return fail(0, "the stop list is not UTF-8 text");
    StopList list;
    list.name = name;
    std::size_t line = 0, from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view row = text.substr(from, end - from);
        from = end + 1;
        ++line;
        if (row.substr(0, 2) == "# " || row == "#" || row == "#\r") continue;
        const std::vector<std::string_view> words = text_pieces_at_blanks(row);
        if (words.empty()) continue;
        if (words.size() > 1) {
            return fail(line, "\"" + std::string(trim_blanks(row)) +
                                  "\" holds more than one form (one form a line)");
        }
        list.forms.insert(fold_text(words[0]));
    }
    return list;
}

std::optional<StopList> read_stop_list(const std::string& path, std::string* error) {
    const std::optional<std::string> text = read_named_file(path, error);
    if (!text) return std::nullopt;
    return parse_stop_list(*text, path, error);
}

bool FormFilter::keeps(const std::string& folded) const {
    if (noNumbers && (is_number_form(folded) || is_placeholder_form(folded))) return false;
    return !stopList.contains(folded);
}

// ---- Word lists

WordList word_list(const FormIndex& index, const Scope& scope, const GlossaryForms& glossary,
                   const StandardWords* dictionary, const WordListOptions& options) {
    WordList list;
    if (options.notInDictionary && (!dictionary || !dictionary->available)) {
        list.error = "no standard word list: " +
                     (dictionary ? dictionary->path : std::string(kStandardWordList)) +
                     " cannot be read (Debian's wbritish package installs it)";
        return list;
    }
    Pattern pattern;
    if (!options.pattern.empty()) {
        pattern = compile_pattern(options.pattern);
        if (!pattern.ok()) {
            list.error = pattern.error;
            return list;
        }
    }
    if (pattern.phrase() && (options.glossaryOnly || options.notInDictionary)) {
        list.error = "the glossary and dictionary filters choose forms, not phrases";
        return list;
    }
    if (pattern.phrase() && options.filter.any()) {
        list.error = "the number and stop-list filters choose forms, not phrases";
        return list;
    }
    const Aggregate g = aggregate(index, scope);
    list.words = g.words;
    list.emoticons = index.emoticons().describe();
    list.texts = chosen_texts(index, scope);
    if (pattern.phrase()) {
        // A phrase: every matching sequence of forms with its counts.
        for (const PatternMatch& m :
             group_hits(index, find_hits(index, pattern, scope.in, scope.texts))) {
            if (m.count < options.minCount || m.authors < options.minAuthors) continue;
            WordListRow r;
            r.form = shown_match(index, m.forms);
            r.count = m.count;
            r.per10k = rate(m.count, g.words);
            r.texts = m.texts;
            r.authors = m.authors;
            list.rows.push_back(std::move(r));
        }
        sort_rows(list.rows);
        return list;
    }
    std::vector<char> wanted;
    if (pattern.ok()) {
        wanted.assign(index.formCount(), 0);
        for (const std::uint32_t f : matching_forms(index, pattern, 0)) wanted[f] = 1;
    }
    for (std::uint32_t f = 0; f < index.formCount(); ++f) {
        const FormFigures& x = g.forms[f];
        if (x.count == 0 || (!wanted.empty() && !wanted[f])) continue;
        if (x.count < options.minCount || x.authors < options.minAuthors) continue;
        const std::string& folded = index.folded(f);
        if (!options.filter.keeps(folded)) continue;
        if (options.glossaryOnly && !glossary.contains(folded)) continue;
        if (options.notInDictionary && (dictionary->contains(folded) || glossary.contains(folded)))
            continue;
        WordListRow r;
        r.form = index.shown(f);
        r.count = x.count;
        r.per10k = rate(x.count, g.words);
        r.texts = x.texts;
        r.authors = x.authors;
        r.dp = g.dp(f);
        // A form of the texts of no author alone has no top author.
        if (x.authors > 0) r.topShare = static_cast<double>(x.top) / static_cast<double>(x.count);
        r.interpretation = glossary.interpretation(folded);
        list.rows.push_back(std::move(r));
    }
    sort_rows(list.rows);
    return list;
}

// ---- Keywords

KeywordStats keyword_stats(std::uint64_t a, std::uint64_t b, std::uint64_t A, std::uint64_t B) {
    KeywordStats k;
    const double da = static_cast<double>(a), db = static_cast<double>(b);
    const double dA = static_cast<double>(A), dB = static_cast<double>(B);
    if (A > 0) k.rateA = da * 10000.0 / dA;
    if (B > 0) k.rateB = db * 10000.0 / dB;
    if (A + B > 0 && a + b > 0) {
        const double e1 = dA * (da + db) / (dA + dB);
        const double e2 = dB * (da + db) / (dA + dB);
        // A count above zero has words on its side, so its expectation is above zero.
        double g2 = 0;
        if (a > 0) g2 += da * std::log(da / e1);
        if (b > 0) g2 += db * std::log(db / e2);
        k.g2 = std::max(0.0, 2.0 * g2);
    }
    if (A > 0 && B > 0) {
        const double ra = (a > 0 ? da : 0.5) / dA;
        const double rb = (b > 0 ? db : 0.5) / dB;
        k.logRatio = std::log2(ra / rb);
        if (b > 0) k.pctDiff = 100.0 * (da / dA - db / dB) / (db / dB);
    }
    return k;
}

namespace {

const FormFigures kNoFigures{};

// Why a side has no words, or nothing.
std::string empty_side(const Scope& a, const Scope& b, std::uint64_t wordsA, std::uint64_t wordsB,
                       bool rest, const std::string& reference) {
    if (wordsA == 0) return "A has no words: " + a.name + " holds no text";
    if (wordsB > 0) return {};
    if (rest) {
        return "B has no words: the rest of " +
               std::string(a.name == "whole corpus" ? "the whole corpus" : "the corpus outside A") +
               " is empty";
    }
    return "B has no words: " + b.name + (reference.empty() ? "" : " of " + reference) +
           " holds no text";
}

// The rows of A against B: per form its figures on both sides, `shown` its
// spelling and `folded` its folded form.
template <class Each>
void add_rows(Keywords& out, const Aggregate& ga, const Aggregate& gb, Each&& each) {
    const KeywordOptions& o = out.options;
    each([&](std::uint32_t form, const FormFigures& x, const FormFigures& y,
             const std::string& shown, const std::string& folded) {
        if (x.count + y.count == 0) return;
        // A form used at the same rate on both sides (G2 = 0) is a keyword of
        // neither: a * B = b * A, exact for every count below 2^32 (a long
        // double holds 64 bits of a product).
        if (static_cast<long double>(x.count) * static_cast<long double>(gb.words) ==
            static_cast<long double>(y.count) * static_cast<long double>(ga.words))
            return;
        KeywordRow r;
        r.form = form;
        r.a = x.count;
        r.b = y.count;
        r.stats = keyword_stats(r.a, r.b, ga.words, gb.words);
        r.authorsA = x.authors;
        r.authorsB = y.authors;
        // The side of the higher rate; a side without words never has it.
        const double ra = r.stats.rateA.value_or(-1), rb = r.stats.rateB.value_or(-1);
        r.side = ra >= rb ? 'a' : 'b';
        const FormFigures& side = r.side == 'a' ? x : y;
        if (static_cast<long long>(side.authors) < o.minAuthors || side.count == 0) return;
        if (side.count < o.minCount || !o.filter.keeps(folded)) return;
        r.topShare = static_cast<double>(side.top) / static_cast<double>(side.count);
        r.shown = shown;
        out.rows.push_back(std::move(r));
    });
    std::stable_sort(out.rows.begin(), out.rows.end(),
                     [](const KeywordRow& x, const KeywordRow& y) {
                         if (x.signedG2() != y.signedG2()) return x.signedG2() > y.signedG2();
                         return x.shown < y.shown;
                     });
}

} // namespace

Keywords keywords(const FormIndex& index, const Scope& a, const Scope& b, int minAuthors) {
    KeywordOptions o;
    o.minAuthors = minAuthors;
    return keywords(index, a, b, o);
}

Keywords keywords(const FormIndex& index, const Scope& a, const Scope& b,
                  const KeywordOptions& options) {
    Keywords out;
    out.options = options;
    out.minAuthors = options.minAuthors;
    out.emoticons = index.emoticons().describe();
    const Aggregate ga = aggregate(index, a);
    const Aggregate gb = aggregate(index, b);
    out.wordsA = ga.words;
    out.wordsB = gb.words;
    // B is the rest of A when it holds exactly the buckets A leaves out, or,
    // when either chooses texts, exactly the texts A leaves out.
    bool rest = a.in.size() == b.in.size();
    if (a.choosesTexts() || b.choosesTexts()) {
        for (std::size_t t = 0; rest && t < index.textCount(); ++t)
            rest = a.holdsText(index, t) != b.holdsText(index, t);
    } else {
        for (std::size_t i = 0; rest && i < a.in.size(); ++i) rest = !a.in[i] != !b.in[i];
    }
    out.textsA = chosen_texts(index, a);
    out.textsB = chosen_texts(index, b, rest ? "every text outside A" : "");
    out.error = empty_side(a, b, out.wordsA, out.wordsB, rest, {});
    if (!out.error.empty()) return out;
    add_rows(out, ga, gb, [&](auto&& row) {
        for (std::uint32_t f = 0; f < index.formCount(); ++f)
            row(f, ga.forms[f], gb.forms[f], index.shown(f), index.folded(f));
    });
    return out;
}

Keywords keywords(const FormIndex& index, const Scope& a, const FormIndex& reference,
                  const Scope& b, const KeywordOptions& options, std::string referenceName) {
    Keywords out;
    out.options = options;
    out.minAuthors = options.minAuthors;
    out.reference = std::move(referenceName);
    out.emoticons = index.emoticons().describe();
    const Aggregate ga = aggregate(index, a);
    const Aggregate gb = aggregate(reference, b);
    out.wordsA = ga.words;
    out.wordsB = gb.words;
    out.textsA = chosen_texts(index, a);
    out.textsB = chosen_texts(reference, b);
    out.error = empty_side(a, b, out.wordsA, out.wordsB, false, out.reference);
    if (!out.error.empty()) return out;
    // Each reference form's figures under A's number for it; the forms A's
    // corpus lacks after A's.
    std::vector<std::uint32_t> inReference(index.formCount(), kNoForm);
    std::vector<std::uint32_t> referenceOnly;
    for (std::uint32_t g = 0; g < reference.formCount(); ++g) {
        if (gb.forms[g].count == 0) continue;
        const long long f = index.findFolded(reference.folded(g));
        if (f >= 0) {
            inReference[static_cast<std::size_t>(f)] = g;
        } else {
            referenceOnly.push_back(g);
        }
    }
    add_rows(out, ga, gb, [&](auto&& row) {
        for (std::uint32_t f = 0; f < index.formCount(); ++f) {
            const std::uint32_t g = inReference[f];
            row(f, ga.forms[f], g == kNoForm ? kNoFigures : gb.forms[g], index.shown(f),
                index.folded(f));
        }
        for (const std::uint32_t g : referenceOnly)
            row(kNoForm, kNoFigures, gb.forms[g], reference.shown(g), reference.folded(g));
    });
    return out;
}

} // namespace zapt
