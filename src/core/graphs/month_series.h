#pragma once
// The monthly means of one index as the smoothed graphs draw them: per calendar month the
// month's sums (with the special-record rule of the monthly statistics) over all its records,
// scaled by 8 and truncated; a month without records between two observed months gets values
// interpolated on the straight line between them. Built from the months of the monthly
// statistics, once per selection or change of the data.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/data/database.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/month_walk.h"

namespace ardeno {

inline constexpr int kMonthMeanScale = 8;

struct MonthSeries {
  int FirstYear = 0;   // year of the first record with a date
  int FirstMonth = 0;  // month number of entry 0: (year - FirstYear) x 12 + month
  int ObservedMonths = 0;
  int SkippedRecords = 0;  // records whose date does not parse
  // Entry i is month number FirstMonth + i, from the first to the last observed month.
  std::vector<int> Total;
  std::vector<int> North;
  std::vector<int> South;

  int Count() const { return static_cast<int>(Total.size()); }
  // Year of the last entry.
  int LastYear() const { return FirstYear + (FirstMonth + Count() - 2) / 12; }
  const std::vector<int>& Of(SmoothedView view) const;
};

MonthSeries BuildMonthSeries(const RecordMonths& data, SmoothedIndex index);

// The quantity of the monthly statistics an index reads.
Quantity QuantityOf(SmoothedIndex index);

// The 13-month weighted sum (24 x the running mean) of entry i; nothing for the first and the
// last six entries, so a series shorter than 13 months has no smoothed value at all.
std::optional<std::int64_t> SmoothedSum(const std::vector<int>& values, int i);

}  // namespace ardeno
