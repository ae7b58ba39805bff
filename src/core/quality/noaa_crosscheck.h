// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's drawings against NOAA's Solar Region Summaries: every region of the report
// nearest in time (valid within a day of the drawing) is rotated to the drawing's UT by the
// differential rotation of Howard, Harvey and Snodgrass (1990) and matched to the own groups,
// nearest first, one to one, within 5 degrees. An own group left over whose mirror image across
// the equator lies within 5 degrees of a region left over is that region drawn in the wrong
// hemisphere. Regions left over with at least 30 millionths that stood within 70 degrees of the
// central meridian are regions the observer should have seen.
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/reference/source_day.h"
#include "core/solar/record_positions.h"

namespace ardeno {

inline constexpr double kMatchDegrees = 5.0;
inline constexpr int kVisibleRegionArea = 30;         // millionths of the hemisphere
inline constexpr double kVisibleRegionMeridian = 70;  // degrees from the central meridian

struct CrossCheckResult {
  // A line per pair, hemisphere swap, lone group or missed region, in the language of the
  // interface.
  std::vector<std::string> Lines;
  int Drawings = 0;  // own drawings with a report valid within a day
  int Groups = 0;    // their own groups with a measured place
  int Matched = 0;
  double MedianAbsLatitude = 0;   // degrees, over the matched pairs
  double MedianAbsLongitude = 0;  // degrees
  int WrongHemisphere = 0;
  int MissedRegions = 0;
};

// `reports`: the NOAA days read (other sources are left out).
CrossCheckResult CrossCheck(const Database& db, const RecordPositions& positions,
                            const std::vector<SourceDay>& reports);

// "Shoda: M z N skupin; medián |Δb| X°, |Δl| Y°; opačná polokoule: H; chybějící oblasti: K"
std::string CrossCheckSummary(const CrossCheckResult& result);

}  // namespace ardeno
