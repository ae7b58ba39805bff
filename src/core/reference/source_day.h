// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One day of a published sunspot-group catalogue, as read from its file, before it becomes an
// observation record: the groups with the place, class, count and area the source gives and the
// moment at which the source says its positions are valid.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/observation_record.h"
#include "core/text/dates.h"

namespace ardeno {

enum class GroupSource : std::uint8_t {
  NoaaReport,  // the daily Solar Region Summary text of NOAA/SWPC
  NoaaTable,   // the same reports parsed into comma-separated tables
  Greenwich,   // the RGO / USAF-NOAA group files g<year>.txt
};

struct SourceGroup {
  int Region = 0;            // NOAA region or Greenwich group number; 0 when not given
  std::string Class;         // McIntosh class as published ("Dkc"); empty when the source has none
  std::optional<int> Spots;  // spot count, when the source gives one
  double Latitude = 0;       // degrees, north positive
  // Degrees from the central meridian, positive towards the WEST limb as both sources publish
  // it (the program's own central-meridian distance is positive towards the east).
  double MeridianDistanceWest = 0;
  double CarringtonLongitude = 0;  // as published, degrees
  int CorrectedArea = 0;           // millionths of the hemisphere, corrected for foreshortening
  // The moment the position is valid: a date and hours * 100 + minutes, 2400 meaning the end of
  // that day (the reports' "valid at 2400Z").
  CalendarDate EpochDate;
  std::uint16_t EpochTime = 1200;

  bool operator==(const SourceGroup&) const = default;
};

struct SourceDay {
  CalendarDate Date;            // the day the observations describe
  std::uint16_t TimeUT = 1200;  // the record's time: the moment of the first group's position
  GroupSource Source = GroupSource::NoaaReport;
  std::string Where;                // file (and line) the day came from, for reports
  std::vector<SourceGroup> Groups;  // empty: a spotless day
};

struct SourceReading {
  std::vector<SourceDay> Days;
  // "file:line: text" of every line that could not be read, with the reason, in the language of
  // the interface.
  std::vector<std::string> Problems;
};

// A region given twice for one day (a line repeated in the file, or a day's rows met twice) is
// one group: the first is kept. Groups without a region number are one group only when all the
// source gives for them is equal. Returns the number of groups dropped.
int DropRepeatedGroups(SourceDay& day);

// The observer and station an imported record is signed with.
std::string SourceObserver(GroupSource source);
std::string SourceStation(GroupSource source, int year);
// A record import-groups made from a catalogue day (signed with a source's observer and
// station), not a drawing of the station's own observers.
bool IsCatalogueRecord(const ObservationRecord& record);

}  // namespace ardeno
