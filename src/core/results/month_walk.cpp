// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/month_walk.h"

#include <algorithm>

#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

std::string MonthNameShown(int month) {
  // The names are literals, so their views end in a terminating zero.
  return CoreText("MonthNames", kCzechMonthNames[static_cast<std::size_t>(month - 1)].data());
}

std::optional<CalendarDate> RecordDate(const ObservationRecord& record) {
  // A date is plain ASCII: parse the stored characters without decoding the text.
  const std::size_t length = std::min<std::size_t>(record.Bytes[0], 10);
  return ParseDate(
      std::string_view(reinterpret_cast<const char*>(record.Bytes.data()) + 1, length));
}

int MonthRow(int firstYear, int firstMonth, int year, int month) {
  return 12 * (year - firstYear) + month - firstMonth + 1;
}

std::string MonthLabel(int year, int month) {
  return " " + FormatFloat("00", month) + "." + FormatFloat("0000", year);
}

MonthSpan WalkMonths(const Database& db, const std::function<void(const RecordMonth&)>& action,
                     RecordChoice choice) {
  MonthSpan span;
  std::optional<CalendarDate> first;
  RecordMonth current;
  bool open = false;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const auto date = RecordDate(record);
    if (!date || !IsChosen(record, choice)) continue;
    if (!first) {
      first = date;
      span.FirstYear = date->Year;
      span.FirstMonth = date->Month;
    }
    if (!open || date->Year != current.Year || date->Month != current.Month) {
      if (open) action(current);
      current = RecordMonth{};
      current.Year = date->Year;
      current.Month = date->Month;
      current.Row = MonthRow(first->Year, first->Month, date->Year, date->Month);
      current.FirstIndex = i;
      if (current.Row > span.LastRow) span.LastRow = current.Row;
      open = true;
    }
    current.LastIndex = i;
    AddRecordToTotals(current.Totals, record);
  }
  if (open) action(current);
  return span;
}

RecordMonths CollectMonths(const Database& db, RecordChoice choice) {
  RecordMonths result;
  result.Span = WalkMonths(
      db, [&](const RecordMonth& month) { result.Months.push_back(month); }, choice);
  result.RecordCount = db.RecordCount;
  result.Choice = choice;
  if (choice == RecordChoice::AllRecords) return result;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (!IsChosen(record, choice) && RecordDate(record)) ++result.LeftOut;
  }
  return result;
}

}  // namespace ardeno
