// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solar ephemeris of the program: position angle P, disk-centre latitude B0, central-meridian
// Carrington longitude L0 and the Carrington rotation number for a date and a time in UT.
// A compact low-precision model; stored records (Rotation, CentralL0) and every derived table hold
// its values, so its constants, precision and order of operations must never change.
#include <cstdint>
#include <optional>

#include "core/data/observation_record.h"
#include "core/text/dates.h"

namespace ardeno {

// Julian date minus 2400000 of 0 h UT of a Gregorian date (1.1.2000 gives 51544.5), in single
// precision as the graphs and tables place it on their time axes.
float DayNumber(int year, int month, int day);

struct SolarEphemeris {
  double EphP = 0;   // degrees, position angle of the north end of the rotation axis, east positive
  double EphB0 = 0;  // degrees, heliographic latitude of the disk centre
  double EphL0 = 0;  // degrees in [0, 360), Carrington longitude of the central meridian
  std::int32_t RotationNumber = 0;  // Carrington rotation
};

// timeUT is hours * 100 + minutes, as the record's TimeUT.
SolarEphemeris Ephemeris(const CalendarDate& date, std::uint16_t timeUT);

// The ephemeris of a record's Date and TimeUT; nothing when the date does not parse.
std::optional<SolarEphemeris> RecordEphemeris(const ObservationRecord& record);

}  // namespace ardeno
