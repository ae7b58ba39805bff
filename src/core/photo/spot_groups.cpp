// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/spot_groups.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

#include "core/data/group_types.h"
#include "core/solar/angles.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

constexpr double kDrawingRadiusMm = 125.0;
constexpr double kDiskAreaMm2 = kPi * kDrawingRadiusMm * kDrawingRadiusMm;
// Near the limb the foreshortening correction divides by almost nothing; a spot drawn on the limb
// is taken as seen at this cosine.
constexpr double kLeastForeshortening = 0.05;

// Proposed class measures: a group narrower than this with a penumbra is unipolar (H); the
// bipolar classes with penumbrae at both ends are D, E or F by their extent; the largest
// penumbra decides rudimentary, small or large.
constexpr double kUnipolarExtent = 3.0;
constexpr double kClassDExtent = 10.0;
constexpr double kClassEExtent = 15.0;
constexpr double kRudimentaryPenumbra = 15.0;  // millionths of the hemisphere
constexpr double kSmallPenumbra = 240.0;       // a spot of 2.5 degrees across
constexpr int kCompactSpots = 10;
constexpr int kMeansRounds = 20;

// Union-find over the spots.
int Root(std::vector<int>& parent, int i) {
  while (parent[i] != i) i = parent[i] = parent[parent[i]];
  return i;
}

double SunDistance(const SpotOnSun& a, const SpotOnSun& b) {
  const double la = a.Latitude * kDegToRad, lb = b.Latitude * kDegToRad;
  const double dl = (a.MeridianDistEast - b.MeridianDistEast) * kDegToRad;
  const double c = std::sin(la) * std::sin(lb) + std::cos(la) * std::cos(lb) * std::cos(dl);
  return std::acos(std::clamp(c, -1.0, 1.0)) / kDegToRad;
}

std::uint16_t AuxPosition(const DrawingSpot& spot) {
  double angle = std::atan2(spot.X, spot.Y) / kDegToRad;
  if (angle < 0) angle += 360;
  const double distance = std::min(124.0, std::hypot(spot.X, spot.Y));
  return static_cast<std::uint16_t>(Trunc(angle) % 360 * 128 + Trunc(distance));
}

double DiskMillionths(const DrawingSpot& spot) { return spot.AreaMm2 / kDiskAreaMm2 * 1e6; }

struct SunPoint {
  double U = 0, V = 0;
};

// The part of each point by k-means begun from `middles` (one part each): the same points and
// beginnings always part the same way.
std::vector<int> KMeansParts(const std::vector<SunPoint>& at, std::vector<SunPoint> middles) {
  const auto distance = [](const SunPoint& a, const SunPoint& b) {
    return std::hypot(a.U - b.U, a.V - b.V);
  };
  const int k = static_cast<int>(middles.size());
  std::vector<int> part(at.size(), 0);
  for (int round = 0; round < kMeansRounds; ++round) {
    for (std::size_t j = 0; j < at.size(); ++j)
      for (int q = 0; q < k; ++q)
        if (distance(at[j], middles[q]) < distance(at[j], middles[part[j]])) part[j] = q;
    for (int q = 0; q < k; ++q) {
      SunPoint sum;
      int n = 0;
      for (std::size_t j = 0; j < at.size(); ++j)
        if (part[j] == q) {
          sum.U += at[j].U;
          sum.V += at[j].V;
          ++n;
        }
      if (n > 0) middles[q] = {sum.U / n, sum.V / n};
    }
  }
  return part;
}

