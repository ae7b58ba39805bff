// SPDX-License-Identifier: GPL-3.0-or-later
// A Solar Region Summary, as a report text or as a parsed table (the first byte chooses), read
// and turned into records: nothing the file holds may crash the reader or the placement, and
// every record it gives must fit the record's limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/reference/group_import.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const SourceReading reading = data[0] % 2 ? ReadSrsReport(text, "f") : ReadSrsTable(text, "f");
  RotationGroupNumbers numbers;
  for (const SourceDay& day : reading.Days) {
    const BuiltRecord built = BuildSourceRecord(day, numbers, 125);
    const ObservationRecord& record = built.Record;
    if (record.GroupCountRaw() > kMaxGroups) __builtin_trap();
    for (int k = 1; k <= record.GroupCount(); ++k) {
      if (record.Angle10(k) >= 3600 || record.Distance10(k) >= 1250) __builtin_trap();
      if (record.RotationGroupNumber(k) > kMaxRotationGroupNumber) __builtin_trap();
    }
  }
  return 0;
}
