#include "explore/concordance.h"

#include "corpus/text.h"

#include <algorithm>

namespace zapt {

LineSpan line_span(std::size_t pieces, std::size_t before, std::size_t length, int context) {
    LineSpan s;
    const std::size_t half = pieces / 2;
    if (length == 0 || length > half || before + length > pieces) return s;
    const auto n = static_cast<std::size_t>(std::clamp(context, kMinContext, kMaxContext));
    s.left = std::min(n, before);
    s.right = std::min(n, pieces - before - length);
    while (s.left + length + s.right > half) {
        if (s.right >= s.left) {
            --s.right;
        } else {
            --s.left;
        }
    }
    s.shown = true;
    return s;
}

Concordance concordance(const FormIndex& index, const Pattern& pattern, int context,
                        const std::vector<char>& inScope) {
    Concordance c;
    if (!pattern.ok()) {
        c.error = pattern.error.empty() ? "the pattern is empty" : pattern.error;
        return c;
    }
    const std::vector<PatternHit> hits = find_hits(index, pattern, inScope);
    c.hits = hits.size();
    std::size_t lastText = SIZE_MAX;
    std::vector<std::string_view> spelled;
    for (const PatternHit& h : hits) {
        const std::size_t from = index.firstPiece(h.text);
        const std::size_t pieces = index.firstPiece(h.text + 1) - from;
        const LineSpan span = line_span(pieces, h.first - from, h.length, context);
        if (!span.shown) {
            ++c.hidden;
            continue;
        }
        if (lastText != h.text) {
            spelled = index.spelled(h.text);
            lastText = h.text;
        }
        ConcordanceLine line;
        line.text = h.text;
        line.first = h.first;
        const std::int32_t a = index.textAuthor(h.text);
        if (a >= 0) line.code = index.authorCode(static_cast<std::size_t>(a));
        const std::size_t at = h.first - from;
        for (std::size_t i = at - span.left; i < at; ++i) line.left.emplace_back(spelled[i]);
        for (std::size_t i = at; i < at + h.length; ++i) line.hit.emplace_back(spelled[i]);
        for (std::size_t i = at + h.length; i < at + h.length + span.right; ++i)
            line.right.emplace_back(spelled[i]);
        c.lines.push_back(std::move(line));
    }
    return c;
}

void sort_lines(std::vector<ConcordanceLine>& lines, ConcordanceSort by) {
    if (by == ConcordanceSort::Corpus) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        return;
    }
    // The key: the side's words folded, nearest the hit first.
    std::vector<std::pair<std::vector<std::string>, std::size_t>> keys(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& side = by == ConcordanceSort::Left ? lines[i].left : lines[i].right;
        for (std::size_t j = 0; j < side.size(); ++j) {
            const std::string& w =
                by == ConcordanceSort::Left ? side[side.size() - 1 - j] : side[j];
            keys[i].first.push_back(fold_text(w));
        }
        keys[i].second = i;
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& x, const auto& y) {
        if (x.first != y.first) return x.first < y.first;
        return lines[x.second].first < lines[y.second].first;
    });
    std::vector<ConcordanceLine> sorted;
    sorted.reserve(lines.size());
    for (auto& k : keys) sorted.push_back(std::move(lines[k.second]));
    lines = std::move(sorted);
}

} // namespace zapt
