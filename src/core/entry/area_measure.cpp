// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/area_measure.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

namespace {
constexpr double kStandardRadiusMm = 125.0;
// The view doubles the photograph in each direction.
constexpr double kViewMagnification = 2.0;
}  // namespace

void PaintMask::PaintSquare(int x, int y, int size) {
  const int left = std::max(0, x - size / 2);
  const int top = std::max(0, y - size / 2);
  const int right = std::min(Side, x - size / 2 + size);
  const int bottom = std::min(Side, y - size / 2 + size);
  for (int row = top; row < bottom; ++row) {
    for (int col = left; col < right; ++col) Pixels[static_cast<std::size_t>(row * Side + col)] = 0;
  }
}

int CountPaintedPixels(const PaintMask& mask) {
  int count = 0;
  for (int row = 1; row < mask.Side; ++row) {
    for (int col = 1; col < mask.Side; ++col) {
      if (mask.Pixels[static_cast<std::size_t>(row * mask.Side + col)] < 255) ++count;
    }
  }
  return count;
}

double PaintedAreaMm2(int paintedPixels, double photoRadius) {
  if (!(photoRadius > 0.0)) return 0.0;
  const double mmPerPixel = kStandardRadiusMm / (kViewMagnification * photoRadius);
  return mmPerPixel * mmPerPixel * paintedPixels;
}

std::string FinalAreaText(double areaMm2) { return FormatFloat("0.0", areaMm2); }
std::string RunningAreaText(double areaMm2) { return FormatFloat("0.00", areaMm2); }

}  // namespace ardeno
