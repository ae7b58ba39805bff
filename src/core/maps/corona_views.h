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

// Rotation chunks of the day rows: chunk 0 has 27 rows, chunk n the rows between
// trunc((n - 1) * 27.2758) and trunc(n * 27.2758) after it.
int CoronaChunkLength(int n);
int CoronaChunkStart(int n);
// Chunks while n < trunc(loaded bytes / (78 * 27.2758) + 1).
int CoronaChunkCount(const CoronaData& data);
// Per sector 1..72 (index j - 1): the mean over the rows s(n) + L(n) + 1 .. s(n) + 2 L(n)
// (integer division by L(n)).
std::array<int, 72> CoronaChunkMeans(const CoronaData& data, int n);
// Grey level for latitude band j = 1..36: 255 - (mean(j) + mean(73 - j)), at least 0.
int CoronaBandGrey(const std::array<int, 72>& means, int band);

struct CoronaGraphPoint {
  int X = 0;
  int Y = 0;
};
// First day row shown at scroll position p.
int CoronaGraphFirstRow(int position);
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
