// SPDX-License-Identifier: GPL-3.0-or-later
#include "vision/number_finder.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "vision/paper.h"
#include "vision/spot_finder.h"

namespace ardeno::vision {
namespace {

// A piece of ink shorter than this is a dot or dust, one longer than kLargestCharacter a line, the
// grid or an outline.
constexpr int kSmallestCharacter = 9;
constexpr int kLeastCharacterInk = 12;  // pixels
// A digit is strokes: with its blurred edges it covers at most this share of its box (a filled
// ellipse covers more).
constexpr double kMostCharacterCover = 0.72;
// Digits of one number stand closer than this, middle to middle (pixels).
constexpr double kDigitSpacing = 20;
// A piece of ink this close to an umbra's middle is its penumbra's outline or the umbra itself.
constexpr double kAroundSpot = 4;

}  // namespace

std::vector<cv::Point2d> FindWrittenNumbers(const cv::Mat& canonical, double strokeWidth,
                                            const std::vector<FoundSpot>& spots) {
  const cv::Mat ink = (canonical < kInkLevel) & InsideTheCircle(canonical.size(), strokeWidth).Mask;
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

  // OpenCV's partition indexes its first element even when there is none.
  if (characters.empty()) return {};

  // Digits standing side by side are one number.
  const auto middle = [](const cv::Rect2d& r) {
    return cv::Point2d(r.x + r.width / 2, r.y + r.height / 2);
  };
  std::vector<int> numberOf;
  const int numberCount =
      cv::partition(characters, numberOf, [&](const cv::Rect2d& a, const cv::Rect2d& b) {
        return cv::norm(middle(a) - middle(b)) < kDigitSpacing;
      });
  std::vector<cv::Rect2d> numbers(static_cast<std::size_t>(numberCount));
  std::vector<bool> begun(numbers.size(), false);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const auto n = static_cast<std::size_t>(numberOf[i]);
    numbers[n] = begun[n] ? (numbers[n] | characters[i]) : characters[i];
    begun[n] = true;
  }
  std::vector<cv::Point2d> middles;
  for (const cv::Rect2d& number : numbers) middles.push_back(middle(number));
  return middles;
}

}  // namespace ardeno::vision
