// SPDX-License-Identifier: GPL-3.0-or-later
// A data file whose drawings are not in date order (joined by hand, copied from another tool):
// the load puts them in order and says so, and the first save keeps the file as found.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/text/refusal.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

constexpr CalendarDate kToday{2024, 3, 15};

ObservationRecord Dated(const std::string& date, const std::string& station) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetObserver("Novák");
  record.SetStation(station);
  record.SetTimeUT(900);
  record.SetRadiusWord(125);
  return record;
}

// "date/station" pairs, written as a data file.
std::string FileOf(const std::vector<std::pair<std::string, std::string>>& drawings) {
  std::string bytes;
  for (const auto& [date, station] : drawings) {
    const ObservationRecord record = Dated(date, station);
    bytes.append(reinterpret_cast<const char*>(record.Bytes.data()), kRecordSize);
  }
  return bytes;
}

std::vector<std::string> Stations(const Database& db) {
  std::vector<std::string> stations;
  for (int i = 1; i <= db.RecordCount; ++i) stations.push_back(db.Record(i).Station());
  return stations;
}

struct OrderCase {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Drawings;
  int FirstOutOfOrder;              // 0: in order, nothing said
  std::vector<std::string> Loaded;  // stations in the loaded order
};

class DateOrderLoadTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(DateOrderLoadTest, LoadsInDateOrderAndSaysWhereTheFileWasNot) {
  Database db;
  const LoadReport report = LoadDatabaseFromBytes(db, FileOf(GetParam().Drawings), kToday);
  ASSERT_FALSE(report.Error);
  EXPECT_EQ(report.FirstOutOfOrder, GetParam().FirstOutOfOrder);
  EXPECT_EQ(Stations(db), GetParam().Loaded);
  EXPECT_EQ(db.SortedAtLoad, GetParam().FirstOutOfOrder > 0);
  EXPECT_EQ(db.WorkRecord, db.Record(db.RecordCount));
  if (GetParam().FirstOutOfOrder == 0) {
    EXPECT_FALSE(report.Warning);
    return;
  }
  ASSERT_TRUE(report.Warning);
  EXPECT_NE(report.Warning->find("nejsou seřazeny podle data (zákres č. " +
                                 std::to_string(GetParam().FirstOutOfOrder)),
            std::string::npos)
      << *report.Warning;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DateOrderLoadTest,
    ::testing::Values(
        OrderCase{"InOrder", {{"01.01.2020", "a"}, {"02.01.2020", "b"}}, 0, {"a", "b"}},
        OrderCase{"TwoSwapped",
                  {{"01.01.2020", "a"}, {"03.01.2020", "c"}, {"02.01.2020", "b"}},
                  3,
                  {"a", "b", "c"}},
        // Two files joined: a later decade first (2 monthly rows instead of 11 years before).
        OrderCase{
            "LaterYearsFirst",
            {{"01.01.2015", "c"}, {"01.01.2016", "d"}, {"01.01.2005", "a"}, {"01.01.2006", "b"}},
            3,
            {"a", "b", "c", "d"}},
        // Drawings of one day keep the order they were stored in.
        OrderCase{"EqualDatesKeepTheirOrder",
                  {{"02.01.2020", "b1"}, {"02.01.2020", "b2"}, {"01.01.2020", "a"}},
                  3,
                  {"a", "b1", "b2"}},
        // Days written with one digit are the same calendar days, not out of order.
        OrderCase{"ShortDayTextsAreCalendarDays",
                  {{"1.1.2020", "a"}, {"02.01.2020", "b"}, {"3.1.2020", "c"}},
                  0,
                  {"a", "b", "c"}}),
    [](const auto& info) { return info.param.Name; });

TEST(DateOrderLoad, TheFirstSaveKeepsTheFileAsFoundAndWritesTheOrder) {
  TempFolder folder;
  const std::string asFound =
      FileOf({{"03.01.2020", "c"}, {"01.01.2020", "a"}, {"02.01.2020", "b"}});
  folder.Write(kDataFileName, asFound);
  Database db;
  LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(db.SortedAtLoad);
  // Nothing kept yet: no save may write the new order over the only copy of the old one.
  EXPECT_EQ(SaveDatabase(db, folder.Path()), kSortedNotKeptMessage);
  EXPECT_EQ(folder.Read(kDataFileName), asFound);

  KeepFileAsFound(db, folder.Path(), report);
  EXPECT_FALSE(db.SortedAtLoad);
  EXPECT_EQ(folder.Read(kIgnoredRecordsFileName), asFound);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read(kDataFileName),
            FileOf({{"01.01.2020", "a"}, {"02.01.2020", "b"}, {"03.01.2020", "c"}}));
  // The backup is the data as the file held them.
  ASSERT_TRUE(Succeeded(WriteBackup(db, folder.Path())));
  EXPECT_EQ(folder.Read(kBackupFileName), asFound);
}

}  // namespace
}  // namespace ardeno
