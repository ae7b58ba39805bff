// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Occurrence of the McIntosh classes per year, and the largest groups of a year.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/data/group_types.h"
#include "core/groups/text_grid.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// Counts of the 60 classes of GroupTypes, then one for classes not in the table.
using TypeCounts = std::array<std::uint32_t, GroupTypes.size() + 1>;

struct TypeCountTable {
  int FirstYear = 0;
  std::vector<TypeCounts> Years;  // entry y for FirstYear + y
};

// Every group of every record, special records included, at the record's year.
TypeCountTable ComputeTypeCounts(const RecordPositions& positions);

// Row 0: "Typ" and the years; rows 1..60 the classes, row 61 "jiný" (classes not in the table).
TextGrid TypeCountGrid(const TypeCountTable& table);

inline constexpr int kLargestGroupsShown = 50;

struct LargeGroup {
  std::string Date;  // as stored
  std::string Type;
  int RotationGroupNumber = 0;
  int Area = 0;  // Area + 15.3 x SmallSpots, rounded (halves to even)
  int Rotation = 0;
};

struct YearRange {
  int First = 0;
  int Last = 0;
};
// Years of the first and the last record (0, 0 without dated records); the year spin edit stays
// between them.
YearRange RecordYears(const Database& db);

// The groups of the normal records of `year` with an area of at least 1, largest first (groups
// of equal area in record order), at most 50.
std::vector<LargeGroup> LargestGroups(const Database& db, int year);

// Row 0 the headers, then one row per group: rank, date, type, number, area, rotation.
TextGrid LargestGroupsGrid(const std::vector<LargeGroup>& groups);

}  // namespace ardeno
