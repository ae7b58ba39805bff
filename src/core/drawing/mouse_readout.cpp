// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/mouse_readout.h"

#include <algorithm>
#include <cmath>

#include "core/solar/angles.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

std::string CutTo5(std::string text) {
  if (text.size() > 5) text.resize(5);
  return text;
}

// arcsin of a projected offset, kept defined when a rounded pixel lies just past the limb.
double SafeAsin(double ratio) { return std::asin(std::clamp(ratio, -1.0, 1.0)); }

}  // namespace

CentreOffset OffsetFromCentre(const DrawingScale& scale, int x, int y) {
  const int centre = scale.CentrePixels();
  return {x - centre, centre - y};
}

bool InsideDisk(const DrawingScale& scale, int x, int y) {
  const CentreOffset o = OffsetFromCentre(scale, x, y);
  return scale.S(kDiskRadiusRef) >= std::sqrt(double(o.Dx) * o.Dx + double(o.Dy) * o.Dy);
}

std::optional<HeliographicPosition> PointReadout(const SolarEphemeris& eph,
                                                 const DrawingScale& scale, int mirrorX,
                                                 int mirrorY, int x, int y) {
  const CentreOffset o = OffsetFromCentre(scale, x, y);
  const double dx = double(o.Dx) * mirrorX;
  const double dy = double(o.Dy) * mirrorY;
  // The disk edge is decided in window pixels, as the disk is drawn.
  if (scale.S(kDiskRadiusRef) < std::sqrt(dx * dx + dy * dy)) return std::nullopt;
  const double toStandard = 16.0 / scale.DrawScale;
  return PixelToHeliographic(eph, static_cast<float>(dx * toStandard),
                             static_cast<float>(dy * toStandard));
}

std::string PointReadoutText(const HeliographicPosition& position) {
  return CutTo5(FormatFixed(position.HelioLongitude, 3, 1)) + " , " +
         CutTo5(FormatFixed(position.HelioLatitude, 2, 1));
}

double DragAngle(const DrawingScale& scale, CentreOffset start, int x, int y) {
  const double radius = scale.DiskRadiusPixels();
  const CentreOffset now = OffsetFromCentre(scale, x, y);
  const double u = radius * std::sin(SafeAsin(start.Dy / radius) - SafeAsin(now.Dy / radius));
  const double v = radius * std::sin(SafeAsin(start.Dx / radius) - SafeAsin(now.Dx / radius));
  const double d = std::sqrt(u * u + v * v);
  return d < radius ? std::asin(d / radius) * 57.2957 : 0.0;
}

std::string DragAngleText(double degrees) { return FormatFloat("#0.00", degrees); }

}  // namespace ardeno
