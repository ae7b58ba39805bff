// SPDX-License-Identifier: GPL-3.0-or-later
// The three catalogue readers: what a published day gives, and the real-world dirt of the files
// (shifted rows, stray headers, empty columns, CR CR LF line ends, damaged lines).
#include <gtest/gtest.h>

#include <string>

#include "core/reference/greenwich_groups.h"
#include "core/reference/reference_test_files.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"

namespace ardeno {
namespace {

TEST(SrsReport, ReadsTheRegionsOfTheDayBeforeTheIssueWithPositionsValidAtItsEnd) {
  const SourceReading reading =
      ReadSrsReport(ReadReferenceTestFile("20140101SRS.txt"), "20140101SRS.txt");
  EXPECT_TRUE(reading.Problems.empty());
  ASSERT_EQ(reading.Days.size(), 1u);
  const SourceDay& day = reading.Days[0];
  EXPECT_EQ(day.Date, (CalendarDate{2013, 12, 31}));
  EXPECT_EQ(day.TimeUT, 2400);
  ASSERT_EQ(day.Groups.size(), 8u);
  // "1934 S16W83   272  0080 Eac  11   05 Beta-Gamma-Delta", the number after June 2002 + 10000.
  const SourceGroup& first = day.Groups[0];
  EXPECT_EQ(first.Region, 11934);
  EXPECT_EQ(first.Class, "Eac");
  EXPECT_EQ(first.Spots, 5);
  EXPECT_EQ(first.CorrectedArea, 80);
  EXPECT_EQ(first.Latitude, -16);
  EXPECT_EQ(first.MeridianDistanceWest, 83);
  EXPECT_EQ(first.CarringtonLongitude, 272);
  EXPECT_EQ(first.EpochDate, day.Date);
  EXPECT_EQ(first.EpochTime, 2400);
  // "1942 N10E62   127  0020 Hrx  01   01 Alpha": north and east.
  EXPECT_EQ(day.Groups[6].Latitude, 10);
  EXPECT_EQ(day.Groups[6].MeridianDistanceWest, -62);
}

TEST(SrsReport, NoneUnderSectionOneIsASpotlessDay) {
  const SourceReading reading =
      ReadSrsReport(ReadReferenceTestFile("20140718SRS.txt"), "20140718SRS.txt");
  EXPECT_TRUE(reading.Problems.empty());
  ASSERT_EQ(reading.Days.size(), 1u);
  EXPECT_EQ(reading.Days[0].Date, (CalendarDate{2014, 7, 17}));
  EXPECT_TRUE(reading.Days[0].Groups.empty());
}

struct DamagedReport {
  const char* Name;
  std::string Text;
  std::size_t Groups;       // read from the report
  std::size_t Problems;     // lines or report named
  const char* ProblemPart;  // a piece of the first problem text
};

const std::string kHead =
    ":Issued: 2014 Mar 01 0030 UTC\nI.  Regions with Sunspots.  Locations Valid at 28/2400Z\n"
    "Nmbr Location  Lo  Area  Z   LL   NN Mag Type\n";

class SrsReportDamage : public ::testing::TestWithParam<DamagedReport> {};

TEST_P(SrsReportDamage, NamesWhatItCannotReadAndKeepsTheRest) {
  const SourceReading reading = ReadSrsReport(GetParam().Text, "x.txt");
  const std::size_t groups = reading.Days.empty() ? 0 : reading.Days[0].Groups.size();
  EXPECT_EQ(groups, GetParam().Groups);
  ASSERT_EQ(reading.Problems.size(), GetParam().Problems);
  if (!reading.Problems.empty())
    EXPECT_NE(reading.Problems[0].find(GetParam().ProblemPart), std::string::npos)
        << reading.Problems[0];
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SrsReportDamage,
    ::testing::Values(DamagedReport{"BadLocation",
                                    kHead + "1980 X16W83   272  0080 Eac  11   05 Beta\n1981 "
                                            "N01E01   100  0010 Axx  01   01 Alpha\n",
                                    1, 1, "x.txt:4: 1980 X16W83"},
                      DamagedReport{"UnknownClassLetters",
                                    kHead + "1980 S16W83   272  0080 E1c  11   05 Beta\n", 0, 1,
                                    "typ skupiny"},
                      DamagedReport{"MissingSpotColumnTakesTheOtherNumber",
                                    kHead + "2155 S20E75   116  0090 Hax  02    Alpha\n", 1, 0, ""},
                      DamagedReport{"CutShort", kHead + "1980 S16W83   272\n", 0, 1, "chybí údaje"},
                      DamagedReport{"NoIssueLine",
                                    "I.  Regions with Sunspots.  Locations Valid at 28/2400Z\n", 0,
                                    1, "datum vydání"},
                      DamagedReport{"ValidDayNotNearTheIssue",
                                    ":Issued: 2014 Mar 01 0030 UTC\nI.  Regions with Sunspots.  "
                                    "Locations Valid at 12/2400Z\n",
                                    0, 1, "čas platnosti"},
                      DamagedReport{"Empty", "", 0, 1, "datum vydání"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SrsReport, LeapDayIsTheDayBeforeTheFirstOfMarch) {
  const SourceReading reading = ReadSrsReport(
      ":Issued: 2016 Mar 01 0030 UTC\nI.  Regions with Sunspots.  Locations Valid at "
      "29/2400Z\nNone\n",
      "x");
  ASSERT_EQ(reading.Days.size(), 1u);
  EXPECT_EQ(reading.Days[0].Date, (CalendarDate{2016, 2, 29}));
}

TEST(SrsTable, ReadsShiftedRowsStrayHeadersEmptyColumnsAndSpotlessDays) {
  const SourceReading reading =
      ReadSrsTable(ReadReferenceTestFile("srs_table_quirks.csv"), "quirks.csv");
  EXPECT_TRUE(reading.Problems.empty()) << reading.Problems[0];
  ASSERT_EQ(reading.Days.size(), 7u);
  // Issue date 2010-02-12: the day before, two regions.
  EXPECT_EQ(reading.Days[0].Date, (CalendarDate{2010, 2, 11}));
  EXPECT_EQ(reading.Days[0].TimeUT, 2400);
  ASSERT_EQ(reading.Days[0].Groups.size(), 2u);
  EXPECT_EQ(reading.Days[0].Groups[0].Region, 11045);
  EXPECT_EQ(reading.Days[0].Groups[0].Class, "Fsi");
  EXPECT_EQ(reading.Days[0].Groups[0].Spots, 11);
  EXPECT_EQ(reading.Days[0].Groups[0].CorrectedArea, 150);
  // The shifted rows of 2010-02-14 ("1045,2010-02-14,N24W69,242,0100,Bxo,17,04,...").
  const SourceDay& shifted = reading.Days[2];
  EXPECT_EQ(shifted.Date, (CalendarDate{2010, 2, 13}));
  ASSERT_EQ(shifted.Groups.size(), 2u);
  EXPECT_EQ(shifted.Groups[0].Region, 11045);
  EXPECT_EQ(shifted.Groups[0].Latitude, 24);
  EXPECT_EQ(shifted.Groups[0].MeridianDistanceWest, 69);
  EXPECT_EQ(shifted.Groups[0].Class, "Bxo");
  EXPECT_EQ(shifted.Groups[0].Spots, 4);
  EXPECT_EQ(shifted.Groups[0].CorrectedArea, 100);
  // "...,Axx,1,Alpha,,": the count sits in the LL column.
  ASSERT_EQ(reading.Days[5].Groups.size(), 1u);
  EXPECT_EQ(reading.Days[5].Groups[0].Spots, 1);
  EXPECT_TRUE(reading.Days[6].Groups.empty());
  EXPECT_EQ(reading.Days[6].Date, (CalendarDate{2014, 7, 17}));
}

TEST(SrsTable, ARowThatCannotBeReadIsNamedAndTheDayKeepsTheOthers) {
  const SourceReading reading = ReadSrsTable(
      ",Date,NOAA No,Location,Lo,Area,Zpc,LL,NN,Mag\n0,2014-01-01,1934,S16W83,272,80,Eac,11,5,B\n"
      "1,2014-01-01,1936,S16Q36,225,280,Eac,14,36,B\n2,2014-13-01,1,N01E01,1,1,Axx,1,1,A\n",
      "t.csv");
  ASSERT_EQ(reading.Days.size(), 1u);
  EXPECT_EQ(reading.Days[0].Groups.size(), 1u);
  ASSERT_EQ(reading.Problems.size(), 2u);
  EXPECT_NE(reading.Problems[0].find("t.csv:3:"), std::string::npos);
  EXPECT_NE(reading.Problems[0].find("poloha"), std::string::npos);
  EXPECT_NE(reading.Problems[1].find("datum"), std::string::npos);
}

TEST(GreenwichGroups, RgoDaysKeepTheirObservingTimeAndLaterYearsTheEndOfTheDay) {
  const SourceReading rgo =
      ReadGreenwichGroups(ReadReferenceTestFile("g1955_january.txt"), "g1955.txt");
  EXPECT_TRUE(rgo.Problems.empty());
  ASSERT_FALSE(rgo.Days.empty());
  // "1955 1 1.285   1715700 6  102  635   64  398 0.598 234.2 251.5 -23.3  31.9"
  const SourceDay& first = rgo.Days[0];
  EXPECT_EQ(first.Date, (CalendarDate{1955, 1, 1}));
  EXPECT_EQ(first.TimeUT, 650);  // 0.285 of a day is 6:50
  ASSERT_EQ(first.Groups.size(), 1u);
  EXPECT_EQ(first.Groups[0].Region, 17157);
  EXPECT_EQ(first.Groups[0].CorrectedArea, 398);
  EXPECT_DOUBLE_EQ(first.Groups[0].Latitude, -23.3);
  EXPECT_DOUBLE_EQ(first.Groups[0].MeridianDistanceWest, 31.9);
  EXPECT_DOUBLE_EQ(first.Groups[0].CarringtonLongitude, 251.5);
  EXPECT_TRUE(first.Groups[0].Class.empty());
  EXPECT_FALSE(first.Groups[0].Spots.has_value());

  const SourceReading noaa =
      ReadGreenwichGroups(ReadReferenceTestFile("g2014_january.txt"), "g2014.txt");
  EXPECT_TRUE(noaa.Problems.empty());
  ASSERT_FALSE(noaa.Days.empty());
  EXPECT_EQ(noaa.Days[0].Date, (CalendarDate{2014, 1, 1}));
  EXPECT_EQ(noaa.Days[0].TimeUT, 2400);
  EXPECT_EQ(noaa.Days[0].Groups[0].EpochTime, 2400);
  // Every day once, whatever the CR CR LF line ends.
  for (std::size_t i = 1; i < noaa.Days.size(); ++i)
    EXPECT_LT(noaa.Days[i - 1].Date, noaa.Days[i].Date);
}

TEST(GreenwichGroups, DamagedLinesAreNamedWithTheirLineNumber) {
  const std::string good =
      "1955 1 1.285   1715700 6  102  635   64  398 0.598 234.2 251.5 -23.3  31.9\r\r\n";
  const std::string text =
      good + "1955 1 1.285   1715700 6  102  635   64  398 0.598 234.2 251.5 -93.3  31.9\r\r\n" +
      "1955 2 30.28   1715700 6  102  635   64  398 0.598 234.2 251.5 -23.3  31.9\r\r\n" +
      "1955 1 1.2\r\r\n" + good;
  const SourceReading reading = ReadGreenwichGroups(text, "g.txt");
  ASSERT_EQ(reading.Problems.size(), 3u);
  EXPECT_NE(reading.Problems[0].find("g.txt:2:"), std::string::npos) << reading.Problems[0];
  EXPECT_NE(reading.Problems[0].find("šířka"), std::string::npos);
  EXPECT_NE(reading.Problems[1].find("datum"), std::string::npos);
  EXPECT_NE(reading.Problems[2].find("g.txt:4:"), std::string::npos);
  ASSERT_EQ(reading.Days.size(), 1u);
  EXPECT_EQ(reading.Days[0].Groups.size(), 2u);
}

TEST(CatalogueKinds, EachReaderRecognisesOnlyItsOwnFiles) {
  const std::string report = ReadReferenceTestFile("20140101SRS.txt");
  const std::string table = ReadReferenceTestFile("srs_table_quirks.csv");
  const std::string groups = ReadReferenceTestFile("g1955_january.txt");
  EXPECT_TRUE(LooksLikeSrsReport(report));
  EXPECT_FALSE(LooksLikeSrsReport(table));
  EXPECT_FALSE(LooksLikeSrsReport(groups));
  EXPECT_TRUE(LooksLikeSrsTable(table));
  EXPECT_FALSE(LooksLikeSrsTable(report));
  EXPECT_TRUE(LooksLikeGreenwichGroups(groups));
  EXPECT_FALSE(LooksLikeGreenwichGroups(report));
  EXPECT_FALSE(LooksLikeGreenwichGroups(table));
}

}  // namespace
}  // namespace ardeno
