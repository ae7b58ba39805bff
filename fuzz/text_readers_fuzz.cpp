// SPDX-License-Identifier: GPL-3.0-or-later
// The parsers of the small text files: zoom, instrument, SIDC fields and file names, the
// fixed-line series and the corona year files.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/corona_data.h"
#include "core/data/instrument_file.h"
#include "core/data/sidc_files.h"
#include "core/data/zoom_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const float zoom = ZoomFromText(text);
  if (!(zoom > 1.0f && zoom < 2.0f)) __builtin_trap();
  const Instrument instrument = InstrumentFromText(text);
  (void)instrument;
  (void)SidcFieldValue(text.substr(0, 3));
  (void)SidcYearFromName(text);
  // A claimed size larger than the text: the line count comes from the size, the text runs out.
  const auto areas = ParseSidcAreas(text, size * 3);
  const auto flux = ParseRadioFlux(text, size);
  if (areas.Values.size() > static_cast<std::size_t>(kSidcSeriesValues) ||
      flux.Values.size() != static_cast<std::size_t>(flux.LineCount) * 3) {
    __builtin_trap();
  }
  CoronaData corona;
  const auto report = AppendCoronaYear(text, corona);
  if (report.RowsAdded > kCoronaMaxDaysPerYear ||
      corona.CoronaDays.size() != static_cast<std::size_t>(report.RowsAdded) * kCoronaRowBytes) {
    __builtin_trap();
  }
  return 0;
}
