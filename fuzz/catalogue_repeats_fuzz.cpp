// SPDX-License-Identifier: GPL-3.0-or-later
// A group catalogue (a Solar Region Summary report or table, or an RGO / USAF-NOAA group file;
// the first byte chooses) read and imported once as it is and once with every line repeated:
// a repeated line may never add a group, change a record or crash the import.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/reference/catalogue_lines.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/group_import.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"

namespace {

using namespace ardeno;

// The catalogue's lines as its readers split them, each `times` times in a row.
std::string Lines(std::string_view text, int times) {
  std::string joined;
  for (const NumberedLine& line : NonEmptyLines(text))
    for (int i = 0; i < times; ++i) (joined += line.Text) += '\n';
  return joined;
}

SourceReading Read(std::uint8_t kind, std::string_view text) {
  switch (kind % 3) {
    case 0:
      return ReadSrsTable(text, "f");
    case 1:
      return ReadSrsReport(text, "f");
    default:
      return ReadGreenwichGroups(text, "g");
  }
}

struct Imported {
  Database Db;
  ImportReport Report;
  int GroupsRead = 0;
};

Imported Import(std::uint8_t kind, const std::string& text) {
  Imported imported;
  SourceReading reading = Read(kind, text);
  for (const SourceDay& day : reading.Days)
    imported.GroupsRead += static_cast<int>(day.Groups.size());
  imported.Report = ImportSourceDays(imported.Db, std::move(reading.Days), 125);
  return imported;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const Imported once = Import(data[0], Lines(text, 1));
  const Imported twice = Import(data[0], Lines(text, 2));
  if (twice.Db.RecordCount != once.Db.RecordCount) __builtin_trap();
  for (int i = 1; i <= once.Db.RecordCount; ++i) {
    const ObservationRecord& record = twice.Db.Record(i);
    if (!(record == once.Db.Record(i))) __builtin_trap();
    if (record.GroupCountRaw() > kMaxGroups) __builtin_trap();
  }
  // Every repeat is counted, and nothing else: the second copy of each group read is dropped.
  if (twice.Report.RepeatedGroups !=
      once.Report.RepeatedGroups + twice.GroupsRead - once.GroupsRead)
    __builtin_trap();
  return 0;
}
