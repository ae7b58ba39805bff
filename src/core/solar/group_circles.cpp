// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/group_circles.h"

#include <cmath>

#include "core/solar/angles.h"
#include "core/solar/day_results.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr double kAngle10ToRad = 0.00174532;
constexpr double kDistance10ToPixels = 0.2;  // 1250 tenths of a millimetre onto 250 pixels
constexpr double kAreaToSquaredDiameter = 0.3565;
constexpr float kVerticalEpsilon = 0.00001f;
constexpr int kLensHalfPoints = 7;

}  // namespace

std::array<GroupCircle, 40> ComputeGroupCircles(const ObservationRecord& record, int mirrorX,
                                                int mirrorY) {
  std::array<GroupCircle, 40> circles{};
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const auto area = Round(record.Area(k) + record.SmallSpots(k) * kSmallSpotArea);
    const int r = static_cast<int>(Trunc(std::sqrt(area * kAreaToSquaredDiameter) * 0.5));
    const double angle = record.Angle10(k) * kAngle10ToRad;
    const double distance = record.Distance10(k);
    GroupCircle& circle = circles[static_cast<std::size_t>(k - 1)];
    circle.X = static_cast<int>(
        Trunc(std::sin(angle) * mirrorX * distance * kDistance10ToPixels + kCanvasCentre - r));
    circle.Y = static_cast<int>(
        Trunc(-std::cos(angle) * mirrorY * distance * kDistance10ToPixels + kCanvasCentre - r));
    circle.R = r;
  }
  return circles;
}

std::array<LensPoint, 13> InitLensShape() {
  std::array<LensPoint, 13> shape{};
  constexpr std::array<LensPoint, kLensHalfPoints> kUpperHalf = {
      {{0, 0}, {5, 10}, {22, 16}, {50, 21}, {78, 16}, {90, 10}, {100, 0}}};
  for (int k = 0; k < kLensHalfPoints; ++k) shape[k] = kUpperHalf[k];
  // The lower half mirrors the upper one, running back to the start.
  for (int k = kLensHalfPoints; k < 13; ++k) {
    shape[k] = {shape[12 - k].X, -shape[k - 6].Y};
  }
  return shape;
}

std::array<LensPoint, 13> PlaceLens(const std::array<LensPoint, 13>& shape, int x1, int y1, int x2,
                                    int y2) {
  float d = static_cast<float>(y1 - y2);
  if (d == 0) d = kVerticalEpsilon;
  // The direction is kept in single precision, but every step is evaluated in double, so that
  // only the stored angle is rounded and not each sine and arctangent on the way.
  float a = static_cast<float>(std::atan(static_cast<double>(x1 - x2) / d));
  const double dx = x1 - x2;
  const double dy = y2 - y1;
  const double scale = std::sqrt(dx * dx + dy * dy) / 100;
  if (y1 - y2 >= 0) a = static_cast<float>(a + kPi);
  const double sinA = std::sin(static_cast<double>(a));
  const double cosA = std::cos(static_cast<double>(a));

  std::array<LensPoint, 13> placed{};
  for (std::size_t k = 0; k < shape.size(); ++k) {
    const double px = shape[k].X;
    const double py = shape[k].Y;
    const double q = std::sqrt(px * px + py * py) * scale;
    placed[k].X = x1 + static_cast<int>(Round(sinA * q + py * cosA * scale));
    placed[k].Y = y1 + static_cast<int>(Round(cosA * q - py * sinA * scale));
  }
  return placed;
}

}  // namespace ardeno
