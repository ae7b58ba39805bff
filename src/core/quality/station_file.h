// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "stanice.dat" in the data folder: where the station observes from, for the check that the Sun
// was above its horizon at a drawing's time. Line 1 the latitude, line 2 the longitude, degrees
// with a decimal point, north and east positive. The file is optional.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kStationFileName = "stanice.dat";

struct StationPlace {
  double Latitude = 0;   // degrees, north positive, -90..90
  double Longitude = 0;  // degrees, east positive, -180..180
  bool operator==(const StationPlace&) const = default;
};

struct StationReading {
  std::optional<StationPlace> Place;
  // The file exists but does not give a place: the Czech text saying why (line and content).
  std::optional<std::string> Problem;
};

// The file's text (LF or CR LF, blanks around the numbers allowed).
StationReading ParseStationFile(std::string_view text);
// A missing file gives neither a place nor a problem.
StationReading ReadStationFile(const std::filesystem::path& progDir);
// "49.9100\r\n14.7800\r\n".
std::string StationFileText(const StationPlace& place);
// Refuses a place outside the ranges; the file is replaced whole.
Refusal WriteStationFile(const std::filesystem::path& progDir, const StationPlace& place);

}  // namespace ardeno
