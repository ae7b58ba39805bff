// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time axis of the daily graphs: each record's x (days since 1 January of the first record's
// year, times the day width) and the month ticks. Built once per change of the data or of the
// day width; a paint only reads it.
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno {

// Records are drawn this many pixels right of their x (the room of the value scale).
inline constexpr int kDailyRecordOffset = 50;

struct DailyTimeAxis {
  int DayWidth = 2;
  int FirstYear = 0;
  int OriginDay = 0;  // trunc(DayNumber of 1 January of FirstYear)
  // The records drawn, in record order: their 1-based index and x. A record whose date does not
  // parse has no place on the axis and is left out (counted in Skipped).
  std::vector<int> RecordIndex;
  std::vector<int> RecordX;
  int Skipped = 0;
  int LastX() const { return RecordX.empty() ? 0 : RecordX.back(); }
  // Scroll range and the start position that shows the newest data.
  int ScrollRange() const { return LastX() + 200; }
  int NewestScrollPosition() const { return LastX() - 750; }
  // Where a window `clientWidth` pixels wide opens: the newest data in view, within the range.
  // A window too narrow to show them 800 pixels in (the fixed save sizes) shows them at its
  // right edge.
  int OpeningScroll(int clientWidth) const;
  // The scroll position that puts `day` at the left edge of the plot (the month of a bulletin),
  // within the range.
  int ScrollToDay(const CalendarDate& day) const;
};

// The axis of records 1..RecordCount. FirstYear is the year of the first record whose date
// parses.
DailyTimeAxis BuildDailyTimeAxis(const Database& db, int dayWidth);

// The status-bar text for records left out, empty when none was.
std::string SkippedRecordsText(int skipped);

struct MonthTick {
  int X = 0;  // before the plot offset (50) and the scroll position
  int Year = 0;
  int Month = 1;  // 1..12
};

// The ticks of months 0..N counted from January of firstYear, N = nint(lastX / (dayWidth x 30.6))
// + dayWidth. February always has 28 days; in a year divisible by 4 the tick of March and all
// later ticks move by one day (no century rule: the axis has always been drawn so).
std::vector<MonthTick> DailyMonthTicks(int firstYear, int lastX, int dayWidth);

}  // namespace ardeno
