// SPDX-License-Identifier: GPL-3.0-or-later
// The files for the other networks (USSPS, BAA, AAVSO) byte for byte against a month written out
// by hand from their layouts, and the seeing table they share.
#include <gtest/gtest.h>

#include <cmath>

#include "core/reference/group_import.h"
#include "core/reference/reference_test_files.h"
#include "core/reference/srs_report.h"
#include "core/reports/aavso_month.h"
#include "core/reports/baa_month.h"
#include "core/reports/network_codes.h"
#include "core/reports/network_files.h"
#include "core/reports/network_seeing.h"
#include "core/reports/report_text.h"
#include "core/reports/ussps_message.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

struct DrawnGroup {
  const char* Class;
  int Spots;
  int Area;        // millionths of the disk
  int SmallSpots;  // each counted as 15.3 millionths
  float Cmd;       // central-meridian distance, degrees (east positive, L = L0 - Cmd)
  float Latitude;
};

// A drawing of `date` at `timeUT` whose groups are placed where their heliographic coordinates
// fall on the 125 mm drawing, with its results block computed as the editor stores it.
ObservationRecord Drawing(const CalendarDate& date, std::uint16_t timeUT, std::uint8_t conditions,
                          const std::vector<DrawnGroup>& groups) {
  ObservationRecord r = test::DatedRecord(date);
  r.SetTimeUT(timeUT);
  r.SetConditions(conditions);
  r.SetGroupCount(static_cast<int>(groups.size()));
  const SolarEphemeris eph = Ephemeris(date, timeUT);
  for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
    const DrawnGroup& g = groups[static_cast<std::size_t>(k - 1)];
    const auto polar = HeliographicToPolar(
        eph, static_cast<float>(std::fmod(eph.EphL0 - g.Cmd + 360.0, 360.0)), g.Latitude, 125.0f);
    r.SetGroupType(k, g.Class);
    r.SetSpotCount(k, static_cast<std::uint8_t>(g.Spots));
    r.SetAngle10(k, static_cast<std::uint16_t>(
                        std::lround(std::fmod(polar.PolarAngle + 360.0, 360.0) * 10) % 3600));
    r.SetDistance10(k, static_cast<std::uint16_t>(std::lround(polar.PolarDistance * 10)));
    r.SetArea(k, static_cast<std::uint16_t>(g.Area));
    r.SetSmallSpots(k, static_cast<std::uint16_t>(g.SmallSpots));
  }
  StoreDayResults(r, eph);
  return r;
}

// May 2003 as written out by hand below:
// - 2 May 07:05 UT, good seeing (2): a Dkc of 12 spots in the north-west, an Axx in the
//   south-east and a Cso with two small spots in the south-west;
// - 3 May 12:00, a special drawing ("zvlášťní") of a Bxo and a Cro counted without places;
// - 17 May 23:58, conditions not given: one Hsx in the north-east; a second drawing of the
//   17th at 10:00 is left out of every form.
Database May2003() {
  ObservationRecord special = test::DatedRecord({2003, 5, 3});
  special.SetTimeUT(1200);
  special.SetConditions(3);
  special.SetKind("zvlášťní");
  special.SetGroupCount(2);
  special.SetGroupType(1, "Bxo");
  special.SetSpotCount(1, 3);
  special.SetGroupType(2, "Cro");
  special.SetSpotCount(2, 5);
  StoreDayResults(special, Ephemeris({2003, 5, 3}, 1200));
  return test::DatabaseOf({
      Drawing(
          {2003, 5, 2}, 705, 2,
          {{"Dkc", 12, 250, 0, -30, 15}, {"Axx", 1, 10, 0, 20, -8}, {"Cso", 4, 60, 2, -5, -22}}),
      special,
      Drawing({2003, 5, 17}, 2358, 0, {{"Hsx", 1, 40, 0, 41, 10}}),
      Drawing({2003, 5, 17}, 1000, 5, {{"Fkc", 30, 900, 0, 0, 0}}),
  });
}

