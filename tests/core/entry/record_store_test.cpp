// SPDX-License-Identifier: GPL-3.0-or-later
// Storing a typed drawing: the refusals and faults that leave everything as it was, and the
// conversions of a stored drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/data/data_file.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_input.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"
#include "support/editor_inputs.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::MakeEditorDatabase;
using test::MakeTypedDrawing;

bool Contains(const std::vector<std::string>& messages, std::string_view text) {
  for (const auto& m : messages) {
    if (m.find(text) != std::string::npos) return true;
  }
  return false;
}

struct RefusalCase {
  const char* Name;
  std::function<void(RecordInput&)> Change;
  std::string Expected;
};

class RefusedStore : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedStore, ShowsItsMessageAndChangesNothing) {
  Database db = MakeEditorDatabase(5);
  db.WorkRecord = db.Record(2);
  db.CurrentIndex = 2;
  const Database before = db;
  RecordInput input = MakeTypedDrawing();
  input.Faculae.push_back({"", "10", "20", "30", "40", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Header[HeaderField::FacularCount] = "1";
  GetParam().Change(input);

  const StoreOutcome outcome = StoreRecord(db, input);

  EXPECT_FALSE(outcome.Stored);
  EXPECT_TRUE(Contains(outcome.Messages, GetParam().Expected))
      << ::testing::PrintToString(outcome.Messages);
  EXPECT_EQ(db.RecordCount, before.RecordCount);
  EXPECT_EQ(db.CurrentIndex, before.CurrentIndex);
  EXPECT_EQ(db.Records, before.Records);
  EXPECT_EQ(db.WorkRecord, before.WorkRecord);
  EXPECT_EQ(db.Observers, before.Observers);
  EXPECT_FALSE(db.DataChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, RefusedStore,
    ::testing::Values(
        RefusalCase{"TwoDigitYear",
                    [](RecordInput& in) { in.Header[HeaderField::Date] = "05.03.24"; },
                    std::string(kMsgBadDate)},
        RefusalCase{"ThreeDigitYear",
                    [](RecordInput& in) { in.Header[HeaderField::Date] = "5.3.202"; },
                    std::string(kMsgBadDate)},
        RefusalCase{"LatitudeBeyondThePole",
                    [](RecordInput& in) {
                      in.LongitudeLatitudeEntry = true;
                      in.Groups[0][4] = "100";
                      in.Groups[0][5] = "95";
                    },
                    "Skupina 1, sloupec \"b\": šířka b musí být od -90 do 90"},
        RefusalCase{"LongitudeBehindTheLimb",
                    [](RecordInput& in) {
                      in.LongitudeLatitudeEntry = true;
                      const double l0 = Ephemeris(CalendarDate{2024, 4, 15}, 1030).EphL0;
                      in.Groups[0][4] = std::to_string(std::fmod(l0 + 180, 360.0));
                      in.Groups[0][5] = "10";
                    },
                    "je na odvrácené straně Slunce"},
        RefusalCase{"GroupCountNegative",
                    [](RecordInput& in) { in.Header[HeaderField::GroupCount] = "-3"; },
                    std::string(kMsgBadGroupType)},
        RefusalCase{"OnlyUnlistedClass", [](RecordInput& in) { in.Groups[0][1] = "Dkx"; },
                    std::string(kMsgBadGroupType)},
        RefusalCase{"ImpossibleDate",
                    [](RecordInput& in) { in.Header[HeaderField::Date] = "30.02.2024"; },
                    std::string(kMsgBadDate)},
        RefusalCase{"EmptyDateMask",
                    [](RecordInput& in) { in.Header[HeaderField::Date] = "  .  .    "; },
                    std::string(kMsgBadDate)},
        RefusalCase{"DateAlreadyStored",
                    [](RecordInput& in) { in.Header[HeaderField::Date] = "03.03.2024"; },
                    std::string(kMsgRecordExists)},
        RefusalCase{"SpecialOnStoredDate",
                    [](RecordInput& in) {
                      in.Mode = EditorMode::Special;
                      in.Header[HeaderField::Date] = "4.3.2024";
                    },
                    std::string(kMsgRecordExists)},
        RefusalCase{"NoObserver", [](RecordInput& in) { in.Header[HeaderField::Observer] = ""; },
                    std::string(kMsgNoObserver)},
        RefusalCase{"TimeWithColon",
                    [](RecordInput& in) { in.Header[HeaderField::TimeUT] = "7:05"; }, "\"Čas UT\""},
        RefusalCase{"ConditionsPastByte",
                    [](RecordInput& in) { in.Header[HeaderField::Conditions] = "300"; }, "\"PP\""},
        RefusalCase{"ConditionsLeftAtZero",
                    [](RecordInput& in) { in.Header[HeaderField::Conditions] = "0"; },
                    "Pole \"PP\" není vyplněno: zadejte hodnocení od 1 do 5"},
        RefusalCase{"ImageQualityLeftAtZero",
                    [](RecordInput& in) { in.Header[HeaderField::ImageQuality] = "0"; },
                    "Pole \"Obr.\" není vyplněno"},
        RefusalCase{"QualityLeftAtZero",
                    [](RecordInput& in) { in.Header[HeaderField::QualityQ] = "0"; },
                    "Pole \"Q\" není vyplněno"},
        RefusalCase{"QualityPastTheScale",
                    [](RecordInput& in) { in.Header[HeaderField::QualityQ] = "6"; },
                    "V poli \"Q\" musí být hodnocení od 1 do 5"},
        RefusalCase{"CentralSpotsText",
                    [](RecordInput& in) { in.Header[HeaderField::CentralSpots] = "pět"; },
                    "\"fc\""},
        RefusalCase{"AnglePast360", [](RecordInput& in) { in.Groups[0][4] = "360.5"; },
                    std::string(kMsgAngle)},
        RefusalCase{"NegativeAngle", [](RecordInput& in) { in.Groups[0][4] = "-5"; },
                    std::string(kMsgAngle)},
        RefusalCase{"DistancePastRadius", [](RecordInput& in) { in.Groups[0][5] = "125.1"; },
                    "Špatně zadaná vzdálenst u skupin max. 125"},
        RefusalCase{"AuxDistancePastRadius", [](RecordInput& in) { in.Groups[0][14] = "126"; },
                    "Špatně zadaná vzdálenst u skupin max. 125"},
        RefusalCase{"RotationNumber71", [](RecordInput& in) { in.Groups[0][9] = "71"; },
                    std::string(kMsgRotationNumber)},
        RefusalCase{"SpotCountText", [](RecordInput& in) { in.Groups[0][2] = "5a"; },
                    "Skupina 1, sloupec \"poč\""},
        RefusalCase{"AreaBeyondWord", [](RecordInput& in) { in.Groups[0][6] = "4000"; },
                    "Skupina 1, sloupec \"plocha.\""},
        RefusalCase{"FaculaDistancePastRadius", [](RecordInput& in) { in.Faculae[0][4] = "126"; },
                    "Špatně zadaná vzdálenost u fakulí max. 125"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Every field a refusal names is listed once, in the order of the messages; the first has the
// focus. A refusal of the whole drawing (no class) names no field.
TEST(StoreRecord, RefusedHeaderFieldsAreListedInTheOrderOfTheMessages) {
  Database db = MakeEditorDatabase(3);
  RecordInput input = MakeTypedDrawing(EditorMode::NewDrawing);
  input.Header[HeaderField::QualityQ] = "0";
  input.Header[HeaderField::Observer] = "";
  input.Header[HeaderField::Conditions] = "9";
  input.Groups[0][1] = "Dkx";
  const StoreOutcome outcome = StoreRecord(db, input);
  EXPECT_FALSE(outcome.Stored);
  EXPECT_EQ(outcome.Messages.size(), 4u);
  EXPECT_EQ(outcome.FaultFields,
            (std::vector<HeaderField>{HeaderField::Observer, HeaderField::Conditions,
                                      HeaderField::QualityQ}));
  EXPECT_EQ(outcome.FocusField, HeaderField::Observer);
}

// A drawing stored unrated (before the editor asked) can still be corrected without a rating;
// a rating it has cannot be taken away.
TEST(StoreRecord, CorrectionKeepsAStoredZeroButRefusesANewOne) {
  for (const int stored : {0, 3}) {
    Database db = MakeEditorDatabase(3);
    db.Record(3).SetConditions(static_cast<std::uint8_t>(stored));
    db.WorkRecord = db.Record(3);
    RecordInput input = MakeTypedDrawing(EditorMode::Correction);
    input.Header[HeaderField::Date] = "03.03.2024";
    input.Header[HeaderField::Conditions] = "0";
    const StoreOutcome outcome = StoreRecord(db, input);
    EXPECT_EQ(outcome.Stored, stored == 0) << ::testing::PrintToString(outcome.Messages);
  }
}

TEST(StoreRecord, PolarDrawingIsConvertedAndAppendedInDateOrder) {
  Database db = MakeEditorDatabase(20);
  RecordInput input = MakeTypedDrawing();
  input.Header[HeaderField::Date] = "25.02.2024";  // earlier than every stored record
  input.Groups.push_back(
      {"2", "hsx", "1", "0", "s", "77", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Groups.push_back(
      {"3", "Axx", "1", "0", "J", "99", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Groups.push_back(
      {"4", "Cro", "2", "0", "12,5", "30", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Header[HeaderField::GroupCount] = "4";

  const StoreOutcome outcome = StoreRecord(db, input);

  ASSERT_TRUE(outcome.Stored) << ::testing::PrintToString(outcome.Messages);
  EXPECT_EQ(db.RecordCount, 21);
  EXPECT_TRUE(db.DataChanged);
  ASSERT_EQ(db.CurrentIndex, 1);
  EXPECT_EQ(db.Record(2).Date(), "01.03.2024");
  const ObservationRecord& stored = db.Record(db.CurrentIndex);
  EXPECT_EQ(stored.Date(), "25.02.2024");
  EXPECT_EQ(stored, db.WorkRecord);
  EXPECT_EQ(stored.GroupType(1), "Dkc");
  EXPECT_EQ(stored.GroupType(2), "Hsx");
  EXPECT_EQ(stored.Angle10(1), 300);
  EXPECT_EQ(stored.Distance10(1), 625);
  EXPECT_EQ(stored.Area(1), 204);
  EXPECT_EQ(stored.Aux1Position(1), 40 * 128 + 20);
  EXPECT_EQ(stored.Aux1Area(1), 41);  // 2 mm² * 20.4 = 40.8
  // Hemisphere markers, whatever column 5 holds.
  EXPECT_EQ(stored.Angle10(2), kNorthMarkerAngle10);
  EXPECT_EQ(stored.Distance10(2), kMarkerDistance10);
  EXPECT_EQ(stored.Angle10(3), kSouthMarkerAngle10);
  EXPECT_EQ(stored.Distance10(3), kMarkerDistance10);
  // The decimal comma.
  EXPECT_EQ(stored.Angle10(4), 125);
  EXPECT_EQ(outcome.Groups[3][4], "12.5");
  EXPECT_EQ(outcome.Groups[1][4], "s");

  const SolarEphemeris eph = Ephemeris({2024, 2, 25}, 1030);
  EXPECT_EQ(stored.Rotation(), static_cast<std::uint16_t>(eph.RotationNumber));
  EXPECT_EQ(stored.CentralL0(), static_cast<std::uint16_t>(eph.EphL0));
  EXPECT_EQ(stored.ResultWord(kResultTime), 1030);
  EXPECT_EQ(stored.Bytes[kConditionsCopyOffset], 2);
  EXPECT_EQ(stored.ResultWord(kGroupsN) + stored.ResultWord(kGroupsS), 4);
  EXPECT_EQ(stored.ResultWord(kSpotsN) + stored.ResultWord(kSpotsS), 9);
  EXPECT_GE(stored.ResultWord(kGroupsN), 1);  // the "s" group
  EXPECT_GE(stored.ResultWord(kGroupsS), 1);  // the "j" group
}

// A mistyped class with a diacritic ("Dkč") is kept as three whole characters, not cut inside a
// letter; the record still counts because its first group holds a listed class.
TEST(StoreRecord, GroupTypeWithDiacriticIsCutByCharacters) {
  Database db = MakeEditorDatabase(2);
  RecordInput input = MakeTypedDrawing();
  input.Groups.push_back(
      {"2", " dkčx", "1", "0", "s", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Header[HeaderField::GroupCount] = "2";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.Record(db.CurrentIndex).GroupType(2), "Dkč");
}

TEST(StoreRecord, OtherDrawingRadiusScalesDistancesAndAreas) {
  Database db = MakeEditorDatabase(3);
  db.DrawingRadius = 100.0f;
  RecordInput input = MakeTypedDrawing();
  input.Groups[0][5] = "50";
  input.Faculae.push_back({"", "90", "60", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
  input.Header[HeaderField::FacularCount] = "1";

  ASSERT_TRUE(StoreRecord(db, input).Stored);
  const ObservationRecord& stored = db.Record(db.CurrentIndex);
  EXPECT_EQ(stored.Distance10(1), 625);  // 50 mm of 100 is 62.5 mm of 125
  EXPECT_EQ(stored.Area(1), 255);        // 10 mm² * 20.4 * 1.25
  EXPECT_EQ(stored.FaculaVertex(1, 1), 90 * 128 + 60);
  EXPECT_EQ(stored.FaculaVertex(1, 2), 0);
  // A distance above the radius of 100 is refused although it fits the standard 125.
  input.Header[HeaderField::Date] = "16.04.2024";
  input.Groups[0][5] = "110";
  const StoreOutcome refused = StoreRecord(db, input);
  EXPECT_FALSE(refused.Stored);
  EXPECT_TRUE(Contains(refused.Messages, "Špatně zadaná vzdálenst u skupin max. 100"));
}

TEST(StoreRecord, CorrectionMayKeepItsDateAndOverwritesTheCurrentRecord) {
  Database db = MakeEditorDatabase(6);
  db.CurrentIndex = 4;
  db.Record(4).SetFaculaAreaText("1234");
  db.Record(4).Bytes[30] = 0x5A;  // reserved bytes travel with the record
  db.WorkRecord = db.Record(4);
  RecordInput input = MakeTypedDrawing(EditorMode::Correction);
  input.Header[HeaderField::Date] = "04.03.2024";

  const StoreOutcome outcome = StoreRecord(db, input);

  ASSERT_TRUE(outcome.Stored) << ::testing::PrintToString(outcome.Messages);
  EXPECT_EQ(db.RecordCount, 6);
  EXPECT_EQ(db.CurrentIndex, 4);
  EXPECT_EQ(db.Record(4).GroupType(1), "Dkc");
  EXPECT_EQ(db.Record(4).FaculaAreaText(), "1234");
  EXPECT_EQ(db.Record(4).Bytes[30], 0x5A);
  EXPECT_FALSE(db.Record(4).IsSpecial());
}

TEST(StoreRecord, NewDrawingDoesNotInheritTheMeasuredFacularArea) {
  Database db = MakeEditorDatabase(3);
  db.Record(3).SetFaculaAreaText("777");
  db.WorkRecord = db.Record(3);
  ASSERT_TRUE(StoreRecord(db, MakeTypedDrawing()).Stored);
  EXPECT_EQ(db.Record(db.CurrentIndex).FaculaAreaText(), "");
  EXPECT_EQ(db.Record(3).FaculaAreaText(), "777");
}

TEST(StoreRecord, SpecialRecordAndNewObserver) {
  Database db = MakeEditorDatabase(2);
  RecordInput input = MakeTypedDrawing(EditorMode::Special);
  input.Header[HeaderField::Kind] = std::string(kSpecialKind);
  input.Header[HeaderField::Observer] = "Zelený";
  ASSERT_TRUE(StoreRecord(db, input).Stored);
  EXPECT_EQ(db.Record(db.CurrentIndex).Kind(), "zvlášťní");
  EXPECT_NE(std::find(db.Observers.begin(), db.Observers.end(), "Zelený"), db.Observers.end());
  EXPECT_TRUE(std::is_sorted(db.Observers.begin(), db.Observers.end()));
}

TEST(StoreRecord, RunWarningAt199thRecordStillStores) {
  Database db = MakeEditorDatabase(10);
  RecordInput input = MakeTypedDrawing();
  // Day after day at the same place on the disk is no one group of the rotation: unnumbered.
  input.Groups[0][kGroupNumberColumn] = "0";
  int warnings = 0;
  for (int n = 1; n <= 199; ++n) {
    input.Header[HeaderField::Date] = FormatDate(DateFromSerial(DaySerial({2025, 1, 1}) + n));
    const StoreOutcome outcome = StoreRecord(db, input);
    ASSERT_TRUE(outcome.Stored) << n;
    const bool warned = Contains(outcome.Messages, kMsgRunWarning);
    EXPECT_EQ(warned, n == 199) << n;
    warnings += warned;
    EXPECT_EQ(outcome.RunCounter, n);
  }
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(db.RecordCount, 10 + 199);
}

TEST(StoreRecord, FullDatabaseRefusesAndEmptyDatabaseTakesTheFirstRecord) {
  Database full = MakeEditorDatabase(4, 0);
  const Database before = full;
  const StoreOutcome refused = StoreRecord(full, MakeTypedDrawing());
  EXPECT_FALSE(refused.Stored);
  EXPECT_FALSE(refused.Messages.empty());
  EXPECT_EQ(full.Records, before.Records);
  EXPECT_EQ(full.RecordCount, 4);
  EXPECT_EQ(full.WorkRecord, before.WorkRecord);

  Database empty = MakeEditorDatabase(0);
  const StoreOutcome stored = StoreRecord(empty, MakeTypedDrawing());
  ASSERT_TRUE(stored.Stored) << ::testing::PrintToString(stored.Messages);
  EXPECT_EQ(empty.RecordCount, 1);
  EXPECT_EQ(empty.CurrentIndex, 1);
  EXPECT_EQ(empty.Record(1).Observer(), "Novák");
}

// A new database holds only its settings record, dated today: the observer's own first drawing
// of today is not refused as a duplicate and takes the record's place with its settings.
TEST(StoreRecord, FirstDrawingOfANewDatabaseTakesThePlaceOfTheSettingsRecord) {
  test::TempFolder folder;
  Database db;
  LoadDatabase(db, folder.Path(), {2024, 4, 15});
  db.Mode = CoordinateMode::Polar;
  db.DrawingRadius = 100.0f;
  db.Record(1).SetRadiusWord(RadiusWordFor(db));
  db.WorkRecord.SetRadiusWord(RadiusWordFor(db));
  ASSERT_EQ(db.RecordCount, 0);

  const StoreOutcome stored = StoreRecord(db, MakeTypedDrawing());  // dated 15.04.2024
  ASSERT_TRUE(stored.Stored) << ::testing::PrintToString(stored.Messages);
  EXPECT_EQ(db.RecordCount, 1);
  EXPECT_EQ(db.CurrentIndex, 1);
  EXPECT_EQ(db.Record(1).Observer(), "Novák");
  EXPECT_EQ(db.Record(1).RadiusWord(), 100);
  ASSERT_FALSE(SaveDatabase(db, folder.Path()));
  Database reloaded;
  LoadDatabase(reloaded, folder.Path(), {2024, 4, 16});
  EXPECT_EQ(reloaded.RecordCount, 1);
  EXPECT_EQ(reloaded.Record(1).Observer(), "Novák");
  EXPECT_EQ(reloaded.Record(1).RadiusWord(), 100);
}

// The groups of a photographed drawing are clicked in after its header is stored.
TEST(StoreRecord, PhotographedDrawingHeaderIsStoredWithoutGroups) {
  Database db = MakeEditorDatabase(3);
  RecordInput input = MakeTypedDrawing();
  input.Header[HeaderField::GroupCount] = "0";
  input.Groups.clear();
  Database typedByHand = db;
  EXPECT_TRUE(StoreRecord(typedByHand, input).Stored) << "a spotless day is stored either way";
  input.PhotoEntry = true;
  const StoreOutcome outcome = StoreRecord(db, input);
  ASSERT_TRUE(outcome.Stored) << ::testing::PrintToString(outcome.Messages);
  EXPECT_EQ(db.Record(db.CurrentIndex).GroupCount(), 0);
  EXPECT_EQ(db.Record(db.CurrentIndex).Date(), "15.04.2024");
}

TEST(StoreRecord, CorrectionWithoutChosenRecordIsRefused) {
  Database db = MakeEditorDatabase(3);
  db.CurrentIndex = 0;
  const StoreOutcome outcome = StoreRecord(db, MakeTypedDrawing(EditorMode::Correction));
  EXPECT_FALSE(outcome.Stored);
  EXPECT_TRUE(Contains(outcome.Messages, kMsgNoRecordChosen));
}

}  // namespace
}  // namespace ardeno
