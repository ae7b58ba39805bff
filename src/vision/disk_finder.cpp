// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/disk_finder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <random>
#include <vector>

#include "vision/paper.h"

namespace ardeno::vision {
namespace {

constexpr int kMaxPoints = 6000;
constexpr int kCircleTrials = 700;
constexpr int kCoverageBins = 72;
constexpr std::size_t kLongestPieces = 40;
// The limb is searched this share of the radius either side of the fitted circle.
constexpr double kLimbWindow = 0.06;
constexpr int kLimbRays = 720;

struct Circle {
  cv::Point2d Centre;
  double Radius = 0;
};

std::optional<Circle> CircleThrough(const cv::Point2d& a, const cv::Point2d& b,
                                    const cv::Point2d& c) {
  const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  if (std::fabs(d) < 1e-9) return std::nullopt;
  const double a2 = a.dot(a), b2 = b.dot(b), c2 = c.dot(c);
  const cv::Point2d centre((a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                           (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d);
  return Circle{centre, cv::norm(a - centre)};
}

// How well a circle fits the ink: the points on it, weighted by how much of its turn they cover
// (a whole circle beats a longer arc of a grid line or a cluster of text).
double CircleScore(const Circle& circle, const std::vector<cv::Point2d>& points) {
  const double band = 0.03 * circle.Radius + 1;
  std::vector<char> covered(kCoverageBins, 0);
  int inliers = 0;
  for (const cv::Point2d& p : points) {
    const cv::Point2d d = p - circle.Centre;
    if (std::fabs(std::hypot(d.x, d.y) - circle.Radius) > band) continue;
    ++inliers;
    const double turn = (std::atan2(d.y, d.x) + std::numbers::pi) / (2 * std::numbers::pi);
    covered[static_cast<std::size_t>(std::min(kCoverageBins - 1.0, turn * kCoverageBins))] = 1;
  }
  const int bins = static_cast<int>(std::count(covered.begin(), covered.end(), 1));
  return static_cast<double>(bins) * bins * inliers;
}

// The circle through a long piece of line, by least squares (a piece of a broken limb gives the
// limb's circle even where random triples of points seldom all fall on the limb).
std::optional<Circle> CircleAlong(const std::vector<cv::Point>& line) {
  double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0, sz = 0, sxz = 0, syz = 0;
  const double n = static_cast<double>(line.size());
  for (const cv::Point& p : line) {
    const double x = p.x, y = p.y, z = x * x + y * y;
    sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y, sz += z, sxz += x * z, syz += y * z;
  }
  // x^2 + y^2 + D x + E y + F = 0
  const cv::Matx33d a(sxx, sxy, sx, sxy, syy, sy, sx, sy, n);
  const cv::Vec3d b(-sxz, -syz, -sz);
  cv::Vec3d d;
  if (!cv::solve(a, b, d, cv::DECOMP_CHOLESKY)) return std::nullopt;
  const cv::Point2d centre(-d[0] / 2, -d[1] / 2);
  const double r2 = centre.dot(centre) - d[2];
  if (r2 <= 0) return std::nullopt;
  return Circle{centre, std::sqrt(r2)};
}

// The circle with most of the ink on it: tried through random triples of points and along the
// longest pieces of line.
std::optional<Circle> BestCircle(const std::vector<cv::Point2d>& points,
                                 const std::vector<std::vector<cv::Point>>& pieces,
                                 double largest) {
  if (points.size() < 20) return std::nullopt;
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::size_t> pick(0, points.size() - 1);
  std::optional<Circle> best;
  double bestScore = 0;
  const auto consider = [&](const std::optional<Circle>& circle) {
    if (!circle || circle->Radius < 0.08 * largest || circle->Radius > 0.7 * largest) return;
    const double score = CircleScore(*circle, points);
    if (score > bestScore) {
      bestScore = score;
      best = circle;
    }
  };
  for (int trial = 0; trial < kCircleTrials; ++trial)
    consider(CircleThrough(points[pick(random)], points[pick(random)], points[pick(random)]));
  for (const std::vector<cv::Point>& piece : pieces) consider(CircleAlong(piece));
  return best;
}

// Affine transform taking the ellipse onto the canonical circle.
cv::Matx33d EllipseToCircle(const cv::RotatedRect& e) {
  const double t = e.angle * std::numbers::pi / 180;
  const cv::Matx22d r(std::cos(t), -std::sin(t), std::sin(t), std::cos(t));
  const cv::Matx22d s(2 * kCanonicalRadius / e.size.width, 0, 0,
                      2 * kCanonicalRadius / e.size.height);
  const cv::Matx22d m = r * s * r.t();
  const cv::Vec2d c(e.center.x, e.center.y);
  const cv::Vec2d shift = cv::Vec2d(kCanonicalCentre, kCanonicalCentre) - m * c;
  return cv::Matx33d(m(0, 0), m(0, 1), shift[0], m(1, 0), m(1, 1), shift[1], 0, 0, 1);
}

std::optional<cv::RotatedRect> FitEllipseNear(const std::vector<cv::Point2d>& points,
                                              cv::RotatedRect ellipse, double band) {
  for (int round = 0; round < 3; ++round) {
    const cv::Matx33d toCircle = EllipseToCircle(ellipse);
    std::vector<cv::Point2f> near;
    for (const cv::Point2d& p : points) {
      const cv::Point2d q = Apply(toCircle, p) - cv::Point2d(kCanonicalCentre, kCanonicalCentre);
      if (std::fabs(std::hypot(q.x, q.y) / kCanonicalRadius - 1) < band)
        near.emplace_back(static_cast<float>(p.x), static_cast<float>(p.y));
    }
    if (near.size() < 20) return std::nullopt;
    ellipse = cv::fitEllipse(near);
    band = std::max(0.012, band * 0.7);
  }
  return ellipse;
}

double Sample(const cv::Mat& m, double x, double y) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  if (x0 < 0 || y0 < 0 || x0 + 1 >= m.cols || y0 + 1 >= m.rows) return kPaperLevel;
  const double fx = x - x0, fy = y - y0;
  const auto at = [&](int yy, int xx) { return static_cast<double>(m.at<unsigned char>(yy, xx)); };
  return (at(y0, x0) * (1 - fx) + at(y0, x0 + 1) * fx) * (1 - fy) +
         (at(y0 + 1, x0) * (1 - fx) + at(y0 + 1, x0 + 1) * fx) * fy;
}

struct LimbFit {
  std::vector<cv::Point2f> Points;
  double Width = 0;
};

// The middle of the pencil line on rays from the centre of the canonical picture, to a fraction
// of a pixel: the darkness-weighted centre of the dark run around the darkest place.
LimbFit FindLimb(const cv::Mat& canonical) {
  LimbFit fit;
  std::vector<double> widths, radii, angles;
  const double step = 0.5;
  const int samples = static_cast<int>(2 * kLimbWindow * kCanonicalRadius / step);
  std::vector<double> dark(static_cast<std::size_t>(samples));
  for (int k = 0; k < kLimbRays; ++k) {
    const double a = 2 * std::numbers::pi * k / kLimbRays;
    const double ux = std::sin(a), uy = -std::cos(a);
    const double start = (1 - kLimbWindow) * kCanonicalRadius;
    std::size_t darkest = 0;
    for (int i = 0; i < samples; ++i) {
      const double r = start + i * step;
      const double v = Sample(canonical, kCanonicalCentre + ux * r, kCanonicalCentre + uy * r);
      dark[static_cast<std::size_t>(i)] = std::max(0.0, (kPaperLevel - v) / kPaperLevel);
      if (dark[static_cast<std::size_t>(i)] > dark[darkest]) darkest = static_cast<std::size_t>(i);
    }
    if (dark[darkest] < 0.2) continue;
    const double half = dark[darkest] / 2;
    std::size_t first = darkest, last = darkest;
    while (first > 0 && dark[first - 1] > half) --first;
    while (last + 1 < dark.size() && dark[last + 1] > half) ++last;
    if (first == 0 || last + 1 == dark.size()) continue;  // a line along the ray, not across
    double sum = 0, moment = 0;
    for (std::size_t i = first; i <= last; ++i) {
      sum += dark[i];
      moment += dark[i] * static_cast<double>(i);
    }
    const double r = start + moment / sum * step;
    widths.push_back(static_cast<double>(last - first + 1) * step);
    radii.push_back(r);
    angles.push_back(a);
  }
  if (radii.size() < 40) return fit;
  std::vector<double> sorted = widths;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2),
                   sorted.end());
  fit.Width = sorted[sorted.size() / 2];
  for (std::size_t i = 0; i < radii.size(); ++i) {
    if (widths[i] > 2.5 * fit.Width + 1) continue;  // a crossing line or a spot on the limb
    fit.Points.emplace_back(static_cast<float>(kCanonicalCentre + std::sin(angles[i]) * radii[i]),
                            static_cast<float>(kCanonicalCentre - std::cos(angles[i]) * radii[i]));
  }
  return fit;
}

}  // namespace