TEST(UsspsMessage, MonthWrittenByHand) {
  const Database db = May2003();
  EXPECT_EQ(UsspsMonthMessages(db, MatchReportDays(db, {2003, 5}), "11001"),
            (std::vector<std::string>{
                // 07:05 is 7.0 hours (tenths completed), R = 10 * 3 + 17, good seeing (PP 2) is
                // the code book's 4, 25 cm disk.
                "USSPS 11001 02070 04742",
                // Area 250 at 0.578 of the radius: 250 / 2 / 0.816 = 153 -> 015; 30 degrees
                // west in the north: quadrant 4.
                "01015 43015 57412",
                // Area 10 at 0.346 of the radius: 5.33 -> 5 millionths -> 0.5 tens -> 000 (halves
                // to even); unipolar A: "/" for the distribution; east in the south: 2.
                "02000 22008 0/101",
                // 60 + 2 * 15.3 = 91 at 0.318 of the radius: 48 -> 005; west in the south: 3.
                "03005 30522 21304",
                "",
                "USSPS 11001 03120 02832",
                "01/// ///// 01203",
                "02/// ///// 11305",
                "",
                // 23:58 is 23.9 hours; conditions not given: "/".
                "USSPS 11001 17239 011/2",
                // Area 40 at 0.678 of the radius: 27 -> 003; east in the north: 1; H is the
                // code book's Zurich figure 7.
                "01003 14110 2/701",
            }));
}

struct ClassCase {
  const char* Name;
  const char* Class;
  const char* Figures;
};

class UsspsClassTest : public testing::TestWithParam<ClassCase> {};

TEST_P(UsspsClassTest, PenumbraDistributionAndZurichFigures) {
  EXPECT_EQ(UsspsClassFigures(GetParam().Class), GetParam().Figures);
}

