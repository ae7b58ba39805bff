// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily indices a record carries in its results block: per hemisphere the groups g, spots f,
// relative number R = 10g + f, CV, SN and RB indices, the disk area and the area corrected for
// foreshortening. Every later statistic reads these stored values.
#include <array>
#include <cstdint>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

// Same layout as the record's bytes 1728..1773.
using DayResults = std::array<std::uint8_t, 46>;

// Millionths of the disk a small spot counts for.
inline constexpr double kSmallSpotArea = 15.3;

// Fills the 16 hemisphere words (sums wrap at 65536) and leaves every other byte zero.
DayResults ComputeDayResults(const ObservationRecord& record, const SolarEphemeris& eph);

// Area in millionths of the disk of group k turned into millionths of the hemisphere, corrected
// for foreshortening at the group's distance from the centre.
int HemisphereArea(int area, const ObservationRecord& record, int k);

// Area of group k in millionths of the disk, its small spots counted at kSmallSpotArea each.
std::int64_t GroupDiskArea(const ObservationRecord& record, int k);
// The same area in millionths of the hemisphere, corrected for foreshortening.
int GroupCorrectedArea(const ObservationRecord& record, int k);

// RB weight of a Zurich class letter (first letter of the McIntosh class); 0 for any other.
int RbWeight(char zurichClass);

// Computes the results of the record, sets ResultTime and the copies of the central-zone counts
// and quality marks, and writes bytes 1728..1772; the reserved last byte keeps its value.
void StoreDayResults(ObservationRecord& record, const SolarEphemeris& eph);

}  // namespace ardeno
