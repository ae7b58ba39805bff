// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a 12-megapixel phone photo of a paper drawing (4000 x 3000 pixels, JPEG): decoding,
// the disk, north, the spots and the groups. The goal is under a second on the two-core machine.
#include <benchmark/benchmark.h>

#include "paper/paper_truth.h"
#include "vision/drawing_reader.h"
#include "vision/image_input.h"

namespace {

using namespace ardeno;

paper::ChosenRecord BusyRecord() {
  ObservationRecord record;
  record.SetDate("14.07.2014");
  record.SetTimeUT(930);
  const int places[][4] = {{300, 500, 12, 300}, {900, 800, 6, 120},  {1500, 400, 20, 500},
                           {2100, 900, 3, 40},  {2800, 700, 9, 200}, {3400, 1000, 1, 20}};
  int k = 0;
  for (const auto& p : places) {
    ++k;
    record.SetGroupType(k, p[2] > 8 ? "Eai" : p[2] > 2 ? "Cao" : "Axx");
    record.SetAngle10(k, static_cast<std::uint16_t>(p[0]));
    record.SetDistance10(k, static_cast<std::uint16_t>(p[1]));
    record.SetSpotCount(k, static_cast<std::uint8_t>(p[2]));
    record.SetPenumbralCount(k, static_cast<std::uint8_t>(p[2] > 2 ? 2 : 0));
    record.SetArea(k, static_cast<std::uint16_t>(p[3]));
    record.SetRotationGroupNumber(k, static_cast<std::uint16_t>(40 + k));
  }
  record.SetGroupCount(k);
  return {record, CalendarDate{2014, 7, 14}};
}

void BM_ReadTwelveMegapixelPhoto(benchmark::State& state) {
  paper::PaperStyle style;
  style.GridChance = 1;
  style.FaculaChance = 1;
  const paper::PaperCase made =
      paper::MakeCase(BusyRecord(), 7, 4000, paper::Capture::Phone, style);
  for (auto _ : state) {
    const vision::LoadedImage image = vision::DecodeDrawingImage(made.Picture.Jpeg);
    const vision::DrawingReading reading = vision::ReadDrawing(image, made.Eph, std::nullopt);
    benchmark::DoNotOptimize(reading.Groups.size());
    if (reading.Outcome != vision::ReadingOutcome::Read) state.SkipWithError("not read");
  }
}
BENCHMARK(BM_ReadTwelveMegapixelPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
