// SPDX-License-Identifier: GPL-3.0-or-later
// The database commands of the drawing window: merging another data file, the duplicate-date
// check, facular fields taken from another file, and recomputing every results block.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/data/database_ops.h"
#include "core/data/equal_dates.h"
#include "core/data/facula_transfer.h"
#include "core/data/merge_records.h"
#include "core/data/record_file.h"
#include "core/solar/day_results.h"
#include "core/solar/recompute_results.h"
#include "core/text/dates.h"
#include "sample/sample_database.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

ObservationRecord Dated(const std::string& date, const std::string& station = {}) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetStation(station);
  record.SetObserver("Novák");
  record.SetTimeUT(1000);
  return record;
}

Database MakeDatabase(const std::vector<std::string>& dates, int extraCapacity = kExtraCapacity) {
  Database db;
  db.Records.resize(dates.size() + static_cast<std::size_t>(extraCapacity));
  for (std::size_t i = 0; i < dates.size(); ++i)
    db.Records[i] = Dated(dates[i], "st" + std::to_string(i + 1));
  db.RecordCount = db.RecordCountAtLoad = static_cast<int>(dates.size());
  db.CurrentIndex = 1;
  return db;
}

std::vector<ObservationRecord> Records(const std::vector<std::string>& dates,
                                       const std::string& station) {
  std::vector<ObservationRecord> records;
  for (const std::string& date : dates) records.push_back(Dated(date, station));
  return records;
}

void WriteRecords(const std::filesystem::path& file, int count) {
  std::vector<ObservationRecord> records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) records[static_cast<std::size_t>(i)].SetDate("01.01.1990");
  ASSERT_FALSE(WriteRecordFile(file, records));
}

struct MergeFileCase {
  std::string Name;
  int Count = 0;
  bool Accepted = false;
};

class ReadMergeFileTest : public ::testing::TestWithParam<MergeFileCase> {};

TEST_P(ReadMergeFileTest, FewerThan1999DrawingsAreAccepted) {
  test::TempFolder folder;
  const auto file = folder.Path() / "jiny.dat";
  WriteRecords(file, GetParam().Count);
  const auto read = ReadMergeFile(file);
  if (GetParam().Accepted) {
    ASSERT_TRUE(std::holds_alternative<std::vector<ObservationRecord>>(read));
    EXPECT_EQ(std::get<std::vector<ObservationRecord>>(read).size(),
              static_cast<std::size_t>(GetParam().Count));
  } else {
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), kMergeLimitMessage);
  }
}

INSTANTIATE_TEST_SUITE_P(Limit, ReadMergeFileTest,
                         ::testing::Values(MergeFileCase{"One", 1, true},
                                           MergeFileCase{"Records1998", 1998, true},
                                           MergeFileCase{"Records1999", 1999, false},
                                           MergeFileCase{"Records2500", 2500, false}),
                         [](const auto& info) { return info.param.Name; });

TEST(ReadMergeFile, AMissingFileIsReportedInCzech) {
  test::TempFolder folder;
  const auto read = ReadMergeFile(folder.Path() / "neni.dat");
  ASSERT_TRUE(std::holds_alternative<std::string>(read));
  EXPECT_NE(std::get<std::string>(read).find("neni.dat nelze přečíst"), std::string::npos);
}

TEST(MergeRecords, EqualDatesAreCountedByteForByteAndLeftOutOnRequest) {
  Database db = MakeDatabase({"01.03.2020", "05.03.2020"});
  // "1.3.2020" is the same day but another text: it is not an equal date.
  const auto added = Records({"05.03.2020", "03.03.2020", "1.3.2020"}, "new");
  EXPECT_EQ(CountEqualDates(db, added), 1);
  EXPECT_EQ(EqualDatesQuestion(1), "V přidaných datech jsou shodné datumy 1x! Vyločit je?");

  const auto outcome = MergeRecords(db, added, true);
  ASSERT_TRUE(std::holds_alternative<MergeOutcome>(outcome));
  EXPECT_EQ(std::get<MergeOutcome>(outcome).Added, 2);
  EXPECT_EQ(std::get<MergeOutcome>(outcome).LeftOut, 1);
  ASSERT_EQ(db.RecordCount, 4);
  std::vector<std::string> order;
  for (int i = 1; i <= db.RecordCount; ++i) order.push_back(db.Record(i).Date());
  EXPECT_EQ(order,
            (std::vector<std::string>{"01.03.2020", "1.3.2020", "03.03.2020", "05.03.2020"}));
  EXPECT_TRUE(db.DataChanged);
  EXPECT_EQ(db.CurrentIndex, 4);
  EXPECT_EQ(db.WorkRecord, db.Record(4));
}

