// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a station sets once before its first report, gathered from the files the reports read:
// DataproCSV.txt (name and number), Site.txt (the SIDC, USSPS and AAVSO codes), stanice.dat
// (where the Sun's altitude is checked from) and Popis.txt (lines 1..6 the CV report's header,
// line 7 the SIDC header's description). The files keep their layout; what the form does not
// show, or shows unchanged, keeps its bytes.
#include <filesystem>
#include <string>
#include <vector>

#include "core/text/refusal.h"

namespace ardeno {

struct StationSettings {
  std::string Name;           // DataproCSV.txt line 1
  std::string Number;         // DataproCSV.txt line 2, the observatory's number
  std::string SidcCode;       // Site.txt line 3
  std::string UsspsStation;   // Site.txt line 1
  std::string AavsoObserver;  // Site.txt line 2
  std::string Latitude;       // stanice.dat, degrees as typed; empty when not set
  std::string Longitude;
  std::string Description;  // Popis.txt line 7
  // The CV report's header, Popis.txt lines 1..6.
  std::string CvEmail;
  std::string CvMonthText;  // written after the month's number
  std::string CvObserver;
  std::string CvStation;
  std::string CvInstrument;
  std::string CvMethod;
};

struct StationSettingsReading {
  StationSettings Settings;
  // Czech messages of files that exist but could not be read; their fields stay empty.
  std::vector<std::string> Problems;
};

StationSettingsReading ReadStationSettings(const std::filesystem::path& progDir);

// The Czech message of each field that cannot be written as it stands (empty codes are allowed:
// a station that does not report to a network leaves its code out).
std::vector<std::string> CheckStationSettings(const StationSettings& settings);

// Checks, then rewrites the files whose content changes, all of them or none (a temporary file
// and a rename each); lines the form does not show are kept. A refusal lists every problem of
// CheckStationSettings, a line each.
Refusal WriteStationSettings(const std::filesystem::path& progDir, const StationSettings& settings);

// The code as it heads the SIDC report's second line: followed by a blank before "(CZECH REP.)",
// as the program's first code "OBSERVR. " was.
std::string SidcHeaderCode(const std::string& code);

// What the monthly SIDC report still lacks, in Czech, or nothing.
Refusal MissingForSidcReport(const StationSettings& settings);

}  // namespace ardeno
