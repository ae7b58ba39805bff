// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/group_import.h"

#include <algorithm>
#include <optional>
#include <set>

#include "core/data/database_ops.h"
#include "core/data/load_findings.h"
#include "core/reference/group_placement.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kMaxStoredCount = 255;  // spot count is one byte

std::vector<const SourceGroup*> GroupsThatFit(const SourceDay& day) {
  std::vector<const SourceGroup*> groups;
  for (const auto& group : day.Groups) groups.push_back(&group);
  if (groups.size() > static_cast<std::size_t>(kMaxGroups)) {
    std::stable_sort(groups.begin(), groups.end(), [](const auto* a, const auto* b) {
      return a->CorrectedArea > b->CorrectedArea;
    });
    groups.resize(kMaxGroups);
  }
  return groups;
}

// Returns whether the program's corrected area of the group is the source's.
bool WriteGroup(ObservationRecord& record, int k, const SourceGroup& group,
                const SolarEphemeris& eph, RotationGroupNumbers& numbers) {
  const SolarEphemeris epoch = Ephemeris(group.EpochDate, group.EpochTime);
  const double longitude = CarringtonLongitudeAt(epoch, group.MeridianDistanceWest);
  const DrawingPlace place = PlaceOnDrawing(eph, longitude, group.Latitude);
  record.SetGroupType(k, group.Class.empty() ? kUnknownGroupClass : group.Class);
  record.SetSpotCount(
      k, static_cast<std::uint8_t>(std::clamp(group.Spots.value_or(0), 0, kMaxStoredCount)));
  record.SetPenumbralCount(k, 0);
  record.SetAngle10(k, place.Angle10);
  record.SetDistance10(k, place.Distance10);
  record.SetArea(k, DiskAreaForCorrected(group.CorrectedArea, record, k));
  record.SetSmallSpots(k, 0);
  record.SetGroupNumber(k, static_cast<std::uint16_t>(std::clamp(group.Region, 0, 65535)));
  const auto placed = PolarToHeliographic(eph, place.Angle10, place.Distance10);
  record.SetRotationGroupNumber(
      k, numbers.NumberFor(group.Region, PassageRotation(eph, placed.HelioLongitude)));
  return HemisphereArea(record.Area(k), record, k) == group.CorrectedArea;
}

}  // namespace

BuiltRecord BuildSourceRecord(const SourceDay& day, RotationGroupNumbers& numbers,
                              std::uint16_t radiusWord) {
  BuiltRecord built;
  ObservationRecord& record = built.Record;
  // A record's time is a time of the day: positions valid at 24:00 are kept, and placed, at its
  // last minute, so that the day stays the source's and the load's time check has nothing to say.
  const std::uint16_t time = std::min(day.TimeUT, kLastMinuteOfDay);
  record.SetDate(FormatDate(day.Date));
  record.SetTimeUT(time);
  record.SetObserver(SourceObserver(day.Source));
  record.SetStation(SourceStation(day.Source, day.Date.Year));
  record.SetRadiusWord(radiusWord);
  // Slots beyond the groups are cleared as the editor clears them.
  for (int k = 1; k <= kMaxGroups; ++k) record.SetGroupType(k, kUnknownGroupClass);
  const SolarEphemeris eph = Ephemeris(day.Date, time);
  const auto groups = GroupsThatFit(day);
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (!WriteGroup(record, static_cast<int>(i) + 1, *groups[i], eph, numbers))
      ++built.AreasNotExact;
  built.GroupsLeftOut = static_cast<int>(day.Groups.size() - groups.size());
  record.SetGroupCount(static_cast<int>(groups.size()));
  record.SetRotation(static_cast<std::uint16_t>(eph.RotationNumber & 0xFFFF));
  record.SetCentralL0(static_cast<std::uint16_t>(Trunc(eph.EphL0)));
  StoreDayResults(record, eph);
  return built;
}

ImportReport ImportSourceDays(Database& db, std::vector<SourceDay> days, std::uint16_t radiusWord) {
  ImportReport report;
  std::set<CalendarDate> present;
  RotationGroupNumbers numbers;
  bool allDatesParse = true;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const auto date = ParseDate(record.Date());
    allDatesParse = allDatesParse && date.has_value();
    if (date) present.insert(*date);
    numbers.Learn(record);
  }
  // Numbering runs forward in time, whatever order the files were named in.
  std::stable_sort(days.begin(), days.end(),
                   [](const SourceDay& a, const SourceDay& b) { return a.Date < b.Date; });

  std::vector<ObservationRecord> records(db.Records.begin(), db.Records.begin() + db.RecordCount);
  const std::size_t existing = records.size();
  for (SourceDay& day : days) {
    if (!present.insert(day.Date).second) {
      report.KeptDays.push_back(day.Date);
      continue;
    }
    report.RepeatedGroups += DropRepeatedGroups(day);
    BuiltRecord built = BuildSourceRecord(day, numbers, radiusWord);
    records.push_back(built.Record);
    ++report.AddedDays;
    if (day.Groups.empty()) ++report.SpotlessDays;
    report.GroupsLeftOut += built.GroupsLeftOut;
    report.AreasNotExact += built.AreasNotExact;
  }
  if (records.size() == existing) return report;

  db.Records = std::move(records);
  db.RecordCount = static_cast<int>(db.Records.size());
  if (allDatesParse) {
    // The insertion sort of SortRecords is stable: equal dates keep their order, so a stable
    // sort by date gives the same order without moving every record once per added day.
    std::vector<std::pair<std::int64_t, std::size_t>> keys;
    for (std::size_t i = 0; i < db.Records.size(); ++i)
      keys.emplace_back(DaySerial(*ParseDate(db.Records[i].Date())), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ObservationRecord> sorted;
    sorted.reserve(db.Records.size());
    for (const auto& key : keys) sorted.push_back(db.Records[key.second]);
    db.Records = std::move(sorted);
  } else {
    SortRecords(db);
  }
  db.CurrentIndex = db.RecordCount;
  db.WorkRecord = db.Record(db.RecordCount);
  CollectObservers(db);
  return report;
}

}  // namespace ardeno
