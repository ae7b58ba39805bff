// SPDX-License-Identifier: GPL-3.0-or-later
// The group statistics of a generated 20,000-record database (about 55 years of daily drawings):
// the positions cache, every statistic together, the update after one store, and the asymmetry
// tables that start-up computes.
#include <benchmark/benchmark.h>

#include "core/groups/east_west.h"
#include "core/groups/group_statistics.h"
#include "core/groups/group_tracks.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "core/reference/k_factors.h"
#include "core/text/dates.h"
#include "sample/sample_database.h"

namespace {

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;

const ardeno::Database& SampleDatabase() {
  static const ardeno::Database db = ardeno::GenerateSampleDatabase(kRecords, kSeed);
  return db;
}

// What every change of the data computes: each record's ephemeris and groups.
void BM_RecordPositions(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ardeno::ComputeRecordPositions(db, ardeno::FaculaVertices::Later).Groups.data());
  }
}
BENCHMARK(BM_RecordPositions)->Unit(benchmark::kMillisecond);

// The facular vertices, converted when the butterfly or a map first needs them after a change.
void BM_FaculaVertices(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::RecordPositions positions =
      ardeno::ComputeRecordPositions(db, ardeno::FaculaVertices::Later);
  for (auto _ : state) {
    state.PauseTiming();
    ardeno::RecordPositions converted = positions;
    state.ResumeTiming();
    ardeno::ConvertFaculaVertices(converted, db);
    benchmark::DoNotOptimize(converted.FaculaVertices.data());
  }
}
BENCHMARK(BM_FaculaVertices)->Unit(benchmark::kMillisecond);

// Everything the maps read, from positions with their vertices.
void BM_MapSightings(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(db);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ardeno::ComputeMapSightings(db, positions).Vertices.data());
  }
}
BENCHMARK(BM_MapSightings)->Unit(benchmark::kMillisecond);

// Every group followed across days, from the shared positions (goal: under 300 ms).
void BM_TrackGroups(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(db);
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::TrackGroups(db, positions));
}
BENCHMARK(BM_TrackGroups)->Unit(benchmark::kMillisecond);

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

// A drawing corrected in the middle of the database: each iteration stores it with a new time
// and brings the statistics up to date, so that nothing is copied inside the timed loop.
void BM_UpdateAfterOneStore(benchmark::State& state) {
  ardeno::Database db = SampleDatabase();
  ardeno::GroupStatistics stats = ardeno::ComputeGroupStatistics(db);
  ardeno::ObservationRecord& stored = db.Record(kRecords / 2);
  const std::uint16_t times[2] = {stored.TimeUT(), 1234};
  int turn = 0;
  for (auto _ : state) {
    turn ^= 1;
    stored.SetTimeUT(times[turn]);
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
  const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(SampleDatabase());
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::ComputeTypeCounts(positions));
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

// The observers' k-factors against a reference series of every day of the sample: the reference
// is the day's own relative number times 1.2 with a day-to-day scatter, so every day is shared.
const ardeno::ReferenceNumbers& SampleReference() {
  static const ardeno::ReferenceNumbers reference = [] {
    const ardeno::Database& db = SampleDatabase();
    ardeno::ReferenceNumbers numbers;
    for (int i = 1; i <= db.RecordCount; ++i) {
      const auto date = ardeno::ParseDate(db.Record(i).Date());
      if (!date) continue;
      const int north = db.Record(i).ResultWord(ardeno::kRelativeN);
      const int south = db.Record(i).ResultWord(ardeno::kRelativeS);
      const int scatter = i % 7 - 3;
      numbers[ardeno::DaySerial(*date)] = {(north + south) * 6 / 5 + scatter, north * 6 / 5,
                                           south * 6 / 5};
    }
    return numbers;
  }();
  return reference;
}

void BM_KFactors(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  const ardeno::ReferenceNumbers& reference = SampleReference();
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::ComputeKFactors(db, reference));
}
BENCHMARK(BM_KFactors)->Unit(benchmark::kMillisecond);

}  // namespace
