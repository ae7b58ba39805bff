// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet under the drawing: its light evened out (a photo's uneven light and shadow), the ink
// on it, and, when the whole sheet is in the picture, the perspective its edges show.
#include <array>
#include <opencv2/core.hpp>
#include <optional>

namespace ardeno::vision {

// Each pixel divided by the paper's local brightness (dark lines taken out first): about 1 on
// paper, less on pencil, as 8 bits scaled by 200 (200 = the paper's own brightness).
cv::Mat EvenLight(const cv::Mat& gray);

inline constexpr int kPaperLevel = 200;
// Pencil is darker than this on the evened picture.
inline constexpr int kInkLevel = 150;

// The sheet of paper as a mask (pixels of the paper, the table around it excluded), or nothing
// when the sheet fills the picture or cannot be told from its surroundings.
struct Sheet {
  cv::Mat Mask;
  // The four corners, when the sheet's edges are straight enough to show the perspective and
  // sharp as paper's (not the soft edge of a shadow across the sheet).
  std::optional<std::array<cv::Point2d, 4>> Corners;
};
std::optional<Sheet> FindSheet(const cv::Mat& gray);

// The projective part of a picture of a flat sheet: the transform that makes the sheet's
// opposite edges parallel again (an affine transform is left: the disk's ellipse removes it).
// Identity when the edges are already parallel.
cv::Matx33d RemovePerspective(const std::array<cv::Point2d, 4>& corners, cv::Size picture);

}  // namespace ardeno::vision
