// SPDX-License-Identifier: GPL-3.0-or-later
// The disk and its axis on pictures drawn here line by line: a sheet seen at a steep angle keeps
// its drawn circle round once its perspective is taken out, a shadow's edge is no sheet's, a
// broken circle among the arcs of a grid is the disk, and the axis is found where the fitted
// centre misses the drawn one.
#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "vision/disk_finder.h"
#include "vision/north_finder.h"
#include "vision/paper.h"

namespace ardeno {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

// A sheet (millimetres, 300 x 350, its middle at the origin) seen by a camera 550 mm above it,
// tilted by `tilt` degrees about the sheet's diagonal, as picture pixels.
cv::Matx33d TiltedCamera(double tilt) {
  const double ax = std::cos(35 * kDeg), ay = std::sin(35 * kDeg);
  const cv::Matx33d k(0, 0, ay, 0, 0, -ax, -ay, ax, 0);
  const cv::Matx33d r =
      cv::Matx33d::eye() + std::sin(tilt * kDeg) * k + (1 - std::cos(tilt * kDeg)) * k * k;
  const cv::Matx33d plane(r(0, 0), r(0, 1), 0, r(1, 0), r(1, 1), 0, r(2, 0), r(2, 1), 550);
  const cv::Matx33d toPicture(4000, 0, 1500, 0, 4000, 2000, 0, 0, 1);
  return toPicture * plane;
}

TEST(RemovePerspectiveTest, KeepsACircleAtTheSheetsMiddleRound) {
  for (double tilt : {8.0, 15.0}) {
    const cv::Matx33d camera = TiltedCamera(tilt);
    std::array<cv::Point2d, 4> corners;
    const std::array<cv::Point2d, 4> sheet = {{{-150, -175}, {150, -175}, {150, 175}, {-150, 175}}};
    for (std::size_t i = 0; i < 4; ++i) corners[i] = vision::Apply(camera, sheet[i]);
    const cv::Matx33d flat = vision::RemovePerspective(corners, {3000, 4000});
    // The drawn circle, 125 mm across its radius, a little off the sheet's middle.
    std::vector<double> radii;
    cv::Point2d centre(0, 0);
    std::vector<cv::Point2d> limb;
    for (int k = 0; k < 72; ++k) {
      const cv::Point2d onSheet(5 + 125 * std::sin(k * 5 * kDeg), 5 + 125 * std::cos(k * 5 * kDeg));
      limb.push_back(vision::Apply(flat, vision::Apply(camera, onSheet)));
      centre += limb.back() / 72.0;
    }
    for (const cv::Point2d& p : limb) radii.push_back(cv::norm(p - centre));
    const auto [least, most] = std::minmax_element(radii.begin(), radii.end());
    // A camera seen at 15 degrees shortens one direction by 1 - cos 15 = 3.4 %; what is taken
    // out must not squeeze the circle further.
    EXPECT_LT(*most / *least, 1 + 1.05 * (1 - std::cos(tilt * kDeg)) + 0.005) << tilt;
  }
}

// A photo of a sheet on a dark table (with a light cloth by its upper edge if `cloth`), its
// corners `corners`, with a soft shadow darkening the picture above row `shadowRow` if given.
cv::Mat SheetOnTable(const std::vector<cv::Point>& corners, std::optional<int> shadowRow,
                     bool cloth = false) {
  cv::Mat picture(1200, 1600, CV_8U, cv::Scalar(80));
  if (cloth) picture(cv::Rect(200, 0, 1200, 300)).setTo(200);
  cv::fillConvexPoly(picture, corners, cv::Scalar(225), cv::LINE_AA);
  cv::GaussianBlur(picture, picture, cv::Size(0, 0), 1);
  if (shadowRow)
    for (int y = 0; y < picture.rows; ++y) {
      const double lit = 1 / (1 + std::exp((*shadowRow - y) / 30.0));
      picture.row(y).convertTo(picture.row(y), CV_8U, 1 - 0.45 * (1 - lit));
    }
  return picture;
}

void ExpectCornersNear(const std::optional<vision::Sheet>& sheet,
                       const std::vector<cv::Point>& corners) {
  ASSERT_TRUE(sheet && sheet->Corners);
  for (const cv::Point2d& found : *sheet->Corners) {
    double nearest = 1e9;
    for (const cv::Point& c : corners)
      nearest = std::min(nearest, cv::norm(found - cv::Point2d(c)));
    EXPECT_LT(nearest, 6) << found;  // the outline is traced on a picture a quarter as large
  }
}

TEST(FindSheetTest, AShadowAcrossTheSheetIsPartOfItAndItsEdgeNoSheetEdge) {
  const std::vector<cv::Point> corners = {{300, 150}, {1320, 190}, {1280, 1080}, {260, 1040}};
  ExpectCornersNear(vision::FindSheet(SheetOnTable(corners, {})), corners);
  // A shadow across the sheet's upper part: the shaded paper lies within the paper's sharp edge.
  ExpectCornersNear(vision::FindSheet(SheetOnTable(corners, 420)), corners);
  // With a light cloth by the shaded edge, paper and cloth are one in the shadow: the lit part
  // alone is left, and its soft edge, straight as a sheet's, gives no corners (the lit part's
  // would give a perspective the sheet does not have).
  const std::optional<vision::Sheet> shaded = vision::FindSheet(SheetOnTable(corners, 420, true));
  ASSERT_TRUE(shaded);
  EXPECT_FALSE(shaded->Corners);
}

// The evened picture of a drawn disk: paper at kPaperLevel, pencil at `pencil`.
cv::Mat Paper(cv::Size size) { return cv::Mat(size, CV_8U, cv::Scalar(vision::kPaperLevel)); }

TEST(FindDiskTest, FindsABrokenCircleAmongTheArcsOfAGrid) {
  cv::Mat even = Paper({1800, 1600});
  const cv::Point2d centre(880, 820);
  const double radius = 560;
  // A grid's meridians: arcs of ellipses inside the disk, drawn lighter than the circle.
  for (int m = -60; m <= 60; m += 20)
    cv::ellipse(even, cv::Point(880, 820),
                cv::Size(static_cast<int>(std::fabs(std::sin(m * kDeg)) * radius), 560), 0, -90,
                90 * (m < 0 ? 3 : 1), cv::Scalar(135), 2, cv::LINE_AA);
  // The circle drawn in pieces with gaps where the pencil lifted.
  for (int start = 0; start < 360; start += 45)
    cv::ellipse(even, cv::Point(880, 820), cv::Size(560, 560), 0, start, start + 40, cv::Scalar(80),
                3, cv::LINE_AA);
  const cv::Mat ink = even < vision::kInkLevel;
  const std::optional<vision::DiskFrame> disk = vision::FindDisk(even, ink, cv::Matx33d::eye());
  ASSERT_TRUE(disk);
  const cv::Point2d found =
      vision::Apply(disk->ToCanonical.inv(), {vision::kCanonicalCentre, vision::kCanonicalCentre});
  EXPECT_LT(cv::norm(found - centre), 1.5);
  const cv::Point2d onLimb = vision::Apply(
      disk->ToCanonical, centre + cv::Point2d(radius * std::cos(1.0), radius * std::sin(1.0)));
  EXPECT_NEAR(cv::norm(onLimb - cv::Point2d(vision::kCanonicalCentre, vision::kCanonicalCentre)),
              vision::kCanonicalRadius, 2.0);
}

// A canonical picture with the disk's circle and a thin axis drawn `offset` pixels beside the
// centre at `direction` degrees, its north end marked by a short bar across it.
cv::Mat CanonicalWithAxis(double direction, double offset) {
  cv::Mat canonical = Paper({vision::kCanonicalSize, vision::kCanonicalSize});
  const cv::Point2d c(vision::kCanonicalCentre, vision::kCanonicalCentre);
  const double r = vision::kCanonicalRadius;
  cv::circle(canonical, c, static_cast<int>(r), cv::Scalar(80), 3, cv::LINE_AA);
  const cv::Point2d along(std::sin(direction * kDeg), -std::cos(direction * kDeg));
  const cv::Point2d across(-along.y, along.x);
  const auto at = [&](double a, double b) {
    const cv::Point2d p = c + along * a + across * (offset + b);
    return cv::Point(static_cast<int>(std::lround(p.x * 16)),
                     static_cast<int>(std::lround(p.y * 16)));
  };
  cv::line(canonical, at(-1.06 * r, 0), at(1.07 * r, 0), cv::Scalar(90), 1, cv::LINE_AA, 4);
  cv::line(canonical, at(1.06 * r, -18), at(1.06 * r, 18), cv::Scalar(90), 2, cv::LINE_AA, 4);
  cv::line(canonical, at(1.1 * r, -12), at(1.14 * r, 12), cv::Scalar(90), 2, cv::LINE_AA, 4);
  return canonical;
}

TEST(FindDrawnAxisTest, FindsAThinAxisThatMissesTheFittedCentre) {
  // The fitted centre of a photographed disk misses the drawn one by a few pixels, and where the
  // perspective of a phone photo is left in it by up to 6 % of the radius; a thin line is then
  // not where a search through the centre itself looks.
  for (const double offset : {0.0, 3.5, -7.0, 11.0, 23.0, -34.0}) {
    for (const double direction : {17.3, 200.8}) {
      const std::optional<vision::DrawnAxis> axis =
          vision::FindDrawnAxis(CanonicalWithAxis(direction, offset));
      ASSERT_TRUE(axis) << offset << " " << direction;
      EXPECT_TRUE(axis->NorthKnown);
      EXPECT_NEAR(std::remainder(axis->Direction - direction, 360.0), 0, 0.3)
          << offset << " " << direction;
    }
  }
}

}  // namespace
}  // namespace ardeno
