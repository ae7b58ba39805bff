// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/paper_photo.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace ardeno::paper {
namespace {

constexpr double kDeg = std::numbers::pi / 180;
constexpr double kCameraDistanceMm = 550;  // a phone held over the sheet
constexpr int kJpegQuality = 60;

cv::Point2d Apply(const cv::Matx33d& h, const cv::Point2d& p) {
  const cv::Vec3d q = h * cv::Vec3d(p.x, p.y, 1);
  return {q[0] / q[2], q[1] / q[2]};
}

// The sheet (pixels) seen by a camera turned by `turn`, tilted by `tilt` about an axis in the
// direction `tiltAxis`, in units of the focal length.
cv::Matx33d Camera(double turn, double tilt, double tiltAxis) {
  const double s = 1 / kPixelsPerMm;
  const cv::Matx33d centred(s, 0, -kSheetWidthMm / 2, 0, s, -kSheetHeightMm / 2, 0, 0, 1);
  const double c = std::cos(turn), n = std::sin(turn);
  const cv::Matx33d rz(c, -n, 0, n, c, 0, 0, 0, 1);
  // Rodrigues for the tilt about the in-plane axis (cos a, sin a, 0).
  const double ax = std::cos(tiltAxis), ay = std::sin(tiltAxis);
  const cv::Matx33d k(0, 0, ay, 0, 0, -ax, -ay, ax, 0);
  const cv::Matx33d r = cv::Matx33d::eye() + std::sin(tilt) * k + (1 - std::cos(tilt)) * k * k;
  const cv::Matx33d rotation = r * rz;
  // Columns 1, 2 of the rotation and the translation (0, 0, D): the plane z = 0 seen.
  const cv::Matx33d plane(rotation(0, 0), rotation(0, 1), 0, rotation(1, 0), rotation(1, 1), 0,
                          rotation(2, 0), rotation(2, 1), kCameraDistanceMm);
  return plane * centred;
}

}  // namespace

