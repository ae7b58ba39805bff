// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/paper_truth.h"

#include <cstdio>

#include "core/text/dates.h"

namespace ardeno::paper {

std::vector<ChosenRecord> ChooseRecords(const std::vector<ObservationRecord>& records, int count,
                                        unsigned seed) {
  std::vector<ChosenRecord> usable;
  for (const ObservationRecord& record : records) {
    // The NOAA reports taken over as they stand were never drawn by hand.
    if (record.GroupCount() == 0 || record.Observer().rfind("NOAA", 0) == 0) continue;
    const std::optional<CalendarDate> date = ParseDate(record.Date());
    if (!date) continue;
    usable.push_back({record, *date});
  }
  std::vector<ChosenRecord> chosen;
  if (usable.empty() || count <= 0) return chosen;
  SampleRandom random(seed);
  for (int i = 0; i < count; ++i)
    chosen.push_back(
        usable[static_cast<std::size_t>(random.Int(0, static_cast<int>(usable.size()) - 1))]);
  return chosen;
}

PaperCase MakeCase(const ChosenRecord& chosen, unsigned seed, int longSide,
                   std::optional<Capture> capture, const PaperStyle& style) {
  SampleRandom random(seed);
  PaperCase made;
  made.Date = chosen.Date;
  made.TimeUT = chosen.Record.TimeUT();
  made.Eph = Ephemeris(made.Date, made.TimeUT);
  made.Drawing = DrawOnPaper(chosen.Record, made.Eph, random, style);
  const Capture how = random.Chance(0.25) ? Capture::Scanner : Capture::Phone;
  made.Picture = Photograph(made.Drawing, capture.value_or(how), longSide, random);
  return made;
}

std::string TruthText(const PaperCase& made) {
  char line[160];
  std::string text;
  std::snprintf(line, sizeof line, "date;%d.%d.%d;%04d\n", made.Date.Day, made.Date.Month,
                made.Date.Year, made.TimeUT);
  text += line;
  const PhotoTruth& t = made.Picture.Truth;
  std::snprintf(line, sizeof line, "disk;%.2f;%.2f;%.2f;%.2f\n", t.CentreX, t.CentreY, t.Radius,
                t.North);
  text += line;
  for (std::size_t i = 0; i < made.Drawing.Spots.size(); ++i) {
    const TruthSpot& s = made.Drawing.Spots[i];
    std::snprintf(line, sizeof line, "spot;%.2f;%.2f;%d;%d;%.2f\n", t.Spots[i].x, t.Spots[i].y,
                  s.Group, s.Penumbra ? 1 : 0, s.AreaMm2);
    text += line;
  }
  return text;
}

}  // namespace ardeno::paper
