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
  // One Czech text at most for lines skipped because a value was not a whole number, and one for
  // each year file that could not be read.
  std::vector<std::string> Messages;

  int DayCount() const { return static_cast<int>(CoronaDays.size()) / kCoronaRowBytes; }
};

// Result of one file's text: its rows appended to `data`.
struct CoronaFileReport {
  int RowsAdded = 0;
  int SkippedLines = 0;
  int FirstSkippedLine = 0;  // 1-based line number of the first skipped line
};
// Appends the day rows of one year file, at most 366, up to the line whose second to fourth
// numbers are all 0. A line holding something that is not a whole number is skipped.
CoronaFileReport AppendCoronaYear(std::string_view fileText, CoronaData& data);

// Reads 1940, 1941, ... while the year file exists (at most 101 years).
CoronaData LoadCoronaData(const std::filesystem::path& progDir);

}  // namespace ardeno
