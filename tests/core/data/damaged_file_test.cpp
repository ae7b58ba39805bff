// SPDX-License-Identifier: GPL-3.0-or-later
// Data files as they are found after accidents: interrupted copies, garbage, read-only files,
// pipes. Whatever the load meets, nothing already on the disk may be lost.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/file_replace.h"
#include "core/data/load_findings.h"
#include "core/data/system_files.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr CalendarDate kToday{2024, 3, 15};

ObservationRecord Dated(const std::string& date, std::uint16_t time = 900) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetObserver("Novák");
  record.SetTimeUT(time);
  record.SetRadiusWord(125);
  return record;
}

std::string Bytes(const std::vector<ObservationRecord>& records) {
  return test::RecordFileBytes(records);
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

// Every file of the folder with its contents, to prove that nothing was written.
std::map<std::string, std::string> Snapshot(const TempFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    files[entry.path().filename().string()] =
        entry.is_regular_file() ? folder.Read(entry.path().filename().string()) : "<other>";
  return files;
}

// --- files the program must refuse to take as a database ---

struct DamagedCase {
  std::string Name;
  std::string Contents;
  std::string Told = "neobsahuje žádný čitelný zákres";
};

class DamagedFileTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFileTest, IsReportedStartsEmptyAndIsNeverWrittenOver) {
  TempFolder folder;
  folder.Write(kDataFileName, GetParam().Contents);
  const auto before = Snapshot(folder);
  Database db;
  LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(report.Error);
  EXPECT_NE(report.Error->find(GetParam().Told), std::string::npos) << *report.Error;
  EXPECT_TRUE(db.LoadFailed);
  EXPECT_EQ(db.RecordCount, 0) << "the program works on an empty database";
  EXPECT_FALSE(db.WorkRecord.HasDate()) << "no invented drawing to type into";
  KeepFileAsFound(db, folder.Path(), report);
  db.DataChanged = true;
  EXPECT_TRUE(SaveDatabase(db, folder.Path()));
  EXPECT_TRUE(WriteBackup(db, folder.Path()));
  EXPECT_EQ(Snapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    ::testing::Values(DamagedCase{"ShorterThanOneRecord", std::string(1000, 'a')},
                      DamagedCase{"AllFF", std::string(3 * kRecordSize, '\xFF')},
                      DamagedCase{"RandomBytes", RandomBytes(5 * kRecordSize + 17, 7)},
                      // Not unreadable: the drawings after the empty first place are counted.
                      DamagedCase{
                          "FirstDateEmptyThenData",
                          Bytes({ObservationRecord{}, Dated("02.01.2020"), Dated("03.01.2020")}),
                          "začíná zákresem bez data, proto se nenačetl žádný zákres; "
                          "dalších zákresů s datem za ním: 2"},
                      DamagedCase{"NoDateReads", Bytes({Dated("32.01.2020"), Dated("x")})}),
    [](const auto& info) { return info.param.Name; });

// --- files loaded in part: kept as found before the first save ---

struct PartialCase {
  std::string Name;
  std::string Contents;
  int Loaded;                // records in the database after the load
  std::string WarningNames;  // what the warning must say
};

class PartialFileTest : public ::testing::TestWithParam<PartialCase> {};

TEST_P(PartialFileTest, SaveWaitsUntilTheFileAsFoundIsKept) {
  TempFolder folder;
  folder.Write(kDataFileName, GetParam().Contents);
  Database db;
  LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  EXPECT_FALSE(report.Error);
  EXPECT_EQ(db.RecordCount, GetParam().Loaded);
  ASSERT_TRUE(report.Warning);
  EXPECT_NE(report.Warning->find(GetParam().WarningNames), std::string::npos) << *report.Warning;
  EXPECT_TRUE(db.OriginalNotKept);
  EXPECT_EQ(SaveDatabase(db, folder.Path()), kOriginalNotKeptMessage);
  EXPECT_EQ(folder.Read(kDataFileName), GetParam().Contents);

  KeepFileAsFound(db, folder.Path(), report);
  EXPECT_NE(report.Warning->find("uschován jako datax-puvodni.dat"), std::string::npos);
  EXPECT_EQ(folder.Read(kIgnoredRecordsFileName), GetParam().Contents);
  EXPECT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PartialFileTest,
    ::testing::Values(
        PartialCase{"InterruptedCopy", Bytes({Dated("01.01.2020"), Dated("02.01.2020")}) + "abc", 2,
                    "posledních 3 bajtů"},
        PartialCase{"UnreadableDate",
                    Bytes({Dated("01.01.2020"), Dated("3x.01.2020"), Dated("03.01.2020")}), 3,
                    "č. 2 „3x.01.2020“"},
        PartialCase{"RecordsAfterAnEmptyDate",
                    Bytes({Dated("01.01.2020"), ObservationRecord{}, Dated("03.01.2020")}), 1,
                    "1 dalších se vynechalo"}),
    [](const auto& info) { return info.param.Name; });

TEST(KeptCopyTest, EachIncidentGetsItsOwnNameAndTheSameOneIsNotCopiedTwice) {
  TempFolder folder;
  const std::string first = Bytes({Dated("01.01.2020")}) + "first";
  const std::string second = Bytes({Dated("01.01.2020")}) + "second";
  const auto loadAndKeep = [&folder](const std::string& contents) {
    folder.Write(kDataFileName, contents);
    Database db;
    LoadReport report = LoadDatabase(db, folder.Path(), kToday);
    KeepFileAsFound(db, folder.Path(), report);
    EXPECT_FALSE(db.OriginalNotKept);
    return *report.Warning;
  };
  EXPECT_NE(loadAndKeep(first).find("datax-puvodni.dat"), std::string::npos);
  EXPECT_NE(loadAndKeep(second).find("datax-puvodni-2.dat"), std::string::npos);
  // The same damage met again at the next start is already kept.
  EXPECT_NE(loadAndKeep(second).find("datax-puvodni-2.dat"), std::string::npos);
  EXPECT_EQ(folder.Read("datax-puvodni.dat"), first);
  EXPECT_EQ(folder.Read("datax-puvodni-2.dat"), second);
  EXPECT_FALSE(fs::exists(folder.Path() / "datax-puvodni-3.dat"));
}

TEST(KeptCopyTest, NoCopyPossibleKeepsSavingRefused) {
  TempFolder folder;
  folder.Write(kDataFileName, Bytes({Dated("01.01.2020")}) + "tail");
  // Every name taken by a folder: nothing can be copied.
  fs::create_directories(folder.Path() / kIgnoredRecordsFileName);
  for (int n = 2; n <= 999; ++n)
    fs::create_directories(folder.Path() / ("datax-puvodni-" + std::to_string(n) + ".dat"));
  Database db;
  LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  KeepFileAsFound(db, folder.Path(), report);
  EXPECT_TRUE(db.LoadFailed);
  EXPECT_NE(report.Warning->find("nepodařilo uschovat"), std::string::npos);
  EXPECT_TRUE(SaveDatabase(db, folder.Path()));
}

// --- what the load names in the records ---

TEST(RecordFindingsTest, NamesUnreadableDatesImpossibleTimesShortYearsAndClampedCounts) {
  Database db;
  db.Records = {Dated("01.01.2020", 2359),
                Dated("02.01.2020", 2400),
                Dated("03.01.2020", 1260),
                Dated("5.3.24"),
                Dated("bad"),
                Dated("06.01.2020")};
  db.Records[5].Bytes[14] = 41;
  db.RecordCount = static_cast<int>(db.Records.size());
  const RecordFindings found = FindRecordProblems(db);
  EXPECT_EQ(found.UnreadableDates, std::vector<int>({5}));
  EXPECT_EQ(found.ImpossibleTimes, std::vector<int>({2, 3}));
  EXPECT_EQ(found.ShortYears, std::vector<int>({4}));
  EXPECT_EQ(found.ClampedCounts, std::vector<int>({6}));
  ASSERT_EQ(found.Lines.size(), 4u);
  EXPECT_NE(found.Lines[1].find("č. 2 „02.01.2020“ čas 2400"), std::string::npos);
  EXPECT_NE(found.Lines[3].find("41 skupin"), std::string::npos);
}

TEST(RecordFindingsTest, LongListsNameTheFirstTenAndCountTheRest) {
  Database db;
  db.Records.assign(25, Dated("1.1.99"));
  db.RecordCount = 25;
  const RecordFindings found = FindRecordProblems(db);
  ASSERT_EQ(found.Lines.size(), 1u);
  EXPECT_NE(found.Lines[0].find("č. 10 "), std::string::npos);
  EXPECT_EQ(found.Lines[0].find("č. 11 "), std::string::npos);
  EXPECT_NE(found.Lines[0].find("a dalších 15"), std::string::npos);
}

TEST(RecordFindingsTest, ShortYearsAreReportedAtLoadAndNothingIsRewritten) {
  TempFolder folder;
  const std::string contents = Bytes({Dated("05.03.24"), Dated("06.03.2024")});
  folder.Write(kDataFileName, contents);
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(report.Warning);
  EXPECT_NE(report.Warning->find("„05.03.24“"), std::string::npos);
  EXPECT_FALSE(db.OriginalNotKept);
  EXPECT_EQ(db.Record(1).Date(), "05.03.24");
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read(kDataFileName), contents);
}