TEST(MergeRecords, KeepingEqualDatesAddsThemAll) {
  Database db = MakeDatabase({"01.03.2020", "05.03.2020"});
  const auto outcome = MergeRecords(db, Records({"05.03.2020", "01.03.2020"}, "new"), false);
  ASSERT_TRUE(std::holds_alternative<MergeOutcome>(outcome));
  EXPECT_EQ(db.RecordCount, 4);
  // Records of the same date keep their order: the database's first.
  EXPECT_EQ(db.Record(1).Station(), "st1");
  EXPECT_EQ(db.Record(2).Station(), "new");
}

TEST(MergeRecords, EmptyPlacesOfTheOtherFileAreNeverAdded) {
  Database db = MakeDatabase({"01.03.2020"});
  std::vector<ObservationRecord> added = Records({"02.03.2020"}, "new");
  added.emplace_back();  // an unused place at the end of the other file
  const auto outcome = MergeRecords(db, added, false);
  EXPECT_EQ(std::get<MergeOutcome>(outcome).Added, 1);
  EXPECT_EQ(db.RecordCount, 2);
}

TEST(MergeRecords, MoreThanTheDatabaseCanHoldChangesNothing) {
  Database db = MakeDatabase({"01.03.2020", "02.03.2020"}, 1);
  const Database before = db;
  const auto outcome = MergeRecords(db, Records({"03.03.2020", "04.03.2020"}, "new"), false);
  ASSERT_TRUE(std::holds_alternative<std::string>(outcome));
  EXPECT_EQ(std::get<std::string>(outcome), kDatabaseFullMessage);
  EXPECT_EQ(db.RecordCount, 2);
  EXPECT_EQ(db.Records, before.Records);
  EXPECT_FALSE(db.DataChanged);
}

// A drawing of the other file that a load would stop at or change is named and left out; the
// good drawings beside it are added.
struct RefusedDrawingCase {
  std::string Name;
  std::function<void(ObservationRecord&)> Spoil;
  std::string Named;  // a piece of the refusal text
};

class MergeRefusesDrawingTest : public ::testing::TestWithParam<RefusedDrawingCase> {};

TEST_P(MergeRefusesDrawingTest, TheBadDrawingIsNamedAndTheOthersAreAdded) {
  Database db = MakeDatabase({"01.03.2020", "05.03.2020"});
  std::vector<ObservationRecord> added = Records({"02.03.2020", "03.03.2020", "04.03.2020"}, "new");
  GetParam().Spoil(added[1]);
  const auto merged = MergeRecords(db, added, false);
  ASSERT_TRUE(std::holds_alternative<MergeOutcome>(merged));
  const MergeOutcome& outcome = std::get<MergeOutcome>(merged);
  EXPECT_EQ(outcome.Added, 2);
  EXPECT_EQ(outcome.Refused, 1);
  EXPECT_NE(outcome.RefusedMessage.find("č. 2 "), std::string::npos) << outcome.RefusedMessage;
  EXPECT_NE(outcome.RefusedMessage.find(GetParam().Named), std::string::npos)
      << outcome.RefusedMessage;
  ASSERT_EQ(db.RecordCount, 4);
  for (int i = 1; i <= db.RecordCount; ++i) EXPECT_TRUE(ParseDate(db.Record(i).Date()));
  EXPECT_EQ(db.Record(2).Date(), "02.03.2020");
  EXPECT_EQ(db.Record(3).Date(), "04.03.2020");
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MergeRefusesDrawingTest,
    ::testing::Values(
        RefusedDrawingCase{"UnreadableDate", [](ObservationRecord& r) { r.SetDate("3x.03.2020"); },
                           "nečitelným"},
        RefusedDrawingCase{"TwoHundredFourteenGroups",
                           [](ObservationRecord& r) { r.SetGroupCount(214); }, "214 skupin"},
        RefusedDrawingCase{"FacularCountAbove40",
                           [](ObservationRecord& r) { r.SetFacularCount(41); }, "41 fakulí"},
        RefusedDrawingCase{"ImpossibleTime", [](ObservationRecord& r) { r.SetTimeUT(2475); },
                           "čas 2475"},
        RefusedDrawingCase{"TwoDigitYear", [](ObservationRecord& r) { r.SetDate("03.03.20"); },
                           "neúplným letopočtem"}),
    [](const auto& info) { return info.param.Name; });

