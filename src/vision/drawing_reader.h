// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A photographed or scanned paper drawing read by itself: the disk, its north, every spot, and
// the groups proposed from them for the drawing's moment.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/photo/spot_groups.h"
#include "core/solar/ephemeris.h"
#include "vision/image_input.h"

namespace ardeno::vision {

enum class ReadingOutcome { Read, NoDisk, NoNorth };

struct ReadSpot {
  double PictureX = 0, PictureY = 0;  // pixels of the file's picture
  DrawingSpot OnDrawing;              // on the standard 125 mm drawing, north up
};

struct DrawingReading {
  ReadingOutcome Outcome = ReadingOutcome::NoDisk;
  // The disk in pixels of the file's picture, and the north direction in degrees clockwise from
  // the picture's up (as the north point marked by hand gives them).
  double CentreX = 0, CentreY = 0, Radius = 0;
  double North = 0;
  bool NorthFromDrawing = false;  // found on the drawing, not given
  std::vector<ReadSpot> Spots;
  std::vector<WrittenNumber> Numbers;  // the group numbers written on the disk
  std::vector<ProposedGroup> Groups;   // their Spots index Spots above
};

// Steps done, for a progress indication: 1 disk, 2 north, 3 spots, 4 groups.
using ReadingProgress = std::function<void(int step)>;
inline constexpr int kReadingSteps = 4;

// What the line drawn through the centre is: the north-south line, or the Sun's rotation axis
// (its marked end the Sun's north pole), P degrees from north at the drawing's moment.
enum class DrawnLine { NorthSouth, SolarAxis };

// `north`: the north direction given by the user (degrees clockwise from the picture's up),
// used instead of the drawn line. `expected`: the groups of the observer's previous drawing at
// this moment (ExpectedGroupsBefore), which part chains of spots as the rule describes.
DrawingReading ReadDrawing(const LoadedImage& image, const SolarEphemeris& eph,
                           std::optional<double> north, const ReadingProgress& progress = {},
                           DrawnLine drawn = DrawnLine::NorthSouth,
                           const std::vector<ExpectedGroup>& expected = {});

}  // namespace ardeno::vision
