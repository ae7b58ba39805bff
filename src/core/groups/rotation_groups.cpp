#include "core/groups/rotation_groups.h"

#include <algorithm>

#include "core/data/record_fields.h"
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

void CountClass(RotationGroupCounts& counts, const ObservationRecord& record, int k, int r) {
  const int index = CountedClassIndex(GroupTypeLetter(record, k));
  if (index < 0 || r < 1 || r > static_cast<int>(counts.Classes.size())) return;
  ++counts.Classes[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(index)];
}

RotationGroupCounts ComputeRotationGroups(const Database& db, const RecordPositions& positions,
                                          RotationStatistics& stats) {
  RotationGroupCounts counts;
  if (db.RecordCount < 1 || positions.Count() < db.RecordCount) return counts;
  const int r1 = db.Record(1).Rotation();
  const int rn = db.Record(db.RecordCount).Rotation();
  if (rn < r1) return counts;
  counts.Classes.assign(static_cast<std::size_t>(rn - r1 + 1), {});

  std::vector<int> firstRecord(static_cast<std::size_t>(rn - r1 + 1), 0);
  for (int i = db.RecordCount; i >= 1; --i) {
    const int rotation = db.Record(i).Rotation();
    if (rotation >= r1 && rotation <= rn) {
      firstRecord[static_cast<std::size_t>(rotation - r1)] = i;
    }
  }

  for (int n = r1; n <= rn; ++n) {
    const RecordWindow window =
        RotationRecordWindow(db, n, firstRecord[static_cast<std::size_t>(n - r1)]);
    if (window.First == 0) continue;
    // Latitude of the last sighting of each group number in this rotation; 0 = not seen.
    std::array<double, kMaxRotationGroupNumber + 1> latitudeByNumber{};
    const RecordPosition& startPosition = positions.Record(window.First);
    const std::int64_t t0 = startPosition.HasDate ? DaySerial(startPosition.Date) : 0;
    for (int i = window.First; i <= window.Last; ++i) {
      const ObservationRecord& record = db.Record(i);
      const RecordPosition& where = positions.Record(i);
      if (record.IsSpecial() || !where.HasDate) continue;
      if (startPosition.HasDate && DaySerial(where.Date) - t0 > kRotationWindowDays) break;
      const int r = record.Rotation();
      const auto groups = positions.GroupsOf(i);
      for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
        const HeliographicPosition& group = groups[static_cast<std::size_t>(k - 1)];
        if (!GroupBelongsToRotation(group.HelioLongitude, where.Eph.EphL0, r, n)) continue;
        CountClass(counts, record, k, r - r1 + 1);
        const int g = record.RotationGroupNumber(k);
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
