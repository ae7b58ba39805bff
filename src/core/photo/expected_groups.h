// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The groups of the observer's previous drawing, carried by the Sun's rotation to the moment of
// the drawing being read: two groups drawn a few degrees apart chain together by distance alone,
// but yesterday's drawing shows two, and so the observer reads two again.
#include <span>
#include <vector>

#include "core/data/observation_record.h"
#include "core/photo/spot_groups.h"
#include "core/solar/ephemeris.h"
#include "core/text/dates.h"

namespace ardeno {

// An earlier drawing tells where groups are for a few days; after that too many have grown,
// decayed or turned away.
inline constexpr double kExpectedGroupsDays = 3;

// The groups of the latest own drawing (not a day taken from a catalogue) dated before `date`,
// within kExpectedGroupsDays of the moment `eph` is for (`date`, `timeUT`), rotated to that
// moment by the Sun's differential rotation; groups turned beyond the limb are left out.
std::vector<ExpectedGroup> ExpectedGroupsBefore(std::span<const ObservationRecord> records,
                                                const CalendarDate& date, std::uint16_t timeUT,
                                                const SolarEphemeris& eph);

}  // namespace ardeno
