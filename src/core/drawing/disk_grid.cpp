// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/disk_grid.h"

#include <cmath>

#include "core/drawing/drawing_scale.h"
#include "core/solar/angles.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

// Polar form of a projected point (A east-west, B north-south), turned by the position angle.
struct Projected {
  double Theta;
  double R;
};

Projected Project(double a, double b, double ephP) {
  double theta = std::atan(b / a);
  if (a < 0) theta += kPi;
  theta -= ephP / 180.0 * kPi;
  return {theta, std::sqrt(a * a + b * b)};
}

}  // namespace

std::vector<std::vector<RefPoint>> LatitudeCircles(const SolarEphemeris& eph, int mirrorX,
                                                   int mirrorY) {
  const double beta0 = -eph.EphB0 * kPi / 180.0;
  const double sb = std::sin(beta0);
  const double cb = std::cos(beta0);
  std::vector<std::vector<RefPoint>> circles;
  circles.reserve(9);
  for (int k = -4; k <= 4; ++k) {
    const double phi = k * 0.174533;
    std::vector<RefPoint> line;
    line.reserve(181);
    for (int i = -90; i <= 90; ++i) {
      const double lon = i * kGridDegToRad;
      const double a = std::sin(lon) * 250.0 * std::cos(phi) + 0.0000001;
      const double b = 250.0 * std::sin(phi) * cb - std::cos(lon) * 250.0 * std::cos(phi) * sb;
      const Projected p = Project(a, b, eph.EphP);
      line.push_back(
          {static_cast<int>(Round(std::cos(kPi + p.Theta) * mirrorX * p.R)) + kCanvasCentre,
           static_cast<int>(Round(std::sin(p.Theta) * mirrorY * p.R)) + kCanvasCentre});
    }
    circles.push_back(std::move(line));
  }
  return circles;
}

std::vector<RefPoint> ZeroMeridian(const SolarEphemeris& eph, int mirrorX, int mirrorY) {
  std::vector<RefPoint> line;
  if (std::cos(kGridVisibilityDegToRad * eph.EphL0) < 0) return line;
  const double beta0 = -eph.EphB0 * kPi / 180.0;
  const double sb = std::sin(beta0);
  const double cb = std::cos(beta0);
  const double lambda = kGridFullTurn - kGridDegToRad * eph.EphL0;
  line.reserve(167);
  for (int lat = -83; lat <= 83; ++lat) {
    const double phi = lat * kGridDegToRad;
    const double a = std::sin(lambda) * 250.0 * std::cos(phi) + 0.000001;
    const double b = std::sin(phi) * 250.0 * cb - std::cos(lambda) * std::cos(phi) * 250.0 * sb;
    const Projected p = Project(a, b, eph.EphP);
    line.push_back(
        {static_cast<int>(Trunc(std::cos(kPi + p.Theta) * mirrorX * p.R)) + kCanvasCentre,
         static_cast<int>(Trunc(std::sin(p.Theta) * mirrorY * p.R)) + kCanvasCentre});
  }
  return line;
}

}  // namespace ardeno
