// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/database_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/group_types.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

// A database holding one record per date text; the station field tells the records apart.
Database MakeDatabase(const std::vector<std::string>& dates, int extraCapacity = kExtraCapacity) {
  std::vector<ObservationRecord> records(dates.size());
  for (std::size_t i = 0; i < dates.size(); ++i) {
    records[i].SetDate(dates[i]);
    records[i].SetStation("st" + std::to_string(i + 1));
  }
  return test::DatabaseOf(std::move(records), extraCapacity);
}

std::vector<std::string> Stations(const Database& db) {
  std::vector<std::string> stations;
  for (int i = 1; i <= db.RecordCount; ++i) stations.push_back(db.Record(i).Station());
  return stations;
}

struct SortCase {
  std::string Name;
  std::vector<std::string> Dates;
  std::vector<std::string> ExpectedStations;
};

class SortRecordsTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortRecordsTest, OrdersByCalendarDateOnly) {
  Database db = MakeDatabase(GetParam().Dates);
  SortRecords(db);
  EXPECT_EQ(Stations(db), GetParam().ExpectedStations);
}

struct FollowCase {
  std::string Name;
  std::vector<std::string> Dates;
  int Follow;
  int Expected;
};

class SortFollowTest : public ::testing::TestWithParam<FollowCase> {};

