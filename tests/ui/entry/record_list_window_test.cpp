// SPDX-License-Identifier: GPL-3.0-or-later
// The record list: regimes, choosing lines by mouse and keys, and the repair of unreadable dates.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QtTest>
#include <memory>

#include "core/entry/record_list_pages.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

// The window height that gives the list exactly `listLines` + 1 lines.
int HeightForLines(AppContext& ctx, int listLines) {
  const RecordListWindow probe(ctx, 400);
  return 45 + probe.ItemHeight() * (listLines + 1);
}

void ClickLine(RecordListWindow& list, int line) {
  QListWidget* box = list.List();
  const QRect rect = box->visualItemRect(box->item(line));
  QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// A frame that keeps the last status tip that reached it, as the main window's status bar does.
struct StatusFrame : QWidget {
  QString Tip;
  bool event(QEvent* event) override {
    if (event->type() != QEvent::StatusTip) return QWidget::event(event);
    Tip = static_cast<QStatusTipEvent*>(event)->tip();
    return true;
  }
};

}  // namespace

class RecordListWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void oneRecordOneSelectedLine();
  void oneRecordMoreThanLinesPages();
  void clickOnFirstLineOfAPage();
  void downArrowOnTheLastLineMovesByOneRecord();
  void upArrowOnTheFirstLinePagesBack();
  void unreadableDateRemovedOnce();
  void lastRecordCommand();
  void highlightIsAlwaysTheCurrentRecord_data();
  void highlightIsAlwaysTheCurrentRecord();
  void draggingChoosesTheRecordUnderTheMouse();
  void f9AndF8ReachTheDrawingWindow();
  void goToADateTheDrawingWindowFollows_data();
  void goToADateTheDrawingWindowFollows();
  void aDigitTypedInTheListStartsTheDate();
  void aTextThatIsNoDateIsSaidAndNothingMoves();
  void aYearWithoutDrawingsIsNamedOnTheStatusBar();
  void theWidestLineFitsTheList();
};

void RecordListWindowTest::oneRecordOneSelectedLine() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  RecordListWindow list(app.Ctx, 600);
  QCOMPARE(list.objectName(), QString("TForm4"));
  QCOMPARE(list.List()->count(), 1);
  QCOMPARE(list.SelectedLine(), 0);
  QVERIFY(!list.ScrollBar()->isEnabled());
  // The observer stands beside the date.
  QCOMPARE(list.List()->item(0)->text(), QString::fromUtf8("    1     01 01 2000  Novák"));
}

void RecordListWindowTest::oneRecordMoreThanLinesPages() {
  AppRun app;
  const int lines = 20;
  const int height = HeightForLines(app.Ctx, lines);
  app.Db = ConsecutiveDays(lines + 1);
  RecordListWindow list(app.Ctx, height);
  QCOMPARE(list.ListLines(), lines);
  QVERIFY(list.IsPaged());
  QVERIFY(list.ScrollBar()->isEnabled());
  QCOMPARE(list.ScrollBar()->value(), list.ScrollBar()->maximum());
  QCOMPARE(list.List()->count(), lines + 1);
  QVERIFY(list.List()->item(0)->text().startsWith("    1 "));
  QVERIFY(list.List()->item(lines)->text().startsWith(QString("%1 ").arg(lines + 1, 5)));
  QCOMPARE(list.SelectedLine(), lines);
}

void RecordListWindowTest::clickOnFirstLineOfAPage() {
  AppRun app;
  const int height = HeightForLines(app.Ctx, 25);
  app.Db = ConsecutiveDays(600);
  DrawingWindow drawing(app.Ctx);
  RecordListWindow list(app.Ctx, height);
  list.SetDrawingWindow(&drawing);
  list.show();
  QCOMPARE(list.ListLines(), 25);
  list.ScrollBar()->setValue(500);
  QCOMPARE(app.Db.CurrentIndex, 600);  // scrolling alone does not choose
  ClickLine(list, 0);
  QCOMPARE(app.Db.CurrentIndex, 475);
  QCOMPARE(app.Db.WorkRecord, app.Db.Record(475));
  const QString caption = QString::fromStdString(DrawingCaption(app.Db.Record(475)));
  QCOMPARE(drawing.windowTitle(), caption);
  QCOMPARE(app.View.ImageName, caption);
}

