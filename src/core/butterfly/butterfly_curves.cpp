// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_curves.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kBoundaryCurveYears = 100;

// x of rotation index k (1-based) of the statistics: x0 + k T - S.
int CurveX(const RotationStatistics& stats, const ButterflyScale& s, int k) {
  const int x0 = (stats.FirstRotation - s.StartRotation - 1) * s.TimeFactor + kButterflyLeftAxisX;
  return x0 + k * s.TimeFactor - s.ScrollX;
}

int CurveY(const ButterflyScale& s, double latitude) {
  return s.EquatorY - static_cast<int>(Trunc(s.HeightScale * latitude));
}

// Adds the point of a rotation that has a value, or ends the run at one that has none.
void Extend(CurveRuns& runs, bool& open, bool has, CurvePoint point) {
  if (!has) {
    open = false;
    return;
  }
  if (!open) runs.emplace_back();
  runs.back().push_back(point);
  open = true;
}

}  // namespace

LatitudeCurves MeanLatitudeCurves(const RotationStatistics& stats, const ButterflyScale& scale) {
  LatitudeCurves curves;
  bool northOpen = false;
  bool southOpen = false;
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    const int x = CurveX(stats, scale, k);
    const RotationStats& entry = stats.At(k);
    Extend(curves.North, northOpen, entry.SightingsNorth > 0, {x, CurveY(scale, entry.MeanNorth)});
    Extend(curves.South, southOpen, entry.SightingsSouth > 0, {x, CurveY(scale, entry.MeanSouth)});
  }
  return curves;
}

LatitudeCurves SmoothedLatitudeCurves(const RotationStatistics& stats,
                                      const ButterflyScale& scale) {
  LatitudeCurves curves;
  bool northOpen = false;
  bool southOpen = false;
  for (int k = 3; k <= stats.RotationStatsCount() - 3; ++k) {
    const int x = CurveX(stats, scale, k);
    const SmoothedLatitudes& smoothed = stats.SmoothedAt(k);
    Extend(curves.North, northOpen, smoothed.HasNorth, {x, CurveY(scale, smoothed.North)});
    Extend(curves.South, southOpen, smoothed.HasSouth, {x, CurveY(scale, smoothed.South)});
  }
  return curves;
}

std::array<std::vector<CurvePoint>, 4> BoundaryCurves(const RotationStatistics& stats,
                                                      const CalendarDate& firstDate,
                                                      const ButterflyScale& scale) {
  const int t = scale.TimeFactor;
  const double daysIntoYear =
      static_cast<double>(DaySerial(firstDate) - DaySerial({firstDate.Year, 1, 1}));
  const double elapsed = static_cast<double>(Round(daysIntoYear / kBoundaryRotationDays) - 1);
  const int x1 =
      (stats.FirstRotation - scale.StartRotation) * t + kButterflyLeftAxisX - t - scale.ScrollX;
  auto yearStart = [&](int y) {
    return x1 + static_cast<int>(Trunc(((y - 1) * kRotationsPerYear - elapsed) * t));
  };
  // A century at least, years after the last one with groups along the equator; a longer
  // database to its last year.
  const int years = std::max(kBoundaryCurveYears, stats.YearCount());
  auto value = [&](int curve, int y) {
    if (y > stats.YearCount()) return 0.0f;
    const YearBounds& b = stats.YearAt(y);
    switch (curve) {
      case 0:
        return b.HighestNorth;
      case 1:
        return b.MostSouthern;
      case 2:
        return b.LowestNorth;
      default:
        return b.SouthNearestEquator;
    }
  };
  std::array<std::vector<CurvePoint>, 4> curves;
  for (int c = 0; c < 4; ++c) {
    std::vector<CurvePoint>& points = curves[static_cast<std::size_t>(c)];
    points.reserve(static_cast<std::size_t>(3 * years + 1));
    int previous = scale.EquatorY;
    points.push_back({kButterflyLeftAxisX - scale.ScrollX, previous});
    for (int y = 1; y <= years; ++y) {
      const int level =
          scale.EquatorY -
          static_cast<int>(Trunc(scale.HeightScale * static_cast<double>(value(c, y))));
      const int start = yearStart(y);
      points.push_back({start, previous});
      points.push_back({start, level});
      points.push_back({yearStart(y + 1), level});
      previous = level;
    }
  }
  return curves;
}

}  // namespace ardeno
