// SPDX-License-Identifier: GPL-3.0-or-later
// The current record: which indices count as chosen, and what choosing copies.
#include "core/data/database.h"

#include <gtest/gtest.h>

#include <string>

#include "support/database_builders.h"

namespace ardeno {
namespace {

struct CurrentCase {
  std::string Name;
  int RecordCount;
  int CurrentIndex;
  bool Chosen;
};

class HasCurrentRecordTest : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(HasCurrentRecordTest, OnlyAnIndexOfAStoredRecordCounts) {
  const CurrentCase& c = GetParam();
  Database db = test::ConsecutiveDays(3);
  db.RecordCount = c.RecordCount;
  db.CurrentIndex = c.CurrentIndex;
  EXPECT_EQ(db.HasCurrentRecord(), c.Chosen);
}

INSTANTIATE_TEST_SUITE_P(Indices, HasCurrentRecordTest,
                         ::testing::Values(CurrentCase{"NothingChosen", 3, 0, false},
                                           CurrentCase{"Negative", 3, -1, false},
                                           CurrentCase{"First", 3, 1, true},
                                           CurrentCase{"Last", 3, 3, true},
                                           // Left behind when records were removed after it.
                                           CurrentCase{"PastTheLast", 2, 3, false},
                                           CurrentCase{"EmptyDatabase", 0, 1, false}),
                         [](const auto& info) { return info.param.Name; });

TEST(ChooseRecord, CopiesTheRecordIntoTheWorkRecordAndLeavesTheRecordsAlone) {
  Database db = test::ConsecutiveDays(3);
  const auto records = db.Records;
  db.WorkRecord.SetObserver("Černá");  // typed into the editor, not stored
  db.ChooseRecord(2);
  EXPECT_EQ(db.CurrentIndex, 2);
  EXPECT_EQ(db.WorkRecord.Bytes, db.Record(2).Bytes);
  EXPECT_EQ(db.Records, records);
  EXPECT_FALSE(db.DataChanged);
}

}  // namespace
}  // namespace ardeno
