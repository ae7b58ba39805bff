// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogue days as records: where the groups land, what they carry, the results the program
// computes from them, and an import that never touches what the database already holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "core/data/data_file.h"
#include "core/data/folder_lock.h"
#include "core/data/record_file.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/group_files_import.h"
#include "core/reference/group_import.h"
#include "core/reference/reference_test_files.h"
#include "core/reference/srs_report.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHolder = "ardeno-cli import-groups";

double LongitudeDifference(double a, double b) { return std::remainder(a - b, 360.0); }

struct PlacedDay {
  const char* Name;
  const char* File;
  // The program's ephemeris is good to about 0.3 degrees. The USAF/NOAA data give whole degrees
  // and a region's Carrington longitude as a mean over its passage, so there the longitude is
  // checked to the rounding of its two whole-degree numbers and the region's drift as well.
  double LongitudeTolerance;
  const char* Observer;
};

class ImportedDay : public ::testing::TestWithParam<PlacedDay> {};

TEST_P(ImportedDay, GroupsLandAtTheSourcesLatitudeAndLongitudeWithItsClassSpotsAndArea) {
  const std::string text = ReadReferenceTestFile(GetParam().File);
  const SourceReading reading = LooksLikeSrsReport(text)
                                    ? ReadSrsReport(text, GetParam().File)
                                    : ReadGreenwichGroups(text, GetParam().File);
  ASSERT_FALSE(reading.Days.empty());
  const SourceDay& day = reading.Days[0];
  RotationGroupNumbers numbers;
  const BuiltRecord built = BuildSourceRecord(day, numbers, 125);
  const ObservationRecord& record = built.Record;
  ASSERT_EQ(record.GroupCount(), static_cast<int>(day.Groups.size()));
  EXPECT_EQ(record.Observer(), GetParam().Observer);
  const auto eph = RecordEphemeris(record);
  ASSERT_TRUE(eph);
  EXPECT_EQ(record.Rotation(), eph->RotationNumber);
  EXPECT_EQ(record.CentralL0(), static_cast<int>(eph->EphL0));
  int correctedSum = 0;
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const SourceGroup& source = day.Groups[static_cast<std::size_t>(k - 1)];
    const auto place = PolarToHeliographic(*eph, record.Angle10(k), record.Distance10(k));
    SCOPED_TRACE(source.Region);
    EXPECT_NEAR(place.HelioLatitude, source.Latitude, 0.3);
    EXPECT_NEAR(LongitudeDifference(place.HelioLongitude, source.CarringtonLongitude), 0,
                GetParam().LongitudeTolerance);
    // Both the drawing and the program's central-meridian distance are on the source's side.
    EXPECT_NEAR(place.CentralMeridianDistance, -source.MeridianDistanceWest, 0.3);
    EXPECT_EQ(record.GroupType(k), source.Class.empty() ? "***" : source.Class);
    EXPECT_EQ(record.SpotCount(k), source.Spots.value_or(0));
    EXPECT_EQ(record.GroupNumber(k), source.Region);
    EXPECT_GE(record.RotationGroupNumber(k), 1);
    if (std::fabs(source.MeridianDistanceWest) < 70)
      EXPECT_EQ(HemisphereArea(record.Area(k), record, k), source.CorrectedArea);
    correctedSum += source.CorrectedArea;
  }
  // The results block is what the editor would store for this record.
  ObservationRecord recomputed = record;
  StoreDayResults(recomputed, *eph);
  EXPECT_EQ(recomputed, record);
  if (built.AreasNotExact == 0)
    EXPECT_EQ(record.ResultWord(kHemisphereAreaN) + record.ResultWord(kHemisphereAreaS),
              correctedSum);
}

