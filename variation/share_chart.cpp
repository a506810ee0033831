#include "variation/share_chart.h"

#include "corpus/numbers.h"

#include <algorithm>
#include <charconv>

namespace zapt {
namespace {

std::string shortest(std::optional<double> v) {
    if (!v) return {};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, *v);
    return std::string(buf, res.ptr);
}

} // namespace

std::optional<ShareChart> share_chart(const Comparison& c, std::size_t form) {
    if (form >= c.forms.forms.size()) return std::nullopt;
    ShareChart chart;
    chart.form = c.forms.forms[form];
    chart.family = c.forms.caption.empty() ? c.forms.name : c.forms.caption;
    chart.groupColumns = c.groupColumns;
    chart.grouping = c.grouping;
    chart.privacyThreshold = c.privacyThreshold;
    chart.forms = static_cast<int>(c.forms.forms.size());
    for (const GroupRow& row : c.rows) {
        ShareBar bar;
        bar.all = row.group.all;
        if (bar.all) {
            bar.labels.assign(c.groupColumns.size(), "all");
            bar.label = "all";
        } else {
            bar.labels = row.labels.empty()
                             ? std::vector<std::string>{band_label(AgeBands(), row.group),
                                                        gender_label(row.group)}
                             : row.labels;
            for (const std::string& v : bar.labels)
                bar.label += (bar.label.empty() ? "" : " · ") + v;
        }
        const FormCell& cell = row.cells[form];
        bar.n = row.familyCount;
        bar.count = cell.count;
        bar.share = cell.share;
        bar.interval = cell.interval;
        bar.authors = row.authors;
        bar.authorsUsing = cell.authorsUsing;
        // The same rule as the spread: shown only where enough authors use the
        // form; a form nobody uses has nothing to spread.
        bar.dotsWithheld = cell.spread == SpreadStatus::Withheld;
        if (cell.spread == SpreadStatus::Shown) {
            for (const AuthorUse& a : row.authorUses) {
                if (a.uses <= 0) continue;
                bar.dots.push_back({a.code, static_cast<double>(a.counts[form]) / a.uses, a.uses});
            }
            std::sort(bar.dots.begin(), bar.dots.end(), [](const ShareDot& x, const ShareDot& y) {
                if (x.share != y.share) return x.share < y.share;
                if (x.uses != y.uses) return x.uses > y.uses;
                return x.code < y.code;
            });
        }
        chart.bars.push_back(std::move(bar));
    }
    return chart;
}

ResultTable share_chart_table(const ShareChart& chart) {
    ResultTable t;
    t.title = "Share of " + chart.form + " by group: " + chart.family;
    t.columns = chart.groupColumns;
    for (const char* col : {"form", "count", "n", "share", "ci_low", "ci_high", "authors_using",
                            "authors", "authors_shown"})
        t.columns.push_back(col);
    for (const ShareBar& b : chart.bars) {
        std::vector<std::string> row = b.labels;
        const std::optional<double> low =
            b.interval ? std::optional<double>(b.interval->low) : std::nullopt;
        const std::optional<double> high =
            b.interval ? std::optional<double>(b.interval->high) : std::nullopt;
        for (std::string v :
             {chart.form, format_whole(b.count), format_whole(b.n), shortest(b.share),
              shortest(low), shortest(high), format_whole(b.authorsUsing), format_whole(b.authors),
              format_whole(static_cast<long long>(b.dots.size()))})
            row.push_back(std::move(v));
        t.rows.push_back(std::move(row));
    }
    t.settings = {
        {"form", chart.form},
        {"family", chart.family},
        {"groups", chart.grouping},
        {"count", "the form's occurrences in the group text (all: in the cleaned corpus text)"},
        {"n", "the family's count in the group: the sum of the counts of its distinct forms"},
        {"share", "count / n; empty when n is 0"},
        {"ci_low, ci_high",
         "the 95 % Wilson score interval of the share (without continuity correction)"},
        {"dots", "one per author of the group who uses a form of the family: the author's count "
                 "of the form / the author's count of the family, sized by the latter"},
        {"privacy threshold",
         format_whole(chart.privacyThreshold) +
             " authors: a group where fewer use the form withholds its authors' dots"},
    };
    return t;
}

} // namespace zapt
