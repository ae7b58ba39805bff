// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/corona_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/data/startup_inputs.h"
#include "core/text/dates.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

// Synthetic green-line day: year, month, day, station, hour, minute, then 72 sector values.
std::vector<long long> DayNumbers(const CalendarDate& date, int seed) {
  std::vector<long long> numbers{date.Year, date.Month, date.Day, 3, 8, 30};
  for (int s = 1; s <= kCoronaSectors; ++s) numbers.push_back((s * 7 + seed * 13) % 90);
  return numbers;
}

std::string Line(const std::vector<long long>& numbers, const std::string& separator = " ") {
  std::string line;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    line += (i ? separator : "") + std::to_string(numbers[i]);
  return line + "\r";
}

std::string YearFile(int year, int days) {
  std::string text;
  const std::int64_t first = DaySerial(CalendarDate{year, 1, 1});
  for (int d = 0; d < days; ++d) text += Line(DayNumbers(DateFromSerial(first + d), d));
  return text;
}

std::uint8_t Stored(long long value) { return static_cast<std::uint8_t>(std::llabs(value) % 256); }

TEST(CoronaData, NoFolderMeansNoData) {
  TempFolder folder;
  const auto data = LoadCoronaData(folder.Path());
  EXPECT_FALSE(data.FolderFound);
  EXPECT_EQ(data.CoronaByteCount, 1);
  EXPECT_TRUE(data.CoronaDays.empty());
}

TEST(CoronaData, YearsRunUntilTheFirstGap) {
  TempFolder folder;
  folder.Write("KoronaX/Hr1940.csv", YearFile(1940, 366));
  folder.Write("KoronaX/Hr1941.csv", YearFile(1941, 365));
  folder.Write("KoronaX/Hr1943.csv", YearFile(1943, 365));  // after the gap: never read
  const auto data = LoadCoronaData(folder.Path());
  EXPECT_EQ(data.YearsRead, 2);
  EXPECT_EQ(data.DayCount(), 366 + 365);
  EXPECT_EQ(data.CoronaByteCount, (366 + 365) * kCoronaRowBytes);
  const std::size_t lastRow = static_cast<std::size_t>(data.DayCount() - 1) * kCoronaRowBytes;
  EXPECT_EQ(data.CoronaDays[lastRow + 0], 41) << "1941 less 1900";
  EXPECT_EQ(data.CoronaDays[lastRow + 1], 12);
  EXPECT_EQ(data.CoronaDays[lastRow + 2], 31);
  EXPECT_TRUE(data.Messages.empty());
}

TEST(CoronaData, EmptyFolderGivesZeroBytes) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / kCoronaFolder);
  const auto data = LoadCoronaData(folder.Path());
  EXPECT_TRUE(data.FolderFound);
  EXPECT_EQ(data.CoronaByteCount, 0);
}

TEST(CoronaData, ValuesAreStoredAsAbsoluteValuesModulo256) {
  std::vector<long long> numbers{1957, -3, 300, 2, -700, 1000};
  for (int s = 0; s < kCoronaSectors; ++s) numbers.push_back((s % 2 ? -1 : 1) * (250 + s * 3));
  CoronaData data;
  const auto report = AppendCoronaYear(Line(numbers, "\t "), data);
  ASSERT_EQ(report.RowsAdded, 1);
  ASSERT_EQ(data.CoronaDays.size(), static_cast<std::size_t>(kCoronaRowBytes));
  EXPECT_EQ(data.CoronaDays[0], Stored(1957 - 1900));
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    EXPECT_EQ(data.CoronaDays[i], Stored(numbers[i])) << "number " << i + 1;
  }
}

TEST(CoronaData, SectorsAreTheLastSeventyTwoNumbers) {
  // 80 numbers: header six, two extra, then the sectors.
  std::vector<long long> numbers{1960, 5, 17, 1, 2, 3, 98, 99};
  for (int s = 1; s <= kCoronaSectors; ++s) numbers.push_back(s);
  numbers.push_back(555);  // an 81st number is not part of the line's data
  CoronaData data;
  AppendCoronaYear(Line(numbers), data);
  ASSERT_EQ(data.DayCount(), 1);
  for (int s = 1; s <= kCoronaSectors; ++s) EXPECT_EQ(data.CoronaDays[5 + s], s) << "sector " << s;

  // A short line never takes its header numbers as sectors.
  CoronaData shortLine;
  AppendCoronaYear("1960 5 18 1 2 3 40 41\r", shortLine);
  ASSERT_EQ(shortLine.DayCount(), 1);
  EXPECT_EQ(shortLine.CoronaDays[6], 40);
  EXPECT_EQ(shortLine.CoronaDays[7], 41);
  EXPECT_EQ(shortLine.CoronaDays[8], 0);
}

