// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/photo_geometry.h"

#include <cmath>

#include "core/solar/angles.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
// A click exactly level with the centre still has a direction: it is taken this far above.
constexpr double kLevelOffset = 0.2;
// Keeps the marked point off the picture's axes, so the arctangent below never divides by zero.
constexpr double kAxisOffset = 0.01;
}  // namespace

PhotoPoint PixelToDrawing(const PhotoCalibration& calibration, int px, int py) {
  const double dx = px - calibration.CentreX;
  double dy = calibration.CentreY - py;
  if (dy == 0) dy = kLevelOffset;
  PhotoPoint point;
  point.PixelDistance = std::sqrt(dx * dx + dy * dy);
  double a = std::atan(dx / dy) * 180 / kPi - calibration.Rotation;
  if (dy < 0) a += 180;
  if (dy > 0 && dx < 0) a += 360;
  if (a < 0) a += 360;
  if (a > 359.9) a -= 360;
  point.Angle = a;
  point.DistanceMm = point.PixelDistance * kPhotoStandardRadiusMm / calibration.Radius;
  point.AngleDegrees = static_cast<int>(Round(a));
  point.DistanceWhole = static_cast<int>(Trunc(point.DistanceMm));
  return point;
}

DrawingMm DrawingMmOf(const PhotoPoint& point) {
  const double angle = point.Angle * kPi / 180;
  return {point.DistanceMm * std::sin(angle), point.DistanceMm * std::cos(angle)};
}

PicturePoint DrawingToPixel(const PhotoCalibration& calibration, const DrawingMm& point) {
  // The direction clockwise from the picture's up is the position angle plus the north's turn.
  const double turn = std::atan2(point.X, point.Y) + calibration.Rotation * kPi / 180;
  const double pixels = std::hypot(point.X, point.Y) * calibration.Radius / kPhotoStandardRadiusMm;
  return {calibration.CentreX + pixels * std::sin(turn),
          calibration.CentreY - pixels * std::cos(turn)};
}

MarkedDirection DirectionFromCentre(int cx, int cy, int nx, int ny) {
  MarkedDirection direction;
  const double ddx = cx - nx;
  const double ddy = cy - ny;
  direction.Radius = static_cast<int>(Round(std::sqrt(ddx * ddx + ddy * ddy)));
  const double u = nx + kAxisOffset - cx;
  const double v = cy - (ny + kAxisOffset);
  if (u > 0 && v > 0)
    direction.Angle = std::atan(u / v) * kPositionRadToDeg;
  else if (u > 0 && v < 0)
    direction.Angle = 180 - std::atan(u / std::fabs(v)) * kPositionRadToDeg;
  else if (u < 0 && v > 0)
    direction.Angle = 360 - std::atan(-u / v) * kPositionRadToDeg;
  else
    direction.Angle = std::atan(u / v) * kPositionRadToDeg + 180;
  return direction;
}

PhotoCalibration CalibrateByNorth(int cx, int cy, int nx, int ny) {
  const MarkedDirection north = DirectionFromCentre(cx, cy, nx, ny);
  return {cx, cy, north.Radius, north.Angle};
}

PhotoCalibration CalibrateByAxis(int cx, int cy, int ax, int ay, const SolarEphemeris& eph) {
  const MarkedDirection axis = DirectionFromCentre(cx, cy, ax, ay);
  return {cx, cy, axis.Radius, axis.Angle - eph.EphP};
}

}  // namespace ardeno
