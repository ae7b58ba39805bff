// SPDX-License-Identifier: GPL-3.0-or-later
// Every auxiliary file of a program folder, written from one input and read as start-up reads
// them. The input is split at the byte 0xFF into the files' contents, in this order.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/startup_inputs.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  static const std::vector<std::string> kFiles{
      "Zvetsit.zve",       "pristroj.dat",       "Motfakul.dat",
      "SIDC/dssn1982.dat", "SIDC/dssn1983.dat",  "SIDC/Plochy.txt",
      "SIDC/tok-10cm.txt", "KoronaX/Hr1940.csv", "KoronaX/Hr1941.csv"};
  // The folder is set up once; each input rewrites the files whose content it changes (a
  // mutation mostly touches one) and removes the ones it lacks.
  static const bool kFolderReady = (fuzz::ResetFuzzFolder(), true);
  (void)kFolderReady;
  static std::vector<std::optional<std::string>> written(kFiles.size());
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    std::optional<std::string> content;
    if (start <= input.size()) {
      const std::size_t end = std::min(input.find('\xFF', start), input.size());
      content = std::string(input.substr(start, end - start));
      start = end + 1;
    }
    if (content == written[i]) continue;
    if (content)
      fuzz::WriteFuzzFile(kFiles[i], *content);
    else
      fuzz::RemoveFuzzFile(kFiles[i]);
    written[i] = std::move(content);
  }
  const StartupInputs inputs = ReadStartupInputs(fuzz::FuzzFolder(), CalendarDate{1983, 6, 1},
                                                 MissingZoomFile::LeaveMissing);
  const int coronaBytes =
      inputs.Corona.FolderFound ? static_cast<int>(inputs.Corona.CoronaDays.size()) : 1;
  if (inputs.Corona.CoronaByteCount != coronaBytes || inputs.SidcDaily.YearsFound > 2 ||
      !(inputs.Zoom > 1.0f && inputs.Zoom < 2.0f)) {
    __builtin_trap();
  }
  return 0;
}
