// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnetogram.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/data/aux_file_io.h"
#include "core/solar/angles.h"

namespace ardeno {

namespace {}  // namespace

std::string MagnetogramFileName(const CalendarDate& date) {
  char name[16];
  std::snprintf(name, sizeof name, "%02d%02d%02d", ((date.Year % 100) + 100) % 100,
                date.Month % 100, date.Day % 100);
  return name;
}

std::optional<CalendarDate> MagnetogramFileDate(std::string_view name) {
  if (name.size() != 6) return std::nullopt;
  int digits[6];
  for (int i = 0; i < 6; ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    digits[i] = name[i] - '0';
  }
  const int yy = digits[0] * 10 + digits[1];
  CalendarDate date{yy < 50 ? 2000 + yy : 1900 + yy, digits[2] * 10 + digits[3],
                    digits[4] * 10 + digits[5]};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

Magnetogram ParseMagnetogram(std::string_view bytes, int headerWords) {
  Magnetogram result;
  result.OddByteDropped = bytes.size() % 2 != 0;
  const std::size_t wordCount = bytes.size() / 2;
  int row = 1;
  for (std::size_t i = static_cast<std::size_t>(headerWords > 0 ? headerWords : 0); i < wordCount;
       ++i) {
    const auto w = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                              (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    if (w == kMagnetogramDataEnd) {
      result.EndWordFound = true;
      break;
    }
    if (w == kMagnetogramRowEnd) {
      ++row;
      continue;
    }
    result.Points.push_back({row, w / 128, w % 64});
  }
  return result;
}

std::optional<Magnetogram> ReadMagnetogramDay(const std::filesystem::path& progDir,
                                              const CalendarDate& date, int headerWords) {
  const std::string name = MagnetogramFileName(date);
  const auto file =
      ReadAuxFile(progDir / kMagnetogramFolder / name, std::string(kMagnetogramFolder) + "/" + name,
                  kMaxMagnetogramBytes, /*refuseLarger=*/false);
  if (!file) return std::nullopt;
  Magnetogram day = ParseMagnetogram(file->Bytes, headerWords);
  day.CutAtSizeLimit = file->FileSize > file->Bytes.size();
  return day;
}

MagnetogramPlane MagnetogramPlanePosition(const MagnetogramPoint& point, int centreColumn) {
  return {kMagnetogramPixel * (centreColumn - point.Column),
          kMagnetogramPixel * (kMagnetogramCentreRow - point.Row)};
}

std::optional<HeliographicPosition> MagnetogramToHeliographic(const SolarEphemeris& eph,
                                                              const MagnetogramPlane& plane) {
  const double radius = std::sqrt(plane.X * plane.X + plane.Y * plane.Y);
  if (radius > kMagnetogramDiskRadius) return std::nullopt;
  // Polar form of the image point turned by P into a position angle on the sky, as the drawing
  // frame keeps its angles; the tiny offset keeps the row through the centre finite.
  double angle = std::atan(plane.X / (plane.Y + 1e-7)) + (plane.Y < 0 ? 3 * kPi / 2 : kPi / 2);
  angle += eph.EphP * kPi / 180 - kPi / 2;
  const double angle10 = angle * 1800 / kPi;
  const double distance10 = radius / kMagnetogramDiskRadius * kStandardRadius10;
  return PolarToHeliographic(eph, angle10, distance10);
}

std::optional<MagnetogramPoint> MagnetogramPointAt(const SolarEphemeris& eph, double l, double b,
                                                   int centreColumn, int code) {
  const double cmd = std::remainder(eph.EphL0 - l, 360.0);
  const double br = b * kPi / 180;
  const double b0 = eph.EphB0 * kPi / 180;
  // Cosine of the angle between the point and the disk centre: negative on the far side.
  if (std::sin(br) * std::sin(b0) + std::cos(br) * std::cos(b0) * std::cos(cmd * kPi / 180) <= 0)
    return std::nullopt;
  const PolarPosition polar =
      HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(b), kStandardDiskPixels);
  const double angle = (polar.PolarAngle - eph.EphP) * kPi / 180;
  const double x = polar.PolarDistance * std::sin(angle);
  const double y = polar.PolarDistance * std::cos(angle);
  MagnetogramPoint point;
  point.Column = static_cast<int>(std::lround(centreColumn - x / kMagnetogramPixel));
  point.Row = static_cast<int>(std::lround(kMagnetogramCentreRow - y / kMagnetogramPixel));
  point.Code = code & 63;
  // Column 0 with code 0 would read as the end of the data; 511 is the widest a word holds.
  if (point.Column < 1 || point.Column > 511 || point.Row < 1) return std::nullopt;
  return point;
}

std::string EncodeMagnetogram(std::vector<MagnetogramPoint> points, int headerWords) {
  std::stable_sort(
      points.begin(), points.end(),
      [](const MagnetogramPoint& a, const MagnetogramPoint& b) { return a.Row < b.Row; });
  std::string bytes;
  auto word = [&bytes](std::uint16_t w) {
    bytes.push_back(static_cast<char>(w & 0xFF));
    bytes.push_back(static_cast<char>(w >> 8));
  };
  // Header words: the image size, as the instruments write it; never read back.
  for (int i = 0; i < headerWords; ++i) word(426);
  int row = 1;
  for (const MagnetogramPoint& point : points) {
    for (; row < point.Row; ++row) word(kMagnetogramRowEnd);
    word(static_cast<std::uint16_t>(point.Column * 128 + (point.Code & 63)));
  }
  word(kMagnetogramRowEnd);
  word(kMagnetogramDataEnd);
  return bytes;
}

}  // namespace ardeno
