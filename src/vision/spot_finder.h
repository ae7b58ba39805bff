// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spots on the canonical picture: umbrae are filled dark blobs, thicker than any pencil line
// (so text, numbers, the grid, facular outlines and the axis drop out), and a penumbra is the
// small closed outline drawn around one or more of them.
#include <opencv2/core.hpp>
#include <vector>

namespace ardeno::vision {

struct FoundSpot {
  cv::Point2d Centre;    // canonical pixels
  double UmbraArea = 0;  // canonical pixels
  double Area = 0;       // the spot's share of its penumbra, or its umbra's area
  int Penumbra = -1;     // spots with the same number lie in one penumbra
};

// A written group number's digit is about 3.5 mm high: 17 canonical pixels at 4.8 to the
// millimetre, a few more turned; no piece of a written character is longer than this.
inline constexpr int kLargestCharacter = 26;

// The disk inside its drawn circle on the canonical picture, the circle's line left out: its
// radius (canonical pixels) and a mask of `size` (255 inside).
struct InsideCircle {
  double Radius = 0;
  cv::Mat Mask;
};
InsideCircle InsideTheCircle(cv::Size size, double strokeWidth);

// strokeWidth: the width of the pencil lines, canonical pixels (the disk's line).
std::vector<FoundSpot> FindSpots(const cv::Mat& canonical, double strokeWidth);

}  // namespace ardeno::vision
