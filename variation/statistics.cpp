#include "variation/statistics.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

namespace zapt {
namespace {

// The table without its empty rows and columns.
std::vector<std::vector<double>> without_empty_lines(const std::vector<std::vector<double>>& t) {
    const std::size_t cols = t.empty() ? 0 : t.front().size();
    std::vector<double> col_total(cols, 0.0);
    for (const auto& row : t) {
        for (std::size_t c = 0; c < cols && c < row.size(); ++c) col_total[c] += row[c];
    }
    std::vector<std::vector<double>> out;
    for (const auto& row : t) {
        double total = 0;
        std::vector<double> kept;
        for (std::size_t c = 0; c < cols; ++c) {
            if (col_total[c] <= 0) continue;
            double v = c < row.size() ? row[c] : 0.0;
            kept.push_back(v);
            total += v;
        }
        if (total > 0) out.push_back(std::move(kept));
    }
    return out;
}

// Shared by both table tests: `term(O, E)` is summed over the cells.
template <class Term>
TestResult table_test(std::string name, const std::vector<std::vector<double>>& table, Term term) {
    TestResult r;
    r.name = std::move(name);
    const auto t = without_empty_lines(table);
    const std::size_t rows = t.size();
    const std::size_t cols = rows ? t.front().size() : 0;
    if (rows < 2 || cols < 2) {
        r.note = rows == 0  ? "no occurrences: nothing to test"
                 : rows < 2 ? "only one group has occurrences: no degrees of freedom"
                            : "only one form occurs: no degrees of freedom";
        return r;
    }
    std::vector<double> row_total(rows, 0.0), col_total(cols, 0.0);
    double n = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        for (std::size_t j = 0; j < cols; ++j) {
            row_total[i] += t[i][j];
            col_total[j] += t[i][j];
            n += t[i][j];
        }
    }
    double stat = 0;
    int small = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        for (std::size_t j = 0; j < cols; ++j) {
            const double e = row_total[i] * col_total[j] / n; // > 0: no empty lines are left
            small += e < 5;
            stat += term(t[i][j], e);
        }
    }
    r.statistic = stat;
    r.df = static_cast<int>((rows - 1) * (cols - 1));
    r.p = chi_square_upper_tail(stat, r.df);
    if (small > 0) {
        r.note = std::to_string(small) + " of " + std::to_string(rows * cols) +
                 " expected counts are below 5: the p-value is a rough approximation";
    }
    return r;
}

} // namespace

double chi_square_upper_tail(double x, int df) {
    boost::math::chi_squared dist(df);
    return boost::math::cdf(boost::math::complement(dist, std::max(0.0, x)));
}

TestResult chi_square_test(const std::vector<std::vector<double>>& table) {
    return table_test("chi-square", table,
                      [](double o, double e) { return (o - e) * (o - e) / e; });
}

TestResult g_test(const std::vector<std::vector<double>>& table) {
    return table_test("log-likelihood G2", table,
                      [](double o, double e) { return o > 0 ? 2 * o * std::log(o / e) : 0.0; });
}

TestResult kruskal_wallis(const std::vector<std::vector<double>>& samples) {
    TestResult r;
    r.name = "Kruskal-Wallis";
    struct Value {
        double v;
        std::size_t sample;
    };
    std::vector<Value> all;
    std::size_t k = 0;
    for (std::size_t s = 0; s < samples.size(); ++s) {
        if (samples[s].empty()) continue;
        ++k;
        for (double v : samples[s]) all.push_back({v, s});
    }
    if (k < 2) {
        r.note = "fewer than two groups have writers to compare: no degrees of freedom";
        return r;
    }
    std::sort(all.begin(), all.end(), [](const Value& a, const Value& b) { return a.v < b.v; });
    const double n = static_cast<double>(all.size());
    std::vector<double> rank_sum(samples.size(), 0.0);
    double ties = 0;
    for (std::size_t i = 0; i < all.size();) {
        std::size_t j = i;
        while (j < all.size() && all[j].v == all[i].v) ++j;
        const double t = static_cast<double>(j - i);
        const double mean_rank = (static_cast<double>(i + 1) + static_cast<double>(j)) / 2;
        for (std::size_t m = i; m < j; ++m) rank_sum[all[m].sample] += mean_rank;
        ties += t * t * t - t;
        i = j;
    }
    const double correction = 1 - ties / (n * n * n - n);
    r.df = static_cast<int>(k - 1);
    if (correction <= 0) {
        r.note = "every writer has the same value: nothing to rank";
        return r;
    }
    double h = 0;
    for (std::size_t s = 0; s < samples.size(); ++s) {
        if (!samples[s].empty()) {
            h += rank_sum[s] * rank_sum[s] / static_cast<double>(samples[s].size());
        }
    }
    h = (12 / (n * (n + 1)) * h - 3 * (n + 1)) / correction;
    r.statistic = std::max(0.0, h);
    r.p = chi_square_upper_tail(*r.statistic, r.df);
    return r;
}

std::string format_significant(double value) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 4);
    return std::string(buf, res.ptr);
}

} // namespace zapt
