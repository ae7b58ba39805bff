// SPDX-License-Identifier: GPL-3.0-or-later
// Painting one full drawing (40 groups with auxiliary spots, 40 facular fields) into an
// 800 x 800 image, as every repaint of the drawing window and every saved picture does.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "core/drawing/facula_area.h"
#include "paint_bench_main.h"
#include "ui/drawing/drawing_painter.h"

namespace {

ardeno::ObservationRecord FullRecord() {
  using ardeno::kMaxGroups;
  ardeno::ObservationRecord r;
  r.SetDate("05.03.2004");
  r.SetTimeUT(1230);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  r.SetGroupCount(kMaxGroups);
  r.SetFacularCount(kMaxGroups);
  const char* types[] = {"Axx", "Bxo", "Cao", "Dai", "Eki", "Fkc", "Hsx", "Hax"};
  for (int k = 1; k <= kMaxGroups; ++k) {
    r.SetGroupType(k, types[k % 8]);
    r.SetSpotCount(k, static_cast<std::uint8_t>(k % 17 + 1));
    r.SetGroupNumber(k, static_cast<std::uint16_t>(k));
    r.SetRotationGroupNumber(k, static_cast<std::uint16_t>(100 + k));
    r.SetAngle10(k, static_cast<std::uint16_t>(k * 89 % 3600));
    r.SetDistance10(k, static_cast<std::uint16_t>(200 + k * 23));
    r.SetArea(k, static_cast<std::uint16_t>(20 + k * 15));
    r.SetAux1Position(k, static_cast<std::uint16_t>((k * 89 / 10 + 4) % 360 * 128 + 20 + k));
    r.SetAux1Area(k, 30);
    r.SetAux2Position(k, static_cast<std::uint16_t>((k * 89 / 10 + 356) % 360 * 128 + 18 + k));
    r.SetAux2Area(k, 20);
    const int a = k * 9 % 360;
    r.SetFaculaVertex(k, 1, static_cast<std::uint16_t>(a * 128 + 80));
    r.SetFaculaVertex(k, 2, static_cast<std::uint16_t>((a + 5) % 360 * 128 + 85));
    r.SetFaculaVertex(k, 3, static_cast<std::uint16_t>((a + 8) % 360 * 128 + 100));
    r.SetFaculaVertex(k, 4, static_cast<std::uint16_t>((a + 2) % 360 * 128 + 105));
  }
  return r;
}

void BM_PaintFullDrawing(benchmark::State& state) {
  const ardeno::ObservationRecord record = FullRecord();
  ardeno::DrawingView view;
  view.Scale.DrawScale = ardeno::DrawScaleForWidth(800);
  ardeno::FaculaBitmap bitmap;
  QImage image(800, 800, QImage::Format_RGB32);
  int pixels = 0;
  for (auto _ : state) {
    QPainter painter(&image);
    // What the window does per paint: measure the facular fields, then draw.
    pixels = ardeno::MeasureDrawingFaculae(&record, view, bitmap);
    ardeno::PaintDrawing(painter, 800, 800, &record, view, pixels);
    benchmark::DoNotOptimize(pixels);
  }
  state.counters["facula_pixels"] = pixels;
}
BENCHMARK(BM_PaintFullDrawing)->Unit(benchmark::kMillisecond);

void BM_MeasureFaculae(benchmark::State& state) {
  const ardeno::ObservationRecord record = FullRecord();
  ardeno::FaculaBitmap bitmap;
  for (auto _ : state) {
    bitmap.Clear();
    benchmark::DoNotOptimize(ardeno::MeasureFaculaPixels(record, 1, 1, bitmap));
  }
}
BENCHMARK(BM_MeasureFaculae)->Unit(benchmark::kMillisecond);

}  // namespace
