// SPDX-License-Identifier: GPL-3.0-or-later
// Writers that must never lose data: files written as a set, temporary names of each writer's
// own, the data folder's lock, a data file changed by another program since the load, folders
// created only where the mode allows, and where a picture may be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/file_replace.h"
#include "core/data/folder_lock.h"
#include "core/data/picture_output.h"
#include "core/data/record_file.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr CalendarDate kToday{2026, 3, 15};
constexpr std::chrono::milliseconds kNoWait{0};

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.push_back(fs::relative(entry.path(), folder).string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<ObservationRecord> Days(int count) {
  std::vector<ObservationRecord> records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    records[static_cast<std::size_t>(i)].SetDate(FormatDate({2020, 1, i + 1}));
  records[0].SetRadiusWord(125);
  return records;
}

// --- a set of files: all replaced, or none ---

struct SetCase {
  const char* Name;
  void (*Spoil)(const TempFolder&);  // makes the second file of the set fail
  bool UseFullDisk;
};

class FileSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(FileSetTest, AFailureLeavesEveryOldFileAndNoTemporary) {
  const SetCase& c = GetParam();
  if (c.UseFullDisk && !test::kCanLimitFileSize) GTEST_SKIP() << "no file size limit here";
  if (std::string_view(c.Name) == "ReadOnlyFolder" && !test::kFoldersCanBeReadOnly)
    GTEST_SKIP() << "no read-only folders here";
  TempFolder folder;
  folder.Write("VL.txt", "old index");
  folder.Write("sub/VLR.txt", "old areas");
  c.Spoil(folder);
  const std::vector<std::string> before = Names(folder.Path());
  const std::string large(4096, 'n');
  const std::vector<FileContent> set{{folder.Path() / "VL.txt", "new index"},
                                     {folder.Path() / "sub" / "VLR.txt", large}};
  const auto failure = [&] {
#ifndef _WIN32
    if (c.UseFullDisk) {
      const test::FileSizeLimit fullDisk(1024);
      return ReplaceFileSet(set);
    }
#endif
    return ReplaceFileSet(set);
  }();
  fs::permissions(folder.Path() / "sub", fs::perms::owner_all);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->File.filename(), "VLR.txt");
  EXPECT_EQ(folder.Read("VL.txt"), "old index");
  EXPECT_EQ(Names(folder.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FileSetTest,
    ::testing::Values(SetCase{"ReadOnlyFolder",
                              [](const TempFolder& f) {
                                fs::permissions(f.Path() / "sub",
                                                fs::perms::owner_read | fs::perms::owner_exec);
                              },
                              false},
                      SetCase{"ReadOnlyFile",
                              [](const TempFolder& f) {
                                fs::permissions(f.Path() / "sub" / "VLR.txt",
                                                fs::perms::owner_read);
                              },
                              false},
                      SetCase{"FolderUnderTheName",
                              [](const TempFolder& f) {
                                fs::remove(f.Path() / "sub" / "VLR.txt");
                                fs::create_directories(f.Path() / "sub" / "VLR.txt" / "x");
                              },
                              false},
                      SetCase{"DiskFullDuringTheSecond", [](const TempFolder&) {}, true}),
    [](const ::testing::TestParamInfo<SetCase>& info) { return std::string(info.param.Name); });

TEST(FileSetTest, AWholeSetReplacesEveryFile) {
  TempFolder folder;
  folder.Write("a.txt", "old a");
  ASSERT_FALSE(ReplaceFileSet({{folder.Path() / "a.txt", "new a"}, {folder.Path() / "b.txt", ""}}));
  EXPECT_EQ(folder.Read("a.txt"), "new a");
  EXPECT_TRUE(fs::exists(folder.Path() / "b.txt"));
  EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"a.txt", "b.txt"}));
}

// --- temporary names ---

TEST(TemporaryNameTest, AnotherWritersTemporaryIsLeftAlone) {
  TempFolder folder;
  // Another writer, half-way through its save, under the old fixed name and a name of its own.
  folder.Write("datax.dat.tmp", "another writer's bytes");
  folder.Write("datax.dat.99999-1.tmp", "another writer's bytes");
  ASSERT_FALSE(ReplaceFileBytes(folder.Path() / kDataFileName, "mine"));
  EXPECT_EQ(folder.Read(kDataFileName), "mine");
  EXPECT_EQ(folder.Read("datax.dat.tmp"), "another writer's bytes");
  EXPECT_EQ(folder.Read("datax.dat.99999-1.tmp"), "another writer's bytes");
}

