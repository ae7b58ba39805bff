// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Days without activity: drawings whose north and south relative numbers are both 0, and the
// calendar of one year that marks them.
#include <array>
#include <vector>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno {

// The dates of the days without activity, in record order (records whose date does not parse
// are left out).
std::vector<CalendarDate> QuietDays(const Database& db);

// Marks[month - 1][day - 1] is set for every quiet day of `year`.
using QuietDayMarks = std::array<std::array<bool, 31>, 12>;
QuietDayMarks MarkQuietDays(const std::vector<CalendarDate>& days, int year);

// The year the calendar opens with: the year of the last record with a date (0 without one).
int LastRecordYear(const Database& db);

// Geometry of the calendar in a window of width x height pixels: a column of day numbers, a row
// of month names, 12 x 31 cells and the legend's row below them.
struct CalendarLayout {
  int Left = 0;  // left edge of the January column
  int Top = 0;   // top edge of the day-1 row
  int CellWidth = 0;
  int CellHeight = 0;
  int LabelWidth = 0;    // the day-number column, left of Left
  int HeaderHeight = 0;  // the month-name row, above Top

  struct Rect {
    int X, Y, Width, Height;
  };
  // Cell of day d (1..31) of month m (1..12).
  Rect Cell(int month, int day) const {
    return {Left + (month - 1) * CellWidth, Top + (day - 1) * CellHeight, CellWidth, CellHeight};
  }
  int Right() const { return Left + 12 * CellWidth; }
  int Bottom() const { return Top + 31 * CellHeight; }
  // The legend's row under the grid: a marked cell and what it means.
  int LegendTop() const { return Bottom() + CellHeight / 2; }
};
CalendarLayout LayOutCalendar(int width, int height);

}  // namespace ardeno
