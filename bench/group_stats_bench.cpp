// The group statistics of a generated 20,000-record database (about 55 years of daily drawings):
// the positions cache, every statistic together, the update after one store, and the asymmetry
// tables that start-up computes.
#include <benchmark/benchmark.h>

#include "core/groups/east_west.h"
#include "core/groups/group_statistics.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "sample/sample_database.h"

namespace {

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;

const ardeno::Database& SampleDatabase() {
  static const ardeno::Database db = ardeno::GenerateSampleDatabase(kRecords, kSeed);
  return db;
}

void BM_RecordPositions(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::ComputeRecordPositions(db));
}
BENCHMARK(BM_RecordPositions)->Unit(benchmark::kMillisecond);

// Everything the group views show, from the database: what one change of the data costs.
void BM_AllGroupStatistics(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) {
    ardeno::GroupStatistics stats = ardeno::ComputeGroupStatistics(db);
    const auto zones =
        ardeno::ComputeZoneCounts(db, stats.Positions, ardeno::PositionPeriod::Monthly, "vše");
    const auto largest = ardeno::LargestGroups(db, 2000);
    const auto evolution = ardeno::ComputeRotationEvolution(db, stats.Positions, 2000);
    const auto map = ardeno::MapDataGrid(stats.Rotations, stats.Classes);
    benchmark::DoNotOptimize(zones.data());
    benchmark::DoNotOptimize(largest.data());
    benchmark::DoNotOptimize(evolution.Grid.Rows.data());
    benchmark::DoNotOptimize(map.Rows.data());
  }
}
BENCHMARK(BM_AllGroupStatistics)->Unit(benchmark::kMillisecond);

// A new drawing stored in the middle of the database.
void BM_UpdateAfterOneStore(benchmark::State& state) {
  ardeno::Database db = SampleDatabase();
  const ardeno::GroupStatistics before = ardeno::ComputeGroupStatistics(db);
  db.Record(kRecords / 2).SetTimeUT(1234);
  for (auto _ : state) {
    ardeno::GroupStatistics stats = before;
    ardeno::UpdateGroupStatistics(stats, db);
    benchmark::DoNotOptimize(stats.Rotations.Rotations.data());
  }
}
BENCHMARK(BM_UpdateAfterOneStore)->Unit(benchmark::kMillisecond);

void BM_AsymmetryAtStartup(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::ComputeAsymmetry(db));
}
BENCHMARK(BM_AsymmetryAtStartup)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The pieces of one change of the data, from prepared positions.
void BM_RotationStatisticsAndGroups(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(db);
  for (auto _ : state) {
    ardeno::RotationStatistics stats = ardeno::ComputeRotationStatistics(db, positions);
    benchmark::DoNotOptimize(ardeno::ComputeRotationGroups(db, positions, stats));
  }
}
BENCHMARK(BM_RotationStatisticsAndGroups)->Unit(benchmark::kMillisecond);

void BM_TypeCounts(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::ComputeTypeCounts(db));
}
BENCHMARK(BM_TypeCounts)->Unit(benchmark::kMillisecond);

void BM_ZoneCountsDaily(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(db);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ardeno::ComputeZoneCounts(db, positions, ardeno::PositionPeriod::Daily, "vše"));
  }
}
BENCHMARK(BM_ZoneCountsDaily)->Unit(benchmark::kMillisecond);

}  // namespace
