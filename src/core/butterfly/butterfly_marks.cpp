// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_marks.h"

#include <algorithm>
#include <cmath>

#include "core/groups/table_bounds.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

struct LatitudeSum {
  int Sum = 0;
  int Count = 0;
};

// Integer part of 2b, the half degrees a facula vertex lies at.
int HalfDegrees(double latitude) { return static_cast<int>(Trunc(2 * latitude)); }

}  // namespace

ObservationSightings CollectObservationSightings(const Database& db,
                                                 const RecordPositions& positions) {
  ObservationSightings out;
  if (db.RecordCount < 1 || positions.Count() < db.RecordCount) return out;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const RecordPosition& where = positions.Record(i);
    if (record.IsSpecial() || !where.HasDate) continue;
    const int rotation = record.Rotation();
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      const int number = record.RotationGroupNumber(k);
      if (number < 1 || number > kMaxRotationGroupNumber) continue;
      out.Groups.push_back(
          {rotation, number, groups[static_cast<std::size_t>(k - 1)].HelioLatitude});
    }
    for (const FaculaOutline& outline : positions.FaculaeOf(i)) {
      const auto vertices = positions.VerticesOf(outline);
      if (vertices.empty()) continue;  // first vertex 0: no field
      FaculaSpan span;
      span.Rotation = rotation;
      span.Offset = 360 - where.Eph.EphL0 + vertices[0].CentralMeridianDistance;
      span.HalfDegreesMax = span.HalfDegreesMin = HalfDegrees(vertices[0].HelioLatitude);
      for (const HeliographicPosition& v : vertices) {
        span.HalfDegreesMax = std::max(span.HalfDegreesMax, HalfDegrees(v.HelioLatitude));
        span.HalfDegreesMin = std::min(span.HalfDegreesMin, HalfDegrees(v.HelioLatitude));
      }
      out.Faculae.push_back(span);
    }
  }
  return out;
}

std::vector<GroupMarkCell> ReduceGroupSightings(const ObservationSightings& sightings,
                                                int heightScale) {
  if (sightings.Groups.empty()) return {};
  // One row per rotation from the earliest sighting's to the latest's, so that no rotation of
  // the data is left out.
  const auto [earliest, latest] = std::minmax_element(
      sightings.Groups.begin(), sightings.Groups.end(),
      [](const GroupSighting& a, const GroupSighting& b) { return a.Rotation < b.Rotation; });
  const int firstRotation = earliest->Rotation;
  const int rows = latest->Rotation - firstRotation + 1;
  constexpr int kCells = kMaxRotationGroupNumber + 1;
  std::vector<LatitudeSum> table(static_cast<std::size_t>(rows) * kCells);
  for (const GroupSighting& s : sightings.Groups) {
    const int row = s.Rotation - firstRotation;
    LatitudeSum& cell =
        table[static_cast<std::size_t>(row) * kCells + static_cast<std::size_t>(s.Number)];
    cell.Sum += static_cast<int>(Trunc(heightScale * s.Latitude));
    cell.Count += 1;
  }
  std::vector<GroupMarkCell> cells;
  for (int row = 0; row < rows; ++row) {
    for (int g = 1; g < kCells; ++g) {
      const LatitudeSum& cell =
          table[static_cast<std::size_t>(row) * kCells + static_cast<std::size_t>(g)];
      if (cell.Count == 0) continue;
      cells.push_back({firstRotation + row, cell.Sum / cell.Count});  // towards zero
    }
  }
  return cells;
}

std::vector<MarkRect> PlaceGroupMarks(const std::vector<GroupMarkCell>& cells,
                                      const ButterflyScale& scale, VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int e = scale.EquatorY;
  std::vector<MarkRect> marks;
  marks.reserve(cells.size());
  for (const GroupMarkCell& cell : cells) {
    const int x = RotationX(scale, cell.Rotation);
    const int right = x + t - t / 2 + 1;
    if (!visible.Holds(x, right)) continue;
    const int m = cell.PixelLatitude;
    marks.push_back({x, e + scale.HeightScale / 2 - m, right, e - 2 - m});
  }
  return marks;
}

int FaculaSpanRotation(const FaculaSpan& f, int startRotation) {
  const double turns = (f.Offset + (f.Rotation - startRotation) * 360.0) / 360;
  return startRotation + static_cast<int>(Trunc(turns));
}

std::vector<MarkRect> PlaceOwnFaculae(const std::vector<FaculaSpan>& faculae,
                                      const ButterflyScale& scale, bool bars,
                                      VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int h = scale.HeightScale;
  const int twiceEquator = 2 * scale.EquatorY;
  std::vector<MarkRect> marks;
  marks.reserve(faculae.size());
  for (const FaculaSpan& f : faculae) {
    const int x = RotationX(scale, FaculaSpanRotation(f, scale.StartRotation));
    const int top = (twiceEquator - h * f.HalfDegreesMax) / 2;  // C++ division truncates
    const int bottom = (twiceEquator - h * f.HalfDegreesMin) / 2;
    const MarkRect mark =
        bars ? MarkRect{x, top, x + t - t / 2 + 1, bottom} : MarkRect{x - 1, top, x - 1, bottom};
    if (visible.Holds(mark.X1, mark.X2)) marks.push_back(mark);
  }
  return marks;
}

std::vector<MarkRect> GroupMarks(const Database& db, const RecordPositions& positions,
                                 const ButterflyScale& scale) {
  return PlaceGroupMarks(
      ReduceGroupSightings(CollectObservationSightings(db, positions), scale.HeightScale), scale);
}

}  // namespace ardeno