struct LeftoverCase {
  const char* Name;
  const char* File;
  bool Removed;
};

class LeftoverTest : public ::testing::TestWithParam<LeftoverCase> {};

TEST_P(LeftoverTest, OnlyTemporariesOfTheDataFileAndItsBackupAreRemoved) {
  const LeftoverCase& c = GetParam();
  TempFolder folder;
  folder.Write(c.File, "x");
  RemoveInterruptedSaves(folder.Path());
  EXPECT_EQ(fs::exists(folder.Path() / c.File), !c.Removed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LeftoverTest,
    ::testing::Values(LeftoverCase{"OldFixedName", "datax.dat.tmp", true},
                      LeftoverCase{"WritersOwnName", "datax.dat.4711-3.tmp", true},
                      LeftoverCase{"BackupsName", "datax-zaloha.dat.12-1.tmp", true},
                      LeftoverCase{"DataFileItself", "datax.dat", false},
                      LeftoverCase{"OtherExtension", "datax.dat.txt", false},
                      LeftoverCase{"LongerName", "datax.datx.tmp", false},
                      LeftoverCase{"OtherFilesTemporary", "Plochy.txt.1-1.tmp", false},
                      LeftoverCase{"JustTheDot", "datax.dat..tmp", true}),
    [](const ::testing::TestParamInfo<LeftoverCase>& info) {
      return std::string(info.param.Name);
    });

// --- the data folder's lock ---

TEST(FolderLockTest, AWriterWaitsForAHolderThatFinishesSoon) {
  TempFolder folder;
  FolderLockAttempt first = LockDataFolder(folder.Path(), "ardeno-cli import-groups");
  ASSERT_TRUE(first.Lock.Held());
  std::thread finisher([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    first.Lock.Release();
  });
  const FolderLockAttempt second = LockDataFolder(folder.Path(), "ardeno-cli import-groups");
  finisher.join();
  EXPECT_FALSE(second.Refused);
  EXPECT_TRUE(second.Lock.Held());
}

TEST(FolderLockTest, ASecondWriterIsRefusedNamingTheFirstUntilItLetsGo) {
  TempFolder folder;
  FolderLockAttempt first = LockDataFolder(folder.Path(), "ardeno-cli merge");
  ASSERT_FALSE(first.Refused);
  ASSERT_TRUE(first.Lock.Held());
  const FolderLockAttempt second = LockDataFolder(folder.Path(), "Ardeno", kNoWait);
  ASSERT_TRUE(second.Refused);
  EXPECT_FALSE(second.Lock.Held());
  EXPECT_NE(second.Refused->find("ardeno-cli merge (proces " + std::to_string(::getpid())),
            std::string::npos)
      << *second.Refused;

  first.Lock.Release();
  EXPECT_FALSE(fs::exists(folder.Path() / kFolderLockFileName));
  FolderLockAttempt third = LockDataFolder(folder.Path(), "Ardeno");
  EXPECT_FALSE(third.Refused);
  EXPECT_TRUE(third.Lock.Held());
}

TEST(FolderLockTest, AMovedLockIsHeldOnceAndLetGoOnce) {
  TempFolder folder;
  FolderLock kept;
  {
    FolderLockAttempt attempt = LockDataFolder(folder.Path(), "Ardeno");
    kept = std::move(attempt.Lock);
  }
  EXPECT_TRUE(kept.Held());
  EXPECT_TRUE(LockDataFolder(folder.Path(), "ardeno-cli resave", kNoWait).Refused);
  kept = FolderLock();
  EXPECT_FALSE(LockDataFolder(folder.Path(), "ardeno-cli resave").Refused);
}

TEST(FolderLockTest, AReadOnlyFolderGetsNoHolderFileAndAMissingOneNoRefusal) {
  if (!test::kFoldersCanBeReadOnly) GTEST_SKIP() << "no read-only folders here";
  TempFolder folder;
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  FolderLockAttempt attempt = LockDataFolder(folder.Path(), "Ardeno");
  const bool holderWritten = fs::exists(folder.Path() / kFolderLockFileName);
  attempt.Lock.Release();
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_FALSE(attempt.Refused);
  EXPECT_FALSE(holderWritten);
  EXPECT_FALSE(LockDataFolder(folder.Path() / "missing", "Ardeno").Refused);
  EXPECT_FALSE(fs::exists(folder.Path() / "missing"));
}

// --- a data file that changed since the load ---

struct ChangeCase {
  const char* Name;
  void (*Change)(const TempFolder&);
  const char* InMessage;
};

class ChangedSinceLoadTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangedSinceLoadTest, TheSaveRefusesUntilTheChangeIsAccepted) {
  const ChangeCase& c = GetParam();
  TempFolder folder;
  ASSERT_FALSE(WriteRecordFile(folder.Path() / kDataFileName, Days(3)));
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  c.Change(folder);
  const std::string theirs = folder.Read(kDataFileName);
  const auto refused = SaveDatabase(db, folder.Path());
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find(c.InMessage), std::string::npos) << *refused;
  EXPECT_EQ(folder.Read(kDataFileName), theirs);

  AcceptChangedDataFile(db, folder.Path());
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  EXPECT_EQ(fs::file_size(folder.Path() / kDataFileName), 3 * kRecordSize);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedSinceLoadTest,
    ::testing::Values(
        ChangeCase{"AnotherSaveAddedRecords",
                   [](const TempFolder& f) {
                     ASSERT_FALSE(WriteRecordFile(f.Path() / kDataFileName, Days(8)));
                   },
                   "nyní 8 zákresů, při načtení 3"},
        // The same size and content, yet a new file: another program's save all the same.
        ChangeCase{"AnotherSaveOfTheSameSize",
                   [](const TempFolder& f) {
                     ASSERT_FALSE(WriteRecordFile(f.Path() / kDataFileName, Days(3)));
                   },
                   "jiný program"},
        ChangeCase{"Removed", [](const TempFolder& f) { fs::remove(f.Path() / kDataFileName); },
                   "odstraněn"}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.Name); });

