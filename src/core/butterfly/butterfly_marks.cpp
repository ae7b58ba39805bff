#include "core/butterfly/butterfly_marks.h"

#include <array>

#include "core/groups/table_bounds.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kLeftAxisX = 50;

// Sum of the pixel latitudes of a group's sightings in one rotation and their number.
struct LatitudeSum {
  int Sum = 0;
  int Count = 0;
};

using RotationRow = std::array<LatitudeSum, kMaxRotationGroupNumber + 1>;

// x of rotation index k (1-based) of the statistics: x0 + k T - S.
int CurveX(const RotationStatistics& stats, const ButterflyScale& s, int k) {
  const int x0 = (stats.FirstRotation - s.StartRotation - 1) * s.TimeFactor + kLeftAxisX;
  return x0 + k * s.TimeFactor - s.ScrollX;
}

int CurveY(const ButterflyScale& s, float latitude) {
  return s.EquatorY - static_cast<int>(Trunc(s.HeightScale * static_cast<double>(latitude)));
}

}  // namespace

std::vector<MarkRect> GroupMarks(const Database& db, const RecordPositions& positions,
                                 const ButterflyScale& scale) {
  std::vector<MarkRect> marks;
  if (db.RecordCount < 1 || positions.Count() < db.RecordCount) return marks;
  const int firstRotation = db.Record(1).Rotation();
  std::vector<RotationRow> rows(kButterflyMarkRotations);
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (record.IsSpecial() || !positions.Record(i).HasDate) continue;
    const int r = record.Rotation() - firstRotation + 1;
    if (r < 1 || r > kButterflyMarkRotations) continue;
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      const int g = record.RotationGroupNumber(k);
      if (g < 1 || g > kMaxRotationGroupNumber) continue;
      LatitudeSum& cell = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(g)];
      cell.Sum += static_cast<int>(Trunc(scale.HeightScale * groups[static_cast<std::size_t>(k - 1)].HelioLatitude));
      cell.Count += 1;
    }
  }
  const int t = scale.TimeFactor;
  for (int r = 1; r <= kButterflyMarkRotations; ++r) {
    const int x = t * (firstRotation - scale.StartRotation + r - 1) + kLeftAxisX - scale.ScrollX;
    for (int g = 1; g <= kMaxRotationGroupNumber; ++g) {
      const LatitudeSum& cell = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(g)];
      if (cell.Count == 0) continue;
      const int m = cell.Sum / cell.Count;  // integer division, towards zero
      marks.push_back({x, scale.EquatorY + scale.HeightScale / 2 - m, x + t - t / 2 + 1,
                       scale.EquatorY - 2 - m});
    }
  }
  return marks;
}

LatitudeCurves MeanLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale) {
  LatitudeCurves curves;
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    const int x = CurveX(stats, scale, k);
    curves.North.push_back({x, CurveY(scale, stats.At(k).MeanNorth)});
    curves.South.push_back({x, CurveY(scale, stats.At(k).MeanSouth)});
  }
  return curves;
}

LatitudeCurves SmoothedLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale) {
  LatitudeCurves curves;
  for (int k = 3; k <= stats.RotationStatsCount() - 3; ++k) {
    const int x = CurveX(stats, scale, k);
    curves.North.push_back({x, CurveY(scale, stats.SmoothedAt(k).North)});
    curves.South.push_back({x, CurveY(scale, stats.SmoothedAt(k).South)});
  }
  return curves;
}

}  // namespace ardeno