// The chains of `labels` parted where their spots leave a gap in latitude (the rule in the header);
// each part is labelled by one of its own spots, so labels stay apart.
void SplitByLatitudeGap(const std::vector<DrawingSpot>& spots, const std::vector<SpotOnSun>& onSun,
                        std::vector<int>& labels) {
  std::map<int, std::vector<int>> chains;
  for (std::size_t i = 0; i < labels.size(); ++i) chains[labels[i]].push_back(static_cast<int>(i));
  std::vector<std::vector<int>> toLook;
  for (auto& chain : chains) toLook.push_back(std::move(chain.second));
  while (!toLook.empty()) {
    std::vector<int> chain = std::move(toLook.back());
    toLook.pop_back();
    const int n = static_cast<int>(chain.size());
    if (n < 2 * kLeastSpotsBesideGap) continue;
    std::sort(chain.begin(), chain.end(),
              [&](int a, int b) { return onSun[a].Latitude < onSun[b].Latitude; });
    double widest = 0;
    int at = 0;
    for (int k = kLeastSpotsBesideGap; k + kLeastSpotsBesideGap <= n; ++k) {
      const double gap = onSun[chain[k]].Latitude - onSun[chain[k - 1]].Latitude;
      if (gap > widest) {
        widest = gap;
        at = k;
      }
    }
    if (widest < kGroupLatitudeGap) continue;
    const std::vector<int> south(chain.begin(), chain.begin() + at);
    const std::vector<int> north(chain.begin() + at, chain.end());
    const auto sharesPenumbra = [&](int a, int b) {
      return spots[a].Penumbra >= 0 && spots[a].Penumbra == spots[b].Penumbra;
    };
    bool parted = false;
    for (int a : south)
      for (int b : north) parted = parted || sharesPenumbra(a, b);
    if (parted) continue;
    for (int i : south) labels[static_cast<std::size_t>(i)] = south.front();
    for (int i : north) labels[static_cast<std::size_t>(i)] = north.front();
    toLook.push_back(south);
    toLook.push_back(north);
  }
}

// A place in units of the rule's reach, so that a degree of latitude weighs as the rule weighs it.
SunPoint InReach(const SpotOnSun& place) {
  return {place.MeridianDistEast * std::cos(place.Latitude * kDegToRad) / kGroupReachLongitude,
          place.Latitude / kGroupReachLatitude};
}

double ReachDistance(const SpotOnSun& a, const SpotOnSun& b) {
  const SunPoint p = InReach(a), q = InReach(b);
  return std::hypot(p.U - q.U, p.V - q.V);
}

// The chain `label` parted by k-means begun at `beginnings` (in reach units), the umbrae of one
// penumbra kept in the part of the first of them; nothing is done when a part would keep fewer
// than `leastSpots` spots. Each part is labelled by one of its own spots.
void PartChain(const std::vector<DrawingSpot>& spots, const std::vector<SpotOnSun>& onSun,
               int label, const std::vector<SunPoint>& beginnings, int leastSpots,
               std::vector<int>& labels) {
  std::vector<int> chain;
  std::vector<SunPoint> at;
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] == label) {
      chain.push_back(static_cast<int>(i));
      at.push_back(InReach(onSun[i]));
    }
  std::vector<int> part = KMeansParts(at, beginnings);
  const int k = static_cast<int>(beginnings.size());
  std::map<int, int> partOfPenumbra;
  std::vector<int> size(static_cast<std::size_t>(k), 0);
  for (std::size_t j = 0; j < chain.size(); ++j) {
    const int penumbra = spots[chain[j]].Penumbra;
    if (penumbra >= 0) part[j] = partOfPenumbra.emplace(penumbra, part[j]).first->second;
    ++size[part[j]];
  }
  if (*std::min_element(size.begin(), size.end()) < leastSpots) return;
  std::vector<int> first(static_cast<std::size_t>(k), -1);
  for (std::size_t j = 0; j < chain.size(); ++j) {
    if (first[part[j]] < 0) first[part[j]] = chain[j];
    labels[static_cast<std::size_t>(chain[j])] = first[part[j]];
  }
}

