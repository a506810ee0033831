#include "explore/word_list.h"

#include "corpus/text.h"

#include <algorithm>
#include <cmath>
#include <fstream>

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

Scope whole_scope(const FormIndex& index) {
    return {std::vector<char>(index.authorCount() + 1, 1), "whole corpus"};
}

Scope rows_scope(const FormIndex& index, const std::vector<std::size_t>& rows, std::string name) {
    Scope s{std::vector<char>(index.authorCount() + 1, 0), std::move(name)};
    for (const std::size_t r : rows) {
        if (r < index.authorCount()) s.in[r] = 1;
    }
    return s;
}

Scope rest_scope(const Scope& scope) {
    Scope s{scope.in, "rest of corpus"};
    for (char& c : s.in) c = !c;
    return s;
}

Aggregate aggregate(const FormIndex& index, const Scope& scope) {
    Aggregate g;
    g.forms.assign(index.formCount(), {});
    const std::size_t m = index.authorCount();
    for (std::size_t b = 0; b <= m && b < scope.in.size(); ++b) {
        if (!scope.in[b]) continue;
        const bool author = b < m;
        for (const FormUse& u : index.authorForms(b)) {
            FormFigures& f = g.forms[u.form];
            f.count += u.count;
            f.texts += u.texts;
            if (author) {
                ++f.authors;
                f.top = std::max(f.top, u.count);
                f.authorCount += u.count;
            }
        }
        g.words += index.authorWords(b);
        if (author) g.partWords += index.authorWords(b);
    }
    if (g.partWords == 0) return g;
    // The parts using a form add |v - s| - s; those without it add s, which
    // over all parts sums to 1 - (the s of the parts using it).
    const double words = static_cast<double>(g.partWords);
    for (std::size_t b = 0; b < m && b < scope.in.size(); ++b) {
        if (!scope.in[b] || index.authorWords(b) == 0) continue;
        const double s = static_cast<double>(index.authorWords(b)) / words;
        for (const FormUse& u : index.authorForms(b)) {
            FormFigures& f = g.forms[u.form];
            const double v = static_cast<double>(u.count) / static_cast<double>(f.authorCount);
            f.dpSum += std::fabs(v - s) - s;
        }
    }
    return g;
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
    const Aggregate g = aggregate(index, scope);
    list.words = g.words;
    if (pattern.phrase()) {
        // A phrase: every matching sequence of forms with its counts.
        for (const PatternMatch& m : group_hits(index, find_hits(index, pattern, scope.in))) {
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
        const std::string& folded = index.folded(f);
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

Keywords keywords(const FormIndex& index, const Scope& a, const Scope& b, int minAuthors) {
    Keywords out;
    out.minAuthors = minAuthors;
    const Aggregate ga = aggregate(index, a);
    const Aggregate gb = aggregate(index, b);
    out.wordsA = ga.words;
    out.wordsB = gb.words;
    for (std::uint32_t f = 0; f < index.formCount(); ++f) {
        const FormFigures& x = ga.forms[f];
        const FormFigures& y = gb.forms[f];
        if (x.count + y.count == 0) continue;
        KeywordRow r;
        r.form = f;
        r.a = x.count;
        r.b = y.count;
        r.stats = keyword_stats(r.a, r.b, ga.words, gb.words);
        r.authorsA = x.authors;
        r.authorsB = y.authors;
        // The side of the higher rate; a side without words never has it.
        const double ra = r.stats.rateA.value_or(-1), rb = r.stats.rateB.value_or(-1);
        r.side = ra >= rb ? 'a' : 'b';
        const FormFigures& side = r.side == 'a' ? x : y;
        if (static_cast<long long>(side.authors) < minAuthors || side.count == 0) continue;
        r.topShare = static_cast<double>(side.top) / static_cast<double>(side.count);
        out.rows.push_back(r);
    }
    std::stable_sort(out.rows.begin(), out.rows.end(),
                     [&](const KeywordRow& x, const KeywordRow& y) {
                         if (x.stats.g2 != y.stats.g2) return x.stats.g2 > y.stats.g2;
                         return index.shown(x.form) < index.shown(y.form);
                     });
    return out;
}

} // namespace zapt