// --- files and folders that must not be written, and names that are not files ---

TEST(ReadOnlyTest, ReadOnlyFileIsKnownAtStartAndNeverReplaced) {
  TempFolder folder;
  folder.Write(kDataFileName, Bytes({Dated("01.01.2020")}));
  const fs::path file = folder.Path() / kDataFileName;
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  FileIdentity before;
  ASSERT_TRUE(IdentityOfFile(file, before));
  ASSERT_TRUE(SaveBlockedMessage(folder.Path()));
  EXPECT_NE(SaveBlockedMessage(folder.Path())->find("jen pro čtení"), std::string::npos);

  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  db.WorkRecord = Dated("02.01.2020");
  db.Records[1] = db.WorkRecord;
  db.RecordCount = 2;
  const auto error = SaveDatabase(db, folder.Path());
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("jen pro čtení"), std::string::npos);
  FileIdentity after;
  ASSERT_TRUE(IdentityOfFile(file, after));
  EXPECT_EQ(after.Inode, before.Inode) << "the file was replaced";
  EXPECT_EQ(fs::file_size(file), kRecordSize);
}

TEST(ReadOnlyTest, ReadOnlyFolderIsKnownAtStartAndNothingIsWrittenIntoIt) {
  if (!test::kFoldersCanBeReadOnly) GTEST_SKIP() << "no read-only folders here";
  TempFolder folder;
  folder.Write(kDataFileName, Bytes({Dated("01.01.2020")}));
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  const auto message = SaveBlockedMessage(folder.Path());
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  const auto saveError = SaveDatabase(db, folder.Path());
  const auto backupError = WriteBackup(db, folder.Path());
  const bool tempLeft = fs::exists(folder.Path() / "datax.dat.tmp");
  fs::permissions(folder.Path(), fs::perms::owner_all);
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("nelze zapisovat"), std::string::npos);
  EXPECT_TRUE(saveError);
  EXPECT_TRUE(backupError);
  EXPECT_FALSE(tempLeft);
  EXPECT_FALSE(fs::exists(folder.Path() / kBackupFileName));
}

