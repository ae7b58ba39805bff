// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Taking the facular fields of another data file into the drawings of the same date: a
// station that measured its faculae in a second copy of the database brings them back.
#include <vector>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

inline constexpr const char* kSaveTransferQuestion =
    CoreTextNoop("FaculaTransfer", "Uložit změny do souboru datax?");

// Dates of both the database and the other drawings are first written as "dd.mm.yyyy" (a date
// typed without leading zeros gains them). Then for each other drawing whose date equals that
// of a database drawing, each facular field whose first vertex is set and differs from the
// database's is copied (its six vertices) together with the other drawing's FacularCount, and
// the drawing's Kind is cleared. Returns the number of database drawings that changed; the
// data are marked as changed when any did.
int TakeFacularFields(Database& db, std::vector<ObservationRecord>& other);

}  // namespace ardeno
