// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/instrument_file.h"

#include "core/data/aux_file_io.h"
#include "core/text/encoding.h"

namespace ardeno {

namespace {
constexpr std::uintmax_t kInstrumentReadBytes = 64 * 1024;  // six short lines
}  // namespace

Instrument DefaultInstrument() { return {"", "Přístroj", "80", "18", "1350", ""}; }

Instrument InstrumentFromText(std::string_view bytes) {
  // Saved by the program in Windows-1250, or by a newer editor in UTF-8.
  const std::string text = TextFileToUtf8(bytes);
  Instrument lines;
  std::size_t position = 0;
  for (auto& line : lines) {
    if (position >= text.size()) break;
    line = std::string(NextTextLine(text, position));
  }
  return lines;
}

Instrument ReadInstrument(const std::filesystem::path& progDir) {
  const auto content =
      ReadAuxFile(progDir / kInstrumentFileName, kInstrumentFileName, kInstrumentReadBytes, false);
  return content ? InstrumentFromText(content->Bytes) : DefaultInstrument();
}

Refusal WriteInstrument(const std::filesystem::path& progDir, const Instrument& instrument) {
  std::string bytes;
  for (const auto& line : instrument) {
    // A line break inside a field would shift every following line of the file.
    std::string text = Utf8ToCp1250(line);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    bytes += text + "\r\n";
  }
  return ReplaceFile(progDir / kInstrumentFileName, bytes, kInstrumentFileName);
}

}  // namespace ardeno
