// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/group_statistics.h"

namespace ardeno {

namespace {

void ComputeFromPositions(GroupStatistics& stats, const Database& db) {
  stats.Rotations = ComputeRotationStatistics(db, stats.Positions);
  stats.Classes = ComputeRotationGroups(db, stats.Positions, stats.Rotations);
  stats.Asymmetry = ComputeAsymmetry(db, stats.Positions);
  stats.Types = ComputeTypeCounts(stats.Positions);
}

}  // namespace

std::vector<std::string> GroupStatistics::LeftOutMessages() const {
  std::vector<std::string> messages;
  for (const LeftOutRecords* table : {&Rotations.LeftOut, &Rotations.LeftOutYears, &Classes.LeftOut,
                                      &Asymmetry.LeftOutMonths, &Asymmetry.LeftOutYears}) {
    if (*table) messages.push_back(table->Message());
  }
  return messages;
}

GroupStatistics ComputeGroupStatistics(const Database& db, FaculaVertices vertices) {
  GroupStatistics stats;
  stats.Positions = ComputeRecordPositions(db, vertices);
  ComputeFromPositions(stats, db);
  return stats;
}

void UpdateGroupStatistics(GroupStatistics& stats, const Database& db) {
  stats.Positions = UpdateRecordPositions(stats.Positions, db);
  ComputeFromPositions(stats, db);
}

const GroupStatistics& GroupStatisticsCache::All(const Database& db) {
  if (!m_all) {
    m_all = ComputeGroupStatistics(db, FaculaVertices::Later);
  } else if (m_stale) {
    UpdateGroupStatistics(*m_all, db);
  }
  m_stale = false;
  return *m_all;
}

const GroupStatistics& GroupStatisticsCache::WithFaculae(const Database& db) {
  All(db);
  ConvertFaculaVertices(m_all->Positions, db);
  return *m_all;
}

const MapSightings& GroupStatisticsCache::Maps(const Database& db) {
  if (!m_maps) m_maps = ComputeMapSightings(db, WithFaculae(db).Positions);
  return *m_maps;
}

const AsymmetryTables& GroupStatisticsCache::Asymmetry(const Database& db) {
  if (m_all && !m_stale) return m_all->Asymmetry;
  if (!m_asymmetry) m_asymmetry = ComputeAsymmetry(db);
  return *m_asymmetry;
}

void GroupStatisticsCache::Invalidate() {
  m_stale = m_all.has_value();
  m_asymmetry.reset();
  m_maps.reset();
}

}  // namespace ardeno
