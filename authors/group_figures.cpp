#include "authors/group_figures.h"

#include "corpus/numbers.h"

namespace zapt {

AuthorCaptions author_captions(const AuthorEntry* a) {
    AuthorCaptions c{"0", "0", "0", "0", "0", "0", "0"};
    const AuthorFigures f = a ? a->figures : AuthorFigures{};
    if (f.n > 0) {
        c[6] = format_whole(f.W);
        c[4] = format_4dec(f.P / static_cast<double>(f.W));
        c[3] = format_full(static_cast<double>(f.length) / f.W);
        c[0] = format_whole(f.n);
        c[1] = format_4dec(static_cast<double>(f.Sw + f.n) / f.n);
        c[2] = format_4dec(static_cast<double>(f.Sc) / f.n);
        c[5] = format_4dec(static_cast<double>(a->uses()) / f.W);
    }
    return c;
}

GroupFigures group_figures(const AuthorIndex& index, AgeBand band, Gender gender) {
    return group_figures(index.groupEntries(band, gender));
}

GroupFigures group_figures(const std::vector<const AuthorEntry*>& entries) {
    GroupFigures g;
    g.authors.reserve(entries.size());
    // The group's sums, held and read back as the group's run holds them: a
    // running sum in full precision, an author's caption by its leading number.
    std::array<std::string, 6> sums{"0", "0", "0", "0", "0", "0"};
    for (const AuthorEntry* a : entries) {
        g.authors.push_back(author_captions(a));
        const AuthorCaptions& c = g.authors.back();
        for (std::size_t k = 0; k < 6; ++k) {
            const double sum = read_decimal(sums[k]).value_or(0.0) + read_leading_number(c[k]);
            sums[k] = format_full(sum);
        }
    }
    const auto m = static_cast<double>(entries.size());
    g.group[0] = sums[0];
    for (std::size_t k = 1; k < 6; ++k)
        g.group[k] = entries.empty() ? "0" : format_4dec(read_decimal(sums[k]).value_or(0.0) / m);
    return g;
}

} // namespace zapt
