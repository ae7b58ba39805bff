// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/rotation_groups.h"

#include <algorithm>

#include "core/groups/rotation_membership.h"

namespace ardeno {

ClassCounts RotationGroupCounts::At(int r) const {
  if (r < 1 || r > static_cast<int>(Classes.size())) return {};
  return Classes[static_cast<std::size_t>(r - 1)];
}

int CountedClassIndex(char letter) {
  const auto found = std::find(kCountedClasses.begin(), kCountedClasses.end(), letter);
  return found == kCountedClasses.end() ? -1 : static_cast<int>(found - kCountedClasses.begin());
}

void CountClass(RotationGroupCounts& counts, char letter, int r) {
  const int index = CountedClassIndex(letter);
  if (index < 0 || r < 1 || r > static_cast<int>(counts.Classes.size())) return;
  ++counts.Classes[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(index)];
}

RotationGroupCounts ComputeRotationGroups(const Database& db, const RecordPositions& positions,
                                          RotationStatistics& stats) {
  RotationGroupCounts counts;
  if (db.RecordCount < 1 || positions.Count() < db.RecordCount) return counts;
  const int r1 = positions.Record(1).Rotation;
  const int rn = positions.Record(db.RecordCount).Rotation;
  if (rn < r1) return counts;
  counts.Classes.assign(static_cast<std::size_t>(rn - r1 + 1), {});

  std::vector<int> firstRecord(static_cast<std::size_t>(rn - r1 + 1), 0);
  for (int i = db.RecordCount; i >= 1; --i) {
    const int rotation = positions.Record(i).Rotation;
    if (rotation >= r1 && rotation <= rn) {
      firstRecord[static_cast<std::size_t>(rotation - r1)] = i;
    }
  }

  for (int n = r1; n <= rn; ++n) {
    const RecordWindow window =
        RotationRecordWindow(positions, n, firstRecord[static_cast<std::size_t>(n - r1)]);
    if (window.First == 0) continue;
    // Latitude of the last sighting of each group number in this rotation; 0 = not seen.
    std::array<double, kMaxRotationGroupNumber + 1> latitudeByNumber{};
    const RecordPosition& startPosition = positions.Record(window.First);
    const std::int64_t t0 = startPosition.HasDate ? DaySerial(startPosition.Date) : 0;
    for (int i = window.First; i <= window.Last; ++i) {
      const RecordPosition& where = positions.Record(i);
      if (where.IsSpecial || !where.HasDate) continue;
      if (startPosition.HasDate && DaySerial(where.Date) - t0 > kRotationWindowDays) break;
      const int r = where.Rotation;
      const auto groups = positions.GroupsOf(i);
      const auto facts = positions.FactsOf(i);
      for (std::size_t k = 0; k < groups.size(); ++k) {
        const HeliographicPosition& group = groups[k];
        if (!GroupBelongsToRotation(group.HelioLongitude, where.Eph.EphL0, r, n)) continue;
        CountClass(counts, facts[k].ZurichLetter, r - r1 + 1);
        const int g = facts[k].RotationGroupNumber;
        if (g > kMaxRotationGroupNumber) {
          ++counts.LeftOut.Count;
        } else if (g != 0) {
          latitudeByNumber[static_cast<std::size_t>(g)] = group.HelioLatitude;
        }
      }
    }
    const int k = n - r1 + 1;
    if (k > stats.RotationStatsCount()) continue;
    RotationStats& entry = stats.At(k);
    entry.GroupNumbersNorth = static_cast<std::uint16_t>(std::count_if(
        latitudeByNumber.begin() + 1, latitudeByNumber.end(), [](double b) { return b > 0; }));
    entry.GroupNumbersSouth = static_cast<std::uint16_t>(std::count_if(
        latitudeByNumber.begin() + 1, latitudeByNumber.end(), [](double b) { return b < 0; }));
  }
  return counts;
}

}  // namespace ardeno
