// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a sunspot group will be after some time: the Sun rotates faster at the equator than near
// the poles, so a group's Carrington longitude drifts by the difference between its own rate and
// the Carrington rate. The law is the one of Howard, Harvey and Snodgrass (1990, Solar Physics
// 130, 295), fitted to sunspot groups and small magnetic features:
// omega = A + B sin^2 b + C sin^4 b with A = 2.894, B = -0.428, C = -0.370 microradians per
// second (sidereal).

namespace ardeno {

// Sidereal rotation rate at heliographic latitude b (degrees), degrees per day.
double SiderealRotationRate(double latitude);

// The Carrington rotation's sidereal rate (360 degrees in 25.38 days), degrees per day.
inline constexpr double kCarringtonRate = 14.184397;

// Carrington longitude (0..360) of a group at `longitude`, `latitude` after `days` (negative
// for earlier); a group rotating faster than the Carrington frame moves to smaller longitudes.
double RotatedLongitude(double longitude, double latitude, double days);

// Degrees between two places on the Sun (Carrington longitude, latitude), near enough for the few
// degrees within which two sightings are taken for one group.
double Separation(double l1, double b1, double l2, double b2);

}  // namespace ardeno
