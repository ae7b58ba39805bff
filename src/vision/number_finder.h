// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The group numbers written on the disk beside the groups, found as pieces of thin pencil ink of
// a written character's size standing together; not read digit by digit: where a number stands
// is the clue that a group stands beside it.
#include <opencv2/core.hpp>
#include <vector>

#include "vision/spot_finder.h"

namespace ardeno::vision {

// The middle of each written number on the canonical picture (canonical pixels). `spots`: the
// spots found, whose umbrae and penumbra outlines are no writing.
std::vector<cv::Point2d> FindWrittenNumbers(const cv::Mat& canonical, double strokeWidth,
                                            const std::vector<FoundSpot>& spots);

}  // namespace ardeno::vision
