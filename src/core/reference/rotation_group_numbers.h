// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Group numbers within a Carrington rotation ("č.sk2.", 1..70) for imported groups. A group keeps
// the number it got when first seen for its whole passage across the disk; numbers count up per
// rotation of central-meridian passage, the rotation the butterfly diagram and the synoptic maps
// assign the group to.
#include <cstdint>
#include <map>
#include <vector>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

inline constexpr int kMaxRotationGroupNumber = 70;

// Carrington rotation, with its fraction, at which a group at this longitude crosses the central
// meridian, seen at the moment of `eph`; the fraction grows from 0 as L0 falls from 360.
double PassageRotation(const SolarEphemeris& eph, double carringtonLongitude);

class RotationGroupNumbers {
 public:
  // Learns the numbers groups of an existing record already carry (groups with a global and a
  // rotation number), so that an import continues the numbering instead of repeating it.
  void Learn(const ObservationRecord& record);
  // The number of the group `region` passing the central meridian at `passage`; 0 when the
  // rotation already has 70 numbered groups or the region has no number.
  std::uint16_t NumberFor(int region, double passage);

 private:
  struct Assigned {
    double Passage;
    int Number;
  };
  void Remember(int region, double passage, int number);

  std::map<int, std::vector<Assigned>> m_byRegion;
  std::map<long, int> m_highestInRotation;
};

}  // namespace ardeno
