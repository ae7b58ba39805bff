// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/equal_dates.h"

#include "core/text/core_text.h"
#include "core/text/shown_text.h"

namespace ardeno {

std::vector<int> RecordsWithEqualNeighbour(const Database& db) {
  std::vector<int> found;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::string date = db.Record(i).DateRaw();
    const bool before = i > 1 && db.Record(i - 1).DateRaw() == date;
    const bool after = i < db.RecordCount && db.Record(i + 1).DateRaw() == date;
    if (before || after) found.push_back(i);
  }
  return found;
}

std::string EqualDateMessage(const ObservationRecord& record) {
  return FillText(CoreText("EqualDates", "Shodné datumy !     %1"), {ShownText(record.Date())});
}

}  // namespace ardeno