// The chains of `labels` beside which two or more written numbers stand, parted into as many
// groups (the rule in the header).
void PartByWrittenNumbers(const std::vector<DrawingSpot>& spots,
                          const std::vector<SpotOnSun>& onSun,
                          const std::vector<WrittenNumber>& numbers, std::vector<int>& labels) {
  // Per chain, the spot nearest each number written beside it: the parts begin there. A number
  // about as near to another chain tells nothing.
  std::map<int, std::vector<int>> besideNumbers;
  for (const WrittenNumber& number : numbers) {
    std::map<int, std::pair<double, int>> nearestOfChain;  // label -> (mm, spot)
    for (std::size_t i = 0; i < spots.size(); ++i) {
      const double mm = std::hypot(spots[i].X - number.X, spots[i].Y - number.Y);
      auto [at, added] = nearestOfChain.emplace(labels[i], std::make_pair(mm, static_cast<int>(i)));
      if (!added && mm < at->second.first) at->second = {mm, static_cast<int>(i)};
    }
    std::optional<std::pair<double, int>> nearest;
    double second = 1e300;
    for (const auto& [label, candidate] : nearestOfChain) {
      if (!nearest || candidate.first < nearest->first) {
        if (nearest) second = nearest->first;
        nearest = candidate;
      } else {
        second = std::min(second, candidate.first);
      }
    }
    if (!nearest || nearest->first > kNumberReachMm ||
        second < kNumberOtherChainFarther * nearest->first)
      continue;
    std::vector<int>& beside = besideNumbers[labels[static_cast<std::size_t>(nearest->second)]];
    if (std::find(beside.begin(), beside.end(), nearest->second) == beside.end())
      beside.push_back(nearest->second);
  }
  for (const auto& [label, beside] : besideNumbers) {
    if (beside.size() < 2) continue;
    std::vector<SunPoint> beginnings;
    for (int i : beside) beginnings.push_back(InReach(onSun[static_cast<std::size_t>(i)]));
    // A part of fewer spots than a group beside a gap in latitude has is no group of its own: a
    // neighbour's number written nearer to this chain than to its own.
    PartChain(spots, onSun, label, beginnings, kLeastSpotsBesideGap, labels);
  }
}

// The chains of `labels` in which two or more groups of the previous drawing stand, parted into
// as many groups (the rule in the header).
void PartByExpectedGroups(const std::vector<DrawingSpot>& spots,
                          const std::vector<SpotOnSun>& onSun,
                          const std::vector<ExpectedGroup>& expected, std::vector<int>& labels) {
  std::map<int, std::vector<SunPoint>> expectedIn;
  for (const ExpectedGroup& group : expected) {
    SpotOnSun place;
    place.Latitude = group.Latitude;
    place.MeridianDistEast = group.MeridianDistEast;
    const auto nearest =
        std::min_element(onSun.begin(), onSun.end(), [&](const SpotOnSun& a, const SpotOnSun& b) {
          return ReachDistance(a, place) < ReachDistance(b, place);
        });
    if (nearest == onSun.end() || ReachDistance(*nearest, place) > 1) continue;
    expectedIn[labels[static_cast<std::size_t>(nearest - onSun.begin())]].push_back(InReach(place));
  }
  for (const auto& [label, beginnings] : expectedIn)
    if (beginnings.size() >= 2)
      PartChain(spots, onSun, label, beginnings, kLeastSpotsOfExpectedGroup, labels);
}

}  // namespace

SpotOnSun PlaceSpotOnSun(const SolarEphemeris& eph, const DrawingSpot& spot) {
  double angle = std::atan2(spot.X, spot.Y) / kDegToRad;
  if (angle < 0) angle += 360;
  const double rho = std::min(1.0, std::hypot(spot.X, spot.Y) / kDrawingRadiusMm);
  const HeliographicPosition place = PolarToHeliographic(eph, angle * 10, rho * kStandardRadius10);
  SpotOnSun onSun;
  onSun.Latitude = place.HelioLatitude;
  onSun.Longitude = place.HelioLongitude;
  onSun.MeridianDistEast = place.CentralMeridianDistance;
  onSun.DiskMillionths = DiskMillionths(spot);
  const double mu = std::max(kLeastForeshortening, std::sqrt(1 - rho * rho));
  onSun.HemisphereMillionths = onSun.DiskMillionths / (2 * mu);
  return onSun;
}

bool SpotsJoin(const SpotOnSun& a, const SpotOnSun& b) {
  const double meanLatitude = (a.Latitude + b.Latitude) / 2 * kDegToRad;
  const double dLongitude =
      (a.MeridianDistEast - b.MeridianDistEast) * std::cos(meanLatitude) / kGroupReachLongitude;
  const double dLatitude = (a.Latitude - b.Latitude) / kGroupReachLatitude;
  return dLongitude * dLongitude + dLatitude * dLatitude <= 1.0;
}

