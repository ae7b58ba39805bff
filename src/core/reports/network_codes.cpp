// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/network_codes.h"

#include <algorithm>
#include <cctype>

#include "core/data/aux_file_io.h"
#include "core/reports/report_text.h"
#include "core/text/core_text.h"
#include "core/text/encoding.h"
#include "core/text/shown_text.h"

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

// Why a code is refused beyond the rule: the first character that is no letter or digit, and
// where; empty when only the length is wrong.
std::string StrayCharacter(std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    const auto byte = static_cast<unsigned char>(code[i]);
    if (byte < 0x80 && std::isalnum(byte)) continue;
    std::size_t length = 1;
    while (byte >= 0xC0 && i + length < code.size() &&
           (static_cast<unsigned char>(code[i + length]) & 0xC0) == 0x80)
      ++length;
    return " " + FillText(CoreText("NetworkCodes", "Znak \"%1\" na místě %2 do kódu nepatří."),
                          {ShownText(code.substr(i, length)), std::to_string(i + 1)});
  }
  if (code.empty()) return " " + CoreText("NetworkCodes", "Kód není zadán.");
  return " " + FillText(CoreText("NetworkCodes", "Zadaný kód \"%1\" má %2 znaků."),
                        {ShownText(code), std::to_string(code.size())});
}

}  // namespace

NetworkCodes ParseNetworkCodes(std::string_view bytes) {
  NetworkCodes codes;
  // Notepad saves UTF-8 with a byte order mark; blanks around a code are no part of it.
  bytes = WithoutUtf8Bom(bytes);
  std::size_t position = 0;
  for (std::string* line : {&codes.UsspsStation, &codes.AavsoObserver, &codes.SidcObservatory}) {
    if (position >= bytes.size()) break;
    std::string_view text = NextTextLine(bytes, position);
    const auto first = text.find_first_not_of(" \t");
    text = first == std::string_view::npos
               ? std::string_view{}
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    *line = std::string(text);
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
  return CoreText(
             "NetworkCodes",
             "Označení stanice pro zprávu USSPS má pět písmen nebo číslic (například 11001).") +
         StrayCharacter(station);
}

Refusal CheckAavsoObserver(std::string_view code) {
  if (!code.empty() && code.size() <= kMaxAavsoCodeLength && LettersAndDigits(code))
    return std::nullopt;
  return CoreText("NetworkCodes", "Kód pozorovatele AAVSO má jedno až šest písmen nebo číslic.") +
         StrayCharacter(code);
}

}  // namespace ardeno