INSTANTIATE_TEST_SUITE_P(Classes, UsspsClassTest,
                         testing::Values(ClassCase{"UnipolarWithoutPenumbra", "Axx", "0/1"},
                                         ClassCase{"BipolarOpen", "Bxo", "012"},
                                         ClassCase{"IntermediateRudimentary", "Cri", "143"},
                                         ClassCase{"LargeAsymmetricCompact", "Dkc", "574"},
                                         ClassCase{"HugeSymmetricOpenE", "Eho", "415"},
                                         ClassCase{"AsymmetricIntermediateF", "Fai", "346"},
                                         ClassCase{"UnipolarLargePenumbra", "Hkx", "5/7"},
                                         ClassCase{"UnipolarSmallPenumbra", "Hsx", "2/7"},
                                         ClassCase{"LargeSymmetricCompactF", "Fhc", "476"},
                                         ClassCase{"ClearedSlot", "***", "///"},
                                         ClassCase{"NotAMcIntoshClass", "Zzz", "///"}),
                         [](const testing::TestParamInfo<ClassCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(UsspsMessage, DiskSizeByDrawingDiameter) {
  EXPECT_EQ(UsspsDiskSize(74.9f), '1');
  EXPECT_EQ(UsspsDiskSize(75.0f), '2');   // 15 cm
  EXPECT_EQ(UsspsDiskSize(150.0f), '2');  // 30 cm
  EXPECT_EQ(UsspsDiskSize(150.5f), '3');
}

// NOAA's report of 3 March 2014 (positions at 2 March 24 h UT) imported as a record: each
// region goes out in the quadrant its published N/S and E/W letters name, at its published
// distance and latitude (whole degrees, so within one).
TEST(UsspsMessage, QuadrantsOfRealRegionsAreThoseNoaaPublished) {
  const SourceReading reading =
      ReadSrsReport(ReadReferenceTestFile("20140303SRS.txt"), "20140303SRS.txt");
  ASSERT_EQ(reading.Days.size(), 1u);
  RotationGroupNumbers numbers;
  const Database db = test::DatabaseOf({BuildSourceRecord(reading.Days[0], numbers, 125).Record});
  const std::vector<std::string> lines = UsspsMessage(db, 1, "11001");
  struct Region {
    int Number;
    char Quadrant;
    int Meridian, Latitude;
  };
  for (const Region& region :
       {Region{11996, '1', 55, 13}, Region{11991, '2', 13, 24}, Region{11990, '3', 4, 13},
        Region{11989, '4', 26, 8}, Region{11988, '3', 79, 11}, Region{11993, '1', 4, 16}}) {
    SCOPED_TRACE(region.Number);
    const ObservationRecord& r = db.Record(1);
    int slot = 0;
    for (int k = 1; k <= r.GroupCount(); ++k)
      if (r.GroupNumber(k) == region.Number) slot = k;
    ASSERT_GT(slot, 0);
    const std::string& line = lines[static_cast<std::size_t>(slot)];
    EXPECT_EQ(line[6], region.Quadrant) << line;
    EXPECT_NEAR(std::stoi(line.substr(7, 2)), region.Meridian, 1) << line;
    EXPECT_NEAR(std::stoi(line.substr(9, 2)), region.Latitude, 1) << line;
  }
}

TEST(UsspsMessage, CountsPastTheirFieldsAreCappedNotWrapped) {
  ObservationRecord r = test::DatedRecord({2003, 5, 9});
  r.SetGroupCount(1);
  r.SetGroupType(1, "Fkc");
  r.SetSpotCount(1, 180);
  r.SetArea(1, 30000);
  r.SetResultWord(kRelativeN, 1190);
  const Database db = test::DatabaseOf({r});
  const auto lines = UsspsMessage(db, 1, "ABCDE");
  EXPECT_EQ(lines[0], "USSPS ABCDE 09100 999/2");
  EXPECT_EQ(lines[1].substr(2, 3), "999");
  EXPECT_EQ(lines[1].substr(15, 2), "99");
}

TEST(BaaMonth, MonthWrittenByHand) {
  const Database db = May2003();
  std::vector<std::string> expected = {"Day,gn,gs,g,fn,fs,f,R", "1,,,,,,,", "2,1,2,3,12,5,17,47",
                                       // The special drawing has no hemisphere values.
                                       "3,,,2,,,8,28"};
  for (int d = 4; d <= 16; ++d) expected.push_back(std::to_string(d) + ",,,,,,,");
  expected.push_back("17,1,0,1,1,0,1,11");
  for (int d = 18; d <= 31; ++d) expected.push_back(std::to_string(d) + ",,,,,,,");
  // gn and gs over the two days with hemispheres, g and R over the three days observed:
  // (47 + 28 + 11) / 3 = 28.67.
  expected.push_back("MDF,1.00,1.00,2.00,,,,");
  expected.push_back("Mean R,,,,,,,28.7");
  expected.push_back("Days observed,3,,,,,,");
  EXPECT_EQ(BaaMonthLines(db, MatchReportDays(db, {2003, 5})), expected);
}

TEST(BaaMonth, MonthWithoutHemisphereDaysLeavesTheirMeansEmpty) {
  Database db = May2003();
  const auto lines = BaaMonthLines(db, MatchReportDays(db, {2003, 4}));
  EXPECT_EQ(lines[lines.size() - 3], "MDF,,,,,,,");
  EXPECT_EQ(lines[lines.size() - 2], "Mean R,,,,,,,");
}

TEST(AavsoMonth, MonthWrittenByHand) {
  const Database db = May2003();
  EXPECT_EQ(AavsoMonthLines(db, MatchReportDays(db, {2003, 5}), {2003, 5}, "ABC"),
            (std::vector<std::string>{
                "Observer code: ABC",
                "For the month of: MAY 2003",
                "",
                "Day Seeing   UT   g   s    W  ng  sg  ns  ss Obs",
                "  2      G 0705   3  17   47   1   2  12   5 ABC",
                "  3      F 1200   2   8   28                 ABC",
                " 17        2358   1   1   11   1   0   1   0 ABC",
            }));
}

TEST(NetworkSeeing, OneTableForEveryNetwork) {
  const std::vector<std::pair<int, std::string>> expected = {
      {0, "/ "}, {1, "5E"}, {2, "4G"}, {3, "3F"}, {4, "2P"}, {5, "1P"}, {6, "/ "}, {255, "/ "}};
  for (const auto& [conditions, codes] : expected) {
    const auto c = static_cast<std::uint8_t>(conditions);
    EXPECT_EQ(std::string({UsspsSeeing(c), AavsoSeeing(c)}), codes) << conditions;
  }
}

// The help's table of the seeing scales says what the table in the code does.
TEST(NetworkSeeing, HelpListsEveryRowOfTheTable) {
  const std::string help = test::ReadTestData("../../../docs/help/vysledky.md");
  for (const SeeingRow& row : kSeeingTable) {
    const std::string line = "| " + std::to_string(row.Conditions) + " | " +
                             std::string(row.Meaning) + " | " + row.Ussps + " | " + row.Aavso +
                             " |";
    EXPECT_NE(help.find(line), std::string::npos) << line;
  }
}

TEST(NetworkCodes, StationAndObserverCodesAreChecked) {
  EXPECT_TRUE(Succeeded(CheckUsspsStation("11001")));
  EXPECT_TRUE(Succeeded(CheckUsspsStation("ONDRE")));
  for (const char* bad : {"", "1100", "110011", "11 01", "1100\n", "Ondře"})
    EXPECT_FALSE(Succeeded(CheckUsspsStation(bad))) << bad;
  EXPECT_TRUE(Succeeded(CheckAavsoObserver("ABC")));
  EXPECT_TRUE(Succeeded(CheckAavsoObserver("ABCDEF")));
  for (const char* bad : {"", "ABCDEFG", "AB C", "AB;C"})
    EXPECT_FALSE(Succeeded(CheckAavsoObserver(bad))) << bad;
}

TEST(NetworkCodes, KeptInTheSiteFileFromRunToRun) {
  const test::TempFolder folder;
  EXPECT_EQ(ReadNetworkCodes(folder.Path()).UsspsStation, "");
  ASSERT_TRUE(Succeeded(WriteNetworkCodes(folder.Path(), {"11001", "ABC"})));
  const NetworkCodes read = ReadNetworkCodes(folder.Path());
  EXPECT_EQ(read.UsspsStation, "11001");
  EXPECT_EQ(read.AavsoObserver, "ABC");
}

TEST(NetworkFiles, WrittenIntoTheNetworkFolderWithCrLf) {
  const Database db = May2003();
  const std::filesystem::path dir = "/data";
  const NetworkCodes codes{"11001", "ABC"};
  const NetworkFile baa = NetworkMonthFile(dir, db, Network::Baa, {2003, 5}, codes);
  EXPECT_EQ(baa.Path, dir / std::filesystem::u8path("Sítě") / "BAA-200305.csv");
  EXPECT_EQ(baa.Bytes.substr(0, 23), "Day,gn,gs,g,fn,fs,f,R\r\n");
  EXPECT_EQ(NetworkMonthFile(dir, db, Network::Aavso, {2003, 5}, codes).Path.filename(),
            "AAVSO-200305.txt");
  EXPECT_EQ(NetworkMonthFile(dir, db, Network::Ussps, {2003, 5}, codes).Path.filename(),
            "USSPS-200305.txt");
  const NetworkFile day = UsspsDayFile(dir, db, 3, codes);
  EXPECT_EQ(day.Path.filename(), "USSPS-20030517.txt");
  EXPECT_EQ(day.Bytes, "USSPS 11001 17239 011/2\r\n01003 14110 2/701\r\n");
  EXPECT_FALSE(Succeeded(CheckNetworkCodes(Network::Ussps, {"", "ABC"})));
  EXPECT_TRUE(Succeeded(CheckNetworkCodes(Network::Baa, {})));
}

}  // namespace
}  // namespace ardeno
