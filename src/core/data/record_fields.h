// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cheap reads for walks over the whole database: the calendar date and the first letter of a
// group's class straight from the stored bytes, without converting texts to UTF-8.
#include <optional>

#include "core/data/observation_record.h"
#include "core/text/dates.h"

namespace ardeno {

// The record's Date as a calendar date; nothing when it does not parse.
inline std::optional<CalendarDate> RecordDate(const ObservationRecord& record) {
  return ParseDate(record.ShortBytes(0, 10));
}

// First character of GroupType k as stored (its Zurich class); 0 for an empty type.
inline char GroupTypeLetter(const ObservationRecord& record, int k) {
  const std::size_t slot = ObservationRecord::Slot(k);
  return record.Bytes[slot] == 0 ? '\0' : static_cast<char>(record.Bytes[slot + 1]);
}

}  // namespace ardeno
