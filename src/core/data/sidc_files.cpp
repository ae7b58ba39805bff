// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/sidc_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/data/aux_file_io.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

constexpr int kOneValueLayoutBelowBytes = 10000;
constexpr int kFirstValueColumn = 19;  // 0-based start of columns 20..22
constexpr int kFieldWidth = 3;
constexpr int kNextValueStep = 4;
// Enough of a fixed-line file for every line the tables can hold, even with longer lines.
constexpr std::uintmax_t kSeriesReadBytes = 1024 * 1024;

struct Column {
  std::size_t Start;  // 0-based
  std::size_t Width;
};
constexpr std::array<Column, 3> kAreaColumns{{{8, 7}, {15, 7}, {22, 7}}};
constexpr std::array<Column, 3> kFluxColumns{{{15, 6}, {25, 6}, {36, 6}}};

std::string UpperCase(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A real number filling a field, blanks around it allowed; anything else reads as 0.
double RealField(std::string_view field) {
  while (!field.empty() && static_cast<unsigned char>(field.front()) <= ' ') field.remove_prefix(1);
  while (!field.empty() && static_cast<unsigned char>(field.back()) <= ' ') field.remove_suffix(1);
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  double value = 0.0;
  const auto [rest, error] =
      std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
  if (error != std::errc() || rest != field.data() + field.size() || !std::isfinite(value))
    return 0.0;
  return value;
}

// Negative values (the centre's mark for a missing day) and overflows cannot be a u16 count.
std::uint16_t ToCell(double value) {
  const auto rounded =
      Round(std::clamp(value, 0.0, double{std::numeric_limits<std::uint16_t>::max()}));
  return static_cast<std::uint16_t>(rounded);
}

// Some line of the first lineCount holds a digit in one of the value columns.
bool HasNumberInColumns(std::string_view text, int lineCount,
                        const std::array<Column, 3>& columns) {
  std::size_t position = 0;
  for (int line = 0; line < lineCount && position < text.size(); ++line) {
    const std::string_view row = NextTextLine(text, position);
    for (const auto& column : columns) {
      if (column.Start < row.size() &&
          row.substr(column.Start, column.Width).find_first_of("0123456789") !=
              std::string_view::npos)
        return true;
    }
  }
  return false;
}

std::string UnusableFileMessage(const std::string& shownName, const char* expected) {
  return FillText(
      CoreText("SidcFiles", "Soubor %1 nemá očekávaný tvar (%2), jeho hodnoty se nepoužijí."),
      {shownName, CoreText("SidcFiles", expected)});
}

SidcSeries ParseSeries(std::string_view text, std::uintmax_t fileSize, int lineBytes,
                       const std::array<Column, 3>& columns, double factor) {
  SidcSeries series;
  series.LineCount = static_cast<int>(std::min<std::uintmax_t>(
      fileSize / static_cast<std::uintmax_t>(lineBytes), kSidcSeriesMaxLines));
  series.Values.assign(static_cast<std::size_t>(series.LineCount) * 3, 0);
  std::size_t position = 0;
  for (std::size_t line = 0;
       line < static_cast<std::size_t>(series.LineCount) && position < text.size(); ++line) {
    const std::string_view row = NextTextLine(text, position);
    for (std::size_t v = 0; v < columns.size(); ++v) {
      const auto& column = columns[v];
      const std::string_view field =
          column.Start < row.size() ? row.substr(column.Start, column.Width) : std::string_view{};
      series.Values[line * 3 + v] = ToCell(RealField(field) * factor);
    }
  }
  return series;
}

SidcSeries ReadSeries(const std::filesystem::path& progDir, const char* fileName,
                      SidcSeries (*parse)(std::string_view, std::uintmax_t),
                      const std::array<Column, 3>& columns, const char* expected) {
  const std::string shownName = std::string(kSidcFolder) + "/" + fileName;
  const auto content =
      ReadAuxFile(progDir / kSidcFolder / fileName, shownName, kSeriesReadBytes, false);
  if (!content) return {};
  SidcSeries series = parse(content->Bytes, content->FileSize);
  if (!HasNumberInColumns(content->Bytes, series.LineCount, columns))
    throw AuxFileError(UnusableFileMessage(shownName, expected));
  return series;
}

}  // namespace

