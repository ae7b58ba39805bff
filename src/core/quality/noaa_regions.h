// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// NOAA's regions where they stand at a drawing's moment: the Solar Region Summary valid nearest
// to it (within a day) with every region rotated to the moment by the differential rotation of
// Howard, Harvey and Snodgrass (1990). The cross-check matches them with the own groups; the
// drawing window marks them on the disk.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/reference/source_day.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

struct RegionAtMoment {
  const SourceGroup* Source = nullptr;
  double Longitude = 0;  // Carrington degrees at the moment
  double Latitude = 0;
  double Meridian = 0;  // degrees from the central meridian, positive towards the east
};

// Days and hours as one number, for distances in time.
double MomentOf(const CalendarDate& date, std::uint16_t timeUT);

// The regions of the NOAA report valid nearest to the drawing (its date, UT and ephemeris);
// nothing when no report is valid within a day (an empty list: a spotless report).
std::optional<std::vector<RegionAtMoment>> RegionsAtMoment(const std::vector<SourceDay>& reports,
                                                           const CalendarDate& date,
                                                           std::uint16_t timeUT,
                                                           const SolarEphemeris& eph);

// A region marked on the drawing: reference units of the drawing frame (disk centre 280, 280,
// radius 250), after the drawing's mirroring (+1 or -1 for each axis).
struct RegionMark {
  int Region = 0;
  int X = 0;
  int Y = 0;
};
// The regions on the visible hemisphere, placed as a group at that place would be drawn.
std::vector<RegionMark> RegionMarks(const std::vector<RegionAtMoment>& regions,
                                    const SolarEphemeris& eph, int mirrorX, int mirrorY);

// Every file of `inputs` (files, or folders read in name order) as report days; what cannot be
// read goes into `problems`.
std::vector<SourceDay> ReadReportFiles(const std::vector<std::filesystem::path>& inputs,
                                       std::vector<std::string>& problems);

// The folder of SRS reports the drawing window reads, kept in "noaa.dat" in the data folder (one
// line, the path); when none was chosen, the data folder's own "NOAA-SRS" if there is one;
// nothing otherwise.
inline constexpr const char* kNoaaFolderFile = "noaa.dat";
inline constexpr const char* kNoaaDefaultFolder = "NOAA-SRS";
std::optional<std::filesystem::path> ReadNoaaFolder(const std::filesystem::path& progDir);
std::optional<std::string> WriteNoaaFolder(const std::filesystem::path& progDir,
                                           const std::filesystem::path& folder);

}  // namespace ardeno
