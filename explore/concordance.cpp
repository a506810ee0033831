#include "explore/concordance.h"

#include "explore/word_list.h"

#include <algorithm>
#include <map>

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
                        const std::vector<char>& inScope, const std::vector<char>& texts) {
    Concordance c;
    if (!pattern.ok()) {
        c.error = pattern.error.empty() ? "the pattern is empty" : pattern.error;
        return c;
    }
    const std::vector<PatternHit> hits = find_hits(index, pattern, inScope, texts);
    if (!texts.empty()) {
        Scope scope{
            inScope.empty() ? std::vector<char>(index.authorCount() + 1, 1) : inScope, {}, {}};
        c.texts = chosen_texts(index, texts_scope(index, std::move(scope), texts));
    }
    c.hits = hits.size();
    c.bucketHits.assign(index.authorCount() + 1, 0);
    for (const PatternHit& h : hits) {
        const std::int32_t a = index.textAuthor(h.text);
        ++c.bucketHits[a < 0 ? index.noAuthor() : static_cast<std::size_t>(a)];
    }
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
    const bool left =
        by == ConcordanceSort::Left || by == ConcordanceSort::Left1 || by == ConcordanceSort::Left2;
    // The side's i-th word from the hit (0 the nearest), as the place of its
    // folded form in sorted order.
    auto key = [&](const ConcordanceLine& l, std::uint32_t i) {
        const std::uint32_t p = left ? l.first - 1 - i : l.first + l.length + i;
        return index.formRank(index.pieceForm(p));
    };
    auto shown = [&](const ConcordanceLine& l) { return left ? l.left : l.right; };
    if (by == ConcordanceSort::Left || by == ConcordanceSort::Right) {
        // The side's forms nearest the hit first; a shorter side that agrees
        // as far as it goes comes first.
        std::sort(lines.begin(), lines.end(),
                  [&](const ConcordanceLine& x, const ConcordanceLine& y) {
                      const std::uint32_t nx = shown(x), ny = shown(y);
                      for (std::uint32_t i = 0; i < nx && i < ny; ++i) {
                          const std::uint32_t a = key(x, i), b = key(y, i);
                          if (a != b) return a < b;
                      }
                      if (nx != ny) return nx < ny;
                      return x.first < y.first;
                  });
        return;
    }
    // One word: a line that does not show it first.
    const std::uint32_t i = by == ConcordanceSort::Left2 || by == ConcordanceSort::Right2 ? 1 : 0;
    auto word = [&](const ConcordanceLine& l) -> long long {
        return shown(l) > i ? static_cast<long long>(key(l, i)) : -1;
    };
    std::sort(lines.begin(), lines.end(), [&](const ConcordanceLine& x, const ConcordanceLine& y) {
        const long long a = word(x), b = word(y);
        if (a != b) return a < b;
        return x.first < y.first;
    });
}

namespace {

struct SortName {
    ConcordanceSort sort;
    const char* name;
    const char* caption;
};
constexpr SortName kSorts[] = {
    {ConcordanceSort::Corpus, "corpus", "corpus order"},
    {ConcordanceSort::Left, "left", "by the words left of the hit, nearest first"},
    {ConcordanceSort::Right, "right", "by the words right of the hit"},
    {ConcordanceSort::Left1, "left1", "by the first word left of the hit, then corpus order"},
    {ConcordanceSort::Left2, "left2", "by the second word left of the hit, then corpus order"},
    {ConcordanceSort::Right1, "right1", "by the first word right of the hit, then corpus order"},
    {ConcordanceSort::Right2, "right2", "by the second word right of the hit, then corpus order"},
};

} // namespace

const char* sort_name(ConcordanceSort by) {
    for (const SortName& s : kSorts)
        if (s.sort == by) return s.name;
    return "corpus";
}

std::optional<ConcordanceSort> parse_sort(std::string_view name) {
    for (const SortName& s : kSorts)
        if (name == s.name) return s.sort;
    return std::nullopt;
}

std::string sort_caption(ConcordanceSort by) {
    for (const SortName& s : kSorts)
        if (s.sort == by) return s.caption;
    return "corpus order";
}

// ---- The authors' groups beside the lines

const std::string& LineFields::value(std::int32_t row, std::size_t c) const {
    static const std::string none;
    if (row < 0 || static_cast<std::size_t>(row) >= values.size()) return none;
    return values[static_cast<std::size_t>(row)][c];
}

LineFields line_fields(const std::vector<GroupField>& chosen, const AuthorFields& fields) {
    LineFields out;
    out.fields = chosen;
    const std::size_t n = fields.size();
    out.values.assign(n, std::vector<std::string>(chosen.size()));
    out.places.assign(n, std::vector<std::uint32_t>(chosen.size(), LineFields::kNoValue));
    const std::vector<char> everyone(n, 1);
    for (std::size_t c = 0; c < chosen.size(); ++c) {
        out.columns.push_back(chosen[c].name);
        // One field alone groups the authors by its values, in their order.
        const Grouping g = group_authors(GroupBy{{chosen[c]}}, fields, everyone);
        for (std::size_t k = 0; k < g.rows.size(); ++k) {
            for (const std::size_t row : g.rows[k]) {
                out.values[row][c] = g.labels[k][0];
                out.places[row][c] = static_cast<std::uint32_t>(k);
            }
        }
    }
    return out;
}

std::optional<LineFields> line_fields(std::string_view names, const AuthorFields& fields,
                                      std::string* error) {
    std::vector<GroupField> chosen;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = names.find(',', from);
        const std::string_view part =
            names.substr(from, comma == std::string_view::npos ? comma : comma - from);
        std::optional<GroupBy> one = parse_group_by(part, fields, error);
        if (!one) return std::nullopt;
        // "age" alone is the age band.
        const GroupField f = one->fields.empty() ? GroupField{} : one->fields[0];
        for (const GroupField& seen : chosen) {
            if (seen == f) {
                if (error) *error = "\"" + f.name + "\" is named twice";
                return std::nullopt;
            }
        }
        chosen.push_back(f);
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    return line_fields(chosen, fields);
}

std::vector<GroupTally> tally_hits(const Concordance& c, const LineFields& fields) {
    const std::size_t n = fields.fields.size();
    const std::size_t rows = c.bucketHits.empty() ? 0 : c.bucketHits.size() - 1;
    // Per group (the places of its values), its tally.
    std::map<std::vector<std::uint32_t>, GroupTally> groups;
    auto group_of = [&](std::int32_t row) -> GroupTally& {
        std::vector<std::uint32_t> key(n, LineFields::kNoValue);
        std::vector<std::string> values(n);
        if (row >= 0 && static_cast<std::size_t>(row) < fields.places.size()) {
            key = fields.places[static_cast<std::size_t>(row)];
            values = fields.values[static_cast<std::size_t>(row)];
        }
        auto [it, fresh] = groups.try_emplace(key);
        if (fresh) it->second.values = std::move(values);
        return it->second;
    };
    for (std::size_t b = 0; b <= rows && b < c.bucketHits.size(); ++b) {
        if (c.bucketHits[b] == 0) continue;
        const auto row = b < rows ? static_cast<std::int32_t>(b) : -1;
        GroupTally& g = group_of(row);
        g.hits += c.bucketHits[b];
        g.authors += row >= 0;
    }
    for (const ConcordanceLine& l : c.lines) ++group_of(l.author).lines;
    std::vector<GroupTally> out;
    out.reserve(groups.size());
    for (auto& [key, tally] : groups) out.push_back(std::move(tally));
    return out;
}

} // namespace zapt
