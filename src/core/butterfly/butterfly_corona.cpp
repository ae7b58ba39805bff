// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_corona.h"

#include "core/maps/corona_views.h"

namespace ardeno {

std::vector<CoronaColumn> CoronaColumns(const CoronaData& data) {
  std::vector<CoronaColumn> columns;
  for (const CoronaRotationMeans& rotation : CoronaMeansByRotation(data)) {
    CoronaColumn column;
    column.Rotation = rotation.Rotation;
    for (int j = 1; j <= kCoronaBands; ++j)
      column.Greys[static_cast<std::size_t>(j - 1)] =
          static_cast<std::uint8_t>(CoronaBandGrey(rotation.Means, j));
    columns.push_back(column);
  }
  return columns;
}

std::vector<CoronaBandMark> PlaceCoronaBands(const std::vector<CoronaColumn>& columns,
                                             const ButterflyScale& scale, VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int h = scale.HeightScale;
  std::vector<CoronaBandMark> bands;
  for (const CoronaColumn& column : columns) {
    const int x = RotationX(scale, column.Rotation);
    const int right = x + t - t / 2 + 1;
    if (!visible.Holds(x, right)) continue;
    for (int j = 1; j <= kCoronaBands; ++j) {
      const int y = scale.EquatorY + (5 * j - 90) * h + h / 2;
      bands.push_back({{x, y, right, y - 5 * h}, column.Greys[static_cast<std::size_t>(j - 1)]});
    }
  }
  return bands;
}

}  // namespace ardeno
