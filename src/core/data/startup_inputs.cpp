// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/startup_inputs.h"

#include "core/data/aux_file_io.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

// Runs one reader; a file that cannot be read keeps the defaults and its message is collected.
template <typename Reader>
void ReadInto(std::vector<std::string>& messages, Reader&& reader) {
  try {
    reader();
  } catch (const AuxFileError& error) {
    messages.emplace_back(error.what());
  }
}

void Collect(std::vector<std::string>& messages, const std::vector<std::string>& more) {
  messages.insert(messages.end(), more.begin(), more.end());
}

}  // namespace

StartupInputs ReadStartupInputs(const std::filesystem::path& progDir, const CalendarDate& today,
                                MissingZoomFile missingZoom) {
  StartupInputs inputs;
  auto& messages = inputs.Messages;
  bool zoomUnusable = false;
  ReadInto(messages, [&] { inputs.Zoom = ReadZoom(progDir, missingZoom, &zoomUnusable); });
  if (zoomUnusable)
    messages.push_back(FillText(CoreText("StartupInputs",
                                         "Soubor %1 neobsahuje na prvním řádku celé číslo "
                                         "(zvětšení v procentech), použije se 120 %."),
                                {kZoomFileName}));
  ReadInto(messages, [&] { inputs.Supplementary = ReadSupplementaryData(progDir); });
  const std::uintmax_t supplementarySize = inputs.Supplementary.FileSize;
  if (inputs.Supplementary.FileFound && supplementarySize == 0)
    messages.push_back(FillText(
        CoreText("StartupInputs", "Soubor %1 je prázdný (0 bajtů místo 25000), nepoužije se."),
        {kSupplementaryFileName}));
  if (supplementarySize != 0 && supplementarySize < kSupplementaryDataSize)
    messages.push_back(
        FillText(CoreText("StartupInputs", "Soubor %1 má jen %2 bajtů místo 25000, nepoužije se."),
                 {kSupplementaryFileName, std::to_string(supplementarySize)}));
  if (supplementarySize > kSupplementaryDataSize)
    messages.push_back(FillText(CoreText("StartupInputs",
                                         "Soubor %1 má %2 bajtů místo 25000; použije se jen "
                                         "prvních 25000 bajtů."),
                                {kSupplementaryFileName, std::to_string(supplementarySize)}));
  ReadInto(messages, [&] { inputs.InstrumentLines = ReadInstrument(progDir); });
  inputs.Corona = LoadCoronaData(progDir);
  Collect(messages, inputs.Corona.Messages);
  inputs.SidcDaily = ReadSidcDaily(progDir, today.Year);
  Collect(messages, inputs.SidcDaily.Messages);
  ReadInto(messages, [&] { inputs.SidcAreas = ReadSidcAreas(progDir); });
  ReadInto(messages, [&] { inputs.RadioFlux = ReadRadioFlux(progDir); });
  return inputs;
}

}  // namespace ardeno
