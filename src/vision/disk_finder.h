// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawn disk: the pencil circle found among all the ink (text, spots, grid, a broken or
// thick line), fitted as an ellipse, and the transform that takes the picture onto the canonical
// frame where the disk is a circle of a fixed radius about a fixed centre.
#include <opencv2/core.hpp>
#include <optional>

namespace ardeno::vision {

inline constexpr double kCanonicalRadius = 600;
inline constexpr int kCanonicalSize = 1720;  // room for the axis and its "N" beyond the limb
inline constexpr double kCanonicalCentre = kCanonicalSize / 2.0;

struct DiskFrame {
  cv::Matx33d ToCanonical;  // picture pixel -> canonical pixel
  double StrokeWidth = 0;   // of the pencil circle, canonical pixels
  int LimbPoints = 0;       // places on the circle where the line was found
};

// `even` and `ink` as from EvenLight (ink: pixels below kInkLevel, 255); `perspective` takes the
// picture to one where the sheet's edges are parallel (identity when unknown).
std::optional<DiskFrame> FindDisk(const cv::Mat& even, const cv::Mat& ink,
                                  const cv::Matx33d& perspective);

// The picture in the canonical frame.
cv::Mat ToCanonicalFrame(const cv::Mat& picture, const cv::Matx33d& toCanonical, int fill);

cv::Point2d Apply(const cv::Matx33d& h, const cv::Point2d& p);

}  // namespace ardeno::vision
