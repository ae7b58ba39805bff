// SPDX-License-Identifier: GPL-3.0-or-later
// A rotation group number typed for a group that another drawing of the rotation gives to a
// group far away: the editor warns, names that drawing and offers the next free number; the
// same group seen again, another rotation or a number the observer keeps store as typed.
#include "core/entry/group_number_clash.h"

#include <gtest/gtest.h>

#include <string>

#include "core/entry/record_input.h"
#include "core/maps/map_sightings.h"
#include "support/editor_inputs.h"
#include "support/map_records.h"

namespace ardeno {
namespace {

using test::AddGroup;
using test::MakeTypedDrawing;
using test::MapRecord;

// The typed drawing's group (15.04.2024 10:30, 30.0 degrees, 62.5 mm) in Carrington degrees.
MapPlace TypedGroupPlace() {
  const SolarEphemeris eph = Ephemeris({2024, 4, 15}, 1030);
  const HeliographicPosition p = PolarToHeliographic(eph, 300, 625);
  return {p.HelioLongitude, p.HelioLatitude};
}

// One drawing of `date` with groups 1 and 2 near the typed group's latitude and group 5 at the
// typed group's place moved by dl, db.
Database DatabaseWithGroupFive(const CalendarDate& date, double dl, double db) {
  const MapPlace typed = TypedGroupPlace();
  ObservationRecord other = MapRecord(date, 900);
  other.SetObserver("Černá");
  other.SetStation("Ondřejov");
  AddGroup(other, 1, typed.Longitude + 20, typed.Latitude, 100);
  AddGroup(other, 2, typed.Longitude + 40, typed.Latitude, 100);
  AddGroup(other, 5, typed.Longitude + dl, typed.Latitude + db, 100);
  Database data = test::DatabaseOf({other});
  data.ChooseRecord(1);
  CollectObservers(data);
  return data;
}

struct ClashCase {
  std::string Name;
  CalendarDate OtherDate;
  double Dl, Db;
  std::string TypedNumber;
  bool Warned;
};

class SharedNumberAtEntry : public ::testing::TestWithParam<ClashCase> {};

TEST_P(SharedNumberAtEntry, WarnsOnlyForAFarGroupOfTheSameRotation) {
  const ClashCase& c = GetParam();
  Database db = DatabaseWithGroupFive(c.OtherDate, c.Dl, c.Db);
  RecordInput input = MakeTypedDrawing();
  input.Groups[0][kGroupNumberColumn] = c.TypedNumber;
  const StoreOutcome outcome = StoreRecord(db, input);
  EXPECT_EQ(outcome.Stored, !c.Warned) << ::testing::PrintToString(outcome.Messages);
  if (!c.Warned) return;
  EXPECT_EQ(db.RecordCount, 1) << "nothing stored while the observer chooses";
  ASSERT_EQ(outcome.Messages.size(), 1u);
  EXPECT_NE(outcome.Messages[0].find("zákres 14.04.2024 09:00"), std::string::npos)
      << outcome.Messages[0];
  EXPECT_NE(outcome.Messages[0].find("Navrženo další volné číslo 3"), std::string::npos)
      << "1, 2 and 5 are taken in the rotation";
  EXPECT_EQ(outcome.Groups[0][kGroupNumberColumn], "3");
  EXPECT_EQ(outcome.FaultCell, (GridCell{EditorGrid::Groups, 1, kGroupNumberColumn}));
  EXPECT_EQ(outcome.WarnedGroupNumbers, (std::vector<KeptGroupNumber>{{1, 5}}));
}

INSTANTIATE_TEST_SUITE_P(
    Places, SharedNumberAtEntry,
    ::testing::Values(ClashCase{"FarEastTheDayBefore", {2024, 4, 14}, 60, 0, "5", true},
                      ClashCase{"OtherHemisphere", {2024, 4, 14}, 0, -30, "5", true},
                      ClashCase{"SameGroupTheDayBefore", {2024, 4, 14}, 3, 1, "5", false},
                      ClashCase{"OtherNumber", {2024, 4, 14}, 60, 0, "6", false},
                      ClashCase{"Unnumbered", {2024, 4, 14}, 60, 0, "0", false},
                      // A month earlier the number belongs to another rotation.
                      ClashCase{"PreviousRotation", {2024, 3, 16}, 60, 0, "5", false}),
    [](const auto& info) { return info.param.Name; });

TEST(SharedNumberAtEntry, ConfirmedAgainStoresTheSuggestionOrTheKeptNumber) {
  Database db = DatabaseWithGroupFive({2024, 4, 14}, 60, 0);
  RecordInput input = MakeTypedDrawing();
  const StoreOutcome warned = StoreRecord(db, input);
  ASSERT_FALSE(warned.Stored);

  // Confirmed with the suggested number in its cell.
  Database suggested = db;
  RecordInput again = input;
  again.Groups = warned.Groups;
  again.KeptGroupNumbers = warned.WarnedGroupNumbers;
  ASSERT_TRUE(StoreRecord(suggested, again).Stored);
  EXPECT_EQ(suggested.Record(suggested.CurrentIndex).RotationGroupNumber(1), 3);

  // The original number typed back: the observer meant it, it is stored.
  Database kept = db;
  RecordInput typedBack = input;
  typedBack.KeptGroupNumbers = warned.WarnedGroupNumbers;
  ASSERT_TRUE(StoreRecord(kept, typedBack).Stored);
  EXPECT_EQ(kept.Record(kept.CurrentIndex).RotationGroupNumber(1), 5);

  // A correction that leaves the group as it was does not warn again.
  RecordInput correction = input;
  correction.Mode = EditorMode::Correction;
  correction.Header[HeaderField::Conditions] = "3";
  const StoreOutcome corrected = StoreRecord(kept, correction);
  EXPECT_TRUE(corrected.Stored) << ::testing::PrintToString(corrected.Messages);
}

}  // namespace
}  // namespace ardeno
