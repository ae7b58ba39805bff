// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/data/database_ops.h"
#include "core/data/record_file.h"
#include "sample/sample_database.h"
#include "support/database_builders.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr CalendarDate kToday{2024, 3, 15};
constexpr CalendarDate kSampleStart{2010, 1, 1};

std::string Bytes(const std::vector<ObservationRecord>& records) {
  return test::RecordFileBytes(records);
}

void WriteRecords(const TempFolder& folder, const std::vector<ObservationRecord>& records,
                  const std::string& tail = "") {
  folder.Write(kDataFileName, Bytes(records) + tail);
}

ObservationRecord Dated(const std::string& date) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetObserver("Novák");
  record.SetTimeUT(900);
  return record;
}

TEST(DataFileTest, GeneratedDatabaseSavesByteIdenticalExceptTheRepairs) {
  TempFolder folder;
  std::vector<ObservationRecord> original = GenerateSampleRecords(5000, 7, kSampleStart);
  ASSERT_EQ(original.size(), 5000u);
  // Damage a few records the way old files hold them.
  original[10].SetObserver("");
  original[20].SetTimeUT(0);
  original[30].SetKind("zvlastni");
  original[40].Bytes[14] = 0;
  original[40].SetAngle10(3, 1234);
  original[50].Bytes[14] = 77;
  WriteRecords(folder, original, "partial");

  std::vector<ObservationRecord> expected = original;
  expected[10].SetObserver("N");
  expected[20].SetTimeUT(1200);
  expected[30].SetKind("zvlášťní");
  for (int k = 1; k <= kMaxGroups; ++k) {
    expected[40].SetAngle10(k, 0);
    expected[40].SetDistance10(k, 0);
  }
  expected[50].Bytes[14] = kMaxGroups;

  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  EXPECT_TRUE(report.FileExisted);
  EXPECT_FALSE(report.Error);
  EXPECT_EQ(report.Repairs, 5);
  EXPECT_EQ(db.RecordCount, 5000);
  EXPECT_EQ(db.RecordCountAtLoad, 5000);
  EXPECT_EQ(db.Capacity(), 5000 + kExtraCapacity);
  EXPECT_EQ(db.CurrentIndex, 5000);
  EXPECT_EQ(db.WorkRecord, expected.back());
  EXPECT_FALSE(db.Observers.empty());
  ASSERT_TRUE(report.Warning);
  EXPECT_NE(report.Warning->find("č. 51"), std::string::npos) << "the clamped record is named";

  ApplyRadiusWord(db);
  // The partial record at the end is dropped by the save only once the file as found is kept.
  EXPECT_TRUE(SaveDatabase(db, folder.Path()));
  LoadReport kept = report;
  KeepFileAsFound(db, folder.Path(), kept);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read(kDataFileName), Bytes(expected));
  EXPECT_FALSE(fs::exists(folder.Path() / "datax.dat.tmp"));

  // Records added and saved in this run never reach the backup.
  db.WorkRecord = Dated("01.01.2030");
  ASSERT_TRUE(Succeeded(AppendWorkRecord(db)));
  db.Record(1).SetObserver("Opraveno");
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  ASSERT_TRUE(Succeeded(WriteBackup(db, folder.Path())));
  EXPECT_EQ(folder.Read(kBackupFileName), Bytes(original));
  EXPECT_EQ(folder.Read(kDataFileName).size(), 5001 * kRecordSize);
}

TEST(DataFileTest, MissingFileStartsWithTodayAndWritesNothing) {
  TempFolder folder;
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  EXPECT_FALSE(report.FileExisted);
  EXPECT_FALSE(report.Error);
  EXPECT_EQ(db.RecordCount, 0) << "a new database holds no observation";
  EXPECT_EQ(db.CurrentIndex, 0);
  EXPECT_EQ(db.RecordCountAtLoad, 0);
  EXPECT_EQ(db.Capacity(), kExtraCapacity);
  EXPECT_EQ(db.Record(1).Date(), FormatDate(kToday)) << "the settings record";
  EXPECT_EQ(db.WorkRecord.Date(), FormatDate(kToday));
  EXPECT_TRUE(NeedsCoordinateMode(db));
  EXPECT_FALSE(fs::exists(folder.Path() / kDataFileName));

  // A save before the first drawing keeps the settings: the settings record alone, with the
  // default radius, which loads again as a database without records.
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read(kDataFileName).size(), kRecordSize);
  Database reloaded;
  LoadDatabase(reloaded, folder.Path(), CalendarDate{2030, 1, 1});
  EXPECT_EQ(reloaded.RecordCount, 0);
  EXPECT_FALSE(fs::exists(folder.Path() / "datax.dat.tmp"));
  EXPECT_EQ(reloaded.Record(1).Date(), FormatDate(kToday));
  EXPECT_EQ(reloaded.Record(1).RadiusWord(), 125);
  EXPECT_FALSE(NeedsCoordinateMode(reloaded));
  EXPECT_EQ(reloaded.WorkRecord.Date(), "01.01.2030");
}