INSTANTIATE_TEST_SUITE_P(Sources, ImportedDay,
                         ::testing::Values(PlacedDay{"NoaaReport", "20140101SRS.txt",
                                                     0.3 + 1.0 + 0.3, "NOAA"},
                                           PlacedDay{"RgoPlate", "g1955_january.txt", 0.3, "RGO"},
                                           PlacedDay{"UsafNoaaInTheGroupFile", "g2014_january.txt",
                                                     0.3 + 1.0 + 0.3, "RGO"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ImportedDay, DailyCorrectedAreasOfRgoDaysAreThePublishedDailyAreas) {
  // Source: Hathaway & Upton daily areas of January 1955, the daily sums of the RGO groups'
  // corrected areas (north: latitude >= 0). The program's corrected area of each imported day
  // must give them, hemisphere by hemisphere, except on days with a group on the limb.
  std::map<CalendarDate, std::array<int, 3>> published;
  std::istringstream areas(ReadReferenceTestFile("daily_area_1955_january.txt"));
  int year = 0, month = 0, day = 0;
  double total = 0, north = 0, south = 0;
  while (areas >> year >> month >> day >> total >> north >> south)
    published[{year, month, day}] = {int(total), int(north), int(south)};
  const SourceReading reading =
      ReadGreenwichGroups(ReadReferenceTestFile("g1955_january.txt"), "g1955.txt");
  RotationGroupNumbers numbers;
  int exactDays = 0;
  for (const SourceDay& sourceDay : reading.Days) {
    const BuiltRecord built = BuildSourceRecord(sourceDay, numbers, 125);
    if (built.AreasNotExact > 0 || !published.count(sourceDay.Date)) continue;
    const auto& expected = published.at(sourceDay.Date);
    EXPECT_EQ(built.Record.ResultWord(kHemisphereAreaN), expected[1]) << FormatDate(sourceDay.Date);
    EXPECT_EQ(built.Record.ResultWord(kHemisphereAreaS), expected[2]) << FormatDate(sourceDay.Date);
    ++exactDays;
  }
  EXPECT_GE(exactDays, static_cast<int>(reading.Days.size()) * 2 / 3);
}

TEST(ImportedDay, RelativeNumberOfANoaaDayCountsItsRegionsAndSpots) {
  const SourceReading reading =
      ReadSrsReport(ReadReferenceTestFile("20140101SRS.txt"), "20140101SRS.txt");
  RotationGroupNumbers numbers;
  const ObservationRecord record = BuildSourceRecord(reading.Days[0], numbers, 125).Record;
  // 7 southern regions with 5+36+3+3+4+3+1 spots, 1 northern with 1 (NN of the report).
  EXPECT_EQ(record.ResultWord(kGroupsS), 7);
  EXPECT_EQ(record.ResultWord(kSpotsS), 55);
  EXPECT_EQ(record.ResultWord(kRelativeS), 125);
  EXPECT_EQ(record.ResultWord(kGroupsN), 1);
  EXPECT_EQ(record.ResultWord(kRelativeN), 11);
  EXPECT_EQ(record.TimeUT(), 2359) << "valid at 2400Z, stored at the day's last minute";
  EXPECT_EQ(record.Station(), "NOAA SWPC");
}

TEST(RotationGroupNumbersTest, ARegionKeepsItsNumberAcrossTheDiskAndNumbersCountPerRotation) {
  RotationGroupNumbers numbers;
  SourceDay day;
  day.Source = GroupSource::NoaaReport;
  day.TimeUT = 2400;
  SourceGroup region;
  region.Region = 12000;
  region.Latitude = 10;
  SourceGroup other = region;
  other.Region = 12001;
  other.Latitude = -10;
  std::set<int> numbersOfTheFirst;
  // Two weeks of passage from the east limb to the west limb, 13 degrees a day.
  for (int d = 0; d < 13; ++d) {
    day.Date = DateFromSerial(DaySerial({2014, 3, 1}) + d);
    region.MeridianDistanceWest = -80 + 13.2 * d;
    other.MeridianDistanceWest = region.MeridianDistanceWest + 5;
    region.EpochDate = other.EpochDate = day.Date;
    region.EpochTime = other.EpochTime = 2400;
    day.Groups = {region, other};
    const ObservationRecord record = BuildSourceRecord(day, numbers, 125).Record;
    numbersOfTheFirst.insert(record.RotationGroupNumber(1));
    EXPECT_NE(record.RotationGroupNumber(1), record.RotationGroupNumber(2));
  }
  EXPECT_EQ(numbersOfTheFirst, (std::set<int>{1}));
  // A rotation later the same number is a returning group: a new passage, numbered afresh there.
  day.Date = DateFromSerial(DaySerial({2014, 3, 1}) + 28);
  region.MeridianDistanceWest = -80;
  region.EpochDate = day.Date;
  day.Groups = {region};
  EXPECT_EQ(BuildSourceRecord(day, numbers, 125).Record.RotationGroupNumber(1), 1);
}

// A group drawn right at longitude 0/360 falls now on one side of the seam, now on the other:
// the number it keeps is taken in both rotations, so the maps never show two groups under it.
TEST(RotationGroupNumbersTest, AGroupOnTheSeamTakesItsNumberInBothRotations) {
  struct Step {
    int Region;
    double Passage;
    std::uint16_t Number;
  };
  RotationGroupNumbers numbers;
  for (const Step& step : {Step{500, 2155.2, 1}, Step{501, 2155.999, 2}, Step{501, 2156.001, 2},
                           Step{502, 2156.3, 3}, Step{503, 2155.5, 3}})
    EXPECT_EQ(numbers.NumberFor(step.Region, step.Passage), step.Number)
        << step.Region << " at " << step.Passage;
}

std::vector<ObservationRecord> FileRecords(const fs::path& folder) {
  std::vector<ObservationRecord> records;
  EXPECT_FALSE(ReadRecordFile(folder / kDataFileName, 0, records).Error);
  return records;
}

TEST(ImportGroupFiles, ANewFolderGetsAPolarDatabaseOfRadius125AndASecondImportAddsNothing) {
  test::TempFolder folder;
  const fs::path data = folder.Path() / "db";
  const std::vector<fs::path> inputs{ReferenceTestPath("20140101SRS.txt"),
                                     ReferenceTestPath("20140718SRS.txt"),
                                     ReferenceTestPath("g2014_january.txt")};
  const FolderImportResult first =
      ImportGroupFiles(data, inputs, {2026, 1, 1}, ImportTarget::NewDatabase, kHolder);
  ASSERT_FALSE(first.Error) << *first.Error;
  EXPECT_TRUE(first.NewDatabase);
  EXPECT_EQ(first.Import.SpotlessDays, 1);
  const auto records = FileRecords(data);
  ASSERT_EQ(static_cast<int>(records.size()), first.Import.AddedDays);
  EXPECT_EQ(records[0].RadiusWord(), 125);
  EXPECT_EQ(records[0].Date(), "31.12.2013");
  EXPECT_EQ(records[0].Observer(), "NOAA");
  for (std::size_t i = 1; i < records.size(); ++i)
    EXPECT_LE(DaySerial(*ParseDate(records[i - 1].Date())),
              DaySerial(*ParseDate(records[i].Date())));

  const FolderImportResult second =
      ImportGroupFiles(data, inputs, {2026, 1, 1}, ImportTarget::ExistingDatabase, kHolder);
  ASSERT_FALSE(second.Error);
  EXPECT_EQ(second.Import.AddedDays, 0);
  EXPECT_EQ(static_cast<int>(second.Import.KeptDays.size()), first.Import.AddedDays);
  EXPECT_EQ(FileRecords(data), records);
}

TEST(ImportGroupFiles, ExistingRecordsStayByteForByteAndTheirSettingsAreKept) {
  test::TempFolder folder;
  // A heliographic database of radius 100 with a drawing of 1 January 2014 (also in g2014).
  ObservationRecord own;
  own.SetDate("01.01.2014");
  own.SetTimeUT(830);
  own.SetObserver("Novák Jan");
  own.SetRadiusWord(1100);
  own.Bytes[31] = 0x5A;  // reserved bytes travel as found
  ObservationRecord later = own;
  later.SetDate("15.02.2014");
  later.SetRadiusWord(0);
  ASSERT_FALSE(WriteRecordFile(folder.Path() / kDataFileName, std::vector{own, later}));

  const FolderImportResult result =
      ImportGroupFiles(folder.Path(), {ReferenceTestPath("g2014_january.txt")}, {2026, 1, 1},
                       ImportTarget::ExistingDatabase, kHolder);
  ASSERT_FALSE(result.Error) << *result.Error;
  EXPECT_FALSE(result.NewDatabase);
  EXPECT_EQ(result.Import.KeptDays, (std::vector<CalendarDate>{{2014, 1, 1}}));
  const auto records = FileRecords(folder.Path());
  ASSERT_EQ(static_cast<int>(records.size()), 2 + result.Import.AddedDays);
  EXPECT_EQ(records.front(), own);
  EXPECT_EQ(records.back(), later);
  for (std::size_t i = 1; i + 1 < records.size(); ++i) {
    EXPECT_EQ(records[i].Observer(), "RGO");
    EXPECT_EQ(records[i].RadiusWord(), 1100);
  }
}

TEST(ImportGroupFiles, AnUnreadableDatabaseIsNeitherChangedNorReplaced) {
  test::TempFolder folder;
  fs::create_directories(folder.Path() / kDataFileName);  // a folder where the file should be
  const FolderImportResult result =
      ImportGroupFiles(folder.Path(), {ReferenceTestPath("20140101SRS.txt")}, {2026, 1, 1},
                       ImportTarget::ExistingDatabase, kHolder);
  EXPECT_TRUE(result.Error);
  EXPECT_EQ(result.Import.AddedDays, 0);
  EXPECT_TRUE(fs::is_directory(folder.Path() / kDataFileName));
}

TEST(ImportGroupFiles, UnknownAndMissingFilesAreNamedAndTheOthersImported) {
  test::TempFolder folder;
  const fs::path stray = folder.Path() / "notes.txt";
  folder.Write("notes.txt", "nothing to see\n");
  const FolderImportResult result =
      ImportGroupFiles(folder.Path() / "db",
                       {stray, folder.Path() / "missing.txt", ReferenceTestPath("20140101SRS.txt")},
                       {2026, 1, 1}, ImportTarget::NewDatabase, kHolder);
  ASSERT_FALSE(result.Error);
  EXPECT_EQ(result.Import.AddedDays, 1);
  ASSERT_EQ(result.Problems.size(), 2u);
  EXPECT_NE(result.Problems[0].find("notes.txt"), std::string::npos);
  EXPECT_NE(result.Problems[1].find("missing.txt"), std::string::npos);
}

// Folders an import must leave exactly as they are: the file is not a whole database, or it is
// not there and a new one was not asked for, or a new one was asked for where a file is.
struct RefusedImportCase {
  const char* Name;
  std::string Content;  // of datax.dat; "-" for no file at all
  ImportTarget Target;
  const char* InMessage;
};

std::string RecordBytes(const std::vector<ObservationRecord>& records) {
  return std::string(reinterpret_cast<const char*>(records.data()), records.size() * kRecordSize);
}

std::vector<ObservationRecord> DatedDays(int count, std::uint16_t radiusWord) {
  std::vector<ObservationRecord> records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    records[static_cast<std::size_t>(i)].SetDate(
        FormatDate(DateFromSerial(DaySerial({2013, 1, 1}) + i)));
    records[static_cast<std::size_t>(i)].SetTimeUT(900);
  }
  records[0].SetRadiusWord(radiusWord);
  return records;
}

std::string WithEmptyDateAt(int count, int emptyAt, std::uint16_t radiusWord) {
  std::vector<ObservationRecord> records = DatedDays(count, radiusWord);
  records[static_cast<std::size_t>(emptyAt - 1)] = ObservationRecord{};
  return RecordBytes(records);
}

class RefusedImportTest : public ::testing::TestWithParam<RefusedImportCase> {};

TEST_P(RefusedImportTest, NothingInTheFolderChanges) {
  const RefusedImportCase& c = GetParam();
  test::TempFolder folder;
  if (c.Content != "-") folder.Write(kDataFileName, c.Content);
  const auto before = [&] {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }();
  const FolderImportResult result = ImportGroupFiles(
      folder.Path(), {ReferenceTestPath("g2014_january.txt")}, {2026, 1, 1}, c.Target, kHolder);
  ASSERT_TRUE(result.Error);
  EXPECT_NE(result.Error->find(c.InMessage), std::string::npos) << *result.Error;
  EXPECT_EQ(result.Import.AddedDays, 0);
  if (c.Content == "-") {
    EXPECT_FALSE(fs::exists(folder.Path() / kDataFileName));
  } else {
    EXPECT_EQ(folder.Read(kDataFileName), c.Content);
  }
  std::vector<std::string> after;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    if (entry.path().filename() != kFolderLockFileName)
      after.push_back(entry.path().filename().string());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RefusedImportTest,
    ::testing::Values(
        // 3,000 drawings with an empty date at 1,501: the other 1,499 would be lost.
        RefusedImportCase{"EmptyDateInsideUnchosenRadius", WithEmptyDateAt(3000, 1501, 0),
                          ImportTarget::ExistingDatabase, "nenačetl celý"},
        RefusedImportCase{"EmptyDateInsidePolar", WithEmptyDateAt(30, 10, 125),
                          ImportTarget::ExistingDatabase, "nenačetl celý"},
        RefusedImportCase{"PartialTrailingRecord",
                          RecordBytes(DatedDays(3, 0)) + std::string(700, 'x'),
                          ImportTarget::ExistingDatabase, "nenačetl celý"},
        RefusedImportCase{"ShorterThanOneRecord", std::string(1773, '\x01'),
                          ImportTarget::ExistingDatabase, "poškozen"},
        RefusedImportCase{"OneByte", std::string(1, '\0'), ImportTarget::ExistingDatabase,
                          "poškozen"},
        RefusedImportCase{"EmptyFile", std::string(), ImportTarget::ExistingDatabase,
                          "neobsahuje žádný zákres"},
        RefusedImportCase{"NoFileWithoutNew", "-", ImportTarget::ExistingDatabase, "--new"},
        RefusedImportCase{"NewOverAShortFile", std::string(100, 'x'), ImportTarget::NewDatabase,
                          "už soubor datax.dat je"},
        RefusedImportCase{"NewOverAnEmptyFile", std::string(), ImportTarget::NewDatabase,
                          "už soubor datax.dat je"},
        RefusedImportCase{"NewOverADatabase", RecordBytes(DatedDays(3, 125)),
                          ImportTarget::NewDatabase, "už soubor datax.dat je"}),
    [](const ::testing::TestParamInfo<RefusedImportCase>& info) {
      return std::string(info.param.Name);
    });

TEST(ImportGroupFiles, AMistypedFolderIsNeitherCreatedNorGivenADatabase) {
  test::TempFolder folder;
  const FolderImportResult result =
      ImportGroupFiles(folder.Path() / "dbb", {ReferenceTestPath("20140101SRS.txt")}, {2026, 1, 1},
                       ImportTarget::ExistingDatabase, kHolder);
  ASSERT_TRUE(result.Error);
  EXPECT_NE(result.Error->find("neexistuje"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.Path() / "dbb"));
}

TEST(ImportGroupFiles, AnUnchosenRadiusStaysZeroInAWholeDatabase) {
  test::TempFolder folder;
  folder.Write(kDataFileName, RecordBytes(DatedDays(3, 0)));
  const FolderImportResult result =
      ImportGroupFiles(folder.Path(), {ReferenceTestPath("g2014_january.txt")}, {2026, 1, 1},
                       ImportTarget::ExistingDatabase, kHolder);
  ASSERT_FALSE(result.Error) << *result.Error;
  ASSERT_GT(result.Import.AddedDays, 0);
  const auto records = FileRecords(folder.Path());
  EXPECT_EQ(static_cast<int>(records.size()), 3 + result.Import.AddedDays);
  EXPECT_EQ(records[0].RadiusWord(), 0);
}

TEST(ImportGroupFiles, ASecondWriterIsRefusedNamingTheFirst) {
  test::TempFolder folder;
  folder.Write(kDataFileName, RecordBytes(DatedDays(3, 125)));
  const std::string before = folder.Read(kDataFileName);
  FolderLockAttempt first = LockDataFolder(folder.Path(), "Ardeno");
  ASSERT_TRUE(first.Lock.Held());
  const FolderImportResult result =
      ImportGroupFiles(folder.Path(), {ReferenceTestPath("g2014_january.txt")}, {2026, 1, 1},
                       ImportTarget::ExistingDatabase, kHolder);
  ASSERT_TRUE(result.Error);
  EXPECT_NE(result.Error->find("Ardeno (proces"), std::string::npos) << *result.Error;
  EXPECT_EQ(folder.Read(kDataFileName), before);
}

}  // namespace
}  // namespace ardeno
