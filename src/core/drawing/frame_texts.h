// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of a drawing's frame: the heading (date, observer, station), the column of the
// record's values with their labels, and the daily results by hemisphere, laid out in reference
// units. The window only draws them.
#include <array>
#include <string>

#include "core/data/observation_record.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

// The 20 labels down the right side, at (570, 100 + 18 i), i = 1..20.
extern const std::array<const char*, 20> kValueLabels;
// Label `index` of kValueLabels in the language of the interface.
std::string ValueLabel(std::size_t index);
inline constexpr int kValueLabelX = 570;
inline int ValueLabelY(int i) { return 100 + 18 * i; }

// Values 1..12 right-aligned at x = 678 in 50 pixels, at y = 118 + 18 (v - 1).
inline constexpr int kValueX = 678;
inline constexpr int kValueWidth = 50;
inline int ValueY(int index0) { return 118 + 18 * index0; }

// Results rows j = 0..7 at y = 334 + 18 j, right-aligned in 28 pixels: sum, north, south.
inline constexpr int kSumX = 650;
inline constexpr int kNorthX = 699;
inline constexpr int kSouthX = 750;
inline constexpr int kResultWidth = 28;
inline int ResultRowY(int j) { return 334 + 18 * j; }
inline constexpr int kFaculaAreaLabelX = 570;
inline constexpr int kFaculaAreaValueX = 699;
inline constexpr int kFaculaAreaY = 478;

// How the results of a record are shown.
enum class ResultsLayout {
  Normal,             // all eight rows by hemisphere, with the facular area
  HemisphereSpecial,  // special record with a hemisphere marker: rows 0..5 by hemisphere
  OtherSpecial,       // other special record: rows 0..5, the sum only
};
ResultsLayout ResultsLayoutFor(const ObservationRecord& record);

struct ResultRowTexts {
  std::string Sum;
  std::string North;
  std::string South;
};

struct FrameTexts {
  std::string DateLine;
  std::string ObserverLine;
  std::string StationLine;
  std::array<std::string, 12> Values;
  std::array<ResultRowTexts, 8> Results;  // empty texts are not drawn
  bool ShowFaculaArea = false;
  std::string FaculaArea;
};

// TimeUT (hours * 100 + minutes) as a time of day "h:mm:ss"; minutes past 59 carry into the hour.
std::string TimeOfDayText(std::uint16_t timeUT);

FrameTexts BuildFrameTexts(const ObservationRecord& record, const SolarEphemeris& eph,
                           const DayResults& results, int faculaPixels);

}  // namespace ardeno
