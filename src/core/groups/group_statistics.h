// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the group views, the butterfly diagram and the maps derive from the whole database,
// computed together once per change of the data (load, store, correction, removal) and read
// until the next change.
#include <optional>
#include <string>
#include <vector>

#include "core/groups/asymmetry.h"
#include "core/groups/group_types_per_year.h"
#include "core/groups/rotation_groups.h"
#include "core/maps/map_sightings.h"
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

GroupStatistics ComputeGroupStatistics(const Database& db,
                                       FaculaVertices vertices = FaculaVertices::Convert);

// After a change of the data: the same result, reusing the positions of unchanged records.
void UpdateGroupStatistics(GroupStatistics& stats, const Database& db);

// The statistics of the application's database, computed at the first use after a change of the
// data and kept until the next one. The asymmetry tables alone can be had without the rest
// (start-up computes them). The facular vertices and the maps' data are prepared when a window
// that draws them first asks, and from then on kept up to date with the rest.
class GroupStatisticsCache {
 public:
  // The positions' facular vertices are not converted yet (see WithFaculae).
  const GroupStatistics& All(const Database& db);
  // The same, with every facular vertex converted.
  const GroupStatistics& WithFaculae(const Database& db);
  const MapSightings& Maps(const Database& db);
  const AsymmetryTables& Asymmetry(const Database& db);
  // The data changed (load, store, correction, removal): the next use recomputes.
  void Invalidate();

 private:
  std::optional<GroupStatistics> m_all;
  bool m_stale = false;  // m_all holds the positions of an earlier state of the data
  std::optional<AsymmetryTables> m_asymmetry;
  std::optional<MapSightings> m_maps;
};

}  // namespace ardeno
