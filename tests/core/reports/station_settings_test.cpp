// SPDX-License-Identifier: GPL-3.0-or-later
// The station form over the files the reports read: every value comes back from its own file,
// the lines the form does not show keep their bytes, a refused value writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/quality/station_file.h"
#include "core/reports/csv_station_file.h"
#include "core/reports/description_file.h"
#include "core/reports/network_codes.h"
#include "core/reports/station_settings.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

StationSettings Ondrejov() {
  StationSettings s;
  s.Name = "Hvězdárna Žďár";
  s.Number = "112";
  s.SidcCode = "ZDAR";
  s.UsspsStation = "11001";
  s.AavsoObserver = "ZDA";
  s.Latitude = "49,5625";
  s.Longitude = "15.9390";
  s.Description = "Projekce 150/2250, průměr 125 mm";
  s.CvEmail = "slunce@zdar.cz";
  s.CvObserver = "Jan Dvořák";
  s.CvMethod = "projekce";
  return s;
}

TEST(StationSettings, ANewFolderGetsEachFileAndReadsTheSameBack) {
  const test::TempFolder prog;
  ASSERT_FALSE(WriteStationSettings(prog.Path(), Ondrejov()));
  const StationSettingsReading back = ReadStationSettings(prog.Path());
  EXPECT_TRUE(back.Problems.empty());
  StationSettings expected = Ondrejov();
  expected.Latitude = "49.5625";  // kept with a decimal point, as the file has it
  EXPECT_EQ(back.Settings.Name, expected.Name);
  EXPECT_EQ(back.Settings.Number, expected.Number);
  EXPECT_EQ(back.Settings.SidcCode, expected.SidcCode);
  EXPECT_EQ(back.Settings.UsspsStation, expected.UsspsStation);
  EXPECT_EQ(back.Settings.AavsoObserver, expected.AavsoObserver);
  EXPECT_EQ(back.Settings.Latitude, expected.Latitude);
  EXPECT_EQ(back.Settings.Longitude, expected.Longitude);
  EXPECT_EQ(back.Settings.Description, expected.Description);
  // The readers of the reports see the same values.
  EXPECT_EQ(ReadNetworkCodes(prog.Path()).UsspsStation, "11001");
  EXPECT_EQ(ReadCsvStation(prog.Path())->Number, "112");
  EXPECT_EQ(back.Settings.CvEmail, expected.CvEmail);
  EXPECT_EQ(back.Settings.CvObserver, expected.CvObserver);
  EXPECT_EQ(back.Settings.CvMethod, expected.CvMethod);
  EXPECT_EQ(ReadDescriptionFile(prog.Path())[6], expected.Description);
  // Popis.txt in Windows-1250, the CV header's lines where the CV report reads them.
  EXPECT_EQ(prog.Read(kDescriptionFileName),
            "slunce@zdar.cz\r\n\r\nJan Dvo\xF8\xE1k\r\n\r\n\r\nprojekce\r\n"
            "Projekce 150/2250, pr\xF9m\xECr 125 mm\r\n");
  EXPECT_EQ(ReadStationFile(prog.Path()).Place, (StationPlace{49.5625, 15.939}));
  EXPECT_EQ(prog.Read(kStationFileName), "49.5625\r\n15.9390\r\n");
  EXPECT_EQ(prog.Read(kNetworkCodesFileName), "11001\r\nZDA\r\nZDAR\r\n");
}

