// SPDX-License-Identifier: GPL-3.0-or-later
// "Kontrola dat" in the results window: the findings of a month, a year or the whole database,
// sorted by any column, a double click that makes the drawing current with its group ringed,
// the station's place, and the check that runs before the SIDC and CV reports are written.
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/solar/day_results.h"
#include "support/main_frame.h"
#include "support/map_records.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/results/quality_view.h"
#include "ui/results/results_window.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// A drawing by Novák at 10:00 UT, its conditions, image and Q entered, with one group at the
// central meridian and latitude b.
ObservationRecord Drawing(const CalendarDate& date, double b = 12, std::uint16_t timeUT = 1000) {
  ObservationRecord r = test::MapRecord(date, timeUT);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  r.SetRadiusWord(125);
  r.SetConditions(2);
  r.SetImageQuality(2);
  r.SetQualityQ(2);
  test::AddGroup(r, 0, RecordEphemeris(r)->EphL0, b, 100);
  r.SetGroupType(1, "Cso");
  StoreDayResults(r, *RecordEphemeris(r));
  return r;
}

// March 2014: five drawings, the one of the 5th with its group at latitude 63 (record 3), the
// one of the 7th with observing conditions 9 (record 5). April 2014: two clean drawings, the
// second at 1:30 UT, a local time typed as UT at Ondřejov (record 7).
std::vector<ObservationRecord> Records() {
  std::vector<ObservationRecord> records;
  for (int day = 3; day <= 7; ++day) records.push_back(Drawing({2014, 3, day}, day == 5 ? 63 : 12));
  records.back().SetConditions(9);
  StoreDayResults(records.back(), *RecordEphemeris(records.back()));
  records.push_back(Drawing({2014, 4, 10}));
  records.push_back(Drawing({2014, 4, 11}, 12, 130));
  return records;
}

struct Frame : test::MainFrame {
  // Shown first when the windows' places matter.
  explicit Frame(const fs::path& dir, bool shown = false) : MainFrame(dir, Records()) {
    if (shown) {
      Window.resize(1600, 1000);
      Window.show();
      QTest::qWaitForWindowExposed(&Window);
    }
    Button("vysledekz")->click();
    Button("kontrolav")->click();
  }
  ResultsWindow* Results() { return Window.Results(); }
  QualityView* View() { return qobject_cast<QualityView*>(Results()->CurrentView()); }
  void Choose(QualityView::Scope scope, const QString& text) {
    View()->ScopeBox()->setCurrentIndex(scope);
    View()->PeriodField()->setText(text);
    View()->CheckButton()->click();
  }
  QString Cell(int row, int column) { return View()->Grid()->item(row, column)->text(); }
};

int MarkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == QColor(230, 0, 0)) ++count;
  return count;
}

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class QualityViewTest : public QObject {
  Q_OBJECT
 private slots:
  // A fresh folder for every test and every row.
  void init() {
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
  }
  void OpensOnTheMonthOfTheCurrentDrawing();
  void PeriodsChooseTheRows_data();
  void PeriodsChooseTheRows();
  void ColumnsSortTheTable();
  void DoubleClickShowsTheDrawingWithItsGroupRinged();
  void DoubleClickBringsTheDrawingBesideTheResults();
  void StationPlaceIsKeptAndChecked();
  void ReportsAskBeforeWritingAMonthWithErrors_data();
  void ReportsAskBeforeWritingAMonthWithErrors();

 private:
  fs::path Dir() const { return m_dir->path().toStdString(); }
  std::optional<QTemporaryDir> m_dir;
};

void QualityViewTest::OpensOnTheMonthOfTheCurrentDrawing() {
  Frame f(Dir());
  QVERIFY(f.View() != nullptr);
  QCOMPARE(f.Results()->windowTitle(), QString("Výsledky    kontrola dat"));
  QVERIFY(f.Results()->MenuAction("kontroladat")->isChecked());
  QCOMPARE(f.View()->ScopeBox()->currentIndex(), int(QualityView::Month));
  QCOMPARE(f.View()->PeriodField()->text(), QString("4.2014"));
  QCOMPARE(f.View()->Grid()->rowCount(), 0);
  QCOMPARE(f.View()->Summary()->text(), QString("Chyb: 0, varování: 0"));
  // Without stanice.dat the check of the Sun's height says once that it did not run.
  QCOMPARE(f.View()->SkippedNotes()->text().count("Q01 vynechána"), 1);
}

