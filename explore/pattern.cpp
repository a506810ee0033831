#include "explore/pattern.h"

#include "corpus/text.h"

#include <re2/re2.h>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace zapt {
namespace {

// The most memory RE2 may use for one compiled expression.
constexpr std::int64_t kMaxRegexMemory = 8 << 20;

// One character-boundary iterator per thread: making one costs far more
// than using it.
icu::BreakIterator* character_breaks() {
    thread_local std::unique_ptr<icu::BreakIterator> it = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> bi(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) bi.reset();
        return bi;
    }();
    return it.get();
}

// Calls f(c) for each character (extended grapheme cluster) of valid UTF-8
// text; ASCII without a carriage return is one character a byte.
template <class F> void for_each_character(std::string_view s, F&& f) {
    if (is_ascii(s) && s.find('\r') == std::string_view::npos) {
        for (std::size_t i = 0; i < s.size(); ++i) f(s.substr(i, 1));
        return;
    }
    icu::BreakIterator* bi = character_breaks();
    if (!bi) throw std::runtime_error("ICU cannot find its character boundaries");
    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, s.data(), static_cast<std::int64_t>(s.size()), &status);
    bi->setText(&text, status);
    std::int32_t from = bi->first();
    for (std::int32_t to = bi->next(); to != icu::BreakIterator::DONE; to = bi->next()) {
        f(s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
        from = to;
    }
    utext_close(&text);
}

bool has_control(std::string_view s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) return true;
    }
    return false;
}

std::shared_ptr<const re2::RE2> compile_re(const std::string& expr, const std::string& shown,
                                           std::string& error) {
    re2::RE2::Options o;
    o.set_encoding(re2::RE2::Options::EncodingUTF8);
    o.set_case_sensitive(false);
    o.set_log_errors(false);
    o.set_max_mem(kMaxRegexMemory);
    auto re = std::make_shared<re2::RE2>(expr, o);
    if (!re->ok()) {
        const bool tooBig = re->error_code() == re2::RE2::ErrorPatternTooLarge;
        error = "\"" + shown + "\" cannot be used: " +
                (tooBig ? std::string("the pattern is too large") : re->error());
        return nullptr;
    }
    return re;
}

} // namespace

Pattern compile_pattern(std::string_view text) {
    Pattern p;
    if (text.size() > kMaxPatternBytes) {
        p.error =
            "the pattern is too long (at most " + std::to_string(kMaxPatternBytes) + " bytes)";
        return p;
    }
    if (!valid_utf8(text)) {
        p.error = "the pattern is not UTF-8 text";
        return p;
    }
    for (std::string_view word : text_pieces_at_blanks(text)) {
        if (p.words.size() == kMaxPhraseWords) {
            p.error = "a phrase holds at most " + std::to_string(kMaxPhraseWords) + " words";
            return p;
        }
        PatternWord w;
        w.text = std::string(word);
        if (word.size() > 3 && word.substr(0, 3) == "re:") {
            w.re = compile_re(std::string(word.substr(3)), w.text, p.error);
            if (!w.re) return p;
        } else if (word.find_first_of("*?") != std::string_view::npos) {
            // The wildcards over the folded word's characters, each followed
            // by the mark in the form it is matched against: "?" is a run of
            // code points up to a mark, every other character itself.
            const std::string folded = fold_text(word);
            const std::string mark = "\\x{FDD0}";
            const std::string one = "[^" + mark + "]+" + mark;
            std::string expr;
            bool star = false; // a run of stars is one star
            for_each_character(folded, [&](std::string_view c) {
                if (c == "*" && star) return;
                star = c == "*";
                if (c == "*") {
                    expr += "(?:" + one + ")*";
                } else if (c == "?") {
                    expr += one;
                } else {
                    expr += re2::RE2::QuoteMeta(re2::StringPiece(c.data(), c.size())) + mark;
                }
            });
            w.re = compile_re(expr, w.text, p.error);
            if (!w.re) return p;
            w.clusters = true;
        } else {
            w.folded = fold_text(word);
        }
        p.words.push_back(std::move(w));
    }
    if (p.words.empty()) p.error = "the pattern is empty";
    return p;
}

Pattern literal_pattern(std::string_view text) {
    Pattern p;
    if (text.size() > kMaxPatternBytes || !valid_utf8(text)) {
        p.error =
            text.size() > kMaxPatternBytes ? "the form is too long" : "the form is not UTF-8 text";
        return p;
    }
    for (std::string_view word : text_pieces_at_blanks(text)) {
        if (p.words.size() == kMaxPhraseWords) {
            p.error = "a phrase holds at most " + std::to_string(kMaxPhraseWords) + " words";
            return p;
        }
        p.words.push_back({std::string(word), fold_text(word), nullptr});
    }
    if (p.words.empty()) p.error = "the form is empty";
    return p;
}

std::vector<std::string_view> text_pieces_at_blanks(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || has_control(text.substr(i, 1)))) ++i;
        const std::size_t from = i;
        while (i < text.size() && text[i] != ' ' && !has_control(text.substr(i, 1))) ++i;
        if (i > from) out.push_back(text.substr(from, i - from));
    }
    return out;
}

std::string marked_characters(std::string_view s) {
    std::string out;
    out.reserve(s.size() * 4);
    for_each_character(s, [&](std::string_view c) {
        out += c;
        out += kCharacterMark;
    });
    return out;
}