TEST(DataFileTest, SaveThroughALinkReplacesTheLinkedFileAndKeepsItsPermissions) {
  TempFolder folder;
  const fs::path elsewhere = folder.Path() / "archiv";
  fs::create_directories(elsewhere);
  WriteRecords(folder, {Dated("01.01.2020")});
  fs::rename(folder.Path() / kDataFileName, elsewhere / kDataFileName);
  fs::permissions(elsewhere / kDataFileName, fs::perms::owner_read | fs::perms::owner_write |
                                                 fs::perms::group_read | fs::perms::group_write);
  if (!test::MakeSymlink(elsewhere / kDataFileName, folder.Path() / kDataFileName))
    GTEST_SKIP() << "no symbolic links here";

  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  db.WorkRecord = Dated("02.01.2020");
  ASSERT_TRUE(Succeeded(AppendWorkRecord(db)));
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_TRUE(fs::is_symlink(folder.Path() / kDataFileName));
  EXPECT_EQ(fs::file_size(elsewhere / kDataFileName), 2 * kRecordSize);
  EXPECT_EQ(fs::status(elsewhere / kDataFileName).permissions() & fs::perms::group_write,
            fs::perms::group_write);
}

TEST(DataFileTest, EmptyDateEndsTheDatabaseAndTheFileIsKept) {
  TempFolder folder;
  const std::vector<ObservationRecord> records = {Dated("01.01.2020"), ObservationRecord{},
                                                  Dated("03.01.2020")};
  WriteRecords(folder, records);
  const std::string asFound = folder.Read(kDataFileName);
  Database db;
  LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  EXPECT_EQ(db.RecordCount, 1);
  EXPECT_EQ(db.BackupCount, 1);
  EXPECT_EQ(db.WorkRecord.Date(), "01.01.2020");
  EXPECT_EQ(report.IgnoredRecords, 1);
  EXPECT_FALSE(fs::exists(folder.Path() / kIgnoredRecordsFileName)) << "loading only reads";
  KeepFileAsFound(db, folder.Path(), report);
  ASSERT_TRUE(report.Warning);
  EXPECT_NE(report.Warning->find("datax-puvodni.dat"), std::string::npos);
  EXPECT_EQ(folder.Read(kIgnoredRecordsFileName), asFound);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(folder.Read(kDataFileName).size(), kRecordSize);
}

TEST(DataFileTest, FileWithoutAnyWholeDatedRecordStartsAsNew) {
  // Only an empty file is a new database; one with bytes but no readable record is damaged and
  // is never written over.
  for (const std::string& contents :
       {std::string(), std::string(100, 'x'), Bytes({ObservationRecord{}, Dated("02.01.2020")})}) {
    TempFolder folder;
    folder.Write(kDataFileName, contents);
    Database db;
    const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
    EXPECT_TRUE(report.FileExisted);
    EXPECT_EQ(db.RecordCount, 0);
    EXPECT_EQ(db.Record(1).Date(), FormatDate(kToday));
    EXPECT_EQ(db.CurrentIndex, 0);
    EXPECT_EQ(bool(report.Error), !contents.empty());
    EXPECT_EQ(db.LoadFailed, !contents.empty());
    // A new database offers today's drawing; a refused file offers none.
    EXPECT_EQ(db.WorkRecord.HasDate(), contents.empty());
    if (!contents.empty()) EXPECT_TRUE(SaveDatabase(db, folder.Path()));
    EXPECT_EQ(folder.Read(kDataFileName), contents);
  }
}

TEST(DataFileTest, UnreadableFileIsReportedAndNeverOverwritten) {
  TempFolder folder;
  fs::create_directories(folder.Path() / kDataFileName / "inside");
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(report.Error);
  EXPECT_NE(report.Error->find("datax.dat"), std::string::npos);
  EXPECT_EQ(db.RecordCount, 0);
  EXPECT_TRUE(SaveDatabase(db, folder.Path()));
  EXPECT_TRUE(WriteBackup(db, folder.Path()));
  EXPECT_TRUE(fs::is_directory(folder.Path() / kDataFileName / "inside"));
  EXPECT_FALSE(fs::exists(folder.Path() / kBackupFileName));
}

