// SPDX-License-Identifier: GPL-3.0-or-later
// Umbrae told from knots of lines on a canonical picture drawn here: the written digits of group
// numbers and outlines touching each other are as dark and as deep as a small umbra, but lines
// leave them; an umbra on a line keeps the line passing through, and one where a line ends is
// filled darker than the line. The numbers themselves are found where they stand.
#include "vision/spot_finder.h"

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "vision/disk_finder.h"
#include "vision/number_finder.h"
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

// `text` written as on the sheet (3.5 mm high, 6 pixels to the millimetre) and scaled to the
// canonical picture at `at` (the top left of its strip); returns the middle of its box.
cv::Point2d WriteAsOnSheet(cv::Mat& canonical, const std::string& text, cv::Point at, int pencil) {
  constexpr int kFont = cv::FONT_HERSHEY_SIMPLEX | cv::FONT_ITALIC;
  constexpr int kBaseline = 40;
  int below = 0;
  const cv::Size size = cv::getTextSize(text, kFont, 0.955, 2, &below);
  // A width of whole fifths, so that the strip scales by exactly 0.8.
  cv::Mat sheet(60, (size.width + 14) / 5 * 5, CV_8U, cv::Scalar(vision::kPaperLevel));
  cv::putText(sheet, text, {5, kBaseline}, kFont, 0.955, cv::Scalar(pencil), 2, cv::LINE_AA);
  cv::Mat scaled;
  cv::resize(sheet, scaled, cv::Size(), 0.8, 0.8, cv::INTER_AREA);
  cv::Mat target = canonical(cv::Rect(at.x, at.y, scaled.cols, scaled.rows));
  cv::min(target, scaled, target);
  return {at.x + 0.8 * (5 + size.width / 2.0), at.y + 0.8 * (kBaseline - size.height / 2.0)};
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

TEST(FindSpotsTest, StrokesCrossingInADigitOrOverALineAreNoUmbraButAnUmbraOnACrossingIs) {
  cv::Mat canonical = DrawnDisk();
  // A 4's bar crosses its stem; numbers written over a grid line cross it.
  int x = 620;
  for (const std::string number : {"4", "14", "41", "44"}) {
    cv::putText(canonical, number, {x, 800}, cv::FONT_HERSHEY_SIMPLEX | cv::FONT_ITALIC, 0.75,
                cv::Scalar(kHardPencil), 2, cv::LINE_AA);
    x += 50;
  }
  cv::line(canonical, {600, 900}, {1000, 880}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  for (const std::string number : {"13", "12", "4"}) {
    cv::putText(canonical, number, {x - 250, 898}, cv::FONT_HERSHEY_SIMPLEX | cv::FONT_ITALIC, 0.75,
                cv::Scalar(kPencil), 2, cv::LINE_AA);
    x += 60;
  }
  // A grid's lines crossing under an umbra.
  const cv::Point crossing{1000, 1000};
  cv::line(canonical, {900, 1000}, {1100, 1000}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  cv::line(canonical, {1000, 900}, {1000, 1100}, cv::Scalar(kPencil), 2, cv::LINE_AA);
  Pore(canonical, crossing);
  const std::vector<vision::FoundSpot> spots = Smoothed(canonical);
  EXPECT_TRUE(FoundAt(spots, crossing));
  EXPECT_EQ(spots.size(), 1u);
}

TEST(FindSpotsTest, DigitsBlurredFullAreNoUmbraeButUmbraeTouchingEachOtherAre) {
  cv::Mat canonical = DrawnDisk();
  // A hard pencil's group numbers: a photo's blur fills the loops of a 4, 6, 8 or 9 darker than
  // the strokes' edges.
  int x = 600;
  for (const std::string number : {"4", "6", "8", "9", "16", "46", "98"}) {
    WriteAsOnSheet(canonical, number, {x, 770}, kHardPencil);
    x += 52;
  }
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

TEST(FindSpotsTest, AnOutlineDrawnCloseAroundItsUmbraIsItsPenumbraThoughTheRingBreaks) {
  cv::Mat canonical = DrawnDisk();
  // The outline a few pixels from the umbra all round, the light ring between them broken into
  // pieces by specks of graphite: together they are smaller than half the umbra.
  const cv::Point close{700, 700};
  cv::circle(canonical, close, 4, cv::Scalar(kFilled), cv::FILLED, cv::LINE_AA);
  cv::circle(canonical, close, 8, cv::Scalar(kPencil), 2, cv::LINE_AA);
  for (const double turn : {0.3, 2.4, 4.5})
    cv::circle(canonical,
               {close.x + static_cast<int>(std::lround(5.5 * std::sin(turn))),
                close.y - static_cast<int>(std::lround(5.5 * std::cos(turn)))},
               1, cv::Scalar(kPencil), cv::FILLED);
  // A pore where two strokes meet beside it leaves a light piece on one side only: no penumbra.
  const cv::Point pore{900, 900};
  Pore(canonical, pore);
  cv::line(canonical, {pore.x + 4, pore.y - 12}, {pore.x + 4, pore.y + 12}, cv::Scalar(kPencil), 2,
           cv::LINE_AA);
  cv::line(canonical, {pore.x + 4, pore.y - 12}, {pore.x + 14, pore.y}, cv::Scalar(kPencil), 2,
           cv::LINE_AA);
  const std::vector<vision::FoundSpot> spots = Smoothed(canonical);
  ASSERT_EQ(spots.size(), 2u);
  for (const vision::FoundSpot& spot : spots) {
    if (std::hypot(spot.Centre.x - close.x, spot.Centre.y - close.y) < 3) {
      EXPECT_GE(spot.Penumbra, 0);
      EXPECT_GT(spot.Area, 1.3 * spot.UmbraArea);
    } else {
      EXPECT_EQ(spot.Penumbra, -1) << spot.Centre;
    }
  }
}

TEST(FindSpotsTest, AFacularOutlineAroundPoresIsNoPenumbraButOneOutlineAroundTwoUmbraeIs) {
  cv::Mat canonical = DrawnDisk();
  // A small facular outline (near the limb, foreshortened) drawn around a group: a pore on its
  // line, a pore inside it away from its line, and a spot whose own outline touches it inside.
  const std::vector<cv::Point> facula = {{500, 500}, {545, 492}, {552, 530}, {508, 538}};
  cv::polylines(canonical, facula, true, cv::Scalar(kPencil), 2, cv::LINE_AA);
  const cv::Point onLine{522, 496}, inside{513, 521};
  Pore(canonical, onLine);
  Pore(canonical, inside);
  const cv::Point spot{538, 516};
  cv::ellipse(canonical, spot, {10, 8}, 0, 0, 360, cv::Scalar(kPencil), 2, cv::LINE_AA);
  cv::circle(canonical, spot, 4, cv::Scalar(kFilled), cv::FILLED, cv::LINE_AA);
  // One outline drawn around two umbrae at its ends.
  const cv::Point leading{800, 800}, following{826, 800};
  cv::ellipse(canonical, {813, 800}, {24, 10}, 0, 0, 360, cv::Scalar(kPencil), 2, cv::LINE_AA);
  cv::circle(canonical, leading, 4, cv::Scalar(kFilled), cv::FILLED, cv::LINE_AA);
  cv::circle(canonical, following, 4, cv::Scalar(kFilled), cv::FILLED, cv::LINE_AA);

  const std::vector<vision::FoundSpot> spots = Smoothed(canonical);
  ASSERT_EQ(spots.size(), 5u);
  const auto at = [&](cv::Point where) {
    return *std::find_if(spots.begin(), spots.end(), [&](const vision::FoundSpot& s) {
      return std::hypot(s.Centre.x - where.x, s.Centre.y - where.y) < 3;
    });
  };
  ASSERT_TRUE(FoundAt(spots, onLine) && FoundAt(spots, inside) && FoundAt(spots, spot));
  EXPECT_EQ(at(onLine).Penumbra, -1);
  EXPECT_EQ(at(inside).Penumbra, -1);
  // The spot's penumbra is its own outline (about 200 pixels with its line), not the facula's.
  EXPECT_GE(at(spot).Penumbra, 0);
  EXPECT_LT(at(spot).Area, 300);
  ASSERT_TRUE(FoundAt(spots, leading) && FoundAt(spots, following));
  EXPECT_GE(at(leading).Penumbra, 0);
  EXPECT_EQ(at(leading).Penumbra, at(following).Penumbra);
}

TEST(FindWrittenNumbersTest, NumbersBesideGroupsAreFoundNotSpotsLinesOrOutlines) {
  cv::Mat canonical = DrawnDisk();
  // A spot with its penumbra's outline, and pores.
  cv::ellipse(canonical, {700, 700}, {12, 9}, 30, 0, 360, cv::Scalar(kPencil), 2, cv::LINE_AA);
  Pore(canonical, {700, 700});
  Pore(canonical, {740, 706});
  Pore(canonical, {1000, 1000});
  // A grid line across the disk and a facular outline.
  cv::line(canonical, {300, 900}, {1400, 880}, cv::Scalar(kPencil + 20), 1, cv::LINE_AA);
  const std::vector<cv::Point> facula = {{500, 1100}, {560, 1080}, {580, 1130}, {520, 1150}};
  cv::polylines(canonical, facula, true, cv::Scalar(kPencil), 2, cv::LINE_AA);
  // The groups' numbers beside them, one of two digits.
  const cv::Point2d twelve = WriteAsOnSheet(canonical, "12", {752, 660}, kPencil);
  const cv::Point2d eight = WriteAsOnSheet(canonical, "8", {1015, 960}, kPencil);
  cv::GaussianBlur(canonical, canonical, cv::Size(0, 0), 0.8);
  const std::vector<vision::FoundSpot> spots = vision::FindSpots(canonical, 3);
  EXPECT_EQ(spots.size(), 3u);
  const std::vector<cv::Point2d> numbers = vision::FindWrittenNumbers(canonical, 3, spots);
  ASSERT_EQ(numbers.size(), 2u);
  const auto near = [&](const cv::Point2d& at) {
    return std::any_of(numbers.begin(), numbers.end(),
                       [&](const cv::Point2d& n) { return cv::norm(n - at) < 5; });
  };
  EXPECT_TRUE(near(twelve)) << twelve;
  EXPECT_TRUE(near(eight)) << eight;
}

TEST(FindWrittenNumbersTest, ADiskWithNothingWrittenHasNoNumbers) {
  cv::Mat canonical = DrawnDisk();
  EXPECT_TRUE(vision::FindWrittenNumbers(canonical, 3, {}).empty());
  Pore(canonical, {900, 900});
  cv::GaussianBlur(canonical, canonical, cv::Size(0, 0), 0.8);
  EXPECT_TRUE(vision::FindWrittenNumbers(canonical, 3, vision::FindSpots(canonical, 3)).empty());
}

}  // namespace
}  // namespace ardeno
