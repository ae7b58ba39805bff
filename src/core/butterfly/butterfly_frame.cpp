// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_frame.h"

#include <algorithm>

namespace ardeno {

namespace {

constexpr int kTenthGrey = 180;
constexpr int kRotationGrey = 220;
constexpr int kHundredGrey = 150;
constexpr int kLabelColumn = 30;

}  // namespace

ButterflyFrame BuildButterflyFrame(const ButterflyScale& scale, int scrollRange,
                                   VisibleColumns visible) {
  ButterflyFrame frame;
  const int t = scale.TimeFactor;
  const int d = 10 * scale.HeightScale;
  const int top = scale.EquatorY - 9 * d;
  const int bottom = scale.EquatorY + 9 * d;
  const int origin = kButterflyLeftAxisX - scale.ScrollX;
  // Grid and rotation numbers reach the end of the scroll range, however long the data are.
  const int reach = std::max(0, scrollRange - kButterflyLeftAxisX);
  auto vertical = [&](int x, int grey) {
    if (visible.Holds(x, x)) frame.Lines.push_back({x, top, x, bottom, grey});
  };
  if (t == 4) {
    const int last = std::max(80, reach / (10 * t));
    for (int k = 1; k <= last; ++k) vertical(k * 10 * t + origin, kTenthGrey);
  } else if (t >= 8) {
    // Only the lines within the picture: at T = 16 the grid has 3200 of them.
    const int first = std::max(1, (visible.Left - origin) / t);
    const int last = std::min(std::max(t * 200, reach / t), (visible.Right - origin) / t + 1);
    for (int k = first; k <= last; ++k)
      vertical(k * t + origin, k % 10 == 0 ? kTenthGrey : kRotationGrey);
  }
  frame.Lines.push_back({origin, top, origin, bottom, 0});
  const int hundreds = std::max(20, reach / (100 * t));
  for (int k = 1; k <= hundreds; ++k) {
    const int x = k * 100 * t + origin;
    if (!visible.Holds(x, x + 40)) continue;
    frame.Lines.push_back({x, top, x, bottom, kHundredGrey});
    frame.Labels.push_back({x, bottom + 10, std::to_string(k * 100 + scale.StartRotation)});
  }
  for (int latitude = 90; latitude >= -90; latitude -= 10) {
    const int y = scale.EquatorY - latitude * scale.HeightScale;
    frame.Lines.push_back({origin, y, scrollRange - scale.ScrollX, y, kHundredGrey});
    frame.Labels.push_back({kLabelColumn - scale.ScrollX, y - 5, std::to_string(latitude)});
  }
  return frame;
}

std::vector<FrameLabel> LeftEdgeLatitudeLabels(const ButterflyScale& scale) {
  std::vector<FrameLabel> labels;
  for (int latitude = 90; latitude >= -90; latitude -= 10)
    labels.push_back({kLabelColumn, scale.EquatorY - latitude * scale.HeightScale - 5,
                      std::to_string(latitude)});
  return labels;
}

}  // namespace ardeno
