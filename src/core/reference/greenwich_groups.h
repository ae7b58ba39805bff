// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RGO / USAF-NOAA sunspot-group files ("g1955.txt"): one group a line in fixed columns with
// the date and UT fraction of the day, group number, areas, disk position, Carrington longitude,
// latitude and central-meridian distance (west positive). The files give no McIntosh class and
// no spot count.
#include <string>
#include <string_view>

#include "core/reference/source_day.h"

namespace ardeno {

// From 1993 on the files print a nominal 12:00 UT, while the positions are those of the
// USAF/NOAA reports, valid at 24:00 UT of the date.
inline constexpr int kFirstYearValidAtDayEnd = 1993;

SourceReading ReadGreenwichGroups(std::string_view text, const std::string& sourceName);

bool LooksLikeGreenwichGroups(std::string_view text);

}  // namespace ardeno