TEST(MergeRecords, NothingRefusedLeavesTheMessageEmpty) {
  Database db = MakeDatabase({"01.03.2020"});
  const auto merged = MergeRecords(db, Records({"02.03.2020"}, "new"), false);
  EXPECT_EQ(std::get<MergeOutcome>(merged).Refused, 0);
  EXPECT_TRUE(std::get<MergeOutcome>(merged).RefusedMessage.empty());
}

TEST(MergeRecords, AddedDrawingsGetTheRepairsOfALoad) {
  Database db = MakeDatabase({"01.03.2020"});
  std::vector<ObservationRecord> added = Records({"02.03.2020"}, "new");
  added[0].SetTimeUT(0);
  added[0].SetObserver("");
  MergeRecords(db, added, false);
  EXPECT_EQ(db.Record(2).TimeUT(), 1200);
  EXPECT_EQ(db.Record(2).Observer(), "N");
}

// The other file's first drawing carries that file's radius and mode; when it becomes record 1
// of the merged database, the database's own settings stay.
struct MergedSettingsCase {
  std::string Name;
  std::uint16_t DatabaseWord = 0;
  std::uint16_t OtherWord = 0;
};

class MergeKeepsSettingsTest : public ::testing::TestWithParam<MergedSettingsCase> {};

TEST_P(MergeKeepsSettingsTest, RecordOneKeepsTheDatabaseWord) {
  Database db = MakeDatabase({"05.03.2020", "06.03.2020"});
  db.Record(1).SetRadiusWord(GetParam().DatabaseWord);
  std::vector<ObservationRecord> added = Records({"01.03.2020", "07.03.2020"}, "new");
  for (auto& record : added) record.SetRadiusWord(GetParam().OtherWord);
  MergeRecords(db, added, false);
  ASSERT_EQ(db.Record(1).Date(), "01.03.2020");
  EXPECT_EQ(db.Record(1).RadiusWord(), GetParam().DatabaseWord);
  EXPECT_EQ(db.Record(1).Station(), "new");
}

INSTANTIATE_TEST_SUITE_P(Words, MergeKeepsSettingsTest,
                         ::testing::Values(MergedSettingsCase{"PolarOverHeliographic", 125, 1200},
                                           MergedSettingsCase{"HeliographicOverPolar", 1150, 90},
                                           MergedSettingsCase{"NotChosenStaysNotChosen", 0, 1125}),
                         [](const auto& info) { return info.param.Name; });

struct EqualDatesCase {
  std::string Name;
  std::vector<std::string> Dates;
  std::vector<int> Reported;
};

class EqualNeighbourTest : public ::testing::TestWithParam<EqualDatesCase> {};

TEST_P(EqualNeighbourTest, ReportsEveryDrawingWithAnEqualNeighbour) {
  const Database db = MakeDatabase(GetParam().Dates);
  EXPECT_EQ(RecordsWithEqualNeighbour(db), GetParam().Reported);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EqualNeighbourTest,
    ::testing::Values(
        // Three in a row: the middle one and each outer one, one message each.
        EqualDatesCase{"ThreeInTheMiddle",
                       {"01.03.2020", "02.03.2020", "02.03.2020", "02.03.2020", "05.03.2020"},
                       {2, 3, 4}},
        EqualDatesCase{"PairAtBothEnds",
                       {"01.03.2020", "01.03.2020", "03.03.2020", "04.03.2020", "04.03.2020"},
                       {1, 2, 4, 5}},
        EqualDatesCase{"OnlyTwoDrawings", {"01.03.2020", "01.03.2020"}, {1, 2}},
        EqualDatesCase{"SameDayOtherText", {"01.03.2020", "1.3.2020", "02.03.2020"}, {}},
        EqualDatesCase{"AllDifferent", {"01.03.2020", "02.03.2020", "03.03.2020"}, {}}),
    [](const auto& info) { return info.param.Name; });

TEST(EqualDates, MessageNamesTheDate) {
  EXPECT_EQ(EqualDateMessage(Dated("02.03.2020")), "Shodné datumy !     02.03.2020");
}

