// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/number_finder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>

#include "vision/disk_finder.h"
#include "vision/paper.h"

namespace ardeno::vision {
namespace {

// A written digit is about 3.5 mm high (17 canonical pixels at 4.8 to the millimetre, a few more
// turned); a piece of ink smaller than this is a dot or dust, a larger one a line, the grid or an
// outline.
constexpr int kSmallestCharacter = 9;
constexpr int kLargestCharacter = 26;
constexpr int kLeastCharacterInk = 12;  // pixels
// A digit is strokes: with its blurred edges it covers at most this share of its box (a filled
// ellipse covers more).
constexpr double kMostCharacterCover = 0.72;
// Digits of one number stand closer than this, middle to middle (pixels).
constexpr double kDigitSpacing = 20;
// A piece of ink this close to an umbra's middle is its penumbra's outline or the umbra itself.
constexpr double kAroundSpot = 4;

int Root(std::vector<int>& parent, int i) {
  while (parent[i] != i) i = parent[i] = parent[parent[i]];
  return i;
}

}  // namespace

std::vector<cv::Point2d> FindWrittenNumbers(const cv::Mat& canonical, double strokeWidth,
                                            const std::vector<FoundSpot>& spots) {
  const cv::Point centre(static_cast<int>(kCanonicalCentre), static_cast<int>(kCanonicalCentre));
  const double inner = kCanonicalRadius - std::max(4.0, 1.5 * strokeWidth + 2);
  cv::Mat disk = cv::Mat::zeros(canonical.size(), CV_8U);
  cv::circle(disk, centre, static_cast<int>(inner), 255, cv::FILLED);
  const cv::Mat ink = (canonical < kInkLevel) & disk;
  cv::Mat labels, stats, centroids;
  const int count = cv::connectedComponentsWithStats(ink, labels, stats, centroids, 8, CV_32S);

  std::vector<cv::Rect2d> characters;
  for (int i = 1; i < count; ++i) {
    const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                       stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
    const int area = stats.at<int>(i, cv::CC_STAT_AREA);
    const int longer = std::max(box.width, box.height);
    if (longer < kSmallestCharacter || longer > kLargestCharacter || area < kLeastCharacterInk ||
        area > kMostCharacterCover * box.area())
      continue;
    const cv::Rect2d around(box.x - kAroundSpot, box.y - kAroundSpot, box.width + 2 * kAroundSpot,
                            box.height + 2 * kAroundSpot);
    const bool bySpot = std::any_of(spots.begin(), spots.end(),
                                    [&](const FoundSpot& s) { return around.contains(s.Centre); });
    if (!bySpot) characters.emplace_back(box);
  }

  // Digits standing side by side are one number.
  const int n = static_cast<int>(characters.size());
  std::vector<int> parent(characters.size());
  std::iota(parent.begin(), parent.end(), 0);
  const auto middle = [](const cv::Rect2d& r) {
    return cv::Point2d(r.x + r.width / 2, r.y + r.height / 2);
  };
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (cv::norm(middle(characters[i]) - middle(characters[j])) < kDigitSpacing)
        parent[Root(parent, i)] = Root(parent, j);
  std::vector<cv::Rect2d> numbers(characters.size());
  std::vector<bool> used(characters.size(), false);
  for (int i = 0; i < n; ++i) {
    const int r = Root(parent, i);
    numbers[r] = used[r] ? (numbers[r] | characters[i]) : characters[i];
    used[r] = true;
  }
  std::vector<cv::Point2d> middles;
  for (int i = 0; i < n; ++i)
    if (used[i]) middles.push_back(middle(numbers[i]));
  return middles;
}

}  // namespace ardeno::vision
