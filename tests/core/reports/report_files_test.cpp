// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly report files byte for byte against lines written out by hand from their layouts.
#include <gtest/gtest.h>

#include <fstream>

#include "core/reports/cv_report_file.h"
#include "core/reports/description_file.h"
#include "core/reports/observer_table.h"
#include "core/reports/own_report_files.h"
#include "core/reports/report_test_days.h"
#include "core/reports/report_text.h"
#include "core/reports/sidc_report_file.h"
#include "core/results/results_records.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::BusyDay;
using test::DatabaseBuilder;
using test::SpecialDay;

// April 2001: a drawing on the 2nd at 07:05, a special record without marker on the 5th at
// 12:30 and a second drawing on the 5th that the reports leave out.
Database April2001() {
  return DatabaseBuilder()
      .Add("02.04.2001", BusyDay(), 705)
      .Add("05.04.2001", SpecialDay(), 1230)
      .Add("05.04.2001", BusyDay(), 1400)
      .Add("01.05.2001", BusyDay())
      .Build();
}

std::vector<std::string> WithEmptyDays(std::vector<std::string> head, int from, int to) {
  for (int d = from; d <= to; ++d) head.push_back(Digits(d, 2));
  return head;
}

TEST(OwnReportFiles, IndexFileOfApril) {
  const Database db = April2001();
  const ReportDays days = MatchReportDays(db, {2001, 4});
  ASSERT_EQ(days.LeftOut, std::vector<int>{3});
  std::vector<std::string> expected = {
      "den    UT    g      gs      gj        f        fs       fj         r        rs        rj  "
      "     gc      fc       rc        F      p      O     Q ",
      "01",
      "02   07:05  003   002   001   0008   0005   0003   0038   0025   0013   001   0002   0012"
      "    003   02    03    04",
      "03",
      "04",
      "05   12:30  001   001   000   0001   0001   0000   0011   0011   0000   000   0000   0000"
      "    001   01    01    01"};
  expected = WithEmptyDays(expected, 6, 30);
  expected.push_back("");
  expected.push_back(
      "    Suma    004   002   001   0009   0005   0003   0049   0025   0013   001   "
      "0002   0012    004   03    04    05");
  expected.push_back(
      "    Průměr   02.0  01.0  00.5  004.5  002.5  001.5  024.5  012.5  006.5  00.5  "
      "001.0  006.0   02.0  1.5   2.0   2.5");
  EXPECT_EQ(OwnIndexFileLines(db, days), expected);
  EXPECT_EQ(OwnIndexFilePath("/p", {2001, 4}), std::filesystem::path("/p/Vlastni/VL-04_2001.Txt"));
}

TEST(OwnReportFiles, AreaFileOfApril) {
  const Database db = April2001();
  const ReportDays days = MatchReportDays(db, {2001, 4});
  std::vector<std::string> expected = {
      "den    UT    CV     CVs     CVj       SN      SNs      SNj       RB      RBs      RBj      "
      "pl       pls      plj        pk      pks      pkj  ",
      "01",
      "02   07:05  00017  00010  00007  00038  00025  00013  00040  00030  00010  00160  00120  "
      "00040  00175  00130  00045",
      "03",
      "04",
      "05   12:30  00005  00005  00000  00011  00011  00000  00004  00004  00000  00300  00300  "
      "00000  00310  00310  00000"};
  expected = WithEmptyDays(expected, 6, 30);
  expected.push_back("");
  // Areas of the special record stay out of the sums.
  expected.push_back(
      "    Suma    00022  00010  00007  00049  00025  00013  00044  00030  00010  "
      "00160  00120  00040  00175  00130  00045");
  expected.push_back(
      "    Průměr   0011.0 0005.0 0003.5 0024.5 0012.5 0006.5 0022.0 0015.0 0005.0 "
      "0080.0 0060.0 0020.0 0087.5 0065.0 0022.5");
  EXPECT_EQ(OwnAreaFileLines(db, days), expected);
}

