// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A record drawn on paper as an observer draws it (a pencil circle of 125 mm radius, the
// north-south line with its "N", every spot with its umbra and penumbra sized from the group's
// area and spread over the group's extent, group numbers and the date written beside, a grid or
// facular outlines on some), with the truth of what was drawn.
#include <opencv2/core.hpp>
#include <vector>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"
#include "sample/sample_random.h"

namespace ardeno::paper {

inline constexpr double kPixelsPerMm = 6;
inline constexpr double kSheetWidthMm = 300, kSheetHeightMm = 350;
inline constexpr double kDiskRadiusMm = 125;

struct TruthSpot {
  double X = 0, Y = 0;  // millimetres of the drawing, north up, x towards the position angle 90
  double AreaMm2 = 0;   // drawn: the penumbra's outline, or the umbra
  bool Penumbra = false;
  int Group = 0;  // 0-based
};

struct PaperDrawing {
  cv::Mat Sheet;  // 8-bit grey, kPixelsPerMm
  cv::Point2d CentreMm;
  double NorthOnSheet = 0;  // degrees clockwise from the sheet's up
  bool AxisDrawn = true;
  std::vector<TruthSpot> Spots;
  int Groups = 0;
};

// What goes on the sheet besides the disk and the spots.
struct PaperStyle {
  bool Axis = true;  // the north-south line with its mark
  // The line drawn is the Sun's rotation axis instead, P degrees from north, its north pole
  // marked.
  bool SolarAxis = false;
  double GridChance = 0.3;
  double FaculaChance = 0.5;
};

// Draws `record` (its date and time give the moment); every choice of the observer's hand comes
// from `random`.
PaperDrawing DrawOnPaper(const ObservationRecord& record, const SolarEphemeris& eph,
                         SampleRandom& random, const PaperStyle& style = {});

}  // namespace ardeno::paper
