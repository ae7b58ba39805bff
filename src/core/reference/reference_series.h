// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's published series in the layouts the program has always read from its "SIDC" folder:
// the daily sunspot numbers per year (SILSO total and hemispheric numbers), the spot areas
// (Hathaway & Upton's daily areas) and the 10.7 cm radio flux (DRAO Penticton).
//
// Layouts written:
// - "dssn<year>.dat": one 32-byte line per day of the year, "yyyy mm dd yyyy.yyy" and then the
//   total, northern and southern number in columns 20-22, 24-26 and 28-30, CR LF. The numbers
//   pass 255 at a maximum; the program keeps them in wide cells. A day without a published value
//   has blanks there.
// - "Plochy.txt": one 31-byte line per month from January 1982: "yyyy mm " and the monthly means
//   of the daily total, northern and southern area (millionths of the hemisphere) in columns
//   9-15, 16-22 and 23-29, CR LF.
// - "tok-10cm.txt": one 45-byte line per month from January 1982: "yyyy mm" and the monthly
//   means of the observed, adjusted (1 AU) and absolute (URSI D) flux in solar flux units in
//   columns 16-21, 26-31 and 37-42, CR LF.
// Months and days without data are blank, which the program reads as 0.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/dates.h"

namespace ardeno {

inline constexpr CalendarDate kReferenceSeriesStart{1982, 1, 1};

// Three values of a day or month; nothing where the source has no value.
using SeriesValues = std::array<std::optional<double>, 3>;
// Keyed by DaySerial.
using DailySeries = std::map<std::int64_t, SeriesValues>;

// The years a source can hold: from the first year it was published for to the year of the
// import. A line outside them (a typing error such as 9999) is refused by itself instead of
// creating thousands of yearly files.
struct SeriesYears {
  int First = 0;
  int Last = 0;
  bool Contains(int year) const { return year >= First && year <= Last; }
};
inline constexpr int kSilsoFirstYear = 1818;      // the daily sunspot number starts in 1818
inline constexpr int kAreasFirstYear = 1874;      // the Greenwich areas start in May 1874
inline constexpr int kPentictonFirstYear = 1947;  // the 10.7 cm flux starts in February 1947

struct SeriesReading {
  DailySeries Days;
  std::vector<std::string> Problems;  // "file:line: text (reason)"
};

// SILSO "SN_d_tot_V2.0.csv" (total only) or "SN_d_hem_V2.0.csv" (total, north, south); -1 is no
// value.
SeriesReading ReadSilsoDaily(std::string_view text, const std::string& sourceName,
                             const SeriesYears& years);
// "daily_area.txt": total, north, south; -1.0 is no observation. The zeros after the last
// non-zero day are the unfinished end of the series, not spotless days.
SeriesReading ReadDailyAreas(std::string_view text, const std::string& sourceName,
                             const SeriesYears& years);
// Penticton "fluxtable.txt": observed, adjusted and URSI flux, the 20 UT measurement of a day
// or the mean of the day's measurements when there is none at 20 UT.
SeriesReading ReadPentictonFlux(std::string_view text, const std::string& sourceName,
                                const SeriesYears& years);

// Total from `totals`, north and south from `hemispheres`, day by day.
DailySeries MergeSunspotNumbers(const DailySeries& totals, const DailySeries& hemispheres);

// Mean of each value over the days of each month that have it, keyed by the month's first day.
DailySeries MonthlyMeans(const DailySeries& days);

std::string SidcYearFileText(int year, const DailySeries& numbers);
std::string SidcAreasText(const DailySeries& monthlyAreas);
std::string RadioFluxText(const DailySeries& monthlyFlux);

struct ReferenceImport {
  std::vector<std::string> Written;   // names of the files written under SIDC/
  std::vector<std::string> Problems;  // unreadable lines and files; the rest was used
  // Sources found but without one value read: their series is not written, so a good series
  // is never replaced by an empty one. One line each, in the language of the interface.
  std::vector<std::string> EmptySources;
  std::optional<std::string> Error;  // the folder or a file could not be written: none changed
};

// Reads the series from `sources` (the files directly there or in silso/, sunspot-areas/,
// penticton-f107/) and writes the SIDC files of the existing `folder`, all of them or none
// (lines dated after `today` are refused).
ReferenceImport ImportReferenceSeries(const std::filesystem::path& folder,
                                      const std::filesystem::path& sources,
                                      const CalendarDate& today);

}  // namespace ardeno