void RecordListWindowTest::downArrowOnTheLastLineMovesByOneRecord() {
  AppRun app;
  const int height = HeightForLines(app.Ctx, 25);
  app.Db = ConsecutiveDays(600);
  RecordListWindow list(app.Ctx, height);
  list.ScrollBar()->setValue(500);
  // Record 600 is not on the page: nothing looks chosen.
  QCOMPARE(list.SelectedLine(), -1);
  QTest::keyClick(list.List(), Qt::Key_Down);
  QCOMPARE(list.ScrollBar()->value(), 501);
  QCOMPARE(app.Db.CurrentIndex, 501);
  QCOMPARE(list.SelectedLine(), 25);
  // On the last record of the database nothing moves.
  list.ScrollBar()->setValue(600);
  QTest::keyClick(list.List(), Qt::Key_Down);
  QCOMPARE(app.Db.CurrentIndex, 600);
  QCOMPARE(list.ScrollBar()->value(), 600);
  // Within a page the next line is chosen.
  list.SelectLine(3);
  QTest::keyClick(list.List(), Qt::Key_Down);
  QCOMPARE(app.Db.CurrentIndex, 600 - 25 + 4);
}

void RecordListWindowTest::upArrowOnTheFirstLinePagesBack() {
  AppRun app;
  const int height = HeightForLines(app.Ctx, 25);
  app.Db = ConsecutiveDays(600);
  RecordListWindow list(app.Ctx, height);
  list.ScrollBar()->setValue(500);
  list.SelectLine(0);
  QTest::keyClick(list.List(), Qt::Key_Up);
  QCOMPARE(list.ScrollBar()->value(), 475);
  QCOMPARE(app.Db.CurrentIndex, 600);  // the current record is not changed by this key
}

void RecordListWindowTest::unreadableDateRemovedOnce() {
  AppRun app;
  app.Db = ConsecutiveDays(5);
  app.Db.Record(3).SetDate("31.13.2000");
  const ObservationRecord fourth = app.Db.Record(4);
  RecordListWindow list(app.Ctx, 600);
  QCOMPARE(app.Db.RecordCount, 4);
  QCOMPARE(app.Msg.ShownMessages.size(), 1);
  QCOMPARE(app.Msg.ShownMessages.first(), QString::fromUtf8(kDateRepairMessage));
  QVERIFY(app.Db.DataChanged);
  QCOMPARE(list.List()->count(), 4);
  QCOMPARE(app.Db.Record(3), fourth);
  // Listing again finds nothing more to repair.
  list.FillList(app.Db.RecordCount);
  QCOMPARE(app.Msg.ShownMessages.size(), 1);
  QCOMPARE(app.Db.RecordCount, 4);
}

void RecordListWindowTest::lastRecordCommand() {
  AppRun app;
  const int height = HeightForLines(app.Ctx, 25);
  app.Db = ConsecutiveDays(100);
  RecordListWindow list(app.Ctx, height);
  list.ScrollBar()->setValue(40);
  ClickLine(list, 0);
  QCOMPARE(app.Db.CurrentIndex, 15);
  list.ShowLastRecord();
  QCOMPARE(app.Db.CurrentIndex, 100);
  QCOMPARE(list.ScrollBar()->value(), 100);
  QCOMPARE(list.SelectedLine(), 25);
  // A store that grew the database: the list follows the new count.
  app.Db.Record(101) = DatedRecord({2001, 1, 1});
  app.Db.RecordCount = 101;
  list.ShowRecord(101);
  QCOMPARE(list.ScrollBar()->maximum(), 101);
  QCOMPARE(app.Db.CurrentIndex, 101);
}

