// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The own monthly results as two text files in "Vlastni": the index file "VL-mm_yyyy.Txt"
// (g, f, R by hemisphere, central zone, faculae, quality) and the area file "VLR-mm_yyyy.Txt"
// (CV, SN, RB, area and corrected area by hemisphere). One line per calendar day, then the sums
// and the means over the days with a record.
#include <filesystem>
#include <string>
#include <vector>

#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kOwnReportFolder = "Vlastni";

// The lines of each file (UTF-8, without line ends).
std::vector<std::string> OwnIndexFileLines(const Database& db, const ReportDays& days);
std::vector<std::string> OwnAreaFileLines(const Database& db, const ReportDays& days);

std::filesystem::path OwnIndexFilePath(const std::filesystem::path& progDir, const ReportMonth& m);
std::filesystem::path OwnAreaFilePath(const std::filesystem::path& progDir, const ReportMonth& m);

}  // namespace ardeno
