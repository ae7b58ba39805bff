// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly report for the international sunspot data centre: "Mesice/yyyymm.txt", a header of
// three lines and one line per day (time, Q, g f R of the whole disk, the north and the south,
// the central zone) or "9999" for a day without a drawing, closed by "99".
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/instrument_file.h"

#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kSidcReportFolder = "Mesice";
inline constexpr const char* kSidcCodeInitial = "OBSERVR. ";
inline constexpr const char* kSidcOverwriteQuestion = "Soubor již existuje !\r   Přepsat?";

// The whole file, UTF-8 with CR LF: the text ending in "99" and one line break. The day values
// are recomputed from each record's groups; `description` is line 7 of Popis.txt.
std::string SidcReportText(const Database& db, const ReportDays& days, const ReportMonth& month,
                           const std::string& observatoryCode, const std::string& description);

// The SIDC page of the window: the station and instrument with their English labels, then the
// day lines of the text file under a line of column names.
std::vector<std::string> SidcPageLines(const std::string& reportText, const Instrument& instrument);

// Mesice/yyyymm.txt
std::filesystem::path SidcReportPath(const std::filesystem::path& progDir, const ReportMonth& m);

}  // namespace ardeno
