// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor shows for a record, the count fields, the l/b switch, and round trips through
// showing and storing again.
#include <gtest/gtest.h>

#include <cmath>

#include "core/entry/cell_numbers.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_display.h"
#include "core/entry/record_input.h"
#include "core/solar/ephemeris.h"
#include "core/text/number_format.h"
#include "support/editor_inputs.h"

namespace ardeno {
namespace {

using test::MakeEditorDatabase;
using test::MakeTypedDrawing;

RecordInput InputFromOpening(const EditorOpening& opening, EditorMode mode) {
  RecordInput input;
  input.Mode = mode;
  input.Header = opening.Texts.Header;
  input.Groups = opening.Texts.Groups;
  input.Faculae = opening.Texts.Faculae;
  return input;
}

TEST(RecordDisplay, HemisphereMarkerShowsBackAsLetterWithEmptyDistance) {
  Database db = MakeEditorDatabase(2);
  RecordInput input = MakeTypedDrawing();
  input.Groups[0][4] = "S";
  input.Groups[0][5] = "40";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  const EditorTexts shown =
      FillFromWorkRecord(db.Record(db.CurrentIndex), db.Mode, db.DrawingRadius);
  ASSERT_EQ(shown.Groups.size(), 1u);
  EXPECT_EQ(shown.Groups[0][4], "s");
  EXPECT_EQ(shown.Groups[0][5], "");
  EXPECT_EQ(shown.Groups[0][1], "Dkc");
}

// Areas shown with one decimal do not give the stored millionths back exactly; a correction
// that leaves a group alone must not move it.
TEST(RecordDisplay, UnchangedCorrectionKeepsTheRecordByteIdentical) {
  struct Opening {
    CoordinateMode Mode;
    bool SwitchedToLongitudeLatitude;  // the polar grid switched to l/b before the store
  };
  for (const Opening& openingCase :
       {Opening{CoordinateMode::Polar, false}, Opening{CoordinateMode::Heliographic, false},
        Opening{CoordinateMode::Polar, true}}) {
    const CoordinateMode mode = openingCase.Mode;
    Database db = MakeEditorDatabase(3);
    db.Mode = mode;
    db.DrawingRadius = 110.0f;
    ObservationRecord& current = db.Record(3);
    current.SetGroupCount(2);
    current.SetGroupType(2, "Fkc");
    current.SetAngle10(2, 2345);
    current.SetDistance10(2, 1111);
    current.SetArea(1, 101);
    current.SetArea(2, 977);
    current.SetAux1Position(2, 200 * 128 + 33);
    current.SetAux1Area(2, 55);
    current.SetFacularCount(1);
    current.SetFaculaVertex(1, 1, 100 * 128 + 90);
    db.CurrentIndex = 3;
    db.WorkRecord = current;
    const ObservationRecord before = current;

    const EditorOpening opening = OpenEditor(db, EditorMode::Correction);
    RecordInput input = InputFromOpening(opening, EditorMode::Correction);
    input.Groups[0][2] = "7";  // one cell of the first group changed
    if (openingCase.SwitchedToLongitudeLatitude) {
      input.LongitudeLatitudeEntry = true;
      ASSERT_TRUE(Succeeded(SwitchPositionEntry(input.Groups, 2, input.Header[HeaderField::Date],
                                                input.Header[HeaderField::TimeUT], true,
                                                db.DrawingRadius)));
    }
    ASSERT_TRUE(StoreRecord(db, input).Stored);

    // Everything but the changed cell and what the store computes stays as it was.
    const ObservationRecord& after = db.Record(3);
    ObservationRecord expected = before;
    expected.SetSpotCount(1, 7);
    expected.SetRotation(after.Rotation());
    expected.SetCentralL0(after.CentralL0());
    expected.SetResultsBlock(after.ResultsBlock());
    for (int k = 3; k <= kMaxGroups; ++k) expected.SetGroupType(k, "***");  // cleared slots
    for (std::size_t i = 0; i < kRecordSize; ++i) {
      EXPECT_EQ(after.Bytes[i], expected.Bytes[i])
          << "byte " << i << " mode " << static_cast<int>(mode) << " l/b "
          << openingCase.SwitchedToLongitudeLatitude;
    }
    EXPECT_EQ(after.SpotCount(1), 7);
  }
}

struct LongitudeLatitudeCase {
  const char* Name;
  double LongitudeFromCentre;  // degrees east or west of the central meridian
  double Latitude;
  bool HeliographicMode;  // false: polar mode with the l/b entry
};

class LongitudeLatitudeRoundTrip : public ::testing::TestWithParam<LongitudeLatitudeCase> {};

TEST_P(LongitudeLatitudeRoundTrip, StoredPositionShowsTheTypedCoordinatesWithinATenth) {
  const LongitudeLatitudeCase& c = GetParam();
  Database db = MakeEditorDatabase(2);
  db.Mode = c.HeliographicMode ? CoordinateMode::Heliographic : CoordinateMode::Polar;
  db.DrawingRadius = c.HeliographicMode ? 100.0f : 120.0f;
  RecordInput input = MakeTypedDrawing();
  input.LongitudeLatitudeEntry = !c.HeliographicMode;
  const SolarEphemeris eph = Ephemeris({2024, 4, 15}, 1030);
  double l = eph.EphL0 + c.LongitudeFromCentre;
  if (l >= 360) l -= 360;
  if (l < 0) l += 360;
  input.Groups[0][4] = FormatFloat("0.0", l);
  input.Groups[0][5] = FormatFloat("0.0", c.Latitude);
  input.Groups[0][6] = "300";
  ASSERT_TRUE(StoreRecord(db, input).Stored);

  const ObservationRecord& stored = db.Record(db.CurrentIndex);
  // Millionths of a drawing of radius 100 (300 * 125 / 100), or the stored millionths as typed.
  EXPECT_EQ(stored.Area(1), c.HeliographicMode ? 375 : 300);
  const EditorTexts shown =
      FillFromWorkRecord(stored, CoordinateMode::Heliographic, db.DrawingRadius);
  double lShown = DecimalOrZero(shown.Groups[0][4]);
  double dl = std::fabs(lShown - DecimalOrZero(input.Groups[0][4]));
  EXPECT_LE(std::min(dl, 360 - dl), 0.1 + 1e-9);
  EXPECT_NEAR(DecimalOrZero(shown.Groups[0][5]), c.Latitude, 0.1 + 1e-9);
  EXPECT_LE(stored.Distance10(1), 1250);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, LongitudeLatitudeRoundTrip,
    ::testing::Values(LongitudeLatitudeCase{"CentreHeliographic", 0.3, 1.7, true},
                      LongitudeLatitudeCase{"EastNorthHeliographic", -40, 22.5, true},
                      LongitudeLatitudeCase{"WestSouthHeliographic", 55, -18.2, true},
                      LongitudeLatitudeCase{"NearLimbHeliographic", -75, 8, true},
                      LongitudeLatitudeCase{"EastNorthPolarEntry", -35, 12.4, false},
                      LongitudeLatitudeCase{"WestSouthPolarEntry", 62, -30, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RecordDisplay, HeliosSwitchGoesToLongitudeLatitudeAndBack) {
  std::vector<GroupRowTexts> rows(2);
  rows[0] = {"1", "Dkc", "5", "2", "123.4", "71.0", "12.5", "0",
             "0", "0",   "0", "0", "0",     "0",    "0",    "0"};
  rows[1] = {"2", "Axx", "1", "0", "j", "", "1.0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
  const auto original = rows;
  ASSERT_TRUE(Succeeded(SwitchPositionEntry(rows, 2, "15.04.2024", "1030", true, 125.0f)));
  EXPECT_EQ(rows[0][6], FormatFloat("0", 12.5 * 20.4));
  EXPECT_NE(rows[0][4], original[0][4]);
  EXPECT_EQ(rows[1][4], "j");
  ASSERT_TRUE(Succeeded(SwitchPositionEntry(rows, 2, "15.04.2024", "1030", false, 125.0f)));
  EXPECT_NEAR(DecimalOrZero(rows[0][4]), 123.4, 0.2);
  EXPECT_NEAR(DecimalOrZero(rows[0][5]), 71.0, 0.2);
  EXPECT_NEAR(DecimalOrZero(rows[0][6]), 12.5, 0.05);
  EXPECT_EQ(rows[1][4], "j");

  const auto unchanged = rows;
  EXPECT_EQ(SwitchPositionEntry(rows, 2, "  .  .    ", "1030", true, 125.0f),
            std::string(kMsgNoDate));
  EXPECT_EQ(rows, unchanged);
}

struct CountCase {
  const char* Text;
  bool IsNumber;
  bool Enabled;
  int Rows;
  bool Message;
};

class CountField : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountField, EnablesAndSizesTheGrid) {
  const CountCase& c = GetParam();
  const CountFieldChange change = CountChanged(c.Text);
  EXPECT_EQ(change.IsNumber, c.IsNumber);
  if (!c.IsNumber) return;
  EXPECT_EQ(change.GridEnabled, c.Enabled);
  EXPECT_EQ(change.Rows, c.Rows);
  EXPECT_EQ(change.Message.has_value(), c.Message);
  if (c.Message) {
    EXPECT_EQ(*change.Message, kMsgMaxGroups);
    EXPECT_EQ(change.FieldText, "40");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Editor, CountField,
    ::testing::Values(CountCase{"45", true, true, 40, true}, CountCase{"40", true, true, 40, false},
                      CountCase{"0", true, false, 1, false}, CountCase{"-2", true, false, 1, false},
                      CountCase{"3", true, true, 3, false}, CountCase{"x", false, false, 1, false}),
    [](const auto& info) {
      // "-2" and "x" are not identifier characters.
      const std::string text = info.param.Text;
      if (text == "x") return std::string("NotANumber");
      if (text[0] == '-') return "Minus" + text.substr(1);
      return "Count" + text;
    });

TEST(RecordDisplay, NewRowsGetZerosButTypedRowsStay) {
  std::vector<GroupRowTexts> rows(1);
  rows[0][1] = "Cso";
  rows[0][2] = "4";
  FillEmptyGroupRows(rows, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][2], "4");
  EXPECT_EQ(rows[0][3], "");
  for (int column = 2; column < kGroupGridColumns; ++column)
    EXPECT_EQ(rows[2][static_cast<std::size_t>(column)], "0");
  EXPECT_EQ(rows[2][1], "");
}

TEST(RecordDisplay, OpeningShowsDefaultsButKeepsTheCurrentRecordForTheStore) {
  Database db = MakeEditorDatabase(4);
  db.Record(1).SetStation("Hvězdárna Úpice");
  const EditorOpening opening = OpenEditor(db, EditorMode::Special);
  EXPECT_EQ(opening.Texts.Header[HeaderField::TimeUT], "1200");
  EXPECT_EQ(opening.Texts.Header[HeaderField::GroupCount], "0");
  EXPECT_EQ(opening.Texts.Header[HeaderField::Date], "");
  EXPECT_EQ(opening.Texts.Header[HeaderField::Station], "Hvězdárna Úpice");
  EXPECT_EQ(opening.Texts.Header[HeaderField::Observer], db.Observers.front());
  EXPECT_TRUE(opening.KindVisible);
  EXPECT_EQ(opening.Texts.Header[HeaderField::Kind], kSpecialKind);
  EXPECT_EQ(opening.RunCounter, 1);
  EXPECT_EQ(db.WorkRecord, db.Record(db.CurrentIndex));

  Database empty = MakeEditorDatabase(0);
  const EditorOpening fresh = OpenEditor(empty, EditorMode::NewDrawing);
  EXPECT_FALSE(fresh.KindVisible);
  EXPECT_EQ(empty.WorkRecord.TimeUT(), 1200);
  EXPECT_EQ(empty.WorkRecord.GroupType(40), "***");
}

}  // namespace
}  // namespace ardeno
