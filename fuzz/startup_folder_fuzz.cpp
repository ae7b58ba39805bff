// Every auxiliary file of a program folder, written from one input and read as start-up reads
// them. The input is split at the byte 0xFF into the files' contents, in this order.
#include <cstddef>
#include <cstdint>
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
  // The folder is set up once; each input rewrites its files and removes the ones it lacks.
  static const bool kFolderReady = (fuzz::ResetFuzzFolder(), true);
  (void)kFolderReady;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (const auto& name : kFiles) {
    if (start > input.size()) {
      fuzz::RemoveFuzzFile(name);
      continue;
    }
    const std::size_t end = std::min(input.find('\xFF', start), input.size());
    fuzz::WriteFuzzFile(name, input.substr(start, end - start));
    start = end + 1;
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
