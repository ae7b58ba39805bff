// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The evolution of the groups of one Carrington rotation: for each numbered group, its spot
// count, class and corrected area on every drawing of the rotation.
#include <string>

#include "core/data/database.h"
#include "core/groups/text_grid.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// The rotation spin edit stays between the rotations of the first and the last record; a value
// below 15 becomes the first rotation.
int ClampEvolutionRotation(const Database& db, int rotation);

struct RotationEvolution {
  int Rotation = 0;
  int FirstRecord = 0;  // records shown, one grid column each; 0 when none
  int LastRecord = 0;
  // False when no record has the rotation or its first record is a special one.
  bool Shown = false;
  // Row 0: "Skupina" and the record dates; rows 1..70 "   n" and, in column
  // (record - FirstRecord + 1), "spots  class  corrected area" of group n when it belongs to the
  // rotation.
  TextGrid Grid;
};

RotationEvolution ComputeRotationEvolution(const Database& db, const RecordPositions& positions,
                                           int rotation);

// Why a rotation's evolution is not shown (no record of it, or its first record is special).
std::string EvolutionNotShownMessage(int rotation);

// Area of group k with its small spots, in millionths of the hemisphere corrected for
// foreshortening, as the evolution grid shows it (the distance reduced by 0.001 of the radius).
int EvolutionCorrectedArea(const ObservationRecord& record, int k);

}  // namespace ardeno
