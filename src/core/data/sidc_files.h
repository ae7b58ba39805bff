// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference series published by the sunspot data centre, kept in the folder "SIDC": daily
// sunspot numbers per year ("dssn<year>.dat"), daily group areas ("Plochy.txt") and the daily
// 10.7 cm radio flux ("tok-10cm.txt"). The smoothed graphs show them beside our own values.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

inline constexpr const char* kSidcFolder = "SIDC";
inline constexpr int kSidcFirstYear = 1982;
// Three cells a day (total, north, south), day after day from the first year file read.
inline constexpr int kSidcDailyCells = 100000;
// Years tried at most: the table is full long before.
inline constexpr int kSidcMaxYears = kSidcDailyCells / (3 * 365) + 1;
inline constexpr const char* kSidcSentinelName = "dssn2050.dat";
// Three values a line; 1066 full lines fit the 3200 values of each table.
inline constexpr int kSidcSeriesValues = 3200;
inline constexpr int kSidcSeriesMaxLines = kSidcSeriesValues / 3;
inline constexpr int kAreasLineBytes = 31;
inline constexpr int kFluxLineBytes = 45;

// The cell of a day the file gives no number for (a blank field, or the centre's -1 for a day
// not yet published): the day is missing, not spotless. Fields are three characters wide, so no
// published number comes near it.
inline constexpr std::uint16_t kSidcNoValue = 0xFFFF;

struct SidcDailyTable {
  // Cells wider than a byte: published daily numbers pass 255 at solar maximum. Three a day for
  // the days filled, at most kSidcDailyCells: the table grows as the years are read; a day
  // without a number holds kSidcNoValue.
  std::vector<std::uint16_t> Cells;
  int DaysFilled = 0;  // days written so far; the next year starts at cell 3 * DaysFilled
  int YearsFound = 0;  // year files read (shown on the toolbar button "rv")
  std::vector<std::string> Messages;  // Czech texts of year files that could not be read
};

// Values 1..3 * LineCount of a fixed-line series are Values[0 .. 3 * LineCount - 1].
struct SidcSeries {
  std::vector<std::uint16_t> Values;
  int LineCount = 0;
};

// The smallest name in byte order among the ".DAT" files of the SIDC folder (extension compared
// in upper case) and "dssn2050.dat".
std::string FindFirstSidcFile(const std::filesystem::path& progDir);
// The year in the four characters before the "." of that name; 0 when they are not a number.
int SidcYearFromName(std::string_view fileName);

// The lines of a year file, one a day, without their line breaks (CR LF, LF or CR) and without
// blank lines at the end.
std::vector<std::string_view> SidcYearFileLines(std::string_view fileBytes);
// A day's values: one in a file below 10000 bytes (the old layout), three from there on.
int SidcYearValuesPerDay(std::string_view fileBytes);
// Value `value` (0-based) of a line: columns 20..22, 24..26, 28..30; empty beyond the line.
std::string_view SidcYearField(std::string_view line, int value);

// Adds one year file's days to the table: D = 366 in a leap year else 365 days, day d from line
// d of the file, one value a day below 10000 bytes and three from there on. A field without a
// digit or with a minus sign is kSidcNoValue. Returns how many of the fields read held a digit:
// none means the file is not a daily series at all.
int AddSidcYear(std::string_view fileBytes, int year, SidcDailyTable& table);
// Why a year file is not a daily series in that layout: a value field holding anything but
// blanks, a sign and digits (random bytes, another file under the name), no field with a digit
// at all, a line count other than the year's days (a cut-off copy) or lines of unequal length. The
// Czech text names the file (shownName) and the first bad line; nothing when the file reads.
std::optional<std::string> SidcYearProblem(std::string_view fileBytes, int year,
                                           const std::string& shownName);
// A 3-character field: leading blanks and a sign skipped, then digits up to the first other
// character; blanks give 0, "-1" gives 1.
int SidcFieldValue(std::string_view field);

// Reads the years 1982 .. 1982 + (currentYear - Y0), Y0 from FindFirstSidcFile; missing years
// are skipped without advancing the day position. A year file with a SidcYearProblem keeps its
// days in the table, empty, and its text goes to Messages.
SidcDailyTable ReadSidcDaily(const std::filesystem::path& progDir, int currentYear);

// Parsers of the fixed-line files, given the whole file size (the line count is size / line
// length) and the text of its first lines.
SidcSeries ParseSidcAreas(std::string_view text, std::uintmax_t fileSize);
SidcSeries ParseRadioFlux(std::string_view text, std::uintmax_t fileSize);

// Empty series when the file is missing; throw AuxFileError when it cannot be read or holds no
// number where its lines should have them.
SidcSeries ReadSidcAreas(const std::filesystem::path& progDir);
SidcSeries ReadRadioFlux(const std::filesystem::path& progDir);

}  // namespace ardeno
