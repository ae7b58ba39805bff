// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/smoothed_table.h"

#include "core/results/month_walk.h"
#include "core/stats/thirteen_month_mean.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

int SmoothScale(Quantity q) { return static_cast<int>(q) < 5 ? 10 : 4; }

SmoothBuffer FillSmoothBuffer(const RecordMonths& data, Hemisphere hemisphere) {
  SmoothBuffer buffer;
  buffer.Rows.assign(static_cast<std::size_t>(data.Span.LastRow + 1), {});
  buffer.HasRecords.assign(buffer.Rows.size(), false);
  for (const RecordMonth& month : data.Months) {
    if (month.Row < 1) continue;
    buffer.HasRecords[static_cast<std::size_t>(month.Row)] = true;
    auto& words = buffer.Rows[static_cast<std::size_t>(month.Row)];
    for (int q = 0; q < kQuantityCount; ++q) {
      const auto quantity = static_cast<Quantity>(q);
      const std::int64_t scaled =
          static_cast<std::int64_t>(month.Totals.Sum(quantity, hemisphere)) * SmoothScale(quantity);
      words[static_cast<std::size_t>(q)] =
          static_cast<std::uint32_t>(scaled / month.Totals.Records);
    }
  }
  return buffer;
}

std::optional<float> SmoothedValue(const SmoothBuffer& buffer, int row, Quantity q) {
  const auto word = [&](int r) -> std::optional<std::int64_t> {
    const auto at = static_cast<std::size_t>(r);
    if (at >= buffer.HasRecords.size() || !buffer.HasRecords[at]) return std::nullopt;
    return buffer.Rows[at][static_cast<std::size_t>(q)];
  };
  // Rows from 1; the last month is taken as not yet complete, so the window ends before it.
  const auto sum = ThirteenMonthWeightedSum(row, 1, buffer.LastRow() - 1, word);
  if (!sum) return std::nullopt;
  return static_cast<float>(sum->Sum) / static_cast<float>(sum->Weight * SmoothScale(q));
}

std::optional<std::string_view> CheckSmoothedSpan(const Database& db) {
  if (db.RecordCount < 1) return kNotEnoughDataMessage;
  const auto first = RecordDate(db.Record(1));
  const auto last = RecordDate(db.Record(db.RecordCount));
  if (!first || !last || DaysBetween(*first, *last) < kSmoothedMinimumDays) {
    return kNotEnoughDataMessage;
  }
  return std::nullopt;
}

MonthlyTable BuildSmoothedTable(const RecordMonths& data, Hemisphere hemisphere) {
  // Too few records draw nothing at all: not even the month labels.
  if (data.RecordCount < kSmoothedMinimumRecords)
    return EmptyMonthlyTable(MonthSpan{}, kSmoothedColumns);
  MonthlyTable table = EmptyMonthlyTable(data.Span, kSmoothedColumns);
  const SmoothBuffer buffer = FillSmoothBuffer(data, hemisphere);
  for (int row = 1; row <= buffer.LastRow(); ++row) {
    for (int q = 0; q < kQuantityCount; ++q) {
      if (const auto value = SmoothedValue(buffer, row, static_cast<Quantity>(q))) {
        table.Rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(q + 1)] =
            FormatFloat("0.00", *value);
      }
    }
  }
  return table;
}

}  // namespace ardeno
