// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnet_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

struct CellCase {
  std::string name;
  double b;
  double l;
  int rotation;
  std::size_t records;
  std::optional<std::size_t> cell;
};

class MagnetCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(MagnetCell, IndexInsideTheFileOnly) {
  const CellCase& c = GetParam();
  MagnetSummary summary;
  summary.Cells.assign(c.records * kMagnetRecordBytes, 0);
  EXPECT_EQ(MagnetCellIndex(summary, c.b, c.l, c.rotation), c.cell);
}

INSTANTIATE_TEST_SUITE_P(Layout, MagnetCell,
                         ::testing::Values(
                             // 101 * trunc(60.5) + nint(360 + 100.4) div 4 = 6060 + 115
                             CellCase{"FirstRotation", 0.5, 100.4, 1718, 1, 6175},
                             CellCase{"SouthernTruncatesTowardZero", -59.5, 0, 1718, 1, 0 + 90},
                             CellCase{"LaterRotationMovesByNinetyCells", 0.5, 100.4, 1720, 3,
                                      6175 + 180},
                             CellCase{"PastTheLastRecord", 59.9, 359, 1718, 1, std::nullopt},
                             CellCase{"BeforeTheFirstRotation", -59.9, 0, 1700, 100, std::nullopt},
                             CellCase{"NoRecords", 0, 0, 1718, 0, std::nullopt}),
                         [](const auto& info) { return info.param.name; });

TEST(MagnetSummaryFile, ReadKeepsEveryStoredByteAndWriteReplacesWhole) {
  TempFolder folder;
  MagnetSummary missing = ReadMagnetSummary(folder.Path(), 1720);
  EXPECT_FALSE(missing.FileFound);
  EXPECT_EQ(missing.RecordCount(), 3u);
  EXPECT_EQ(ReadMagnetSummary(folder.Path(), 1500).RecordCount(), 0u);

  // Five and a half records stored, the data reach only two rotations.
  std::string stored(kMagnetRecordBytes * 5 + kMagnetRecordBytes / 2, '\0');
  for (std::size_t i = 0; i < stored.size(); i += 997) stored[i] = static_cast<char>(i % 251);
  stored.back() = '\x70';
  folder.Write("magn.dat", stored);
  MagnetSummary summary = ReadMagnetSummary(folder.Path(), 1719);
  EXPECT_TRUE(summary.FileFound);
  ASSERT_EQ(summary.RecordCount(), 6u);
  EXPECT_EQ(std::string(summary.Cells.begin(), summary.Cells.begin() + stored.size()), stored);

  summary.Cells[10] = 0x30;
  ASSERT_TRUE(Succeeded(WriteMagnetSummary(folder.Path(), summary)));
  const std::string written = folder.Read("magn.dat");
  ASSERT_EQ(written.size(), 6 * kMagnetRecordBytes);
  EXPECT_EQ(written[10], '\x30');
  EXPECT_EQ(written[stored.size() - 1], '\x70');
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "magn.dat.tmp"));
}

TEST(MagnetSummation, WritesOnlyCentralPointsInsideTheFile) {
  TempFolder folder;
  const CalendarDate date{2003, 5, 1};
  const SolarEphemeris eph = Ephemeris(date, kMagnetogramTimeUT);
  auto at = [&](double cmd, double b, int code) {
    const auto point = MagnetogramPointAt(eph, std::fmod(eph.EphL0 - cmd + 720, 360), b,
                                          kSummationCentreColumn, code);
    EXPECT_TRUE(point) << cmd << " " << b;
    return point.value_or(MagnetogramPoint{});
  };
  Magnetogram day;
  day.Points = {at(0, 10, 3), at(-30, -20, 5), at(55, 10, 7), at(0, 65, 9)};
  folder.Write("Magneto/030501", EncodeMagnetogram(day.Points, kMapMagnetogramHeaderWords));

  MagnetSummary summary = ReadMagnetSummary(folder.Path(), eph.RotationNumber + 1);
  const MagnetSummationReport report = SumMagnetograms(folder.Path(), {2003, 5, 3}, summary);
  EXPECT_EQ(report.DaysRead, 1);
  EXPECT_EQ(report.PointsStored, 2) << "the limb and polar points are left out";
  int set = 0;
  for (std::uint8_t cell : summary.Cells) {
    if (cell == 0) continue;
    ++set;
    EXPECT_TRUE(cell == 3 * 16 || cell == 5 * 16) << int(cell);
  }
  EXPECT_EQ(set, 2);

  MagnetSummary tooShort;  // no records: nothing may be written anywhere
  EXPECT_EQ(SumMagnetogramDay(day, eph, tooShort), 0);
  EXPECT_TRUE(tooShort.Cells.empty());
}

// Where L0 passes 0 the points on both sides of the central meridian are central all the same.
TEST(MagnetSummation, CentralWindowHoldsAcrossLongitudeZero) {
  CalendarDate date{2003, 1, 1};
  SolarEphemeris eph = Ephemeris(date, kMagnetogramTimeUT);
  for (int d = 0; d < 30 && !(eph.EphL0 < 14); ++d) {  // L0 falls 13.2 degrees a day
    date = DateFromSerial(DaySerial(date) + 1);
    eph = Ephemeris(date, kMagnetogramTimeUT);
  }
  ASSERT_LT(eph.EphL0, 15);
  Magnetogram day;
  const auto east =
      MagnetogramPointAt(eph, std::fmod(eph.EphL0 + 20, 360), 5, kSummationCentreColumn, 2);
  const auto west =
      MagnetogramPointAt(eph, std::fmod(eph.EphL0 - 20 + 360, 360), 5, kSummationCentreColumn, 4);
  ASSERT_TRUE(east && west);
  day.Points = {*east, *west};
  MagnetSummary summary;
  summary.Cells.assign(MagnetRecordsFor(eph.RotationNumber + 2) * kMagnetRecordBytes, 0);
  EXPECT_EQ(SumMagnetogramDay(day, eph, summary), 2);
}

}  // namespace
}  // namespace ardeno
