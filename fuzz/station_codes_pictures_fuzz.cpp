// SPDX-License-Identifier: GPL-3.0-or-later
// The small files a user edits by hand (stanice.dat, Site.txt, noaa.dat), the quoting of their
// contents in messages, and the metadata reader of PNG and JPEG pictures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/publishing/picture_text.h"
#include "core/quality/noaa_regions.h"
#include "core/quality/station_file.h"
#include "core/reports/network_codes.h"
#include "core/text/shown_text.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const StationReading station = ParseStationFile(bytes);
  if (station.Place.has_value() == station.Problem.has_value()) __builtin_trap();
  // A quoted text never carries a control byte to the terminal.
  for (const std::string& text : {ShownText(bytes), station.Problem.value_or("")}) {
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if ((byte < 0x20 && c != '\n') || byte == 0x7F) __builtin_trap();
    }
  }
  const NetworkCodes codes = ParseNetworkCodes(bytes);
  (void)CheckUsspsStation(codes.UsspsStation);
  (void)CheckAavsoObserver(codes.AavsoObserver);
  std::istringstream picture{std::string(bytes)};
  (void)DescribePicture(picture);
  fuzz::ResetFuzzFolder();
  fuzz::WriteFuzzFile(kNoaaFolderFile, bytes);
  (void)ReadNoaaFolder(fuzz::FuzzFolder());
  return 0;
}