Photo Photograph(const PaperDrawing& drawing, Capture capture, int longSide, SampleRandom& random) {
  const bool phone = capture == Capture::Phone;
  cv::Size size;
  if (phone)
    size = random.Chance(0.6) ? cv::Size(longSide, longSide * 3 / 4)
                              : cv::Size(longSide * 3 / 4, longSide);
  else
    size = cv::Size(static_cast<int>(longSide * kSheetWidthMm / kSheetHeightMm), longSide);
  const double turn = phone ? random.Uniform(0, 360) * kDeg
                            : (random.Uniform(-3, 3) + (random.Chance(0.1) ? 180 : 0)) * kDeg;
  const double tilt = phone ? random.Uniform(0, 15) * kDeg : 0;
  const cv::Matx33d camera = Camera(turn, tilt, random.Uniform(0, 360) * kDeg);

  const cv::Size2d sheet(drawing.Sheet.cols, drawing.Sheet.rows);
  std::vector<cv::Point2d> corners;
  for (const cv::Point2d& c :
       {cv::Point2d(0, 0), cv::Point2d(sheet.width, 0), cv::Point2d(sheet.width, sheet.height),
        cv::Point2d(0, sheet.height)})
    corners.push_back(Apply(camera, c));
  double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
  for (const cv::Point2d& c : corners) {
    x0 = std::min(x0, c.x), y0 = std::min(y0, c.y), x1 = std::max(x1, c.x), y1 = std::max(y1, c.y);
  }
  double scale = 0, offsetX = 0, offsetY = 0;
  if (phone) {
    const double margin = random.Uniform(0.03, 0.1);
    scale = std::min(size.width * (1 - 2 * margin) / (x1 - x0),
                     size.height * (1 - 2 * margin) / (y1 - y0));
    offsetX = (size.width - scale * (x1 - x0)) * random.Uniform(0.2, 0.8) - scale * x0;
    offsetY = (size.height - scale * (y1 - y0)) * random.Uniform(0.2, 0.8) - scale * y0;
  } else {
    scale = std::max(size.width / (x1 - x0), size.height / (y1 - y0)) * random.Uniform(1, 1.03);
    offsetX = (size.width - scale * (x1 + x0)) / 2;
    offsetY = (size.height - scale * (y1 + y0)) / 2;
  }
  const cv::Matx33d toPicture = cv::Matx33d(scale, 0, offsetX, 0, scale, offsetY, 0, 0, 1) * camera;

  // Thin pencil lines survive the reduction as a camera's optics would blur them.
  const double reduction = scale / (kCameraDistanceMm * kPixelsPerMm);  // picture px per sheet px
  cv::Mat source = drawing.Sheet;
  if (reduction < 0.9) cv::GaussianBlur(drawing.Sheet, source, cv::Size(0, 0), 0.45 / reduction);
  cv::Mat table(size, CV_8U, cv::Scalar(phone ? random.Int(55, 110) : 246));
  if (phone) {
    cv::Mat grain(6, 8, CV_32F);
    cv::randu(grain, -18, 18);
    cv::resize(grain, grain, size, 0, 0, cv::INTER_CUBIC);
    cv::Mat t;
    table.convertTo(t, CV_32F);
    t += grain;
    t.convertTo(table, CV_8U);
  }
  cv::Mat picture = table.clone();
  cv::warpPerspective(source, picture, cv::Mat(toPicture), size, cv::INTER_LINEAR,
                      cv::BORDER_TRANSPARENT);

  cv::Mat light(size, CV_32F);
  const double slope = phone ? random.Uniform(0.05, 0.35) : random.Uniform(0, 0.08);
  const double direction = random.Uniform(0, 2 * std::numbers::pi);
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x) {
      const double u = (static_cast<double>(x) / size.width - 0.5) * std::cos(direction) +
                       (static_cast<double>(y) / size.height - 0.5) * std::sin(direction);
      light.at<float>(y, x) = static_cast<float>(1 - slope * (u + 0.5));
    }
  if (phone && random.Chance(0.7)) {
    // The phone's or the hand's shadow: a soft-edged darker part on one side of a line.
    const double a = random.Uniform(0, 2 * std::numbers::pi);
    const double at = random.Uniform(0.15, 0.45) * std::max(size.width, size.height);
    const double soft = random.Uniform(20, 80), depth = random.Uniform(0.2, 0.4);
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x) {
        const double d =
            (x - size.width / 2.0) * std::cos(a) + (y - size.height / 2.0) * std::sin(a);
        const double inside = 1 / (1 + std::exp((d - at) / soft));
        light.at<float>(y, x) *= static_cast<float>(1 - depth * (1 - inside));
      }
  }
  cv::Mat shaded;
  picture.convertTo(shaded, CV_32F);
  shaded = shaded.mul(light);
  cv::GaussianBlur(shaded, shaded, cv::Size(0, 0),
                   phone ? random.Uniform(0.5, 1.3) : random.Uniform(0.3, 0.7));
  cv::Mat noise(size, CV_32F);
  cv::randn(noise, 0, phone ? random.Uniform(2, 5) : 1.5);
  shaded += noise;
  shaded.convertTo(picture, CV_8U);

  Photo photo;
  cv::imencode(".jpg", picture, photo.Jpeg, {cv::IMWRITE_JPEG_QUALITY, kJpegQuality});
  const cv::Point2d centre = Apply(toPicture, drawing.CentreMm * kPixelsPerMm);
  photo.Truth.CentreX = centre.x;
  photo.Truth.CentreY = centre.y;
  const auto onLimb = [&](double degrees) {
    const double a = degrees * kDeg;
    return Apply(
        toPicture,
        (drawing.CentreMm + kDiskRadiusMm * cv::Point2d(std::sin(a), -std::cos(a))) * kPixelsPerMm);
  };
  for (int k = 0; k < 72; ++k) photo.Truth.Radius += cv::norm(onLimb(k * 5.0) - centre) / 72;
  const cv::Point2d north = onLimb(drawing.NorthOnSheet);
  photo.Truth.North =
      std::fmod(std::atan2(north.x - centre.x, centre.y - north.y) / kDeg + 360.0, 360.0);
  const double n = drawing.NorthOnSheet * kDeg;
  for (const TruthSpot& spot : drawing.Spots) {
    const cv::Point2d onSheet(drawing.CentreMm.x + spot.X * std::cos(n) + spot.Y * std::sin(n),
                              drawing.CentreMm.y + spot.X * std::sin(n) - spot.Y * std::cos(n));
    photo.Truth.Spots.push_back(Apply(toPicture, onSheet * kPixelsPerMm));
  }
  return photo;
}

}  // namespace ardeno::paper
