#include "core/maps/corona_views.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

CalendarDate CoronaRowDate(int row) {
  return DateFromSerial(DaySerial(CalendarDate{kCoronaFirstYear, 1, 1}) + row);
}

int CoronaValue(const CoronaData& data, int row, int sector) {
  if (row < 0 || row >= data.DayCount() || sector < 1 || sector > kCoronaSectors) return 0;
  return data.CoronaDays[static_cast<std::size_t>(row) * kCoronaRowBytes + 5 +
                         static_cast<std::size_t>(sector)];
}

int CoronaChunkLength(int n) {
  if (n == 0) return 27;
  return static_cast<int>(Trunc(n * kCoronaRotationDays) - Trunc((n - 1) * kCoronaRotationDays));
}

int CoronaChunkStart(int n) {
  return n == 0 ? 0 : 27 + static_cast<int>(Trunc((n - 1) * kCoronaRotationDays));
}

int CoronaChunkCount(const CoronaData& data) {
  if (data.DayCount() == 0) return 0;
  return static_cast<int>(
      Trunc(data.CoronaByteCount / (kCoronaRowBytes * kCoronaRotationDays) + 1));
}

std::array<int, 72> CoronaChunkMeans(const CoronaData& data, int n) {
  std::array<int, 72> means{};
  const int length = CoronaChunkLength(n);
  const int first = CoronaChunkStart(n) + length + 1;
  for (int j = 1; j <= kCoronaSectors; ++j) {
    int sum = 0;
    for (int row = first; row < first + length && row < data.DayCount(); ++row)
      sum += CoronaValue(data, row, j);
    means[static_cast<std::size_t>(j - 1)] = sum / length;
  }
  return means;
}

int CoronaBandGrey(const std::array<int, 72>& means, int band) {
  const int v =
      means[static_cast<std::size_t>(band - 1)] + means[static_cast<std::size_t>(72 - band)];
  return std::max(0, 255 - v);
}

int CoronaGraphFirstRow(int position) {
  return static_cast<int>(Round((position - 1) * kCoronaRotationDays));
}

std::vector<CoronaGraphPoint> CoronaGraphSector(const CoronaData& data, int firstRow, int sector) {
  const bool west = sector > 36;
  const int base = (west ? 200 : 100) + 5 * sector;
  const int rowShift = west ? 14 : 0;
  std::vector<CoronaGraphPoint> points;
  for (int d = 1; d <= 100; ++d) {
    const int row = firstRow + d + rowShift;
    if (row < 0 || row >= data.DayCount()) break;
    points.push_back({10 * d + 10, base - CoronaValue(data, row, sector) / 2});
  }
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
