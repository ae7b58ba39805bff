// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/table_print.h"

#include <algorithm>

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kPageWidthPerStep = 704;
constexpr int kLineStep = 15;

}  // namespace

int PrintLineHeight(int pageWidth) {
  return std::max(1, pageWidth / kPageWidthPerStep) * kLineStep;
}

int LinesPerPage(int pageWidth, int pageHeight, int reservedHeight) {
  return std::max(1, (pageHeight - reservedHeight) / PrintLineHeight(pageWidth));
}

std::string PrintPanelLabel(int lastMonthRow, int linesPerPage) {
  const int values = lastMonthRow + 1;
  const double pages = static_cast<double>(values) / std::max(1, linesPerPage);
  return FillText(CoreText("TablePrint", "Počet hodnot je = %1   ( %2  str.)"),
                  {std::to_string(values), FormatFloat("##.#", pages)});
}

std::vector<std::vector<int>> PlanTablePages(PrintType type, int selectedRow, int lastMonthRow,
                                             int linesPerPage) {
  std::vector<std::vector<int>> pages;
  const int first = type == PrintType::AllRows ? 1 : std::max(1, selectedRow);
  int end = lastMonthRow;  // exclusive: the last month is not complete yet
  if (type == PrintType::OnePageFromCursor) end = std::min(end, first + linesPerPage);
  for (int row = first; row < end; ++row) {
    if (pages.empty() || static_cast<int>(pages.back().size()) == linesPerPage)
      pages.emplace_back();
    pages.back().push_back(row);
  }
  return pages;
}

}  // namespace ardeno
