// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/drawing_reader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgproc.hpp>

#include "vision/disk_finder.h"
#include "vision/north_finder.h"
#include "vision/number_finder.h"
#include "vision/paper.h"
#include "vision/spot_finder.h"

namespace ardeno::vision {
namespace {

constexpr double kDeg = std::numbers::pi / 180;
constexpr int kWorkingSide = 2400;
constexpr double kDrawingRadiusMm = 125.0;

// Degrees clockwise from up of the direction from `from` to `to` (picture y grows downwards).
double DirectionFromUp(const cv::Point2d& from, const cv::Point2d& to) {
  const double d = std::atan2(to.x - from.x, from.y - to.y) / kDeg;
  return std::fmod(d + 360.0, 360.0);
}

cv::Point2d OnCircle(double degrees, double radius) {
  return {kCanonicalCentre + std::sin(degrees * kDeg) * radius,
          kCanonicalCentre - std::cos(degrees * kDeg) * radius};
}

void Report(const ReadingProgress& progress, int step) {
  if (progress) progress(step);
}

}  // namespace

DrawingReading ReadDrawing(const LoadedImage& image, const SolarEphemeris& eph,
                           std::optional<double> north, const ReadingProgress& progress,
                           DrawnLine drawn, const std::vector<ExpectedGroup>& expected) {
  DrawingReading reading;
  if (image.Gray.empty()) return reading;
  // The working picture: at most kWorkingSide across.
  const double shrink =
      std::min(1.0, static_cast<double>(kWorkingSide) / std::max(image.Gray.cols, image.Gray.rows));
  cv::Mat work;
  if (shrink < 1)
    cv::resize(image.Gray, work, cv::Size(), shrink, shrink, cv::INTER_AREA);
  else
    work = image.Gray;
  const cv::Mat even = EvenLight(work);
  cv::Mat ink = even < kInkLevel;
  cv::Matx33d perspective = cv::Matx33d::eye();
  if (const std::optional<Sheet> sheet = FindSheet(work)) {
    ink &= sheet->Mask;
    if (sheet->Corners) perspective = RemovePerspective(*sheet->Corners, work.size());
  }
  const std::optional<DiskFrame> disk = FindDisk(even, ink, perspective);
  if (!disk) return reading;
  // File pixel -> canonical pixel, and back.
  const double toWork = shrink / image.Scale;
  const cv::Matx33d fileToCanonical =
      disk->ToCanonical * cv::Matx33d(toWork, 0, 0, 0, toWork, 0, 0, 0, 1);
  const cv::Matx33d canonicalToFile = fileToCanonical.inv();
  const cv::Point2d centre = Apply(canonicalToFile, {kCanonicalCentre, kCanonicalCentre});
  double radius = 0;
  for (int k = 0; k < 72; ++k)
    radius += cv::norm(Apply(canonicalToFile, OnCircle(k * 5.0, kCanonicalRadius)) - centre);
  reading.CentreX = centre.x;
  reading.CentreY = centre.y;
  reading.Radius = radius / 72;
  Report(progress, 1);

  const cv::Mat canonical = ToCanonicalFrame(even, disk->ToCanonical, kPaperLevel);
  double northOnCanonical = 0;
  if (north) {
    const cv::Point2d mark(centre.x + std::sin(*north * kDeg) * reading.Radius,
                           centre.y - std::cos(*north * kDeg) * reading.Radius);
    northOnCanonical =
        DirectionFromUp({kCanonicalCentre, kCanonicalCentre}, Apply(fileToCanonical, mark));
  } else {
    const std::optional<DrawnAxis> axis = FindDrawnAxis(canonical);
    if (!axis || !axis->NorthKnown) {
      reading.Outcome = ReadingOutcome::NoNorth;
      return reading;
    }
    // The drawing is laid out east to the right of north: the Sun's axis lies P degrees
    // clockwise from north, and is taken off as the solar-axis button of the window does.
    northOnCanonical = axis->Direction - (drawn == DrawnLine::SolarAxis ? eph.EphP : 0.0);
    reading.NorthFromDrawing = true;
  }
  reading.North =
      DirectionFromUp(centre, Apply(canonicalToFile, OnCircle(northOnCanonical, kCanonicalRadius)));
  Report(progress, 2);

  const double mmPerPixel = kDrawingRadiusMm / kCanonicalRadius;
  // Canonical pixels to millimetres of the standard drawing, north up.
  const auto onDrawingMm = [&](const cv::Point2d& at) {
    const double dx = at.x - kCanonicalCentre, dy = kCanonicalCentre - at.y;
    const double angle = std::atan2(dx, dy) - northOnCanonical * kDeg;
    const double distance = std::hypot(dx, dy) * mmPerPixel;
    return cv::Point2d(distance * std::sin(angle), distance * std::cos(angle));
  };
  const std::vector<FoundSpot> found = FindSpots(canonical, disk->StrokeWidth);
  for (const FoundSpot& spot : found) {
    ReadSpot read;
    const cv::Point2d onFile = Apply(canonicalToFile, spot.Centre);
    read.PictureX = onFile.x;
    read.PictureY = onFile.y;
    const cv::Point2d mm = onDrawingMm(spot.Centre);
    read.OnDrawing.X = mm.x;
    read.OnDrawing.Y = mm.y;
    read.OnDrawing.AreaMm2 = spot.Area * mmPerPixel * mmPerPixel;
    read.OnDrawing.Penumbra = spot.Penumbra;
    reading.Spots.push_back(read);
  }
  for (const cv::Point2d& number : FindWrittenNumbers(canonical, disk->StrokeWidth, found)) {
    const cv::Point2d mm = onDrawingMm(number);
    reading.Numbers.push_back({mm.x, mm.y});
  }
  Report(progress, 3);

  std::vector<DrawingSpot> onDrawing;
  for (const ReadSpot& spot : reading.Spots) onDrawing.push_back(spot.OnDrawing);
  reading.Groups = FormSpotGroups(eph, onDrawing, reading.Numbers, expected);
  reading.Outcome = ReadingOutcome::Read;
  Report(progress, 4);
  return reading;
}

}  // namespace ardeno::vision
