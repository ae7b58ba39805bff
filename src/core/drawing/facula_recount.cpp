// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/facula_recount.h"

#include <string>

#include "core/drawing/facula_area.h"

namespace ardeno {

void RecountFaculaAreas(Database& db) {
  FaculaBitmap bitmap;
  for (int i = 1; i <= db.RecordCount; ++i) {
    ObservationRecord& record = db.Record(i);
    std::string area = "0";
    if (record.FacularCount() > 0)
      area = std::to_string(FaculaAreaFromPixels(MeasureFaculaPixels(record, 1, 1, bitmap)));
    if (record.FaculaAreaText() != area) {
      record.SetFaculaAreaText(area);
      db.DataChanged = true;
    }
  }
  if (db.CurrentIndex >= 1 && db.CurrentIndex <= db.RecordCount)
    db.WorkRecord = db.Record(db.CurrentIndex);
}

}  // namespace ardeno
