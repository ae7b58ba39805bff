// SPDX-License-Identifier: GPL-3.0-or-later
// The backup of the data as loaded comes from the data file kept open since the load, not from a
// copy in memory: whatever replaces the file's name afterwards, the backup holds the records as
// they were loaded, and a program that writes into the very file is noticed instead of backed up.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/database_ops.h"
#include "core/data/held_file.h"
#include "core/data/system_files.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr CalendarDate kToday{2024, 3, 15};

ObservationRecord Dated(const std::string& date) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetObserver("Novák");
  record.SetTimeUT(900);
  return record;
}

std::string Bytes(const std::vector<ObservationRecord>& records) {
  return test::RecordFileBytes(records);
}

// Three records; the second has no observer, which the load repairs in memory only.
std::vector<ObservationRecord> FileRecords() {
  std::vector<ObservationRecord> records = {Dated("01.02.2020"), Dated("02.02.2020"),
                                            Dated("03.02.2020")};
  records[1].SetObserver("");
  return records;
}

struct AfterLoad {
  const char* Name;
  // What happens to the data file between the load and the backup.
  std::function<void(Database&, const TempFolder&)> Change;
  bool BackupRefused = false;
};

class BackupAsLoaded : public ::testing::TestWithParam<AfterLoad> {};

TEST_P(BackupAsLoaded, HoldsTheFileAsLoadedOrRefusesWhenItWasWrittenInto) {
  TempFolder folder;
  const std::string original = Bytes(FileRecords());
  folder.Write(kDataFileName, original);
  Database db;
  ASSERT_FALSE(LoadDatabase(db, folder.Path(), kToday).Error);
  ApplyRadiusWord(db);
  EXPECT_TRUE(db.RecordsCopy.empty()) << "the load keeps no second copy of the records";

  GetParam().Change(db, folder);
  const Refusal refusal = WriteBackup(db, folder.Path());
  if (GetParam().BackupRefused && !kHeldFileIsACopy) {
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, kLoadedFileChangedMessage);
    EXPECT_FALSE(fs::exists(folder.Path() / kBackupFileName));
  } else {
    ASSERT_FALSE(refusal) << *refusal;
    EXPECT_EQ(folder.Read(kBackupFileName), original);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BackupAsLoaded,
    ::testing::Values(AfterLoad{"NothingChanged", [](Database&, const TempFolder&) {}},
                      AfterLoad{"SavedWithANewRecordAndACorrection",
                                [](Database& db, const TempFolder& folder) {
                                  db.WorkRecord = Dated("04.02.2020");
                                  ASSERT_FALSE(AppendWorkRecord(db));
                                  db.Record(1).SetObserver("Opraveno");
                                  ASSERT_FALSE(SaveDatabase(db, folder.Path()));
                                }},
                      AfterLoad{"RemovedFromTheFolder",
                                [](Database&, const TempFolder& folder) {
                                  fs::remove(folder.Path() / kDataFileName);
                                }},
                      AfterLoad{"ReplacedByAnotherWriterThroughARename",
                                [](Database&, const TempFolder& folder) {
                                  folder.Write("other.dat", Bytes({Dated("05.05.2021")}));
                                  fs::rename(folder.Path() / "other.dat",
                                             folder.Path() / kDataFileName);
                                }},
                      AfterLoad{"WrittenIntoByAnotherProgram",
                                [](Database&, const TempFolder& folder) {
                                  folder.Write(kDataFileName, Bytes({Dated("05.05.2021")}));
                                },
                                true}),
    [](const ::testing::TestParamInfo<AfterLoad>& info) { return std::string(info.param.Name); });

// Data that did not come from a file (a new database) are copied for the backup at once.
TEST(BackupAsLoadedTest, NewDatabaseKeepsItsFirstRecordForTheBackup) {
  TempFolder folder;
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  EXPECT_FALSE(db.LoadedFile);
  ASSERT_EQ(db.RecordsCopy.size(), 1u);
  EXPECT_EQ(db.RecordsCopy[0].Date(), FormatDate(kToday));
}

// A file that became shorter than the records asked for is an error, not a short read.
TEST(BackupAsLoadedTest, ReadingMoreRecordsThanTheFileHoldsFails) {
  TempFolder folder;
  folder.Write(kDataFileName, Bytes(FileRecords()));
  std::error_code error;
  const int descriptor = OpenForReading(folder.Path() / kDataFileName, error);
  ASSERT_GE(descriptor, 0) << error.message();
  const HeldFile file(descriptor);
  std::vector<ObservationRecord> records;
  EXPECT_FALSE(file.ReadRecords(3, records));
  EXPECT_EQ(records, FileRecords());
  EXPECT_TRUE(file.ReadRecords(4, records));
}

}  // namespace
}  // namespace ardeno