void QualityViewTest::PeriodsChooseTheRows_data() {
  QTest::addColumn<int>("scope");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("rows");
  QTest::addColumn<bool>("refused");
  QTest::newRow("March") << int(QualityView::Month) << "3.2014" << 2 << false;
  QTest::newRow("April") << int(QualityView::Month) << "4.2014" << 0 << false;
  QTest::newRow("Year") << int(QualityView::Year) << "2014" << 2 << false;
  QTest::newRow("OtherYear") << int(QualityView::Year) << "2013" << 0 << false;
  QTest::newRow("Whole") << int(QualityView::Whole) << "" << 2 << false;
  QTest::newRow("YearAsMonth") << int(QualityView::Month) << "2014" << 2 << true;
  QTest::newRow("NoMonth") << int(QualityView::Month) << "13.2014" << 2 << true;
}

void QualityViewTest::PeriodsChooseTheRows() {
  QFETCH(int, scope);
  QFETCH(QString, text);
  QFETCH(int, rows);
  QFETCH(bool, refused);
  Frame f(Dir());
  f.Choose(QualityView::Whole, "");
  f.Choose(static_cast<QualityView::Scope>(scope), text);
  QCOMPARE(f.View()->Grid()->rowCount(), rows);
  QCOMPARE(f.Msg.ShownMessages.size(), refused ? 1 : 0);
  if (refused) QVERIFY(f.Msg.ShownMessages[0].contains("M.RRRR"));
}

void QualityViewTest::ColumnsSortTheTable() {
  Frame f(Dir());
  f.Choose(QualityView::Whole, "");
  QTableWidget* grid = f.View()->Grid();
  QCOMPARE(f.View()->Summary()->text(), QString("Chyb: 2, varování: 0"));
  grid->sortItems(3, Qt::DescendingOrder);
  QCOMPARE(f.Cell(0, 3), QString("Q08"));
  QCOMPARE(f.Cell(0, 4), QString("chyba"));
  QCOMPARE(f.Cell(1, 3), QString("Q03"));
  QCOMPARE(f.Cell(1, 2), QString("1"));
  QCOMPARE(f.Cell(1, 5), QString("Novák"));
  // Dates by the day, not by their text ("07.03" before "05.03" only when asked).
  grid->sortItems(0, Qt::DescendingOrder);
  QCOMPARE(f.Cell(0, 0), QString("07.03.2014"));
  grid->sortItems(0, Qt::AscendingOrder);
  QCOMPARE(f.Cell(0, 0), QString("05.03.2014"));
  QCOMPARE(f.Cell(0, 1), QString("3"));
}

void QualityViewTest::DoubleClickShowsTheDrawingWithItsGroupRinged() {
  Frame f(Dir());
  f.Choose(QualityView::Whole, "");
  QTableWidget* grid = f.View()->Grid();
  grid->sortItems(3, Qt::AscendingOrder);  // Q03 first
  QCOMPARE(f.Cell(0, 3), QString("Q03"));
  DrawingWindow* drawing = f.Window.Drawing();
  drawing->resize(800, 680);
  QCOMPARE(MarkPixels(drawing->RenderImage(false)), 0);
  // The window is not on a screen here: the table's double click is given as the table reports it.
  emit grid->cellDoubleClicked(0, 4);
  QCOMPARE(f.Db.CurrentIndex, 3);
  QCOMPARE(f.Db.WorkRecord, f.Db.Record(3));
  QVERIFY(drawing->windowTitle().contains("05.03.2014"));
  QVERIFY(MarkPixels(drawing->RenderImage(false)) > 20);
  // Saved pictures show the drawing as stored; another drawing shows no ring.
  QCOMPARE(MarkPixels(drawing->RenderImage(true)), 0);
  drawing->ShowRecord(4);
  QCOMPARE(MarkPixels(drawing->RenderImage(false)), 0);
  // A finding of the whole drawing rings nothing.
  f.View()->ShowFindingOf(1);
  QCOMPARE(f.Db.CurrentIndex, 5);
  QCOMPARE(MarkPixels(drawing->RenderImage(false)), 0);
}

