// SPDX-License-Identifier: GPL-3.0-or-later
// Load (with the repairs and the observer list) and save of a 20,000-record data file, about 55
// years of daily drawings, against a plain copy of the same file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "core/data/record_file.h"
#include "sample/sample_database.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;
constexpr ardeno::CalendarDate kToday{2025, 1, 1};

// The generated folder, made once for all benchmarks and removed at exit.
class BenchFolder {
 public:
  BenchFolder()
      : m_path(fs::temp_directory_path() / ("ardeno-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(m_path);
    auto records = ardeno::GenerateSampleRecords(kRecords, kSeed, ardeno::CalendarDate{1970, 1, 1});
    // Old files carry the faults the load repairs: damage one record in fifty.
    for (std::size_t i = 0; i < records.size(); i += 50) {
      records[i].SetObserver("");
      records[i].SetTimeUT(0);
    }
    ardeno::WriteRecordFile(m_path / ardeno::kDataFileName, records);
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
  }
  const fs::path& Path() const { return m_path; }

 private:
  fs::path m_path;
};

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

void BM_LoadDatabase(benchmark::State& state) {
  const fs::path& folder = Folder().Path();
  for (auto _ : state) {
    ardeno::Database db;
    const auto report = ardeno::LoadDatabase(db, folder, kToday);
    benchmark::DoNotOptimize(report.Repairs);
    if (db.RecordCount != kRecords) state.SkipWithError("the database did not load whole");
  }
  state.SetBytesProcessed(state.iterations() * kRecords *
                          static_cast<int64_t>(ardeno::kRecordSize));
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

// The same load into a database whose arrays already hold memory: the parsing work without the
// operating system's cost of handing out 70 MB of fresh pages.
void BM_ReloadDatabase(benchmark::State& state) {
  const fs::path& folder = Folder().Path();
  ardeno::Database db;
  ardeno::LoadDatabase(db, folder, kToday);
  for (auto _ : state) {
    const auto report = ardeno::LoadDatabase(db, folder, kToday);
    benchmark::DoNotOptimize(report.Repairs);
    if (db.RecordCount != kRecords) state.SkipWithError("the database did not load whole");
  }
  state.SetBytesProcessed(state.iterations() * kRecords *
                          static_cast<int64_t>(ardeno::kRecordSize));
}
BENCHMARK(BM_ReloadDatabase)->Unit(benchmark::kMillisecond);

void BM_SaveDatabase(benchmark::State& state) {
  const fs::path& folder = Folder().Path();
  ardeno::Database db;
  ardeno::LoadDatabase(db, folder, kToday);
  ardeno::ApplyRadiusWord(db);
  for (auto _ : state) {
    if (ardeno::SaveDatabase(db, folder)) state.SkipWithError("the save failed");
  }
  state.SetBytesProcessed(state.iterations() * kRecords *
                          static_cast<int64_t>(ardeno::kRecordSize));
}
BENCHMARK(BM_SaveDatabase)->Unit(benchmark::kMillisecond);

void BM_PlainFileCopy(benchmark::State& state) {
  const fs::path& folder = Folder().Path();
  for (auto _ : state) {
    fs::copy_file(folder / ardeno::kDataFileName, folder / "copy.dat",
                  fs::copy_options::overwrite_existing);
  }
  state.SetBytesProcessed(state.iterations() * kRecords *
                          static_cast<int64_t>(ardeno::kRecordSize));
}
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond);

// The floor of any load: the file read in one block into freshly allocated memory that nothing
// has touched before (the operating system hands out its pages as the read fills them).
void BM_PlainFileRead(benchmark::State& state) {
  const fs::path file = Folder().Path() / ardeno::kDataFileName;
  const std::size_t size = kRecords * ardeno::kRecordSize;
  for (auto _ : state) {
    const auto buffer = std::make_unique_for_overwrite<char[]>(size);
    std::FILE* stream = std::fopen(file.c_str(), "rb");
    const std::size_t read = stream ? std::fread(buffer.get(), 1, size, stream) : 0;
    if (stream) std::fclose(stream);
    benchmark::DoNotOptimize(buffer.get());
    if (read != size) state.SkipWithError("the file did not read whole");
  }
  state.SetBytesProcessed(state.iterations() * kRecords *
                          static_cast<int64_t>(ardeno::kRecordSize));
}
BENCHMARK(BM_PlainFileRead)->Unit(benchmark::kMillisecond);

}  // namespace

// The groups export (ASCII file) of the whole database: every group's date, time, position and
// area go through the number patterns.
void BM_AsciiExport(benchmark::State& state) {
  ardeno::Database db;
  ardeno::LoadDatabase(db, Folder().Path(), kToday);
  for (auto _ : state) benchmark::DoNotOptimize(ardeno::AsciiExportText(db));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_AsciiExport)->Unit(benchmark::kMillisecond);
