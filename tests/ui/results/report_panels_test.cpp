// SPDX-License-Identifier: GPL-3.0-or-later
// The panels of the monthly reports: the instrument panel rewriting pristroj.dat, and the CSV
// panel of the SIDC report with its station file and its three ways of choosing months.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/results/instrument_panel.h"
#include "ui/results/report_page_view.h"
#include "ui/results/results_window.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

const ResultsViewEntry& EntryOf(const char* button) {
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (QLatin1String(entry.ButtonName) == QLatin1String(button)) return entry;
  }
  throw std::logic_error(button);
}

void Type(QWidget* panel, const char* edit, const QString& text) {
  auto* field = panel->findChild<QLineEdit*>(edit);
  QVERIFY(field != nullptr);
  field->setText(text);
}

void Click(QWidget* panel, const char* button) {
  auto* b = panel->findChild<QPushButton*>(button);
  QVERIFY(b != nullptr);
  b->click();
}

std::size_t FilesIn(const fs::path& folder) {
  if (!fs::exists(folder)) return 0;
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

}  // namespace

class ReportPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void InstrumentPanelRewritesTheInstrumentFile();
  void CsvPanelWritesMonthsAndKeepsTheStation();
  void CsvPanelRefusesWhatItCannotWrite();
};

void ReportPanelsTest::InstrumentPanelRewritesTheInstrumentFile() {
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  window.MenuAction("pristroj")->trigger();
  InstrumentPanel* panel = window.Instruments();
  QVERIFY(!panel->isHidden());
  Type(panel, "Edit1", "Praha");
  Type(panel, "Edit2", "Coudé");
  Type(panel, "Edit3", "150");
  Type(panel, "Edit4", "20");
  Type(panel, "Edit5", "2250");
  Click(panel, "Button1");
  QVERIFY(panel->isHidden());
  // Outside the own report the station goes into the sixth line too.
  QCOMPARE(FileBytes(dir / "pristroj.dat"),
           std::string("Praha\r\nCoud\xe9\r\n150\r\n20\r\n2250\r\nPraha\r\n"));

  app.Msg.Values = {"2.2000"};
  window.ChooseView(EntryOf("vlastniv"));
  window.MenuAction("pristroj")->trigger();
  // Choosing the month put the last drawing's station into the field.
  QCOMPARE(panel->findChild<QLineEdit*>("Edit1")->text(), QString("Ondřejov"));
  Type(panel, "Edit1", "Brno");
  Click(panel, "Button1");
  QCOMPARE(FileBytes(dir / "pristroj.dat"),
           std::string("Brno\r\nCoud\xe9\r\n150\r\n20\r\n2250\r\nPraha\r\n"));
  // The own page's header follows at once.
  auto* page = qobject_cast<ReportPageView*>(window.CurrentView());
  QVERIFY(page != nullptr);
  QCOMPARE(page->OwnPage().Header[0].second, std::string("Brno"));
}

