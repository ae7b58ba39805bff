// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/differential_rotation.h"

#include <cmath>

#include "core/solar/angles.h"

namespace ardeno {

namespace {

// Microradians per second in degrees per day.
constexpr double kMicroradianPerSecond = 1e-6 * 86400.0 / kDegToRad;
constexpr double kRateA = 2.894;
constexpr double kRateB = -0.428;
constexpr double kRateC = -0.370;

}  // namespace

double SiderealRotationRate(double latitude) {
  const double s = std::sin(latitude * kDegToRad);
  const double s2 = s * s;
  return (kRateA + kRateB * s2 + kRateC * s2 * s2) * kMicroradianPerSecond;
}

double RotatedLongitude(double longitude, double latitude, double days) {
  const double l = longitude - (SiderealRotationRate(latitude) - kCarringtonRate) * days;
  const double wrapped = std::fmod(l, 360.0);
  return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

double Separation(double l1, double b1, double l2, double b2) {
  const double dl = std::remainder(l1 - l2, 360.0) * std::cos((b1 + b2) / 2 * kDegToRad);
  return std::hypot(dl, b1 - b2);
}

}  // namespace ardeno
