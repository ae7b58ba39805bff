// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/facula_transfer.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "core/text/dates.h"

namespace ardeno {

namespace {

void NormaliseDate(ObservationRecord& record) {
  if (const std::optional<CalendarDate> date = ParseDate(record.Date()))
    record.SetDate(FormatDate(*date));
}

}  // namespace

int TakeFacularFields(Database& db, std::vector<ObservationRecord>& other) {
  // Every drawing of a date takes the other file's fields, not only the first of them.
  std::map<std::string, std::vector<int>> indicesByDate;
  for (int i = 1; i <= db.RecordCount; ++i) {
    ObservationRecord& record = db.Record(i);
    const ObservationRecord before = record;
    NormaliseDate(record);
    if (!(record == before)) db.DataChanged = true;
    indicesByDate[record.DateRaw()].push_back(i);
  }
  std::set<int> changedIndices;
  for (ObservationRecord& source : other) {
    NormaliseDate(source);
    if (!source.HasDate()) continue;
    const auto found = indicesByDate.find(source.DateRaw());
    if (found == indicesByDate.end()) continue;
    for (const int index : found->second) {
      ObservationRecord& target = db.Record(index);
      for (int k = 1; k <= kMaxFaculae; ++k) {
        if (source.FaculaVertex(k, 1) == 0 ||
            source.FaculaVertex(k, 1) == target.FaculaVertex(k, 1))
          continue;
        target.SetFacularCount(source.FacularCountRaw());
        for (int v = 1; v <= kFaculaVertices; ++v)
          target.SetFaculaVertex(k, v, source.FaculaVertex(k, v));
        target.SetKind("");
        changedIndices.insert(index);
      }
    }
  }
  const int changedRecords = static_cast<int>(changedIndices.size());
  if (changedRecords > 0) db.DataChanged = true;
  return changedRecords;
}

}  // namespace ardeno
