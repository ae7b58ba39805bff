// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/text_grid.h"

namespace ardeno {

std::vector<std::string>& TextGrid::AddRow(int columns) {
  const int width = Rows.empty() ? columns : ColumnCount();
  Rows.emplace_back(static_cast<std::size_t>(width));
  return Rows.back();
}

std::string GridLines(const TextGrid& grid) {
  std::string text;
  for (const auto& row : grid.Rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += ';';
      text += row[c];
    }
    text += '\n';
  }
  return text;
}

std::string TrimmedRight(std::string_view text, int width) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string(static_cast<std::size_t>(width), ' ');
  const auto last = text.find_last_not_of(' ');
  const std::string_view trimmed = text.substr(first, last - first + 1);
  const int pad = width - static_cast<int>(trimmed.size());
  return std::string(static_cast<std::size_t>(pad > 0 ? pad : 0), ' ') + std::string(trimmed);
}

}  // namespace ardeno
