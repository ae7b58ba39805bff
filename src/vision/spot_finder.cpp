// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/spot_finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <opencv2/imgproc.hpp>
#include <set>

#include "vision/disk_finder.h"
#include "vision/paper.h"

namespace ardeno::vision {
namespace {

// An umbra is filled with pencil pressed hard: its core is darker than this and lies deeper inside
// that dark ink than the middle of any pencil line (lines are drawn under 0.7 mm, umbrae 1.2 mm
// across and more; the canonical disk has 4.8 pixels to the millimetre).
constexpr int kFilledLevel = 125;
constexpr double kCoreDepth = 2.5;
// A blob much longer than wide is a piece of a line.
constexpr double kMostElongation = 3.2;
constexpr int kLeastUmbraPixels = 9;  // a dust speck is smaller
// A knot of lines (the strokes of a written digit meeting, an outline touching another) is as
// deep as a small umbra, but lines leave it: within this many pixels around a blob, the filled ink
// joined to it may be no more than a line passing through an umbra leaves, this share of the
// blob's own area.
constexpr int kKnotReach = 6;
constexpr double kMostLeavingInk = 0.7;
// Where less ink leaves, the strokes leaving are counted on a circle this far from the blob's
// middle: a line through an umbra leaves on two opposite sides; one stroke, or two at an angle,
// leave a knot of a digit or a corner of an outline, and three or more leave strokes crossing (a
// 4's bar over its stem, a number written over a grid line), when they carry this share of the
// blob's area.
constexpr double kStrokeCircle = 9;
constexpr double kLeastStrokeInk = 0.2;
constexpr double kStraightThrough = 120;  // degrees between the two strokes, at least
// An umbra is filled darker than a single stroke: a blob this much darker than the lines leaving
// it is an umbra touching a line (a facular outline drawn over a group), never a knot.
constexpr double kDarkerThanLines = 25;
constexpr int kLeastKnotCore = 3;  // pixels
// A penumbra is a hole in the ink next to the umbra, larger than a gap in the graphite, smaller
// than a grid cell or a facular outline, and not many times the umbra.
constexpr int kLeastPenumbraHole = 12;
constexpr double kLargestPenumbraShare = 0.006;  // of the disk
constexpr double kLargestPenumbraRatio = 40;     // of the umbrae inside
// The outline is drawn around the umbra: the hole inside it encloses the umbra's middle (by this
// many pixels, within the hole's hull, so that an umbra touching its outline on one side still
// counts). A pore drawn on a facular outline or a grid line lies on the line, beside the holes on
// either side of it, and no hole of them is its penumbra.
constexpr double kEnclosedBy = 1.0;
// Umbra radii (of its blob as found, blur included) from its middle to the farthest point of its
// outline, at most: a penumbra drawn about twice the umbra across reaches 1.4-2.
constexpr double kFarthestOutline = 3.5;
// An outline drawn close around its umbra leaves a ring a few pixels wide that the blur breaks
// into pieces, none larger than the umbra: pieces on this many of the sectors around the umbra
// are its penumbra all the same.
constexpr int kRingSectors = 12;
constexpr int kLeastRingSectors = 9;

// The directions (degrees) of the strokes of `joined` crossing a circle about `middle`.
std::vector<double> StrokesLeaving(const cv::Mat& joined, const cv::Point2d& middle) {
  constexpr int kSteps = 96;
  std::array<bool, kSteps> on{};
  for (int k = 0; k < kSteps; ++k) {
    const double a = 2 * std::numbers::pi * k / kSteps;
    const int x = static_cast<int>(std::lround(middle.x + kStrokeCircle * std::sin(a)));
    const int y = static_cast<int>(std::lround(middle.y - kStrokeCircle * std::cos(a)));
    on[static_cast<std::size_t>(k)] =
        x >= 0 && y >= 0 && x < joined.cols && y < joined.rows && joined.at<unsigned char>(y, x);
  }
  std::vector<double> strokes;
  for (int k = 0; k < kSteps; ++k) {
    if (!on[static_cast<std::size_t>(k)] || on[static_cast<std::size_t>((k + kSteps - 1) % kSteps)])
      continue;
    int end = k;
    while (end < k + kSteps - 1 && on[static_cast<std::size_t>((end + 1) % kSteps)]) ++end;
    strokes.push_back((k + end) / 2.0 * 360.0 / kSteps);
  }
  return strokes;
}

// Whether a blob with `leavingShare` of its area in filled ink joined to it just around it (in
// `joined`, about `middle`) is a knot of lines rather than an umbra.
bool IsKnotOfLines(const cv::Mat& joined, const cv::Point2d& middle, double leavingShare) {
  if (leavingShare > kMostLeavingInk) return true;
  if (leavingShare <= kLeastStrokeInk) return false;
  const std::vector<double> strokes = StrokesLeaving(joined, middle);
  if (strokes.size() == 1 || strokes.size() >= 3) return true;
  return strokes.size() == 2 &&
         std::fabs(std::remainder(strokes[0] - strokes[1], 360.0)) < kStraightThrough;
}

// Whether a blob judged a knot of lines is an umbra touching a line after all: it is filled
// clearly darker than the lines leaving it. Within a piece of ink no larger than a written
// character, a knot blurred full (the loop of a 6, 8 or 9, the closed corner of a 4) is darker
// than its strokes' blurred edges too, but its core is a speck at the depth of an umbra; umbrae
// touching each other there have cores of their own, and an umbra on a stroke is darker than
// the stroke's darkest.
bool IsUmbraOnLine(const cv::Mat& grey, const cv::Mat& core, const cv::Mat& leavingInk,
                   const cv::Mat& joined) {
  if (cv::countNonZero(leavingInk) == 0) return false;
  if (cv::mean(grey, core)[0] >= cv::mean(grey, leavingInk)[0] - kDarkerThanLines) return false;
  const cv::Rect piece = cv::boundingRect(joined);
  if (std::max(piece.width, piece.height) > kLargestCharacter) return true;
  if (cv::countNonZero(core) >= kLeastKnotCore) return true;
  double coreDarkest = 0, lineDarkest = 0;
  cv::minMaxLoc(grey, &coreDarkest, nullptr, nullptr, nullptr, core);
  cv::minMaxLoc(grey, &lineDarkest, nullptr, nullptr, nullptr, leavingInk);
  return coreDarkest < lineDarkest - kDarkerThanLines;
}

// Whether the pieces `ring` of `holes` next to a blob (`around` marks the pixels next to it) lie
// on every side of its middle: the light ring inside an outline, not a gap between two strokes.
bool Surrounds(const cv::Mat& holes, const cv::Mat& around, const std::set<int>& ring,
               const cv::Point2d& middle) {
  std::array<bool, kRingSectors> seen{};
  for (int y = 0; y < holes.rows; ++y)
    for (int x = 0; x < holes.cols; ++x) {
      if (!around.at<unsigned char>(y, x) || !ring.count(holes.at<int>(y, x))) continue;
      const double turn = std::atan2(x - middle.x, middle.y - y) / (2 * std::numbers::pi) + 0.5;
      seen[static_cast<std::size_t>(std::min(kRingSectors - 1.0, turn * kRingSectors))] = true;
    }
  return std::count(seen.begin(), seen.end(), true) >= kLeastRingSectors;
}

// The outer boundary of hole `hole` of `holes`, which lies within `box`.
std::vector<cv::Point> HoleOutline(const cv::Mat& holes, int hole, const cv::Rect& box) {
  std::vector<std::vector<cv::Point>> outlines;
  cv::findContours(holes(box) == hole, outlines, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE,
                   box.tl());
  std::vector<cv::Point> outline;
  for (auto& piece : outlines)
    if (piece.size() > outline.size()) outline = std::move(piece);
  return outline;
}

// Whether a hole with boundary `outline` encloses `middle`.
bool Encloses(const std::vector<cv::Point>& outline, const cv::Point2d& middle) {
  if (outline.size() < 3) return false;
  std::vector<cv::Point> hull;
  cv::convexHull(outline, hull);
  return cv::pointPolygonTest(hull, cv::Point2f(middle), true) >= kEnclosedBy;
}

struct Umbra {
  cv::Point2d Centre;
  double Area = 0;
  std::set<int> Holes;
  int Enclosing = 0;  // the hole of Holes that encloses it
};

}  // namespace

InsideCircle InsideTheCircle(cv::Size size, double strokeWidth) {
  InsideCircle inside;
  inside.Radius = kCanonicalRadius - std::max(4.0, 1.5 * strokeWidth + 2);
  inside.Mask = cv::Mat::zeros(size, CV_8U);
  const cv::Point centre(static_cast<int>(kCanonicalCentre), static_cast<int>(kCanonicalCentre));
  cv::circle(inside.Mask, centre, static_cast<int>(inside.Radius), 255, cv::FILLED);
  return inside;
}

std::vector<FoundSpot> FindSpots(const cv::Mat& canonical, double strokeWidth) {
  const cv::Point centre(static_cast<int>(kCanonicalCentre), static_cast<int>(kCanonicalCentre));
  const InsideCircle inside = InsideTheCircle(canonical.size(), strokeWidth);
  const double inner = inside.Radius;
  const cv::Mat& disk = inside.Mask;
  cv::Mat ink = (canonical < kInkLevel) & disk;
  cv::Mat filled = (canonical < kFilledLevel) & disk;
  cv::Mat depth;
  cv::distanceTransform(filled, depth, cv::DIST_L2, cv::DIST_MASK_PRECISE);
  const double core = kCoreDepth;
  cv::Mat cores = depth >= core;

  // Holes in the ink, and the ones open to the limb (the disk's own background, cells of a grid
  // at the limb), which are no penumbra.
  cv::Mat open = (~ink) & disk;
  cv::Mat holes, holeStats, holeCentres;
  cv::connectedComponentsWithStats(open, holes, holeStats, holeCentres, 4, CV_32S);
  std::set<int> atLimb;
  for (int k = 0; k < 1440; ++k) {
    const double a = 2 * std::numbers::pi * k / 1440;
    const int x = centre.x + static_cast<int>(std::lround(std::sin(a) * (inner - 1.5)));
    const int y = centre.y - static_cast<int>(std::lround(std::cos(a) * (inner - 1.5)));
    atLimb.insert(holes.at<int>(y, x));
  }

  cv::Mat strokes;  // the filled ink, each piece joined by itself numbered
  cv::connectedComponents(filled, strokes, 8, CV_32S);
  cv::Mat labels, stats, centroids;
  const int count = cv::connectedComponentsWithStats(cores, labels, stats, centroids, 8, CV_32S);
  std::vector<Umbra> umbrae;
  const int grow = static_cast<int>(std::ceil(core)) + 2;
  const cv::Mat grown =
      cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * grow + 1, 2 * grow + 1));
  const int reach = grow + kKnotReach;
  const cv::Mat aroundBlob =
      cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * reach + 1, 2 * reach + 1));
  const cv::Mat touch = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(5, 5));
  const double diskArea = std::numbers::pi * kCanonicalRadius * kCanonicalRadius;
  const auto areaOf = [&](int hole) { return holeStats.at<int>(hole, cv::CC_STAT_AREA); };
  const auto boxOf = [&](int hole) {
    return cv::Rect(
        holeStats.at<int>(hole, cv::CC_STAT_LEFT), holeStats.at<int>(hole, cv::CC_STAT_TOP),
        holeStats.at<int>(hole, cv::CC_STAT_WIDTH), holeStats.at<int>(hole, cv::CC_STAT_HEIGHT));
  };
  for (int i = 1; i < count; ++i) {
    const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                       stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
    const int margin = reach + 2;
    const cv::Rect roi =
        cv::Rect(box.x - margin, box.y - margin, box.width + 2 * margin, box.height + 2 * margin) &
        cv::Rect(0, 0, canonical.cols, canonical.rows);
    cv::Mat mine = labels(roi) == i;
    cv::Mat reached, blob;
    cv::dilate(mine, reached, grown);
    blob = reached & ink(roi);
    const cv::Moments m = cv::moments(blob, true);
    if (m.m00 < kLeastUmbraPixels) continue;
    const double spread = std::hypot(m.mu20 - m.mu02, 2 * m.mu11);
    const double longest = m.mu20 + m.mu02 + spread, shortest = m.mu20 + m.mu02 - spread;
    if (shortest <= 0 || longest > kMostElongation * kMostElongation * shortest) continue;
    cv::Point inCore;
    cv::minMaxLoc(mine, nullptr, nullptr, nullptr, &inCore);
    const cv::Mat joined = strokes(roi) == strokes.at<int>(roi.y + inCore.y, roi.x + inCore.x);
    cv::Mat near;
    cv::dilate(mine, near, aroundBlob);
    const cv::Mat leavingInk = near & joined & ~reached;
    const int leaving = cv::countNonZero(leavingInk);
    const double reachedArea = cv::countNonZero(reached);
    const cv::Point2d middle(m.m10 / m.m00, m.m01 / m.m00);
    if (IsKnotOfLines(joined, middle, leaving / reachedArea) &&
        !IsUmbraOnLine(canonical(roi), mine, leavingInk, joined))
      continue;
    Umbra umbra;
    umbra.Centre = cv::Point2d(roi.x + m.m10 / m.m00, roi.y + m.m01 / m.m00);
    umbra.Area = m.m00;
    cv::Mat around;
    cv::dilate(blob, around, touch);
    around &= ~blob;
    // The holes next to the umbra, but the disk's background and any larger than a penumbra.
    std::set<int> next;
    for (int y = 0; y < roi.height; ++y)
      for (int x = 0; x < roi.width; ++x) {
        if (!around.at<unsigned char>(y, x)) continue;
        const int hole = holes.at<int>(roi.y + y, roi.x + x);
        if (hole == 0 || atLimb.count(hole)) continue;
        if (areaOf(hole) <= kLargestPenumbraShare * diskArea) next.insert(hole);
      }
    // The innermost hole enclosing the umbra is its penumbra; else the pieces of a broken ring.
    for (int hole : next)
      if ((umbra.Enclosing == 0 || areaOf(hole) < areaOf(umbra.Enclosing)) &&
          Encloses(HoleOutline(holes, hole, boxOf(hole)), umbra.Centre))
        umbra.Enclosing = hole;
    std::set<int> ring;
    if (umbra.Enclosing != 0) {
      ring = {umbra.Enclosing};
    } else if (std::all_of(next.begin(), next.end(),
                           [&](int hole) { return areaOf(hole) <= umbra.Area; }) &&
               Surrounds(holes(roi), around, next, umbra.Centre - cv::Point2d(roi.tl()))) {
      ring = next;
    }
    double ringArea = 0;
    for (int hole : ring) ringArea += areaOf(hole);
    if (ringArea >= kLeastPenumbraHole && ringArea <= kLargestPenumbraRatio * umbra.Area)
      umbra.Holes = std::move(ring);
    else
      umbra.Enclosing = 0;
    umbrae.push_back(std::move(umbra));
  }

  // An outline hugs what it is drawn around: no point of it lies farther from an umbra inside
  // than kFarthestOutline times that umbra's radius. A facular outline or a grid cell around a
  // pore reaches farther, and is no penumbra.
  std::map<int, std::vector<std::size_t>> enclosed;
  for (std::size_t u = 0; u < umbrae.size(); ++u)
    if (umbrae[u].Enclosing != 0) enclosed[umbrae[u].Enclosing].push_back(u);
  for (const auto& [hole, inside] : enclosed) {
    const std::vector<cv::Point> outline = HoleOutline(holes, hole, boxOf(hole));
    const bool hugs = std::all_of(outline.begin(), outline.end(), [&](const cv::Point& at) {
      return std::any_of(inside.begin(), inside.end(), [&](std::size_t u) {
        const double radius = std::sqrt(umbrae[u].Area / std::numbers::pi);
        return cv::norm(cv::Point2d(at) - umbrae[u].Centre) <= kFarthestOutline * radius;
      });
    });
    if (!hugs)
      for (std::size_t u : inside) umbrae[u].Holes.clear();
  }

  // Umbrae next to one hole share its penumbra: join them through their holes.
  std::map<int, int> penumbraOfHole;
  std::vector<int> penumbra(umbrae.size(), -1);
  int penumbrae = 0;
  for (std::size_t u = 0; u < umbrae.size(); ++u) {
    for (int hole : umbrae[u].Holes) {
      const auto known = penumbraOfHole.find(hole);
      if (known != penumbraOfHole.end() && penumbra[u] < 0) penumbra[u] = known->second;
    }
    if (penumbra[u] < 0 && !umbrae[u].Holes.empty()) penumbra[u] = penumbrae++;
    for (int hole : umbrae[u].Holes) penumbraOfHole.emplace(hole, penumbra[u]);
  }
  std::vector<double> holeArea(static_cast<std::size_t>(penumbrae), 0);
  std::vector<double> umbraArea(static_cast<std::size_t>(penumbrae), 0);
  for (const auto& [hole, p] : penumbraOfHole)
    holeArea[static_cast<std::size_t>(p)] += areaOf(hole);
  for (std::size_t u = 0; u < umbrae.size(); ++u)
    if (penumbra[u] >= 0) umbraArea[static_cast<std::size_t>(penumbra[u])] += umbrae[u].Area;

  std::vector<FoundSpot> spots;
  for (std::size_t u = 0; u < umbrae.size(); ++u) {
    FoundSpot spot;
    spot.Centre = umbrae[u].Centre;
    spot.UmbraArea = umbrae[u].Area;
    spot.Area = umbrae[u].Area;
    spot.Penumbra = penumbra[u];
    if (penumbra[u] >= 0) {
      const auto p = static_cast<std::size_t>(penumbra[u]);
      const double inside = holeArea[p] + umbraArea[p];
      // Half the outline's line belongs to the penumbra.
      const double outline = 2 * std::sqrt(std::numbers::pi * inside) * strokeWidth / 2;
      spot.Area = (inside + outline) * umbrae[u].Area / umbraArea[p];
    }
    spots.push_back(spot);
  }
  return spots;
}

}  // namespace ardeno::vision
