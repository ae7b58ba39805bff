// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the report texts the user keeps beside the program: the description lines of
// the report headers (Popis.txt) and the station block of the CSV reports (DataproCSV.txt). Both
// must take any bytes, and what they read must go back into a report file unharmed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/reports/csv_station_file.h"
#include "core/reports/description_file.h"
#include "core/reports/report_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const DescriptionLines popis = ParseDescription(text);
  const CsvStation station = ParseCsvStation(text);
  // A line read never holds a line end, so writing it back keeps the file's line count.
  for (const std::string* line : {&popis[0], &popis[6], &station.Name, &station.Method}) {
    if (line->find_first_of("\r\n") != std::string::npos) __builtin_trap();
  }
  // Bytes without a Windows-1250 letter are read as a replacement mark and written as "?"; from
  // then on the station file reads back as it was written.
  const auto rewritten = [](const CsvStation& s) {
    return ParseCsvStation(ReportFileBytes({s.Name, s.Number, s.Address, s.Contact, s.Method}));
  };
  const CsvStation once = rewritten(station);
  const CsvStation twice = rewritten(once);
  if (twice.Name != once.Name || twice.Number != once.Number || twice.Method != once.Method) {
    __builtin_trap();
  }
  return 0;
}
