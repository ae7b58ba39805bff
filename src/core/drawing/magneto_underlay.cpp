// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/magneto_underlay.h"

#include <algorithm>
#include <cmath>

#include "core/drawing/drawing_scale.h"
#include "core/solar/angles.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
constexpr double kYearDays = 365.25;
constexpr double kScaleAmplitude = 0.017;
constexpr int kImageCentre = 213;
constexpr int kRightLimit = 529;  // the frame's right edge: texts begin beyond it
}  // namespace

double MagnetogramDayScale(const CalendarDate& date) {
  const double days = static_cast<double>(DaysBetween({2000, 1, 1}, date));
  return std::fabs((std::cos(2 * kPi * days / kYearDays) - 1) * kScaleAmplitude) + 1;
}

std::vector<UnderlayPixel> MagnetoUnderlay(const Magnetogram& magnetogram, const CalendarDate& date,
                                           const SolarEphemeris& eph) {
  const double k = MagnetogramDayScale(date);
  std::vector<UnderlayPixel> pixels;
  pixels.reserve(magnetogram.Points.size());
  for (const MagnetogramPoint& point : magnetogram.Points) {
    const MagnetogramPlane plane{
        static_cast<double>(Round((kImageCentre - point.Column * k) * kMagnetogramPixel)),
        static_cast<double>(Round((kImageCentre - point.Row * k) * kMagnetogramPixel))};
    const std::optional<HeliographicPosition> place = MagnetogramToHeliographic(eph, plane);
    if (!place) continue;
    const PolarPosition polar =
        HeliographicToPolar(eph, static_cast<float>(place->HelioLongitude),
                            static_cast<float>(place->HelioLatitude), kDiskRadiusRef);
    // PolarAngle is already a position angle on the drawing (it carries P, as the groups'
    // Angle10 does); turning it by P again would move the points off the groups by up to P.
    const double a = std::fmod(polar.PolarAngle, 360.0) * kPi / 180;
    const int x = static_cast<int>(Round(std::sin(a) * polar.PolarDistance + kCanvasCentre));
    const int y = static_cast<int>(Round(kCanvasCentre - std::cos(a) * polar.PolarDistance));
    if (x >= kRightLimit) continue;
    // Codes above 21 would pass the top of the colour scale; they show at full strength.
    pixels.push_back({x, y, std::min(point.Code * 8 + 80, 255)});
  }
  return pixels;
}

}  // namespace ardeno
