// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/greenwich_groups.h"

#include <cmath>
#include <map>
#include <optional>

#include "core/reference/catalogue_lines.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr std::uint16_t kEndOfDay = 2400;
constexpr int kMinutesPerDay = 1440;
constexpr std::size_t kLineLength = 74;  // through the central-meridian distance

struct Column {
  std::size_t Start;  // 0-based
  std::size_t Width;
};
constexpr Column kYear{0, 4}, kMonth{4, 2}, kDay{6, 6}, kGroup{12, 8}, kCorrectedArea{40, 4},
    kLongitude{57, 5}, kLatitude{63, 5}, kMeridianDistance{69, 5};

std::string_view Cut(std::string_view line, Column column) {
  return column.Start < line.size() ? line.substr(column.Start, column.Width) : std::string_view{};
}

struct ParsedLine {
  CalendarDate Date;
  std::uint16_t Time = 0;  // hours * 100 + minutes
  SourceGroup Group;
};

std::optional<ParsedLine> GroupLine(std::string_view line, std::string& reason) {
  if (line.size() < kLineLength) {
    reason = CoreText("Import", "krátký řádek");
    return std::nullopt;
  }
  const auto year = WholeField(Cut(line, kYear));
  const auto month = WholeField(Cut(line, kMonth));
  const auto dayWithFraction = RealField(Cut(line, kDay));
  const auto group = WholeField(Cut(line, kGroup));
  const auto area = WholeField(Cut(line, kCorrectedArea));
  const auto longitude = RealField(Cut(line, kLongitude));
  const auto latitude = RealField(Cut(line, kLatitude));
  const auto meridian = RealField(Cut(line, kMeridianDistance));
  ParsedLine parsed;
  if (year && month && dayWithFraction && *dayWithFraction >= 1 && *dayWithFraction < 32)
    parsed.Date = {*year, *month, static_cast<int>(*dayWithFraction)};
  if (!IsValidDate(parsed.Date))
    reason = CoreText("Import", "datum");
  else if (!group || *group < 0)
    reason = CoreText("Import", "číslo skupiny");
  else if (!area || *area < 0)
    reason = CoreText("Import", "plocha");
  else if (!longitude || *longitude < 0 || *longitude > 360)
    reason = CoreText("Import", "délka");
  else if (!latitude || std::fabs(*latitude) > 90)
    reason = CoreText("Import", "šířka");
  else if (!meridian || std::fabs(*meridian) > 180)
    reason = CoreText("Import", "vzdálenost od centrálního meridiánu");
  if (!reason.empty()) return std::nullopt;

  const int minutes =
      static_cast<int>(std::lround((*dayWithFraction - parsed.Date.Day) * kMinutesPerDay));
  parsed.Time = static_cast<std::uint16_t>(minutes / 60 * 100 + minutes % 60);
  SourceGroup& g = parsed.Group;
  g.Region = *group;
  g.Latitude = *latitude;
  g.MeridianDistanceWest = *meridian;
  g.CarringtonLongitude = *longitude;
  g.CorrectedArea = *area;
  g.EpochDate = parsed.Date;
  g.EpochTime = parsed.Date.Year >= kFirstYearValidAtDayEnd ? kEndOfDay : parsed.Time;
  return parsed;
}

}  // namespace

bool LooksLikeGreenwichGroups(std::string_view text) {
  const auto lines = NonEmptyLines(text.substr(0, 400));
  if (lines.empty()) return false;
  std::string reason;
  return GroupLine(lines.front().Text, reason).has_value();
}

SourceReading ReadGreenwichGroups(std::string_view text, const std::string& sourceName) {
  SourceReading reading;
  std::map<CalendarDate, std::size_t> dayIndex;
  for (const auto& [number, line] : NonEmptyLines(text)) {
    std::string reason;
    auto parsed = GroupLine(line, reason);
    if (!parsed) {
      reading.Problems.push_back(LineProblem(sourceName, number, line, reason));
      continue;
    }
    auto [at, added] = dayIndex.try_emplace(parsed->Date, reading.Days.size());
    if (added) {
      SourceDay day;
      day.Date = parsed->Date;
      // The drawing shows the day at the moment its first group was measured.
      day.TimeUT = parsed->Group.EpochTime;
      day.Source = GroupSource::Greenwich;
      day.Where = sourceName + ":" + std::to_string(number);
      reading.Days.push_back(std::move(day));
    }
    reading.Days[at->second].Groups.push_back(std::move(parsed->Group));
  }
  return reading;
}

}  // namespace ardeno