TEST_P(SortFollowTest, TellsWhereTheStoredRecordWent) {
  Database db = MakeDatabase(GetParam().Dates);
  const std::string station = db.Record(GetParam().Follow).Station();
  const int now = SortRecords(db, GetParam().Follow);
  EXPECT_EQ(now, GetParam().Expected);
  EXPECT_EQ(db.Record(now).Station(), station);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortFollowTest,
    ::testing::Values(
        FollowCase{"MovedToTheFront", {"02.03.2020", "05.03.2020", "01.03.2020"}, 3, 1},
        FollowCase{"PushedBackByAnInsertion", {"02.03.2020", "05.03.2020", "01.03.2020"}, 2, 3},
        FollowCase{
            "SecondOfTheSameDate", {"01.03.2020", "03.03.2020", "03.03.2020", "04.03.2020"}, 3, 3},
        FollowCase{"AppendedBesideItsTwin",
                   {"01.03.2020", "03.03.2020", "04.03.2020", "03.03.2020"},
                   4,
                   3},
        FollowCase{"UntouchedBeforeTheMove", {"01.03.2020", "05.03.2020", "03.03.2020"}, 1, 1}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Cases, SortRecordsTest,
    ::testing::Values(
        SortCase{"TwoRecordsAreNeverSorted", {"05.03.2020", "01.03.2020"}, {"st1", "st2"}},
        SortCase{"ThirdEarlierRecordMovesToItsPlace",
                 {"01.03.2020", "05.03.2020", "03.03.2020"},
                 {"st1", "st3", "st2"}},
        SortCase{
            "NewFirstRecord", {"01.03.2020", "05.03.2020", "28.02.2020"}, {"st3", "st1", "st2"}},
        SortCase{"SameDateKeepsStorageOrder",
                 {"01.03.2020", "05.03.2020", "1.3.2020", "01.03.2020"},
                 {"st1", "st3", "st4", "st2"}},
        SortCase{"ComparesCalendarDatesNotTexts",
                 {"31.01.2020", "02.02.2020", "10.01.2021", "9.1.2021"},
                 {"st1", "st2", "st4", "st3"}},
        SortCase{"UnparsableDateStaysInPlace",
                 {"01.03.2020", "kaput", "02.03.2020", "01.01.2020"},
                 {"st4", "st1", "st2", "st3"}}),
    [](const auto& info) { return info.param.Name; });

TEST(FindRecordByDateTest, MatchesLengthAndBytesAndReturnsTheFirst) {
  Database db = MakeDatabase({"01.02.2020", "1.2.2020", "01.02.2020"});
  ObservationRecord probe;
  probe.SetDate("01.02.2020");
  EXPECT_EQ(FindRecordByDate(db, probe.DateRaw()), 1);
  probe.SetDate("1.2.2020");
  EXPECT_EQ(FindRecordByDate(db, probe.DateRaw()), 2);
  probe.SetDate("02.02.2020");
  EXPECT_EQ(FindRecordByDate(db, probe.DateRaw()), 0);
  // Beyond RecordCount nothing is found.
  db.RecordCount = 1;
  probe.SetDate("1.2.2020");
  EXPECT_EQ(FindRecordByDate(db, probe.DateRaw()), 0);
}

TEST(AppendWorkRecordTest, StoresUntilFullThenRefusesWithoutWriting) {
  Database db = MakeDatabase({"01.01.2020"}, 2);
  db.WorkRecord.SetDate("02.01.2020");
  EXPECT_TRUE(Succeeded(AppendWorkRecord(db)));
  EXPECT_TRUE(Succeeded(AppendWorkRecord(db)));
  ASSERT_EQ(db.RecordCount, 3);
  EXPECT_EQ(db.Record(3), db.WorkRecord);

  const std::vector<ObservationRecord> before = db.Records;
  const auto refusal = AppendWorkRecord(db);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(*refusal, kDatabaseFullMessage);
  EXPECT_EQ(db.RecordCount, 3);
  EXPECT_EQ(db.Records, before);
}

Database WithObservers(const std::vector<std::string>& names) {
  Database db = MakeDatabase(std::vector<std::string>(names.size(), "01.01.2020"));
  for (std::size_t i = 0; i < names.size(); ++i) db.Records[i].SetObserver(names[i]);
  return db;
}

TEST(CollectObserversTest, DistinctNamesInWindows1250ByteOrder) {
  // In Windows-1250 Š (0x8A) sorts before Č (0xC8), unlike in UTF-8; Z (0x5A) before both.
  Database db = WithObservers({"Čermák", "Zeman", "Šťastná", "Adam", "Zeman", ""});
  CollectObservers(db);
  EXPECT_EQ(db.Observers, (std::vector<std::string>{"Adam", "N", "Zeman", "Šťastná", "Čermák"}));
  EXPECT_EQ(db.Record(6).Observer(), "N");
}

TEST(CollectObserversTest, NamesNotAboveQuestionMarkAreLeftOut) {
  Database db = WithObservers({"1. pozorovatel", " Novák", "?", "?a", "@"});
  CollectObservers(db);
  EXPECT_EQ(db.Observers, (std::vector<std::string>{"?a", "@"}));
}

TEST(CollectObserversTest, KeepsAtMost199Names) {
  std::vector<std::string> names;
  for (int i = 0; i < 250; ++i) names.push_back("P" + std::to_string(1000 + i));
  Database db = WithObservers(names);
  CollectObservers(db);
  ASSERT_EQ(db.Observers.size(), 199u);
  EXPECT_EQ(db.Observers.front(), "P1000");
  EXPECT_EQ(db.Observers.back(), "P1198");

  AddObserver(db, "A");
  EXPECT_EQ(db.Observers.size(), 199u);
  EXPECT_EQ(db.Observers.front(), "P1000");
}

TEST(AddObserverTest, AddsOnceInOrder) {
  Database db = WithObservers({"Novák", "Černý"});
  CollectObservers(db);
  AddObserver(db, "Šimek");
  AddObserver(db, "Novák");
  AddObserver(db, "Beneš");
  EXPECT_EQ(db.Observers, (std::vector<std::string>{"Beneš", "Novák", "Šimek", "Černý"}));
}

// One record damaged in one way, and what the repair must leave.
struct RepairCase {
  std::string Name;
  void (*Damage)(ObservationRecord&);
  void (*Expect)(const ObservationRecord& before, const ObservationRecord& after);
  int Repairs;
};

class LoadRepairsTest : public ::testing::TestWithParam<RepairCase> {};

ObservationRecord SoundRecord() {
  ObservationRecord record;
  record.SetDate("12.05.2015");
  record.SetTimeUT(830);
  record.SetObserver("Novák");
  record.SetGroupCount(2);
  record.SetFacularCount(1);
  for (int k = 1; k <= 3; ++k) {
    record.SetGroupType(k, "Dkc");
    record.SetAngle10(k, static_cast<std::uint16_t>(100 * k));
    record.SetDistance10(k, static_cast<std::uint16_t>(200 * k));
    record.SetArea(k, static_cast<std::uint16_t>(50 * k));
  }
  record.Bytes[31] = 0xAB;  // reserved bytes must survive every repair
  record.Bytes[1773] = 0xCD;
  return record;
}

TEST_P(LoadRepairsTest, RepairsOnlyWhatTheRuleNames) {
  Database db = MakeDatabase({"12.05.2015"});
  db.Record(1) = SoundRecord();
  GetParam().Damage(db.Record(1));
  const ObservationRecord before = db.Record(1);
  EXPECT_EQ(ApplyLoadRepairs(db), GetParam().Repairs);
  GetParam().Expect(before, db.Record(1));
  EXPECT_EQ(db.Record(1).Bytes[31], 0xAB);
  EXPECT_EQ(db.Record(1).Bytes[1773], 0xCD);
  // A second pass finds nothing left to repair.
  EXPECT_EQ(ApplyLoadRepairs(db), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadRepairsTest,
    ::testing::Values(
        RepairCase{"SoundRecordUntouched", [](ObservationRecord&) {},
                   [](const ObservationRecord& b, const ObservationRecord& a) { EXPECT_EQ(a, b); },
                   0},
        RepairCase{"KindZvlastniBecomesSpecial",
                   [](ObservationRecord& r) { r.SetKind("zvlastni"); },
                   [](const ObservationRecord&, const ObservationRecord& a) {
                     EXPECT_EQ(a.Kind(), "zvlášťní");
                   },
                   1},
        RepairCase{"KindBelowZvlIsKept", [](ObservationRecord& r) { r.SetKind("zvl"); },
                   [](const ObservationRecord&, const ObservationRecord& a) {
                     EXPECT_EQ(a.Kind(), "zvl");
                   },
                   0},
        RepairCase{"EmptyObserverBecomesN", [](ObservationRecord& r) { r.SetObserver(""); },
                   [](const ObservationRecord&, const ObservationRecord& a) {
                     EXPECT_EQ(a.Observer(), "N");
                   },
                   1},
        RepairCase{"TimeZeroBecomesNoon", [](ObservationRecord& r) { r.SetTimeUT(0); },
                   [](const ObservationRecord&, const ObservationRecord& a) {
                     EXPECT_EQ(a.TimeUT(), 1200);
                   },
                   1},
        RepairCase{"NoGroupsZeroesEveryPosition", [](ObservationRecord& r) { r.SetGroupCount(0); },
                   [](const ObservationRecord& b, const ObservationRecord& a) {
                     for (int k = 1; k <= kMaxGroups; ++k) {
                       EXPECT_EQ(a.Angle10(k), 0) << k;
                       EXPECT_EQ(a.Distance10(k), 0) << k;
                       EXPECT_EQ(a.Area(k), b.Area(k)) << k;
                       EXPECT_EQ(a.GroupType(k), b.GroupType(k)) << k;
                     }
                   },
                   1},
        RepairCase{"CountsAbove40AreCut",
                   [](ObservationRecord& r) {
                     r.Bytes[14] = 200;
                     r.Bytes[15] = 41;
                   },
                   [](const ObservationRecord& b, const ObservationRecord& a) {
                     EXPECT_EQ(a.GroupCountRaw(), kMaxGroups);
                     EXPECT_EQ(a.FacularCountRaw(), kMaxFaculae);
                     ObservationRecord rest = a;
                     rest.Bytes[14] = b.Bytes[14];
                     rest.Bytes[15] = b.Bytes[15];
                     EXPECT_EQ(rest, b);
                   },
                   2}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace ardeno
