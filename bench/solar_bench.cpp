// SPDX-License-Identifier: GPL-3.0-or-later
// Solar calculations over a generated 20,000-record database (about 55 years of daily drawings):
// the ephemeris of every record and the heliographic position of every group. Items per second
// give the time per conversion.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "sample/sample_database.h"

namespace ardeno {
namespace {

constexpr int kRecordCount = 20000;
constexpr unsigned kSeed = 20240601;

struct Moment {
  CalendarDate Date;
  std::uint16_t TimeUT;
};

// The generated records and the parsed date and time of each, made once for every benchmark.
struct Sample {
  std::vector<ObservationRecord> Records;
  std::vector<Moment> Moments;
  std::vector<SolarEphemeris> Ephemerides;
  long long GroupCount = 0;
};

const Sample& GetSample() {
  static const Sample sample = [] {
    Sample s;
    s.Records = GenerateSampleRecords(kRecordCount, kSeed, {1970, 1, 1});
    for (const auto& record : s.Records) {
      const auto date = ParseDate(record.Date());
      s.Moments.push_back({date.value_or(CalendarDate{2000, 1, 1}), record.TimeUT()});
      s.Ephemerides.push_back(Ephemeris(s.Moments.back().Date, record.TimeUT()));
      s.GroupCount += record.GroupCount();
    }
    return s;
  }();
  return sample;
}

void BM_EphemerisPerRecord(benchmark::State& state) {
  const Sample& sample = GetSample();
  for (auto _ : state) {
    for (const Moment& m : sample.Moments) benchmark::DoNotOptimize(Ephemeris(m.Date, m.TimeUT));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(sample.Moments.size()));
}
BENCHMARK(BM_EphemerisPerRecord)->Unit(benchmark::kMillisecond);

// Each record's groups converted with the record's disk orientation, prepared once per record
// as the positions cache does.
void BM_PolarToHeliographicPerGroup(benchmark::State& state) {
  const Sample& sample = GetSample();
  for (auto _ : state) {
    for (std::size_t i = 0; i < sample.Records.size(); ++i) {
      const auto& record = sample.Records[i];
      const DiskOrientation disk(sample.Ephemerides[i]);
      for (int k = 1; k <= record.GroupCount(); ++k) {
        benchmark::DoNotOptimize(
            PolarToHeliographic(disk, record.Angle10(k), record.Distance10(k)));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * sample.GroupCount);
}
BENCHMARK(BM_PolarToHeliographicPerGroup)->Unit(benchmark::kMillisecond);

// The least trigonometry one conversion needs, on the same groups: the sine and cosine of the
// position angle, one arctangent of two arguments (the central-meridian distance) and one arcsine
// (the latitude). The conversion above should cost little more.
void BM_TrigBaselinePerGroup(benchmark::State& state) {
  const Sample& sample = GetSample();
  for (auto _ : state) {
    for (std::size_t i = 0; i < sample.Records.size(); ++i) {
      const auto& record = sample.Records[i];
      const SolarEphemeris& eph = sample.Ephemerides[i];
      for (int k = 1; k <= record.GroupCount(); ++k) {
        const double theta = (0.1 * record.Angle10(k) - eph.EphP) * 0.017453292519943295;
        const double r = record.Distance10(k) * 0.0008;
        const double x = std::sin(theta) * r;
        const double y = std::cos(theta) * r;
        benchmark::DoNotOptimize(std::atan2(x, y + eph.EphB0));
        benchmark::DoNotOptimize(std::asin(std::clamp(y - x * 0.001, -1.0, 1.0)));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * sample.GroupCount);
}
BENCHMARK(BM_TrigBaselinePerGroup)->Unit(benchmark::kMillisecond);

// What a statistics pass does per record: its ephemeris, then every group converted.
void BM_EphemerisAndGroupsPerRecord(benchmark::State& state) {
  const Sample& sample = GetSample();
  for (auto _ : state) {
    for (std::size_t i = 0; i < sample.Records.size(); ++i) {
      const auto& record = sample.Records[i];
      const DiskOrientation disk(Ephemeris(sample.Moments[i].Date, sample.Moments[i].TimeUT));
      for (int k = 1; k <= record.GroupCount(); ++k) {
        benchmark::DoNotOptimize(
            PolarToHeliographic(disk, record.Angle10(k), record.Distance10(k)));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() *
                          (static_cast<long long>(sample.Records.size()) + sample.GroupCount));
}
BENCHMARK(BM_EphemerisAndGroupsPerRecord)->Unit(benchmark::kMillisecond);

void BM_ComputeDayResultsPerRecord(benchmark::State& state) {
  const Sample& sample = GetSample();
  for (auto _ : state) {
    for (std::size_t i = 0; i < sample.Records.size(); ++i) {
      benchmark::DoNotOptimize(ComputeDayResults(sample.Records[i], sample.Ephemerides[i]));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(sample.Records.size()));
}
BENCHMARK(BM_ComputeDayResultsPerRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ardeno
