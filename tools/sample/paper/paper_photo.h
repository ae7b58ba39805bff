// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawn sheet photographed with a phone on a table (turned, scaled, seen at up to 15 degrees,
// blurred, noisy, unevenly lit, a shadow across, saved as a JPEG of quality 60) or scanned, with
// where the disk, its north and each spot ended up on the picture.
#include <opencv2/core.hpp>
#include <vector>

#include "paper/paper_drawing.h"
#include "sample/sample_random.h"

namespace ardeno::paper {

struct PhotoTruth {
  double CentreX = 0, CentreY = 0, Radius = 0;
  double North = 0;                // degrees clockwise from the picture's up
  std::vector<cv::Point2d> Spots;  // picture pixels, in the order of the drawing's spots
};

struct Photo {
  std::vector<unsigned char> Jpeg;
  PhotoTruth Truth;
};

enum class Capture { Phone, Scanner };

// `longSide`: pixels of the picture's longer side (4000 for a 12-megapixel phone photo).
Photo Photograph(const PaperDrawing& drawing, Capture capture, int longSide, SampleRandom& random);

}  // namespace ardeno::paper
