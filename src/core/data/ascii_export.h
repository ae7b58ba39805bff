// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "SoubASCI.dat": every sunspot group of the database as one text line (date, time, group number,
// class, heliographic longitude and latitude, area, and for B groups the auxiliary spot), for use
// by other programs. Windows-1250, CR LF.
#include <filesystem>
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kAsciiExportFileName = "SoubASCI.dat";
inline constexpr double kExportSmallSpotArea = 7.6;  // this export's weight, not the results' 15.3

// The Czech refusal for the first record whose date does not parse, or nothing.
Refusal CheckAsciiExport(const Database& db);

// The whole file's bytes. Groups with an empty class get "***" in the database as well.
// Throws std::invalid_argument (with the CheckAsciiExport text) when a date does not parse,
// before anything is changed.
std::string AsciiExportText(Database& db);

// Writes progDir/SoubASCI.dat through a temporary file; the Czech error text, or nothing.
Refusal WriteAsciiExport(Database& db, const std::filesystem::path& progDir);

}  // namespace ardeno
