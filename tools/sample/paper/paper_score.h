// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a reading of a photographed drawing matches what was drawn: spots found and false,
// groups, their places and spot counts, the north direction; summed over many drawings.
#include <optional>
#include <string>
#include <vector>

#include "core/solar/ephemeris.h"
#include "paper/paper_drawing.h"
#include "paper/paper_photo.h"
#include "vision/drawing_reader.h"

namespace ardeno::paper {

struct DrawingScore {
  bool DiskFound = false;
  double CentreError = 0, RadiusError = 0;  // picture pixels
  std::optional<double> NorthError;         // degrees; none when north was not found
  int TruthSpots = 0, FoundSpots = 0, MatchedSpots = 0;
  int TruthGroups = 0, FoundGroups = 0, MatchedGroups = 0, GroupsWithExactSpots = 0;
  std::vector<double> LatitudeErrors, MeridianErrors;  // degrees, per matched group
  double TruthArea = 0, FoundArea = 0;                 // hemisphere millionths, all groups
  // Why the group count is off: found groups holding spots of two or more drawn groups, drawn
  // groups whose spots went into two or more found groups, found groups of false spots alone,
  // drawn groups none of whose spots was found.
  int JoinedGroups = 0, SplitGroups = 0, FalseGroups = 0, LostGroups = 0;
};

DrawingScore ScoreReading(const PaperDrawing& drawing, const PhotoTruth& truth,
                          const vision::DrawingReading& reading, const SolarEphemeris& eph);

// One drawing's figures on one line, for finding the drawings worth looking at.
std::string ScoreLine(const DrawingScore& score);

// The table of the measured figures (Markdown), with the goals beside them.
std::string SummaryTable(const std::vector<DrawingScore>& scores, double secondsPerDrawing);

}  // namespace ardeno::paper
