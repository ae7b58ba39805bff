// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The AAVSO solar section monthly report: the observer's code and the month above a line per
// day observed with the columns Day, seeing, UT, g, s, W = 10g + s, ng, sg, ns, ss and the
// observer code, right-aligned under their names.
#include <string>
#include <string_view>
#include <vector>

#include "core/reports/report_days.h"

namespace ardeno {

// "MAY 2003"
std::string AavsoMonthTitle(const ReportMonth& month);

// The report's lines (ASCII, without line ends). A special drawing without hemisphere values
// leaves ng, sg, ns and ss blank.
std::vector<std::string> AavsoMonthLines(const Database& db, const ReportDays& days,
                                         const ReportMonth& month, std::string_view observerCode);

}  // namespace ardeno
