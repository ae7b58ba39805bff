// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen geometry of a drawing on the standard canvas (disk of 250 pixels radius centred at
// pixel 280, 280): the circle that stands for each group, and the lens outline drawn between two
// points.
#include <array>

#include "core/data/observation_record.h"
#include "core/drawing/drawing_scale.h"

namespace ardeno {

// Top-left corner (X, Y) of the circle's bounding square and its radius R, in pixels.
struct GroupCircle {
  int X = 0;
  int Y = 0;
  int R = 0;
};

// Entry k - 1 belongs to group k; entries past GroupCount stay zero. mirrorX / mirrorY are +1 or
// -1 and flip the drawing left-right / top-bottom.
std::array<GroupCircle, 40> ComputeGroupCircles(const ObservationRecord& record, int mirrorX,
                                                int mirrorY);

struct LensPoint {
  int X = 0;
  int Y = 0;
};

// The lens outline, 100 units long along x, closed (first point = last point).
std::array<LensPoint, 13> InitLensShape();

// The outline stretched from (x1, y1) towards (x2, y2); the caller draws it as a polygon.
std::array<LensPoint, 13> PlaceLens(const std::array<LensPoint, 13>& shape, int x1, int y1, int x2,
                                    int y2);

}  // namespace ardeno
