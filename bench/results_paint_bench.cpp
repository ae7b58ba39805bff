// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the measured monthly table of a 20,000-record database (about 55 years, 660 month
// rows) as the results window shows it: the grid of a 1200 x 800 window, redrawn from the
// prepared cell texts.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTableView>

#include "core/results/measured_table.h"
#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "ui/results/text_grid_model.h"

namespace {

void BM_PaintMeasuredTable(benchmark::State& state) {
  const ardeno::Database db = ardeno::GenerateSampleDatabase(20000);
  ardeno::TextGridModel model(nullptr, true);
  model.SetRows(
      ardeno::BuildMeasuredTable(ardeno::CollectMonths(db), ardeno::Hemisphere::Whole).Rows);
  QTableView grid;
  grid.setModel(&model);
  grid.resize(1200, 800);
  // Scrolled to the middle of the data, as a user reading an old cycle would be.
  grid.scrollTo(model.index(model.rowCount() / 2, 0));
  QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    grid.render(&painter);
    painter.end();
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_PaintMeasuredTable)->Unit(benchmark::kMillisecond);

}  // namespace
