// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/record_asymmetry.h"

#include <optional>

#include "core/text/dates.h"

namespace ardeno {

int AsymmetryValue(int north, int south, AsymmetryKind kind) {
  const int difference = north - south;
  if (kind == AsymmetryKind::Difference) return difference;
  const int sum = north + south;
  return sum == 0 ? 0 : 100 * difference / sum;
}

RecordAsymmetry BuildRecordAsymmetry(const Database& db, SmoothedIndex index, AsymmetryKind kind) {
  const SmoothedIndexInfo& info = SmoothedIndexInfoOf(index);
  RecordAsymmetry result;
  std::optional<CalendarDate> first;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const std::optional<CalendarDate> date = ParseDate(record.Date());
    if (!date) {
      ++result.SkippedRecords;
      continue;
    }
    if (!first) first = date;
    if (record.IsSpecial()) continue;
    result.Day.push_back(static_cast<int>(DaysBetween(*first, *date)) + first->Day);
    result.Value.push_back(
        AsymmetryValue(record.ResultWord(info.NorthWord), record.ResultWord(info.SouthWord), kind));
  }
  return result;
}

}  // namespace ardeno
