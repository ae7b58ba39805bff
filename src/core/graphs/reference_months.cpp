// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/reference_months.h"

#include "core/text/dates.h"

namespace ardeno {

ReferenceMonths SidcMonthMeans(const SidcDailyTable& table, int tableFirstYear,
                               int seriesFirstYear) {
  ReferenceMonths months;
  const std::int64_t firstSerial = DaySerial({tableFirstYear, 1, 1});
  int currentMonth = 0;
  std::int64_t sum = 0;
  int days = 0;
  const auto finish = [&] {
    if (days == 0 || currentMonth < 1) return;
    if (months.Values.empty()) months.FirstMonth = currentMonth;
    months.Values.resize(static_cast<std::size_t>(currentMonth - months.FirstMonth + 1));
    months.Values.back() = static_cast<double>(sum) / days;
  };
  for (int d = 0; d < table.DaysFilled && 3 * d < static_cast<int>(table.Cells.size()); ++d) {
    const CalendarDate date = DateFromSerial(firstSerial + d);
    const int month = (date.Year - seriesFirstYear) * 12 + date.Month;
    if (month != currentMonth) {
      finish();
      currentMonth = month;
      sum = 0;
      days = 0;
    }
    const std::uint16_t total = table.Cells[static_cast<std::size_t>(3 * d)];
    if (total == kSidcNoValue) continue;
    sum += total;
    ++days;
  }
  finish();
  return months;
}

ReferenceMonths SidcMonthMeansOf(const SidcDailyTable& table, const std::filesystem::path& progDir,
                                 int seriesFirstYear) {
  if (table.DaysFilled == 0) return {};
  const int tableFirstYear = SidcYearFromName(FindFirstSidcFile(progDir));
  if (tableFirstYear <= 0) return {};
  return SidcMonthMeans(table, tableFirstYear, seriesFirstYear);
}

float BrusselsFactorFor(int position) { return static_cast<float>(position) * 0.01f + 1.0f; }

}  // namespace ardeno
