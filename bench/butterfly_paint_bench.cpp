// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the butterfly diagram of a 20,000-record database (about 55 years of daily drawings)
// with every layer on: the corona underlay, the supplementary data, spots and faculae, the mean,
// smoothed and boundary curves, at T = 1 and T = 16. A repaint walks the prepared scene; for
// comparison, a scroll step builds the scene again before painting, and a change of the data
// prepares the marks anew.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "sample/sample_underlays.h"
#include "support/app_run.h"
#include "ui/butterfly/butterfly_window.h"

namespace {

constexpr int kRecords = 20000;
constexpr QSize kClient(1900, 1000);

struct Fixture {
  Fixture() {
    run.Db = ardeno::GenerateSampleDatabase(kRecords);
    inputs.Supplementary = ardeno::SampleSupplementaryData(run.Db.Record(1).Rotation(), 5);
    inputs.Corona = ardeno::SampleCoronaData(2025, 5);
    run.Ctx.Inputs = &inputs;
    window = std::make_unique<ardeno::ButterflyWindow>(run.Ctx);
    window->celek1Click();
    window->vseClick();
    window->SetSupplementaryShown(true);
    corona = std::filesystem::temp_directory_path() / "ardeno-butterfly-bench";
    std::filesystem::create_directories(corona / ardeno::kCoronaFolder);
    run.Ctx.ProgDir = corona;
    window->koronapodClick();
    run.View.FaculaeWidthFlag = 1;
  }
  ~Fixture() { std::filesystem::remove_all(corona); }
  ardeno::test::AppRun run;
  ardeno::StartupInputs inputs;
  std::filesystem::path corona;
  std::unique_ptr<ardeno::ButterflyWindow> window;
};

Fixture& Shared() { return ardeno::bench::SharedFixture<Fixture>(); }

// At T = 16 the view is scrolled to the records, where every layer has marks.
void ShowAt(Fixture& f, int t) {
  f.run.View.ButterflyTimeFactor = static_cast<std::uint16_t>(t);
  f.window->HorizontalBar()->setRange(0, 1 << 20);
  f.window->HorizontalBar()->setValue(t == 1 ? 0
                                             : (f.run.Db.Record(1).Rotation() - 1100) * t - 200);
}

void BM_PaintAllLayers(benchmark::State& state) {
  Fixture& f = Shared();
  const int t = static_cast<int>(state.range(0));
  ShowAt(f, t);
  QImage image(kClient, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    f.window->PaintDiagram(painter, kClient);
  }
  const ardeno::ButterflyScene& scene = f.window->Scene();
  state.counters["groups"] = static_cast<double>(scene.Groups.size());
  state.counters["faculae"] = static_cast<double>(scene.OwnFaculae.size());
  state.counters["historic"] =
      static_cast<double>(scene.SupplementarySpots.size() + scene.SupplementaryFaculae.size());
  state.counters["corona"] = static_cast<double>(scene.Corona.size());
}
BENCHMARK(BM_PaintAllLayers)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

// Each paint after a scroll step: the scene is built again from the prepared marks.
void BM_ScrollAndPaintAllLayers(benchmark::State& state) {
  Fixture& f = Shared();
  const int t = static_cast<int>(state.range(0));
  ShowAt(f, t);
  const int start = f.window->HorizontalBar()->value();
  QImage image(kClient, QImage::Format_RGB32);
  int step = 0;
  for (auto _ : state) {
    f.window->HorizontalBar()->setValue(start + (++step % 2) * 10);
    QPainter painter(&image);
    f.window->PaintDiagram(painter, kClient);
  }
}
BENCHMARK(BM_ScrollAndPaintAllLayers)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

// A stored record: the statistics cache and the window's marks are prepared again, then painted.
void BM_DataChangedAndPaint(benchmark::State& state) {
  Fixture& f = Shared();
  ShowAt(f, 1);
  QImage image(kClient, QImage::Format_RGB32);
  for (auto _ : state) {
    f.run.Ctx.Events.NotifyRecordsChanged();
    QPainter painter(&image);
    f.window->PaintDiagram(painter, kClient);
  }
}
BENCHMARK(BM_DataChangedAndPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
