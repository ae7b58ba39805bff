// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the catalogue and series imports and of the NOAA cross-check speak the language
// of the interface, and the files the imports write keep their bytes in English.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/quality/noaa_crosscheck.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/group_files_import.h"
#include "core/reference/reference_series.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"
#include "core/solar/day_results.h"
#include "support/map_records.h"
#include "ui/shell/interface_language.h"

using namespace ardeno;
namespace fs = std::filesystem;

namespace {

constexpr CalendarDate kToday{2026, 1, 1};

std::string TestData(const char* name) {
  return std::string(ARDENO_TEST_DATA) + "/reference/" + name;
}

void WriteFile(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

QByteArray ReadFile(const fs::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
}

std::string First(const std::vector<std::string>& texts) {
  return texts.empty() ? std::string("(none)") : texts.front();
}

// A drawing of 10.3.2014 with one group of its own at latitude 30 N.
Database CrossCheckDrawing() {
  ObservationRecord r = test::MapRecord({2014, 3, 10}, 1000);
  r.SetObserver("Novák");
  test::AddGroup(r, 1, RecordEphemeris(r)->EphL0, 30, 100);
  StoreDayResults(r, *RecordEphemeris(r));
  return test::DatabaseOf({r});
}

// NOAA's report of the same day with one region of 60 millionths at 8 S near the meridian.
SourceDay CrossCheckReport() {
  SourceDay report;
  report.Date = {2014, 3, 10};
  SourceGroup region;
  region.Region = 12002;
  region.Latitude = -8;
  region.MeridianDistanceWest = 10;
  region.CorrectedArea = 60;
  region.Class = "Bxo";
  region.EpochDate = report.Date;
  region.EpochTime = 2400;
  report.Groups = {region};
  return report;
}

struct MessageCase {
  const char* Name;
  // Gives the message; `folder` is a fresh folder of the case.
  std::function<std::string(const fs::path& folder)> Message;
  const char* Czech;       // %1 stands for the folder
  const char* English;     // the same
  bool StartOnly = false;  // the end holds a computed angle
};

const std::vector<MessageCase>& MessageCases() {
  static const std::vector<MessageCase> cases = {
      {"SrsReportWithoutIssueDate",
       [](const fs::path&) {
         return First(
             ReadSrsReport(":Product: 0101SRS.txt\nI.  Regions with Sunspots\n", "0101SRS.txt")
                 .Problems);
       },
       "0101SRS.txt: chybí platné datum vydání (řádek :Issued:)",
       "0101SRS.txt: no valid issue date (line :Issued:)"},
      {"SrsReportRegionNumber",
       [](const fs::path&) {
         return First(ReadSrsReport(":Issued: 2014 Jan 01 0030 UTC\n"
                                    "I.  Regions with Sunspots.  Locations Valid at 31/2400Z\n"
                                    "19x4 S16W83 272 0080 Eac 11 05 Beta\n",
                                    "0101SRS.txt")
                          .Problems);
       },
       "0101SRS.txt:3: 19x4 S16W83 272 0080 Eac 11 05 Beta (číslo oblasti)",
       "0101SRS.txt:3: 19x4 S16W83 272 0080 Eac 11 05 Beta (region number)"},
      {"SrsReportWithoutRegions",
       [](const fs::path&) {
         return First(ReadSrsReport(":Issued: 2014 Jan 01 0030 UTC\n", "0101SRS.txt").Problems);
       },
       "0101SRS.txt: chybí oddíl I (Regions with Sunspots)",
       "0101SRS.txt: section I (Regions with Sunspots) is missing"},
      {"SrsTableDate",
       [](const fs::path&) {
         return First(ReadSrsTable(",Date,NOAA No,Location\n0,2014-13-02,1934,S16W83\n", "srs.csv")
                          .Problems);
       },
       "srs.csv:2: 0,2014-13-02,1934,S16W83 (datum)", "srs.csv:2: 0,2014-13-02,1934,S16W83 (date)"},
      {"GroupFileShortLine",
       [](const fs::path&) {
         return First(ReadGreenwichGroups("1874 5 12.5  1\n", "g1874.txt").Problems);
       },
       "g1874.txt:1: 1874 5 12.5  1 (krátký řádek)", "g1874.txt:1: 1874 5 12.5  1 (short line)"},
      {"FileOfNoKnownKind",
       [](const fs::path& folder) {
         WriteFile(folder / "notes.txt", "a note\n");
         return First(ReadCatalogueFile(folder / "notes.txt").Problems);
       },
       "Soubor %1/notes.txt není zpráva SRS, tabulka SRS ani soubor skupin RGO; vynechán.",
       "The file %1/notes.txt is neither an SRS report, an SRS table nor an RGO group file; "
       "skipped."},
      {"MissingFile",
       [](const fs::path& folder) {
         return First(ReadCatalogueFile(folder / "0102SRS.txt").Problems);
       },
       "Soubor %1/0102SRS.txt neexistuje.", "The file %1/0102SRS.txt does not exist."},
      {"FolderWithoutDatabase",
       [](const fs::path& folder) {
         return ImportGroupFiles(folder, {TestData("20140101SRS.txt")}, kToday,
                                 ImportTarget::ExistingDatabase, "test")
             .Error.value_or("(none)");
       },
       "Ve složce %1 není soubor datax.dat. Novou databázi založí příkaz import-groups --new %1 "
       "SOUBOR...",
       "There is no datax.dat file in the folder %1. The command import-groups --new %1 FILE... "
       "creates a new database."},
      {"NewDatabaseOverAnExistingOne",
       [](const fs::path& folder) {
         WriteFile(folder / "datax.dat", "");
         return ImportGroupFiles(folder, {TestData("20140101SRS.txt")}, kToday,
                                 ImportTarget::NewDatabase, "test")
             .Error.value_or("(none)");
       },
       "Ve složce %1 už soubor datax.dat je; nová databáze se zakládá jen ve složce bez něj. Nic "
       "se nezměnilo.",
       "The folder %1 already has a datax.dat file; a new database is created only in a folder "
       "without one. Nothing was changed."},
      {"SeriesSourceMissing",
       [](const fs::path& folder) {
         return First(ImportReferenceSeries(folder, folder, kToday).Problems);
       },
       "Soubor SN_d_tot_V2.0.csv není ve složce %1 ani v %1/silso.",
       "The file SN_d_tot_V2.0.csv is neither in the folder %1 nor in %1/silso."},
      {"SeriesYearOutsideTheSource",
       [](const fs::path&) {
         return First(ReadSilsoDaily("9999;01;01;9999.001;  45; 5.0;  20;1\n", "SN_d_tot_V2.0.csv",
                                     {kSilsoFirstYear, 2026})
                          .Problems);
       },
       "SN_d_tot_V2.0.csv:1: 9999;01;01;9999.001;  45; 5.0;  20;1 (rok mimo 1818–2026)",
       "SN_d_tot_V2.0.csv:1: 9999;01;01;9999.001;  45; 5.0;  20;1 (year outside 1818–2026)"},
      {"SeriesWithoutValues",
       [](const fs::path& folder) {
         WriteFile(folder / "daily_area.txt", "YYYY MM DD Total North South\n");
         return First(ImportReferenceSeries(folder, folder, kToday).EmptySources);
       },
       "Ze zdroje daily_area.txt se nepřečetla žádná hodnota, proto se soubor Plochy.txt nezapsal "
       "a původní soubor zůstal beze změny.",
       "No value was read from the source daily_area.txt, so the file Plochy.txt was not written "
       "and the existing file was left unchanged."},
      {"SeriesIntoAMissingFolder",
       [](const fs::path& folder) {
         WriteFile(folder / "daily_area.txt", "2014 01 01 100.0 60.0 40.0\n");
         return ImportReferenceSeries(folder / "data", folder, kToday).Error.value_or("(none)");
       },
       "Složka %1/data neexistuje; nic se nezapsalo.",
       "The folder %1/data does not exist; nothing was written."},
      {"CrossCheckLoneGroup",
       [](const fs::path&) {
         const Database db = CrossCheckDrawing();
         return First(CrossCheck(db, ComputeRecordPositions(db), {CrossCheckReport()}).Lines);
       },
       "10.03.2014 č.1 skupina 1: žádná oblast NOAA do 5.0°",
       "10.03.2014 no.1 group 1: no NOAA region within 5.0°"},
      {"CrossCheckMissedRegion",
       [](const fs::path&) {
         const Database db = CrossCheckDrawing();
         const auto lines = CrossCheck(db, ComputeRecordPositions(db), {CrossCheckReport()}).Lines;
         return lines.size() == 2 ? lines[1] : std::string("(none)");
       },
       "10.03.2014 č.1: chybí AR 12002 (plocha 60, šířka -8.0°, od středního poledníku ",
       "10.03.2014 no.1: AR 12002 missing (area 60, latitude -8.0°, ", true},
      {"CrossCheckSummary",
       [](const fs::path&) {
         CrossCheckResult result;
         result.Groups = 3;
         result.Matched = 2;
         result.MedianAbsLatitude = 1.5;
         result.MedianAbsLongitude = 0.5;
         result.WrongHemisphere = 1;
         result.MissedRegions = 2;
         return CrossCheckSummary(result);
       },
       "Shoda: 2 z 3 skupin; medián |Δb| 1.5°, |Δl| 0.5°; opačná polokoule: 1; chybějící "
       "oblasti: 2",
       "Matched: 2 of 3 groups; median |Δb| 1.5°, |Δl| 0.5°; opposite hemisphere: 1; missing "
       "regions: 2"},
  };
  return cases;
}

}  // namespace

class ImportMessagesLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(UseMessageLanguage(InterfaceLanguage::Czech)); }

  void messagesFollowTheLanguage_data();
  void messagesFollowTheLanguage();
  void importedFilesAreTheSameInEnglish();
};