TEST(ChangedSinceLoadTest, OwnSavesFollowEachOtherAndANewFileMadeMeanwhileIsKept) {
  TempFolder folder;
  ASSERT_FALSE(WriteRecordFile(folder.Path() / kDataFileName, Days(2)));
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));
  ASSERT_TRUE(Succeeded(SaveDatabase(db, folder.Path())));

  TempFolder empty;
  Database fresh;
  LoadDatabase(fresh, empty.Path(), kToday);
  ASSERT_FALSE(WriteRecordFile(empty.Path() / kDataFileName, Days(5)));
  const auto refused = SaveDatabase(fresh, empty.Path());
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("vytvořil jiný program (5 zákresů)"), std::string::npos) << *refused;
  EXPECT_EQ(fs::file_size(empty.Path() / kDataFileName), 5 * kRecordSize);
}

// --- folders and pictures ---

TEST(CreateFoldersTest, AReadOnlyDataFolderGetsNoNewFolder) {
  if (!test::kFoldersCanBeReadOnly) GTEST_SKIP() << "no read-only folders here";
  TempFolder folder;
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  const std::error_code refused = CreateFolders(folder.Path() / "Vysledky" / "2014");
  const bool created = fs::exists(folder.Path() / "Vysledky");
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_EQ(refused, std::errc::permission_denied);
  EXPECT_FALSE(created);
  EXPECT_FALSE(CreateFolders(folder.Path() / "Vysledky" / "2014"));
  EXPECT_TRUE(fs::is_directory(folder.Path() / "Vysledky" / "2014"));
}

struct PictureCase {
  const char* Name;
  const char* Output;     // relative to the test folder; the data folder is "data"
  const char* Existing;   // bytes already there, or nullptr for no file
  const char* InMessage;  // "" when the picture may be written
};

// Checked by the picture rule or by the rule for the numbers a picture draws.
void ExpectOutputRule(const PictureCase& c,
                      Refusal (*check)(const fs::path& output, const fs::path& dataFolder)) {
  TempFolder folder;
  folder.Write("data/datax.dat", std::string(kRecordSize, '\0'));
  if (c.Existing) folder.Write(c.Output, c.Existing);
  const Refusal refused = check(folder.Path() / c.Output, folder.Path() / "data");
  if (*c.InMessage == '\0') {
    EXPECT_FALSE(refused) << *refused;
  } else {
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(c.InMessage), std::string::npos) << *refused;
  }
}

