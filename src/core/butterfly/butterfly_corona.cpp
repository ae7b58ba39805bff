#include "core/butterfly/butterfly_corona.h"

#include "core/maps/corona_views.h"

namespace ardeno {

std::vector<CoronaColumn> CoronaColumns(const CoronaData& data) {
  std::vector<CoronaColumn> columns;
  const int chunks = CoronaChunkCount(data);
  columns.reserve(static_cast<std::size_t>(chunks));
  for (int n = 0; n < chunks; ++n) {
    const auto means = CoronaChunkMeans(data, n);
    CoronaColumn column{};
    for (int j = 1; j <= kCoronaBands; ++j)
      column[static_cast<std::size_t>(j - 1)] = static_cast<std::uint8_t>(CoronaBandGrey(means, j));
    columns.push_back(column);
  }
  return columns;
}

std::vector<CoronaBandMark> PlaceCoronaBands(const std::vector<CoronaColumn>& columns,
                                             const ButterflyScale& scale, VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int h = scale.HeightScale;
  std::vector<CoronaBandMark> bands;
  for (std::size_t n = 0; n < columns.size(); ++n) {
    const int x = RotationX(scale, kCoronaFirstChunkRotation + static_cast<int>(n));
    const int right = x + t - t / 2 + 1;
    if (!visible.Holds(x, right)) continue;
    for (int j = 1; j <= kCoronaBands; ++j) {
      const int y = scale.EquatorY + (5 * j - 90) * h + h / 2;
      bands.push_back({{x, y, right, y - 5 * h}, columns[n][static_cast<std::size_t>(j - 1)]});
    }
  }
  return bands;
}

}  // namespace ardeno
