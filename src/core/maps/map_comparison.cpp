// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_comparison.h"

#include <algorithm>

#include "core/maps/map_rotation.h"

namespace ardeno {

bool SpotsOffered(ComparisonHalf half) { return half == ComparisonHalf::Upper; }

int ComparisonShift(int position) {
  return std::clamp(position, 0, kComparisonShiftPositions) - kComparisonNoShiftPosition;
}

int ComparisonRotation(int mapRotation, ComparisonHalf half, int shift) {
  return half == ComparisonHalf::Upper ? mapRotation : mapRotation + shift;
}

std::string ComparisonShiftText(int shift) {
  return shift > 0 ? "+" + std::to_string(shift) : std::to_string(shift);
}

ComparisonHalfFrame ComparisonFrame(ComparisonHalf half, int clientHeight) {
  ComparisonHalfFrame frame;
  const int upper = std::max(0, clientHeight) / 2;
  frame.Top = half == ComparisonHalf::Upper ? 0 : upper;
  frame.Height = half == ComparisonHalf::Upper ? upper : std::max(0, clientHeight) - upper;
  // The smaller half decides, so that both maps have the same size.
  frame.K = std::max(1, upper * 16 / kComparisonHalfUnits);
  return frame;
}

std::string ComparisonDatesText(int rotation) {
  const MapRotationDates dates = RotationDates(rotation);
  return FormatDate(dates.Start) + " - " + FormatDate(dates.End);
}

}  // namespace ardeno
