// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/station_settings.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/data/aux_file_io.h"
#include "core/quality/station_file.h"
#include "core/reports/csv_station_file.h"
#include "core/reports/description_file.h"
#include "core/reports/network_codes.h"
#include "core/reports/report_text.h"
#include "core/text/core_text.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kLinesReadBytes = 64 * 1024;  // a few short lines never need more
// Popis.txt lines 1..7 in the order of the file.
constexpr std::array<std::string StationSettings::*, 7> kDescriptionLines = {
    &StationSettings::CvEmail,    &StationSettings::CvMonthText,  &StationSettings::CvObserver,
    &StationSettings::CvStation,  &StationSettings::CvInstrument, &StationSettings::CvMethod,
    &StationSettings::Description};
constexpr std::size_t kMaxSidcCodeLength = 20;

// Every line of a file as its bytes; none when the file is missing.
std::vector<std::string> FileLines(const fs::path& file, const std::string& shownName) {
  std::vector<std::string> lines;
  const auto content = ReadAuxFile(file, shownName, kLinesReadBytes, true);
  if (!content) return lines;
  std::size_t position = 0;
  while (position < content->Bytes.size())
    lines.emplace_back(NextTextLine(content->Bytes, position));
  return lines;
}

std::string LinesBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

bool HasControlCharacters(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Where the Sun's altitude is checked from, or the message why the two texts do not give it.
// Both empty: no place.
std::pair<std::optional<StationPlace>, Refusal> PlaceOf(const StationSettings& s) {
  if (s.Latitude.empty() && s.Longitude.empty()) return {std::nullopt, std::nullopt};
  std::string withPoint = s.Latitude + "\n" + s.Longitude + "\n";
  std::replace(withPoint.begin(), withPoint.end(), ',', '.');
  const StationReading reading = ParseStationFile(withPoint);
  if (!reading.Place)
    return {std::nullopt,
            CoreText("StationSettings",
                     "Poloha stanice: zeměpisná šířka (-90 až 90) a délka (-180 až 180) ve "
                     "stupních, například 49.91 a 14.78; obě, nebo ani jedna.")};
  return {reading.Place, std::nullopt};
}

// The file's lines with line `index` set to `value` (lines before it added empty).
std::vector<std::string> WithLine(std::vector<std::string> lines, std::size_t index,
                                  const std::string& value) {
  if (lines.size() <= index) lines.resize(index + 1);
  lines[index] = value;
  return lines;
}

// The same, but a line whose text is unchanged keeps its bytes (Windows-1250 that did not read
// as such is never rewritten unasked).
std::vector<std::string> WithChangedLine(std::vector<std::string> lines, std::size_t index,
                                         const std::string& text) {
  if (index < lines.size() && Cp1250ToUtf8(lines[index]) == text) return lines;
  return WithLine(std::move(lines), index, Utf8ToCp1250(text));
}

}  // namespace

StationSettingsReading ReadStationSettings(const fs::path& progDir) {
  StationSettingsReading reading;
  StationSettings& s = reading.Settings;
  try {
    if (const auto station = ReadCsvStation(progDir)) {
      s.Name = station->Name;
      s.Number = station->Number;
    }
  } catch (const AuxFileError& error) {
    reading.Problems.emplace_back(error.what());
  }
  try {
    const NetworkCodes codes = ReadNetworkCodes(progDir);
    s.UsspsStation = codes.UsspsStation;
    s.AavsoObserver = codes.AavsoObserver;
    s.SidcCode = codes.SidcObservatory;
  } catch (const AuxFileError& error) {
    reading.Problems.emplace_back(error.what());
  }
  try {
    const DescriptionLines description = ReadDescriptionFile(progDir);
    for (std::size_t i = 0; i < kDescriptionLines.size(); ++i)
      s.*kDescriptionLines[i] = description[i];
  } catch (const AuxFileError& error) {
    reading.Problems.emplace_back(error.what());
  }
  const StationReading place = ReadStationFile(progDir);
  if (place.Problem) reading.Problems.push_back(*place.Problem);
  if (place.Place) {
    s.Latitude = FormatFixed(place.Place->Latitude, 0, 4);
    s.Longitude = FormatFixed(place.Place->Longitude, 0, 4);
  }
  return reading;
}

