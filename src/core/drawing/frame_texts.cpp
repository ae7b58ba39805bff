// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/frame_texts.h"

#include <cstdio>

#include "core/drawing/facula_area.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

const std::array<const char*, 20> kValueLabels = {CoreTextNoop("DrawingFrame", "Čas UT"),
                                                  CoreTextNoop("DrawingFrame", "Podmínky"),
                                                  CoreTextNoop("DrawingFrame", "Obraz"),
                                                  CoreTextNoop("DrawingFrame", "Kvalita"),
                                                  CoreTextNoop("DrawingFrame", "Rotace"),
                                                  "Lt",
                                                  "Bo",
                                                  "P",
                                                  "gc",
                                                  "fc",
                                                  "rc",
                                                  "F",
                                                  "g",
                                                  "f",
                                                  "r",
                                                  "CV",
                                                  "SN",
                                                  "RB",
                                                  CoreTextNoop("DrawingFrame", "Plocha"),
                                                  CoreTextNoop("DrawingFrame", "Polokoule")};

std::string ValueLabel(std::size_t index) { return CoreText("DrawingFrame", kValueLabels[index]); }

namespace {

int Word(const DayResults& results, int w) { return results[2 * w] | (results[2 * w + 1] << 8); }

}  // namespace

ResultsLayout ResultsLayoutFor(const ObservationRecord& record) {
  if (!record.IsSpecial()) return ResultsLayout::Normal;
  const bool marker =
      record.GroupCount() >= 1 && record.Distance10(1) == kMarkerDistance10 &&
      (record.Angle10(1) == kNorthMarkerAngle10 || record.Angle10(1) == kSouthMarkerAngle10);
  return marker ? ResultsLayout::HemisphereSpecial : ResultsLayout::OtherSpecial;
}

std::string TimeOfDayText(std::uint16_t timeUT) {
  const int minutes = (timeUT / 100 * 60 + timeUT % 100) % 1440;
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:00", minutes / 60, minutes % 60);
  return text;
}

FrameTexts BuildFrameTexts(const ObservationRecord& record, const SolarEphemeris& eph,
                           const DayResults& results, int faculaPixels) {
  FrameTexts t;
  // The same texts the drawing shows without a record.
  t.DateLine = CoreText("Ardeno", "Datum :             ") + record.Date();
  t.ObserverLine = CoreText("Ardeno", "Pozorovatel :   ") + record.Observer();
  t.StationLine = CoreText("Ardeno", "Stanice :           ") + record.Station();
  t.Values = {TimeOfDayText(record.TimeUT()),         std::to_string(record.Conditions()),
              std::to_string(record.ImageQuality()),  std::to_string(record.QualityQ()),
              std::to_string(eph.RotationNumber),     FormatFloat("##0.00", eph.EphL0),
              FormatFloat("##0.00", eph.EphB0),       FormatFloat("##0.00", eph.EphP),
              std::to_string(record.CentralGroups()), std::to_string(record.CentralSpots()),
              std::to_string(record.CentralR()),      std::to_string(record.FacularFields())};

  const ResultsLayout layout = ResultsLayoutFor(record);
  const int rows = layout == ResultsLayout::Normal ? 8 : 6;
  for (int j = 0; j < rows; ++j) {
    const int north = Word(results, kGroupsN + j);
    const int south = Word(results, kGroupsS + j);
    t.Results[j].Sum = std::to_string(north + south);
    if (layout != ResultsLayout::OtherSpecial) {
      t.Results[j].North = std::to_string(north);
      t.Results[j].South = std::to_string(south);
    }
  }
  t.ShowFaculaArea = layout != ResultsLayout::OtherSpecial;
  t.FaculaArea = std::to_string(FaculaAreaFromPixels(faculaPixels));
  return t;
}

}  // namespace ardeno
