// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/paper.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "vision/disk_finder.h"

namespace ardeno::vision {
namespace {

// The light is estimated on a picture this many times smaller, after closing away lines up to
// this width there (a filled spot up to about 5 mm on a 2400-pixel picture of an A4 sheet).
constexpr int kLightReduction = 4;
constexpr int kLightClosing = 15;
constexpr double kLeastSheetContrast = 50;
// Where the brightest of 3 x 3 pixels is this many times the darkest (the picture a sixth of the
// working one), the step is as sharp as the paper's edge on the table; a shadow's edge, in
// whatever light, changes the brightness by less per pixel.
constexpr double kSharpStep = 1.28;
// The paper's edge is a step a few pixels wide; the edge of a shadow falling over the sheet is
// soft, tens of pixels wide. Across each edge found, the middle half of the step in brightness
// (a quarter to three quarters) must be no wider than this (pixels of the working picture), or
// the edge is a shadow's, and its corners no sheet's.
constexpr double kWidestPaperEdge = 10;
constexpr int kEdgeProfiles = 9;
constexpr int kProfileReach = 40;  // pixels either side of the edge

cv::Vec3d LineThrough(const cv::Vec4f& fitted) {
  const cv::Vec3d a(fitted[2], fitted[3], 1), d(fitted[0], fitted[1], 0);
  const cv::Vec3d b = a + d;
  return a.cross(b);
}

// The width of the middle half of the step in brightness across the line from `a` to `b` (the
// median of kEdgeProfiles profiles across it).
double StepWidth(const cv::Mat& gray, const cv::Point2d& a, const cv::Point2d& b) {
  const double length = cv::norm(b - a);
  if (!(length >= 1)) return 2.0 * kProfileReach;  // corners run together: no edge to measure
  const cv::Point2d along = (b - a) / length;
  const cv::Point2d across(-along.y, along.x);
  std::vector<double> widths;
  for (int k = 1; k <= kEdgeProfiles; ++k) {
    const cv::Point2d at = a + (b - a) * (0.1 + 0.8 * k / (kEdgeProfiles + 1.0));
    std::vector<double> profile;
    for (int i = -kProfileReach; i <= kProfileReach; ++i) {
      double sum = 0;  // averaged over a few pixels along the edge against the grain
      for (int j = -2; j <= 2; ++j) {
        const cv::Point2d p = at + across * i + along * j;
        const int x = std::clamp(static_cast<int>(std::lround(p.x)), 0, gray.cols - 1);
        const int y = std::clamp(static_cast<int>(std::lround(p.y)), 0, gray.rows - 1);
        sum += gray.at<unsigned char>(y, x);
      }
      profile.push_back(sum / 5);
    }
    const auto ends = [&](std::size_t from) {
      return std::accumulate(profile.begin() + static_cast<long>(from),
                             profile.begin() + static_cast<long>(from + 8), 0.0) /
             8;
    };
    double low = ends(0), high = ends(profile.size() - 8);
    if (low > high) {
      std::reverse(profile.begin(), profile.end());
      std::swap(low, high);
    }
    const auto crossing = [&](double level) {
      for (std::size_t i = 0; i < profile.size(); ++i)
        if (profile[i] >= level) return static_cast<double>(i);
      return static_cast<double>(profile.size());
    };
    widths.push_back(crossing(low + 0.75 * (high - low)) - crossing(low + 0.25 * (high - low)));
  }
  std::nth_element(widths.begin(), widths.begin() + kEdgeProfiles / 2, widths.end());
  return widths[kEdgeProfiles / 2];
}

// The part of `picture` that `lit` (the brightest part of the sheet) reaches without crossing a
// sharp step: the sheet with any shadow across it, or `lit` itself where the step around the
// sheet is missing somewhere and the table would come in.
cv::Mat ReachedWithoutSharpStep(const cv::Mat& picture, const cv::Mat& lit) {
  const cv::Mat box = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3));
  cv::Mat brightest, darkest;
  cv::dilate(picture, brightest, box);
  cv::erode(picture, darkest, box);
  brightest.convertTo(brightest, CV_32F);
  darkest.convertTo(darkest, CV_32F, kSharpStep);
  const cv::Mat smooth = brightest <= darkest + 1;
  cv::Mat labels;
  const int count = cv::connectedComponents(smooth, labels, 4, CV_32S);
  std::vector<int> overlap(static_cast<std::size_t>(count), 0);
  for (int y = 0; y < labels.rows; ++y)
    for (int x = 0; x < labels.cols; ++x)
      if (lit.at<unsigned char>(y, x)) ++overlap[static_cast<std::size_t>(labels.at<int>(y, x))];
  const auto most = std::max_element(overlap.begin() + 1, overlap.end());
  if (most == overlap.end()) return lit;
  cv::Mat reached = labels == static_cast<int>(most - overlap.begin());
  cv::dilate(reached, reached, box);  // over the step itself
  reached |= lit;
  const auto onBorder = [](const cv::Mat& m) {
    return cv::countNonZero(m.row(0)) + cv::countNonZero(m.row(m.rows - 1)) +
           cv::countNonZero(m.col(0)) + cv::countNonZero(m.col(m.cols - 1));
  };
  if (onBorder(reached) > onBorder(lit) + 8) return lit;
  return reached;
}