void QualityViewTest::DoubleClickBringsTheDrawingBesideTheResults() {
  Frame f(Dir(), true);
  QWidget* resultsFrame = f.Results()->parentWidget();
  QWidget* drawingFrame = f.Window.Drawing()->parentWidget();
  const QSize drawingSize = drawingFrame->size();
  // The results leave the drawing's part of the frame free when they open.
  QVERIFY(resultsFrame->x() > 0);
  QVERIFY(resultsFrame->geometry().right() <= f.Window.MdiArea()->viewport()->width());
  drawingFrame->showMinimized();

  f.Choose(QualityView::Whole, "");
  QTableWidget* grid = f.View()->Grid();
  grid->sortItems(3, Qt::AscendingOrder);  // Q03 of 05.03.2014 (record 3) first
  emit grid->cellDoubleClicked(0, 4);
  QCOMPARE(f.Db.CurrentIndex, 3);
  // The drawing comes back, beside the results and above them, ringed.
  QVERIFY(drawingFrame->isVisible());
  QVERIFY(!drawingFrame->isMinimized());
  QVERIFY2(!drawingFrame->geometry().intersects(resultsFrame->geometry()),
           qPrintable(QStringLiteral("drawing %1 px wide, results from x %2")
                          .arg(drawingFrame->width())
                          .arg(resultsFrame->x())));
  QCOMPARE(f.Window.MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), drawingFrame);
  QVERIFY(MarkPixels(f.Window.Drawing()->RenderImage(false)) > 20);
  // The record list selects the drawing too.
  QListWidget* list = f.Window.RecordList()->List();
  QVERIFY(list->currentItem() != nullptr);
  QVERIFY2(list->currentItem()->text().contains("05 03 2014"),
           qPrintable(list->currentItem()->text()));

  // Closed, the results leave the chosen drawing current and ringed, at its own size again.
  f.Button("SpeedButton9")->click();
  QTRY_VERIFY(f.Results() == nullptr);
  QCOMPARE(f.Db.CurrentIndex, 3);
  QVERIFY(MarkPixels(f.Window.Drawing()->RenderImage(false)) > 20);
  QCOMPARE(drawingFrame->size(), drawingSize);
}

void QualityViewTest::StationPlaceIsKeptAndChecked() {
  Frame f(Dir());
  QualityView* view = f.View();
  view->StationButton()->click();
  QVERIFY(!view->StationPanel()->isHidden());
  QVERIFY(view->LatitudeField()->text().isEmpty());
  view->LatitudeField()->setText("49,91");
  view->LongitudeField()->setText("14.78");
  view->StationSaveButton()->click();
  QCOMPARE(f.Msg.ShownMessages.size(), 1);
  QVERIFY(f.Msg.ShownMessages[0].contains("řádek 1"));
  QVERIFY(!fs::exists(Dir() / "stanice.dat"));
  view->LatitudeField()->setText("49.91");
  view->StationSaveButton()->click();
  QCOMPARE(FileText(Dir() / "stanice.dat"), std::string("49.9100\r\n14.7800\r\n"));
  QVERIFY(view->StationPanel()->isHidden());
  // April's drawing at 1:30 UT is found now.
  QCOMPARE(view->Grid()->rowCount(), 1);
  QCOMPARE(f.Cell(0, 3), QString("Q01"));
  QCOMPARE(f.Cell(0, 1), QString("7"));
  QVERIFY(view->SkippedNotes()->text().count("Q01") == 0);
  view->StationButton()->click();
  QCOMPARE(view->LatitudeField()->text(), QString("49.9100"));
}

void QualityViewTest::ReportsAskBeforeWritingAMonthWithErrors_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("month");
  QTest::addColumn<bool>("asked");
  QTest::addColumn<bool>("answer");
  QTest::addColumn<QString>("file");
  QTest::newRow("SidcContinue") << "oficialv"
                                << "3.2014" << true << true << "Mesice/201403.txt";
  QTest::newRow("SidcBack") << "oficialv"
                            << "3.2014" << true << false << "Mesice/201403.txt";
  QTest::newRow("SidcClean") << "oficialv"
                             << "4.2014" << false << false << "Mesice/201404.txt";
  QTest::newRow("CvContinue") << "CVvysledky"
                              << "3.2014" << true << true << "CVdata/CV-03_2014.Txt";
  QTest::newRow("CvBack") << "CVvysledky"
                          << "3.2014" << true << false << "CVdata/CV-03_2014.Txt";
  QTest::newRow("CvClean") << "CVvysledky"
                           << "4.2014" << false << false << "CVdata/CV-04_2014.Txt";
}

void QualityViewTest::ReportsAskBeforeWritingAMonthWithErrors() {
  QFETCH(QString, button);
  QFETCH(QString, month);
  QFETCH(bool, asked);
  QFETCH(bool, answer);
  QFETCH(QString, file);
  Frame f(Dir());
  f.Msg.Values = {month};
  f.Button(button.toUtf8().constData())->click();
  std::ofstream(Dir() / "Site.txt", std::ios::binary) << "\r\n\r\nONDR\r\n";
  f.Msg.Choices = {answer};
  f.Results()->MenuAction("dosouboru")->trigger();
  QCOMPARE(f.Msg.Questions.size(), asked ? 1 : 0);
  if (asked) {
    const QString question = f.Msg.Questions[0];
    QVERIFY(question.startsWith("Kontrola dat našla v měsíci 3/2014 chyby (2):"));
    QVERIFY(question.contains("05.03.2014 č.3 skupina 1 Q03 chyba "));
    QVERIFY(question.contains("07.03.2014 č.5 Q08 chyba "));
  }
  QCOMPARE(fs::exists(Dir() / file.toStdString()), !asked || answer);
}

QTEST_MAIN(QualityViewTest)
#include "quality_view_test.moc"
