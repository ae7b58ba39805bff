// SPDX-License-Identifier: GPL-3.0-or-later
// The plausibility checks over a generated 20,000-record database (about 55 years of daily
// drawings) with the station's place and a SILSO number for every day: what the findings window
// and the reports pay once per change of the data (goal: under 200 ms).
#include <benchmark/benchmark.h>

#include "core/quality/quality_checks.h"
#include "core/text/dates.h"
#include "sample/sample_database.h"

namespace {

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;

struct Inputs {
  ardeno::Database Db;
  ardeno::RecordPositions Positions;
  ardeno::ReferenceNumbers Reference;
};

const Inputs& SampleInputs() {
  static const Inputs inputs = [] {
    Inputs in{ardeno::GenerateSampleDatabase(kRecords, kSeed), {}, {}};
    in.Positions = ardeno::ComputeRecordPositions(in.Db);
    // SILSO's number of each drawn day: the drawing's own R with a scale of its own.
    for (int i = 1; i <= in.Db.RecordCount; ++i) {
      const ardeno::ObservationRecord& r = in.Db.Record(i);
      const auto date = ardeno::ParseDate(r.Date());
      if (!date) continue;
      const int own = r.ResultWord(ardeno::kRelativeN) + r.ResultWord(ardeno::kRelativeS);
      in.Reference[ardeno::DaySerial(*date)].Total = own * 6 / 5 + i % 7;
    }
    return in;
  }();
  return inputs;
}

ardeno::QualityInputs CheckInputs(const Inputs& in, const ardeno::RecordPositions& positions) {
  return {in.Db,
          positions,
          {ardeno::StationPlace{49.91, 14.78}, {}},
          &in.Reference,
          std::int64_t{2000000000}};
}

void BM_AllChecks(benchmark::State& state) {
  const Inputs& in = SampleInputs();
  std::size_t findings = 0;
  for (auto _ : state) {
    const ardeno::QualityReport report = ardeno::CheckQuality(CheckInputs(in, in.Positions));
    findings = report.Findings.size();
    benchmark::DoNotOptimize(report.Findings.data());
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_AllChecks)->Unit(benchmark::kMillisecond);

// The same with the positions computed first, as the command line does.
void BM_AllChecksWithPositions(benchmark::State& state) {
  const Inputs& in = SampleInputs();
  for (auto _ : state) {
    const ardeno::RecordPositions positions = ardeno::ComputeRecordPositions(in.Db);
    const ardeno::QualityReport report = ardeno::CheckQuality(CheckInputs(in, positions));
    benchmark::DoNotOptimize(report.Findings.data());
  }
}
BENCHMARK(BM_AllChecksWithPositions)->Unit(benchmark::kMillisecond);

}  // namespace
