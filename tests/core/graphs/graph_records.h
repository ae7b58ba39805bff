// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small databases for the graph tests: records on given dates with given results-block words.
#include <string>
#include <utility>
#include <vector>

#include "core/data/database.h"
#include "support/database_builders.h"

namespace ardeno::test {

struct GraphRecord {
  std::string Date;
  int North = 0;  // written to the north word of the tested index
  int South = 0;
  std::string Kind;  // non-empty: a special record
};

inline Database GraphDatabase(const std::vector<GraphRecord>& rows, int northWord, int southWord) {
  std::vector<ObservationRecord> records;
  for (const GraphRecord& row : rows) {
    ObservationRecord& r = records.emplace_back();
    r.SetDate(row.Date);
    r.SetTimeUT(1200);
    r.SetResultWord(northWord, static_cast<std::uint16_t>(row.North));
    r.SetResultWord(southWord, static_cast<std::uint16_t>(row.South));
    r.SetKind(row.Kind);
  }
  return DatabaseOf(std::move(records));
}

}  // namespace ardeno::test
