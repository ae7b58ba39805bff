// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/station_file.h"

#include <charconv>
#include <cmath>

#include "core/data/aux_file_io.h"
#include "core/text/core_text.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"
#include "core/text/shown_text.h"

namespace ardeno {

namespace {

// A file of two short lines; anything much longer is not this file.
constexpr std::uintmax_t kStationFileBytes = 4096;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A decimal number with a decimal point and nothing else on the line.
std::optional<double> LineNumber(std::string_view line) {
  const std::string_view text = Trimmed(line);
  if (text.empty()) return std::nullopt;
  const char* begin = text.data();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [end, error] =
      std::from_chars(begin, text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// Where a line that is no number goes wrong: the first character a number does not hold, or that
// the line is empty; nothing when only the order of the characters is wrong ("1.2.3").
std::string WhyNoNumber(std::string_view text) {
  if (text.empty()) return " " + CoreText("Quality", "Řádek je prázdný.");
  const auto stray = text.find_first_not_of("+-.0123456789");
  if (stray == std::string_view::npos) return {};
  // The whole character, when it is one of several bytes.
  std::size_t length = 1;
  while (stray + length < text.size() &&
         (static_cast<unsigned char>(text[stray + length]) & 0xC0) == 0x80)
    ++length;
  return " " + FillText(CoreText("Quality", "Znak \"%1\" na místě %2 do čísla nepatří."),
                        {ShownText(text.substr(stray, length)), std::to_string(stray + 1)});
}

std::optional<std::string> RangeProblem(const StationPlace& place) {
  if (std::abs(place.Latitude) > 90)
    return CoreText("Quality", "Zeměpisná šířka stanice musí být mezi -90 a 90 stupni.");
  if (std::abs(place.Longitude) > 180)
    return CoreText("Quality", "Zeměpisná délka stanice musí být mezi -180 a 180 stupni.");
  return std::nullopt;
}

}  // namespace

StationReading ParseStationFile(std::string_view text) {
  text = WithoutUtf8Bom(text);  // Notepad saves UTF-8 with a byte order mark
  std::size_t position = 0;
  const std::string_view lines[2] = {NextTextLine(text, position), NextTextLine(text, position)};
  const std::string names[2] = {CoreText("Quality", "šířka"), CoreText("Quality", "délka")};
  double values[2] = {};
  for (int i = 0; i < 2; ++i) {
    const auto value = LineNumber(lines[i]);
    if (!value)
      return {std::nullopt,
              FillText(CoreText("Quality",
                                "%1, řádek %2: \"%3\" není zeměpisná %4 ve stupních s desetinnou "
                                "tečkou."),
                       {kStationFileName, std::to_string(i + 1), ShownText(Trimmed(lines[i])),
                        names[i]}) +
                  WhyNoNumber(Trimmed(lines[i]))};
    values[i] = *value;
  }
  const StationPlace place{values[0], values[1]};
  if (auto problem = RangeProblem(place))
    return {std::nullopt, std::string(kStationFileName) + ": " + *problem};
  return {place, std::nullopt};
}

StationReading ReadStationFile(const std::filesystem::path& progDir) {
  try {
    const auto content =
        ReadAuxFile(progDir / kStationFileName, kStationFileName, kStationFileBytes, true);
    if (!content) return {};
    return ParseStationFile(content->Bytes);
  } catch (const AuxFileError& error) {
    return {std::nullopt, error.what()};
  }
}

std::string StationFileText(const StationPlace& place) {
  return FormatFixed(place.Latitude, 0, 4) + "\r\n" + FormatFixed(place.Longitude, 0, 4) + "\r\n";
}

Refusal WriteStationFile(const std::filesystem::path& progDir, const StationPlace& place) {
  if (auto problem = RangeProblem(place)) return *problem;
  return ReplaceFile(progDir / kStationFileName, StationFileText(place), kStationFileName);
}

}  // namespace ardeno
