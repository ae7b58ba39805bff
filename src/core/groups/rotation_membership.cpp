// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/rotation_membership.h"

#include <algorithm>
#include <utility>

namespace ardeno {

bool GroupBelongsToRotation(double longitude, double l0, int recordRotation, int rotation) {
  const bool seenEarly = longitude > 270 && recordRotation + 1 == rotation && l0 < 90;
  const bool westHalf = longitude > 180 && recordRotation == rotation && l0 > 90;
  const bool eastHalf = longitude < 180 && l0 < 270 && recordRotation == rotation;
  const bool seenLate = longitude < 90 && recordRotation - 1 == rotation && l0 > 270;
  return ((seenEarly != westHalf) != eastHalf) != seenLate;
}

namespace {

// stored(i) gives record i's Rotation and CentralL0, of `count` records.
template <typename Stored>
RecordWindow WindowOf(int count, int rotation, int first, Stored stored) {
  RecordWindow window;
  if (first == 0) return window;
  int start = first - std::min(first - 1, 7);
  while (start < first) {
    const auto [r, l0] = stored(start);
    if (r == rotation || (r == rotation - 1 && l0 < 90)) break;
    ++start;
  }
  int end = count;
  for (int i = start; i <= count; ++i) {
    const auto [r, l0] = stored(i);
    if ((r == rotation + 1 && l0 > 270) || r > rotation + 1) {
      end = std::min(i + 7, count);
      break;
    }
  }
  window.First = start;
  window.Last = end;
  return window;
}

}  // namespace

RecordWindow RotationRecordWindow(const Database& db, int rotation) {
  for (int i = 1; i <= db.RecordCount; ++i) {
    if (db.Record(i).Rotation() != rotation) continue;
    return WindowOf(db.RecordCount, rotation, i, [&](int k) {
      const ObservationRecord& r = db.Record(k);
      return std::pair<int, int>{r.Rotation(), r.CentralL0()};
    });
  }
  return {};
}

RecordWindow RotationRecordWindow(const RecordPositions& positions, int rotation, int first) {
  return WindowOf(positions.Count(), rotation, first, [&](int k) {
    const RecordPosition& r = positions.Record(k);
    return std::pair<int, int>{r.Rotation, r.CentralL0};
  });
}

}  // namespace ardeno
