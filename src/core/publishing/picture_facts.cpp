// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/publishing/picture_facts.h"

#include <algorithm>

#include "core/data/record_fields.h"
#include "core/drawing/frame_texts.h"
#include "core/shell/program_version.h"
#include "core/solar/ephemeris.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

void Add(PictureFacts& facts, std::string_view key, std::string value) {
  // One line each: a name typed with a line break would split the JPEG comment's lines.
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  if (!value.empty()) facts.push_back({std::string(key), std::move(value)});
}

void AddSoftware(PictureFacts& facts) {
  Add(facts, kFactSoftware, std::string(kProgramName) + " " + std::string(kProgramVersion));
}

}  // namespace

PictureFacts DrawingFacts(std::string_view view, const ObservationRecord& record) {
  PictureFacts facts;
  Add(facts, kFactView, std::string(view));
  Add(facts, kFactDate, record.Date());
  // "h:mm" as the drawing's frame writes it, without its seconds that are always 00.
  const std::string time = TimeOfDayText(record.TimeUT());
  Add(facts, kFactTimeUT, time.substr(0, time.size() - 3));
  if (const auto eph = RecordEphemeris(record)) {
    Add(facts, kFactP, FormatFloat("##0.00", eph->EphP));
    Add(facts, kFactB0, FormatFloat("##0.00", eph->EphB0));
    Add(facts, kFactL0, FormatFloat("##0.00", eph->EphL0));
    Add(facts, kFactRotation, std::to_string(eph->RotationNumber));
  }
  Add(facts, kFactObserver, record.Observer());
  Add(facts, kFactStation, record.Station());
  AddSoftware(facts);
  return facts;
}

PictureFacts PeriodFacts(std::string_view view, const std::string& first, const std::string& last,
                         const std::string& station) {
  PictureFacts facts;
  Add(facts, kFactView, std::string(view));
  if (!first.empty() && !last.empty()) Add(facts, kFactPeriod, first + " - " + last);
  Add(facts, kFactStation, station);
  AddSoftware(facts);
  return facts;
}

PictureFacts DatabaseFacts(std::string_view view, const Database& db) {
  std::optional<CalendarDate> first;
  std::optional<CalendarDate> last;
  std::string station;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::optional<CalendarDate> date = RecordDate(db.Record(i));
    if (!date) continue;
    if (!first || *date < *first) first = date;
    if (!last || *date >= *last) {
      last = date;
      station = db.Record(i).Station();
    }
  }
  if (!first) return PeriodFacts(view, "", "", station);
  return PeriodFacts(view, FormatDate(*first), FormatDate(*last), station);
}

const std::string* FactValue(const PictureFacts& facts, std::string_view key) {
  const auto found = std::find_if(facts.begin(), facts.end(),
                                  [key](const PictureFact& fact) { return fact.Key == key; });
  return found == facts.end() ? nullptr : &found->Value;
}

}  // namespace ardeno
