// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/noaa_regions.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "core/data/aux_file_io.h"
#include "core/drawing/drawing_scale.h"
#include "core/reference/group_files_import.h"
#include "core/reference/group_placement.h"
#include "core/solar/differential_rotation.h"
#include "core/text/encoding.h"

namespace ardeno {

namespace {

constexpr double kReportWindowDays = 1.0;
constexpr double kTenthDegreeToRad = 3.14159265358979323846 / 1800;
constexpr double kDistance10ToPixels = 0.2;  // 1250 tenths of a millimetre onto 250 pixels

}  // namespace

double MomentOf(const CalendarDate& date, std::uint16_t timeUT) {
  return static_cast<double>(DaySerial(date)) + (timeUT / 100 + timeUT % 100 / 60.0) / 24;
}

std::optional<std::vector<RegionAtMoment>> RegionsAtMoment(const std::vector<SourceDay>& reports,
                                                           const CalendarDate& date,
                                                           std::uint16_t timeUT,
                                                           const SolarEphemeris& eph) {
  const double moment = MomentOf(date, timeUT);
  // The report valid nearest to the drawing: a day's positions hold at its end.
  const SourceDay* report = nullptr;
  double best = kReportWindowDays;
  for (const SourceDay& day : reports) {
    if (day.Source == GroupSource::Greenwich) continue;
    const double gap = std::abs(MomentOf(day.Date, 2400) - moment);
    if (gap <= best) {
      best = gap;
      report = &day;
    }
  }
  if (report == nullptr) return std::nullopt;
  std::vector<RegionAtMoment> regions;
  for (const SourceGroup& g : report->Groups) {
    const SolarEphemeris epoch = Ephemeris(g.EpochDate, std::min<std::uint16_t>(g.EpochTime, 2359));
    const double l = RotatedLongitude(CarringtonLongitudeAt(epoch, g.MeridianDistanceWest),
                                      g.Latitude, moment - MomentOf(g.EpochDate, g.EpochTime));
    regions.push_back({&g, l, g.Latitude, std::remainder(eph.EphL0 - l, 360.0)});
  }
  return regions;
}

std::vector<RegionMark> RegionMarks(const std::vector<RegionAtMoment>& regions,
                                    const SolarEphemeris& eph, int mirrorX, int mirrorY) {
  std::vector<RegionMark> marks;
  for (const RegionAtMoment& region : regions) {
    // Behind the limb a region is not drawn (the placement would put it on the limb).
    if (std::abs(region.Meridian) >= 90) continue;
    const DrawingPlace place = PlaceOnDrawing(eph, region.Longitude, region.Latitude);
    const double angle = place.Angle10 * kTenthDegreeToRad;
    const double distance = place.Distance10 * kDistance10ToPixels;
    marks.push_back(
        {region.Source->Region,
         static_cast<int>(std::lround(std::sin(angle) * mirrorX * distance)) + kCanvasCentre,
         static_cast<int>(std::lround(-std::cos(angle) * mirrorY * distance)) + kCanvasCentre});
  }
  return marks;
}

std::vector<SourceDay> ReadReportFiles(const std::vector<std::filesystem::path>& inputs,
                                       std::vector<std::string>& problems) {
  std::vector<SourceDay> days;
  for (const auto& file : CatalogueFilesOf(inputs, problems)) {
    SourceReading reading = ReadCatalogueFile(file);
    problems.insert(problems.end(), reading.Problems.begin(), reading.Problems.end());
    for (SourceDay& day : reading.Days) days.push_back(std::move(day));
  }
  return days;
}

std::optional<std::filesystem::path> ReadNoaaFolder(const std::filesystem::path& progDir) {
  std::ifstream in(progDir / kNoaaFolderFile, std::ios::binary);
  std::string line;
  if (in) std::getline(in, line);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  if (line.empty()) {
    std::error_code error;
    const std::filesystem::path own = progDir / kNoaaDefaultFolder;
    if (std::filesystem::is_directory(own, error)) return own;
    return std::nullopt;
  }
  // The name is UTF-8 text, which a plain path reads in the system's code page on Windows.
  return std::filesystem::u8path(TextFileToUtf8(line));
}

std::optional<std::string> WriteNoaaFolder(const std::filesystem::path& progDir,
                                           const std::filesystem::path& folder) {
  const std::u8string name = folder.u8string();
  return ReplaceFile(progDir / kNoaaFolderFile,
                     std::string(reinterpret_cast<const char*>(name.data()), name.size()) + "\r\n",
                     kNoaaFolderFile);
}

}  // namespace ardeno
