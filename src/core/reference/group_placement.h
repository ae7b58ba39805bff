// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting a published group on a drawing: its Carrington longitude from the central-meridian
// distance at the moment the source's position is valid, its place on the standard drawing at
// the record's moment, and its spot area in the record's unit.
#include <cstdint>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

// Carrington longitude 0..360 of a point meridianDistanceWest degrees west of the central
// meridian at the moment of `epoch` (the program's ephemeris of that moment).
double CarringtonLongitudeAt(const SolarEphemeris& epoch, double meridianDistanceWest);

struct DrawingPlace {
  std::uint16_t Angle10 = 0;     // tenths of a degree, 0..3599
  std::uint16_t Distance10 = 0;  // tenths of a millimetre of the 125 mm drawing, 0..1249
};

// The place of (l, b) on the standard drawing at the moment of `eph`. A point just behind the
// limb (a group that has rotated off since the source measured it) is drawn on the limb.
DrawingPlace PlaceOnDrawing(const SolarEphemeris& eph, double carringtonLongitude, double latitude);

// The spot area (millionths of the disk) to store in slot k, whose Distance10 is already set,
// so that the program's corrected area of the group equals `correctedArea` (millionths of the
// hemisphere): the whole number nearest to exact that the program's rounding maps back to it.
// Near the limb one step of the stored area spans several corrected units; the nearest is
// taken there.
std::uint16_t DiskAreaForCorrected(int correctedArea, const ObservationRecord& record, int k);

}  // namespace ardeno
