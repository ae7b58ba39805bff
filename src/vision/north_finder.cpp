// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/north_finder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "vision/disk_finder.h"
#include "vision/paper.h"

namespace ardeno::vision {
namespace {

constexpr double kDeg = std::numbers::pi / 180;
// The line must be drawn on most of the disk and past the limb at both ends.
constexpr double kInsideShare = 0.6;
constexpr double kBeyondShare = 0.5;
// A marked end has this many times the ink of the other beyond the limb.
constexpr double kMarkRatio = 1.4;
// Directions through the centre with this much ink are fitted exactly, the most inked first.
constexpr double kCandidateShare = 0.4;
constexpr std::size_t kCandidates = 8;
// Directions searched this many degrees apart, each at offsets up to this many pixels either side
// of the centre: a phone photo's perspective left in the fitted disk moves its centre up to 6 %
// of the radius from the drawn one, where the line passes.
constexpr double kCandidateStep = 0.25;
constexpr double kCandidateOffset = 36;
constexpr double kCandidateStride = 7;  // pixels along the line between places looked at

bool IsInk(const cv::Mat& m, double x, double y) {
  const int xi = static_cast<int>(std::lround(x)), yi = static_cast<int>(std::lround(y));
  if (xi < 0 || yi < 0 || xi >= m.cols || yi >= m.rows) return false;
  return m.at<unsigned char>(yi, xi) < kInkLevel;
}

double Darkness(const cv::Mat& m, double x, double y) {
  const int xi = static_cast<int>(std::lround(x)), yi = static_cast<int>(std::lround(y));
  if (xi < 0 || yi < 0 || xi >= m.cols || yi >= m.rows) return 0;
  return std::max(0, kPaperLevel - m.at<unsigned char>(yi, xi));
}

// A straight line: its direction (radians clockwise from up) and how far its nearest point lies
// from the centre, across the direction (canonical pixels).
struct Line {
  double Angle = 0;
  double Offset = 0;
  cv::Point2d At(double along, double across) const {
    const double ux = std::sin(Angle), uy = -std::cos(Angle);
    return {kCanonicalCentre + ux * along - uy * (Offset + across),
            kCanonicalCentre + uy * along + ux * (Offset + across)};
  }
};

// Share of the places along the line (from `from` to `to` radii; negative: the other end) that
// are ink within a pixel across it.
double InkShare(const cv::Mat& m, const Line& line, double from, double to, double stride = 2) {
  int ink = 0, all = 0;
  // The line's points step by step (this runs for every direction and offset searched).
  const cv::Point2d start = line.At(from * kCanonicalRadius, 0);
  const cv::Point2d step = line.At(from * kCanonicalRadius + stride, 0) - start;
  const cv::Point2d side = line.At(from * kCanonicalRadius, 1.2) - start;
  cv::Point2d p = start;
  for (double r = from * kCanonicalRadius; r <= to * kCanonicalRadius;
       r += stride, ++all, p += step)
    ink += IsInk(m, p.x, p.y) || IsInk(m, p.x - side.x, p.y - side.y) ||
           IsInk(m, p.x + side.x, p.y + side.y);
  return all == 0 ? 0 : static_cast<double>(ink) / all;
}

double InsideShare(const cv::Mat& m, const Line& line, double stride = 2) {
  return (InkShare(m, line, 0.06, 0.92, stride) + InkShare(m, line, -0.92, -0.06, stride)) / 2;
}

// The line to a fraction of a degree: the middle of the pencil across it at many places, and
// the straight line through those middles.
Line FitLine(const cv::Mat& m, const Line& start) {
  std::vector<double> along, across;
  for (double r = -0.9 * kCanonicalRadius; r <= 0.9 * kCanonicalRadius; r += 4) {
    if (std::fabs(r) < 0.1 * kCanonicalRadius) continue;
    double sum = 0, moment = 0, peak = 0;
    for (double o = -5; o <= 5; o += 0.5) {
      const cv::Point2d p = start.At(r, o);
      const double d = Darkness(m, p.x, p.y);
      sum += d;
      moment += d * o;
      peak = std::max(peak, d);
    }
    if (peak < 0.2 * kPaperLevel) continue;
    along.push_back(r);
    across.push_back(moment / sum);
  }
  if (along.size() < 20) return start;
  // Least squares across = a + b along, twice, the second time without the far misses
  // (a spot or a grid line crossing the axis).
  std::vector<char> use(along.size(), 1);
  double slope = 0, intercept = 0;
  for (int round = 0; round < 2; ++round) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < along.size(); ++i) {
      if (!use[i]) continue;
      n += 1;
      sx += along[i];
      sy += across[i];
      sxx += along[i] * along[i];
      sxy += along[i] * across[i];
    }
    const double det = n * sxx - sx * sx;
    if (n < 10 || det <= 0) break;
    slope = (n * sxy - sx * sy) / det;
    intercept = (sy - slope * sx) / n;
    for (std::size_t i = 0; i < along.size(); ++i)
      use[i] = std::fabs(across[i] - intercept - slope * along[i]) < 1.5;
  }
  Line fitted;
  fitted.Angle = start.Angle + std::atan(slope);
  fitted.Offset = start.Offset + intercept * std::cos(std::atan(slope));
  return fitted;
}

