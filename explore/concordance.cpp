#include "explore/concordance.h"

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

std::string line_code(const FormIndex& index, const ConcordanceLine& line) {
    return line.author < 0 ? std::string()
                           : index.authorCode(static_cast<std::size_t>(line.author));
}

namespace {

std::vector<std::string> pieces_between(const FormIndex& index, std::uint32_t from,
                                        std::uint32_t to) {
    std::vector<std::string> out;
    for (std::uint32_t p = from; p < to; ++p) out.push_back(index.pieceText(p));
    return out;
}

} // namespace

std::vector<std::string> line_left(const FormIndex& index, const ConcordanceLine& line) {
    return pieces_between(index, line.from(), line.first);
}

std::vector<std::string> line_hit(const FormIndex& index, const ConcordanceLine& line) {
    return pieces_between(index, line.first, line.first + line.length);
}

std::vector<std::string> line_right(const FormIndex& index, const ConcordanceLine& line) {
    return pieces_between(index, line.first + line.length, line.to());
}

std::string joined_pieces(const FormIndex& index, std::uint32_t from, std::uint32_t to) {
    std::string s;
    std::size_t size = to > from ? to - from - 1 : 0;
    for (std::uint32_t p = from; p < to; ++p) size += index.pieceText(p).size();
    s.reserve(size);
    for (std::uint32_t p = from; p < to; ++p) {
        if (p > from) s += ' ';
        s += index.pieceText(p);
    }
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
    c.lines.reserve(hits.size());
    // The pieces of the current text that its lines show so far.
    std::vector<char> shown;
    std::size_t shownCount = 0;
    std::size_t current = SIZE_MAX;
    for (const PatternHit& h : hits) {
        const std::size_t from = index.firstPiece(h.text);
        const std::size_t pieces = index.textLength(h.text);
        LineSpan span = line_span(pieces, h.first - from, h.length, context);
        if (!span.shown) {
            ++c.hidden;
            continue;
        }
        if (current != h.text) {
            current = h.text;
            shown.assign(pieces, 0);
            shownCount = 0;
        }
        const std::size_t at = h.first - from;
        auto added = [&] {
            std::size_t n = 0;
            for (std::size_t i = at - span.left; i < at + h.length + span.right; ++i)
                n += !shown[i];
            return n;
        };
        // The first line of a text is already within half of it.
        std::size_t fresh = shownCount == 0 ? span.left + h.length + span.right : added();
        while (shownCount + fresh > pieces / 2 && span.left + span.right > 0) {
            if (span.right >= span.left) {
                --span.right;
            } else {
                --span.left;
            }
            fresh = added();
        }
        if (shownCount + fresh > pieces / 2) {
            ++c.withheld;
            continue;
        }
        for (std::size_t i = at - span.left; i < at + h.length + span.right; ++i) shown[i] = 1;
        shownCount += fresh;
        ConcordanceLine line;
        line.text = h.text;
        line.first = h.first;
        line.length = h.length;
        line.left = static_cast<std::uint32_t>(span.left);
        line.right = static_cast<std::uint32_t>(span.right);
        line.author = index.textAuthor(h.text);
        c.lines.push_back(line);
    }
    return c;
}

void sort_lines(const FormIndex& index, std::vector<ConcordanceLine>& lines, ConcordanceSort by) {
    auto corpus_order = [](const ConcordanceLine& x, const ConcordanceLine& y) {
        return x.first < y.first;
    };
    if (by == ConcordanceSort::Corpus) {
        if (!std::is_sorted(lines.begin(), lines.end(), corpus_order))
            std::sort(lines.begin(), lines.end(), corpus_order);
        return;
    }
    // The side's forms in sorted order of their folded text, nearest the hit
    // first; a shorter side that agrees as far as it goes comes first.
    auto key = [&](const ConcordanceLine& l, std::uint32_t i) {
        const std::uint32_t p =
            by == ConcordanceSort::Left ? l.first - 1 - i : l.first + l.length + i;
        return index.formRank(index.pieceForm(p));
    };
    std::sort(lines.begin(), lines.end(), [&](const ConcordanceLine& x, const ConcordanceLine& y) {
        const std::uint32_t nx = by == ConcordanceSort::Left ? x.left : x.right;
        const std::uint32_t ny = by == ConcordanceSort::Left ? y.left : y.right;
        for (std::uint32_t i = 0; i < nx && i < ny; ++i) {
            const std::uint32_t a = key(x, i), b = key(y, i);
            if (a != b) return a < b;
        }
        if (nx != ny) return nx < ny;
        return x.first < y.first;
    });
}

} // namespace zapt