std::string FindFirstSidcFile(const std::filesystem::path& progDir) {
  std::string first = kSidcSentinelName;
  std::error_code error;
  std::filesystem::directory_iterator entries(progDir / kSidcFolder, error);
  if (error) return first;
  for (auto it = entries; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) break;
    const std::string name = PathUtf8(it->path().filename());
    if (UpperCase(PathUtf8(it->path().extension())) != ".DAT") continue;
    // std::string compares as unsigned bytes, the order the program has always used.
    if (name < first) first = name;
  }
  return first;
}

int SidcYearFromName(std::string_view fileName) {
  const auto dot = fileName.find('.');
  if (dot == std::string_view::npos || dot < 4) return 0;
  const std::string_view digits = fileName.substr(dot - 4, 4);
  int year = 0;
  const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), year);
  if (error != std::errc() || rest != digits.data() + digits.size()) return 0;
  return year;
}

int SidcFieldValue(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
  int value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
    value = value * 10 + (field[i] - '0');
  return value;
}

std::vector<std::string_view> SidcYearFileLines(std::string_view fileBytes) {
  std::vector<std::string_view> lines;
  std::size_t position = 0;
  while (position < fileBytes.size()) lines.push_back(NextTextLine(fileBytes, position));
  // Blank lines at the end (an editor's last line break) are no days.
  while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos)
    lines.pop_back();
  return lines;
}

int SidcYearValuesPerDay(std::string_view fileBytes) {
  return fileBytes.size() < static_cast<std::size_t>(kOneValueLayoutBelowBytes) ? 1 : 3;
}

std::string_view SidcYearField(std::string_view line, int value) {
  const std::size_t offset = kFirstValueColumn + static_cast<std::size_t>(value * kNextValueStep);
  return offset < line.size() ? line.substr(offset, kFieldWidth) : std::string_view{};
}

namespace {

// Why the lines of a year file are not one line a day of one length, or nothing.
std::optional<std::string> YearLinesProblem(const std::vector<std::string_view>& lines, int year,
                                            const std::string& shownName) {
  const int days = IsLeapYear(year) ? 366 : 365;
  if (static_cast<int>(lines.size()) != days)
    return FillText(
        CoreText("SidcFiles",
                 "Soubor %1 nemá řádek na každý den roku %2 (má %3 řádků místo %4), "
                 "je zkrácený nebo poškozený, jeho hodnoty se nepoužijí."),
        {shownName, std::to_string(year), std::to_string(lines.size()), std::to_string(days)});
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].size() != lines[0].size())
      return FillText(CoreText("SidcFiles",
                               "Soubor %1 má řádky různé délky (řádek %2 má %3 znaků, řádek 1 "
                               "má %4), je poškozený, jeho hodnoty se nepoužijí."),
                      {shownName, std::to_string(i + 1), std::to_string(lines[i].size()),
                       std::to_string(lines[0].size())});
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> SidcYearProblem(std::string_view fileBytes, int year,
                                           const std::string& shownName) {
  const std::vector<std::string_view> lines = SidcYearFileLines(fileBytes);
  const int values = SidcYearValuesPerDay(fileBytes);
  bool anyDigit = false;
  for (std::size_t d = 0; d < lines.size(); ++d) {
    for (int v = 0; v < values; ++v) {
      const std::string_view field = SidcYearField(lines[d], v);
      if (field.find_first_not_of(" +-0123456789") != std::string_view::npos)
        return FillText(CoreText("SidcFiles",
                                 "Soubor %1 nemá očekávaný tvar (denní čísla ve sloupcích 20-22; "
                                 "v řádku %2 jsou na jejich místě jiné znaky, soubor je poškozen "
                                 "nebo jiného druhu), jeho hodnoty se nepoužijí."),
                        {shownName, std::to_string(d + 1)});
      anyDigit = anyDigit || field.find_first_of("0123456789") != std::string_view::npos;
    }
  }
  if (!anyDigit)
    return UnusableFileMessage(shownName,
                               CoreTextNoop("SidcFiles", "denní čísla ve sloupcích 20-22"));
  return YearLinesProblem(lines, year, shownName);
}

