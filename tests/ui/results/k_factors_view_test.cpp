// SPDX-License-Identifier: GPL-3.0-or-later
// The k-factor view of the results window: opened from its panel buttons on a folder with SIDC
// daily numbers, the table of core with drifting years marked, printing, and the refusal when
// the folder has no daily numbers.
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "core/data/data_file.h"
#include "core/reference/k_factors.h"
#include "core/reference/reference_series.h"
#include "support/main_frame.h"
#include "support/scripted_messages.h"
#include "ui/results/k_factors_view.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// Drawings through 2014 and 2015, the reference R 100 every day (north 40, south 60): "Novák"
// draws every other day and sees half of it; "Černý" draws the other days of 2014 with 0.8 of it
// and only every eighth day of 2015 with a quarter of it, a year too short to move his
// all-years k but far from it.
void WriteFolder(const fs::path& dir, bool withReference) {
  std::ofstream out(dir / kDataFileName, std::ios::binary);
  DailySeries reference;
  for (std::int64_t day = DaySerial({2014, 1, 1}); day <= DaySerial({2015, 12, 31}); ++day) {
    const CalendarDate date = DateFromSerial(day);
    const bool late = date.Year == 2015;
    reference[day] = {100.0, 40.0, 60.0};
    if (day % 2 == 0 && late && day % 8 != 0) continue;
    ObservationRecord r;
    r.SetDate(FormatDate(date));
    r.SetTimeUT(1200);
    r.SetRadiusWord(125);
    r.SetObserver(day % 2 ? "Novák" : "Černý");
    const double share = day % 2 ? 0.5 : late ? 0.25 : 0.8;
    r.SetResultWord(kRelativeN, static_cast<std::uint16_t>(40 * share));
    r.SetResultWord(kRelativeS, static_cast<std::uint16_t>(60 * share));
    out.write(reinterpret_cast<const char*>(r.Bytes.data()), kRecordSize);
  }
  if (!withReference) return;
  fs::create_directories(dir / "SIDC");
  for (const int year : {2014, 2015})
    std::ofstream(dir / "SIDC" / ("dssn" + std::to_string(year) + ".dat"), std::ios::binary)
        << SidcYearFileText(year, reference);
}

// The program on the folder as written, with the results window open.
struct Frame : test::MainFrame {
  explicit Frame(const fs::path& dir) : MainFrame(dir) { Button("vysledekz")->click(); }
  ResultsWindow* Results() { return Window.Results(); }
  KFactorsView* KView() { return qobject_cast<KFactorsView*>(Results()->CurrentView()); }
};

QString Cell(QTableWidget* grid, int row, int column) { return grid->item(row, column)->text(); }

}  // namespace

class KFactorsViewTest : public QObject {
  Q_OBJECT
 private slots:
  void EachSeriesOpensFromItsButton_data();
  void EachSeriesOpensFromItsButton();
  void DriftingYearIsRedAndStoredRecordsReachTheTable();
  void PrintsThePagesIntoAPdf();
  void WithoutDailyNumbersTheViewDeclinesWithAMessage();
};

void KFactorsViewTest::EachSeriesOpensFromItsButton_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("variant");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("novakK");
  QTest::newRow("kfaktorc") << "kfaktorc" << 0
                            << "Výsledky    koeficienty k pozorovatelů - celý disk"
                            << "2.000";
  QTest::newRow("kfaktors") << "kfaktors" << 1 << "Výsledky    koeficienty k pozorovatelů - sever"
                            << "2.000";
  QTest::newRow("kfaktorj") << "kfaktorj" << 2 << "Výsledky    koeficienty k pozorovatelů - jih"
                            << "2.000";
}

void KFactorsViewTest::EachSeriesOpensFromItsButton() {
  QFETCH(QString, button);
  QFETCH(int, variant);
  QFETCH(QString, caption);
  QFETCH(QString, novakK);
  QTemporaryDir dir;
  WriteFolder(dir.path().toStdString(), true);
  Frame f(dir.path().toStdString());
  f.Window.Toolbar()->Button(button)->click();
  QCOMPARE(f.Results()->ResultsMode(), 14);
  QCOMPARE(f.Results()->Variant(), variant);
  QCOMPARE(f.Results()->windowTitle(), caption);
  QVERIFY(f.Msg.ShownMessages.isEmpty());
  QTableWidget* grid = f.KView()->Grid();
  // Černý (all years, 2014, 2015), then Novák: ascending byte order puts "Č" after "N".
  QCOMPARE(grid->rowCount(), 6);
  QCOMPARE(Cell(grid, 0, 0), QString("Novák"));
  QCOMPARE(Cell(grid, 0, 1), QString("vše"));
  QCOMPARE(Cell(grid, 0, 2), QString("365"));
  QCOMPARE(Cell(grid, 0, 4), novakK);
  QCOMPARE(Cell(grid, 3, 0), QString("Černý"));
}

void KFactorsViewTest::DriftingYearIsRedAndStoredRecordsReachTheTable() {
  QTemporaryDir dir;
  WriteFolder(dir.path().toStdString(), true);
  Frame f(dir.path().toStdString());
  f.Window.Toolbar()->Button("kfaktorc")->click();
  QTableWidget* grid = f.KView()->Grid();
  // Černý: k 1.25 in 2014 and all years with no spread, 4 in 2015.
  QCOMPARE(Cell(grid, 3, 4), QString("1.250"));
  QCOMPARE(Cell(grid, 4, 1), QString("2014"));
  QCOMPARE(Cell(grid, 4, 7), QString());
  QCOMPARE(Cell(grid, 5, 1), QString("2015"));
  QCOMPARE(Cell(grid, 5, 4), QString("4.000"));
  QCOMPARE(Cell(grid, 5, 7), QString("posun"));
  QCOMPARE(grid->item(5, 4)->foreground().color(), QColor(200, 0, 0));
  QVERIFY(grid->item(4, 4)->foreground().color() != QColor(200, 0, 0));

  // A correction stored elsewhere reaches the open view.
  for (int i = 1; i <= f.Db.RecordCount; ++i)
    if (f.Db.Record(i).Observer() == "Novák") f.Db.Record(i).SetResultWord(kRelativeS, 5);
  f.Ctx.Events.NotifyRecordsChanged();
  QCOMPARE(Cell(grid, 0, 4), QString("4.000"));  // 100 / (20 + 5)
}

void KFactorsViewTest::PrintsThePagesIntoAPdf() {
  QTemporaryDir dir;
  WriteFolder(dir.path().toStdString(), true);
  Frame f(dir.path().toStdString());
  f.Window.Toolbar()->Button("kfaktorj")->click();
  const QString pdf = dir.filePath("k.pdf");
  f.Dialogs.PrintFiles = {pdf};
  f.Results()->MenuAction("tiskvysl")->trigger();
  QVERIFY(f.Msg.ShownMessages.isEmpty());
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().startsWith("%PDF"));
}

void KFactorsViewTest::WithoutDailyNumbersTheViewDeclinesWithAMessage() {
  QTemporaryDir dir;
  WriteFolder(dir.path().toStdString(), false);
  Frame f(dir.path().toStdString());
  f.Window.Toolbar()->Button("kfaktorc")->click();
  // The results stay on the view they opened with (the measured table), not the k-factors.
  QVERIFY(f.Results()->ResultsMode() != 14);
  QVERIFY(f.KView() == nullptr);
  QCOMPARE(f.Msg.ShownMessages.size(), 1);
  QVERIFY(f.Msg.ShownMessages[0].contains("import-reference"));
}

QTEST_MAIN(KFactorsViewTest)
#include "k_factors_view_test.moc"