TEST(CoronaData, ZeroDateEndsTheFileAndAtMost366Rows) {
  CoronaData data;
  const std::string text = YearFile(1950, 10) + "1950 0 0 0 5 5\r" + YearFile(1950, 3);
  EXPECT_EQ(AppendCoronaYear(text, data).RowsAdded, 10);

  CoronaData longFile;
  EXPECT_EQ(AppendCoronaYear(YearFile(1950, 365) + YearFile(1951, 20), longFile).RowsAdded,
            kCoronaMaxDaysPerYear);
}

TEST(CoronaData, LineEndsAndBlankLinesDoNotMakeDays) {
  std::string text = YearFile(1952, 3);
  std::string withLf = text;
  for (std::size_t at = withLf.find('\r'); at != std::string::npos;
       at = withLf.find('\r', at + 2)) {
    withLf.insert(at + 1, "\n");
  }
  CoronaData crlf, lf, blanks;
  EXPECT_EQ(AppendCoronaYear(withLf, crlf).RowsAdded, 3);
  std::string lfOnly = text;
  std::replace(lfOnly.begin(), lfOnly.end(), '\r', '\n');
  EXPECT_EQ(AppendCoronaYear(lfOnly, lf).RowsAdded, 3);
  EXPECT_EQ(AppendCoronaYear("\r\n  \r" + text, blanks).RowsAdded, 3);
  EXPECT_EQ(crlf.CoronaDays, lf.CoronaDays);
  EXPECT_EQ(blanks.CoronaDays, lf.CoronaDays);
}

TEST(CoronaData, ValueThatIsNotAWholeNumberReadsAsZeroAndIsReportedOnce) {
  TempFolder folder;
  std::string year = YearFile(1940, 366);
  // Line 3 gets a decimal value in sector 1, line 5 a word in sector 2.
  auto lineStart = [&](int line) {
    std::size_t at = 0;
    for (int i = 1; i < line; ++i) at = year.find('\r', at) + 1;
    return at;
  };
  const std::size_t third = lineStart(3);
  const std::size_t sector1 = year.find(' ', year.find(" 30 ", third) + 1) + 1;
  const std::size_t sector1End = year.find(' ', sector1);
  year.replace(sector1, sector1End - sector1, "12.5");
  const std::size_t fifth = lineStart(5);
  year.replace(fifth, 4, "x940");
  folder.Write("KoronaX/Hr1940.csv", year);
  folder.Write("KoronaX/Hr1941.csv", YearFile(1941, 365) + "1941 1 1 2 3 4 9999999999\r");

  const auto data = LoadCoronaData(folder.Path());
  EXPECT_EQ(data.DayCount(), 366 + 366) << "days keep their places";
  EXPECT_EQ(data.CoronaDays[2 * kCoronaRowBytes + 6], 0);
  EXPECT_EQ(data.CoronaDays[4 * kCoronaRowBytes + 0], 0);
  ASSERT_EQ(data.Messages.size(), 1u);
  EXPECT_NE(data.Messages[0].find("KoronaX/Hr1940.csv na řádku 3"), std::string::npos)
      << data.Messages[0];
  EXPECT_NE(data.Messages[0].find("řádků s chybou: 3"), std::string::npos) << data.Messages[0];

  const auto inputs = ReadStartupInputs(folder.Path(), CalendarDate{2026, 1, 1});
  EXPECT_EQ(inputs.Corona.CoronaByteCount, data.CoronaByteCount);
  EXPECT_EQ(inputs.Messages, data.Messages);
}

TEST(CoronaData, UnreadableYearEndsLoadingWithAMessage) {
  TempFolder folder;
  folder.Write("KoronaX/Hr1940.csv", YearFile(1940, 366));
  std::filesystem::create_directories(folder.Path() / "KoronaX" / "Hr1941.csv");
  folder.Write("KoronaX/Hr1942.csv", YearFile(1942, 365));
  const auto data = LoadCoronaData(folder.Path());
  EXPECT_EQ(data.YearsRead, 1);
  EXPECT_EQ(data.DayCount(), 366);
  ASSERT_EQ(data.Messages.size(), 1u);
  EXPECT_NE(data.Messages[0].find("KoronaX/Hr1941.csv"), std::string::npos);
}

}  // namespace
}  // namespace ardeno
