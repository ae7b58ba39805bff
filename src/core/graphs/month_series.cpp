// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/month_series.h"

#include <algorithm>

#include "core/results/measured_table.h"

namespace ardeno {

Quantity QuantityOf(SmoothedIndex index) {
  return static_cast<Quantity>(static_cast<int>(index) - 1);
}

const MonthlyValues& MonthSeries::Of(SmoothedView view) const {
  switch (view) {
    case SmoothedView::North:
      return North;
    case SmoothedView::South:
      return South;
    default:
      return Total;
  }
}

MonthSeries BuildMonthSeries(const RecordMonths& data, SmoothedIndex index) {
  const Quantity q = QuantityOf(index);
  MonthSeries series;
  int dated = 0;
  for (const RecordMonth& month : data.Months) dated += month.Totals.Records;
  series.SkippedRecords = data.RecordCount - dated;
  if (data.Months.empty()) return series;
  series.FirstYear = data.Span.FirstYear;
  // Month numbers count from January of the first year; rows from the first record's month.
  const int rowOffset = data.Span.FirstMonth - 1;
  // Records are kept in date order; should they not be, the rows still bound the series.
  const auto [lowest, highest] =
      std::minmax_element(data.Months.begin(), data.Months.end(),
                          [](const RecordMonth& a, const RecordMonth& b) { return a.Row < b.Row; });
  series.FirstMonth = lowest->Row + rowOffset;
  const int last = highest->Row + rowOffset;
  const std::size_t count = static_cast<std::size_t>(last - series.FirstMonth + 1);
  series.Total.assign(count, std::nullopt);
  series.North.assign(count, std::nullopt);
  series.South.assign(count, std::nullopt);
  for (const RecordMonth& month : data.Months) {
    const MonthTotals& totals = month.Totals;
    if (totals.Records == 0) continue;
    const auto i = static_cast<std::size_t>(month.Row + rowOffset - series.FirstMonth);
    series.Total[i] = MeasuredMean(totals, q, Hemisphere::Whole);
    series.North[i] = MeasuredMean(totals, q, Hemisphere::North);
    series.South[i] = MeasuredMean(totals, q, Hemisphere::South);
    ++series.ObservedMonths;
  }
  return series;
}

}  // namespace ardeno
