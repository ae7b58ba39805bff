// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program on a generated sample folder of 20,000 drawings (about 55 years of daily
// drawings, with the outside observations a sample folder holds): from creating the main window
// to its first painted picture at 1920 x 1080, as main() does it, with the messages answered by
// script.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "support/app_run.h"
#include "ui/shell/main_window.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 20000;
constexpr unsigned kSeed = 11;
constexpr QSize kScreen(1920, 1080);

// The sample folder, written once and removed when the program ends.
struct Folder {
  Folder() : path(fs::temp_directory_path() / ("ardeno-startup-" + std::to_string(::getpid()))) {
    ardeno::WriteSampleFolder(path, kRecords, kSeed);
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

void BM_StartToPaintedMainWindow(benchmark::State& state) {
  const Folder& folder = ardeno::bench::SharedFixture<Folder>();
  for (auto _ : state) {
    ardeno::test::AppRun run(folder.path);
    ardeno::MainWindow window(run.Ctx);
    window.show();
    if (!window.Start(kScreen)) state.SkipWithError("the screen was refused");
    const QImage painted = window.grab().toImage();
    benchmark::DoNotOptimize(painted.constBits());
    if (run.Db.RecordCount != kRecords) state.SkipWithError("the database did not load whole");
  }
}
BENCHMARK(BM_StartToPaintedMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
