// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 13-month running mean of monthly values (the smoothing of sunspot indices): the centred
// mean over 13 months with half weight on the two end months, i.e. the weighted sum
//   v(c - 6) + 2 (v(c - 5) + ... + v(c + 5)) + v(c + 6)
// divided by 24. Kept as the weighted sum and the weight of the months that have a value, so
// that each caller divides in its own precision and scale.
//
// A month without a value (no observation) is missing, never a zero: with one month of the
// window missing the others keep their weights and the sum is divided by what they weigh (23 or
// 22); with more missing the window has no mean.
#include <cstdint>
#include <optional>
#include <type_traits>

namespace ardeno {

inline constexpr int kRunningMeanHalfWidth = 6;  // months on each side of the centre
inline constexpr int kRunningMeanWeight = 24;    // sum of the weights
inline constexpr int kRunningMeanMissingAllowed = 1;

template <class T>
struct WeightedMonths {
  T Sum{};
  int Weight = 0;  // kRunningMeanWeight when no month of the window is missing
};

// Weighted sum around month `centre`, with valueAt(m) the value of month m as an optional
// (empty: the month has no value); nothing unless all 13 months lie within [first, last] and at
// most one of them is missing.
template <class ValueAt>
auto ThirteenMonthWeightedSum(int centre, int first, int last, ValueAt valueAt) -> std::optional<
    WeightedMonths<typename std::remove_cvref_t<decltype(valueAt(centre))>::value_type>> {
  using Value = typename std::remove_cvref_t<decltype(valueAt(centre))>::value_type;
  if (centre - kRunningMeanHalfWidth < first || centre + kRunningMeanHalfWidth > last)
    return std::nullopt;
  WeightedMonths<Value> result;
  int missing = 0;
  for (int m = centre - kRunningMeanHalfWidth; m <= centre + kRunningMeanHalfWidth; ++m) {
    const auto value = valueAt(m);
    if (!value) {
      if (++missing > kRunningMeanMissingAllowed) return std::nullopt;
      continue;
    }
    const int weight =
        m == centre - kRunningMeanHalfWidth || m == centre + kRunningMeanHalfWidth ? 1 : 2;
    result.Sum += static_cast<Value>(weight) * *value;
    result.Weight += weight;
  }
  return result;
}

}  // namespace ardeno
