// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The official daily sunspot numbers (the SIDC table read at start-up) as monthly means on the
// smoothed graphs' month axis, for the "Brusel R" comparison curve.
#include <filesystem>
#include <vector>

#include "core/data/sidc_files.h"
#include "core/stats/monthly_values.h"

namespace ardeno {

// Whole-disk monthly means over the days of each month that have a published number; a month
// without any has no value. tableFirstYear is the year of the table's day 0 (its first year
// file); months count from January of seriesFirstYear as in MonthSeries, so entry i is month
// number FirstMonth + i, from the first to the last month with a value. Only months from
// seriesFirstYear on.
struct ReferenceMonths {
  int FirstMonth = 1;
  MonthlyValues Values;
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
