// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Groups per Carrington rotation: how many numbered groups crossed each hemisphere in a rotation,
// and how many sightings there were of each Zurich class.
#include <array>
#include <cstdint>
#include <vector>

#include "core/groups/rotation_statistics.h"

namespace ardeno {

// Zurich classes counted per rotation, in this order.
inline constexpr std::array<char, 7> kCountedClasses = {'A', 'B', 'C', 'D', 'E', 'F', 'H'};

// Sightings of each counted class in one rotation index. The cells are wider than a byte, so a
// busy rotation never wraps to a small count.
using ClassCounts = std::array<std::uint32_t, kCountedClasses.size()>;

struct RotationGroupCounts {
  // Entry r - 1 for rotation index r = 1.. (the record's own rotation index, see CountClass).
  std::vector<ClassCounts> Classes;
  LeftOutRecords LeftOut{0, CoreTextNoop("GroupTables",
                                         "Počty skupin podle otoček nezapočetly "
                                         "skupiny s číslem v otočce nad 70")};

  // Counts of rotation index r; zeros beyond the computed range.
  ClassCounts At(int r) const;
};

// Position 0..6 of a Zurich class letter in kCountedClasses; -1 for others.
int CountedClassIndex(char letter);

// Adds one sighting of a group of Zurich class `letter` to rotation index r, for the classes A, B,
// C, D, E, F and H; other classes and indices outside the table count nothing.
void CountClass(RotationGroupCounts& counts, char letter, int r);

// For every rotation from record 1's to the last record's: the sightings of the normal records
// of the rotation's window that belong to it are counted by class (at the record's own rotation
// index), and the number of group numbers last seen north and south is written into the
// rotation's entry of `stats` (GroupNumbersNorth, GroupNumbersSouth).
RotationGroupCounts ComputeRotationGroups(const Database& db, const RecordPositions& positions,
                                          RotationStatistics& stats);

}  // namespace ardeno
