// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the daily graphs and the smoothed and asymmetry graphs of a 20,000-record database
// into a 1600 x 1000 image, as every repaint of the graph windows does. The per-record work
// (axis, values, monthly means) is prepared once outside the timed loop, as the windows do at
// selection time; its cost is measured separately.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "core/graphs/daily_graph_plot.h"
#include "core/graphs/smoothed_picture.h"
#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "ui/graphs/daily_graph_painter.h"
#include "ui/graphs/smoothed_graph_painter.h"

namespace {

constexpr int kRecords = 20000;
const QSize kClient(1600, 1000);

const ardeno::Database& SampleDatabase() {
  static const ardeno::Database db = ardeno::GenerateSampleDatabase(kRecords);
  return db;
}

void BM_PrepareDailyGraph(benchmark::State& state) {
  const ardeno::RecordPositions none;
  for (auto _ : state) {
    ardeno::DailyGraphPlot plot;
    plot.SetClientHeight(kClient.height());
    plot.SetData(SampleDatabase(), none, 2);
    plot.SelectGraph(SampleDatabase(), none, ardeno::DailyGraph::R);
    benchmark::DoNotOptimize(plot.Scaled().First.data());
  }
}
BENCHMARK(BM_PrepareDailyGraph)->Unit(benchmark::kMillisecond);

// scroll 0: the oldest data; the last position: the newest (where the window opens);
// day width 1 puts more records into the picture.
void BM_PaintDailyGraph(benchmark::State& state) {
  const ardeno::RecordPositions none;
  ardeno::DailyGraphPlot plot;
  plot.SetClientHeight(kClient.height());
  plot.SetData(SampleDatabase(), none, static_cast<int>(state.range(0)));
  plot.SelectGraph(SampleDatabase(), none, ardeno::DailyGraph::R);
  ardeno::DailyFrame frame;
  frame.Width = kClient.width();
  frame.Height = kClient.height();
  frame.Scroll = state.range(1) == 0 ? 0 : plot.Axis().OpeningScroll(kClient.width());
  QImage image(kClient, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    ardeno::PaintDailyGraph(painter, plot, ardeno::DailyView::All, frame);
  }
}
BENCHMARK(BM_PaintDailyGraph)
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({1, 1})
    ->ArgNames({"dayWidth", "newest"})
    ->Unit(benchmark::kMillisecond);

void BM_PrepareSmoothedGraph(benchmark::State& state) {
  for (auto _ : state) {
    const ardeno::SmoothedPicture picture =
        ardeno::BuildSmoothedPicture(SampleDatabase(), ardeno::CollectMonths(SampleDatabase()),
                                     ardeno::ComputeAsymmetry(SampleDatabase()),
                                     ardeno::SmoothedIndex::R, ardeno::AsymmetryKind::Ratio);
    benchmark::DoNotOptimize(picture.Months.Total.data());
  }
}
BENCHMARK(BM_PrepareSmoothedGraph)->Unit(benchmark::kMillisecond);

// Each iteration paints the prepared picture into a cleared client-sized image.
void PaintRepeatedly(benchmark::State& state, const ardeno::SmoothedPicture& picture,
                     const ardeno::SmoothedState& s) {
  QImage image(kClient, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    ardeno::PaintSmoothedGraph(painter, picture, s);
  }
}

// Smoothed (both hemispheres) and per-record asymmetry, the whole span in the picture
// (compression 16) and at one day per pixel.
void BM_PaintSmoothedGraph(benchmark::State& state) {
  const ardeno::SmoothedPicture picture =
      ardeno::BuildSmoothedPicture(SampleDatabase(), ardeno::CollectMonths(SampleDatabase()),
                                   ardeno::ComputeAsymmetry(SampleDatabase()),
                                   ardeno::SmoothedIndex::R, ardeno::AsymmetryKind::Ratio);
  ardeno::SmoothedState s;
  s.Asymmetry = state.range(0) == 1;
  s.View = ardeno::SmoothedView::Both;
  s.Compression = static_cast<int>(state.range(1));
  s.Width = kClient.width();
  s.Height = kClient.height();
  PaintRepeatedly(state, picture, s);
}
BENCHMARK(BM_PaintSmoothedGraph)
    ->Args({0, 16})
    ->Args({0, 1})
    ->Args({1, 16})
    ->Args({1, 1})
    ->ArgNames({"asymmetry", "compression"})
    ->Unit(benchmark::kMillisecond);

// "Porovnání": the eight indices of the 55 years together, the whole span in the picture.
void BM_PaintComparison(benchmark::State& state) {
  const ardeno::RecordMonths months = ardeno::CollectMonths(SampleDatabase());
  ardeno::SmoothedPicture picture =
      ardeno::BuildSmoothedPicture(SampleDatabase(), months, ardeno::AsymmetryTables{},
                                   ardeno::SmoothedIndex::R, ardeno::AsymmetryKind::Ratio);
  ardeno::ComparisonSources sources;
  sources.Records = &months;
  std::vector<ardeno::ComparedSeries> all;
  for (int n = 1; n <= 8; ++n) all.push_back(static_cast<ardeno::ComparedSeries>(n));
  picture.Comparison = ardeno::BuildComparison(all, ardeno::FluxKind::Observed, sources);
  ardeno::SmoothedState s;
  s.Compression = 16;
  s.Width = kClient.width();
  s.Height = kClient.height();
  PaintRepeatedly(state, picture, s);
}
BENCHMARK(BM_PaintComparison)->Unit(benchmark::kMillisecond);

}  // namespace
