// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A grid of cell texts exactly as a results view shows them: row 0 the headers, column 0 the
// row labels.
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

struct TextGrid {
  std::vector<std::vector<std::string>> Rows;

  int RowCount() const { return static_cast<int>(Rows.size()); }
  int ColumnCount() const { return Rows.empty() ? 0 : static_cast<int>(Rows[0].size()); }
  const std::string& Cell(int row, int column) const {
    return Rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  std::string& Cell(int row, int column) {
    return Rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  // Appends a row of `ColumnCount()` empty cells (or `columns` for the first row).
  std::vector<std::string>& AddRow(int columns = 0);
};

// One line per row from row 0, the cells joined by ";", each line ended by "\n".
std::string GridLines(const TextGrid& grid);

// text without leading and trailing blanks, right-aligned in `width` characters (never cut).
std::string TrimmedRight(std::string_view text, int width);

}  // namespace ardeno
