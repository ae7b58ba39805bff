// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/srs_table.h"

#include <map>
#include <optional>

#include "core/reference/catalogue_lines.h"
#include "core/reference/noaa_region_fields.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr std::uint16_t kEndOfDay = 2400;

// "2014-01-01"
std::optional<CalendarDate> IsoDate(std::string_view text) {
  const auto parts = Separated(text, '-');
  if (parts.size() != 3) return std::nullopt;
  const auto year = WholeField(parts[0]);
  const auto month = WholeField(parts[1]);
  const auto day = WholeField(parts[2]);
  if (!year || !month || !day) return std::nullopt;
  const CalendarDate date{*year, *month, *day};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::optional<int> RoundedField(std::string_view text) {
  const auto value = RealField(text);
  if (!value || *value < 0 || *value > 1e6) return std::nullopt;
  return static_cast<int>(*value + 0.5);
}

// The columns of one region, wherever the row put them.
struct RegionColumns {
  std::string_view Region, Location, Longitude, Area, Class, Extent, Spots;
};

std::optional<SourceGroup> RegionRow(const RegionColumns& row, const CalendarDate& day,
                                     std::string& reason) {
  const auto region = WholeField(row.Region);
  const auto location = ParseRegionLocation(row.Location);
  const auto longitude = RoundedField(row.Longitude);
  const auto area = RoundedField(row.Area);
  const auto mcIntosh = McIntoshClassText(row.Class);
  // Where LL was left empty the count sits in its column and the magnetic class in NN's.
  auto spots = RoundedField(row.Spots);
  if (!spots) spots = RoundedField(row.Extent);
  if (!region || *region < 0)
    reason = CoreText("Import", "číslo oblasti");
  else if (!location)
    reason = CoreText("Import", "poloha");
  else if (!longitude || *longitude > 360)
    reason = CoreText("Import", "délka");
  else if (!area)
    reason = CoreText("Import", "plocha");
  else if (!mcIntosh)
    reason = CoreText("Import", "typ skupiny");
  else if (!spots)
    reason = CoreText("Import", "počet skvrn");
  if (!reason.empty()) return std::nullopt;
  SourceGroup group = NoaaGroup(*region, *location, *longitude, *area, *mcIntosh, spots, day);
  group.EpochTime = kEndOfDay;
  return group;
}

}  // namespace

bool LooksLikeSrsTable(std::string_view text) {
  return text.substr(0, 40).find(",Date,NOAA No,") != std::string_view::npos;
}

SourceReading ReadSrsTable(std::string_view text, const std::string& sourceName) {
  SourceReading reading;
  std::map<CalendarDate, std::size_t> dayIndex;
  for (const auto& [number, line] : NonEmptyLines(text)) {
    const auto fields = Separated(line, ',');
    if (fields.size() >= 2 && (fields[1] == "Date" || fields[0] == "Nmbr")) continue;  // headers
    const auto issued = fields.size() >= 3 ? IsoDate(fields[1]) : std::nullopt;
    if (!issued) {
      reading.Problems.push_back(
          LineProblem(sourceName, number, line, CoreText("Import", "datum")));
      continue;
    }
    const CalendarDate day = DateFromSerial(DaySerial(*issued) - 1);
    auto [at, added] = dayIndex.try_emplace(day, reading.Days.size());
    if (added) {
      SourceDay sourceDay;
      sourceDay.Date = day;
      sourceDay.TimeUT = kEndOfDay;
      sourceDay.Source = GroupSource::NoaaTable;
      sourceDay.Where = sourceName + ":" + std::to_string(number);
      reading.Days.push_back(std::move(sourceDay));
    }
    SourceDay& target = reading.Days[at->second];
    if (fields[2] == "None") continue;  // a spotless day
    const auto column = [&](std::size_t i) {
      return i < fields.size() ? fields[i] : std::string_view{};
    };
    // A row shifted one column left has the region first and the location third.
    const bool shifted = ParseRegionLocation(column(2)).has_value();
    const std::size_t first = shifted ? 2 : 3;
    const RegionColumns row{shifted ? column(0) : column(2),
                            column(first),
                            column(first + 1),
                            column(first + 2),
                            column(first + 3),
                            column(first + 4),
                            column(first + 5)};
    std::string reason;
    if (auto group = RegionRow(row, day, reason))
      target.Groups.push_back(std::move(*group));
    else
      reading.Problems.push_back(LineProblem(sourceName, number, line, reason));
  }
  return reading;
}

}  // namespace ardeno
