// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/asymmetry_bars.h"

namespace ardeno {

std::vector<AsymmetryBar> AsymmetryBars(const AsymmetryTables& tables, SmoothedIndex index,
                                        AsymmetryKind kind, AsymmetryDiagram period,
                                        const CalendarDate& first) {
  const bool monthly = period == AsymmetryDiagram::Monthly;
  const std::vector<AsymmetryRow>& rows = monthly ? tables.MonthAsym : tables.YearAsym;
  const int q = static_cast<int>(index) - 1;
  std::vector<AsymmetryBar> bars;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const AsymmetryRow& row = rows[r];
    if (AsymmetryCount(row) == 0) continue;
    if (monthly && r + 1 == rows.size()) continue;  // not finished: only its count
    CalendarDate end;
    if (monthly) {
      const int m = tables.FirstMonth - 1 + static_cast<int>(r);
      end = {tables.FirstYear + m / 12, m % 12 + 1, 0};
      end.Day = DaysInMonth(end.Year, end.Month);
    } else {
      end = {tables.FirstYear + static_cast<int>(r), 12, 31};
    }
    const double value = kind == AsymmetryKind::Ratio ? AsymmetryP(row, q) : AsymmetryD(row, q);
    bars.push_back({static_cast<int>(DaysBetween(first, end)) + first.Day, value});
  }
  return bars;
}

}  // namespace ardeno
