// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics curves of the butterfly diagram: the mean latitude of the groups per rotation,
// its smoothed course, and the yearly boundaries of activity as step curves.
#include <array>
#include <vector>

#include "core/butterfly/butterfly_scale.h"
#include "core/groups/rotation_statistics.h"
#include "core/text/dates.h"

namespace ardeno {

// A curve broken where a rotation has no value: each run is joined point to point.
using CurveRuns = std::vector<std::vector<CurvePoint>>;

struct LatitudeCurves {
  CurveRuns North;
  CurveRuns South;
};

// The mean latitudes of rotation indices 1..count; a rotation without groups of a hemisphere has
// no mean there, and the curve a gap. The curves begin at their first point.
LatitudeCurves MeanLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale);
// The smoothed latitudes of rotation indices 3..count - 3 that have one.
LatitudeCurves SmoothedLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale);

// Rotations per year index and the rotation length the first year's offset is counted in.
inline constexpr double kRotationsPerYear = 13.4;
inline constexpr double kBoundaryRotationDays = 27.276;

// The four step curves of the yearly boundaries, in drawing order: highest north, most southern,
// lowest north, south nearest the equator. Each starts at the left axis on the equator and, per
// year index 1..100, rises or falls at the year's start and runs level to its end.
std::array<std::vector<CurvePoint>, 4> BoundaryCurves(const RotationStatistics& stats,
                                                      const CalendarDate& firstDate,
                                                      const ButterflyScale& scale);

}  // namespace ardeno
