// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How sure a month's mean is: the days with a drawing behind it, the scatter of the daily values
// and the standard error of the mean, and a flag for a month that is not over or rests on fewer
// than ten drawing days, as the data centres publish their monthly values.
#include <optional>
#include <string>
#include <vector>

#include "core/results/month_totals.h"
#include "core/results/month_walk.h"
#include "core/stats/monthly_values.h"
#include "core/text/dates.h"

namespace ardeno {

// Fewer drawing days than this leave a month provisional.
inline constexpr int kSureMonthDays = 10;

struct MonthUncertainty {
  int Year = 0;
  int Month = 0;
  int Days = 0;                    // distinct dates with a record that counts for the value
  int Records = 0;                 // n: the records the mean, Sigma and StdError all rest on
  std::optional<double> Mean;      // the measured table's mean
  std::optional<double> Sigma;     // sample standard deviation of the records' values
  std::optional<double> StdError;  // Sigma / sqrt(Records)
  bool Provisional = false;        // "*": not over on `today`, or fewer than kSureMonthDays days
};

// Every month of `months` for quantity q and hemisphere h; records that do not count for the
// value (special records for the areas, special records without a marker for a hemisphere) are
// left out as the measured table leaves them out.
std::vector<MonthUncertainty> MonthlyUncertainty(const Database& db, const RecordMonths& months,
                                                 Quantity q, Hemisphere h,
                                                 const CalendarDate& today);

// Which records the means are of: "Průměry z vlastních zákresů stanice; katalogové dny
// (NOAA/RGO) vynechány: 10." or that they include the catalogue days; in the language of the
// interface.
std::string AveragedRecordsText(const RecordMonths& months);

// The 13-month smoothed course of the monthly means over every calendar month from the first to
// the last: the smoothed value (the missing-month rule of the smoothed graphs), the number of
// months with a value in its window, and "*" when any of them is provisional.
struct SmoothedUncertainty {
  int Year = 0;
  int Month = 0;
  std::optional<double> Value;
  int Months = 0;
  bool Provisional = false;
};
std::vector<SmoothedUncertainty> SmoothedUncertaintyOf(const std::vector<MonthUncertainty>& months);

// The header line "rok;měsíc;vyhlazená;měsíců;příznak" and a row per month.
std::vector<std::vector<std::string>> SmoothedUncertaintyRows(
    const std::vector<SmoothedUncertainty>& months);

// The header line "rok;měsíc;dny;n;průměr;sigma;chyba;příznak" and a row per month: n is the
// number of records behind the mean, sigma and error (more than the days when a date has two
// drawings); values with two decimals and a decimal point, empty cells where a value does not
// exist.
std::vector<std::vector<std::string>> MonthlyUncertaintyRows(
    const std::vector<MonthUncertainty>& months);

// The rows keep the Czech headings of the CSV file; the window shows them through this, with the
// headings in the language of the interface.
std::vector<std::vector<std::string>> UncertaintyRowsShown(
    std::vector<std::vector<std::string>> rows);

// Rows as semicolon CSV, lines ending with CR LF.
std::string UncertaintyCsv(const std::vector<std::vector<std::string>>& rows);

}  // namespace ardeno
