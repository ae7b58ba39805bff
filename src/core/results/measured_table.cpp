// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/measured_table.h"

#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kHeaderColumns = 7;  // columns 9..15
constexpr int kCellWidth = 5;

double Quotient(std::int32_t sum, int divisor) {
  return static_cast<double>(sum) / static_cast<double>(divisor == 0 ? 1 : divisor);
}

void FillMonth(std::vector<std::string>& cells, const RecordMonth& month, Hemisphere h) {
  const MonthTotals& t = month.Totals;
  for (int q = 0; q < kQuantityCount; ++q) {
    // Without a record that counts the sum is 0 as well.
    cells[static_cast<std::size_t>(q + 1)] =
        FormatFixed(MeasuredMean(t, static_cast<Quantity>(q), h).value_or(0.0), kCellWidth, 2);
  }
  if (h != Hemisphere::Whole) return;
  for (int i = 0; i < kHeaderColumns; ++i) {
    cells[static_cast<std::size_t>(kQuantityCount + 1 + i)] =
        FormatFixed(Quotient(t.Sums[static_cast<std::size_t>(kCentralGroupsEntry + i)], t.Records),
                    kCellWidth, 1);
  }
}

}  // namespace

std::optional<double> MeasuredMean(const MonthTotals& totals, Quantity q, Hemisphere h) {
  const int divisor = static_cast<int>(q) >= kCountQuantities ? totals.NormalRecords()
                      : h == Hemisphere::Whole                ? totals.Records
                                                              : totals.HemisphereRecords;
  if (divisor == 0) return std::nullopt;
  return static_cast<double>(totals.Sum(q, h)) / static_cast<double>(divisor);
}

MonthlyTable BuildMeasuredTable(const RecordMonths& data, Hemisphere hemisphere) {
  MonthlyTable table = EmptyMonthlyTable(data.Span, kMeasuredColumns);
  for (const RecordMonth& month : data.Months) {
    if (month.Row < 1) continue;  // before the first record: a file out of date order
    FillMonth(table.Rows[static_cast<std::size_t>(month.Row)], month, hemisphere);
  }
  return table;
}

}  // namespace ardeno
