// SPDX-License-Identifier: GPL-3.0-or-later
// The edges of drawing entry: what the editor must store although it looks unusual (a spotless
// day, a date typed short), which record stays current, and a correction that only looked at
// its groups in l and b.
#include <gtest/gtest.h>

#include "core/entry/record_display.h"
#include "core/entry/record_input.h"
#include "support/editor_inputs.h"

namespace ardeno {
namespace {

using test::MakeEditorDatabase;
using test::MakeTypedDrawing;

TEST(EntryEdges, SpotlessDayIsStoredAsAnObservation) {
  Database db = MakeEditorDatabase(3);
  RecordInput input = MakeTypedDrawing();
  input.Header[HeaderField::GroupCount] = "0";
  const StoreOutcome outcome = StoreRecord(db, input);
  ASSERT_TRUE(outcome.Stored) << ::testing::PrintToString(outcome.Messages);
  const ObservationRecord& stored = db.Record(db.CurrentIndex);
  EXPECT_EQ(stored.Date(), "15.04.2024");
  EXPECT_EQ(stored.GroupCount(), 0);
  EXPECT_EQ(stored.ResultWord(kGroupsN) + stored.ResultWord(kGroupsS), 0);
  EXPECT_EQ(stored.ResultWord(kResultTime), 1030);
}

struct DateCase {
  const char* Name;
  const char* Typed;
  const char* Stored;
};

class TypedDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(TypedDateTest, IsStoredAsDayMonthAndFourDigitYear) {
  Database db = MakeEditorDatabase(3);
  RecordInput input = MakeTypedDrawing();
  input.Header[HeaderField::Date] = GetParam().Typed;
  const StoreOutcome outcome = StoreRecord(db, input);
  ASSERT_TRUE(outcome.Stored) << ::testing::PrintToString(outcome.Messages);
  EXPECT_EQ(db.Record(db.CurrentIndex).Date(), GetParam().Stored);
}

INSTANTIATE_TEST_SUITE_P(Editor, TypedDateTest,
                         ::testing::Values(DateCase{"Full", "15.04.2024", "15.04.2024"},
                                           DateCase{"OneDigitDayAndMonth", "5.4.2024",
                                                    "05.04.2024"},
                                           DateCase{"MaskBlanks", " 5. 4.2024", "05.04.2024"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(EntryEdges, CorrectedSecondOfTwoDrawingsOfOneDateStaysCurrent) {
  Database db = MakeEditorDatabase(5);
  // A second drawing of 3.3.2024 (stored before the duplicate check existed), at index 4.
  db.Record(6) = db.Record(5);
  db.Record(5) = db.Record(4);
  db.Record(4) = db.Record(3);
  db.Record(4).SetTimeUT(1500);
  db.RecordCount = 6;
  db.CurrentIndex = 4;
  db.WorkRecord = db.Record(4);
  RecordInput input = MakeTypedDrawing(EditorMode::Correction);
  input.Header[HeaderField::Date] = "03.03.2024";
  input.Header[HeaderField::TimeUT] = "1510";

  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.CurrentIndex, 4);
  EXPECT_EQ(db.Record(4).TimeUT(), 1510);
  EXPECT_EQ(db.Record(3).TimeUT(), 900) << "the first drawing of that date is untouched";
  // The next correction edits the same drawing again.
  input.Header[HeaderField::TimeUT] = "1520";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.Record(4).TimeUT(), 1520);
  EXPECT_EQ(db.Record(3).TimeUT(), 900);
}

TEST(EntryEdges, CorrectionMovedByItsNewDateStaysCurrent) {
  Database db = MakeEditorDatabase(5);
  db.CurrentIndex = 5;
  db.WorkRecord = db.Record(5);
  RecordInput input = MakeTypedDrawing(EditorMode::Correction);
  input.Header[HeaderField::Date] = "01.02.2024";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.CurrentIndex, 1);
  EXPECT_EQ(db.Record(1).Date(), "01.02.2024");
}

// A drawing of many groups spread over the disk, as the observers' archives hold them.
Database ManyGroupsDatabase() {
  Database db = MakeEditorDatabase(2);
  ObservationRecord& record = db.Record(2);
  record.SetGroupCount(kMaxGroups);
  for (int k = 1; k <= kMaxGroups; ++k) {
    record.SetGroupType(k, "Dkc");
    record.SetSpotCount(k, static_cast<std::uint8_t>(k));
    record.SetAngle10(k, static_cast<std::uint16_t>((k * 887) % 3600));
    record.SetDistance10(k, static_cast<std::uint16_t>((k * 293) % 1150));
    record.SetArea(k, static_cast<std::uint16_t>(k * 37));
    record.SetAux1Area(k, static_cast<std::uint16_t>(k * 11));
  }
  db.CurrentIndex = 2;
  db.WorkRecord = record;
  return db;
}

class RoundTripTest : public ::testing::TestWithParam<int> {};

TEST_P(RoundTripTest, SwitchingToLongitudeLatitudeAndBackKeepsEveryStoredValue) {
  Database db = ManyGroupsDatabase();
  const ObservationRecord before = db.Record(2);
  const EditorOpening opening = OpenEditor(db, EditorMode::Correction);
  RecordInput input;
  input.Mode = EditorMode::Correction;
  input.Header = opening.Texts.Header;
  input.Groups = opening.Texts.Groups;
  const int switches = GetParam();
  for (int s = 0; s < switches; ++s) {
    ASSERT_TRUE(Succeeded(
        SwitchPositionEntry(input.Groups, kMaxGroups, input.Header[HeaderField::Date],
                            input.Header[HeaderField::TimeUT], s % 2 == 0, db.DrawingRadius)));
  }
  input.LongitudeLatitudeEntry = switches % 2 == 1;

  ASSERT_TRUE(StoreRecord(db, input).Stored);
  const ObservationRecord& after = db.Record(2);
  for (int k = 1; k <= kMaxGroups; ++k) {
    EXPECT_EQ(after.Angle10(k), before.Angle10(k)) << "group " << k;
    EXPECT_EQ(after.Distance10(k), before.Distance10(k)) << "group " << k;
    EXPECT_EQ(after.Area(k), before.Area(k)) << "group " << k;
    EXPECT_EQ(after.Aux1Area(k), before.Aux1Area(k)) << "group " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Switches, RoundTripTest, ::testing::Values(0, 1, 2, 4),
                         [](const auto& info) { return "Switched" + std::to_string(info.param); });

TEST(EntryEdges, AnEditedCellAfterTheRoundTripIsStillStored) {
  Database db = ManyGroupsDatabase();
  const EditorOpening opening = OpenEditor(db, EditorMode::Correction);
  RecordInput input;
  input.Mode = EditorMode::Correction;
  input.Header = opening.Texts.Header;
  input.Groups = opening.Texts.Groups;
  for (bool toLb : {true, false}) {
    ASSERT_TRUE(
        Succeeded(SwitchPositionEntry(input.Groups, kMaxGroups, input.Header[HeaderField::Date],
                                      input.Header[HeaderField::TimeUT], toLb, db.DrawingRadius)));
  }
  input.Groups[6][4] = "12.0";
  input.Groups[6][5] = "50.0";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.Record(2).Angle10(7), 120);
  EXPECT_EQ(db.Record(2).Distance10(7), 500);
}

}  // namespace
}  // namespace ardeno
