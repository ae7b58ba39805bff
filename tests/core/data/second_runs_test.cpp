// SPDX-License-Identifier: GPL-3.0-or-later
// Writers run a second time or against what was planted: an output name that is a link, the
// same drawings merged twice or the database merged into itself, one data file reached through
// two folders, and a series of files replaced by a run that was killed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/folder_files_swap.h"
#include "core/data/folder_lock.h"
#include "core/data/merge_records.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(ReplaceOutputFile, ALinkAtTheNameIsRefusedAndItsTargetKept) {
  TempFolder folder;
  folder.Write("other/datax.dat", "database");
  if (!test::MakeSymlink(folder.Path() / "other/datax.dat", folder.Path() / "groups.csv"))
    GTEST_SKIP() << "no symbolic links here";
  const std::error_code error = ReplaceOutputFile(folder.Path() / "groups.csv", "a,b\n");
  EXPECT_EQ(error, OutputLinkError());
  EXPECT_NE(FileErrorText(error).find("odkaz"), std::string::npos);
  EXPECT_EQ(folder.Read("other/datax.dat"), "database");
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "groups.csv"));
  // A set is refused whole when one of its names is a link.
  const auto failure = ReplaceOutputFileSet(
      {{folder.Path() / "days.csv", "d"}, {folder.Path() / "groups.csv", "g"}});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->File, folder.Path() / "groups.csv");
  EXPECT_FALSE(fs::exists(folder.Path() / "days.csv"));
  // A plain name is written as before.
  EXPECT_FALSE(ReplaceOutputFile(folder.Path() / "days.csv", "d\n"));
  EXPECT_EQ(folder.Read("days.csv"), "d\n");
}

ObservationRecord Drawing(const std::string& date, const std::string& station) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetStation(station);
  record.SetTimeUT(1000);
  return record;
}

Database DatabaseOf(const std::vector<ObservationRecord>& records) {
  Database db;
  db.Records.resize(records.size() + 20);
  for (const ObservationRecord& record : records) db.Record(++db.RecordCount) = record;
  db.RecordCountAtLoad = db.RecordCount;
  db.CurrentIndex = 1;
  return db;
}

TEST(MergeRecords, ADrawingAlreadyThereByteForByteIsNotAddedAgain) {
  const std::vector<ObservationRecord> own = {Drawing("01.03.2020", "st1"),
                                              Drawing("02.03.2020", "st1")};
  const struct {
    const char* Name;
    std::vector<ObservationRecord> Added;
    int ExpectedAdded;
    int ExpectedDuplicates;
  } cases[] = {
      {"the database itself", own, 0, 2},
      {"one equal, one of another station", {own[0], Drawing("02.03.2020", "st2")}, 1, 1},
      {"the same drawing twice in the file",
       {Drawing("03.03.2020", "x"), Drawing("03.03.2020", "x")},
       1,
       1},
  };
  for (const auto& c : cases) {
    Database db = DatabaseOf(own);
    const auto merged = MergeRecords(db, c.Added, false);
    ASSERT_TRUE(std::holds_alternative<MergeOutcome>(merged)) << c.Name;
    const MergeOutcome& outcome = std::get<MergeOutcome>(merged);
    EXPECT_EQ(outcome.Added, c.ExpectedAdded) << c.Name;
    EXPECT_EQ(outcome.Duplicates, c.ExpectedDuplicates) << c.Name;
    EXPECT_EQ(db.RecordCount, 2 + c.ExpectedAdded) << c.Name;
  }
}

TEST(RefuseOwnDataFile, TheFolderOwnFileByAnyPathIsRefused) {
  TempFolder folder;
  folder.Write("data/datax.dat", "x");
  folder.Write("copy.dat", "x");
  if (!test::MakeSymlink(folder.Path() / "data/datax.dat", folder.Path() / "link.dat"))
    GTEST_SKIP() << "no symbolic links here";
  const fs::path data = folder.Path() / "data";
  EXPECT_TRUE(RefuseOwnDataFile(data / "datax.dat", data));
  EXPECT_TRUE(RefuseOwnDataFile(data / "../data/./datax.dat", data));
  EXPECT_TRUE(RefuseOwnDataFile(folder.Path() / "link.dat", data));
  EXPECT_FALSE(RefuseOwnDataFile(folder.Path() / "copy.dat", data));
  EXPECT_FALSE(RefuseOwnDataFile(folder.Path() / "missing.dat", data));
}

