// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The green-corona views of the maps window: per-rotation means of the day rows (as the
// butterfly's underlay takes them), the corona graph of one rotation and the corona of one day
// around the disk. Rows past the loaded data are never read.
#include <array>
#include <cstdint>
#include <vector>

#include "core/data/corona_data.h"
#include "core/text/dates.h"

namespace ardeno {

// Mean length of a rotation in days (and day rows).
inline constexpr double kCoronaRotationDays = 27.2758;
// The corona graph's scroll position p shows rotation p + 1327.
inline constexpr int kCoronaGraphRotationOffset = 1327;

// The date of a day row: row 0 is 1.1.1940.
CalendarDate CoronaRowDate(int row);

// Intensity of sector j (1..72) in day row `row`; 0 for a row that is not loaded.
int CoronaValue(const CoronaData& data, int row, int sector);

// The day rows of a Carrington rotation, placed by the dates of its days as the synoptic map
// places them: from the row of the rotation's start up to the row before the next rotation's.
// Rows before 1.1.1940 or past the loaded data are not part of any rotation's means.
struct CoronaRowSpan {
  int First = 0;
  int End = 0;  // one past the last row
};
CoronaRowSpan CoronaRowsOfRotation(int rotation);

// Per-sector means of one rotation's own loaded rows (integer division by their number).
struct CoronaRotationMeans {
  int Rotation = 0;
  std::array<int, 72> Means{};  // sector j at index j - 1
};
// Every rotation with at least one loaded row, in order; empty without data.
std::vector<CoronaRotationMeans> CoronaMeansByRotation(const CoronaData& data);

// Grey level for latitude band j = 1..36: 255 - (mean(j) + mean(73 - j)), at least 0.
int CoronaBandGrey(const std::array<int, 72>& means, int band);

struct CoronaGraphPoint {
  int X = 0;
  int Y = 0;
};
// First day row shown at scroll position p.
int CoronaGraphFirstRow(int position);
// The day rows the graph draws for sector j: firstRow + d (d = 1..100), 14 days later for the
// western sectors 37..72, up to the last loaded row.
std::vector<int> CoronaGraphRows(const CoronaData& data, int firstRow, int sector);
// Outline of sector j: the points (10d + 10, base + 5j - v / 2) for d = 1..100 (fewer where the
// data end), closed along the base line back to x = 20. Sectors 37..72 use base 200 and the rows
// 14 days later.
std::vector<CoronaGraphPoint> CoronaGraphSector(const CoronaData& data, int firstRow, int sector);
// Scroll range of the graph: positions 1 .. the last rotation with loaded rows.
int CoronaGraphMaxPosition(const CoronaData& data);

// The map rotation's corona underlay is drawn while its day index leaves a whole rotation of
// loaded rows.
bool CoronaUnderlayAvailable(const CoronaData& data, std::int64_t dayIndex);

}  // namespace ardeno
