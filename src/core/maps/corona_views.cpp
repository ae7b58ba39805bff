// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/corona_views.h"

#include <algorithm>

#include "core/maps/map_rotation.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// 1.1.1940, the first corona row, falls in rotation 1154; the search starts near it.
constexpr int kCoronaFirstRowRotationEstimate = 1154;

}  // namespace

CalendarDate CoronaRowDate(int row) {
  return DateFromSerial(DaySerial(CalendarDate{kCoronaFirstYear, 1, 1}) + row);
}

int CoronaValue(const CoronaData& data, int row, int sector) {
  if (row < 0 || row >= data.DayCount() || sector < 1 || sector > kCoronaSectors) return 0;
  return data.CoronaDays[static_cast<std::size_t>(row) * kCoronaRowBytes + 5 +
                         static_cast<std::size_t>(sector)];
}

CoronaRowSpan CoronaRowsOfRotation(int rotation) {
  return {static_cast<int>(RotationDates(rotation).CoronaDayIndex),
          static_cast<int>(RotationDates(rotation + 1).CoronaDayIndex)};
}

std::vector<CoronaRotationMeans> CoronaMeansByRotation(const CoronaData& data) {
  std::vector<CoronaRotationMeans> rotations;
  const int rows = data.DayCount();
  if (rows == 0) return rotations;
  // The rotation under way on the first loaded day: step back from one that starts after it.
  int rotation = kCoronaFirstRowRotationEstimate;
  while (CoronaRowsOfRotation(rotation).First > 0) --rotation;
  while (CoronaRowsOfRotation(rotation).End <= 0) ++rotation;
  for (;; ++rotation) {
    const CoronaRowSpan span = CoronaRowsOfRotation(rotation);
    const int first = std::max(span.First, 0);
    const int end = std::min(span.End, rows);
    if (first >= rows) break;
    if (end <= first) continue;
    CoronaRotationMeans entry;
    entry.Rotation = rotation;
    for (int j = 1; j <= kCoronaSectors; ++j) {
      int sum = 0;
      for (int row = first; row < end; ++row) sum += CoronaValue(data, row, j);
      entry.Means[static_cast<std::size_t>(j - 1)] = sum / (end - first);
    }
    rotations.push_back(entry);
  }
  return rotations;
}

int CoronaBandGrey(const std::array<int, 72>& means, int band) {
  const int v =
      means[static_cast<std::size_t>(band - 1)] + means[static_cast<std::size_t>(72 - band)];
  return std::max(0, 255 - v);
}

int CoronaGraphFirstRow(int position) {
  return static_cast<int>(Round((position - 1) * kCoronaRotationDays));
}

std::vector<int> CoronaGraphRows(const CoronaData& data, int firstRow, int sector) {
  const int rowShift = sector > 36 ? 14 : 0;
  std::vector<int> rows;
  for (int d = 1; d <= 100; ++d) {
    const int row = firstRow + d + rowShift;
    if (row < 0 || row >= data.DayCount()) break;
    rows.push_back(row);
  }
  return rows;
}

std::vector<CoronaGraphPoint> CoronaGraphSector(const CoronaData& data, int firstRow, int sector) {
  const int base = (sector > 36 ? 200 : 100) + 5 * sector;
  std::vector<CoronaGraphPoint> points;
  const std::vector<int> rows = CoronaGraphRows(data, firstRow, sector);
  for (std::size_t i = 0; i < rows.size(); ++i)
    points.push_back(
        {10 * static_cast<int>(i + 1) + 10, base - CoronaValue(data, rows[i], sector) / 2});
  if (points.empty()) return points;
  points.push_back({points.back().X, base});
  points.push_back({20, base});
  return points;
}

int CoronaGraphMaxPosition(const CoronaData& data) {
  return std::max(1, static_cast<int>(Trunc(data.DayCount() / kCoronaRotationDays)));
}

bool CoronaUnderlayAvailable(const CoronaData& data, std::int64_t dayIndex) {
  return dayIndex >= 0 && dayIndex < data.CoronaByteCount / kCoronaRowBytes - 27;
}

}  // namespace ardeno
