// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/quiet_days.h"

#include <algorithm>

#include "core/results/month_walk.h"

namespace ardeno {

namespace {

constexpr int kMargin = 10;
constexpr int kMinimumCell = 8;

}  // namespace

std::vector<CalendarDate> QuietDays(const Database& db) {
  std::vector<CalendarDate> days;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (record.ResultWord(kRelativeN) != 0 || record.ResultWord(kRelativeS) != 0) continue;
    if (const auto date = RecordDate(record)) days.push_back(*date);
  }
  return days;
}

QuietDayMarks MarkQuietDays(const std::vector<CalendarDate>& days, int year) {
  QuietDayMarks marks{};
  for (const CalendarDate& day : days) {
    if (day.Year != year) continue;
    marks[static_cast<std::size_t>(day.Month - 1)][static_cast<std::size_t>(day.Day - 1)] = true;
  }
  return marks;
}

int LastRecordYear(const Database& db) {
  for (int i = db.RecordCount; i >= 1; --i) {
    if (const auto date = RecordDate(db.Record(i))) return date->Year;
  }
  return 0;
}

CalendarLayout LayOutCalendar(int width, int height) {
  CalendarLayout layout;
  // Day numbers need about three digits' room, month names about "Listopad".
  // 31 days, the month names (1.5 rows) and the legend (1.5 rows below a half-row gap).
  layout.CellHeight = std::max(kMinimumCell, (height - 2 * kMargin) / 35);
  layout.HeaderHeight = layout.CellHeight * 3 / 2;
  layout.LabelWidth = std::max(24, layout.CellHeight * 2);
  layout.CellWidth = std::max(kMinimumCell, (width - 2 * kMargin - layout.LabelWidth) / 12);
  layout.Left = kMargin + layout.LabelWidth;
  layout.Top = kMargin + layout.HeaderHeight;
  return layout;
}

}  // namespace ardeno