std::string ProposeGroupClass(const std::vector<SpotOnSun>& spots,
                              const std::vector<bool>& hasPenumbra, int penumbrae) {
  const int n = static_cast<int>(spots.size());
  if (n == 0) return std::string(GroupTypes[0]);
  double extent = 0;
  double west = spots[0].MeridianDistEast, east = west;
  for (int i = 0; i < n; ++i) {
    west = std::min(west, spots[i].MeridianDistEast);
    east = std::max(east, spots[i].MeridianDistEast);
    for (int j = i + 1; j < n; ++j) extent = std::max(extent, SunDistance(spots[i], spots[j]));
  }
  if (penumbrae == 0) return std::string(n == 1 ? "Axx" : (n >= 4 ? "Bxi" : "Bxo"));

  double largest = 0;
  bool westPenumbra = false, eastPenumbra = false, innerPenumbra = false;
  const double middle = (west + east) / 2, quarter = (east - west) / 4;
  for (int i = 0; i < n; ++i) {
    if (!hasPenumbra[i]) continue;
    largest = std::max(largest, spots[i].HemisphereMillionths);
    const double at = spots[i].MeridianDistEast;
    (at <= middle ? westPenumbra : eastPenumbra) = true;
    innerPenumbra = innerPenumbra || std::fabs(at - middle) < quarter;
  }
  const char penumbra =
      largest <= kRudimentaryPenumbra ? 'r' : (largest <= kSmallPenumbra ? 's' : 'k');
  std::string type;
  if (n == 1 || extent < kUnipolarExtent) {
    type = {'H', penumbra, 'x'};
  } else {
    const char zurich = !(westPenumbra && eastPenumbra) ? 'C'
                        : extent <= kClassDExtent       ? 'D'
                        : extent <= kClassEExtent       ? 'E'
                                                        : 'F';
    char spread = n >= 4 ? 'i' : 'o';
    if (zurich != 'C' && penumbra != 'r' && n >= kCompactSpots && innerPenumbra) spread = 'c';
    type = {zurich, penumbra, spread};
  }
  // Every combination above is a class of the table; the first class stands for any other.
  const bool known = std::find(GroupTypes.begin(), GroupTypes.end(), type) != GroupTypes.end();
  return known ? type : std::string(GroupTypes[0]);
}

std::vector<int> GroupLabelsByRule(const SolarEphemeris& eph, const std::vector<DrawingSpot>& spots,
                                   const std::vector<WrittenNumber>& numbers,
                                   const std::vector<ExpectedGroup>& expected) {
  const int n = static_cast<int>(spots.size());
  std::vector<SpotOnSun> onSun;
  onSun.reserve(spots.size());
  for (const DrawingSpot& spot : spots) onSun.push_back(PlaceSpotOnSun(eph, spot));
  std::vector<int> parent(spots.size());
  std::iota(parent.begin(), parent.end(), 0);
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j) {
      const bool samePenumbra = spots[i].Penumbra >= 0 && spots[i].Penumbra == spots[j].Penumbra;
      if (samePenumbra || SpotsJoin(onSun[i], onSun[j])) parent[Root(parent, i)] = Root(parent, j);
    }
  std::vector<int> labels(spots.size());
  for (int i = 0; i < n; ++i) labels[static_cast<std::size_t>(i)] = Root(parent, i);
  SplitByLatitudeGap(spots, onSun, labels);
  PartByWrittenNumbers(spots, onSun, numbers, labels);
  PartByExpectedGroups(spots, onSun, expected, labels);
  return labels;
}

std::vector<ProposedGroup> FormSpotGroups(const SolarEphemeris& eph,
                                          const std::vector<DrawingSpot>& spots,
                                          const std::vector<WrittenNumber>& numbers,
                                          const std::vector<ExpectedGroup>& expected) {
  return DescribeSpotGroups(eph, spots, GroupLabelsByRule(eph, spots, numbers, expected));
}

