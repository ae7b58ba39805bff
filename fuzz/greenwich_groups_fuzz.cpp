// SPDX-License-Identifier: GPL-3.0-or-later
// An RGO / USAF-NOAA group file read and turned into records: nothing the file holds may crash
// the reader or the placement, and every record it gives must fit the record's limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/reference/greenwich_groups.h"
#include "core/reference/group_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const SourceReading reading = ReadGreenwichGroups(text, "g");
  RotationGroupNumbers numbers;
  for (const SourceDay& day : reading.Days) {
    const BuiltRecord built = BuildSourceRecord(day, numbers, 125);
    const ObservationRecord& record = built.Record;
    if (record.GroupCountRaw() > kMaxGroups) __builtin_trap();
    for (int k = 1; k <= record.GroupCount(); ++k)
      if (record.Angle10(k) >= 3600 || record.Distance10(k) >= 1250) __builtin_trap();
  }
  return 0;
}
