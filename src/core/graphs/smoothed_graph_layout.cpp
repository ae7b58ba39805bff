// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/smoothed_graph_layout.h"

#include <algorithm>

namespace ardeno {

namespace {
constexpr int kMonthDays = 30;  // days of a month at compression 1 (one pixel a day)
constexpr int kMinimumPlotHeight = 10;
constexpr int kAsymmetryDivisions = 12;
}  // namespace

int SmoothedLayout::ValueY(double value, int unit) const {
  const double full = static_cast<double>(unit) * kSmoothedRows;
  return PlotHeight - static_cast<int>(value * PlotHeight / full);
}

int SmoothedLayout::YearLabelStep(int labelWidth) const {
  constexpr int kLabelGap = 4;
  const int yearWidth = 12 * MonthWidth;
  for (const int step : {1, 2, 5, 10, 20, 50}) {
    if (step * yearWidth >= labelWidth + kLabelGap) return step;
  }
  return 100;
}

SmoothedLayout SmoothedLayoutFor(int clientHeight, int compression) {
  SmoothedLayout layout;
  layout.PlotHeight = std::max(kMinimumPlotHeight, clientHeight - kSmoothedBottomMargin);
  layout.MonthWidth = std::max(1, kMonthDays / std::max(1, compression));
  return layout;
}

AsymmetryLayout AsymmetryLayoutFor(int clientHeight, int compression) {
  AsymmetryLayout layout;
  layout.ZeroY = clientHeight / 2;
  layout.RowHeight = std::max(1, clientHeight / kAsymmetryDivisions);
  layout.Compression = std::max(1, compression);
  return layout;
}

std::vector<AxisMonth> AsymmetryAxisMonths(int firstYear, int firstMonth, int lastDay) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<AxisMonth> months;
  int day = 1;
  int year = firstYear;
  int month = firstMonth;
  while (day <= lastDay) {
    months.push_back({day, year, month});
    day += kDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return months;
}

int SmoothedYearLimitX(const SmoothedLayout& layout, int firstYear, int lastYear) {
  return layout.MonthX(std::max(0, (lastYear + 1 - firstYear) * 12) + 1);
}

int AsymmetryYearLimitX(const AsymmetryLayout& layout, int firstYear, int firstMonth,
                        int lastYear) {
  if (lastYear < firstYear) return kAsymmetryLeft;
  const int years = lastYear - firstYear + 2;
  for (const AxisMonth& month : AsymmetryAxisMonths(firstYear, firstMonth, years * 366 + 31))
    if (month.Year == lastYear + 1 && month.Month == 1) return layout.DayX(month.Day);
  return kAsymmetryLeft;
}

}  // namespace ardeno
