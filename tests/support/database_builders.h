// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Databases and records for tests: a database laid out as a loaded one (records 1..n in their
// places, free room after them) and drawings filled the way the program stores them.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno::test {

// The bytes of a data file holding `records`, one after another.
inline std::string RecordFileBytes(const std::vector<ObservationRecord>& records) {
  std::string bytes;
  for (const auto& record : records)
    bytes.append(reinterpret_cast<const char*>(record.Bytes.data()), kRecordSize);
  return bytes;
}

// Records 1..n are `records` as loaded, with `room` free places after them; none is chosen.
inline Database DatabaseOf(std::vector<ObservationRecord> records, int room = kExtraCapacity) {
  Database db;
  db.RecordCount = db.RecordCountAtLoad = static_cast<int>(records.size());
  records.resize(records.size() + static_cast<std::size_t>(room));
  db.Records = std::move(records);
  return db;
}

// A drawing without groups by Novák at Ondřejov on `date`, 10:00 UT.
inline ObservationRecord DatedRecord(const CalendarDate& date) {
  ObservationRecord r;
  r.SetDate(FormatDate(date));
  r.SetTimeUT(1000);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  return r;
}

// A database of `count` drawings on consecutive days from 1.1.2000, the last one chosen.
inline Database ConsecutiveDays(int count) {
  std::vector<ObservationRecord> records;
  const std::int64_t first = DaySerial(CalendarDate{2000, 1, 1});
  for (int i = 0; i < count; ++i) records.push_back(DatedRecord(DateFromSerial(first + i)));
  Database db = DatabaseOf(std::move(records));
  if (count > 0) db.ChooseRecord(count);
  return db;
}

// A drawing by `observer` at Ondřejov on `date` at 9:00 UT with one group: class Cso, 4 spots,
// at angle 45.0 degrees and distance 50.0 mm, area 120.
inline ObservationRecord OneGroupRecord(const CalendarDate& date, const std::string& observer) {
  ObservationRecord r;
  r.SetDate(FormatDate(date));
  r.SetObserver(observer);
  r.SetStation("Ondřejov");
  r.SetTimeUT(900);
  r.SetGroupCount(1);
  r.SetGroupType(1, "Cso");
  r.SetSpotCount(1, 4);
  r.SetAngle10(1, 450);
  r.SetDistance10(1, 500);
  r.SetArea(1, 120);
  return r;
}

// A drawing by Novák at noon whose stored results give `gNorth` and `gSouth` groups, each group
// with one spot (R = 11 g per hemisphere).
inline ObservationRecord HemisphereCountsRecord(const std::string& date, int gNorth, int gSouth) {
  ObservationRecord r;
  r.SetDate(date);
  r.SetTimeUT(1200);
  r.SetRadiusWord(125);
  r.SetObserver("Novák");
  r.SetResultWord(kGroupsN, static_cast<std::uint16_t>(gNorth));
  r.SetResultWord(kRelativeN, static_cast<std::uint16_t>(11 * gNorth));
  r.SetResultWord(kGroupsS, static_cast<std::uint16_t>(gSouth));
  r.SetResultWord(kRelativeS, static_cast<std::uint16_t>(11 * gSouth));
  return r;
}

}  // namespace ardeno::test
