// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of the butterfly diagram: the rotation grid (denser as T grows), the left axis, the
// hundreds of rotations with their numbers, and the latitude lines every 10 degrees with their
// labels, over the range +-90 degrees.
#include <string>
#include <vector>

#include "core/butterfly/butterfly_marks.h"

namespace ardeno {

struct FrameLine {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  int Grey = 0;  // pen RGB grey,grey,grey; 0 is black
};

// Text whose top left corner is at (X, Y).
struct FrameLabel {
  int X = 0;
  int Y = 0;
  std::string Text;
};

struct ButterflyFrame {
  std::vector<FrameLine> Lines;
  std::vector<FrameLabel> Labels;
};

// `scrollRange` is the horizontal scroll range: the latitude lines reach it.
ButterflyFrame BuildButterflyFrame(const ButterflyScale& scale, int scrollRange,
                                   VisibleColumns visible = {});

// The latitude labels written at the window's left edge whatever the scroll position.
std::vector<FrameLabel> LeftEdgeLatitudeLabels(const ButterflyScale& scale);

}  // namespace ardeno
