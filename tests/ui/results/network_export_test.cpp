// SPDX-License-Identifier: GPL-3.0-or-later
// "Export pro sítě" of the results window: the month and the network chosen in the panel give the
// same file as the command line, into Sítě; the codes are kept in Site.txt; what cannot be
// written is refused with a message and leaves no file.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/reports/network_files.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/results/network_export_panel.h"
#include "ui/results/results_window.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

struct Panel {
  explicit Panel(ResultsWindow& window) {
    window.MenuAction("exportsite")->trigger();
    Box = window.NetworkExport();
    Network = Box->findChild<QComboBox*>("ComboSit");
    Month = Box->findChild<QLineEdit*>("EditMesic");
    Code = Box->findChild<QLineEdit*>("EditKod");
    Write = Box->findChild<QPushButton*>("ButtonZapsat");
  }
  NetworkExportPanel* Box = nullptr;
  QComboBox* Network = nullptr;
  QLineEdit* Month = nullptr;
  QLineEdit* Code = nullptr;
  QPushButton* Write = nullptr;
};

}  // namespace

class NetworkExportTest : public QObject {
  Q_OBJECT
 private slots:
  void WritesTheChosenNetworksMonthAndKeepsTheCodes();
  void RefusesWhatItCannotWrite_data();
  void RefusesWhatItCannotWrite();
  void AsksBeforeReplacingAWrittenReport_data();
  void AsksBeforeReplacingAWrittenReport();
};

void NetworkExportTest::WritesTheChosenNetworksMonthAndKeepsTheCodes() {
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);  // 1 January to 10 March 2000
  ResultsWindow window(app.Ctx);
  Panel panel(window);
  QVERIFY(panel.Box->isVisibleTo(&window));
  // The month of the last drawing is offered.
  QCOMPARE(panel.Month->text(), QString("3.2000"));

  panel.Month->setText("2.2000");
  panel.Network->setCurrentIndex(static_cast<int>(Network::Aavso));
  panel.Code->setText("XYZ");
  panel.Write->click();
  QVERIFY2(app.Msg.Shown.isEmpty(), qPrintable(app.Msg.Shown.join('|')));
  const fs::path folder = dir / fs::u8path("Sítě");
  QCOMPARE(FileBytes(folder / "AAVSO-200002.txt"),
           NetworkMonthFile(dir, app.Db, Network::Aavso, {2000, 2}, {"", "XYZ"}).Bytes);
  QCOMPARE(FileBytes(dir / "Site.txt"), std::string("\r\nXYZ\r\n"));

  panel.Network->setCurrentIndex(static_cast<int>(Network::Ussps));
  QCOMPARE(panel.Code->text(), QString());
  panel.Code->setText("11001");
  panel.Write->click();
  QVERIFY(fs::exists(folder / "USSPS-200002.txt"));
  QCOMPARE(FileBytes(dir / "Site.txt"), std::string("11001\r\nXYZ\r\n"));

  panel.Network->setCurrentIndex(static_cast<int>(Network::Baa));
  QVERIFY(!panel.Code->isEnabled());
  panel.Write->click();
  QVERIFY(FileBytes(folder / "BAA-200002.csv").starts_with("Day,gn,gs,g,fn,fs,f,R\r\n1,0,0,0"));
  QVERIFY(panel.Box->findChild<QLabel*>("LabelVysledek")->text().contains("BAA-200002.csv"));

  // A new run of the window finds the codes again.
  ResultsWindow again(app.Ctx);
  Panel second(again);
  second.Network->setCurrentIndex(static_cast<int>(Network::Aavso));
  QCOMPARE(second.Code->text(), QString("XYZ"));
}

void NetworkExportTest::RefusesWhatItCannotWrite_data() {
  QTest::addColumn<int>("network");
  QTest::addColumn<QString>("month");
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("message");
  QTest::newRow("month not read") << static_cast<int>(Network::Baa) << "2000"
                                  << ""
                                  << "Měsíc se zadává jako M.RRRR";
  QTest::newRow("month without drawings") << static_cast<int>(Network::Baa) << "5.2000"
                                          << ""
                                          << "V měsíci 5.2000 není žádný zákres.";
  QTest::newRow("station of four figures") << static_cast<int>(Network::Ussps) << "1.2000"
                                           << "1100"
                                           << "pět písmen nebo číslic";
  QTest::newRow("observer code empty") << static_cast<int>(Network::Aavso) << "1.2000"
                                       << ""
                                       << "jedno až šest písmen";
}

void NetworkExportTest::RefusesWhatItCannotWrite() {
  QFETCH(int, network);
  QFETCH(QString, month);
  QFETCH(QString, code);
  QFETCH(QString, message);
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  Panel panel(window);
  panel.Network->setCurrentIndex(network);
  panel.Month->setText(month);
  panel.Code->setText(code);
  panel.Write->click();
  QCOMPARE(app.Msg.Shown.size(), 1);
  QVERIFY2(app.Msg.Shown.front().contains(message), qPrintable(app.Msg.Shown.front()));
  QVERIFY(!fs::exists(dir / fs::u8path("Sítě")));
  QVERIFY(!fs::exists(dir / "Site.txt"));
}

// A report written before (perhaps edited by hand since) is replaced only on "yes".
void NetworkExportTest::AsksBeforeReplacingAWrittenReport_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("replaced") << true;
  QTest::newRow("kept") << false;
}

void NetworkExportTest::AsksBeforeReplacingAWrittenReport() {
  QFETCH(bool, yes);
  QTemporaryDir temp;
  const fs::path dir = temp.path().toStdString();
  test::AppRun app(dir);
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  Panel panel(window);
  panel.Month->setText("2.2000");
  panel.Network->setCurrentIndex(static_cast<int>(Network::Baa));
  panel.Write->click();
  const fs::path file = dir / fs::u8path("Sítě") / "BAA-200002.csv";
  const std::string written = FileBytes(file);
  std::ofstream(file, std::ios::binary | std::ios::app) << "ručně\r\n";
  const std::string edited = FileBytes(file);
  QVERIFY(app.Dialogs.Asked.isEmpty());
  app.Dialogs.Confirmations = {yes};
  panel.Write->click();
  QCOMPARE(app.Dialogs.Asked.size(), 1);
  QVERIFY(app.Dialogs.Asked.front().contains("BAA-200002.csv"));
  QCOMPARE(FileBytes(file), yes ? written : edited);
}

QTEST_MAIN(NetworkExportTest)
#include "network_export_test.moc"