void RecordListWindowTest::highlightIsAlwaysTheCurrentRecord_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("current");  // expected current record, from record 300 of 600
  QTest::newRow("Home") << int(Qt::Key_Home) << 1;
  QTest::newRow("End") << int(Qt::Key_End) << 600;
  QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 325;
  QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 275;
  QTest::newRow("Down") << int(Qt::Key_Down) << 301;
  QTest::newRow("Up") << int(Qt::Key_Up) << 299;
}

void RecordListWindowTest::highlightIsAlwaysTheCurrentRecord() {
  QFETCH(int, key);
  QFETCH(int, current);
  AppRun app;
  app.Db = ConsecutiveDays(600);
  RecordListWindow list(app.Ctx, HeightForLines(app.Ctx, 25));
  list.ShowRecord(300);
  QTest::keyClick(list.List(), static_cast<Qt::Key>(key));
  QCOMPARE(app.Db.CurrentIndex, current);
  QCOMPARE(app.Db.WorkRecord, app.Db.Record(current));
  const int line = list.SelectedLine();
  QVERIFY(line >= 0);
  QCOMPARE(RecordOfLine(line, true, list.ScrollBar()->value(), list.ListLines()), current);
}

void RecordListWindowTest::draggingChoosesTheRecordUnderTheMouse() {
  AppRun app;
  app.Db = ConsecutiveDays(10);
  RecordListWindow list(app.Ctx, 600);
  list.show();
  QListWidget* box = list.List();
  const QPoint from = box->visualItemRect(box->item(2)).center();
  const QPoint to = box->visualItemRect(box->item(6)).center();
  QTest::mousePress(box->viewport(), Qt::LeftButton, Qt::NoModifier, from);
  QMouseEvent move(QEvent::MouseMove, to, box->viewport()->mapToGlobal(to), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &move);
  QCOMPARE(list.SelectedLine(), 6);
  QCOMPARE(app.Db.CurrentIndex, 7);  // the highlight never moves without choosing
  QTest::mouseRelease(box->viewport(), Qt::LeftButton, Qt::NoModifier, to);
  QCOMPARE(app.Db.CurrentIndex, 7);
}

void RecordListWindowTest::f9AndF8ReachTheDrawingWindow() {
  AppRun app;
  app.Db = ConsecutiveDays(3);
  DrawingWindow drawing(app.Ctx);
  RecordListWindow list(app.Ctx, 600);
  list.SetDrawingWindow(&drawing);
  // No day file in the (empty) program folder: the drawing window's own message shows F9 arrived.
  QTest::keyClick(list.List(), Qt::Key_F9);
  QCOMPARE(app.Msg.ShownMessages, QStringList({"Nejsou data pro magnetosféru"}));
  QCOMPARE(app.Db.CurrentIndex, 3);
  // F8 saves the drawing shown, after the drawing window's own question.
  app.Dialogs.Confirmations = {false};
  QTest::keyClick(list.List(), Qt::Key_F8);
  QCOMPARE(app.Dialogs.Asked, QStringList({"Uložit bitmapu zákresu"}));
  QCOMPARE(app.Db.CurrentIndex, 3);
}

void RecordListWindowTest::goToADateTheDrawingWindowFollows_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("record");
  // 600 days from 1.1.2000: 2000 is a leap year, so 5.3.2000 is day 31 + 29 + 5.
  QTest::newRow("day 5.3.2000") << "5.3.2000" << 65;
  QTest::newRow("month 3.2000") << "3.2000" << 61;
  QTest::newRow("year 2001") << "2001" << 367;
  QTest::newRow("day with leading zeros") << "05.03.2000" << 65;
  QTest::newRow("the first day") << "1999" << 1;
}

