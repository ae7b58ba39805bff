// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The BAA white-light monthly form as CSV: a row per day of the month with the groups and spots
// of each hemisphere and of the whole disk and R; then the mean daily frequency (MDF) of the
// groups, north, south and whole disk, and the mean R over the days observed.
#include <string>
#include <vector>

#include "core/reports/report_days.h"

namespace ardeno {

// The file's lines (ASCII, without line ends). A day without a drawing has its cells empty, a
// special drawing without hemisphere values its hemisphere cells; the hemisphere MDFs are taken
// over the days that have hemisphere values.
std::vector<std::string> BaaMonthLines(const Database& db, const ReportDays& days);

}  // namespace ardeno
