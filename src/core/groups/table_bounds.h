#pragma once
// The fixed bounds of the group statistics tables. Records that would fall outside a table are
// left out and counted, so that the window can tell the user once instead of writing or reading
// past the table.
#include <string>

namespace ardeno {

inline constexpr int kMaxRotationIndices = 1300;    // RotationStats, SmoothedLatitudes, ClassCounts
inline constexpr int kMaxBoundYears = 100;          // YearBounds
inline constexpr int kMaxAsymmetryMonths = 2400;    // MonthAsym
inline constexpr int kMaxAsymmetryYears = 200;      // YearAsym
inline constexpr int kMaxRotationGroupNumber = 70;  // group numbers within a rotation, 1..70

// Records (or group sightings) left out of a table because they fall beyond its bound.
struct LeftOutRecords {
  int Count = 0;
  const char* TableName = "";  // Czech, for the message
  int Bound = 0;
  std::string Unit;  // "otoček", "let", "měsíců"

  explicit operator bool() const { return Count > 0; }
  // "Zákresy mimo rozsah tabulky ... nebyly započteny: n." for the user; empty when none.
  std::string Message() const;
};

}  // namespace ardeno