TEST(DataFileTest, FileFarLargerThanAnyDatabaseIsRefusedWithoutReadingIt) {
  TempFolder folder;
  WriteRecords(folder, {Dated("01.01.2020")});
  // Sparse: the size of a few gigabytes costs no disk space.
  const std::uintmax_t size = (kMaxFileRecords + 1) * kRecordSize;
  fs::resize_file(folder.Path() / kDataFileName, size);
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(report.Error);
  EXPECT_NE(report.Error->find("příliš velký"), std::string::npos);
  EXPECT_EQ(db.RecordCount, 0);
  EXPECT_LE(db.Capacity(), kExtraCapacity);
  EXPECT_TRUE(SaveDatabase(db, folder.Path()));
  EXPECT_EQ(fs::file_size(folder.Path() / kDataFileName), size);
}

TEST(DataFileTest, FailedSaveLeavesTheOldFileAndSaysSo) {
  if (!test::kCanLimitFileSize) GTEST_SKIP() << "no file size limit here";
  TempFolder folder;
  WriteRecords(folder, {Dated("01.01.2020"), Dated("02.01.2020")});
  const std::string before = folder.Read(kDataFileName);
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  db.WorkRecord = Dated("03.01.2020");
  ASSERT_TRUE(Succeeded(AppendWorkRecord(db)));
  // A disk that fills up during the write makes it fail.
  const auto error = [&] {
#ifndef _WIN32
    const test::FileSizeLimit fullDisk(kRecordSize);
#endif
    return SaveDatabase(db, folder.Path());
  }();
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("datax.dat"), std::string::npos);
  EXPECT_EQ(folder.Read(kDataFileName), before);
}

TEST(DataFileTest, FailedRenameRemovesTheTemporaryFile) {
  TempFolder folder;
  fs::create_directories(folder.Path() / kBackupFileName / "blocked");
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  EXPECT_TRUE(WriteBackup(db, folder.Path()));
  EXPECT_FALSE(fs::exists(folder.Path() / "datax-zaloha.dat.tmp"));
}

struct RadiusCase {
  std::string Name;
  std::uint16_t Word;
  CoordinateMode Mode;
  float Radius;
};

class RadiusWordTest : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(RadiusWordTest, ReadFromRecordOneAndWrittenBack) {
  TempFolder folder;
  ObservationRecord first = Dated("01.01.2020");
  first.SetRadiusWord(GetParam().Word);
  WriteRecords(folder, {first, Dated("02.01.2020")});
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  EXPECT_FALSE(NeedsCoordinateMode(db));
  ApplyRadiusWord(db);
  EXPECT_EQ(db.Mode, GetParam().Mode);
  EXPECT_FLOAT_EQ(db.DrawingRadius, GetParam().Radius);
  EXPECT_EQ(RadiusWordFor(db), GetParam().Word);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  const std::string saved = folder.Read(kDataFileName);
  EXPECT_EQ(static_cast<std::uint8_t>(saved[126]), GetParam().Word & 0xFF);
  EXPECT_EQ(static_cast<std::uint8_t>(saved[127]), GetParam().Word >> 8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadiusWordTest,
    ::testing::Values(RadiusCase{"Heliographic125", 1125, CoordinateMode::Heliographic, 125},
                      RadiusCase{"Polar125", 125, CoordinateMode::Polar, 125},
                      RadiusCase{"Polar1000", 1000, CoordinateMode::Polar, 1000},
                      RadiusCase{"Heliographic80", 1080, CoordinateMode::Heliographic, 80}),
    [](const auto& info) { return info.param.Name; });

TEST(RadiusWordForTest, RoundsHalvesToEvenAndTakesZeroRadiusAs125) {
  Database db;
  db.Mode = CoordinateMode::Heliographic;
  db.DrawingRadius = 124.5f;
  EXPECT_EQ(RadiusWordFor(db), 1124);
  db.Mode = CoordinateMode::Polar;
  db.DrawingRadius = 125.5f;
  EXPECT_EQ(RadiusWordFor(db), 126);
  db.DrawingRadius = 0;
  EXPECT_EQ(RadiusWordFor(db), 125);
}

}  // namespace
}  // namespace ardeno
