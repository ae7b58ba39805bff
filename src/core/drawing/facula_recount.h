// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recounting the facular area text of every drawing, as the drawing window measures it.
#include "core/data/database.h"

namespace ardeno {

// FaculaAreaText of each drawing 1..RecordCount := its measured facular area (in the
// orientation the drawings are measured in, north up and west left), or "0" for a drawing
// without facular fields. The data are marked as changed when a text changed.
void RecountFaculaAreas(Database& db);

}  // namespace ardeno