std::string CaseName(const ::testing::TestParamInfo<PictureCase>& info) { return info.param.Name; }

class PictureOutputTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureOutputTest, OnlyNewNamesOrPicturesOfTheSameFormatAreWritten) {
  ExpectOutputRule(GetParam(), CheckPictureOutput);
}

class NumbersOutputTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(NumbersOutputTest, OnlyNewNamesOrTextFilesOutsideTheDataFolderAreWritten) {
  ExpectOutputRule(GetParam(), CheckNumbersOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, NumbersOutputTest,
    ::testing::Values(
        PictureCase{"NewCsv", "cisla.csv", nullptr, ""},
        PictureCase{"NewCsvInCapitals", "cisla.CSV", nullptr, ""},
        PictureCase{"OldCsv", "cisla.csv", "rok;R\n2014;120\n", ""},
        PictureCase{"TheDataFile", "data/datax.dat", nullptr, "příponu .csv"},
        PictureCase{"PictureName", "graf.png", nullptr, "příponu .csv"},
        PictureCase{"CsvInsideTheDataFolder", "data/Vysledky.csv", "rok;R\n", "ve složce s daty"},
        PictureCase{"NewCsvInsideTheDataFolder", "data/cisla.csv", nullptr,
                    "by byl ve složce s daty"},
        PictureCase{"PngNamedCsv", "cisla.csv", "\x89PNG\r\n\x1a\nrest", "není to textový soubor"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Outputs, PictureOutputTest,
    ::testing::Values(
        PictureCase{"TheDataFile", "data/datax.dat", nullptr, "příponu obrázku"},
        PictureCase{"NoExtension", "obrazek", nullptr, "příponu obrázku"},
        PictureCase{"NewPng", "graf.png", nullptr, ""},
        PictureCase{"NewJpgInCapitals", "graf.JPG", nullptr, ""},
        PictureCase{"NewPictureInTheDataFolder", "data/graf.png", nullptr,
                    "by byl ve složce s daty"},
        PictureCase{"NewPictureInAFolderOfTheDataFolder", "data/Vysledky/graf.png", nullptr,
                    "by byl ve složce s daty"},
        PictureCase{"NewPictureBesideTheDataFolder", "data/../graf.png", nullptr, ""},
        PictureCase{"OldPng", "graf.png", "\x89PNG\r\n\x1a\nrest", ""},
        PictureCase{"OldBmp", "graf.bmp", "BMrest", ""},
        PictureCase{"OldJpeg", "graf.jpeg", "\xff\xd8\xff\xe0rest", ""},
        PictureCase{"TextNamedPng", "poznamky.png", "Pozorování 12. 3.", "není to obrázek PNG"},
        PictureCase{"PngNamedJpg", "graf.jpg", "\x89PNG\r\n\x1a\nrest", "není to obrázek JPG"},
        PictureCase{"PictureInsideTheDataFolder", "data/KoronaX/sken.jpg", "\xff\xd8\xff\xe0",
                    "ve složce s daty"},
        PictureCase{"NewSvgInCapitals", "graf.Svg", nullptr, ""},
        PictureCase{"NewPdf", "graf.pdf", nullptr, ""},
        PictureCase{"OldPdf", "graf.pdf", "%PDF-1.4\n%\xe2\xe3\n", ""},
        PictureCase{"OldSvg", "graf.svg",
                    "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>", ""},
        PictureCase{"TextNamedSvg", "clanek.svg", "Rukopis clanku o skvrnach <b>", "obrázek SVG"},
        PictureCase{"PngNamedSvg", "graf.svg", "\x89PNG\r\n\x1a\n<svg", "obrázek SVG"},
        PictureCase{"ArticleNamedPdf", "clanek.pdf", "Rukopis", "není to obrázek PDF"},
        PictureCase{"PdfInsideTheDataFolder", "data/vykaz.pdf", "%PDF-1.4", "ve složce s daty"}),
    CaseName);

}  // namespace
}  // namespace ardeno
