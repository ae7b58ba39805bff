// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/noaa_region_fields.h"

#include <cctype>

#include "core/reference/catalogue_lines.h"

namespace ardeno {

namespace {
constexpr int kFullNumberOffset = 10000;
// NOAA region 10000 was numbered on 14 June 2002; the printed numbers restarted from 0000 then.
constexpr CalendarDate kFiveDigitNumbersFrom{2002, 6, 14};
constexpr int kLowestRestartedNumber = 5000;  // older regions still on the disk stay below 10000
constexpr std::uint16_t kEndOfDay = 2400;
}  // namespace

std::optional<RegionLocation> ParseRegionLocation(std::string_view text) {
  if (text.size() < 4 || (text[0] != 'N' && text[0] != 'S')) return std::nullopt;
  const auto meridian = text.find_first_of("EW", 1);
  if (meridian == std::string_view::npos || meridian < 2 || meridian > 3) return std::nullopt;
  const auto latitude = WholeField(text.substr(1, meridian - 1));
  const auto distance = WholeField(text.substr(meridian + 1));
  if (!latitude || !distance || *latitude < 0 || *latitude > 90 || *distance < 0 ||
      *distance > 180 || text[1] == '-' || text[1] == '+' || text[meridian + 1] == '-' ||
      text[meridian + 1] == '+')
    return std::nullopt;
  RegionLocation location;
  location.Latitude = text[0] == 'N' ? *latitude : -*latitude;
  location.MeridianDistanceWest = text[meridian] == 'W' ? *distance : -*distance;
  return location;
}

std::optional<std::string> McIntoshClassText(std::string_view text) {
  if (text.size() != 3) return std::nullopt;
  std::string shown;
  for (const char c : text) {
    if (!std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
    shown += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  shown[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(shown[0])));
  return shown;
}

int FullRegionNumber(int printed, const CalendarDate& reportDate) {
  if (reportDate >= kFiveDigitNumbersFrom && printed < kLowestRestartedNumber)
    return printed + kFullNumberOffset;
  return printed;
}

SourceGroup NoaaGroup(int region, const RegionLocation& location, double carringtonLongitude,
                      int area, std::string mcIntosh, std::optional<int> spots,
                      const CalendarDate& observedDay) {
  SourceGroup group;
  group.Region = FullRegionNumber(region, observedDay);
  group.Class = std::move(mcIntosh);
  group.Spots = spots;
  group.Latitude = location.Latitude;
  group.MeridianDistanceWest = location.MeridianDistanceWest;
  group.CarringtonLongitude = carringtonLongitude;
  group.CorrectedArea = area;
  group.EpochDate = observedDay;
  group.EpochTime = kEndOfDay;
  return group;
}

}  // namespace ardeno
