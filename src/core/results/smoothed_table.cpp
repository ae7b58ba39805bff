#include "core/results/smoothed_table.h"

#include "core/results/month_walk.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kHalfWindow = 6;          // months on each side of the centre
constexpr int kWindowWeight = 24;       // 1 + 2 x 11 + 1

}  // namespace

int SmoothScale(Quantity q) { return static_cast<int>(q) < 5 ? 10 : 4; }

SmoothBuffer FillSmoothBuffer(const RecordMonths& data, Hemisphere hemisphere) {
  SmoothBuffer buffer;
  buffer.Rows.assign(static_cast<std::size_t>(data.Span.LastRow + 1), {});
  for (const RecordMonth& month : data.Months) {
    if (month.Row < 1) continue;
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
  const int last = buffer.LastRow();
  if (row < kHalfWindow + 1 || row > last - kHalfWindow - 1) return std::nullopt;
  const auto word = [&](int r) {
    return static_cast<std::int64_t>(
        buffer.Rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(q)]);
  };
  std::int64_t sum = word(row - kHalfWindow) + word(row + kHalfWindow);
  for (int r = row - kHalfWindow + 1; r <= row + kHalfWindow - 1; ++r) sum += 2 * word(r);
  return static_cast<float>(sum) / static_cast<float>(kWindowWeight * SmoothScale(q));
}

std::optional<std::string_view> CheckSmoothedSpan(const Database& db) {
  if (db.RecordCount < 1) return kNotEnoughDataMessage;
  const auto first = ParseDate(db.Record(1).Date());
  const auto last = ParseDate(db.Record(db.RecordCount).Date());
  if (!first || !last || DaysBetween(*first, *last) < kSmoothedMinimumDays) {
    return kNotEnoughDataMessage;
  }
  return std::nullopt;
}

MonthlyTable BuildSmoothedTable(const RecordMonths& data, Hemisphere hemisphere) {
  MonthlyTable table = EmptyMonthlyTable(data.Span, kSmoothedColumns);
  if (data.RecordCount < kSmoothedMinimumRecords) return table;
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
