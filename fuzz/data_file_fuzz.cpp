// SPDX-License-Identifier: GPL-3.0-or-later
// The data file loader on arbitrary bytes as the content of datax.dat, and the groups export of
// what it loaded. The load runs from memory with room for two new records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "core/data/database.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  // A database of its own per input, as every load of the program starts from an empty one: what
  // an earlier input left (a file not kept as found) must not decide this one's checks.
  Database db;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LoadReport report = LoadDatabaseFromBytes(db, bytes, CalendarDate{2024, 5, 17}, 2);
  // A database without drawings (a new one, or a file refused) has none; it is still consistent.
  if (db.RecordCount < 0 || db.RecordCount > db.Capacity() || db.CurrentIndex < 0 ||
      db.CurrentIndex > db.RecordCount) {
    __builtin_trap();
  }
  // Nothing left out or damaged may pass as a whole, savable file.
  const bool leftOut = report.TrailingBytes > 0 || report.IgnoredRecords > 0 ||
                       !report.Findings.UnreadableDates.empty();
  if (report.Error ? !db.LoadFailed : leftOut != db.OriginalNotKept) __builtin_trap();
  if (report.Error) return 0;
  ApplyRadiusWord(db);
  if (!CheckAsciiExport(db)) (void)AsciiExportText(db);
  return 0;
}
