// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly report for the sunspot data centre as a semicolon-separated table
// "CSVsoubory/Rok<yyyy>/yyyymm_nnna.csv": a row per day 1..31 (time, g f R, central zone,
// faculae, rS and rJ, conditions, Q, observer number) with the station block beside the first
// rows, the sums and the means, then a row per day of the hemisphere values of CV, SN, RB and
// the corrected area.
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/instrument_file.h"
#include "core/reports/csv_station_file.h"
#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kCsvFolder = "CSVsoubory";

// What the station block shows besides the station: the instrument name (editable beside the
// station) and the diameter, focal length and eyepiece of the instrument file.
struct CsvInstrument {
  std::string Name;
  std::string Diameter;
  std::string FocalLength;
  std::string Eyepiece;
};
CsvInstrument CsvInstrumentOf(const Instrument& instrument);

// The file's lines (UTF-8, without line ends): the 36 lines of days, sums and means, then the
// 31 hemisphere lines.
std::vector<std::string> SidcCsvLines(const Database& db, const ReportDays& days,
                                      const ReportMonth& month, const CsvStation& station,
                                      const CsvInstrument& instrument);

// The station number reduced to its digits, prefixed with "00", cut to its last three characters.
std::string CsvStationCode(const std::string& stationNumber);
// "yyyymm_nnna.csv"
std::string SidcCsvFileName(const ReportMonth& month, const std::string& stationNumber);
// CSVsoubory/Rok<yyyy>/yyyymm_nnna.csv
std::filesystem::path SidcCsvPath(const std::filesystem::path& progDir, const ReportMonth& month,
                                  const std::string& stationNumber);

// The months of the "to the end" command: from `from` up to the month before the last record's
// month (none when that is not after `from`).
std::vector<ReportMonth> CsvMonthsToEnd(const Database& db, const ReportMonth& from);
// The twelve months of a year.
std::vector<ReportMonth> CsvMonthsOfYear(int year);

}  // namespace ardeno
