// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/sample_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>

#include "core/data/data_file.h"
#include "core/data/group_types.h"
#include "core/quality/quality_checks.h"
#include "core/solar/heliographic.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

constexpr CalendarDate kStart{2009, 1, 1};  // a cycle minimum
constexpr int kCount = 3000;                // about eleven years, one whole cycle

class SampleDatabaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_records = GenerateSampleRecords(kCount, 5, kStart); }
  static inline std::vector<ObservationRecord> s_records;
};

TEST_F(SampleDatabaseTest, RecordsAreWhatTheProgramWouldStore) {
  ASSERT_EQ(s_records.size(), static_cast<std::size_t>(kCount));
  std::optional<CalendarDate> previous;
  for (const ObservationRecord& record : s_records) {
    const auto date = ParseDate(record.Date());
    ASSERT_TRUE(date) << record.Date();
    if (previous) EXPECT_LE(*previous, *date);
    previous = date;
    EXPECT_EQ(record.RadiusWord(), 125);
    EXPECT_LE(record.GroupCountRaw(), kMaxGroups);
    EXPECT_LE(record.FacularCountRaw(), kMaxFaculae);
    EXPECT_FALSE(record.Observer().empty());
    EXPECT_NE(record.TimeUT(), 0);
    EXPECT_EQ(record.ResultWord(kResultTime), record.TimeUT());
    for (int k = 1; k <= record.GroupCount(); ++k) {
      EXPECT_GT(GroupTypeCvValue(record.GroupType(k)), 0) << record.GroupType(k);
      EXPECT_GE(record.SpotCount(k), record.PenumbralCount(k));
      EXPECT_LT(record.Angle10(k), 3600);
      EXPECT_LE(record.Distance10(k), 1250);
      EXPECT_LE(record.RotationGroupNumber(k), 70);
    }
    for (int k = 1; k <= record.FacularCount(); ++k) EXPECT_NE(record.FaculaVertex(k, 1), 0);
  }
}

TEST_F(SampleDatabaseTest, HoldsSpotlessDaysAndSpecialRecordsOfBothKinds) {
  int spotless = 0, withMarkers = 0, withoutMarkers = 0, faculae = 0;
  std::set<std::string> observers;
  for (const ObservationRecord& record : s_records) {
    observers.insert(record.Observer());
    if (record.GroupCount() == 0) ++spotless;
    if (record.FacularCount() > 0) ++faculae;
    if (!record.IsSpecial()) continue;
    EXPECT_EQ(record.Kind(), "zvlášťní");
    const bool marker =
        record.Distance10(1) == kMarkerDistance10 &&
        (record.Angle10(1) == kNorthMarkerAngle10 || record.Angle10(1) == kSouthMarkerAngle10);
    ++(marker ? withMarkers : withoutMarkers);
  }
  EXPECT_GT(spotless, 0);
  EXPECT_GT(faculae, kCount / 4);
  EXPECT_GT(withMarkers, 0);
  EXPECT_GT(withoutMarkers, 0);
  EXPECT_TRUE(observers.contains("Šťastná Jiřina"));
}

// Spörer's law: early in a cycle the groups lie far from the equator, late in it close to it.
TEST_F(SampleDatabaseTest, GroupLatitudesDriftTowardsTheEquator) {
  double early = 0, late = 0;
  int earlyCount = 0, lateCount = 0;
  for (const ObservationRecord& record : s_records) {
    if (record.IsSpecial()) continue;
    const auto eph = RecordEphemeris(record);
    ASSERT_TRUE(eph);
    const int year = ParseDate(record.Date())->Year;
    for (int k = 1; k <= record.GroupCount(); ++k) {
      const double latitude = std::abs(
          PolarToHeliographic(*eph, record.Angle10(k), record.Distance10(k)).HelioLatitude);
      if (year >= 2010 && year <= 2011) early += latitude, ++earlyCount;
      if (year >= 2016 && year <= 2018) late += latitude, ++lateCount;
    }
  }
  ASSERT_GT(earlyCount, 100);
  ASSERT_GT(lateCount, 100);
  EXPECT_GT(early / earlyCount, late / lateCount + 8);
}

TEST_F(SampleDatabaseTest, SameSeedSameRecordsAndFolderLoadsClean) {
  EXPECT_EQ(GenerateSampleRecords(200, 5, kStart),
            std::vector<ObservationRecord>(s_records.begin(), s_records.begin() + 200));
  EXPECT_NE(GenerateSampleRecords(200, 6, kStart)[100], s_records[100]);

  test::TempFolder folder;
  WriteSampleFolder(folder.Path() / "ukazka", 500, 3);
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path() / "ukazka", Today());
  EXPECT_EQ(db.RecordCount, 500);
  EXPECT_EQ(report.Repairs, 0);
  EXPECT_FALSE(NeedsCoordinateMode(db));

  // A second run never writes over the database it finds.
  const std::string before = folder.Read("ukazka/datax.dat");
  EXPECT_THROW(WriteSampleFolder(folder.Path() / "ukazka", 10, 4), std::runtime_error);
  EXPECT_EQ(folder.Read("ukazka/datax.dat"), before);
}

// The sample is drawn as careful observers draw: the plausibility checks find nothing almost
// certainly wrong in it (a rotation group number is never given to two groups of one rotation).
TEST_F(SampleDatabaseTest, PassesThePlausibilityChecksWithoutError) {
  const Database db = test::DatabaseOf(s_records);
  const RecordPositions positions = ComputeRecordPositions(db);
  const QualityReport report = CheckQuality({db, positions, {}, nullptr, {}});
  for (const QualityFinding& finding : report.Findings)
    EXPECT_NE(finding.Level, Severity::Error) << FindingLine(finding);
}

}  // namespace
}  // namespace ardeno
