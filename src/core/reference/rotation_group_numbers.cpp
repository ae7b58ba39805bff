// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/rotation_group_numbers.h"

#include <algorithm>
#include <cmath>

#include "core/solar/heliographic.h"

namespace ardeno {

namespace {
// Sightings of one region a day apart differ by about 0.04 rotation; a region number seen again
// half a rotation later is a new passage (a returning group).
constexpr double kSamePassage = 0.5;
constexpr double kDegreesPerRotation = 360.0;
}  // namespace

double PassageRotation(const SolarEphemeris& eph, double carringtonLongitude) {
  // Longitude relative to L0 in (-180, 180]: east of the meridian the group has yet to pass.
  double ahead = std::fmod(eph.EphL0 - carringtonLongitude, kDegreesPerRotation);
  if (ahead > 180) ahead -= kDegreesPerRotation;
  if (ahead <= -180) ahead += kDegreesPerRotation;
  return eph.RotationNumber + (kDegreesPerRotation - eph.EphL0 + ahead) / kDegreesPerRotation;
}

void RotationGroupNumbers::Learn(const ObservationRecord& record) {
  const auto eph = RecordEphemeris(record);
  if (!eph) return;
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const int number = record.RotationGroupNumber(k);
    const int region = record.GroupNumber(k);
    if (region == 0 || number < 1 || number > kMaxRotationGroupNumber) continue;
    const auto place = PolarToHeliographic(*eph, record.Angle10(k), record.Distance10(k));
    Remember(region, PassageRotation(*eph, place.HelioLongitude), number);
  }
}

std::uint16_t RotationGroupNumbers::NumberFor(int region, double passage) {
  if (region <= 0) return 0;
  for (const Assigned& seen : m_byRegion[region])
    if (std::fabs(seen.Passage - passage) < kSamePassage) {
      // A group drawn right at longitude 0/360 is placed in the rotations on both sides of the
      // seam: its number is taken in both, so that no other group of either gets it.
      int& highest = m_highestInRotation[static_cast<long>(std::floor(passage))];
      highest = std::max(highest, seen.Number);
      return static_cast<std::uint16_t>(seen.Number);
    }
  const int number = m_highestInRotation[static_cast<long>(std::floor(passage))] + 1;
  if (number > kMaxRotationGroupNumber) return 0;
  Remember(region, passage, number);
  return static_cast<std::uint16_t>(number);
}

void RotationGroupNumbers::Remember(int region, double passage, int number) {
  m_byRegion[region].push_back({passage, number});
  int& highest = m_highestInRotation[static_cast<long>(std::floor(passage))];
  highest = std::max(highest, number);
}

}  // namespace ardeno