TEST(ReadOnlyTest, WritableFolderAndFileBlockNothing) {
  TempFolder folder;
  EXPECT_FALSE(SaveBlockedMessage(folder.Path()));
  folder.Write(kDataFileName, Bytes({Dated("01.01.2020")}));
  EXPECT_FALSE(SaveBlockedMessage(folder.Path()));
}

#ifndef _WIN32  // Windows has no named pipes in its folders
TEST(NotAFileTest, PipeUnderTheNameIsRefusedWithoutWaitingForIt) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder.Path() / kDataFileName).c_str(), 0644), 0);
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(report.Error);
  EXPECT_NE(report.Error->find("není to běžný soubor"), std::string::npos);
  EXPECT_TRUE(db.LoadFailed);
  EXPECT_TRUE(fs::is_fifo(folder.Path() / kDataFileName));
}
#endif

TEST(InterruptedSaveTest, LeftoverTemporaryIsRemovedAtStartAndNeverWrittenThrough) {
  TempFolder folder;
  folder.Write(kDataFileName, Bytes({Dated("01.01.2020")}));
  folder.Write("datax.dat.tmp", "half a sa");
  RemoveInterruptedSaves(folder.Path());
  EXPECT_FALSE(fs::exists(folder.Path() / "datax.dat.tmp"));

  // A link planted under the temporary name is replaced, not followed.
  folder.Write("elsewhere.txt", "keep me");
  if (!test::MakeSymlink(folder.Path() / "elsewhere.txt", folder.Path() / "datax.dat.tmp"))
    GTEST_SKIP() << "no symbolic links here";
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read("elsewhere.txt"), "keep me");
  EXPECT_EQ(fs::file_size(folder.Path() / kDataFileName), kRecordSize);
  // A save writes only under a temporary name of its own and leaves every other name alone.
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "datax.dat.tmp"));
}

