// SPDX-License-Identifier: GPL-3.0-or-later
// Umbrae told from knots of lines on a canonical picture drawn here: the written digits of group
// numbers and outlines touching each other are as dark and as deep as a small umbra, but lines
// leave them; an umbra on a line keeps the line passing through, and one where a line ends is
// filled darker than the line.
#include "vision/spot_finder.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "vision/disk_finder.h"
#include "vision/paper.h"

namespace ardeno {
namespace {

constexpr int kPencil = 85;  // a line on the evened picture
constexpr int kFilled = 45;  // a filled umbra
constexpr int kHardPencil = 70;

cv::Mat DrawnDisk() {
  cv::Mat canonical(vision::kCanonicalSize, vision::kCanonicalSize, CV_8U,
                    cv::Scalar(vision::kPaperLevel));
  const int c = static_cast<int>(vision::kCanonicalCentre);
  cv::circle(canonical, {c, c}, static_cast<int>(vision::kCanonicalRadius), cv::Scalar(kPencil), 3,
             cv::LINE_AA);
  return canonical;
}

void Pore(cv::Mat& canonical, cv::Point at) {
  cv::circle(canonical, at, 4, cv::Scalar(kFilled), cv::FILLED, cv::LINE_AA);
}

std::vector<vision::FoundSpot> Smoothed(cv::Mat canonical) {
  cv::GaussianBlur(canonical, canonical, cv::Size(0, 0), 0.7);
  return vision::FindSpots(canonical, 3);
}

bool FoundAt(const std::vector<vision::FoundSpot>& spots, cv::Point at) {
  for (const vision::FoundSpot& s : spots)
    if (std::hypot(s.Centre.x - at.x, s.Centre.y - at.y) < 2) return true;
  return false;
}

TEST(FindSpotsTest, WrittenDigitsAreNoUmbrae) {
  cv::Mat canonical = DrawnDisk();
  const std::vector<cv::Point> pores = {{700, 700}, {760, 705}, {1000, 900}};
  for (const cv::Point& p : pores) Pore(canonical, p);
  // Group numbers written beside the groups, 3.5 mm high, in a hand's script and upright.
  int x = 620;
  for (const std::string number : {"16", "89", "96", "68", "38", "90"}) {
    for (const int font : {cv::FONT_HERSHEY_SCRIPT_SIMPLEX, cv::FONT_HERSHEY_SIMPLEX}) {
      cv::putText(canonical, number, {x, 800}, font | cv::FONT_ITALIC, 0.75, cv::Scalar(kPencil), 2,
                  cv::LINE_AA);
      x += 45;
    }
  }
  const std::vector<vision::FoundSpot> spots = Smoothed(canonical);
  for (const cv::Point& p : pores) EXPECT_TRUE(FoundAt(spots, p)) << p;
  EXPECT_EQ(spots.size(), pores.size());
}

TEST(FindSpotsTest, DigitsBlurredFullAreNoUmbraeButUmbraeTouchingEachOtherAre) {
  cv::Mat canonical = DrawnDisk();
  // A hard pencil's group numbers, written as on the sheet (3.5 mm high, 6 pixels to the
  // millimetre) and scaled to the canonical picture: a photo's blur fills the loops of a 4, 6, 8
  // or 9 darker than the strokes' edges.
  cv::Mat sheet(60, 500, CV_8U, cv::Scalar(vision::kPaperLevel));
  int x = 5;
  for (const std::string number : {"4", "6", "8", "9", "16", "46", "98"}) {
    cv::putText(sheet, number, {x, 40}, cv::FONT_HERSHEY_SIMPLEX | cv::FONT_ITALIC, 0.955,
                cv::Scalar(kHardPencil), 2, cv::LINE_AA);
    x += 65;
  }
  cv::Mat scaled;
  cv::resize(sheet, scaled, cv::Size(), 0.8, 0.8, cv::INTER_AREA);
  scaled.copyTo(canonical(cv::Rect(600, 770, scaled.cols, scaled.rows)));
  // Two umbrae drawn touching, with a stroke of their penumbra's outline joined to them: a piece
  // of ink as small as a digit, but each umbra's core is more than a speck.
  const cv::Point left(700, 1000), right(709, 1001);
  Pore(canonical, left);
  Pore(canonical, right);
  cv::line(canonical, {713, 1001}, {722, 996}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  cv::GaussianBlur(canonical, canonical, cv::Size(0, 0), 1.0);
  const std::vector<vision::FoundSpot> spots = vision::FindSpots(canonical, 3);
  int nearPair = 0;
  for (const vision::FoundSpot& s : spots)
    nearPair += std::hypot(s.Centre.x - 704.5, s.Centre.y - 1000.5) < 9;
  EXPECT_EQ(nearPair, 2);
  EXPECT_EQ(static_cast<int>(spots.size()), nearPair);
}

TEST(FindSpotsTest, OutlinesTouchingAreNoUmbraButAnUmbraOnALineOrAtItsEndIsOne) {
  cv::Mat canonical = DrawnDisk();
  // A facular outline drawn across a penumbra's outline, as observers draw them over each other.
  cv::ellipse(canonical, {600, 1000}, {14, 10}, 20, 0, 360, cv::Scalar(kPencil), 2, cv::LINE_AA);
  const std::vector<cv::Point> facula = {{560, 975}, {588, 960}, {594, 1010}, {570, 1030}};
  cv::polylines(canonical, facula, true, cv::Scalar(kPencil), 2, cv::LINE_AA);
  Pore(canonical, {600, 1000});
  // A pore drawn on the axis line: the line passes straight through it.
  cv::line(canonical, {900, 500}, {1100, 1300}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  const cv::Point onLine(1000, 900);
  Pore(canonical, onLine);
  // A pore where a line drawn up to it ends (an outline's stroke, a pointer to the group): one
  // stroke leaves it, as from a digit's knot, but it is filled darker than the stroke.
  const cv::Point lineEnd(800, 1200);
  cv::line(canonical, lineEnd, {835, 1190}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  Pore(canonical, lineEnd);
  const std::vector<vision::FoundSpot> spots = Smoothed(canonical);
  EXPECT_TRUE(FoundAt(spots, {600, 1000}));
  EXPECT_TRUE(FoundAt(spots, onLine));
  EXPECT_TRUE(FoundAt(spots, lineEnd));
  EXPECT_EQ(spots.size(), 3u);
}

}  // namespace
}  // namespace ardeno
