// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A monthly table as the results window's grid shows it: row 0 the column headers, then one row
// per calendar month from the first record's month to the month after the last one, every cell
// the exact text of the grid.
#include <string>
#include <vector>

namespace ardeno {

struct MonthlyTable {
  int ColumnCount = 0;
  // The row of the last month with records (L); the grid has rows 0..L + 1.
  int LastMonthRow = 0;
  // Rows[r] is grid row r: Rows[0] the headers, Rows[r] for r >= 1 the month label in column 0.
  std::vector<std::vector<std::string>> Rows;

  int RowCount() const { return static_cast<int>(Rows.size()); }
  const std::string& Cell(int row, int column) const {
    return Rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
};

// Headers of the measured table's columns 1..15 (each preceded by three blanks in the grid);
// the smoothed table uses the first eight.
inline constexpr const char* kMeasuredHeaders[] = {"g",  "f",  "r",  "Cv", "SN", "RB", "plo", "pol",
                                                   "gc", "fc", "rc", "F",  "p",  "O",  "Q"};

}  // namespace ardeno

namespace ardeno {

struct MonthSpan;

// The table frame for a span of months: headers in row 0, the month labels in column 0 of rows
// 1..LastRow + 1, every other cell empty. No month (no dated record) gives the header row alone.
MonthlyTable EmptyMonthlyTable(const MonthSpan& span, int columnCount);

// The row of a month (found by its label in column 0), 0 when the table has no such month.
int MonthlyTableRow(const MonthlyTable& table, int year, int month);

}  // namespace ardeno
