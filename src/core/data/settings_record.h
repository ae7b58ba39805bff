// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first record of a new database. The data file has no settings area: the drawing radius and
// the coordinate mode live in RadiusWord of record 1, so a database made before its first drawing
// holds one record that carries them, dated the day it was made, with nothing observed. It is not
// an observation: the database counts no record until the first drawing is stored, which takes
// its place (and the settings with it).
#include "core/data/observation_record.h"

namespace ardeno {

// A record as a new database starts it: everything zero except the date, RadiusWord, a time of
// 0 or 12:00 and an observer "" or "N" (what the load-time repairs put in). A drawing stored by
// the editor always carries its results block, so it never looks like this.
bool IsSettingsRecord(const ObservationRecord& record);

}  // namespace ardeno
