// SPDX-License-Identifier: GPL-3.0-or-later
// The magnetogram day files and the magnetosphere summary "magn.dat": any bytes decode without
// reading past their end, and the summation writes only inside the summary's records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/aux_file_io.h"
#include "core/maps/magnet_summary.h"
#include "core/maps/magnetogram.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (int headerWords : {kMapMagnetogramHeaderWords, kDrawingMagnetogramHeaderWords}) {
    const Magnetogram day = ParseMagnetogram(bytes, headerWords);
    if (day.Points.size() > size / 2) __builtin_trap();
    for (const MagnetogramPoint& point : day.Points)
      if (point.Code < 0 || point.Code > 63 || point.Column > 511 || point.Row < 1)
        __builtin_trap();
  }

  // A day in the summary's first rotations: the summary then needs a few records, not the
  // megabytes of a present-day one, and the summation still writes inside it and meets its end.
  const CalendarDate date{1982, 2, 15};
  static const bool kFolderReady = (fuzz::ResetFuzzFolder(), true);
  (void)kFolderReady;
  fuzz::WriteFuzzFile(kMagnetSummaryFile, bytes);
  fuzz::WriteFuzzFile(std::string(kMagnetogramFolder) + "/" + MagnetogramFileName(date), bytes);
  try {
    MagnetSummary summary = ReadMagnetSummary(fuzz::FuzzFolder(), kMagnetFirstRotation + 3);
    const std::size_t cells = summary.Cells.size();
    if (cells < size || cells % kMagnetRecordBytes != 0) __builtin_trap();
    const auto day = ReadMagnetogramDay(fuzz::FuzzFolder(), date, kMapMagnetogramHeaderWords);
    if (!day) __builtin_trap();
    SumMagnetogramDay(*day, Ephemeris(date, kMagnetogramTimeUT), summary);
    if (summary.Cells.size() != cells) __builtin_trap();
  } catch (const AuxFileError&) {
    // A summary larger than any real one is refused with its message.
  }
  return 0;
}
