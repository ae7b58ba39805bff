// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Before a report for SIDC or the CV network is written, the month's drawings go through the
// plausibility checks; with anything almost certainly wrong the user sees the list and chooses
// to write the file anyway or to go back and mend the drawings first.
#include "core/results/report_month.h"
#include "ui/shell/app_context.h"

namespace ardeno {

// True when the report may be written: no error in the month, or the user chose to continue.
bool MonthPassesCheck(AppContext& app, const ReportMonth& month);

// Errors listed in the question at most; the rest are counted.
inline constexpr int kListedErrors = 12;

}  // namespace ardeno
