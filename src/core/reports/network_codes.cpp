// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/network_codes.h"

#include <algorithm>
#include <cctype>

#include "core/data/aux_file_io.h"
#include "core/reports/report_text.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr std::uintmax_t kCodesReadBytes = 4 * 1024;  // three short lines
constexpr std::size_t kUsspsStationLength = 5;
constexpr std::size_t kMaxAavsoCodeLength = 6;

bool LettersAndDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80 && std::isalnum(static_cast<unsigned char>(c));
  });
}

}  // namespace

NetworkCodes ParseNetworkCodes(std::string_view bytes) {
  NetworkCodes codes;
  std::size_t position = 0;
  for (std::string* line : {&codes.UsspsStation, &codes.AavsoObserver, &codes.SidcObservatory}) {
    if (position >= bytes.size()) break;
    *line = std::string(NextTextLine(bytes, position));
  }
  return codes;
}

NetworkCodes ReadNetworkCodes(const std::filesystem::path& progDir) {
  const auto file =
      ReadAuxFile(progDir / kNetworkCodesFileName, kNetworkCodesFileName, kCodesReadBytes, false);
  if (!file) return {};
  return ParseNetworkCodes(file->Bytes);
}

Refusal WriteNetworkCodes(const std::filesystem::path& progDir, const NetworkCodes& codes) {
  // A file without the SIDC code keeps its two lines, as programs before the code wrote it.
  std::vector<std::string> lines = {codes.UsspsStation, codes.AavsoObserver};
  if (!codes.SidcObservatory.empty()) lines.push_back(codes.SidcObservatory);
  return WriteReportFile(progDir / kNetworkCodesFileName, ReportFileBytes(lines));
}

Refusal CheckUsspsStation(std::string_view station) {
  if (station.size() == kUsspsStationLength && LettersAndDigits(station)) return std::nullopt;
  return CoreText("NetworkCodes",
                  "Označení stanice pro zprávu USSPS má pět písmen nebo číslic (například 11001).");
}

Refusal CheckAavsoObserver(std::string_view code) {
  if (!code.empty() && code.size() <= kMaxAavsoCodeLength && LettersAndDigits(code))
    return std::nullopt;
  return CoreText("NetworkCodes", "Kód pozorovatele AAVSO má jedno až šest písmen nebo číslic.");
}

}  // namespace ardeno