cv::Point2d Apply(const cv::Matx33d& h, const cv::Point2d& p) {
  const cv::Vec3d q = h * cv::Vec3d(p.x, p.y, 1);
  return {q[0] / q[2], q[1] / q[2]};
}

cv::Mat ToCanonicalFrame(const cv::Mat& picture, const cv::Matx33d& toCanonical, int fill) {
  cv::Mat canonical;
  cv::warpPerspective(picture, canonical, cv::Mat(toCanonical),
                      cv::Size(kCanonicalSize, kCanonicalSize), cv::INTER_LINEAR,
                      cv::BORDER_CONSTANT, cv::Scalar(fill));
  return canonical;
}

std::optional<DiskFrame> FindDisk(const cv::Mat& even, const cv::Mat& ink,
                                  const cv::Matx33d& perspective) {
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(ink.clone(), contours, cv::RETR_LIST, cv::CHAIN_APPROX_NONE);
  std::size_t total = 0;
  for (const auto& c : contours)
    if (c.size() >= 30) total += c.size();
  if (total == 0) return std::nullopt;
  const std::size_t stride = std::max<std::size_t>(1, total / kMaxPoints);
  std::vector<cv::Point2d> points;
  std::size_t n = 0;
  for (const auto& c : contours) {
    if (c.size() < 30) continue;
    for (const cv::Point& p : c)
      if (n++ % stride == 0) points.push_back(Apply(perspective, cv::Point2d(p.x, p.y)));
  }
  cv::Rect2d box = cv::boundingRect(std::vector<cv::Point2f>(points.begin(), points.end()));
  // The longest pieces of line, in the frame the points are in.
  std::vector<std::size_t> order(contours.size());
  std::iota(order.begin(), order.end(), 0);
  const std::size_t longest = std::min(order.size(), kLongestPieces);
  std::partial_sort(
      order.begin(), order.begin() + static_cast<long>(longest), order.end(),
      [&](std::size_t a, std::size_t b) { return contours[a].size() > contours[b].size(); });
  std::vector<std::vector<cv::Point>> pieces;
  for (std::size_t i = 0; i < longest; ++i) {
    if (contours[order[i]].size() < 30) break;
    std::vector<cv::Point> piece;
    for (const cv::Point& p : contours[order[i]]) {
      const cv::Point2d q = Apply(perspective, cv::Point2d(p.x, p.y));
      piece.emplace_back(static_cast<int>(std::lround(q.x)), static_cast<int>(std::lround(q.y)));
    }
    pieces.push_back(std::move(piece));
  }
  const std::optional<Circle> circle = BestCircle(points, pieces, std::max(box.width, box.height));
  if (!circle) return std::nullopt;
  const cv::RotatedRect start(cv::Point2f(circle->Centre),
                              cv::Size2f(2 * circle->Radius, 2 * circle->Radius), 0);
  const std::optional<cv::RotatedRect> ellipse = FitEllipseNear(points, start, 0.025);
  if (!ellipse || ellipse->size.width < 20 || ellipse->size.height < 20) return std::nullopt;
  const double ratio = std::min(ellipse->size.width, ellipse->size.height) /
                       std::max(ellipse->size.width, ellipse->size.height);
  if (ratio < 0.8) return std::nullopt;  // more than a drawing photographed at an angle

  DiskFrame frame;
  frame.ToCanonical = EllipseToCircle(*ellipse) * perspective;
  for (int round = 0; round < 2; ++round) {
    const cv::Mat canonical = ToCanonicalFrame(even, frame.ToCanonical, kPaperLevel);
    const LimbFit limb = FindLimb(canonical);
    if (limb.Points.size() < 40) break;
    frame.StrokeWidth = limb.Width;
    frame.LimbPoints = static_cast<int>(limb.Points.size());
    // The points' distances from the fitted circle: drop those far out (a spot or a letter
    // touching the line) before the final fit.
    const cv::RotatedRect first = cv::fitEllipse(limb.Points);
    const cv::Matx33d toCircle = EllipseToCircle(first);
    std::vector<double> miss;
    for (const cv::Point2f& p : limb.Points) {
      const cv::Point2d q = Apply(toCircle, p) - cv::Point2d(kCanonicalCentre, kCanonicalCentre);
      miss.push_back(std::fabs(std::hypot(q.x, q.y) - kCanonicalRadius));
    }
    std::vector<double> sorted = miss;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2),
                     sorted.end());
    const double limit = std::max(1.0, 3 * 1.4826 * sorted[sorted.size() / 2]);
    std::vector<cv::Point2f> kept;
    for (std::size_t i = 0; i < miss.size(); ++i)
      if (miss[i] <= limit) kept.push_back(limb.Points[i]);
    if (kept.size() < 40) break;
    frame.ToCanonical = EllipseToCircle(cv::fitEllipse(kept)) * frame.ToCanonical;
  }
  if (frame.LimbPoints < kLimbRays / 4) return std::nullopt;
  return frame;
}

}  // namespace ardeno::vision