int AddSidcYear(std::string_view fileBytes, int year, SidcDailyTable& table) {
  int numberFields = 0;
  const std::vector<std::string_view> lines = SidcYearFileLines(fileBytes);
  const int days = IsLeapYear(year) ? 366 : 365;
  const int values = SidcYearValuesPerDay(fileBytes);
  constexpr auto kMaxCells = static_cast<std::size_t>(kSidcDailyCells);
  table.Cells.reserve(std::min(kMaxCells, static_cast<std::size_t>(table.DaysFilled + days) * 3));
  for (int d = 0; d < days; ++d) {
    const auto cell = static_cast<std::size_t>(table.DaysFilled) * 3;
    if (cell + 3 > kMaxCells) return numberFields;  // the table is full
    if (table.Cells.size() < cell + 3) table.Cells.resize(cell + 3);
    for (int v = 0; v < values; ++v) {
      const std::string_view field =
          static_cast<std::size_t>(d) < lines.size() ? SidcYearField(lines[d], v) : "";
      const bool hasDigit = field.find_first_of("0123456789") != std::string_view::npos;
      if (hasDigit) ++numberFields;
      table.Cells[cell + static_cast<std::size_t>(v)] =
          hasDigit && field.find('-') == std::string_view::npos
              ? static_cast<std::uint16_t>(SidcFieldValue(field))
              : kSidcNoValue;
    }
    ++table.DaysFilled;
  }
  return numberFields;
}

SidcDailyTable ReadSidcDaily(const std::filesystem::path& progDir, int currentYear) {
  SidcDailyTable table;
  const int firstYearOnDisk = SidcYearFromName(FindFirstSidcFile(progDir));
  int lastYear = kSidcFirstYear + (currentYear - firstYearOnDisk);
  // A collection that starts after 1982 would otherwise lose its most recent years.
  if (firstYearOnDisk <= currentYear) lastYear = std::max(lastYear, currentYear);
  const int yearCount = std::min(lastYear - kSidcFirstYear + 1, kSidcMaxYears);
  for (int i = 0; i < yearCount; ++i) {
    const int year = kSidcFirstYear + i;
    const std::string fileName = "dssn" + std::to_string(year) + ".dat";
    const std::string shownName = std::string(kSidcFolder) + "/" + fileName;
    try {
      const auto content = ReadAuxFile(progDir / kSidcFolder / fileName, shownName);
      if (!content) continue;
      // The year keeps its place in the table either way, so later years stay on their days;
      // a damaged file's days stay empty.
      const auto problem = SidcYearProblem(content->Bytes, year, shownName);
      AddSidcYear(problem ? std::string_view{} : std::string_view(content->Bytes), year, table);
      if (problem) table.Messages.push_back(*problem);
      ++table.YearsFound;
    } catch (const AuxFileError& error) {
      table.Messages.emplace_back(error.what());
    }
  }
  return table;
}

SidcSeries ParseSidcAreas(std::string_view text, std::uintmax_t fileSize) {
  return ParseSeries(text, fileSize, kAreasLineBytes, kAreaColumns, 1.0);
}

SidcSeries ParseRadioFlux(std::string_view text, std::uintmax_t fileSize) {
  return ParseSeries(text, fileSize, kFluxLineBytes, kFluxColumns, 10.0);
}

SidcSeries ReadSidcAreas(const std::filesystem::path& progDir) {
  return ReadSeries(progDir, "Plochy.txt", ParseSidcAreas, kAreaColumns,
                    CoreTextNoop("SidcFiles", "řádky po 31 bajtech s čísly ve sloupcích 9-29"));
}

SidcSeries ReadRadioFlux(const std::filesystem::path& progDir) {
  return ReadSeries(progDir, "tok-10cm.txt", ParseRadioFlux, kFluxColumns,
                    CoreTextNoop("SidcFiles", "řádky po 45 bajtech s čísly ve sloupcích 16-42"));
}

}  // namespace ardeno
