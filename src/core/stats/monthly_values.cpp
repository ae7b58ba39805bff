// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/monthly_values.h"

#include "core/stats/thirteen_month_mean.h"

namespace ardeno {

std::optional<double> SmoothedMean(const MonthlyValues& values, int i) {
  const auto sum = ThirteenMonthWeightedSum(i, 0, static_cast<int>(values.size()) - 1, [&](int m) {
    return values[static_cast<std::size_t>(m)];
  });
  if (!sum) return std::nullopt;
  return sum->Sum / sum->Weight;
}

}  // namespace ardeno
