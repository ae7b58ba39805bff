// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawings for the group statistics tests: a record stamped with the rotation and central
// longitude of its moment (as the editor stores them), groups placed by central-meridian distance
// and latitude (databases of them come from support/database_builders.h).
#include <cmath>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "core/solar/record_positions.h"
#include "core/text/dates.h"
#include "support/database_builders.h"

namespace ardeno::test {

inline ObservationRecord Drawing(const std::string& date, std::uint16_t time = 1200) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetTimeUT(time);
  record.SetObserver("N");
  const SolarEphemeris eph = *RecordEphemeris(record);
  record.SetRotation(static_cast<std::uint16_t>(eph.RotationNumber));
  record.SetCentralL0(static_cast<std::uint16_t>(eph.EphL0));
  return record;
}

struct GroupSpec {
  double Cmd = 0;       // degrees from the central meridian, west positive
  double Latitude = 0;  // degrees, north positive
  const char* Type = "Cso";
  int Number = 0;  // RotationGroupNumber
  int Spots = 1;
  int Area = 0;
  int SmallSpots = 0;
};

// Adds a group at the drawing position of (cmd, latitude) at the record's moment.
inline void AddGroup(ObservationRecord& record, const GroupSpec& g) {
  const SolarEphemeris eph = *RecordEphemeris(record);
  const double longitude = std::fmod(eph.EphL0 - g.Cmd + 720, 360);
  const PolarPosition polar =
      HeliographicToPolar(eph, static_cast<float>(longitude), static_cast<float>(g.Latitude), 125);
  const int k = record.GroupCount() + 1;
  record.SetGroupCount(k);
  double angle = std::fmod(polar.PolarAngle, 360);
  if (angle < 0) angle += 360;
  record.SetAngle10(k, static_cast<std::uint16_t>(std::lround(angle * 10) % 3600));
  record.SetDistance10(k, static_cast<std::uint16_t>(std::lround(polar.PolarDistance * 10)));
  record.SetGroupType(k, g.Type);
  record.SetRotationGroupNumber(k, static_cast<std::uint16_t>(g.Number));
  record.SetSpotCount(k, static_cast<std::uint8_t>(g.Spots));
  record.SetArea(k, static_cast<std::uint16_t>(g.Area));
  record.SetSmallSpots(k, static_cast<std::uint16_t>(g.SmallSpots));
}

inline ObservationRecord Drawing(const std::string& date, std::initializer_list<GroupSpec> groups,
                                 std::uint16_t time = 1200) {
  ObservationRecord record = Drawing(date, time);
  for (const GroupSpec& g : groups) AddGroup(record, g);
  return record;
}

inline ObservationRecord Special(ObservationRecord record) {
  record.SetKind("zvlášťní");
  return record;
}

// Drawings every other day for `days` days from 1 March 2014, each with a D group north-east and
// an A group south-west numbered within their rotation, their day results stored.
inline std::vector<ObservationRecord> TwoGroupsEveryOtherDay(int days) {
  std::vector<ObservationRecord> records;
  const std::int64_t first = DaySerial(CalendarDate{2014, 3, 1});
  for (int d = 0; d < days; d += 2) {
    ObservationRecord r = Drawing(FormatDate(DateFromSerial(first + d)),
                                  {{-30.0 + d % 50, 12.0 + d % 7, "Dso", 1 + d % 9, 6, 80},
                                   {25.0, -9.0, "Axx", 2 + d % 9, 1, 10}});
    r.SetRadiusWord(125);
    StoreDayResults(r, *RecordEphemeris(r));
    records.push_back(r);
  }
  return records;
}

}  // namespace ardeno::test
