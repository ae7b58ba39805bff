// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observer k-factors: how an observer's relative numbers compare with the international daily
// sunspot number (SILSO) on the days both exist. Per observer and year: the days shared with the
// reference, the k-factor (median of reference / own R over the days where both are above 0),
// its spread (interquartile range of those ratios), the correlation of the two series, and a
// drift mark for a year in which the observer's scale has moved away from where it started (a
// CUSUM of the daily log-ratio, as stations are monitored; see MarkDrift). The same for each
// hemisphere against SILSO's hemispheric numbers.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

struct ReferenceDay {
  std::optional<int> Total, North, South;  // nothing where the year file has blanks
};
// Keyed by DaySerial.
using ReferenceNumbers = std::map<std::int64_t, ReferenceDay>;

// Every "SIDC/dssn<year>.dat" of the folder, each year by itself at its own dates, read with the
// program's layout rules (line length from the size, one or three values). A damaged year file
// (SidcYearProblem) is left out and named in messages.
ReferenceNumbers ReadReferenceNumbers(const std::filesystem::path& progDir,
                                      std::vector<std::string>& messages);
// One year file's days added to `numbers`.
void AddReferenceYear(std::string_view fileBytes, int year, ReferenceNumbers& numbers);

enum KFactorSeries : int { kWholeDisk = 0, kNorth = 1, kSouth = 2 };

inline constexpr int kAllYears = 0;
// A year with fewer days where both numbers are above 0 gives no judgement of drift.
inline constexpr int kKFactorMinimumDays = 20;

struct KFactorRow {
  std::string Observer;
  int Year = kAllYears;
  int SharedDays = 0;  // days with the observer's R and the reference value
  int UsedDays = 0;    // of those, days where both are above 0
  std::optional<double> K;
  std::optional<double> Spread;       // interquartile range of the daily ratios
  std::optional<double> Correlation;  // Pearson, over the shared days
  bool Drift = false;
  // A year with fewer than kKFactorMinimumDays used days: never marked, shown grey.
  bool FewDays = false;
};

// Rows of each series: per observer (ascending) the all-years row, then each year.
struct KFactorTable {
  std::array<std::vector<KFactorRow>, 3> Series;
};

// Ordinary drawings only (special records are reports from elsewhere); an observer's first
// drawing of a day stands for the day.
KFactorTable ComputeKFactors(const Database& db, const ReferenceNumbers& reference);

// Median and quartiles with linear interpolation between the ordered values.
double Quantile(std::vector<double> values, double q);
// The same, reordering the values instead of copying and sorting them.
double QuantileInPlace(std::vector<double>& values, double q);

// The columns of a row as shown: observer, year ("vše" for all years), shared days, days above 0,
// k, spread, correlation (three decimals, "-" when there is none) and "posun" for a drift.
// Headings and cells are in the language of the interface.
inline constexpr std::array<const char*, 8> kKFactorHeadings = {
    CoreTextNoop("KFactors", "Pozorovatel"),
    CoreTextNoop("KFactors", "Rok"),
    CoreTextNoop("KFactors", "Dny"),
    "R>0",
    "k",
    CoreTextNoop("KFactors", "rozptyl"),
    CoreTextNoop("KFactors", "korelace"),
    CoreTextNoop("KFactors", "posun")};
std::string KFactorHeading(std::size_t column);
std::array<std::string, 8> KFactorCells(const KFactorRow& row);

// The table as text lines (the CLI and the printed view): a header and one line per row.
std::vector<std::string> KFactorLines(const std::vector<KFactorRow>& rows);

}  // namespace ardeno
