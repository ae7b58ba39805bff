// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnetosphere_underlay.h"

#include <cmath>

#include "core/data/aux_file_io.h"
#include "core/maps/map_groups.h"

namespace ardeno {

MagnetosphereUnderlay BuildMagnetosphereUnderlay(const std::filesystem::path& progDir,
                                                 int rotation) {
  MagnetosphereUnderlay underlay;
  const std::int64_t start = DaySerial(RotationDates(rotation).Start) - kUnderlayDaysBefore;
  for (int d = 0; d < kUnderlayDays; ++d) {
    const CalendarDate date = DateFromSerial(start + d);
    std::optional<Magnetogram> day;
    try {
      day = ReadMagnetogramDay(progDir, date, kMapMagnetogramHeaderWords);
    } catch (const AuxFileError& error) {
      underlay.Messages.push_back(error.what());
    }
    if (!day) continue;
    ++underlay.DaysRead;
    const SolarEphemeris eph = Ephemeris(date, kMagnetogramTimeUT);
    for (const MagnetogramPoint& point : day->Points) {
      const auto p =
          MagnetogramToHeliographic(eph, MagnetogramPlanePosition(point, kUnderlayCentreColumn));
      if (!p || std::abs(p->CentralMeridianDistance) > kUnderlayMaxCmd) continue;
      if (SightingRotation(eph.EphL0, p->CentralMeridianDistance, eph.RotationNumber) != rotation)
        continue;
      underlay.Points.push_back(
          {MapX(p->HelioLongitude), MapY(p->HelioLatitude), point.Code * 32 >= 240});
    }
  }
  return underlay;
}

}  // namespace ardeno