TEST(OwnReportFiles, LeapFebruaryHas29DayLinesAndAreWrittenInWindows1250) {
  const Database db = DatabaseBuilder().Add("29.02.2000", BusyDay()).Build();
  const ReportDays days = MatchReportDays(db, {2000, 2});
  const auto lines = OwnIndexFileLines(db, days);
  ASSERT_EQ(lines.size(), 1u + 29u + 3u);
  EXPECT_EQ(lines[29].substr(0, 5), "29   ");
  test::TempFolder folder;
  const auto file = OwnIndexFilePath(folder.Path(), {2000, 2});
  ASSERT_EQ(WriteReportFile(file, ReportFileBytes(lines)), std::nullopt);
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(bytes.find("    Pr\xf9m\xecr   "), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(MatchReportDays(db, {1900, 2}).DayCount, 28);
}

ObservationRecord WithNorthGroup(ObservationRecord r) {
  r.SetGroupCount(1);
  r.SetGroupType(1, "Cao");
  r.SetSpotCount(1, 5);
  r.SetAngle10(1, 0);
  r.SetDistance10(1, 600);
  return r;
}

TEST(SidcReport, DaysWithoutDrawingsAre9999AndTheTextEndsWith99) {
  Database db =
      DatabaseBuilder().Add("01.03.2001", BusyDay(), 30).Add("03.03.2001", BusyDay(), 1415).Build();
  db.Record(1) = WithNorthGroup(db.Record(1));
  const ReportDays days = MatchReportDays(db, {2001, 3});
  const std::string text = SidcReportText(db, days, {2001, 3}, "ONDR ", " Ondrejov");
  std::string expected =
      "SIDC200103 Ondrejov\r\n"
      "ONDR (CZECH REP.) Ondrejov\r\n"
      "      \r\n"
      // Values recomputed from the groups: one Cao group of 5 spots in the north.
      "01 0030 4 01 005 015 01 005 015 00 000 000 01 002 012\r\n"
      "02 9999\r\n"
      // A drawing without groups has no groups, whatever its stored block said.
      "03 1415 4 00 000 000 00 000 000 00 000 000 01 002 012\r\n";
  for (int d = 4; d <= 31; ++d) expected += Digits(d, 2) + " 9999\r\n";
  expected += "99\r\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(SidcReportPath("/p", {2001, 3}), std::filesystem::path("/p/Mesice/200103.txt"));
}

TEST(CvReport, HeaderDaysAverageAndObservingDays) {
  Database db = DatabaseBuilder()
                    .Add("02.02.2000", BusyDay(), 905)
                    .Add("03.02.2000", BusyDay(), 1000)
                    .Build();
  db.Record(1) = WithNorthGroup(db.Record(1));
  db.Record(1).SetGroupCount(2);
  db.Record(1).SetGroupType(2, "***");  // not a class: adds 0, still listed
  const DescriptionLines popis = {"a@b.cz",    "February", "Novák", "Ondřejov",
                                  "Refraktor", "Projekce", ""};
  const auto lines = CvReportLines(db, MatchReportDays(db, {2000, 2}), {2000, 2}, popis);
  ASSERT_EQ(lines.size(), 13u + 29u + 4u);
  EXPECT_EQ(lines[1], "    MONTHLY OBSERVATIONS OF ZÜRICH/McINTOSH-classifications");
  EXPECT_EQ(lines[4], "    Month - number              02 - February");
  EXPECT_EQ(lines[11], " Date  CV  Time  Cond");
  EXPECT_EQ(lines[13], "  01");
  EXPECT_EQ(lines[14], "  02  008  09:05  4    CAO *** ");
  EXPECT_EQ(lines[15], "  03  000  10:00  4    ");  // a day without groups
  EXPECT_EQ(lines[44], "    AVRG  = 4");
  EXPECT_EQ(lines[45], "    OBS   =  2");
  EXPECT_EQ(CvReportPath("/p", {2001, 3}), std::filesystem::path("/p/CVdata/CV-03_2001.Txt"));
}

// The grid's time reads as the file's: "06:07", never "6:7".
TEST(CvReport, GridTimesHaveTwoDigitsEach) {
  const Database db = DatabaseBuilder()
                          .Add("02.02.2000", BusyDay(), 607)
                          .Add("03.02.2000", BusyDay(), 1000)
                          .Add("04.02.2000", BusyDay(), 5)
                          .Build();
  const auto rows = CvGridRows(db, MatchReportDays(db, {2000, 2}));
  EXPECT_EQ(rows[2][2], "06:07");
  EXPECT_EQ(rows[3][2], "10:00");
  EXPECT_EQ(rows[4][2], "00:05");
}

TEST(CvReport, TwentyDaysGiveObs20) {
  DatabaseBuilder builder;
  for (int d = 1; d <= 20; ++d) builder.Add(Digits(d, 2) + ".06.2003", BusyDay());
  const Database db = builder.Build();
  const auto lines = CvReportLines(db, MatchReportDays(db, {2003, 6}), {2003, 6}, {});
  EXPECT_EQ(lines.back(), "    OBS   =  20");
  EXPECT_EQ(lines[2], "    Your E-mail adress          ");
}

TEST(ObserverTable, SumsAndTheCsvWithItsEmptyCell) {
  Database db = DatabaseBuilder()
                    .Add("01.01.2001", BusyDay())
                    .Add("02.01.2002", BusyDay())
                    .Add("03.01.2003", BusyDay())
                    .Build();
  db.Record(3).SetObserver("Zeman");
  db.Observers = {"Novák", "Zeman"};
  const ObserverTable table = BuildObserverTable(db);
  EXPECT_EQ(ObserversCsvText(table),
            " ;2001;2002;2003;Suma;\r\n"
            "Novák;1;1;0;2;\r\n"
            "Zeman;0;0;1;1;\r\n"
            "Suma;1;1;1;3;\r\n");
  // A name missing from a full list gets its own row, not the sums row.
  db.Observers = {"Novák"};
  const ObserverTable others = BuildObserverTable(db);
  ASSERT_EQ(others.Cells.size(), 4u);
  EXPECT_EQ(others.Cells[2][0], "Ostatní");
  EXPECT_EQ(others.Cells[3][4], "3");
}

TEST(DescriptionFile, SevenLinesInWindows1250) {
  const DescriptionLines lines = ParseDescription(
      "a@b.cz\r\nB\xf8"
      "ezen\nN\r\n");
  EXPECT_EQ(lines[0], "a@b.cz");
  EXPECT_EQ(lines[1], "Březen");
  EXPECT_EQ(lines[2], "N");
  EXPECT_EQ(lines[6], "");
  test::TempFolder folder;
  EXPECT_EQ(ReadDescriptionFile(folder.Path())[0], "");
}

// The Stanice form writes line 7 of Popis.txt alone: the file is there though its first line is
// empty, and the reports must not say it is missing.
TEST(DescriptionFile, PresentWithAnEmptyFirstLine) {
  test::TempFolder folder;
  EXPECT_FALSE(HasDescriptionFile(folder.Path()));
  folder.Write(kDescriptionFileName,
               "\r\n\r\n\r\n\r\n\r\n\r\nOnd\xf8"
               "ejov\r\n");
  EXPECT_TRUE(HasDescriptionFile(folder.Path()));
  EXPECT_TRUE(ReadDescriptionFile(folder.Path())[0].empty());
  EXPECT_EQ(ReadDescriptionFile(folder.Path())[6], "Ondřejov");
}

// A report name is taken by a file or by any link, even one pointing nowhere: neither is written
// through or replaced without the user's word.
TEST(ReportFiles, FirstTakenNameCountsFilesAndEveryLink) {
  test::TempFolder folder;
  const auto free = folder.Path() / "free.txt";
  const auto file = folder.Path() / "edited.txt";
  const auto dangling = folder.Path() / "link.txt";
  std::ofstream(file) << "edited by hand";
  EXPECT_EQ(FirstTakenName({free}), std::nullopt);
  EXPECT_EQ(FirstTakenName({file, free}), file);
  EXPECT_EQ(FirstTakenName({}), std::nullopt);
  if (!test::MakeSymlink(folder.Path() / "nowhere", dangling))
    GTEST_SKIP() << "no symbolic links here";
  EXPECT_EQ(FirstTakenName({free, dangling, file}), dangling);
}

}  // namespace
}  // namespace ardeno