void ReportPanelsTest::CsvPanelWritesMonthsAndKeepsTheStation() {
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);  // 1 January to 10 March 2000
  ResultsWindow window(app.Ctx);
  app.Msg.Values = {"2.2000"};
  window.ChooseView(EntryOf("oficialv"));
  QVERIFY(window.MenuAction("oficCSV")->isVisible());
  window.MenuAction("oficCSV")->trigger();
  auto* panel = window.findChild<QWidget*>("Panel12");
  QVERIFY(panel != nullptr && panel->isVisibleTo(&window));
  QCOMPARE(panel->findChild<QLineEdit*>("Edit12")->text(), QString("2.2000"));
  QCOMPARE(panel->findChild<QLineEdit*>("Edit10")->text(),
           QString::fromStdString(DefaultInstrument()[1]));
  Type(panel, "Edit6", "Ondřejov");
  Type(panel, "Edit7", "AB-12");

  Click(panel, "Button7");
  const fs::path year = dir / "CSVsoubory" / "Rok2000";
  const std::string february = FileBytes(year / "200002_012a.csv");
  QVERIFY(
      february.starts_with("Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;\xc8.Poz.;Pozn\xe1mka;;Hv\xec"
                           "zd\xe1rna (stanice);Ond\xf8"
                           "ejov;\r\n;h;m;;;;;;;;rS;rJ;;;;;;;\xe8\xedslo (stanice);AB-12;\r\n"));
  QVERIFY(february.find("\r\nSuma;;;0;0;0;0;0;0;0;0;0;0;0;0;;N=29;\r\n") != std::string::npos);
  QCOMPARE(FilesIn(year), std::size_t{1});

  // To the end: January and February, not March, the month of the last drawing.
  Type(panel, "Edit12", "1,2000");
  Click(panel, "Button8");
  QCOMPARE(FilesIn(year), std::size_t{2});
  QVERIFY(fs::exists(year / "200001_012a.csv"));
  Type(panel, "Edit12", "5.2000");
  Click(panel, "Button9");
  QCOMPARE(FilesIn(year), std::size_t{12});
  QVERIFY(panel->findChild<QLabel*>("Label30")->text().contains("200012_012a.csv"));

  panel->findChild<QComboBox*>("ComboBox1")->setCurrentText("Vizuálně");
  Click(panel, "Button6");
  QVERIFY(!panel->isVisibleTo(&window));
  QCOMPARE(FileBytes(dir / "DataproCSV.txt"),
           std::string("Ond\xf8"
                       "ejov\r\nAB-12\r\n\r\n\r\nVizu\xe1ln\xec\r\n"));
  // The CSV written last, again with the confirmed station, beside the year folders.
  QVERIFY(FileBytes(dir / "CSVsoubory" / "200012_012a.csv").find("Metoda:;Vizu\xe1ln\xec;") !=
          std::string::npos);

  // Opened again, the panel reads the station file.
  Type(panel, "Edit7", "");
  window.MenuAction("oficCSV")->trigger();
  QCOMPARE(panel->findChild<QLineEdit*>("Edit7")->text(), QString("AB-12"));
  QVERIFY(app.Msg.ShownMessages.isEmpty());
}

void ReportPanelsTest::CsvPanelRefusesWhatItCannotWrite() {
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  app.Msg.Values = {"3.2000"};
  window.ChooseView(EntryOf("oficialv"));
  window.MenuAction("oficCSV")->trigger();
  auto* panel = window.findChild<QWidget*>("Panel12");
  Type(panel, "Edit12", "březen");
  Click(panel, "Button7");
  QCOMPARE(app.Msg.ShownMessages.last(), QString("Zadejte měsíc a rok, například 1,2000."));
  Type(panel, "Edit12", "6,1999");
  Click(panel, "Button7");
  QCOMPARE(app.Msg.ShownMessages.last(), QString("V měsíci 6.1999 není žádný zákres."));
  Type(panel, "Edit12", "3,2000");
  Click(panel, "Button8");
  QVERIFY(app.Msg.ShownMessages.last().startsWith("Od měsíce 3.2000"));
  QVERIFY(!fs::exists(dir / "CSVsoubory"));
  // A year folder that is a file: the user is told, nothing else is written.
  fs::create_directories(dir / "CSVsoubory");
  std::ofstream(dir / "CSVsoubory" / "Rok2000") << "x";
  Click(panel, "Button7");
  QVERIFY(app.Msg.ShownMessages.last().contains("nelze zapsat"));
  QCOMPARE(FilesIn(dir / "CSVsoubory"), std::size_t{1});
  // Outside the SIDC report the command is not offered.
  app.Msg.Values = {"3.2000"};
  window.ChooseView(EntryOf("vlastniv"));
  QVERIFY(!window.MenuAction("oficCSV")->isVisible());
}

QTEST_MAIN(ReportPanelsTest)
#include "report_panels_test.moc"
