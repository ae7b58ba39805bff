// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// East-west positions of the groups: per day, month or year, the groups and their spots counted in
// six zones of distance from the central meridian, and the text files of these counts.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/groups/text_grid.h"
#include "core/solar/record_positions.h"
#include "core/text/refusal.h"

namespace ardeno {

enum class PositionPeriod { Daily, Monthly, Yearly };

// The choices of the group-type filter: all groups, or the first letter of the type (the "h"
// takes only a lower-case h, as typed).
inline constexpr std::array<std::string_view, 10> kEastWestFilters = {"vše", "A", "B", "C", "D",
                                                                      "E",   "F", "G", "h", "J"};
inline constexpr int kEastWestZones = 6;

struct ZoneCounts {
  std::string Label;  // "dd.mm.yyyy", "mm.yyyy" or "yyyy"
  std::array<std::uint32_t, kEastWestZones> Groups{};
  std::array<std::uint32_t, kEastWestZones> Spots{};
};

// Zone 0..5 of a central-meridian distance x in degrees (-90..-60, -60..-30, -30..0, 0..30,
// 30..60, 60..90, bounds excluded); -1 on a bound or outside.
int EastWestZone(double x);

// letter: the first character of the group type as stored.
bool PassesTypeFilter(char letter, std::string_view filter);

// One entry per period that holds normal records, in record order; a new period starts where the
// day, the month or the year differs from the previous record's.
std::vector<ZoneCounts> ComputeZoneCounts(const Database& db, const RecordPositions& positions,
                                          PositionPeriod period, std::string_view filter);

// Row 0 the zone headers; the label in column 0, the group zones in columns 1..6, the spot zones
// in 8..13.
TextGrid EastWestGrid(const std::vector<ZoneCounts>& zones, PositionPeriod period);

// "polohydeni.dat", "polohymesicni.dat" or "polohyrocni.dat"
const char* PositionsFileName(PositionPeriod period);
std::vector<std::string> PositionsFileLines(const TextGrid& grid);
Refusal WritePositionsFile(const std::filesystem::path& progDir, const TextGrid& grid,
                           PositionPeriod period);

}  // namespace ardeno
