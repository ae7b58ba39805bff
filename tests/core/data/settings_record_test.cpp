// SPDX-License-Identifier: GPL-3.0-or-later
// The record a new database starts with carries the drawing radius and the coordinate mode, not
// an observation: it counts for nothing until the first drawing takes its place.
#include "core/data/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/results/month_walk.h"
#include "core/results/quiet_days.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

constexpr CalendarDate kToday{2024, 6, 13};

// What a new database wrote as its first record: today's date, the settings word, and after the
// load-time repairs observer "N" and 12:00.
ObservationRecord SettingsRecord(std::uint16_t radiusWord, bool repaired) {
  ObservationRecord record;
  record.SetDate("13.06.2024");
  record.SetRadiusWord(radiusWord);
  if (repaired) {
    record.SetObserver("N");
    record.SetTimeUT(1200);
  }
  return record;
}

struct RecordCase {
  const char* Name;
  ObservationRecord Record;
  bool Settings;
};

ObservationRecord Changed(ObservationRecord record, std::size_t offset, std::uint8_t value) {
  record.Bytes[offset] = value;
  return record;
}

ObservationRecord WithObserver(ObservationRecord record, const std::string& name) {
  record.SetObserver(name);
  return record;
}

class SettingsRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SettingsRecordTest, TellsTheSettingsRecordFromAnObservation) {
  EXPECT_EQ(IsSettingsRecord(GetParam().Record), GetParam().Settings);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SettingsRecordTest,
    ::testing::Values(
        RecordCase{"AsWritten", SettingsRecord(1125, false), true},
        RecordCase{"AfterRepairs", SettingsRecord(125, true), true},
        RecordCase{"NoSettingsChosenYet", SettingsRecord(0, true), true},
        RecordCase{"NoDate", Changed(SettingsRecord(125, true), 0, 0), false},
        // A spotless drawing stored by the editor carries its results block (the time copy).
        RecordCase{"StoredSpotlessDrawing", Changed(SettingsRecord(125, true), 1728, 0xB0), false},
        RecordCase{"NamedObserver", WithObserver(SettingsRecord(125, true), "Novák"), false},
        RecordCase{"WithConditions", Changed(SettingsRecord(125, true), 11, 2), false},
        RecordCase{"WithStation", Changed(SettingsRecord(125, true), 65, 1), false},
        RecordCase{"ReservedByteSet", Changed(SettingsRecord(125, true), 31, 7), false}),
    [](const auto& info) { return std::string(info.param.Name); });

std::string FileOf(const std::vector<ObservationRecord>& records) {
  std::string bytes;
  for (const auto& r : records)
    bytes.append(reinterpret_cast<const char*>(r.Bytes.data()), kRecordSize);
  return bytes;
}

// A database whose file holds only the settings record is empty: no month, no day, no quiet
// day; its settings still apply and survive a save.
TEST(SettingsRecordLoadTest, FileWithOnlyTheSettingsRecordIsAnEmptyDatabase) {
  TempFolder folder;
  folder.Write(kDataFileName, FileOf({SettingsRecord(1125, true)}));
  Database db;
  const LoadReport report = LoadDatabase(db, folder.Path(), {2024, 6, 20});
  EXPECT_FALSE(report.Error);
  EXPECT_EQ(db.RecordCount, 0);
  EXPECT_EQ(db.CurrentIndex, 0);
  EXPECT_FALSE(db.HasCurrentRecord());
  EXPECT_TRUE(CollectMonths(db).Months.empty());
  EXPECT_TRUE(QuietDays(db).empty());
  EXPECT_TRUE(db.Observers.empty()) << "the settings record names no observer";
  EXPECT_EQ(db.WorkRecord.Date(), "20.06.2024") << "the first drawing starts from today";
  EXPECT_FALSE(NeedsCoordinateMode(db));
  ApplyRadiusWord(db);
  EXPECT_EQ(db.Mode, CoordinateMode::Heliographic);
  EXPECT_EQ(db.DrawingRadius, 125.0f);
  ASSERT_FALSE(SaveDatabase(db, folder.Path()));
  EXPECT_EQ(folder.Read(kDataFileName), FileOf({SettingsRecord(1125, true)}));
}

// Beside observations the record is kept as it is: only alone is it known for what it is.
TEST(SettingsRecordLoadTest, WithObservationsItIsLeftAsItIs) {
  ObservationRecord drawing;
  drawing.SetDate("14.06.2024");
  drawing.SetObserver("Novák");
  drawing.SetTimeUT(900);
  TempFolder folder;
  folder.Write(kDataFileName, FileOf({SettingsRecord(125, true), drawing}));
  Database db;
  LoadDatabase(db, folder.Path(), kToday);
  EXPECT_EQ(db.RecordCount, 2);
  EXPECT_EQ(db.CurrentIndex, 2);
}

}  // namespace
}  // namespace ardeno
