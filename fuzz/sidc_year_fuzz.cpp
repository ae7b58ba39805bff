// SPDX-License-Identifier: GPL-3.0-or-later
// One SIDC year file read into the daily table; the first two bytes choose the year.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/sidc_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  if (size < 2) return 0;
  const int year = 1900 + (data[0] | (data[1] << 8)) % 200;
  const std::string_view file(reinterpret_cast<const char*>(data + 2), size - 2);
  // One table for every input, as allocating its cells would cost more than the reading.
  static SidcDailyTable table;
  // Start near the end of the table so that the bound is reached as well.
  table.DaysFilled = data[0] % 2 ? 0 : kSidcDailyCells / 3 - 100;
  // As a table read that far holds: three cells a day so far (an earlier input's year, or a
  // damaged year left out now, must not make it look short).
  table.Cells.assign(static_cast<std::size_t>(table.DaysFilled) * 3, kSidcNoValue);
  const int before = table.DaysFilled;
  AddSidcYear(file, year, table);
  if (table.DaysFilled < before || table.DaysFilled > kSidcDailyCells / 3 ||
      table.Cells.size() < static_cast<std::size_t>(table.DaysFilled) * 3 ||
      table.Cells.size() > static_cast<std::size_t>(kSidcDailyCells)) {
    __builtin_trap();
  }
  // A field is three characters wide: a number up to 999, or none (a blank or the centre's -1).
  for (std::size_t i = 0; i < static_cast<std::size_t>(table.DaysFilled - before) * 3; ++i) {
    const std::uint16_t cell = table.Cells[static_cast<std::size_t>(before) * 3 + i];
    if (cell > 999 && cell != kSidcNoValue) __builtin_trap();
  }
  return 0;
}