std::vector<std::string> CheckStationSettings(const StationSettings& s) {
  std::vector<std::string> problems;
  // Each field named by the file and line it goes to, as the form's hints name it: a line read
  // from a damaged file shows where to clear it.
  struct Field {
    const std::string* Text;
    const char* File;
    std::size_t Line;  // 0: the whole file
  };
  std::vector<Field> fields = {
      {&s.Name, kCsvStationFileName, 1},           {&s.Number, kCsvStationFileName, 2},
      {&s.UsspsStation, kNetworkCodesFileName, 1}, {&s.AavsoObserver, kNetworkCodesFileName, 2},
      {&s.SidcCode, kNetworkCodesFileName, 3},     {&s.Latitude, kStationFileName, 0},
      {&s.Longitude, kStationFileName, 0}};
  for (std::size_t i = 0; i < kDescriptionLines.size(); ++i)
    fields.push_back({&(s.*kDescriptionLines[i]), kDescriptionFileName, i + 1});
  for (const Field& field : fields) {
    if (!HasControlCharacters(*field.Text)) continue;
    const std::string place = field.Line == 0
                                  ? std::string(field.File)
                                  : FillText(CoreText("StationSettings", "%1, řádek %2"),
                                             {field.File, std::to_string(field.Line)});
    problems.push_back(
        FillText(CoreText("StationSettings",
                          "Údaje stanice jsou každý na jednom řádku, bez tabulátorů: %1."),
                 {place}));
  }
  if (s.SidcCode.size() > kMaxSidcCodeLength ||
      std::any_of(s.SidcCode.begin(), s.SidcCode.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
    problems.push_back(
        CoreText("StationSettings", "Kód stanice pro SIDC má nejvýš 20 znaků bez diakritiky."));
  if (!s.UsspsStation.empty())
    if (const auto problem = CheckUsspsStation(s.UsspsStation)) problems.push_back(*problem);
  if (!s.AavsoObserver.empty())
    if (const auto problem = CheckAavsoObserver(s.AavsoObserver)) problems.push_back(*problem);
  if (const auto problem = PlaceOf(s).second) problems.push_back(*problem);
  return problems;
}

Refusal WriteStationSettings(const fs::path& progDir, const StationSettings& s) {
  const std::vector<std::string> problems = CheckStationSettings(s);
  if (!problems.empty()) {
    // Every refusal at once, a line each, as the form shows them in one message.
    std::string all = problems.front();
    for (std::size_t i = 1; i < problems.size(); ++i) all += "\n" + problems[i];
    return all;
  }
  std::vector<std::pair<fs::path, std::string>> files;
  try {
    // Each file is rewritten only when what it says changes, so a station that sends nothing to
    // a network gets no file for it.
    const auto add = [&](const char* name, std::vector<std::string> old,
                         std::vector<std::string> lines) {
      if (lines == old) return;
      while (!lines.empty() && lines.back().empty() && lines.size() > old.size()) lines.pop_back();
      if (lines == old) return;
      files.emplace_back(progDir / name, LinesBytes(lines));
    };
    const auto csvOld = FileLines(progDir / kCsvStationFileName, kCsvStationFileName);
    add(kCsvStationFileName, csvOld,
        WithLine(WithLine(csvOld, 0, Utf8ToCp1250(s.Name)), 1, Utf8ToCp1250(s.Number)));
    const auto codesOld = FileLines(progDir / kNetworkCodesFileName, kNetworkCodesFileName);
    add(kNetworkCodesFileName, codesOld,
        WithLine(WithLine(WithLine(codesOld, 0, s.UsspsStation), 1, s.AavsoObserver), 2,
                 s.SidcCode));
    const auto popisOld = FileLines(progDir / kDescriptionFileName, kDescriptionFileName);
    std::vector<std::string> popis = popisOld;
    for (std::size_t i = 0; i < kDescriptionLines.size(); ++i)
      popis = WithChangedLine(std::move(popis), i, s.*kDescriptionLines[i]);
    add(kDescriptionFileName, popisOld, std::move(popis));
  } catch (const AuxFileError& error) {
    return std::string(error.what());
  }
  if (const auto place = PlaceOf(s).first) {
    const StationReading old = ReadStationFile(progDir);
    if (old.Place != place) files.emplace_back(progDir / kStationFileName, StationFileText(*place));
  }
  if (files.empty()) return std::nullopt;
  return WriteReportFiles(files);
}

std::string SidcHeaderCode(const std::string& code) {
  if (code.empty() || code.back() == ' ') return code;
  return code + ' ';
}

Refusal MissingForSidcReport(const StationSettings& s) {
  if (s.SidcCode.empty())
    return CoreText("StationSettings",
                    "Zpráva pro SIDC potřebuje kód stanice. Zadejte ho jednou ve formuláři "
                    "Stanice (menu Zadávání → Stanice); každá další zpráva ho převezme.");
  return std::nullopt;
}

}  // namespace ardeno
