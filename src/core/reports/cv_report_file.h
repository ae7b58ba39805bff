// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CV index report "CVdata/CV-mm_yyyy.Txt": a header from Popis.txt, one line per day with the
// day's CV (from the groups' McIntosh classes), time, Q and the classes, then the mean CV and the
// number of observing days.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kCvReportFolder = "CVdata";

// Popis.txt lines 1..7 (index 0..6); all empty when the file is missing.
using DescriptionLines = std::array<std::string, 7>;

// Sum of the class positions (1..60) of all groups of the record; unlisted classes add 0.
int RecordCv(const ObservationRecord& record);

std::vector<std::string> CvReportLines(const Database& db, const ReportDays& days,
                                       const ReportMonth& month, const DescriptionLines& popis);

// The grid of the CV view: row 0 the column numbers, column 0 the days 1..31; in a day's row
// the CV, the time as "h:m" without leading zeros, Q and the group classes one per column. At
// least 34 columns, more when a record has more groups.
std::vector<std::vector<std::string>> CvGridRows(const Database& db, const ReportDays& days);

std::filesystem::path CvReportPath(const std::filesystem::path& progDir, const ReportMonth& m);

}  // namespace ardeno
