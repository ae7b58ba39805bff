// SPDX-License-Identifier: GPL-3.0-or-later
// Record list arithmetic: line texts, pages, and the repair of unreadable dates.
#include <gtest/gtest.h>

#include <string>

#include "core/entry/record_list_pages.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

Database MakeDatabase(int count) {
  std::vector<ObservationRecord> records(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    ObservationRecord& r = records[static_cast<std::size_t>(i - 1)];
    r.SetDate(std::to_string(1 + (i - 1) % 28) + ".0" + std::to_string(1 + i / 28 % 9) + ".2004");
    r.SetTimeUT(static_cast<std::uint16_t>(i));  // tells the records apart
  }
  Database db = test::DatabaseOf(std::move(records), 5);
  db.CurrentIndex = count;
  return db;
}

TEST(ListLineTextTest, NumberThenDayMonthYearThenObserver) {
  ObservationRecord r;
  r.SetDate("5.3.2004");
  r.SetObserver("Černý");
  EXPECT_EQ(ListLineText(7, r), std::optional<std::string>("    7     05 03 2004  Černý"));
  EXPECT_EQ(ListLineText(12345, r), std::optional<std::string>("12345     05 03 2004  Černý"));
  r.SetDate("31.02.2004");
  EXPECT_FALSE(ListLineText(1, r));
}

TEST(ListPagesTest, LinesAndRecords) {
  EXPECT_EQ(ListLinesFor(26 * 16 + 15, 16), 25);
  EXPECT_EQ(ListLinesFor(100, 0), 0);
  EXPECT_FALSE(IsPaged(25, 25));
  EXPECT_TRUE(IsPaged(26, 25));
  EXPECT_EQ(RecordOfLine(0, true, 500, 25), 475);
  EXPECT_EQ(RecordOfLine(25, true, 500, 25), 500);
  EXPECT_EQ(RecordOfLine(0, false, 500, 25), 1);
  // ListLines + 1 records: the only page is 1..RecordCount.
  EXPECT_EQ(PageFirstRecord(ClampScrollPosition(1000, 26, 25), 25), 1);
  EXPECT_EQ(ClampScrollPosition(3, 600, 25), 26);
  EXPECT_EQ(ClampScrollPosition(700, 600, 25), 600);
}

TEST(ListPagesTest, LineOfTheWorkRecordComparesDatesByteForByte) {
  Database db = MakeDatabase(5);
  db.WorkRecord = db.Record(3);
  EXPECT_EQ(LineOfWorkRecord(db, 25), std::optional<int>(2));
  EXPECT_EQ(LineOfWorkRecord(db, 2), std::nullopt);  // only records 1..ListLines are searched
  db.WorkRecord.SetDate("03.01.2004");               // same day, other text
  EXPECT_EQ(LineOfWorkRecord(db, 25), std::nullopt);
}

TEST(ListRecordsTest, UnreadableDateIsRemovedOnce) {
  Database db = MakeDatabase(6);
  db.Record(3).SetDate("xx.01.2004");
  const ObservationRecord fourth = db.Record(4);
  const ListFill fill = ListRecords(db, 1, db.RecordCount);
  EXPECT_TRUE(fill.Repaired);
  EXPECT_FALSE(fill.Error);
  EXPECT_EQ(db.RecordCount, 5);
  EXPECT_TRUE(db.DataChanged);
  ASSERT_EQ(fill.Lines.size(), 5u);
  EXPECT_EQ(db.Record(3), fourth);
  EXPECT_EQ(fill.Lines[2].substr(0, 5), "    3");
  EXPECT_EQ(fill.Last, 5);
  EXPECT_EQ(db.CurrentIndex, 5);  // kept within the records left
}

TEST(ListRecordsTest, CurrentRecordStaysTheOneTheUserChose) {
  // Removed before the current record: the index follows the record down.
  Database db = MakeDatabase(8);
  db.CurrentIndex = 6;
  db.WorkRecord = db.Record(6);
  db.Record(2).SetDate("bad");
  ListRecords(db, 1, db.RecordCount);
  EXPECT_EQ(db.CurrentIndex, 5);
  EXPECT_EQ(db.Record(db.CurrentIndex), db.WorkRecord);
  // Removed after it: nothing moves.
  db.Record(7).SetDate("bad");
  ListRecords(db, 1, db.RecordCount);
  EXPECT_EQ(db.CurrentIndex, 5);
  EXPECT_EQ(db.Record(db.CurrentIndex), db.WorkRecord);
  // The current record itself: its successor is shown instead of the unreadable one.
  db.Record(5).SetDate("bad");
  const ObservationRecord next = db.Record(6);
  ListRecords(db, 1, db.RecordCount);
  EXPECT_EQ(db.CurrentIndex, 5);
  EXPECT_EQ(db.WorkRecord, next);
}

TEST(ListRecordsTest, SecondUnreadableDateStopsTheListing) {
  Database db = MakeDatabase(6);
  db.Record(2).SetDate("bad");
  db.Record(5).SetDate("worse");
  const ListFill fill = ListRecords(db, 1, db.RecordCount);
  EXPECT_TRUE(fill.Repaired);
  ASSERT_TRUE(fill.Error);
  EXPECT_NE(fill.Error->find("worse"), std::string::npos);
  EXPECT_EQ(db.RecordCount, 5);  // only the first one removed
  EXPECT_EQ(fill.Lines.size(), 3u);
}

TEST(ListRecordsTest, ReadableDatabaseIsLeftAlone) {
  Database db = MakeDatabase(4);
  const ListFill fill = ListRecords(db, 2, 3);
  EXPECT_FALSE(fill.Repaired);
  EXPECT_FALSE(db.DataChanged);
  EXPECT_EQ(fill.Lines.size(), 2u);
  EXPECT_EQ(fill.Last, 3);
}

TEST(DrawingCaptionTest, DateAppendedUpToTwentyCharacters) {
  ObservationRecord r;
  r.SetDate("05.03.2004");
  EXPECT_EQ(DrawingCaption(r), "Zákres    05.03.2004");
  EXPECT_EQ(DrawingCaption(ObservationRecord{}), "Zákres    ");
}

}  // namespace
}  // namespace ardeno
