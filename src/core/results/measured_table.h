// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measured monthly table: per calendar month the means of the daily values of its records.
#include <optional>

#include "core/results/month_totals.h"
#include "core/results/month_walk.h"
#include "core/results/monthly_table.h"

namespace ardeno {

inline constexpr int kMeasuredColumns = 16;

// The mean of quantity q over the month's records that count for it: g, f, R, CV, SN and RB
// divide by all records for the whole disk and by the records that count for the hemispheres
// otherwise; the two areas by the normal records. Nothing when no record counts (a month of
// special records only has no area). The smoothed graphs draw these very values.
std::optional<double> MeasuredMean(const MonthTotals& totals, Quantity q, Hemisphere h);

// Columns 1..6 (g, f, R, CV, SN, RB) divide by the month's records for the whole disk and by the
// records that count for the hemispheres otherwise; columns 7 and 8 (area, corrected area) by
// the normal records; columns 9..15 (central g, f, R, faculae, conditions, image, Q) by all
// records, whole disk only. A divisor of 0 counts as 1 (the cell shows 0.00). Widths 5, two
// decimals (one from column 9).
MonthlyTable BuildMeasuredTable(const RecordMonths& data, Hemisphere hemisphere);

}  // namespace ardeno
