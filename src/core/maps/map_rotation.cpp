// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_rotation.h"

#include "core/solar/rotation_count.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr CalendarDate kRotationEpoch{1989, 1, 1};
constexpr CalendarDate kCoronaEpoch{1940, 1, 1};
constexpr double kMapRotationDays = 27.27;

CalendarDate DateOf(double serial) { return DateFromSerial(Trunc(serial)); }

}  // namespace

MapRotationDates RotationDates(int rotation) {
  // 651960 = 1811 * 360: the rotation count of the ephemeris, run backwards to the day.
  const double offset = ((rotation * 360.0 - 651960) + kRotationCountOffset) / kSynodicRotationRate;
  const double d0 = static_cast<double>(DaySerial(kRotationEpoch));
  MapRotationDates dates;
  dates.Start = DateOf(d0 + offset + 0.5);
  dates.End = DateOf(d0 + offset + 0.5 + kMapRotationDays);
  dates.CoronaDayIndex = Round(d0 - static_cast<double>(DaySerial(kCoronaEpoch)) + offset + 1);
  return dates;
}

std::string MapCaption(const MapRotationDates& dates) {
  return FillText(CoreText("MapRotation", "Mapa   %1 - %2"),
                  {FormatDate(dates.Start), FormatDate(dates.End)});
}

std::vector<RotationListEntry> BuildRotationList(const Database& db) {
  std::vector<RotationListEntry> list;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const int rotation = db.Record(i).Rotation();
    if (i == 1 || rotation > db.Record(i - 1).Rotation()) list.push_back({i, rotation});
  }
  return list;
}

int RotationListPosition(const std::vector<RotationListEntry>& list, int recordIndex) {
  int position = 0;
  for (std::size_t p = 0; p < list.size() && list[p].RecordIndex <= recordIndex; ++p)
    position = static_cast<int>(p);
  return position;
}

MapRecordRange RecordRangeOf(const Database& db, int rotation) {
  MapRecordRange range;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& r = db.Record(i);
    if (r.Rotation() == rotation || (r.Rotation() == rotation - 1 && r.CentralL0() < 90)) {
      range.First = i;
      break;
    }
  }
  if (range.First == 0) return range;
  range.Last = db.RecordCount;
  for (int i = range.First; i <= db.RecordCount; ++i) {
    const ObservationRecord& r = db.Record(i);
    if ((r.Rotation() == rotation + 1 && r.CentralL0() < 270) || r.Rotation() > rotation + 1) {
      range.Last = i - 1;
      break;
    }
  }
  return range;
}

int SightingRotation(double l0, double cmd, int recordRotation) {
  return static_cast<int>(Trunc((360 - l0 + cmd + recordRotation * 360.0) / 360));
}

}  // namespace ardeno
