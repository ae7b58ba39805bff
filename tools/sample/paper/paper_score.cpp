// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/paper_score.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "core/photo/spot_groups.h"

namespace ardeno::paper {
namespace {

struct Centre {
  double Latitude = 0, Meridian = 0;
  int Spots = 0;
};

std::vector<Centre> TruthCentres(const PaperDrawing& drawing, const SolarEphemeris& eph) {
  std::vector<Centre> centres(static_cast<std::size_t>(drawing.Groups));
  std::vector<double> weights(centres.size(), 0);
  for (const TruthSpot& spot : drawing.Spots) {
    const SpotOnSun onSun = PlaceSpotOnSun(eph, {spot.X, spot.Y, spot.AreaMm2, -1});
    auto& c = centres[static_cast<std::size_t>(spot.Group)];
    const double w = std::max(onSun.HemisphereMillionths, 1e-6);
    c.Latitude += w * onSun.Latitude;
    c.Meridian += w * onSun.MeridianDistEast;
    c.Spots += 1;
    weights[static_cast<std::size_t>(spot.Group)] += w;
  }
  std::vector<Centre> drawn;
  for (std::size_t g = 0; g < centres.size(); ++g) {
    if (centres[g].Spots == 0) continue;
    centres[g].Latitude /= weights[g];
    centres[g].Meridian /= weights[g];
    drawn.push_back(centres[g]);
  }
  return drawn;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(
      std::min<double>(values.size() - 1, std::floor(share * values.size())));
  return values[at];
}

}  // namespace

DrawingScore ScoreReading(const PaperDrawing& drawing, const PhotoTruth& truth,
                          const vision::DrawingReading& reading, const SolarEphemeris& eph) {
  DrawingScore score;
  score.TruthSpots = static_cast<int>(drawing.Spots.size());
  const std::vector<Centre> centres = TruthCentres(drawing, eph);
  score.TruthGroups = static_cast<int>(centres.size());
  for (const TruthSpot& spot : drawing.Spots)
    score.TruthArea += PlaceSpotOnSun(eph, {spot.X, spot.Y, spot.AreaMm2, -1}).HemisphereMillionths;
  score.DiskFound = reading.Outcome != vision::ReadingOutcome::NoDisk;
  if (!score.DiskFound) return score;
  score.CentreError = std::hypot(reading.CentreX - truth.CentreX, reading.CentreY - truth.CentreY);
  score.RadiusError = std::fabs(reading.Radius - truth.Radius);
  if (reading.Outcome != vision::ReadingOutcome::Read) return score;
  if (reading.NorthFromDrawing)
    score.NorthError = std::fabs(std::remainder(reading.North - truth.North, 360.0));
  score.FoundSpots = static_cast<int>(reading.Spots.size());
  score.FoundGroups = static_cast<int>(reading.Groups.size());
  for (const ProposedGroup& group : reading.Groups) score.FoundArea += group.AreaHemisphere;

  // Spots matched nearest first, within 1.5 mm of the drawing.
  const double tolerance = 1.5 * truth.Radius / kDiskRadiusMm;
  std::vector<bool> used(reading.Spots.size(), false);
  struct Pair {
    double Distance;
    std::size_t Truth, Found;
  };
  std::vector<Pair> pairs;
  for (std::size_t t = 0; t < truth.Spots.size(); ++t)
    for (std::size_t f = 0; f < reading.Spots.size(); ++f) {
      const double d = std::hypot(truth.Spots[t].x - reading.Spots[f].PictureX,
                                  truth.Spots[t].y - reading.Spots[f].PictureY);
      if (d < tolerance) pairs.push_back({d, t, f});
    }
  std::sort(pairs.begin(), pairs.end(), [](auto& a, auto& b) { return a.Distance < b.Distance; });
  std::vector<bool> truthUsed(truth.Spots.size(), false);
  const std::vector<int> foundGroup = GroupOfEachSpot(reading.Groups, reading.Spots.size());
  // Drawn group -> found groups of its spots, and found group -> drawn groups of its spots.
  std::vector<std::set<int>> drawnInto(static_cast<std::size_t>(drawing.Groups));
  std::vector<std::set<int>> foundFrom(reading.Groups.size() + 1);
  for (const Pair& p : pairs) {
    if (truthUsed[p.Truth] || used[p.Found]) continue;
    truthUsed[p.Truth] = used[p.Found] = true;
    ++score.MatchedSpots;
    const int drawn = drawing.Spots[p.Truth].Group, found = foundGroup[p.Found];
    drawnInto[static_cast<std::size_t>(drawn)].insert(found);
    foundFrom[static_cast<std::size_t>(found)].insert(drawn);
  }
  for (const std::set<int>& into : drawnInto) {
    score.SplitGroups += into.size() > 1;
    score.LostGroups += into.empty();
  }
  for (std::size_t g = 1; g < foundFrom.size(); ++g) {
    score.JoinedGroups += foundFrom[g].size() > 1;
    score.FalseGroups += foundFrom[g].empty();
  }

  // Groups matched nearest first, within 5 degrees.
  std::vector<bool> groupUsed(reading.Groups.size(), false);
  std::vector<bool> centreUsed(centres.size(), false);
  struct GroupPair {
    double Distance;
    std::size_t Truth, Found;
  };
  std::vector<GroupPair> groupPairs;
  for (std::size_t t = 0; t < centres.size(); ++t)
    for (std::size_t f = 0; f < reading.Groups.size(); ++f) {
      const double d = std::hypot(centres[t].Latitude - reading.Groups[f].Latitude,
                                  centres[t].Meridian - reading.Groups[f].MeridianDistEast);
      if (d < 5) groupPairs.push_back({d, t, f});
    }
  std::sort(groupPairs.begin(), groupPairs.end(),
            [](auto& a, auto& b) { return a.Distance < b.Distance; });
  for (const GroupPair& p : groupPairs) {
    if (centreUsed[p.Truth] || groupUsed[p.Found]) continue;
    centreUsed[p.Truth] = groupUsed[p.Found] = true;
    ++score.MatchedGroups;
    const ProposedGroup& found = reading.Groups[p.Found];
    score.LatitudeErrors.push_back(std::fabs(found.Latitude - centres[p.Truth].Latitude));
    score.MeridianErrors.push_back(std::fabs(found.MeridianDistEast - centres[p.Truth].Meridian));
    if (found.SpotCount == centres[p.Truth].Spots) ++score.GroupsWithExactSpots;
  }
  return score;
}

std::string ScoreLine(const DrawingScore& s) {
  char line[200];
  if (!s.DiskFound) return "no disk";
  std::snprintf(line, sizeof line,
                "north %s spots %d/%d found %d groups %d/%d joined %d split %d false %d lost %d "
                "exact %d",
                s.NorthError ? std::to_string(*s.NorthError).c_str() : "-", s.MatchedSpots,
                s.TruthSpots, s.FoundSpots, s.FoundGroups, s.TruthGroups, s.JoinedGroups,
                s.SplitGroups, s.FalseGroups, s.LostGroups, s.GroupsWithExactSpots);
  return line;
}

std::string SummaryTable(const std::vector<DrawingScore>& scores, double secondsPerDrawing) {
  int drawings = 0, disks = 0, exactCount = 0, truthSpots = 0, found = 0, matched = 0;
  int truthGroups = 0, exactSpots = 0, northDrawings = 0, northGood = 0;
  std::vector<double> latitude, meridian, centre;
  double truthArea = 0, foundArea = 0;
  for (const DrawingScore& s : scores) {
    ++drawings;
    disks += s.DiskFound;
    if (s.DiskFound) centre.push_back(s.CentreError);
    exactCount += s.DiskFound && s.FoundGroups == s.TruthGroups;
    truthSpots += s.TruthSpots;
    found += s.FoundSpots;
    matched += s.MatchedSpots;
    truthGroups += s.TruthGroups;
    exactSpots += s.GroupsWithExactSpots;
    ++northDrawings;
    northGood += s.NorthError && *s.NorthError <= 2;
    latitude.insert(latitude.end(), s.LatitudeErrors.begin(), s.LatitudeErrors.end());
    meridian.insert(meridian.end(), s.MeridianErrors.begin(), s.MeridianErrors.end());
    truthArea += s.TruthArea;
    foundArea += s.FoundArea;
  }
  const auto percent = [](double part, double whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", whole > 0 ? 100 * part / whole : 0.0);
    return std::string(text);
  };
  const auto degrees = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f deg", value);
    return std::string(text);
  };
  std::string table = "| Measure | Goal | Measured |\n|---|---|---|\n";
  const auto row = [&](const std::string& name, const std::string& goal, const std::string& value) {
    table += "| " + name + " | " + goal + " | " + value + " |\n";
  };
  row("Drawings", ">= 200", std::to_string(drawings));
  row("Disk found", "", percent(disks, drawings));
  row("Spots found", ">= 97 %", percent(matched, truthSpots));
  row("False spots", "<= 3 %", percent(found - matched, found));
  row("Group count exact", ">= 90 % of drawings", percent(exactCount, drawings));
  row("Latitude error, median", "<= 0.5 deg", degrees(Percentile(latitude, 0.5)));
  row("Latitude error, 95th percentile", "<= 1.5 deg", degrees(Percentile(latitude, 0.95)));
  row("CMD error, median", "<= 0.5 deg", degrees(Percentile(meridian, 0.5)));
  row("CMD error, 95th percentile", "<= 1.5 deg", degrees(Percentile(meridian, 0.95)));
  row("Spot count exact", ">= 85 % of groups", percent(exactSpots, truthGroups));
  row("North within 2 deg", ">= 95 % of drawings", percent(northGood, northDrawings));
  char text[64];
  std::snprintf(text, sizeof text, "%.2f px", Percentile(centre, 0.5));
  row("Disk centre error, median", "", text);
  row("Area found / drawn", "", percent(foundArea, truthArea));
  std::snprintf(text, sizeof text, "%.2f s", secondsPerDrawing);
  row("Time per drawing (12-megapixel photo, decoding included)", "< 1 s", text);
  return table;
}

}  // namespace ardeno::paper
