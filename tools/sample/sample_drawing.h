// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One drawing of the simulated Sun as an observer would enter it: the visible groups with their
// McIntosh classes, counts, places and areas, facular outlines near the limb, the header marks.
#include <string>

#include "core/data/observation_record.h"
#include "core/reference/rotation_group_numbers.h"
#include "core/solar/ephemeris.h"
#include "core/text/dates.h"
#include "sample/sample_random.h"
#include "sample/sample_sun.h"

namespace ardeno {

struct DrawingMarks {
  std::string Observer;
  std::string Station;
  std::uint16_t TimeUT = 1200;
};

// Groups are numbered within the rotation of their central-meridian passage, as observers do.
ObservationRecord DrawSun(const SampleSun& sun, const CalendarDate& date, const DrawingMarks& marks,
                          RotationGroupNumbers& numbers, SampleRandom& random);

// Leader and follower spots of a large group (Zurich class D, E or F): on the group's latitude,
// the leader west and the follower east of its centre (Carrington longitude), as far apart as a
// group of that class spans, with a third and a sixth of its area; none where the stored places
// (whole degrees and millimetres) cannot hold that extent, near the limb.
void WriteLeaderAndFollower(ObservationRecord& record, int k, const SolarEphemeris& eph,
                            double longitude, double latitude, char zurich, int area);
// Facular field k: an outline of 4 to 6 vertices around a place near the limb, 3 to 8
// millimetres across.
void WriteFacula(ObservationRecord& record, int k, double angleDeg, double distanceMm,
                 SampleRandom& random);
// qc, fc and rc: the groups within half the radius of the centre and their spots.
void WriteCentralZone(ObservationRecord& record);

// A special drawing of the same day (a report from elsewhere): Kind "zvlášťní", the groups of
// the drawing, either at their places or, withMarkers, at the hemisphere marker positions.
ObservationRecord SpecialDrawing(const ObservationRecord& drawing, const std::string& observer,
                                 bool withMarkers);

}  // namespace ardeno
