#pragma once
// Small databases for the graph tests: records on given dates with given results-block words.
#include <string>
#include <utility>
#include <vector>

#include "core/data/database.h"

namespace ardeno::testing {

struct GraphRecord {
  std::string Date;
  int North = 0;  // written to the north word of the tested index
  int South = 0;
  std::string Kind;  // non-empty: a special record
};

inline Database GraphDatabase(const std::vector<GraphRecord>& rows, int northWord, int southWord) {
  Database db;
  db.Records.assign(rows.size() + 1, ObservationRecord{});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ObservationRecord& r = db.Records[i];
    r.SetDate(rows[i].Date);
    r.SetTimeUT(1200);
    r.SetResultWord(northWord, static_cast<std::uint16_t>(rows[i].North));
    r.SetResultWord(southWord, static_cast<std::uint16_t>(rows[i].South));
    r.SetKind(rows[i].Kind);
  }
  db.RecordCount = static_cast<int>(rows.size());
  return db;
}

}  // namespace ardeno::testing
