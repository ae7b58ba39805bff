// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing's orientation on the canonical picture: the north-south line the observer draws
// through the centre and past the limb at both ends (unlike the lines of a grid, which end at the
// limb), and its north end, the one with a letter, an arrowhead or a tick beyond the limb.
#include <opencv2/core.hpp>
#include <optional>

namespace ardeno::vision {

struct DrawnAxis {
  double Direction = 0;     // degrees clockwise from the canonical picture's up, 0..360
  bool NorthKnown = false;  // false: the line was found but neither end is marked
};

// `canonical`: the evened picture in the canonical frame.
std::optional<DrawnAxis> FindDrawnAxis(const cv::Mat& canonical);

}  // namespace ardeno::vision
