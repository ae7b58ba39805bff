#include "core/data/facula_transfer.h"

#include <map>
#include <optional>

#include "core/text/dates.h"

namespace ardeno {

namespace {

void NormaliseDate(ObservationRecord& record) {
  if (const std::optional<CalendarDate> date = ParseDate(record.Date()))
    record.SetDate(FormatDate(*date));
}

}  // namespace

int TakeFacularFields(Database& db, std::vector<ObservationRecord>& other) {
  std::map<std::string, int> indexByDate;
  for (int i = db.RecordCount; i >= 1; --i) {
    ObservationRecord& record = db.Record(i);
    const ObservationRecord before = record;
    NormaliseDate(record);
    if (!(record == before)) db.DataChanged = true;
    indexByDate[record.DateRaw()] = i;  // the first drawing of a date wins
  }
  int changedRecords = 0;
  for (ObservationRecord& source : other) {
    NormaliseDate(source);
    if (!source.HasDate()) continue;
    const auto found = indexByDate.find(source.DateRaw());
    if (found == indexByDate.end()) continue;
    ObservationRecord& target = db.Record(found->second);
    bool changed = false;
    for (int k = 1; k <= kMaxFaculae; ++k) {
      if (source.FaculaVertex(k, 1) == 0 || source.FaculaVertex(k, 1) == target.FaculaVertex(k, 1))
        continue;
      target.SetFacularCount(source.FacularCountRaw());
      for (int v = 1; v <= kFaculaVertices; ++v)
        target.SetFaculaVertex(k, v, source.FaculaVertex(k, v));
      target.SetKind("");
      changed = true;
    }
    if (changed) ++changedRecords;
  }
  if (changedRecords > 0) db.DataChanged = true;
  return changedRecords;
}

}  // namespace ardeno
