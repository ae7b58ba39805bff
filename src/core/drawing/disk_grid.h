// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid drawn on the disk: latitude circles every 10 degrees from -40 to +40 over the visible
// hemisphere, and the zero Carrington meridian when it faces the observer. Points are in
// reference units of the drawing frame (disk centre 280, 280, radius 250).
#include <vector>

#include "core/drawing/drawing_scale.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

// Nine polylines (latitudes -40..40), each of 181 points for central-meridian distances -90..90.
std::vector<std::vector<RefPoint>> LatitudeCircles(const SolarEphemeris& eph, int mirrorX,
                                                   int mirrorY);

// Latitudes -83..83 along Carrington longitude 0 (167 points); empty when that meridian lies on
// the far side (cos L0 < 0).
std::vector<RefPoint> ZeroMeridian(const SolarEphemeris& eph, int mirrorX, int mirrorY);

}  // namespace ardeno
