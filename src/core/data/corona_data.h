// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Green-corona intensities from the yearly files "KoronaX/Hr<year>.csv", one 78-byte row per day:
// bytes 0..5 the day's first six numbers (year less 1900, month, day and three more), bytes
// 6..77 the intensity in 72 sectors of 5 degrees around the limb. Every value is kept as its
// absolute value modulo 256.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

inline constexpr const char* kCoronaFolder = "KoronaX";
inline constexpr int kCoronaFirstYear = 1940;
inline constexpr int kCoronaMaxYears = 101;
inline constexpr int kCoronaMaxDaysPerYear = 366;
inline constexpr int kCoronaRowBytes = 78;
inline constexpr int kCoronaSectors = 72;
inline constexpr int kCoronaMaxNumbersPerLine = 80;

struct CoronaData {
  std::vector<std::uint8_t> CoronaDays;  // rows of kCoronaRowBytes, day 0 first
  // Bytes filled; 1 when there is no "KoronaX" folder (the maps then disable the corona views).
  int CoronaByteCount = 1;
  int YearsRead = 0;
  bool FolderFound = false;
  // One Czech text at most for values that were not whole numbers (read as 0, naming the first
  // file and line), and one for a year file that could not be read (loading ends there).
  std::vector<std::string> Messages;

  int DayCount() const { return static_cast<int>(CoronaDays.size()) / kCoronaRowBytes; }
};

// Result of one file's text: its rows appended to `data`.
struct CoronaFileReport {
  int RowsAdded = 0;
  int BadLines = 0;      // lines with a value that is not a whole number
  int FirstBadLine = 0;  // 1-based number of the first such line
};
// Appends the day rows of one year file, at most 366, up to the line whose second to fourth
// numbers are all 0. A value that is not a whole number reads as 0; blank lines are no days.
CoronaFileReport AppendCoronaYear(std::string_view fileText, CoronaData& data);

// Reads 1940, 1941, ... while the year file exists (at most 101 years).
CoronaData LoadCoronaData(const std::filesystem::path& progDir);

}  // namespace ardeno
