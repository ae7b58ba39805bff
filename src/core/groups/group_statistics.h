#pragma once
// Everything the group views, the butterfly diagram and the maps derive from the whole database,
// computed together once per change of the data (load, store, correction, removal) and read
// until the next change.
#include <string>
#include <vector>

#include "core/groups/asymmetry.h"
#include "core/groups/group_types_per_year.h"
#include "core/groups/rotation_groups.h"
#include "core/solar/record_positions.h"

namespace ardeno {

struct GroupStatistics {
  RecordPositions Positions;
  RotationStatistics Rotations;
  RotationGroupCounts Classes;
  AsymmetryTables Asymmetry;
  TypeCountTable Types;

  // The Czech notices of records left out of a bounded table, one per table.
  std::vector<std::string> LeftOutMessages() const;
};

GroupStatistics ComputeGroupStatistics(const Database& db);

// After a change of the data: the same result, reusing the positions of unchanged records.
void UpdateGroupStatistics(GroupStatistics& stats, const Database& db);

}  // namespace ardeno