std::vector<ProposedGroup> DescribeSpotGroups(const SolarEphemeris& eph,
                                              const std::vector<DrawingSpot>& spots,
                                              const std::vector<int>& labels) {
  std::vector<SpotOnSun> onSun;
  onSun.reserve(spots.size());
  for (const DrawingSpot& spot : spots) onSun.push_back(PlaceSpotOnSun(eph, spot));
  std::map<int, std::vector<int>> members;
  for (std::size_t i = 0; i < spots.size() && i < labels.size(); ++i)
    members[labels[i]].push_back(static_cast<int>(i));

  std::vector<ProposedGroup> groups;
  for (auto& member : members) {
    std::vector<int>& group = member.second;
    std::sort(group.begin(), group.end(),
              [&](int a, int b) { return onSun[a].MeridianDistEast < onSun[b].MeridianDistEast; });
    ProposedGroup proposed;
    proposed.Spots = group;
    double weight = 0, latitude = 0, meridian = 0, disk = 0, hemisphere = 0;
    std::vector<int> penumbrae;
    std::vector<SpotOnSun> places;
    std::vector<bool> hasPenumbra;
    for (int i : group) {
      const double w = std::max(onSun[i].HemisphereMillionths, 1e-6);
      weight += w;
      latitude += w * onSun[i].Latitude;
      meridian += w * onSun[i].MeridianDistEast;
      disk += onSun[i].DiskMillionths;
      hemisphere += onSun[i].HemisphereMillionths;
      if (spots[i].Penumbra >= 0 &&
          std::find(penumbrae.begin(), penumbrae.end(), spots[i].Penumbra) == penumbrae.end())
        penumbrae.push_back(spots[i].Penumbra);
      places.push_back(onSun[i]);
      hasPenumbra.push_back(spots[i].Penumbra >= 0);
    }
    proposed.Latitude = latitude / weight;
    proposed.MeridianDistEast = meridian / weight;
    proposed.Longitude = std::fmod(eph.EphL0 - proposed.MeridianDistEast + 720.0, 360.0);
    const PolarPosition polar = HeliographicToPolar(eph, static_cast<float>(proposed.Longitude),
                                                    static_cast<float>(proposed.Latitude),
                                                    static_cast<float>(kDrawingRadiusMm));
    const double angle = std::fmod(std::fmod(polar.PolarAngle, 360.0) + 360.0, 360.0);
    proposed.Angle10 = static_cast<std::uint16_t>(Round(angle * 10) % 3600);
    proposed.Distance10 =
        static_cast<std::uint16_t>(std::min<std::int64_t>(1249, Round(polar.PolarDistance * 10)));

    int first = group.front(), last = group.back();
    for (std::size_t a = 0; a < group.size(); ++a)
      for (std::size_t b = a + 1; b < group.size(); ++b) {
        const double d = SunDistance(onSun[group[a]], onSun[group[b]]);
        if (d > proposed.ExtentDegrees) {
          proposed.ExtentDegrees = d;
          first = group[a];
          last = group[b];
        }
      }
    proposed.Aux1Position = AuxPosition(spots[first]);
    proposed.Aux1Area = static_cast<std::uint16_t>(Round(onSun[first].DiskMillionths));
    if (last != first) {
      proposed.Aux2Position = AuxPosition(spots[last]);
      proposed.Aux2Area = static_cast<std::uint16_t>(Round(onSun[last].DiskMillionths));
    }
    proposed.SpotCount = static_cast<int>(group.size());
    proposed.PenumbralCount = static_cast<int>(penumbrae.size());
    proposed.AreaDisk = static_cast<int>(Round(disk));
    proposed.AreaHemisphere = static_cast<int>(Round(hemisphere));
    proposed.ProposedClass = ProposeGroupClass(places, hasPenumbra, proposed.PenumbralCount);
    groups.push_back(std::move(proposed));
  }
  std::sort(groups.begin(), groups.end(), [](const ProposedGroup& a, const ProposedGroup& b) {
    return a.MeridianDistEast < b.MeridianDistEast;
  });
  return groups;
}

std::optional<std::size_t> SpotWithinReach(const std::vector<DrawingSpot>& spots, double x,
                                           double y) {
  for (std::size_t i = 0; i < spots.size(); ++i)
    if (std::hypot(spots[i].X - x, spots[i].Y - y) <= kSpotClickReachMm) return i;
  return std::nullopt;
}

DrawingSpot AddedSpot(double x, double y) { return {x, y, kAddedSpotAreaMm2, -1}; }

std::vector<int> GroupOfEachSpot(const std::vector<ProposedGroup>& groups, std::size_t spotCount) {
  std::vector<int> group(spotCount, 0);
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (const int spot : groups[g].Spots)
      if (spot >= 0 && static_cast<std::size_t>(spot) < spotCount)
        group[static_cast<std::size_t>(spot)] = static_cast<int>(g) + 1;
  return group;
}

}  // namespace ardeno
