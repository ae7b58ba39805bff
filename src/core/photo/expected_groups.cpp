// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/expected_groups.h"

#include <cmath>
#include <optional>

#include "core/quality/noaa_regions.h"
#include "core/reference/source_day.h"
#include "core/solar/differential_rotation.h"
#include "core/solar/heliographic.h"

namespace ardeno {
namespace {

// A group that has turned beyond the limb cannot be drawn.
constexpr double kLimbMeridianDistance = 90;

}  // namespace

std::vector<ExpectedGroup> ExpectedGroupsBefore(std::span<const ObservationRecord> records,
                                                const CalendarDate& date, std::uint16_t timeUT,
                                                const SolarEphemeris& eph) {
  const ObservationRecord* latest = nullptr;
  double latestDaysBefore = 0;
  for (const ObservationRecord& record : records) {
    if (record.GroupCount() == 0 || IsCatalogueRecord(record)) continue;
    const std::optional<CalendarDate> drawn = ParseDate(record.Date());
    if (!drawn) continue;
    if (DaysBetween(*drawn, date) < 1) continue;
    const double daysBefore = MomentOf(date, timeUT) - MomentOf(*drawn, record.TimeUT());
    if (daysBefore > kExpectedGroupsDays) continue;
    if (latest == nullptr || daysBefore < latestDaysBefore) {
      latest = &record;
      latestDaysBefore = daysBefore;
    }
  }
  std::vector<ExpectedGroup> expected;
  if (latest == nullptr) return expected;
  const std::optional<SolarEphemeris> then = RecordEphemeris(*latest);
  if (!then) return expected;
  for (int k = 1; k <= latest->GroupCount(); ++k) {
    const HeliographicPosition place =
        PolarToHeliographic(*then, latest->Angle10(k), latest->Distance10(k));
    const double longitude =
        RotatedLongitude(place.HelioLongitude, place.HelioLatitude, latestDaysBefore);
    // L = L0 - CMD, the central-meridian distance east-positive.
    const double meridian = std::remainder(eph.EphL0 - longitude, 360.0);
    if (std::fabs(meridian) >= kLimbMeridianDistance) continue;
    expected.push_back({place.HelioLatitude, meridian});
  }
  return expected;
}

}  // namespace ardeno
