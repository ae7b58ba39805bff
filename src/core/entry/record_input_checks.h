// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks the editor runs before it stores a record: the refusals of the header (group types,
// date, duplicates, observer, header numbers, room in the database) and the faults of the grid
// cells. None of them changes anything.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/entry/record_input.h"
#include "core/solar/ephemeris.h"
#include "core/text/dates.h"

namespace ardeno {

// The header numbers as they go into the record, each checked against its field's width.
struct HeaderNumbers {
  std::uint16_t TimeUT = 0;
  std::uint8_t Conditions = 0;
  std::uint8_t ImageQuality = 0;
  std::uint8_t QualityQ = 0;
  std::uint16_t CentralGroups = 0;
  std::uint16_t CentralSpots = 0;
  std::uint16_t CentralR = 0;
  std::uint16_t FacularFields = 0;
  int GroupCount = 0;
  int FacularCount = 0;
};

struct HeaderCheck {
  bool Refused = false;
  std::vector<std::string> Messages;
  std::optional<HeaderField> Focus;
  // Every header field a refusal names, in the order of the messages, each once.
  std::vector<HeaderField> FaultFields;
  CalendarDate Date;  // valid when not refused
  HeaderNumbers Numbers;
};

HeaderCheck CheckHeader(const Database& db, const RecordInput& input);

struct CellCheck {
  bool Faulty = false;
  std::vector<std::string> Messages;
  std::optional<GridCell> Cell;
};

// Rows 1..groupCount of the group grid and 1..facularCount of the facula grid. Positions typed as
// l and b are checked against the ephemeris of the record's moment: a latitude beyond 90 degrees
// or a point behind the limb has no place on the drawing.
CellCheck CheckCells(const RecordInput& input, int groupCount, int facularCount,
                     CoordinateMode mode, float drawingRadius, const SolarEphemeris& eph);

// How an area column is typed: square millimetres of the drawing (polar mode), millionths of a
// drawing of radius R (heliographic mode), or the stored millionths themselves (the group area
// while the polar grid takes l and b).
enum class AreaUnit { SquareMillimetres, DrawingMillionths, StoredMillionths };
// Stored millionths per typed unit: 20.4 * 125 / R, 125 / R or 1.
double AreaFactor(AreaUnit unit, float drawingRadius);
AreaUnit GroupAreaUnit(CoordinateMode mode, bool longitudeLatitudeEntry);
AreaUnit AuxAreaUnit(CoordinateMode mode);

// The position columns 4, 5 take l and b rather than angle and distance.
bool TakesLongitudeLatitude(CoordinateMode mode, bool longitudeLatitudeEntry);

}  // namespace ardeno
