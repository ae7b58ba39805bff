#include "core/data/startup_inputs.h"

#include "core/data/aux_file_io.h"

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
  ReadInto(messages, [&] { inputs.Zoom = ReadZoom(progDir, missingZoom); });
  ReadInto(messages, [&] { inputs.Supplementary = ReadSupplementaryData(progDir); });
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
