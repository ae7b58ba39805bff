#pragma once
// The official daily sunspot numbers (the SIDC table read at start-up) as monthly means on the
// smoothed graphs' month axis, for the "Brusel R" comparison curve.
#include <filesystem>
#include <vector>

#include "core/data/sidc_files.h"

namespace ardeno {

// Whole-disk monthly means x 8 of the days the table holds. tableFirstYear is the year of the
// table's day 0 (its first year file); months count from January of seriesFirstYear as in
// MonthSeries, so entry i is month number FirstMonth + i. Only months from seriesFirstYear on.
struct ReferenceMonths {
  int FirstMonth = 1;
  std::vector<int> Values;
};
ReferenceMonths SidcMonthMeans(const SidcDailyTable& table, int tableFirstYear,
                               int seriesFirstYear);

// The same for the table start-up read from the program's SIDC folder, whose first year file
// names the table's first year; empty when no year was read.
ReferenceMonths SidcMonthMeansOf(const SidcDailyTable& table, const std::filesystem::path& progDir,
                                 int seriesFirstYear);

// "Brusel R" factor of the scroll bar position: position x 0.01 + 1.0, in single precision.
float BrusselsFactorFor(int position);

}  // namespace ardeno
