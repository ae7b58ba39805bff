// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/group_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/solar/angles.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
constexpr float kStandardRadiusMm = 125.0f;
// The last tenth of a millimetre inside the limb: on the limb itself the correction for
// foreshortening has no finite value.
constexpr double kLastDistance10 = kStandardRadius10 - 1;
constexpr int kAreaSearchSteps = 4;
}  // namespace

double CarringtonLongitudeAt(const SolarEphemeris& epoch, double meridianDistanceWest) {
  double l = std::fmod(epoch.EphL0 + meridianDistanceWest, 360.0);
  if (l < 0) l += 360.0;
  return l;
}

DrawingPlace PlaceOnDrawing(const SolarEphemeris& eph, double carringtonLongitude,
                            double latitude) {
  const PolarPosition polar = HeliographicToPolar(eph, static_cast<float>(carringtonLongitude),
                                                  static_cast<float>(latitude), kStandardRadiusMm);
  double angle = std::fmod(polar.PolarAngle, 360.0);
  if (angle < 0) angle += 360.0;
  // Seen from the Earth the point lies behind the limb when its direction points away from us;
  // the projection would then mirror it into the disk, so it goes to the limb instead.
  const double b = latitude * kPi / 180, b0 = eph.EphB0 * kPi / 180;
  const double dl = (carringtonLongitude - eph.EphL0) * kPi / 180;
  const bool behind = std::sin(b) * std::sin(b0) + std::cos(b) * std::cos(b0) * std::cos(dl) < 0;
  double distance10 = behind ? kLastDistance10 : polar.PolarDistance * 10;
  distance10 = std::clamp(distance10, 0.0, kLastDistance10);
  DrawingPlace place;
  place.Angle10 = static_cast<std::uint16_t>(Round(angle * 10) % 3600);
  place.Distance10 = static_cast<std::uint16_t>(Round(distance10));
  return place;
}

std::uint16_t DiskAreaForCorrected(int correctedArea, const ObservationRecord& record, int k) {
  if (correctedArea <= 0) return 0;
  const double rho = record.Distance10(k) / kStandardRadius10 - 0.0001;
  const double exact = 2.0 * correctedArea * std::sqrt(std::max(0.0, 1 - rho * rho));
  const auto guess = static_cast<int>(Round(exact));
  int best = std::clamp(guess, 0, int{std::numeric_limits<std::uint16_t>::max()});
  int bestMiss = std::abs(HemisphereArea(best, record, k) - correctedArea);
  for (int step = 1; step <= kAreaSearchSteps && bestMiss > 0; ++step) {
    for (const int candidate : {guess - step, guess + step}) {
      if (candidate < 0 || candidate > std::numeric_limits<std::uint16_t>::max()) continue;
      const int miss = std::abs(HemisphereArea(candidate, record, k) - correctedArea);
      if (miss < bestMiss) {
        best = candidate;
        bestMiss = miss;
      }
    }
  }
  return static_cast<std::uint16_t>(best);
}

}  // namespace ardeno
