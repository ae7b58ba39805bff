// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Carrington rotation count of the ephemeris by the synodic rate alone, and the model's time
// it runs on. Every stored Rotation and the maps' rotation dates depend on these digits.
#include <cstdint>

#include "core/text/dates.h"

namespace ardeno {

// Synodic rotation rate of the count, degrees a day.
inline constexpr double kSynodicRotationRate = 13.1985;
// Longitude of the count's start: rotation 1811 began this far (degrees at the synodic rate)
// after 1.1.1989, 0 h UT.
inline constexpr double kRotationCountOffset = 107.6;

// The model's time: days since 1.1.1989, 0 h UT, of a date and a time (hours * 100 + minutes).
double EphemerisDays(const CalendarDate& date, std::uint16_t timeUT);
// Carrington rotation by the synodic rate alone at model time t; the ephemeris corrects it near
// longitude 0 by re-reading it a day away.
std::int32_t SynodicRotation(double t);

}  // namespace ardeno
