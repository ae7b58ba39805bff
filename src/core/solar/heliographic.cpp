// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/heliographic.h"

#include <algorithm>
#include <cmath>
#include "core/solar/angles.h"

namespace ardeno {

namespace {

constexpr double kStandardRadiusSquared = 15625;  // 125 mm squared
constexpr double kInverseStandardRadius = 0.008;  // 1 / 125 mm
constexpr float kPixelToDistance10 = 5;           // tenths of a millimetre per pixel

}  // namespace

DiskOrientation::DiskOrientation(const SolarEphemeris& eph) : EphP(eph.EphP), EphL0(eph.EphL0) {
  const double b0 = kPi * eph.EphB0 / 180;
  SinB0 = std::sin(b0);
  CosB0 = std::cos(b0);
}

HeliographicPosition PolarToHeliographic(const DiskOrientation& disk, double angle10,
                                         double distance10) {
  // A damaged record can hold a distance past the limb; the group is taken on the limb rather
  // than letting the square root below go negative.
  distance10 = std::clamp(distance10, -kStandardRadius10, kStandardRadius10);

  const double sinB0 = disk.SinB0;
  const double cosB0 = disk.CosB0;
  const double theta = (0.1 * angle10 - disk.EphP) * kPi / 180;
  const double y = std::cos(theta) * distance10 * 0.1;
  const double x = std::sin(theta) * distance10 * 0.1;
  const double z = std::sqrt(kStandardRadiusSquared - (0.1 * distance10) * (0.1 * distance10));

  // The angle is taken in its own quadrant: near the limb the depth below can turn negative
  // (the limb point lies past the meridian plane tilted by B0), and a plain arctangent would
  // then put the point on the opposite limb. The side of the axis (x) decides east or west;
  // where the depth is positive the value is the plain arctangent as it always was. So the
  // distance passes 90 degrees for a limb point behind that plane.
  const double depth = cosB0 * z - sinB0 * y;

  double angle;
  if (depth > 0) {
    angle = std::atan(x / depth);
  } else if (depth < 0) {
    angle = std::atan(x / depth) + (x < 0 ? -kPi : kPi);
  } else {
    // On the limb at the meridian plane: a quarter turn to the side of x; on the axis itself
    // (the pole with an untilted axis) the central meridian.
    angle = x > 0 ? kPi / 2 : (x < 0 ? -kPi / 2 : 0);
  }

  HeliographicPosition position;
  position.CentralMeridianDistance = angle * kPositionRadToDeg;
  // Rounding can lift the sine of the latitude a hair past 1 at the poles.
  const double s = std::clamp((sinB0 * z + cosB0 * y) * kInverseStandardRadius, -1.0, 1.0);
  position.HelioLatitude = std::atan(s / std::sqrt(1 - s * s)) * kPositionRadToDeg;
  position.HelioLongitude = disk.EphL0 - position.CentralMeridianDistance;
  if (position.HelioLongitude > 360) position.HelioLongitude -= 360;
  if (position.HelioLongitude < 0) position.HelioLongitude += 360;
  return position;
}

PolarPosition HeliographicToPolar(const SolarEphemeris& eph, float l, float b,
                                  float drawingRadius) {
  const float br = static_cast<float>(kPi * b / 180);
  const float dl = static_cast<float>((360 - eph.EphL0 + l) * kPi / 180);
  const double b0 = kPi * eph.EphB0 / 180;
  const double radius = drawingRadius;

  const double x = radius * std::cos(br) * std::sin(dl);
  const double y =
      radius * std::sin(br) * std::cos(b0) - radius * std::cos(br) * std::sin(b0) * std::cos(dl);

  PolarPosition polar;
  polar.PolarDistance = std::sqrt(x * x + y * y);
  double a;
  if (y > 0) {
    a = std::atan(x / y);
  } else if (y < 0) {
    a = std::atan(x / y) + kPi;
  } else {
    // On the line through the centre across the projected axis: the limit of both branches,
    // a quarter turn towards the side of x (the centre itself keeps angle 0).
    a = x > 0 ? kPi / 2 : (x < 0 ? -kPi / 2 : 0);
  }
  polar.PolarAngle = 360 - a * 180 / kPi + eph.EphP;
  return polar;
}

bool IsOnVisibleHemisphere(const SolarEphemeris& eph, double l, double b) {
  // A limb point shown to 0.1 degree and typed back may lie that much behind the limb; it is
  // still the point on the limb that was drawn. Sine of 0.1 degree.
  constexpr double kLimbTolerance = 0.0017453;
  const double b0 = eph.EphB0 * kDegToRad;
  const double lat = b * kDegToRad;
  const double towardsEarth = std::cos(lat) * std::cos(b0) * std::cos((l - eph.EphL0) * kDegToRad) +
                              std::sin(lat) * std::sin(b0);
  return std::abs(b) <= kMaxHelioLatitude && towardsEarth >= -kLimbTolerance;
}

std::optional<HeliographicPosition> PixelToHeliographic(const SolarEphemeris& eph, float x,
                                                        float y) {
  const double r = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y) + 0.000001;
  if (r > kStandardDiskPixels) return std::nullopt;
  double a = std::acos(y / r) / kPi * 180;
  if (x < 0) a = 360 - a;
  return PolarToHeliographic(eph, a * 10, r * kPixelToDistance10);
}

}  // namespace ardeno
