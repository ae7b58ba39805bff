// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The magnetosphere under a synoptic map: the points of the day files around the map's rotation
// that belong to it and lie near the central meridian of their day, at their map positions.
#include <filesystem>
#include <string>
#include <vector>

#include "core/maps/magnetogram.h"
#include "core/maps/map_rotation.h"

namespace ardeno {

// Days read: from 6 days before the rotation's start, 39 of them.
inline constexpr int kUnderlayDaysBefore = 6;
inline constexpr int kUnderlayDays = 39;
// Points farther than this from the day's central meridian (degrees) are left out.
inline constexpr double kUnderlayMaxCmd = 40;

struct MagnetospherePoint {
  int X = 0;  // map units
  int Y = 0;
  bool HighCode = false;  // polarity code * 32 >= 240
};

struct MagnetosphereUnderlay {
  std::vector<MagnetospherePoint> Points;
  int DaysRead = 0;
  std::vector<std::string> Messages;  // day files that could not be read
};

MagnetosphereUnderlay BuildMagnetosphereUnderlay(const std::filesystem::path& progDir,
                                                 int rotation);

}  // namespace ardeno
