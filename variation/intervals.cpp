#include "variation/intervals.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

namespace zapt {

std::optional<Interval> wilson_interval(long long successes, long long n, double confidence) {
    if (n <= 0 || successes < 0 || successes > n) return std::nullopt;
    if (!(confidence > 0 && confidence < 1)) return std::nullopt;
    const boost::math::normal standard;
    const double z = boost::math::quantile(standard, 1 - (1 - confidence) / 2);
    const double size = static_cast<double>(n);
    const double p = static_cast<double>(successes) / size;
    const double z2 = z * z;
    const double denominator = 1 + z2 / size;
    const double centre = (p + z2 / (2 * size)) / denominator;
    const double half = z / denominator * std::sqrt(p * (1 - p) / size + z2 / (4 * size * size));
    Interval i;
    // At the ends the formula gives 0 and 1 only up to rounding.
    i.low = successes == 0 ? 0.0 : std::clamp(centre - half, 0.0, p);
    i.high = successes == n ? 1.0 : std::clamp(centre + half, p, 1.0);
    return i;
}

} // namespace zapt