void ImportMessagesLanguageTest::messagesFollowTheLanguage_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<bool>("english");
  for (int row = 0; row < static_cast<int>(MessageCases().size()); ++row) {
    const QByteArray name = MessageCases()[static_cast<std::size_t>(row)].Name;
    QTest::newRow(name + "/Czech") << row << false;
    QTest::newRow(name + "/English") << row << true;
  }
}

void ImportMessagesLanguageTest::messagesFollowTheLanguage() {
  QFETCH(int, row);
  QFETCH(bool, english);
  const MessageCase& given = MessageCases()[static_cast<std::size_t>(row)];
  QVERIFY(UseMessageLanguage(english ? InterfaceLanguage::English : InterfaceLanguage::Czech));
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  const QString path = folder.path();
  const QString shown = QString::fromStdString(given.Message(path.toStdString()));
  QString expected = QString::fromUtf8(english ? given.English : given.Czech);
  if (expected.contains("%1")) expected = expected.arg(path);
  if (given.StartOnly)
    QVERIFY2(shown.startsWith(expected), qPrintable(shown));
  else
    QCOMPARE(shown, expected);
}

// The database and the series files are the observatory's data: an import made while the
// interface speaks English writes them byte for byte as in Czech, though its messages differ.
void ImportMessagesLanguageTest::importedFilesAreTheSameInEnglish() {
  QTemporaryDir work;
  QVERIFY(work.isValid());
  const fs::path root = work.path().toStdString();
  WriteFile(root / "sources" / "daily_area.txt",
            "YYYY MM DD Total North South\n2014 01 01 100.0 60.0 40.0\n2014 01 02 120.0 70.0 "
            "50.0\n2014 02 01 bad\n");
  WriteFile(root / "sources" / "silso" / "SN_d_tot_V2.0.csv",
            "2014;01;01;2014.001;  45; 5.0;  20;1\n2014;01;02;2014.004;  52; 5.1;  21;1\n");
  const std::vector<fs::path> catalogues = {TestData("20140101SRS.txt"),
                                            TestData("g2014_january.txt"), root / "missing.txt"};
  std::vector<std::string> problems[2];
  for (const bool english : {false, true}) {
    QVERIFY(UseMessageLanguage(english ? InterfaceLanguage::English : InterfaceLanguage::Czech));
    const fs::path data = root / (english ? "english" : "czech");
    const FolderImportResult groups =
        ImportGroupFiles(data, catalogues, kToday, ImportTarget::NewDatabase, "test");
    QVERIFY2(!groups.Error, groups.Error ? groups.Error->c_str() : "");
    QVERIFY(groups.Import.AddedDays > 0);
    const ReferenceImport series = ImportReferenceSeries(data, root / "sources", kToday);
    QVERIFY2(!series.Error, series.Error ? series.Error->c_str() : "");
    problems[english] = groups.Problems;
    problems[english].insert(problems[english].end(), series.Problems.begin(),
                             series.Problems.end());
  }
  QVERIFY2(problems[0] != problems[1], "the imports' messages should differ in the two languages");
  for (const char* file : {"datax.dat", "SIDC/dssn2014.dat", "SIDC/Plochy.txt"}) {
    const QByteArray czech = ReadFile(root / "czech" / file);
    QVERIFY2(czech != "(missing)", file);
    QVERIFY2(ReadFile(root / "english" / file) == czech, file);
  }
}

QTEST_MAIN(ImportMessagesLanguageTest)
#include "import_messages_language_test.moc"
