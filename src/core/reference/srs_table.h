// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Solar Region Summaries parsed into comma-separated tables, one row per region and report
// (",Date,NOAA No,Location,Lo,Area,Zpc,LL,NN,Mag,..."), a year per file. The date is the report's
// issue date; the row describes the day before, with positions valid at its 24:00 UT.
// The tables carry the dirt of their parsing: stray header rows, rows shifted one column left,
// "None" rows for spotless days; all of them are read as the reports meant them.
#include <string>
#include <string_view>

#include "core/reference/source_day.h"

namespace ardeno {

SourceReading ReadSrsTable(std::string_view text, const std::string& sourceName);

bool LooksLikeSrsTable(std::string_view text);

}  // namespace ardeno
