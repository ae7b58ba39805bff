// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/view_rules.h"

#include <algorithm>

#include "core/text/dates.h"

namespace ardeno {

namespace {
constexpr std::uint16_t kMaxTimeFactor = 16;
constexpr std::int32_t kMaxHeightScale = 9;
constexpr std::int32_t kMaxCompression = 16;
constexpr std::int64_t kMaxGraphPixels = 32000;
}  // namespace

std::uint16_t NarrowerTimeFactor(std::uint16_t factor) {
  return static_cast<std::uint16_t>(std::max(1, factor / 2));
}

std::uint16_t WiderTimeFactor(std::uint16_t factor) {
  return static_cast<std::uint16_t>(std::min<int>(kMaxTimeFactor, factor * 2));
}

int ButterflyScrollRange(std::uint16_t factor) { return factor * 1000 + 1000; }

std::int32_t HigherHeightScale(std::int32_t scale) { return std::min(kMaxHeightScale, scale + 1); }

std::int32_t LowerHeightScale(std::int32_t scale) { return std::max(1, scale - 1); }

std::int32_t MoreCompression(std::int32_t compression) {
  return compression < kMaxCompression ? compression * 2 : kMaxCompression;
}

std::int32_t LessCompression(std::int32_t compression, std::int32_t daySpan) {
  std::int32_t result = compression > 1 ? compression / 2 : 1;
  if (static_cast<std::int64_t>(daySpan) * 4 / result > kMaxGraphPixels) result *= 2;
  return result;
}

std::int32_t DaySpanOf(const Database& db) {
  if (db.RecordCount < 1 || db.Capacity() < db.RecordCount) return 0;
  const auto first = ParseDate(db.Record(1).Date());
  const auto last = ParseDate(db.Record(db.RecordCount).Date());
  if (!first || !last) return 0;
  return static_cast<std::int32_t>(DaysBetween(*first, *last));
}

}  // namespace ardeno
