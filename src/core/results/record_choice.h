// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which records a result is made of. The days import-groups made from the NOAA/RGO catalogues
// fill the tables and graphs where the station has no drawing, but they are not the station's
// observations: what goes to SILSO and the other networks, and the figures that stand for the
// station's own work, take its own drawings only.
#include "core/data/observation_record.h"

namespace ardeno {

enum class RecordChoice {
  AllRecords,   // drawings and catalogue days alike
  OwnDrawings,  // catalogue days left out
};

bool IsChosen(const ObservationRecord& record, RecordChoice choice);

}  // namespace ardeno
