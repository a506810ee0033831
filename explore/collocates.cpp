#include "explore/collocates.h"

#include "corpus/collation.h"
#include "corpus/text.h"

#include <algorithm>
#include <charconv>

namespace zapt {

CollocationTable scope_collocates(const FormIndex& index, const Scope& scope, std::string_view form,
                                  CollocationSettings settings) {
    settings.span = std::clamp(settings.span, 1, CollocationSettings::kMaxSpan);
    settings.minFrequency = std::max(settings.minFrequency, 1);
    settings.withinText = true;
    CollocationTable t;
    t.form = std::string(form);
    t.settings = settings;
    const Aggregate g = aggregate(index, scope);
    t.corpusWords = static_cast<int>(g.words);
    const long long found = index.find(form);
    if (found < 0) return t;
    const auto node = static_cast<std::uint32_t>(found);
    t.formFrequency = static_cast<int>(g.forms[node].count);

    // Per form: its co-occurrences left and right of the node.
    std::vector<int> left(index.formCount(), 0), right(index.formCount(), 0);
    std::vector<std::uint32_t> touched;
    auto add = [&](std::vector<int>& side, std::uint32_t f) {
        if (left[f] == 0 && right[f] == 0) touched.push_back(f);
        ++side[f];
    };
    auto in_scope = [&](std::size_t text) { return scope.holdsText(index, text); };
    // The occurrences ascend, and so do their texts.
    std::size_t text = 0;
    const std::size_t texts = index.textCount();
    for (const std::uint32_t p : index.occurrences(node)) {
        while (text + 1 < texts && index.firstPiece(text + 1) <= p) ++text;
        if (!in_scope(text)) continue;
        const std::size_t from = index.firstPiece(text), to = index.firstPiece(text + 1);
        for (std::size_t k = 1; k <= static_cast<std::size_t>(settings.span); ++k) {
            if (p >= from + k) add(left, index.pieceForm(p - k));
            if (p + k < to) add(right, index.pieceForm(p + k));
        }
    }
    for (const std::uint32_t f : touched) {
        if (left[f] + right[f] < settings.minFrequency) continue;
        Collocate c;
        c.word = index.folded(f);
        c.left = left[f];
        c.right = right[f];
        c.corpusFrequency = static_cast<int>(g.forms[f].count);
        const CollocationMeasures m = collocation_measures(
            c.left + c.right, t.formFrequency, c.corpusFrequency, t.corpusWords, settings.span);
        c.mi = m.mi;
        c.logDice = m.logDice;
        c.tScore = m.tScore;
        c.logLikelihood = m.logLikelihood;
        t.collocates.push_back(std::move(c));
    }
    std::sort(t.collocates.begin(), t.collocates.end(), [](const Collocate& a, const Collocate& b) {
        const int fa = a.left + a.right, fb = b.left + b.right;
        if (fa != fb) return fa > fb;
        if (collate_less(a.word, b.word)) return true;
        if (collate_less(b.word, a.word)) return false;
        return a.word < b.word;
    });
    return t;
}

namespace {

std::string fixed4(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
    return std::string(buf, res.ptr);
}

} // namespace

ResultTable scope_collocates_table(const FormIndex& index, const CollocationTable& c,
                                   const std::string& scope, const std::string& texts) {
    ResultTable t;
    t.title = "Collocates of " + c.form + ": " + scope;
    t.columns = {"word", "left", "right", "corpus_frequency", "mi", "log_dice", "ll", "t_score"};
    for (const Collocate& k : c.collocates) {
        t.rows.push_back({k.word, std::to_string(k.left), std::to_string(k.right),
                          std::to_string(k.corpusFrequency), fixed4(k.mi), fixed4(k.logDice),
                          fixed4(k.logLikelihood), fixed4(k.tScore)});
    }
    t.settings = {
        {"form", c.form},
        {"scope", scope},
        {"pieces", "the exploring tools' pieces of the scope's texts (emoticons: " +
                       index.emoticons().describe() + ")"},
        {"form frequency", std::to_string(c.formFrequency) + " in the scope's texts"},
        {"subcorpus words", std::to_string(c.corpusWords) + " (N)"},
        {"span", std::to_string(c.settings.span) + " words on either side"},
        {"minimum frequency", std::to_string(c.settings.minFrequency)},
        {"pairs", "inside one text only"},
        {"corpus_frequency", "the word's count in the scope's texts (F_word)"},
        {"MI", "MI = log2(O / E): O = left + right, E = F_form * F_word * 2 * span / N, N = words "
               "of the scope's texts, F = frequency in them"},
        {"logDice", std::string(kLogDiceFormula)},
        {"ll", std::string(kLogLikelihoodFormula)},
        {"t_score", std::string(kTScoreFormula)},
    };
    if (!texts.empty()) t.settings.push_back({"texts", texts});
    return t;
}

} // namespace zapt
