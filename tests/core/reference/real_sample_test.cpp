// SPDX-License-Identifier: GPL-3.0-or-later
// The real-data sample folder built from a few published days: one record per day (special
// records beside), the observers' drawings of the real regions, the NOAA days as imported, the
// reference series and the README that tells real from generated.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/data/data_file.h"
#include "core/data/record_file.h"
#include "core/data/sidc_files.h"
#include "core/quality/noaa_regions.h"
#include "core/reference/reference_test_files.h"
#include "core/solar/heliographic.h"
#include "sample/real_sample.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

TEST(RealSample, EveryPublishedDayBecomesOneDrawingOfItsRegions) {
  test::TempFolder temp;
  temp.Write("src/noaa-srs/raw-2014/20140101SRS.txt", ReadReferenceTestFile("20140101SRS.txt"));
  temp.Write("src/noaa-srs/raw-2014/20140718SRS.txt", ReadReferenceTestFile("20140718SRS.txt"));
  temp.Write("src/noaa-srs/dataframes/quirks.csv", ReadReferenceTestFile("srs_table_quirks.csv"));
  temp.Write("src/silso/SN_d_tot_V2.0.csv", "2014;07;17;2014.541;   0;  0.0;  30;1\n");
  const RealSampleSummary summary =
      WriteRealSampleFolder(temp.Path() / "sample", temp.Path() / "src", 1);
  // 2 reports and 7 table days, one of which (17 July 2014) the report already gives.
  EXPECT_EQ(summary.DrawnDays + summary.NoaaDays, 8);
  EXPECT_EQ(summary.Records, 8 + summary.SpecialRecords);
  EXPECT_EQ(summary.FirstDate, "11.02.2010");
  EXPECT_EQ(summary.LastDate, "17.07.2014");
  EXPECT_TRUE(fs::exists(temp.Path() / "sample" / "README.md"));
  // The reports themselves, byte for byte, where the drawing window finds them unasked.
  EXPECT_EQ(ReadNoaaFolder(temp.Path() / "sample"), temp.Path() / "sample" / kNoaaDefaultFolder);
  EXPECT_EQ(temp.Read(std::string("sample/") + kNoaaDefaultFolder + "/20140718SRS.txt"),
            ReadReferenceTestFile("20140718SRS.txt"));
  EXPECT_TRUE(fs::exists(temp.Path() / "sample" / kNoaaDefaultFolder / "quirks.csv"));
  EXPECT_EQ(ReadSidcDaily(temp.Path() / "sample", 2014).YearsFound, 2014 - 1982 + 1);

  std::vector<ObservationRecord> records;
  ASSERT_FALSE(ReadRecordFile(temp.Path() / "sample" / kDataFileName, 0, records).Error);
  std::set<std::string> ordinaryDates;
  for (const ObservationRecord& record : records) {
    if (record.IsSpecial()) continue;
    EXPECT_TRUE(ordinaryDates.insert(record.Date()).second) << record.Date();
    EXPECT_EQ(record.RadiusWord(), 125);
    const auto eph = RecordEphemeris(record);
    ASSERT_TRUE(eph);
    EXPECT_EQ(record.Rotation(), eph->RotationNumber);
    if (record.Date() != "31.12.2013") continue;
    // The day of 20140101SRS.txt: every group drawn is one of its regions, at its latitude.
    const std::map<int, int> latitudes = {{11934, -16}, {11936, -16}, {11937, -12}, {11938, -9},
                                          {11940, -12}, {11941, -13}, {11942, 10},  {11943, -11}};
    EXPECT_GE(record.GroupCount(), 1);
    for (int k = 1; k <= record.GroupCount(); ++k) {
      ASSERT_TRUE(latitudes.count(record.GroupNumber(k))) << record.GroupNumber(k);
      EXPECT_NEAR(PolarToHeliographic(*eph, record.Angle10(k), record.Distance10(k)).HelioLatitude,
                  latitudes.at(record.GroupNumber(k)), 0.3);
    }
  }
}

TEST(RealSample, AFolderWithADatabaseOrSourcesWithoutRegionsIsRefused) {
  test::TempFolder temp;
  temp.Write("src/noaa-srs/raw-2014/20140101SRS.txt", ReadReferenceTestFile("20140101SRS.txt"));
  temp.Write("taken/datax.dat", std::string(kRecordSize, '\0'));
  EXPECT_THROW(WriteRealSampleFolder(temp.Path() / "taken", temp.Path() / "src", 1),
               std::runtime_error);
  EXPECT_EQ(fs::file_size(temp.Path() / "taken" / "datax.dat"), kRecordSize);
  EXPECT_THROW(WriteRealSampleFolder(temp.Path() / "new", temp.Path() / "nothing", 1),
               std::runtime_error);
  EXPECT_FALSE(fs::exists(temp.Path() / "new" / "datax.dat"));
  // A README that cannot be written is a failure, not a sample folder reported as written.
  temp.Write("blocked/README.md/inside", "");
  EXPECT_THROW(WriteRealSampleFolder(temp.Path() / "blocked", temp.Path() / "src", 1),
               std::runtime_error);
}

}  // namespace
}  // namespace ardeno
