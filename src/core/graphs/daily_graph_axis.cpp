// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/daily_graph_axis.h"

#include <algorithm>
#include <array>

#include "core/solar/ephemeris.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

DailyTimeAxis BuildDailyTimeAxis(const Database& db, int dayWidth) {
  DailyTimeAxis axis;
  axis.DayWidth = dayWidth;
  axis.RecordIndex.reserve(static_cast<std::size_t>(db.RecordCount));
  axis.RecordX.reserve(static_cast<std::size_t>(db.RecordCount));
  bool haveOrigin = false;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::optional<CalendarDate> date = ParseDate(db.Record(i).Date());
    if (!date) {
      ++axis.Skipped;
      continue;
    }
    if (!haveOrigin) {
      axis.FirstYear = date->Year;
      axis.OriginDay = static_cast<int>(Trunc(DayNumber(date->Year, 1, 1)));
      haveOrigin = true;
    }
    const double days =
        static_cast<double>(DayNumber(date->Year, date->Month, date->Day)) - axis.OriginDay;
    axis.RecordIndex.push_back(i);
    axis.RecordX.push_back(static_cast<int>(Trunc(days)) * dayWidth);
  }
  return axis;
}

int DailyTimeAxis::OpeningScroll(int clientWidth) const {
  // The newest keeps a little room to its right.
  constexpr int kRoomRightOfNewest = 20;
  const int newestAtRightEdge = LastX() + kDailyRecordOffset + kRoomRightOfNewest - clientWidth;
  return std::clamp(std::max(NewestScrollPosition(), newestAtRightEdge), 0,
                    std::max(0, ScrollRange() - clientWidth));
}

int DailyTimeAxis::ScrollToDay(const CalendarDate& day) const {
  const double days = static_cast<double>(DayNumber(day.Year, day.Month, day.Day)) - OriginDay;
  return std::clamp(static_cast<int>(Trunc(days)) * DayWidth, 0, ScrollRange());
}

std::string SkippedRecordsText(int skipped) {
  if (skipped == 0) return {};
  return FillText(CoreText("DailyGraphs", "Záznamů s neplatným datem vynechaných v grafu: %1"),
                  {std::to_string(skipped)});
}

std::vector<MonthTick> DailyMonthTicks(int firstYear, int lastX, int dayWidth) {
  static constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
  const int last = static_cast<int>(Round(lastX / (dayWidth * 30.6))) + dayWidth;
  std::vector<MonthTick> ticks;
  ticks.reserve(static_cast<std::size_t>(std::max(0, last + 1)));
  int x = 0;
  for (int m = 0; m <= last; ++m) {
    const int year = firstYear + m / 12;
    const int month = m % 12;
    if (month == 2 && year % 4 == 0) x += dayWidth;
    ticks.push_back({x, year, month + 1});
    x += kMonthDays[static_cast<std::size_t>(month)] * dayWidth;
  }
  return ticks;
}

}  // namespace ardeno
