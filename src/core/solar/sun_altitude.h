// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How high the Sun stands above a station's horizon at a moment given in UT: the plausibility
// check of a drawing's time (a local time typed as UT puts the Sun below the horizon of an
// early or late drawing).
#include <cstdint>
#include "core/text/dates.h"

namespace ardeno {

// Altitude of the Sun's centre in degrees (geometric, without refraction) for a station at
// `latitude` (north positive) and `longitude` (east positive), degrees; timeUT is hours * 100 +
// minutes. The low-precision solar coordinates of the Astronomical Almanac (good to about 0.01
// degree from 1950 to 2050, a few hundredths within the centuries around).
double SunAltitude(const CalendarDate& date, std::uint16_t timeUT, double latitude,
                   double longitude);

// The Sun's upper limb touches the horizon when its centre is this far below it (refraction and
// semi-diameter): above it the Sun can be drawn.
inline constexpr double kSunriseAltitude = -0.833;

}  // namespace ardeno
