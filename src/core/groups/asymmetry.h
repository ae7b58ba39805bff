// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// North-south asymmetry of the daily quantities per month and per year, from the results blocks
// of the normal records. The asymmetry grid of the results window and the asymmetry graphs read
// these tables.
#include <array>
#include <vector>

#include "core/data/database.h"
#include "core/groups/table_bounds.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// g, f, R, CV, SN, RB, area, corrected area.
inline constexpr int kAsymmetryQuantities = 8;
// Position of the number of normal records of the period in a row.
inline constexpr int kAsymmetryCountPosition = 16;
// Stands in P and D for a period whose north and south sums are equal.
inline constexpr float kEqualHemispheresMark = 0.0001f;

// 17 values: for quantity q the percentage P = (N - S) * 100 / (N + S) at 2q and the difference
// per record D = (N - S) / records at 2q + 1; the record count at 16.
using AsymmetryRow = std::array<float, 17>;

inline float AsymmetryP(const AsymmetryRow& row, int q) {
  return row[static_cast<std::size_t>(2 * q)];
}
inline float AsymmetryD(const AsymmetryRow& row, int q) {
  return row[static_cast<std::size_t>(2 * q + 1)];
}
inline int AsymmetryCount(const AsymmetryRow& row) {
  return static_cast<int>(row[kAsymmetryCountPosition]);
}

struct AsymmetryTables {
  // Row m - 1 for month row m = 1 (the month of record 1) .. the month of the last record.
  std::vector<AsymmetryRow> MonthAsym;
  // Row y - 1 for year row y = 1 (the year of record 1) .. the year of the last record.
  std::vector<AsymmetryRow> YearAsym;
  int FirstYear = 0;  // year and month of row 1
  int FirstMonth = 0;
  LeftOutRecords LeftOutMonths{
      0, CoreTextNoop("GroupTables",
                      "Asymetrie po měsících nezapočetla zákresy z měsíců před "
                      "měsícem prvního zákresu")};
  LeftOutRecords LeftOutYears{
      0, CoreTextNoop("GroupTables",
                      "Asymetrie po letech nezapočetla zákresy z let před rokem prvního zákresu")};
};

// Special records are left out entirely. A finished month gets P = (N - S + 0.0001) * 100 / T
// (when T > 0) and D = (N - S + 0.0001) / records, or the mark 0.0001 in both when N = S; the
// month of the last record only its count. Finished years get the same without the offset and
// the mark; the year of the last record is finished at the last record with the monthly rules.
AsymmetryTables ComputeAsymmetry(const Database& db);
// The same with the records' dates read from their positions.
AsymmetryTables ComputeAsymmetry(const Database& db, const RecordPositions& positions);

}  // namespace ardeno
