// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_strips.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

StripScaleFactors StripFactors(StripVariant variant) {
  switch (variant) {
    case StripVariant::Long:
      return {4, 1.0 / 6, 6.0};
    case StripVariant::High:
      return {1, 8.0 / 3, 0.5};
    case StripVariant::Two:
      return {1, 4.0 / 3, 1.0};
  }
  return {1, 1, 1};
}

int StripScale(int clientWidth) {
  return std::max<int>(1, static_cast<int>(Round(clientWidth / 960.0)));
}
int StripPrintScale(int pageWidth) { return std::max(1, pageWidth / 550); }

int TwoMapsScale(int clientWidth, int clientHeight) {
  // The maps end at x = 480 k (longitude 0) and, with the longitude labels, at y = 248 k.
  return std::max(1, std::min((clientWidth - 10) / 490, clientHeight / 250));
}

int StripCount(StripVariant variant, int first, int lastRotation, int clientHeight, int k) {
  switch (variant) {
    case StripVariant::Long:
      return kLongMapRotations;
    case StripVariant::Two:
      return 2;
    case StripVariant::High:
      return std::max(0, std::min(lastRotation - first + 1, (clientHeight - 30) / (40 * k)));
  }
  return 0;
}

int StripLeft(StripVariant variant, int k, int strip) {
  switch (variant) {
    case StripVariant::Long:
      return 960 * k * strip / 16;
    case StripVariant::High:
      // The rotation numbers stand left of longitude 360; the grid, its labels and the groups
      // all start there.
      return kHighMapLeft * k;
    case StripVariant::Two:
      return 0;
  }
  return 0;
}

int StripBase(StripVariant variant, int k, int strip) {
  switch (variant) {
    case StripVariant::Long:
      return 350 * k / 2;
    case StripVariant::High:
      return (80 * strip + 60) * k / 2;
    case StripVariant::Two:
      return (240 * strip + 150) * k / 2;
  }
  return 0;
}

int StripX(StripVariant variant, int k, int strip, double longitude) {
  const StripScaleFactors f = StripFactors(variant);
  return StripLeft(variant, k, strip) +
         static_cast<int>(Round(960.0 * k / (1 << f.Shift) - longitude * f.Longitude * k / 2));
}

int StripY(StripVariant variant, int k, int strip, double latitude) {
  return StripBase(variant, k, strip) -
         static_cast<int>(Round(latitude * StripFactors(variant).Latitude)) * k / 2;
}

int StripRadiusScale(StripVariant variant, int k) {
  // The single map has 2 units of k/16 pixels per degree; the strip F1 k / 2 pixels.
  return std::max(1, static_cast<int>(Round(4 * StripFactors(variant).Longitude * k)));
}

std::vector<Strip> BuildStrips(const Database& db, const MapSightings& sightings,
                               StripVariant variant, int k, int first, int count,
                               int areaMultiple) {
  std::vector<Strip> strips;
  const int radiusScale = StripRadiusScale(variant, k);
  for (int i = 0; i < count; ++i) {
    Strip strip;
    strip.Rotation = first + i;
    const GroupMapStats stats =
        AccumulateGroups(sightings, RecordRangeOf(db, strip.Rotation), strip.Rotation, radiusScale);
    for (const GroupMapEntry& e : stats) {
      if (e.Group.Count == 0) continue;
      strip.Groups.push_back(
          {e.GroupNumber,
           {StripX(variant, k, i, e.MeanLongitude), StripY(variant, k, i, e.MeanLatitude),
            static_cast<int>(e.Group.R / e.Group.Count) * areaMultiple}});
    }
    strips.push_back(std::move(strip));
  }
  return strips;
}

}  // namespace ardeno
