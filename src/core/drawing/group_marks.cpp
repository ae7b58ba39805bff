// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/group_marks.h"

#include <algorithm>
#include <cmath>

#include "core/solar/angles.h"
#include "core/text/number_format.h"

namespace ardeno {

Rgb ClassColour(std::string_view groupType) {
  switch (groupType.empty() ? 'A' : groupType.front()) {
    case 'B':
      return {160, 160, 255};
    case 'C':
      return {255, 128, 128};
    case 'D':
      return {160, 255, 160};
    case 'E':
      return {255, 96, 0};
    case 'F':
      return {255, 0, 255};
    case 'G':
      return {255, 255, 0};
    case 'H':
      return {176, 0, 138};
    default:
      return {208, 208, 208};
  }
}

AuxSpotMark AuxSpot(std::uint16_t position, std::uint16_t area, int mirrorX, int mirrorY,
                    const DrawingScale& scale) {
  const int rho = std::max(1, scale.S(static_cast<int>(Trunc(std::sqrt(area * 0.3565) * 0.5))));
  const double a = (position / 128) * kRecordDegToRad;
  const int d = position % 128;
  return {static_cast<int>(Trunc(std::sin(a) * mirrorX * d * 2 + kCanvasCentre - rho)),
          static_cast<int>(Trunc(-std::cos(a) * mirrorY * d * 2 + kCanvasCentre - rho)), rho};
}

int ScaledCircleRadius(int referenceRadius, const DrawingScale& scale) {
  return std::max(1, scale.S(referenceRadius));
}

}  // namespace ardeno
