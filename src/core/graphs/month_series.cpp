#include "core/graphs/month_series.h"

#include <algorithm>

#include "core/stats/thirteen_month_mean.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

int Mean(std::int64_t sum, int records) {
  return static_cast<int>(sum * kMonthMeanScale / records);
}

// Fills entries strictly between two observed entries a < b on the straight line.
void Interpolate(std::vector<int>& values, int a, int b) {
  for (int i = a + 1; i < b; ++i) {
    const double t = static_cast<double>(i - a) / (b - a);
    values[static_cast<std::size_t>(i)] = static_cast<int>(
        Round(values[static_cast<std::size_t>(a)] +
              t * (values[static_cast<std::size_t>(b)] - values[static_cast<std::size_t>(a)])));
  }
}

}  // namespace

Quantity QuantityOf(SmoothedIndex index) {
  return static_cast<Quantity>(static_cast<int>(index) - 1);
}

const std::vector<int>& MonthSeries::Of(SmoothedView view) const {
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
  series.Total.assign(count, 0);
  series.North.assign(count, 0);
  series.South.assign(count, 0);
  int previous = -1;
  for (const RecordMonth& month : data.Months) {
    const MonthTotals& totals = month.Totals;
    if (totals.Records == 0) continue;
    const int at = month.Row + rowOffset - series.FirstMonth;
    const std::size_t i = static_cast<std::size_t>(at);
    series.Total[i] = Mean(totals.Sum(q, Hemisphere::Whole), totals.Records);
    series.North[i] = Mean(totals.Sum(q, Hemisphere::North), totals.Records);
    series.South[i] = Mean(totals.Sum(q, Hemisphere::South), totals.Records);
    ++series.ObservedMonths;
    if (previous >= 0 && at - previous > 1) {
      Interpolate(series.Total, previous, at);
      Interpolate(series.North, previous, at);
      Interpolate(series.South, previous, at);
    }
    previous = at;
  }
  return series;
}

std::optional<std::int64_t> SmoothedSum(const std::vector<int>& values, int i) {
  return ThirteenMonthWeightedSum(i, 0, static_cast<int>(values.size()) - 1,
                                  [&](int m) { return values[static_cast<std::size_t>(m)]; });
}

}  // namespace ardeno
