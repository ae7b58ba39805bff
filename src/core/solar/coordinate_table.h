// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed ephemeris for the telescope: for every day of four consecutive months of a year,
// L0, B0 and P at 0 h UT, with marks on the days a new Carrington rotation begins.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ardeno {

struct CoordinateDay {
  double L0 = 0;
  double B0 = 0;
  double P = 0;
};

// A rotation start: "d- N" written below the month's column.
struct RotationMark {
  int Column = 1;  // 1..4
  int Day = 1;
  int Rotation = 0;  // the new rotation's number
  int X = 0;         // reference x of the text: 200 i - 130 for a day-1 mark, else 200 i - 50
  int Row = 34;      // table row of the text: 34, or 35 for a second start late in the month
  std::string Text() const;
};

struct CoordinateColumn {
  int Month = 1;                                        // 1..12
  std::array<std::optional<CoordinateDay>, 32> Days{};  // index = day of month, 1..31
};

struct CoordinateTable {
  int Year = 0;
  int StartMonth = 0;  // 0, 4 or 8: the months StartMonth + 1 .. StartMonth + 4
  std::array<CoordinateColumn, 4> Columns{};
  std::vector<RotationMark> Marks;
};

// startMonth is 0, 4 or 8 (other values are brought down to one of them).
CoordinateTable BuildCoordinateTable(int year, int startMonth);

// The table as text: a title line, a head line, one line per day 1..31 with the day and
// "L B P" of each month ("0.0", blank where the month has no such day), then one line per
// rotation mark ("Rotace <month>: d- N").
std::string CoordinateTableText(const CoordinateTable& table);

// "Souřadnice " + year text + " " + first month + " - " + last month + ".bmp".
std::string CoordinateTableFileName(const std::string& yearText, int startMonth);

}  // namespace ardeno
