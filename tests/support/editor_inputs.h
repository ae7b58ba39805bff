// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small database and a typed drawing that the store accepts, for the record editor tests.
#include <vector>

#include "core/data/database.h"
#include "core/data/database_ops.h"
#include "core/entry/record_input.h"
#include "support/database_builders.h"

namespace ardeno::test {

// `count` drawings dated 1.3.2024, 2.3.2024, ... (observers Novák and Černá in turn), each with
// one group, room for `room` more; the last one chosen and the observer list collected.
inline Database MakeEditorDatabase(int count, int room = kExtraCapacity) {
  std::vector<ObservationRecord> records;
  for (int i = 1; i <= count; ++i) {
    records.push_back(OneGroupRecord({2024, 3, i}, i % 2 ? "Novák" : "Černá"));
  }
  Database db = DatabaseOf(std::move(records), room);
  if (count > 0) db.ChooseRecord(count);
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
  for (HeaderField f :
       {HeaderField::Conditions, HeaderField::ImageQuality, HeaderField::QualityQ,
        HeaderField::CentralGroups, HeaderField::CentralSpots, HeaderField::CentralR,
        HeaderField::FacularFields, HeaderField::FacularCount}) {
    h[f] = "0";
  }
  h[HeaderField::Conditions] = "2";
  h[HeaderField::ImageQuality] = "3";
  h[HeaderField::QualityQ] = "2";
  h[HeaderField::GroupCount] = "1";
  h[HeaderField::Station] = "Ondřejov";
  input.Groups.push_back(
      {"1", "dkc", "5", "2", "30.0", "62.5", "10", "3", "11", "5", "40", "20", "2", "0", "0", "0"});
  return input;
}

}  // namespace ardeno::test