// Ink beyond the limb around one end of the line (+1 or -1), the line itself left out (its two
// ends reach out differently): a letter, an arrowhead or a tick.
int MarkInk(const cv::Mat& m, const Line& line, double end) {
  const double band = 0.007 * kCanonicalRadius;
  int ink = 0;
  for (double r = 1.02 * kCanonicalRadius; r <= 1.22 * kCanonicalRadius; r += 1)
    for (double o = -0.06 * kCanonicalRadius; o <= 0.06 * kCanonicalRadius; o += 1) {
      if (std::fabs(o) <= band) continue;
      const cv::Point2d p = line.At(end * r, o);
      ink += IsInk(m, p.x, p.y);
    }
  return ink;
}

}  // namespace

std::optional<DrawnAxis> FindDrawnAxis(const cv::Mat& canonical) {
  // Directions with much ink along them near the centre, then each fitted exactly and kept when
  // it also reaches past the limb at both ends. The line passes through the drawn centre, which
  // the fitted disk of a photo may miss by several pixels, and a thin line is found only where
  // the steps searched are finer than its width at the limb.
  struct Candidate {
    double Inside = 0;
    Line At;
  };
  std::vector<Candidate> candidates;
  for (double degrees = 0; degrees < 180; degrees += kCandidateStep) {
    Candidate best{0, Line{degrees * kDeg, 0}};
    for (double offset = -kCandidateOffset; offset <= kCandidateOffset; offset += 1.5) {
      const Line line{degrees * kDeg, offset};
      const double inside = InsideShare(canonical, line, kCandidateStride);
      if (inside > best.Inside) best = {inside, line};
    }
    if (best.Inside >= kCandidateShare) candidates.push_back(best);
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.Inside > b.Inside; });
  // One candidate per line: its neighbours in direction are the same line seen a step off.
  std::vector<Line> distinct;
  for (const Candidate& c : candidates) {
    const auto near = [&](const Line& l) {
      return std::fabs(std::remainder(l.Angle - c.At.Angle, std::numbers::pi)) < 2 * kDeg;
    };
    if (std::none_of(distinct.begin(), distinct.end(), near)) distinct.push_back(c.At);
    if (distinct.size() == kCandidates) break;
  }
  std::optional<Line> best;
  double bestScore = 0;
  for (const Line& start : distinct) {
    const Line line = FitLine(canonical, FitLine(canonical, start));
    const double inside = InsideShare(canonical, line);
    const double beyond =
        std::min(InkShare(canonical, line, 1.02, 1.045), InkShare(canonical, line, -1.045, -1.02));
    if (inside < kInsideShare || beyond < kBeyondShare) continue;
    if (inside + beyond > bestScore) {
      bestScore = inside + beyond;
      best = line;
    }
  }
  if (!best) return std::nullopt;
  const int one = MarkInk(canonical, *best, 1);
  const int other = MarkInk(canonical, *best, -1);
  DrawnAxis axis;
  const double minimum = 0.02 * kCanonicalRadius;  // a few strokes, not dust
  axis.NorthKnown =
      std::max(one, other) >= kMarkRatio * std::min(one, other) && std::abs(one - other) > minimum;
  const double direction = (one >= other ? best->Angle : best->Angle + std::numbers::pi) / kDeg;
  axis.Direction = std::fmod(direction + 720.0, 360.0);
  return axis;
}

}  // namespace ardeno::vision
