// SPDX-License-Identifier: GPL-3.0-or-later
// The SIDC CSV report and its station file, byte for byte against lines written out by hand.
#include <gtest/gtest.h>

#include <fstream>

#include "core/reports/csv_station_file.h"
#include "core/reports/report_test_days.h"
#include "core/reports/report_text.h"
#include "core/reports/sidc_csv_file.h"
#include "core/results/results_records.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::BusyDay;
using test::DatabaseBuilder;
using test::SpecialDay;

const CsvStation kStation = {"Ondřejov", "AB-12", "Fričova 298", "323 620 154 sun@asu.cz",
                             "Projekce "};
const CsvInstrument kInstrument = {"Refraktor", "130", "1950", "25"};

// June 2003 (30 days): day 1 at 00:30 by Novák, day 3 a special record without marker by Zeman,
// day 4 at 09:05 by Novák again.
Database June2003() {
  Database db = DatabaseBuilder()
                    .Add("01.06.2003", BusyDay(), 30)
                    .Add("03.06.2003", SpecialDay(test::Marker::None), 1415)
                    .Add("04.06.2003", BusyDay(), 905)
                    .Build();
  db.Record(2).SetObserver("Zeman");
  return db;
}

TEST(SidcCsv, MonthWithStationBlockSumsMeansAndHemispheres) {
  const Database db = June2003();
  const auto lines =
      SidcCsvLines(db, MatchReportDays(db, {2003, 6}), {2003, 6}, kStation, kInstrument);
  std::vector<std::string> expected = {
      "Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;Č.Poz.;Poznámka;;Hvězdárna (stanice);Ondřejov;",
      ";h;m;;;;;;;;rS;rJ;;;;;;;číslo (stanice);AB-12;",
      "1;0;30;3;8;38;1;2;12;3;25;13;2;3;4;1;;;Adresa    (stanice);Fričova 298;",
      "2;;;;;;;;;;;;;;;;;;tel..   email;323 620 154 sun@asu.cz;",
      // No hemisphere values: rS and rJ empty.
      "3;14;15;1;1;11;0;0;0;1;;;1;1;1;2;;;za měsíc;06;",
      "4;9;5;3;8;38;1;2;12;3;25;13;2;3;4;1;;;rok;2003;", "5;;;;;;;;;;;;;;;;;;Přístroj:;Refraktor;",
      "6;;;;;;;;;;;;;;;;;;Průměr;130;", "7;;;;;;;;;;;;;;;;;;Ohnisko;1950;",
      "8;;;;;;;;;;;;;;;;;;Okulár;25;", "9;;;;;;;;;;;;;;;;;;Metoda:;Projekce ;",
      "10;;;;;;;;;;;;;;;;;;Pozorovatelé:;Novák;", "11;;;;;;;;;;;;;;;;;;;Zeman;"};
  for (int d = 12; d <= 18; ++d) expected.push_back(std::to_string(d) + ";;;;;;;;;;;;;;;;;;;");
  for (int d = 19; d <= 31; ++d) expected.push_back(std::to_string(d) + ";;;;;;;;;;;;;;;;;;");
  expected.push_back(";;;;;;;;;;;;;;;;");
  // rS and rJ summed over the two days with hemisphere values and divided by 2.
  expected.push_back("Suma;;;7;17;87;2;4;24;7;50;26;5;7;9;;N=3;");
  expected.push_back("Prum.;;;2,3;5,7;29,0;0,7;1,3;8,0;2,3;25,0;13,0;1,7;2,3;3,0;;10,00;");
  expected.push_back("1;10;7;25;13;30;10;130;45;");
  expected.push_back("2;;;;;;;;;");
  expected.push_back("3;5;0;11;0;4;0;;;");  // corrected areas of a special record: empty
  expected.push_back("4;10;7;25;13;30;10;130;45;");
  for (int d = 5; d <= 31; ++d) expected.push_back(std::to_string(d) + ";;;;;;;;;");
  EXPECT_EQ(lines, expected);
}

