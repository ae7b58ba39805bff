// SPDX-License-Identifier: GPL-3.0-or-later
// Building the measured and the smoothed monthly tables of a generated 20,000-record database
// (about 55 years of daily drawings), from the records to every cell text.
#include <benchmark/benchmark.h>

#include "core/results/measured_table.h"
#include "core/results/smoothed_table.h"
#include "sample/sample_database.h"

namespace {

constexpr int kRecords = 20000;

const ardeno::Database& SampleDatabase() {
  static const ardeno::Database db = ardeno::GenerateSampleDatabase(kRecords);
  return db;
}

void BM_MeasuredTable(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) {
    const auto table =
        ardeno::BuildMeasuredTable(ardeno::CollectMonths(db), ardeno::Hemisphere::Whole);
    benchmark::DoNotOptimize(table.Rows.data());
  }
}
BENCHMARK(BM_MeasuredTable)->Unit(benchmark::kMillisecond);

void BM_SmoothedTable(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) {
    const auto table =
        ardeno::BuildSmoothedTable(ardeno::CollectMonths(db), ardeno::Hemisphere::North);
    benchmark::DoNotOptimize(table.Rows.data());
  }
}
BENCHMARK(BM_SmoothedTable)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The month walk alone: what every monthly table shares.
void BM_CollectMonths(benchmark::State& state) {
  const ardeno::Database& db = SampleDatabase();
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::CollectMonths(db).Months.data());
}
BENCHMARK(BM_CollectMonths)->Unit(benchmark::kMillisecond);

}  // namespace