// The derivative of the homography `h` at `p`: how it moves points near `p`.
cv::Matx22d LocalLinearPart(const cv::Matx33d& h, const cv::Point2d& p) {
  const double w = h(2, 0) * p.x + h(2, 1) * p.y + h(2, 2);
  const cv::Point2d q = Apply(h, p);
  return cv::Matx22d((h(0, 0) - h(2, 0) * q.x) / w, (h(0, 1) - h(2, 1) * q.x) / w,
                     (h(1, 0) - h(2, 0) * q.y) / w, (h(1, 1) - h(2, 1) * q.y) / w);
}

}  // namespace

cv::Mat EvenLight(const cv::Mat& gray) {
  cv::Mat small, light;
  cv::resize(gray, small, cv::Size(), 1.0 / kLightReduction, 1.0 / kLightReduction, cv::INTER_AREA);
  const cv::Mat kernel =
      cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(kLightClosing, kLightClosing));
  cv::morphologyEx(small, light, cv::MORPH_CLOSE, kernel);
  cv::GaussianBlur(light, light, cv::Size(0, 0), 3);
  cv::resize(light, light, gray.size(), 0, 0, cv::INTER_LINEAR);
  cv::Mat even;
  cv::divide(gray, cv::max(light, 1), even, kPaperLevel, CV_8U);
  return even;
}

std::optional<Sheet> FindSheet(const cv::Mat& gray) {
  constexpr int kSide = 400;
  const double scale = static_cast<double>(kSide) / std::max(gray.cols, gray.rows);
  cv::Mat plain, small, bright;
  cv::resize(gray, plain, cv::Size(), scale, scale, cv::INTER_AREA);
  cv::GaussianBlur(plain, small, cv::Size(0, 0), 2);
  // Close the pencil away so that it does not cut the sheet.
  const cv::Mat pencil = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(7, 7));
  cv::morphologyEx(small, small, cv::MORPH_CLOSE, pencil);
  cv::morphologyEx(plain, plain, cv::MORPH_CLOSE, pencil);
  const double level = cv::threshold(small, bright, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
  double darkest = 0, brightest = 0;
  cv::minMaxLoc(small, &darkest, &brightest);
  if (brightest - darkest < 40 || level <= darkest + 10) return std::nullopt;

  cv::Mat labels, stats, centroids;
  const int count = cv::connectedComponentsWithStats(bright, labels, stats, centroids, 4);
  int best = 0;
  for (int i = 1; i < count; ++i)
    if (best == 0 || stats.at<int>(i, cv::CC_STAT_AREA) > stats.at<int>(best, cv::CC_STAT_AREA))
      best = i;
  if (best == 0) return std::nullopt;
  const double share = stats.at<int>(best, cv::CC_STAT_AREA) / static_cast<double>(small.total());
  // A sheet filling the picture has no edge to find; one too small is not the sheet.
  if (share > 0.97 || share < 0.2) return std::nullopt;
  cv::Mat sheet = labels == best;
  // The sheet stands out from the table; two halves of an unevenly lit sheet do not.
  if (cv::mean(small, sheet)[0] - cv::mean(small, ~sheet)[0] < kLeastSheetContrast)
    return std::nullopt;
  sheet = ReachedWithoutSharpStep(plain, sheet);
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(sheet, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
  if (contours.empty()) return std::nullopt;
  const auto outline = std::max_element(contours.begin(), contours.end(),
                                        [](auto& a, auto& b) { return a.size() < b.size(); });
  cv::Mat filled = cv::Mat::zeros(small.size(), CV_8U);
  cv::drawContours(filled, contours, static_cast<int>(outline - contours.begin()), 255, cv::FILLED);
  // Keep clear of the edge itself and of the shadow along it.
  cv::erode(filled, filled, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(7, 7)));
  Sheet found;
  cv::resize(filled, found.Mask, gray.size(), 0, 0, cv::INTER_NEAREST);

  std::vector<cv::Point> hull, corners;
  cv::convexHull(*outline, hull);
  cv::approxPolyDP(hull, corners, 0.03 * cv::arcLength(hull, true), true);
  const auto touchesBorder = [&](const cv::Point& p) {
    return p.x <= 2 || p.y <= 2 || p.x >= small.cols - 3 || p.y >= small.rows - 3;
  };
  if (corners.size() != 4 || std::any_of(corners.begin(), corners.end(), touchesBorder))
    return found;
  // Each edge fitted to the outline's points between its corners (away from the corners).
  std::array<cv::Vec3d, 4> edges;
  for (int e = 0; e < 4; ++e) {
    const cv::Point2d a = corners[e], b = corners[(e + 1) % 4];
    const double length = cv::norm(b - a);
    std::vector<cv::Point2f> points;
    for (const cv::Point& p : *outline) {
      const cv::Point2d q(p.x, p.y);
      const double along = (q - a).dot(b - a) / (length * length);
      const double off = std::fabs((q - a).cross(b - a)) / length;
      if (along > 0.1 && along < 0.9 && off < 4 && !touchesBorder(p))
        points.emplace_back(static_cast<float>(q.x / scale), static_cast<float>(q.y / scale));
    }
    if (points.size() < 10) return found;
    cv::Vec4f line;
    cv::fitLine(points, line, cv::DIST_HUBER, 0, 0.01, 0.01);
    edges[static_cast<std::size_t>(e)] = LineThrough(line);
  }
  std::array<cv::Point2d, 4> exact;
  for (int c = 0; c < 4; ++c) {
    const cv::Vec3d p =
        edges[static_cast<std::size_t>((c + 3) % 4)].cross(edges[static_cast<std::size_t>(c)]);
    if (std::fabs(p[2]) < 1e-12) return found;
    exact[static_cast<std::size_t>(c)] = cv::Point2d(p[0] / p[2], p[1] / p[2]);
  }
  for (int c = 0; c < 4; ++c)
    if (StepWidth(gray, exact[static_cast<std::size_t>(c)],
                  exact[static_cast<std::size_t>((c + 1) % 4)]) > kWidestPaperEdge)
      return found;
  found.Corners = exact;
  return found;
}