void RecordListWindowTest::goToADateTheDrawingWindowFollows() {
  QFETCH(QString, typed);
  QFETCH(int, record);
  AppRun app;
  app.Db = ConsecutiveDays(600);
  DrawingWindow drawing(app.Ctx);
  RecordListWindow list(app.Ctx, HeightForLines(app.Ctx, 25));
  list.SetDrawingWindow(&drawing);
  list.StartDateJump();
  QTest::keyClicks(list.DateField(), typed);
  QTest::keyClick(list.DateField(), Qt::Key_Return);
  QCOMPARE(app.Db.CurrentIndex, record);
  QCOMPARE(app.Db.WorkRecord, app.Db.Record(record));
  // The list shows and highlights it; the drawing window shows it.
  QVERIFY(list.SelectedLine() >= 0);
  QVERIFY(list.List()->item(list.SelectedLine())->text().startsWith(QString("%1 ").arg(record, 5)));
  const QString date = QString::fromStdString(app.Db.Record(record).Date());
  QVERIFY2(drawing.windowTitle().contains(date), qPrintable(drawing.windowTitle()));
  QVERIFY(app.Msg.ShownMessages.isEmpty());
}

void RecordListWindowTest::aDigitTypedInTheListStartsTheDate() {
  AppRun app;
  app.Db = ConsecutiveDays(600);
  RecordListWindow list(app.Ctx, HeightForLines(app.Ctx, 25));
  list.show();
  QVERIFY(QTest::qWaitForWindowExposed(&list));
  list.List()->setFocus();
  QTest::keyClick(list.List(), Qt::Key_2, Qt::NoModifier);
  QCOMPARE(list.DateField()->text(), QString("2"));
  QVERIFY(list.DateField()->hasFocus());
  QTest::keyClicks(list.DateField(), "001");
  QTest::keyClick(list.DateField(), Qt::Key_Return);
  QCOMPARE(app.Db.CurrentIndex, 367);
  QVERIFY(list.List()->hasFocus());
}

void RecordListWindowTest::aTextThatIsNoDateIsSaidAndNothingMoves() {
  AppRun app;
  app.Db = ConsecutiveDays(30);
  RecordListWindow list(app.Ctx, 600);
  for (const char* typed : {"31.2.2000", "2.00", "2003"}) {
    list.DateField()->setText(typed);
    list.JumpToTypedDate();
    QCOMPARE(app.Db.CurrentIndex, 30);
  }
  QCOMPARE(app.Msg.ShownMessages.size(), 3);
  QVERIFY(app.Msg.ShownMessages[0].contains(QString::fromUtf8("není datum")));
  QVERIFY(app.Msg.ShownMessages[2].contains(QString::fromUtf8("poslední je z 30.01.2000")));
}

void RecordListWindowTest::aYearWithoutDrawingsIsNamedOnTheStatusBar() {
  AppRun app;
  app.Db = ConsecutiveDays(30);
  StatusFrame frame;
  RecordListWindow list(app.Ctx, 600);
  list.setParent(&frame);
  list.DateField()->setText("1999");
  list.JumpToTypedDate();
  QCOMPARE(app.Db.CurrentIndex, 1);
  QCOMPARE(frame.Tip, QString::fromUtf8("V roce 1999 není žádný zákres; ukazuje se další, z "
                                        "01.01.2000."));
  QVERIFY(app.Msg.ShownMessages.isEmpty());
  // A day with a drawing clears the note.
  list.DateField()->setText("5.1.2000");
  list.JumpToTypedDate();
  QCOMPARE(app.Db.CurrentIndex, 5);
  QCOMPARE(frame.Tip, QString());
}

void RecordListWindowTest::theWidestLineFitsTheList() {
  AppRun app;
  std::vector<ObservationRecord> records = {DatedRecord({2099, 12, 31})};
  records[0].SetObserver("Hájek Zdeněk");
  app.Db = DatabaseOf(records);
  RecordListWindow list(app.Ctx, 600);
  const QString line = list.List()->item(0)->text();
  QVERIFY(line.endsWith(QString::fromUtf8("Hájek Zdeněk")));
  list.show();
  QVERIFY(QTest::qWaitForWindowExposed(&list));
  QVERIFY(list.List()->fontMetrics().horizontalAdvance(line) <= list.List()->viewport()->width());
}

QTEST_MAIN(RecordListWindowTest)
#include "record_list_window_test.moc"
