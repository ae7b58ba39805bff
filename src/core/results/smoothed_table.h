// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Smoothed monthly values: the centred thirteen-month running mean (half weight on the two end
// months) of the monthly means of g, f, R, CV, SN, RB, area and corrected area.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/results/month_totals.h"
#include "core/results/month_walk.h"
#include "core/results/monthly_table.h"

namespace ardeno {

inline constexpr int kSmoothedColumns = 9;
// Less than this many days between the first and the last record is too short to smooth.
inline constexpr int kSmoothedMinimumDays = 400;
// Fewer records than this leave the smoothed table undrawn.
inline constexpr int kSmoothedMinimumRecords = 14;
inline constexpr std::string_view kNotEnoughDataMessage = "Nedostatek dat pro měsíční vyhlazené";

// A monthly mean is kept as mean x scale, truncated: resolution 0.1 for g, f, R, CV and SN,
// 0.25 for RB and the two areas.
int SmoothScale(Quantity q);

// Monthly means by month row (index 0 unused). Every quantity divides by all records of the
// month, whatever the hemisphere. The words do not wrap: a mean area above 16383 stays what it
// is. A month without records has no mean (HasRecords false, its words zero).
struct SmoothBuffer {
  std::vector<std::array<std::uint32_t, kQuantityCount>> Rows;
  std::vector<bool> HasRecords;  // by month row, as Rows
  int LastRow() const { return static_cast<int>(Rows.size()) - 1; }
};
SmoothBuffer FillSmoothBuffer(const RecordMonths& data, Hemisphere hemisphere);

// The running mean of month row m (7 <= m <= L - 7), in single precision as the table shows it;
// nothing outside those rows (the last month is taken as not yet complete). Months without
// records are left out with their weights, one at most; with more the value stays empty.
std::optional<float> SmoothedValue(const SmoothBuffer& buffer, int row, Quantity q);

// The refusal when the data span less than 400 days (or the first or last date does not parse).
std::optional<std::string_view> CheckSmoothedSpan(const Database& db);

// The 9-column table: the month labels, values "0.00" in rows 7..L - 7; the header row alone
// (no month, no value) when the database holds fewer than 14 records.
MonthlyTable BuildSmoothedTable(const RecordMonths& data, Hemisphere hemisphere);

}  // namespace ardeno
