// The data file loader on arbitrary bytes as datax.dat, and the groups export of what it loaded.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "core/data/database.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  fuzz::ResetFuzzFolder();
  fuzz::WriteFuzzFile(kDataFileName, std::string_view(reinterpret_cast<const char*>(data), size));
  Database db;
  const LoadReport report = LoadDatabase(db, fuzz::FuzzFolder(), CalendarDate{2024, 5, 17});
  if (report.Error) return 0;
  if (db.RecordCount < 1 || db.RecordCount > db.Capacity() || db.CurrentIndex < 0 ||
      db.CurrentIndex > db.RecordCount) {
    __builtin_trap();
  }
  ApplyRadiusWord(db);
  if (!CheckAsciiExport(db)) (void)AsciiExportText(db);
  return 0;
}