TEST(StationSettings, LinesTheFormDoesNotShowKeepTheirBytes) {
  const test::TempFolder prog;
  prog.Write(kCsvStationFileName, "Star\xE1\xE9\r\n7\r\nAdresa 1\r\ntel 123\r\nVizu\xE1ln\xEC\r\n");
  prog.Write(kDescriptionFileName,
             "mail@x.cz\r\nbřezen\r\nNovák\r\nStanice\r\nRefraktor\r\nProj\r\n");
  prog.Write(kNetworkCodesFileName, "11001\nABC\n");
  StationSettings s = ReadStationSettings(prog.Path()).Settings;
  EXPECT_EQ(s.SidcCode, "");
  s.Number = "8";
  s.Description = "popis";
  s.SidcCode = "OBS";
  ASSERT_FALSE(WriteStationSettings(prog.Path(), s));
  EXPECT_EQ(prog.Read(kCsvStationFileName),
            "Star\xE1\xE9\r\n8\r\nAdresa 1\r\ntel 123\r\nVizu\xE1ln\xEC\r\n");
  // "březen" and "Novák" were written in UTF-8, not as the file's code page reads them: shown
  // unchanged, their bytes stay.
  EXPECT_EQ(prog.Read(kDescriptionFileName),
            "mail@x.cz\r\nbřezen\r\nNovák\r\nStanice\r\nRefraktor\r\nProj\r\npopis\r\n");
  s.CvInstrument = "Refraktor 150/2250";
  ASSERT_FALSE(WriteStationSettings(prog.Path(), s));
  EXPECT_EQ(prog.Read(kDescriptionFileName),
            "mail@x.cz\r\nbřezen\r\nNovák\r\nStanice\r\n"
            "Refraktor 150/2250\r\nProj\r\npopis\r\n");
  EXPECT_EQ(prog.Read(kNetworkCodesFileName), "11001\r\nABC\r\nOBS\r\n");
  // Nothing to say about the place: no stanice.dat.
  EXPECT_FALSE(fs::exists(prog.Path() / kStationFileName));
}

TEST(StationSettings, NothingChangedWritesNothing) {
  const test::TempFolder prog;
  ASSERT_FALSE(WriteStationSettings(prog.Path(), StationSettings{}));
  EXPECT_TRUE(fs::is_empty(prog.Path()));
}

TEST(StationSettings, ARefusedValueWritesNoFile) {
  struct Case {
    const char* name;
    void (*spoil)(StationSettings&);
  };
  const Case cases[] = {
      {"USSPS of four", [](StationSettings& s) { s.UsspsStation = "1100"; }},
      {"AAVSO of seven", [](StationSettings& s) { s.AavsoObserver = "ABCDEFG"; }},
      {"SIDC with diacritics", [](StationSettings& s) { s.SidcCode = "ŽĎÁR"; }},
      {"latitude alone", [](StationSettings& s) { s.Longitude = ""; }},
      {"latitude beyond the pole", [](StationSettings& s) { s.Latitude = "91"; }},
      {"longitude not a number", [](StationSettings& s) { s.Longitude = "15°56'"; }},
      {"line break in the name", [](StationSettings& s) { s.Name = "Žďár\r\nnad Sázavou"; }},
  };
  for (const Case& c : cases) {
    const test::TempFolder prog;
    StationSettings s = Ondrejov();
    c.spoil(s);
    EXPECT_FALSE(CheckStationSettings(s).empty()) << c.name;
    EXPECT_TRUE(WriteStationSettings(prog.Path(), s)) << c.name;
    EXPECT_TRUE(fs::is_empty(prog.Path())) << c.name;
  }
}

// A line read from a damaged file (a tab typed by hand in Popis.txt) stops the save: the message
// names the file and line, as the form's hint of that field does, and only that one.
TEST(StationSettings, ALineWithATabIsNamedByItsFileAndLine) {
  StationSettings s = Ondrejov();
  s.CvInstrument = "Refraktor\t150/2250";
  s.Name = "Ondřejov\x01";
  const std::vector<std::string> problems = CheckStationSettings(s);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0],
            "Údaje stanice jsou každý na jednom řádku, bez tabulátorů: DataproCSV.txt, řádek 1.");
  EXPECT_EQ(problems[1],
            "Údaje stanice jsou každý na jednom řádku, bez tabulátorů: Popis.txt, řádek 5.");
  const test::TempFolder prog;
  EXPECT_EQ(WriteStationSettings(prog.Path(), s), problems[0] + "\n" + problems[1]);
  EXPECT_TRUE(fs::is_empty(prog.Path()));
}

TEST(StationSettings, TheSidcReportAsksOnlyForTheMissingCode) {
  StationSettings s;
  EXPECT_TRUE(MissingForSidcReport(s));
  s.SidcCode = "OBS";
  EXPECT_FALSE(MissingForSidcReport(s));
  EXPECT_EQ(SidcHeaderCode("OBS"), "OBS ");
  EXPECT_EQ(SidcHeaderCode("OBSERVR. "), "OBSERVR. ");
}

}  // namespace
}  // namespace ardeno
