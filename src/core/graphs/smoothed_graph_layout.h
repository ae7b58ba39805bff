// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the smoothed and asymmetry graphs put things in a client area. Months run left to right
// at a width set by the shared compression (days per pixel); values rise from the bottom over
// ten grid rows (smoothed) or spread five rows above and below a middle zero line (asymmetry).
#include <cstdint>
#include <vector>

namespace ardeno {

inline constexpr int kSmoothedLeft = 30;          // x of month number 0
inline constexpr int kSmoothedBottomMargin = 40;  // room for the year numbers
inline constexpr int kSmoothedRows = 10;
inline constexpr int kAsymmetryLeft = 50;  // x of day 0
inline constexpr int kAsymmetryRows = 5;   // grid rows on each side of the zero line
inline constexpr int kRatioUnit = 20;      // percent per grid row of the ratio asymmetry

struct SmoothedLayout {
  int PlotHeight = 10;  // H: y of the zero line
  int MonthWidth = 1;
  int MonthX(int monthNumber) const { return monthNumber * MonthWidth + kSmoothedLeft; }
  // y of a monthly or smoothed mean: `unit` per grid row.
  int ValueY(double value, int unit) const;
  // y of grid line i = 0..10.
  int GridY(int i) const { return PlotHeight - i * PlotHeight / kSmoothedRows; }
  // y of a share of a curve's highest value, in thousandths: 1000 is the top grid line.
  int ShareY(int perMille) const { return PlotHeight - perMille * PlotHeight / 1000; }
  // Two-digit year numbers when a month is narrower than 3 pixels.
  bool ShortYears() const { return MonthWidth < 3; }
  // Every year has its grid line; its number is written for every year, or every 2nd, 5th, 10th
  // ... year when numbers `labelWidth` pixels wide would otherwise run together.
  int YearLabelStep(int labelWidth) const;
};
SmoothedLayout SmoothedLayoutFor(int clientHeight, int compression);

struct AsymmetryLayout {
  int ZeroY = 0;
  int RowHeight = 1;  // client height div 12
  int Compression = 1;
  int DayX(int day) const { return kAsymmetryLeft + day / Compression; }
  // Pixels above the zero line of an asymmetry value with `unit` per grid row.
  int BarHeight(int value, int unit) const { return value * RowHeight / unit; }
  // Month numbers under every month, every third month when the months are narrow, none when
  // they are too narrow to be read (0).
  int MonthLabelStep() const { return Compression <= 2 ? 1 : Compression <= 8 ? 3 : 0; }
};
AsymmetryLayout AsymmetryLayoutFor(int clientHeight, int compression);

// Month starts on the asymmetry time axis from the first record's month on, as days counted
// like RecordAsymmetry::Day (the first of the first record's month is day 1); months of 28,
// 29 in years divisible by 4, 30 or 31 days.
struct AxisMonth {
  int Day = 0;
  int Year = 0;
  int Month = 1;
};
std::vector<AxisMonth> AsymmetryAxisMonths(int firstYear, int firstMonth, int lastDay);

// Where a printout that ends with `lastYear` is cut: x (without the scroll offset) of the first
// of January after it; the graph's left edge when that lies before the first year.
int SmoothedYearLimitX(const SmoothedLayout& layout, int firstYear, int lastYear);
// The same on the asymmetry time axis that starts with the first record's month.
int AsymmetryYearLimitX(const AsymmetryLayout& layout, int firstYear, int firstMonth, int lastYear);

}  // namespace ardeno
