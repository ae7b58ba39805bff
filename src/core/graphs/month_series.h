// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly means of one index as the smoothed graphs draw them: per calendar month exactly the
// mean the results window's measured monthly table shows (MeasuredMean: a record is either in a
// value's sum and divisor or in neither), from the first to the last month with records. A month
// without records, or without a record that counts for the value, has none: the monthly curve
// has a gap there and the smoothing leaves it out. Built once per selection or change of the data.
#include <optional>
#include <vector>

#include "core/data/database.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/month_walk.h"
#include "core/stats/monthly_values.h"

namespace ardeno {

struct MonthSeries {
  int FirstYear = 0;   // year of the first record with a date
  int FirstMonth = 0;  // month number of entry 0: (year - FirstYear) x 12 + month
  int ObservedMonths = 0;
  int SkippedRecords = 0;  // records whose date does not parse
  // Entry i is month number FirstMonth + i, from the first to the last observed month.
  MonthlyValues Total;
  MonthlyValues North;
  MonthlyValues South;

  int Count() const { return static_cast<int>(Total.size()); }
  // Year of the last entry.
  int LastYear() const { return FirstYear + (FirstMonth + Count() - 2) / 12; }
  const MonthlyValues& Of(SmoothedView view) const;
};

MonthSeries BuildMonthSeries(const RecordMonths& data, SmoothedIndex index);

// The quantity of the monthly statistics an index reads.
Quantity QuantityOf(SmoothedIndex index);

}  // namespace ardeno
