#pragma once
// A small database and a typed drawing that the store accepts, for the record editor tests.
#include "core/data/database.h"
#include "core/data/database_ops.h"
#include "core/entry/record_input.h"
#include "core/text/dates.h"

namespace ardeno::test {

// count records dated 1.3.2024, 2.3.2024, ... with one group each, room for `room` more.
inline Database MakeEditorDatabase(int count, int room = kExtraCapacity) {
  Database db;
  db.Records.resize(static_cast<std::size_t>(count + room));
  for (int i = 1; i <= count; ++i) {
    ObservationRecord& record = db.Record(i);
    record.SetDate(FormatDate({2024, 3, i}));
    record.SetObserver(i % 2 ? "Novák" : "Černá");
    record.SetStation("Ondřejov");
    record.SetTimeUT(900);
    record.SetGroupCount(1);
    record.SetGroupType(1, "Cso");
    record.SetSpotCount(1, 4);
    record.SetAngle10(1, 450);
    record.SetDistance10(1, 500);
    record.SetArea(1, 120);
  }
  db.RecordCount = count;
  db.RecordCountAtLoad = count;
  db.CurrentIndex = count;
  if (count > 0) db.WorkRecord = db.Record(count);
  CollectObservers(db);
  return db;
}

// One group of class Dkc at angle 30.0, distance 62.5, area 10 mm², dated 15.04.2024.
inline RecordInput MakeTypedDrawing(EditorMode mode = EditorMode::NewDrawing) {
  RecordInput input;
  input.Mode = mode;
  auto& h = input.Header;
  h[HeaderField::Observer] = "Novák";
  h[HeaderField::Date] = "15.04.2024";
  h[HeaderField::TimeUT] = "1030";
  for (HeaderField f : {HeaderField::Conditions, HeaderField::ImageQuality, HeaderField::QualityQ,
                        HeaderField::CentralGroups, HeaderField::CentralSpots,
                        HeaderField::CentralR, HeaderField::FacularFields,
                        HeaderField::FacularCount}) {
    h[f] = "0";
  }
  h[HeaderField::Conditions] = "2";
  h[HeaderField::GroupCount] = "1";
  h[HeaderField::Station] = "Ondřejov";
  input.Groups.push_back(
      {"1", "dkc", "5", "2", "30.0", "62.5", "10", "3", "11", "5", "40", "20", "2", "0", "0", "0"});
  return input;
}

}  // namespace ardeno::test