TEST(SidcCsv, SpecialRecordWithMarkerKeepsRsAndRjButNotItsAreas) {
  const Database db =
      DatabaseBuilder().Add("02.02.2004", SpecialDay(test::Marker::North), 1200).Build();
  const auto lines =
      SidcCsvLines(db, MatchReportDays(db, {2004, 2}), {2004, 2}, CsvStation{}, CsvInstrument{});
  EXPECT_EQ(lines[3], "2;12;0;1;1;11;0;0;0;1;11;0;1;1;1;1;;;tel..   email;;");
  EXPECT_EQ(lines[34], "Suma;;;1;1;11;0;0;0;1;11;0;1;1;1;;N=1;");
  // 1 day of the 29 of a leap February.
  EXPECT_EQ(lines[35], "Prum.;;;1,0;1,0;11,0;0,0;0,0;0,0;1,0;11,0;0,0;1,0;1,0;1,0;;3,45;");
  EXPECT_EQ(lines[37], "2;5;0;11;0;4;0;;;");
}

TEST(SidcCsv, TenthObserverGetsNumberZero) {
  DatabaseBuilder builder;
  for (int d = 1; d <= 10; ++d) builder.Add(Digits(d, 2) + ".07.2005", BusyDay());
  Database db = builder.Build();
  for (int d = 1; d <= 10; ++d) db.Record(d).SetObserver("P" + std::to_string(d));
  const auto lines =
      SidcCsvLines(db, MatchReportDays(db, {2005, 7}), {2005, 7}, CsvStation{}, CsvInstrument{});
  EXPECT_EQ(lines[10], "9;12;0;3;8;38;1;2;12;3;25;13;2;3;4;9;;;Metoda:;;");
  EXPECT_EQ(lines[11], "10;12;0;3;8;38;1;2;12;3;25;13;2;3;4;0;;;Pozorovatelé:;P1;");
  EXPECT_EQ(lines[19], "18;;;;;;;;;;;;;;;;;;;P9;");
}

TEST(SidcCsv, FileNameFromTheStationNumber) {
  EXPECT_EQ(CsvStationCode("AB-12"), "012");
  EXPECT_EQ(CsvStationCode("1234"), "234");
  EXPECT_EQ(CsvStationCode(""), "00");
  EXPECT_EQ(SidcCsvPath("/p", {2003, 6}, "AB-12"),
            std::filesystem::path("/p/CSVsoubory/Rok2003/200306_012a.csv"));
}

TEST(SidcCsv, WrittenInWindows1250WithCrLf) {
  const Database db = June2003();
  test::TempFolder folder;
  const auto file = SidcCsvPath(folder.Path(), {2003, 6}, kStation.Number);
  const auto lines =
      SidcCsvLines(db, MatchReportDays(db, {2003, 6}), {2003, 6}, kStation, kInstrument);
  ASSERT_EQ(WriteReportFile(file, ReportFileBytes(lines)), std::nullopt);
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  const std::string head =
      "Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;\xc8.Poz.;Pozn\xe1mka;;Hv\xec"
      "zd\xe1rna (stanice);Ond\xf8"
      "ejov;\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ(bytes.substr(bytes.size() - 15), "\r\n31;;;;;;;;;\r\n");
}

TEST(SidcCsv, MonthsToTheEndAndOfAYear) {
  const Database db =
      DatabaseBuilder().Add("01.11.2000", BusyDay()).Add("01.05.2001", BusyDay()).Build();
  const auto months = CsvMonthsToEnd(db, {2000, 11});
  ASSERT_EQ(months.size(), 6u);
  EXPECT_EQ(months.front().Key(), 200011);
  EXPECT_EQ(months.back().Key(), 200104);
  EXPECT_TRUE(CsvMonthsToEnd(db, {2001, 5}).empty());
  EXPECT_TRUE(CsvMonthsToEnd(db, {2001, 0}).empty());
  EXPECT_EQ(CsvMonthsOfYear(1999).size(), 12u);
  EXPECT_EQ(CsvMonthsOfYear(1999).back().Key(), 199912);
}

TEST(CsvStationFile, FiveLinesInWindows1250RoundTrip) {
  const CsvStation read = ParseCsvStation(
      "Ond\xf8"
      "ejov\r\nAB-12\nFri\xe8ova 298\r\n");
  EXPECT_EQ(read.Name, "Ondřejov");
  EXPECT_EQ(read.Number, "AB-12");
  EXPECT_EQ(read.Address, "Fričova 298");
  EXPECT_EQ(read.Method, "");
  test::TempFolder folder;
  EXPECT_EQ(ReadCsvStation(folder.Path()), std::nullopt);
  ASSERT_EQ(WriteCsvStation(folder.Path(), kStation), std::nullopt);
  const auto back = ReadCsvStation(folder.Path());
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Contact, kStation.Contact);
  EXPECT_EQ(back->Method, "Projekce ");
}

}  // namespace
}  // namespace ardeno
