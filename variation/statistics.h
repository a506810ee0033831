// The significance tests of the group comparisons: chi-square and
// log-likelihood (G²) on a contingency table, and Kruskal-Wallis on samples.
// The p-values come from the chi-square distribution of Boost.Math.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zapt {

struct TestResult {
    std::string name;                // e.g. "chi-square"
    std::optional<double> statistic; // none when the test cannot be computed
    int df = 0;                      // degrees of freedom
    std::optional<double> p;         // none when there is no p-value
    std::string note;                // why there is no p-value, or a caution
};

// The upper tail of the chi-square distribution with `df` degrees of
// freedom at `x` (df >= 1, x >= 0).
double chi_square_upper_tail(double x, int df);

// Pearson's chi-square and the log-likelihood ratio G² = 2 Σ O ln(O/E) for a
// table of counts (rows of equal length). Rows and columns whose total is 0
// are left out first; with fewer than two rows or columns left there are no
// degrees of freedom and no p-value, and the note says why.
TestResult chi_square_test(const std::vector<std::vector<double>>& table);
TestResult g_test(const std::vector<std::vector<double>>& table);

// Kruskal-Wallis H on k samples, ranks averaged over ties and H divided by the
// tie correction 1 - Σ(t³ - t)/(N³ - N); the p-value is the chi-square
// approximation with k - 1 degrees of freedom. Empty samples are left out.
TestResult kruskal_wallis(const std::vector<std::vector<double>>& samples);

// A p-value or statistic with four significant digits ("0.04311", "1.2e-07").
std::string format_significant(double value);

} // namespace zapt
