#pragma once
// The 13-month running mean of monthly values (the smoothing of sunspot indices): the centred
// mean over 13 months with half weight on the two end months, i.e. the weighted sum
//   v(c - 6) + 2 (v(c - 5) + ... + v(c + 5)) + v(c + 6)
// divided by 24. Kept as the integer weighted sum so that each caller divides in its own
// precision and scale.
#include <cstdint>
#include <optional>

namespace ardeno {

inline constexpr int kRunningMeanHalfWidth = 6;  // months on each side of the centre
inline constexpr int kRunningMeanWeight = 24;    // sum of the weights

// Weighted sum around month `centre`, with valueAt(m) the value of month m; nothing unless all
// 13 months lie within [first, last].
template <class ValueAt>
std::optional<std::int64_t> ThirteenMonthWeightedSum(int centre, int first, int last,
                                                     ValueAt valueAt) {
  if (centre - kRunningMeanHalfWidth < first || centre + kRunningMeanHalfWidth > last)
    return std::nullopt;
  std::int64_t sum = static_cast<std::int64_t>(valueAt(centre - kRunningMeanHalfWidth)) +
                     static_cast<std::int64_t>(valueAt(centre + kRunningMeanHalfWidth));
  for (int m = centre - kRunningMeanHalfWidth + 1; m <= centre + kRunningMeanHalfWidth - 1; ++m)
    sum += 2 * static_cast<std::int64_t>(valueAt(m));
  return sum;
}

}  // namespace ardeno