cv::Matx33d RemovePerspective(const std::array<cv::Point2d, 4>& corners, cv::Size picture) {
  // Work in coordinates of about unit size so that the vanishing line is well conditioned.
  const double s = std::max(picture.width, picture.height);
  const auto h = [&](const cv::Point2d& p) { return cv::Vec3d(p.x / s, p.y / s, 1); };
  const cv::Vec3d e0 = h(corners[0]).cross(h(corners[1]));
  const cv::Vec3d e1 = h(corners[1]).cross(h(corners[2]));
  const cv::Vec3d e2 = h(corners[2]).cross(h(corners[3]));
  const cv::Vec3d e3 = h(corners[3]).cross(h(corners[0]));
  const cv::Vec3d v1 = e0.cross(e2), v2 = e1.cross(e3);
  cv::Vec3d horizon = v1.cross(v2);
  if (std::fabs(horizon[2]) < 1e-12) return cv::Matx33d::eye();
  horizon /= horizon[2];
  // A horizon crossing the sheet would be no perspective of a flat sheet seen from the front.
  for (const cv::Point2d& c : corners) {
    const cv::Vec3d p = h(c);
    if (horizon.dot(p) <= 0.05) return cv::Matx33d::eye();
  }
  const cv::Matx33d toUnit(1 / s, 0, 0, 0, 1 / s, 0, 0, 0, 1);
  const cv::Matx33d project(1, 0, 0, 0, 1, 0, horizon[0], horizon[1], 1);
  const cv::Matx33d back(s, 0, 0, 0, s, 0, 0, 0, 1);
  const cv::Matx33d flat = back * project * toUnit;
  // Sending the horizon away also squeezes the picture along its direction, by as much as a
  // quarter at a steep angle, which would turn the drawn circle into an ellipse no circle search
  // finds. Undone at the sheet's middle: there the transform is left neither turned nor squeezed.
  const cv::Point2d middle = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
  const cv::Matx22d local = LocalLinearPart(flat, middle);
  const cv::Matx22d undo = local.inv();
  const cv::Point2d moved = Apply(flat, middle);
  const cv::Vec2d shift = cv::Vec2d(middle.x, middle.y) - undo * cv::Vec2d(moved.x, moved.y);
  const cv::Matx33d straighten(undo(0, 0), undo(0, 1), shift[0], undo(1, 0), undo(1, 1), shift[1],
                               0, 0, 1);
  return straighten * flat;
}

}  // namespace ardeno::vision
