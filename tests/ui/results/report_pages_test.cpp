// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the monthly reports as the user sees and prints them: the own page and its two
// printouts, the SIDC page, the CV grid, and the observer table the "q" key draws over any view.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/results/instrument_panel.h"
#include "ui/results/observer_table_overlay.h"
#include "ui/results/report_page_view.h"
#include "ui/results/results_window.h"

using namespace ardeno;

namespace {

const ResultsViewEntry& EntryOf(const char* button) {
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (QLatin1String(entry.ButtonName) == QLatin1String(button)) return entry;
  }
  throw std::logic_error(button);
}

int PdfPages(const QString& file) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = pdf.readAll();
  if (!bytes.startsWith("%PDF")) return -1;
  return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                          bytes.count("/Type /Page "));
}

// Pixels that are not white in the widget as painted.
int InkOf(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
  }
  return ink;
}

}  // namespace

class ReportPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void OwnPageShowsTheMonthAndPrintsProtocolAndPage();
  void SidcPageHasEnglishLabelsAndDayLines();
  void CvGridHoldsTheDaysAndPrints();
  void KeyQDrawsTheObserverTableOverAnyView();
};

void ReportPagesTest::OwnPageShowsTheMonthAndPrintsProtocolAndPage() {
  QTemporaryDir dir;
  test::AppRun app(dir.path().toStdString());
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  window.resize(1200, 800);
  app.Msg.Values = {"2.2000"};
  window.ChooseView(EntryOf("vlastniv"));
  auto* page = qobject_cast<ReportPageView*>(window.CurrentView());
  QVERIFY(page != nullptr);
  QCOMPARE(page->OwnPage().DayRows.size(), std::size_t{29});
  QCOMPARE(page->OwnPage().Header[1].second, std::string("Únor"));
  QCOMPARE(page->OwnPage().Header[0].second, std::string("Ondřejov"));  // the drawings' station
  QCOMPARE(page->Protocol().Cells[29][1], std::string("10:00"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const int ink = InkOf(page);
  QVERIFY(ink > 2000);
  QTest::keyClick(page, Qt::Key_V);
  QTest::keyClick(page, Qt::Key_V);
  QVERIFY(InkOf(page) > ink);  // a larger font covers more of the page

  const QString protocol = dir.filePath("protokol.pdf");
  app.Dialogs.PrintFiles = {protocol};
  window.MenuAction("tiskvysl")->trigger();
  QCOMPARE(PdfPages(protocol), 1);
  const QString shown = dir.filePath("strana.pdf");
  app.Dialogs.PrintFiles = {shown};
  page->findChild<QPushButton*>("Button4")->click();
  QCOMPARE(PdfPages(shown), 1);
  app.Dialogs.PrintFiles = {std::nullopt};  // cancelled: nothing printed, nothing said
  page->findChild<QPushButton*>("Button4")->click();
  QVERIFY(app.Msg.ShownMessages.isEmpty());
}

void ReportPagesTest::SidcPageHasEnglishLabelsAndDayLines() {
  QTemporaryDir dir;
  test::AppRun app(dir.path().toStdString());
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  app.Msg.Values = {"3.2000"};
  window.ChooseView(EntryOf("oficialv"));
  auto* page = qobject_cast<ReportPageView*>(window.CurrentView());
  QVERIFY(page != nullptr);
  const QStringList& lines = page->Lines();
  // Without a station in pristroj.dat the page names the station of the drawings, which the
  // choice of the month put into the instrument panel.
  QCOMPARE(lines[0], QString("Station:     Ondřejov"));
  window.MenuAction("pristroj")->trigger();
  QCOMPARE(window.Instruments()->findChild<QLineEdit*>("Edit1")->text(), QString("Ondřejov"));
  QVERIFY(lines[4].startsWith("Eyepiece:"));
  QCOMPARE(lines[7], QString("01 1000 0 00 000 000 00 000 000 00 000 000 00 000 000"));
  QCOMPARE(lines[17], QString("11 9999"));  // the data end on 10 March
  QCOMPARE(lines.last(), QString("99"));
}

void ReportPagesTest::CvGridHoldsTheDaysAndPrints() {
  QTemporaryDir dir;
  test::AppRun app(dir.path().toStdString());
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  app.Msg.Values = {"3.2000"};
  window.ChooseView(EntryOf("CVvysledky"));
  auto* page = qobject_cast<ReportPageView*>(window.CurrentView());
  QVERIFY(page != nullptr);
  QTableView* grid = page->CvGrid();
  QCOMPARE(grid->objectName(), QString("StringGrid6"));
  const QAbstractItemModel* cells = grid->model();
  QCOMPARE(cells->rowCount(), 31);
  QCOMPARE(cells->columnCount(), 34);
  QCOMPARE(cells->headerData(33, Qt::Horizontal, Qt::DisplayRole).toString(), QString("33"));
  QCOMPARE(cells->index(9, 0).data().toString(), QString("10"));
  QCOMPARE(cells->index(9, 1).data().toString(), QString("0"));
  QCOMPARE(cells->index(9, 2).data().toString(), QString("10:00"));
  QCOMPARE(cells->index(10, 2).data().toString(), QString());
  const QString pdf = dir.filePath("cv.pdf");
  app.Dialogs.PrintFiles = {pdf};
  window.MenuAction("tiskvysl")->trigger();
  QCOMPARE(PdfPages(pdf), 1);
}

void ReportPagesTest::KeyQDrawsTheObserverTableOverAnyView() {
  QTemporaryDir dir;
  test::AppRun app(dir.path().toStdString());
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  window.resize(1000, 700);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  app.Msg.Values = {"2.2000"};
  window.ChooseView(EntryOf("vlastniv"));
  // No observer list yet: the user is told, nothing is drawn.
  QTest::keyClick(window.CurrentView(), Qt::Key_Q);
  QCOMPARE(app.Msg.ShownMessages.last(), QString("Ještě není znám žádný pozorovatel"));
  QVERIFY(window.ObserverTableShown()->isHidden());
  app.Db.Observers = {"Novák"};
  QTest::keyClick(window.CurrentView(), Qt::Key_Q);
  ObserverTableOverlay* overlay = window.ObserverTableShown();
  QVERIFY(overlay->isVisible());
  QCOMPARE(overlay->Table().Cells[1][0], std::string("Novák"));
  QCOMPARE(overlay->Table().Cells[1][2], std::string("70"));
  QVERIFY(InkOf(overlay) > 500);
  QTest::keyClick(overlay, Qt::Key_Escape);
  QVERIFY(overlay->isHidden());
  // The page's own keys still reach it.
  QTest::keyClick(window.CurrentView(), Qt::Key_V);
  QCOMPARE(qobject_cast<ReportPageView*>(window.CurrentView())->PageFontSize(), 13);
}

QTEST_MAIN(ReportPagesTest)
#include "report_pages_test.moc"
