// Confidence intervals of a proportion: how far a share seen in a group may
// lie from the group's true share. A share from 3 tokens and one from 463 may
// read the same; their intervals do not.
#pragma once

#include <optional>

namespace zapt {

struct Interval {
    double low = 0;
    double high = 0;
};

// The confidence level of every interval the program shows.
inline constexpr double kIntervalConfidence = 0.95;

// The Wilson score interval (without continuity correction) of the proportion
// `successes` / `n` at `confidence`:
//   centre = (p + z²/2n) / (1 + z²/n),
//   half   = z / (1 + z²/n) × sqrt(p(1 - p)/n + z²/4n²),
// with p = successes / n and z the standard normal quantile at
// 1 - (1 - confidence)/2 (1.95996 for 95 %). The interval stays within [0, 1]
// and holds p; its low end is exactly 0 when successes = 0 and its high end
// exactly 1 when successes = n. Nothing when n is 0 (no share to bound) or
// successes lies outside 0..n.
std::optional<Interval> wilson_interval(long long successes, long long n,
                                        double confidence = kIntervalConfidence);

} // namespace zapt
