// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/monthly_table.h"

#include "core/results/month_walk.h"

namespace ardeno {

MonthlyTable EmptyMonthlyTable(const MonthSpan& span, int columnCount) {
  MonthlyTable table;
  table.ColumnCount = columnCount;
  table.LastMonthRow = span.LastRow;
  const int rowCount = span.LastRow > 0 ? span.LastRow + 2 : 1;
  table.Rows.assign(static_cast<std::size_t>(rowCount),
                    std::vector<std::string>(static_cast<std::size_t>(columnCount)));
  for (int c = 1; c < columnCount; ++c) {
    table.Rows[0][static_cast<std::size_t>(c)] = std::string("   ") + kMeasuredHeaders[c - 1];
  }
  for (int r = 1; r < rowCount; ++r)
    table.Rows[static_cast<std::size_t>(r)][0] = MonthLabel(span.YearOfRow(r), span.MonthOfRow(r));
  return table;
}

int MonthlyTableRow(const MonthlyTable& table, int year, int month) {
  if (month < 1 || month > 12) return 0;
  const std::string label = MonthLabel(year, month);
  for (int r = 1; r < table.RowCount(); ++r)
    if (table.Cell(r, 0) == label) return r;
  return 0;
}

}  // namespace ardeno
