// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the synoptic maps of a 20,000-record database (about 55 years of daily drawings): the
// single map, the long map and the high map, each repainted by the window's own paint with its
// prepared scene; and, for comparison, preparing a scene after the rotation changed.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "paint_bench_main.h"
#include "sample/sample_database.h"
#include "support/app_run.h"
#include "ui/maps/maps_window.h"

namespace {

constexpr int kRecords = 20000;

struct Fixture {
  Fixture() {
    run.Db = ardeno::GenerateSampleDatabase(kRecords);
    window = std::make_unique<ardeno::MapsWindow>(run.Ctx);
    // A rotation from the middle of the data with strips after it for the high map.
    window->ChooseRotation(static_cast<int>(window->RotationList().size()) - 40);
  }
  ardeno::test::AppRun run;
  std::unique_ptr<ardeno::MapsWindow> window;
};

Fixture& Shared() { return ardeno::bench::SharedFixture<Fixture>(); }

void PaintView(benchmark::State& state, void (ardeno::MapsWindow::*choose)(), QSize size) {
  Fixture& f = Shared();
  (f.window.get()->*choose)();
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    f.window->PaintView(painter, size, false);
  }
}

void BM_PaintSingleMap(benchmark::State& state) {
  PaintView(state, &ardeno::MapsWindow::mapkyClick, QSize(1400, 900));
}
BENCHMARK(BM_PaintSingleMap)->Unit(benchmark::kMillisecond);

void BM_PaintLongMap(benchmark::State& state) {
  PaintView(state, &ardeno::MapsWindow::dlouhamapClick, QSize(1920, 700));
}
BENCHMARK(BM_PaintLongMap)->Unit(benchmark::kMillisecond);

void BM_PaintHighMap(benchmark::State& state) {
  PaintView(state, &ardeno::MapsWindow::vysokamapClick, QSize(1920, 1000));
}
BENCHMARK(BM_PaintHighMap)->Unit(benchmark::kMillisecond);

// The comparison: spots and faculae above, faculae two rotations later below.
void BM_PaintComparison(benchmark::State& state) {
  Fixture& f = Shared();
  f.window->SetComparison({.Spots = true, .Faculae = true}, {.Faculae = true},
                          ardeno::kComparisonNoShiftPosition + 2);
  QImage image(1400, 900, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    f.window->PaintView(painter, image.size(), false);
  }
  f.window->mapkyClick();
}
BENCHMARK(BM_PaintComparison)->Unit(benchmark::kMillisecond);

// A new rotation chosen: the scene is prepared again from the prepared sightings, then painted.
void BM_ChooseRotationAndPaintLongMap(benchmark::State& state) {
  Fixture& f = Shared();
  f.window->dlouhamapClick();
  const int last = static_cast<int>(f.window->RotationList().size()) - 1;
  QImage image(1920, 700, QImage::Format_RGB32);
  int position = 0;
  for (auto _ : state) {
    f.window->ChooseRotation(position);
    position = (position + 97) % last;
    QPainter painter(&image);
    f.window->PaintView(painter, image.size(), false);
  }
}
BENCHMARK(BM_ChooseRotationAndPaintLongMap)->Unit(benchmark::kMillisecond);

}  // namespace
