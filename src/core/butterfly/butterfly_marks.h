#pragma once
// What the butterfly diagram draws, in its own pixel coordinates: the marks of the groups (one per
// group number and rotation, at the mean latitude of its sightings) and the per-rotation latitude
// curves. Computed from the positions cache and the rotation statistics when the data or the
// scale change; a paint only walks these lists.
#include <vector>

#include "core/data/database.h"
#include "core/groups/rotation_statistics.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// Rotations of marks after record 1's rotation that the diagram can hold.
inline constexpr int kButterflyMarkRotations = 1200;

// The diagram's scale and placement: T pixels per rotation, H pixels per degree, the y of the
// equator, the horizontal scroll position S and the rotation at the left axis (x = 50).
struct ButterflyScale {
  int TimeFactor = 1;    // T, 1..16
  int HeightScale = 3;   // H, 1..9
  int EquatorY = 0;
  int ScrollX = 0;       // S
  int StartRotation = 0;
};

// A filled rectangle between two corner points, as the diagram gives them.
struct MarkRect {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  bool operator==(const MarkRect&) const = default;
};

struct CurvePoint {
  int X = 0;
  int Y = 0;
  bool operator==(const CurvePoint&) const = default;
};

// One mark per group number 1..70 and rotation of the normal records, at the integer mean of
// trunc(H x latitude) over its sightings in that rotation.
std::vector<MarkRect> GroupMarks(const Database& db, const RecordPositions& positions,
                                 const ButterflyScale& scale);

struct LatitudeCurves {
  std::vector<CurvePoint> North;
  std::vector<CurvePoint> South;
};

// The mean latitudes of rotation indices 1..count; a rotation without groups of a hemisphere is
// at the equator.
LatitudeCurves MeanLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale);
// The smoothed latitudes of rotation indices 3..count - 3.
LatitudeCurves SmoothedLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale);

}  // namespace ardeno
