// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily Solar Region Summary of NOAA/SWPC ("20140101SRS.txt"): section I lists the regions
// with sunspots, one line each ("1934 S16W83   272  0080 Eac  11   05 Beta-Gamma-Delta"), with
// positions valid at 24:00 UT of the day the report describes (the day before it was issued).
#include <string>
#include <string_view>

#include "core/reference/source_day.h"

namespace ardeno {

// One report gives at most one day; a report whose section I says "None" is a spotless day.
// Lines of section I that cannot be read are named in Problems and left out.
SourceReading ReadSrsReport(std::string_view text, const std::string& sourceName);

// The report text is recognised by its product line or its title.
bool LooksLikeSrsReport(std::string_view text);

}  // namespace ardeno
