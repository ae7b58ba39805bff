// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fields both NOAA readers share: the "N14W13" location, the McIntosh class as the program
// stores it, the full region number and the moment the report's positions are valid.
#include <optional>
#include <string>
#include <string_view>

#include "core/reference/source_day.h"

namespace ardeno {

struct RegionLocation {
  double Latitude = 0;              // north positive
  double MeridianDistanceWest = 0;  // west positive
};

// "N14W13", "S09E105": hemisphere letter, latitude, E or W, central-meridian distance.
std::optional<RegionLocation> ParseRegionLocation(std::string_view text);

// "EAC", "eac" -> "Eac"; nothing unless three letters.
std::optional<std::string> McIntoshClassText(std::string_view text);

// The reports give four digits; from June 2002 on the full number is 10000 more.
int FullRegionNumber(int printed, const CalendarDate& reportDate);

// A group of a NOAA report: its position is valid at the end of the day the report describes.
SourceGroup NoaaGroup(int region, const RegionLocation& location, double carringtonLongitude,
                      int area, std::string mcIntosh, std::optional<int> spots,
                      const CalendarDate& observedDay);

}  // namespace ardeno
