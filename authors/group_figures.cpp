#include "authors/group_figures.h"

#include "corpus/numbers.h"

#include <charconv>
#include <cmath>

namespace zapt {
namespace {

// A running sum as the group's run holds it, written with up to 15
// significant digits and read back: read_decimal(format_full(x)), without
// writing it out in plain form. The 15 digits read as a scientific number
// are the same decimal, so they give the same double.
double held_sum(double x) {
    if (!std::isfinite(x) || x == 0) return 0.0;
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14).ptr;
    double v = 0.0;
    std::from_chars(buf, end, v);
    return v;
}

} // namespace

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

GroupFigures group_figures(const AuthorIndex& index, const AgeBands& bands, AgeBand band,
                           Gender gender) {
    return group_figures(index.groupEntries(bands, band, gender));
}

GroupFigures group_figures(const std::vector<const AuthorEntry*>& entries) {
    GroupFigures g;
    g.authors.reserve(entries.size());
    g.values.reserve(entries.size());
    // The group's sums, held and read back as the group's run holds them: a
    // running sum in full precision, an author's caption by its leading number.
    std::array<double, 6> sums{};
    for (const AuthorEntry* a : entries) {
        g.authors.push_back(author_captions(a));
        const AuthorCaptions& c = g.authors.back();
        std::array<double, 6>& v = g.values.emplace_back();
        for (std::size_t k = 0; k < 6; ++k) {
            v[k] = read_leading_number(c[k]);
            sums[k] = held_sum(sums[k] + v[k]);
        }
    }
    const auto m = static_cast<double>(entries.size());
    g.group[0] = format_full(sums[0]);
    for (std::size_t k = 1; k < 6; ++k)
        g.group[k] = entries.empty() ? "0" : format_4dec(sums[k] / m);
    return g;
}

} // namespace zapt