TEST(LoadFromBytesTest, GivesWhatTheFileLoadGives) {
  for (const std::string& contents :
       {Bytes({Dated("01.01.2020"), Dated("02.01.2020")}) + "tail",
        Bytes({Dated("01.01.2020"), ObservationRecord{}, Dated("03.01.2020")}),
        Bytes({Dated("01.01.2020"), Dated("bad"), Dated("5.3.24", 2500)}),
        std::string(3 * kRecordSize, '\xFF'), std::string(1000, 'a'), std::string()}) {
    TempFolder folder;
    folder.Write(kDataFileName, contents);
    Database fromFile;
    const LoadReport fileReport = LoadDatabase(fromFile, folder.Path(), kToday);
    Database fromBytes;
    const LoadReport bytesReport = LoadDatabaseFromBytes(fromBytes, contents, kToday, 2);
    EXPECT_EQ(bytesReport.Error, fileReport.Error);
    EXPECT_EQ(bytesReport.Warning, fileReport.Warning);
    EXPECT_EQ(bytesReport.Repairs, fileReport.Repairs);
    ASSERT_EQ(fromBytes.RecordCount, fromFile.RecordCount);
    EXPECT_EQ(fromBytes.LoadFailed, fromFile.LoadFailed);
    EXPECT_EQ(fromBytes.OriginalNotKept, fromFile.OriginalNotKept);
    for (int i = 1; i <= fromFile.RecordCount; ++i)
      EXPECT_EQ(fromBytes.Record(i), fromFile.Record(i)) << i;
  }
}

TEST(LoadOnlyReadsTest, LoadingAnyDamageWritesNothing) {
  for (const std::string& contents :
       {Bytes({Dated("01.01.2020")}) + "tail", Bytes({Dated("01.01.2020"), Dated("bad")}),
        std::string(10, '\xFF'), std::string()}) {
    TempFolder folder;
    folder.Write(kDataFileName, contents);
    const auto before = Snapshot(folder);
    Database db;
    LoadDatabase(db, folder.Path(), kToday);
    EXPECT_EQ(Snapshot(folder), before);
  }
}

}  // namespace
}  // namespace ardeno
