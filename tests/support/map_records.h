// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records for the map tests: a dated drawing whose stored Rotation and CentralL0 come from the
// ephemeris, with groups placed at chosen heliographic places.
#include <cmath>
#include <cstdint>

#include "core/data/database.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"

namespace ardeno::test {

inline ObservationRecord MapRecord(const CalendarDate& date, std::uint16_t timeUT = 1200) {
  ObservationRecord r;
  r.SetDate(FormatDate(date));
  r.SetTimeUT(timeUT);
  const SolarEphemeris eph = Ephemeris(date, timeUT);
  r.SetRotation(static_cast<std::uint16_t>(eph.RotationNumber));
  r.SetCentralL0(static_cast<std::uint16_t>(Round(eph.EphL0)));
  return r;
}

struct DrawingPlace {
  std::uint16_t Angle10;
  std::uint16_t Distance10;
};

// The drawing position of longitude l, latitude b on the record's date.
inline DrawingPlace PlaceOn(const ObservationRecord& r, double l, double b) {
  const SolarEphemeris eph = *RecordEphemeris(r);
  const PolarPosition p =
      HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(b), kDefaultDrawingRadius);
  const double angle = std::fmod(std::fmod(p.PolarAngle, 360) + 360, 360);
  return {static_cast<std::uint16_t>(Round(angle * 10)),
          static_cast<std::uint16_t>(Round(p.PolarDistance * 10))};
}

// Appends group `number` of the rotation at (l, b) with an area; returns its slot.
inline int AddGroup(ObservationRecord& r, int number, double l, double b, std::uint16_t area) {
  const int k = r.GroupCount() + 1;
  r.SetGroupCount(k);
  const DrawingPlace p = PlaceOn(r, l, b);
  r.SetGroupType(k, "Dao");
  r.SetSpotCount(k, 5);
  r.SetAngle10(k, p.Angle10);
  r.SetDistance10(k, p.Distance10);
  r.SetArea(k, area);
  r.SetRotationGroupNumber(k, static_cast<std::uint16_t>(number));
  return k;
}

// Position word of an auxiliary spot at (l, b): whole degrees * 128 + millimetres.
inline std::uint16_t AuxWord(const ObservationRecord& r, double l, double b) {
  const DrawingPlace p = PlaceOn(r, l, b);
  return static_cast<std::uint16_t>(Round(p.Angle10 / 10.0) % 360 * 128 +
                                    Round(p.Distance10 / 10.0));
}

}  // namespace ardeno::test
