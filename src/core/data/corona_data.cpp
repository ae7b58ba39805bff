// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/corona_data.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "core/data/aux_file_io.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr int kHeaderNumbers = 6;
constexpr int kYearOffset = 1900;

struct LineNumbers {
  std::vector<long long> Numbers;
  bool HasBadToken = false;
};

// The numbers of one line, separated by characters at or below the blank. A token that is not a
// whole number of the 32-bit range reads as 0, so that the day keeps its place in the rows.
LineNumbers ReadLineNumbers(std::string_view line) {
  LineNumbers result;
  auto& numbers = result.Numbers;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    if (i == line.size()) break;
    std::size_t end = i;
    while (end < line.size() && static_cast<unsigned char>(line[end]) > ' ') ++end;
    std::string_view token = line.substr(i, end - i);
    if (token.front() == '+') token.remove_prefix(1);
    int value = 0;
    const auto [rest, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || rest != token.data() + token.size()) {
      value = 0;
      result.HasBadToken = true;
    }
    // A line holds at most 80 numbers; what follows is not part of the day.
    if (numbers.size() < static_cast<std::size_t>(kCoronaMaxNumbersPerLine))
      numbers.push_back(value);
    i = end;
  }
  return result;
}

std::uint8_t StoredByte(long long value) {
  return static_cast<std::uint8_t>(std::llabs(value) % 256);
}

std::array<std::uint8_t, kCoronaRowBytes> DayRow(const std::vector<long long>& numbers) {
  std::array<std::uint8_t, kCoronaRowBytes> row{};
  const std::size_t count = numbers.size();
  for (std::size_t i = 0; i < static_cast<std::size_t>(kHeaderNumbers) && i < count; ++i) {
    long long value = numbers[i];
    if (i == 0 && value > kYearOffset) value -= kYearOffset;
    row[i] = StoredByte(value);
  }
  // The sectors are the last 72 numbers; a shorter line fills sectors from the first, never
  // reusing its first six numbers.
  const std::size_t sectors = kCoronaSectors;
  const std::size_t firstSector =
      std::max<std::size_t>(kHeaderNumbers, count > sectors ? count - sectors : 0);
  for (std::size_t i = firstSector; i < count; ++i) {
    row[kHeaderNumbers + (i - firstSector)] = StoredByte(numbers[i]);
  }
  return row;
}

bool EndsData(const std::vector<long long>& numbers) {
  const auto at = [&](std::size_t i) { return i < numbers.size() ? numbers[i] : 0; };
  return at(1) == 0 && at(2) == 0 && at(3) == 0;
}

std::string YearFileName(int year) { return "Hr" + std::to_string(year) + ".csv"; }

}  // namespace

CoronaFileReport AppendCoronaYear(std::string_view fileText, CoronaData& data) {
  CoronaFileReport report;
  std::size_t position = 0;
  int lineNumber = 0;
  while (position < fileText.size() && report.RowsAdded < kCoronaMaxDaysPerYear) {
    const std::string_view line = NextTextLine(fileText, position);
    ++lineNumber;
    const auto [numbers, hasBadToken] = ReadLineNumbers(line);
    if (hasBadToken && report.BadLines++ == 0) report.FirstBadLine = lineNumber;
    if (numbers.empty()) continue;  // a blank line is no day
    if (EndsData(numbers)) break;
    const auto row = DayRow(numbers);
    data.CoronaDays.insert(data.CoronaDays.end(), row.begin(), row.end());
    ++report.RowsAdded;
  }
  return report;
}

CoronaData LoadCoronaData(const std::filesystem::path& progDir) {
  CoronaData data;
  std::error_code error;
  const auto folder = progDir / kCoronaFolder;
  if (!std::filesystem::is_directory(folder, error)) return data;
  data.FolderFound = true;
  data.CoronaDays.reserve(static_cast<std::size_t>(kCoronaRowBytes) * kCoronaMaxDaysPerYear * 4);
  std::string firstBad;
  int badLines = 0;
  for (int i = 0; i < kCoronaMaxYears; ++i) {
    const std::string fileName = YearFileName(kCoronaFirstYear + i);
    const std::string shownName = std::string(kCoronaFolder) + "/" + fileName;
    std::optional<FileBytes> content;
    try {
      content = ReadAuxFile(folder / fileName, shownName);
    } catch (const AuxFileError& failure) {
      // An unreadable year is a gap like a missing one: later rows would land on wrong days.
      data.Messages.emplace_back(failure.what());
      break;
    }
    if (!content) break;  // the years run without gaps
    const auto report = AppendCoronaYear(content->Bytes, data);
    ++data.YearsRead;
    if (report.BadLines > 0 && badLines == 0) {
      firstBad = FillText(CoreText("CoronaData", "v souboru %1 na řádku %2"),
                          {shownName, std::to_string(report.FirstBadLine)});
    }
    badLines += report.BadLines;
  }
  if (badLines > 0) {
    data.Messages.push_back(
        FillText(CoreText("CoronaData",
                          "Data koróny: %1 je hodnota, která není celé číslo; byla čtena jako 0 "
                          "(řádků s chybou: %2)."),
                 {firstBad, std::to_string(badLines)}));
  }
  data.CoronaByteCount = static_cast<int>(data.CoronaDays.size());
  return data;
}

}  // namespace ardeno