TEST(TakeFacularFields, FieldsOfTheSameDateAreCopiedWithTheCount) {
  Database db = MakeDatabase({"01.03.2020", "2.3.2020"});
  db.Record(2).SetKind("zvlášťní");
  db.Record(2).SetFaculaVertex(1, 1, 10 * 128 + 50);
  std::vector<ObservationRecord> other = Records({"02.03.2020", "07.03.2020"}, "other");
  other[0].SetFacularCount(2);
  other[0].SetFaculaVertex(1, 1, 10 * 128 + 50);  // the same as the database's: not copied
  other[0].SetFaculaVertex(1, 2, 11 * 128 + 50);
  other[0].SetFaculaVertex(2, 1, 20 * 128 + 60);
  other[0].SetFaculaVertex(2, 2, 21 * 128 + 61);
  other[1].SetFaculaVertex(1, 1, 30 * 128 + 70);  // no drawing of that date
  EXPECT_EQ(TakeFacularFields(db, other), 1);
  const ObservationRecord& target = db.Record(2);
  EXPECT_EQ(target.Date(), "02.03.2020");  // written with leading zeros
  EXPECT_EQ(target.FacularCount(), 2);
  EXPECT_EQ(target.FaculaVertex(1, 2), 0);  // field 1 was equal: left alone
  EXPECT_EQ(target.FaculaVertex(2, 1), 20 * 128 + 60);
  EXPECT_EQ(target.FaculaVertex(2, 2), 21 * 128 + 61);
  EXPECT_EQ(target.Kind(), "");
  EXPECT_EQ(db.Record(1).FacularCount(), 0);
  EXPECT_TRUE(db.DataChanged);
}

// A day drawn twice (morning and afternoon): both drawings take the other file's fields.
TEST(TakeFacularFields, EveryDrawingOfTheDateTakesTheFields) {
  Database db = MakeDatabase({"01.03.2020", "02.03.2020", "2.3.2020", "03.03.2020"});
  std::vector<ObservationRecord> other = Records({"02.03.2020"}, "other");
  other[0].SetFacularCount(1);
  other[0].SetFaculaVertex(1, 1, 10 * 128 + 50);
  other[0].SetFaculaVertex(1, 2, 12 * 128 + 55);
  EXPECT_EQ(TakeFacularFields(db, other), 2);
  for (int i : {2, 3}) {
    EXPECT_EQ(db.Record(i).FacularCount(), 1) << "record " << i;
    EXPECT_EQ(db.Record(i).FaculaVertex(1, 2), 12 * 128 + 55) << "record " << i;
  }
  for (int i : {1, 4}) EXPECT_EQ(db.Record(i).FacularCount(), 0) << "record " << i;
}

TEST(TakeFacularFields, NothingToTakeLeavesTheDataUnchanged) {
  Database db = MakeDatabase({"01.03.2020"});
  std::vector<ObservationRecord> other = Records({"01.03.2020"}, "other");
  EXPECT_EQ(TakeFacularFields(db, other), 0);
  EXPECT_FALSE(db.DataChanged);
}

constexpr std::size_t kResultsEnd = kResultsOffset + kResultsSize;

TEST(RecomputeAllResults, OnASampleOnlyTheResultsBlocksChange) {
  const std::vector<ObservationRecord> sample = GenerateSampleRecords(400, 11, {2014, 1, 1});
  Database db;
  db.Records = sample;
  db.Records.resize(sample.size() + 10);
  db.RecordCount = static_cast<int>(sample.size());
  // Damage every results block, as a file edited by another program may hold them.
  for (int i = 1; i <= db.RecordCount; ++i)
    for (std::size_t b = kResultsOffset; b < kResultsEnd - 1; ++b) db.Record(i).Bytes[b] = 0xA5;
  db.CurrentIndex = 7;
  const RecomputeOutcome outcome = RecomputeAllResults(db);
  EXPECT_EQ(outcome.Recomputed, db.RecordCount);
  EXPECT_EQ(outcome.TimeRepairs, 0);
  EXPECT_TRUE(db.DataChanged);
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const ObservationRecord& original = sample[static_cast<std::size_t>(i - 1)];
    ASSERT_TRUE(std::equal(record.Bytes.begin(), record.Bytes.begin() + kResultsOffset,
                           original.Bytes.begin()))
        << "record " << i;
    // The generator stores the results as the editor does; the recompute gives them back.
    ASSERT_EQ(record.ResultsBlock(), original.ResultsBlock()) << "record " << i;
  }
  EXPECT_EQ(db.WorkRecord, db.Record(7));
}

TEST(RecomputeAllResults, ATimeOfZeroBecomesNoonAndABadDateIsLeftAlone) {
  Database db = MakeDatabase({"01.03.2020", "31.02.2020"});
  db.Record(1).SetTimeUT(0);
  db.Record(2).SetResultWord(kGroupsN, 77);
  const RecomputeOutcome outcome = RecomputeAllResults(db);
  EXPECT_EQ(outcome.TimeRepairs, 1);
  EXPECT_EQ(outcome.UnreadableDates, 1);
  EXPECT_EQ(db.Record(1).TimeUT(), 1200);
  EXPECT_EQ(db.Record(1).ResultWord(kResultTime), 1200);
  EXPECT_EQ(db.Record(2).ResultWord(kGroupsN), 77);
}

}  // namespace
}  // namespace ardeno