TEST(LockDataFolder, AFolderWhoseDataFileIsALinkHoldsTheRealFolderToo) {
  TempFolder folder;
  folder.Write("a/datax.dat", "x");
  fs::create_directories(folder.Path() / "b");
  if (!test::MakeSymlink("../a/datax.dat", folder.Path() / "b/datax.dat"))
    GTEST_SKIP() << "no symbolic links here";
  constexpr std::chrono::milliseconds kNoWait{0};
  {
    FolderLockAttempt throughLink = LockDataFolder(folder.Path() / "b", "b", kNoWait);
    ASSERT_FALSE(throughLink.Refused);
    const FolderLockAttempt real = LockDataFolder(folder.Path() / "a", "a", kNoWait);
    ASSERT_TRUE(real.Refused);
    EXPECT_NE(real.Refused->find("b ("), std::string::npos) << *real.Refused;
  }
  FolderLockAttempt real = LockDataFolder(folder.Path() / "a", "a", kNoWait);
  EXPECT_FALSE(real.Refused);
  EXPECT_TRUE(LockDataFolder(folder.Path() / "b", "b", kNoWait).Refused);
}

// What a killed run of ReplaceFolderFiles leaves: the next writer ends with the whole new
// series (journal written) or the whole old one (no journal), and nothing of the dead run.
TEST(RecoverFolderFiles, FinishesAJournaledRunAndThrowsAwayAnUnfinishedOne) {
  const struct {
    const char* Name;
    bool Journal;
    bool FirstRenamed;  // the run was killed after its first rename
    const char* ExpectedA;
    const char* ExpectedB;
  } cases[] = {
      {"killed while staging", false, false, "old a", "old b"},
      {"killed before the renames", true, false, "new a", "new b"},
      {"killed between the renames", true, true, "new a", "new b"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    folder.Write("SIDC/a.dat", c.FirstRenamed ? "new a" : "old a");
    folder.Write("SIDC/b.dat", "old b");
    folder.Write("SIDC/a.dat.4711-1.tmp", "older writer");
    if (!c.FirstRenamed)
      folder.Write(std::string("SIDC/") + kStagingFolderName + "/a.dat", "new a");
    folder.Write(std::string("SIDC/") + kStagingFolderName + "/b.dat", "new b");
    if (c.Journal) folder.Write(std::string("SIDC/") + kSwapJournalName, "a.dat\nb.dat\n../x\n");
    const fs::path sidc = folder.Path() / "SIDC";
    EXPECT_FALSE(RecoverFolderFiles(sidc)) << c.Name;
    EXPECT_EQ(folder.Read("SIDC/a.dat"), c.ExpectedA) << c.Name;
    EXPECT_EQ(folder.Read("SIDC/b.dat"), c.ExpectedB) << c.Name;
    EXPECT_FALSE(fs::exists(sidc / kStagingFolderName)) << c.Name;
    EXPECT_FALSE(fs::exists(sidc / kSwapJournalName)) << c.Name;
    // The next run also takes away an older writer's temporary file.
    const std::string newer = "newer";
    EXPECT_FALSE(ReplaceFolderFiles(sidc, {{"a.dat", newer}})) << c.Name;
    EXPECT_EQ(folder.Read("SIDC/a.dat"), "newer");
    EXPECT_FALSE(fs::exists(sidc / "a.dat.4711-1.tmp")) << c.Name;
    EXPECT_FALSE(fs::exists(sidc / kStagingFolderName)) << c.Name;
  }
}

TEST(ReplaceFolderFiles, ALinkUnderANameIsReplacedNeverFollowed) {
  TempFolder folder;
  folder.Write("elsewhere.dat", "keep");
  fs::create_directories(folder.Path() / "SIDC");
  if (!test::MakeSymlink(folder.Path() / "elsewhere.dat", folder.Path() / "SIDC/a.dat"))
    GTEST_SKIP() << "no symbolic links here";
  const std::string bytes = "new";
  EXPECT_FALSE(ReplaceFolderFiles(folder.Path() / "SIDC", {{"a.dat", bytes}}));
  EXPECT_FALSE(fs::is_symlink(folder.Path() / "SIDC/a.dat"));
  EXPECT_EQ(folder.Read("SIDC/a.dat"), "new");
  EXPECT_EQ(folder.Read("elsewhere.dat"), "keep");
}

}  // namespace
}  // namespace ardeno
