// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/settings_record.h"

#include <algorithm>

namespace ardeno {

namespace {

constexpr std::size_t kDateBytes = 11;
constexpr std::size_t kTimeOffset = 16;
constexpr std::size_t kObserverOffset = 34;
constexpr std::size_t kObserverBytes = 31;
constexpr std::size_t kRadiusWordOffset = 126;
constexpr std::uint16_t kRepairedTime = 1200;

void Clear(ObservationRecord& record, std::size_t offset, std::size_t count) {
  std::fill_n(record.Bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, 0);
}

}  // namespace

bool IsSettingsRecord(const ObservationRecord& record) {
  if (!record.HasDate()) return false;
  const std::string observer = record.ObserverRaw();
  if (!observer.empty() && observer != "N") return false;
  if (record.TimeUT() != 0 && record.TimeUT() != kRepairedTime) return false;
  ObservationRecord rest = record;
  Clear(rest, 0, kDateBytes);
  Clear(rest, kTimeOffset, 2);
  Clear(rest, kObserverOffset, kObserverBytes);
  Clear(rest, kRadiusWordOffset, 2);
  return std::all_of(rest.Bytes.begin(), rest.Bytes.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace ardeno