bool Pattern::matches(std::size_t w, std::string_view foldedForm) const {
    const PatternWord& word = words[w];
    if (!word.re) return foldedForm == word.folded;
    if (word.clusters) {
        const std::string marked = marked_characters(foldedForm);
        return re2::RE2::FullMatch(marked, *word.re);
    }
    return re2::RE2::FullMatch(re2::StringPiece(foldedForm.data(), foldedForm.size()), *word.re);
}

std::vector<std::uint32_t> matching_forms(const FormIndex& index, const Pattern& pattern,
                                          std::size_t w) {
    std::vector<std::uint32_t> out;
    if (!pattern.words[w].re) {
        const long long f = index.find(pattern.words[w].folded);
        if (f >= 0) out.push_back(static_cast<std::uint32_t>(f));
        return out;
    }
    for (std::uint32_t f = 0; f < index.formCount(); ++f) {
        if (pattern.matches(w, index.folded(f))) out.push_back(f);
    }
    return out;
}

std::vector<PatternHit> find_hits(const FormIndex& index, const Pattern& pattern,
                                  const std::vector<char>& inScope,
                                  const std::vector<char>& inTexts) {
    std::vector<PatternHit> hits;
    if (!pattern.ok()) return hits;
    const std::size_t words = pattern.words.size();
    // Per word, which forms it matches; the phrase is found from the places of
    // its rarest word.
    std::vector<std::vector<char>> matches(words, std::vector<char>(index.formCount(), 0));
    std::vector<std::vector<std::uint32_t>> forms(words);
    std::size_t anchor = 0;
    std::uint64_t fewest = UINT64_MAX;
    for (std::size_t w = 0; w < words; ++w) {
        forms[w] = matching_forms(index, pattern, w);
        std::uint64_t places = 0;
        for (const std::uint32_t f : forms[w]) {
            matches[w][f] = 1;
            places += index.total(f).count;
        }
        if (places < fewest) {
            fewest = places;
            anchor = w;
        }
    }
    if (fewest == 0) return hits;
    std::vector<std::uint32_t> starts;
    starts.reserve(fewest);
    for (const std::uint32_t f : forms[anchor]) {
        for (const std::uint32_t p : index.occurrences(f)) {
            if (p >= anchor) starts.push_back(p - static_cast<std::uint32_t>(anchor));
        }
    }
    if (forms[anchor].size() > 1) std::sort(starts.begin(), starts.end());
    hits.reserve(starts.size());
    // The starts ascend, and so do their texts.
    std::size_t t = 0;
    const std::size_t texts = index.textCount();
    for (const std::uint32_t s : starts) {
        while (t + 1 < texts && index.firstPiece(t + 1) <= s + anchor) ++t;
        if (s < index.firstPiece(t) || s + words > index.firstPiece(t + 1)) continue;
        if (!inScope.empty()) {
            const std::int32_t a = index.textAuthor(t);
            if (!inScope[a < 0 ? index.noAuthor() : static_cast<std::size_t>(a)]) continue;
        }
        if (!inTexts.empty() && (t >= inTexts.size() || !inTexts[t])) continue;
        bool all = true;
        // The anchor's piece matches already.
        for (std::size_t w = 0; w < words && all; ++w) {
            all = w == anchor || matches[w][index.pieceForm(s + w)] != 0;
        }
        if (all) {
            hits.push_back({static_cast<std::uint32_t>(t), s, static_cast<std::uint32_t>(words)});
        }
    }
    return hits;
}

std::vector<PatternMatch> group_hits(const FormIndex& index, const std::vector<PatternHit>& hits) {
    struct Seen {
        PatternMatch match;
        std::uint32_t lastText = UINT32_MAX;
        std::vector<std::int32_t> authors;
    };
    std::map<std::vector<std::uint32_t>, Seen> bySequence;
    std::vector<std::uint32_t> key;
    for (const PatternHit& h : hits) {
        key.clear();
        for (std::uint32_t i = 0; i < h.length; ++i) key.push_back(index.pieceForm(h.first + i));
        Seen& s = bySequence[key];
        ++s.match.count;
        if (s.lastText != h.text) {
            s.lastText = h.text;
            ++s.match.texts;
            const std::int32_t a = index.textAuthor(h.text);
            if (a >= 0) s.authors.push_back(a);
        }
    }
    std::vector<PatternMatch> out;
    std::vector<std::string> shown;
    for (auto& [forms, s] : bySequence) {
        std::sort(s.authors.begin(), s.authors.end());
        s.match.authors = static_cast<std::uint32_t>(
            std::unique(s.authors.begin(), s.authors.end()) - s.authors.begin());
        s.match.forms = forms;
        out.push_back(std::move(s.match));
    }
    for (const PatternMatch& m : out) shown.push_back(shown_match(index, m.forms));
    std::vector<std::size_t> order(out.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (out[a].count != out[b].count) return out[a].count > out[b].count;
        return shown[a] < shown[b];
    });
    std::vector<PatternMatch> sorted;
    sorted.reserve(out.size());
    for (const std::size_t i : order) sorted.push_back(std::move(out[i]));
    return sorted;
}

std::string shown_match(const FormIndex& index, const std::vector<std::uint32_t>& forms) {
    std::string s;
    for (const std::uint32_t f : forms) s += (s.empty() ? "" : " ") + index.shown(f);
    return s;
}

} // namespace zapt
