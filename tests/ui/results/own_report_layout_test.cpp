// SPDX-License-Identifier: GPL-3.0-or-later
// The own page on the smallest screen and on a large one: cells of neighbouring columns never run
// together, the page scrolls to its sums, the footer stays below them and names the keys.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "support/app_run.h"
#include "support/database_builders.h"
#include "support/picture_checks.h"
#include "ui/results/report_page_view.h"
#include "ui/results/results_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

// The results window's client area in the main frame on a 1024 x 768 screen.
constexpr QSize kSmallClient(1000, 620);
constexpr QSize kLargeClient(1580, 900);

const ResultsViewEntry& OwnEntry() {
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (QLatin1String(entry.ButtonName) == QLatin1String("vlastniv")) return entry;
  }
  throw std::logic_error("vlastniv");
}

// Drawings on the first `days` days of March 2001 at 10:56 UT with four-digit values.
Database MarchWithLargeValues(int days) {
  std::vector<ObservationRecord> records;
  for (int d = 1; d <= days; ++d) {
    ObservationRecord r = DatedRecord(CalendarDate{2001, 3, d});
    r.SetTimeUT(1056);
    for (int w = kGroupsN; w <= kHemisphereAreaS; ++w)
      r.SetResultWord(w, static_cast<std::uint16_t>(w < kGroupsS ? 1234 : 4321));
    records.push_back(r);
  }
  Database db = DatabaseOf(std::move(records));
  db.ChooseRecord(days);
  return db;
}

// Rows of the picture crossed by a ruled line of the table.
std::vector<int> RuledRows(const QImage& image) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y) {
    int dark = 0;
    for (int x = 0; x < image.width(); ++x) dark += !IsWhitish(image.pixel(x, y));
    if (dark > image.width() / 2) rows.push_back(y);
  }
  return rows;
}

struct OwnPage {
  OwnPage(const QString& dir, Database db, QSize client) : App(dir.toStdString()), Window(App.Ctx) {
    App.Db = std::move(db);
    Window.resize(client);
    App.Msg.Values = {"3.2001"};
    Window.ChooseView(OwnEntry());
    Page = qobject_cast<ReportPageView*>(Window.CurrentView());
    Window.show();
  }
  AppRun App;
  ResultsWindow Window;
  ReportPageView* Page = nullptr;
};

}  // namespace

class OwnReportLayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void CellsOfNeighbouringColumnsStayApart_data();
  void CellsOfNeighbouringColumnsStayApart();
  void SmallWindowScrollsToTheSums();
  void FooterStaysBelowThePageAndNamesTheKeys();

 private:
  QTemporaryDir m_dir;
};

void OwnReportLayoutTest::CellsOfNeighbouringColumnsStayApart_data() {
  QTest::addColumn<QSize>("client");
  QTest::addColumn<int>("largerBy");
  QTest::newRow("1024 x 768") << kSmallClient << 0;
  QTest::newRow("1600 x 1000") << kLargeClient << 0;
  QTest::newRow("1024 x 768, three sizes larger") << kSmallClient << 3;
}

void OwnReportLayoutTest::CellsOfNeighbouringColumnsStayApart() {
  QFETCH(QSize, client);
  QFETCH(int, largerBy);
  OwnPage own(m_dir.path(), MarchWithLargeValues(1), client);
  QVERIFY(own.Page != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(&own.Window));
  for (int i = 0; i < largerBy; ++i) QTest::keyClick(own.Page, Qt::Key_V);
  auto* scroll = own.Page->findChild<QScrollArea*>();
  QVERIFY2(scroll != nullptr && scroll->widget() != nullptr, "the page scrolls");
  const QImage image = scroll->widget()->grab().toImage();
  // The single day's line lies between the rule under the heads and the rule under the days.
  std::vector<int> rules = RuledRows(image);
  QVERIFY2(rules.size() >= 2, "two rules around the day lines");
  const int top = rules.front() + 1;
  int bottom = top;
  for (int y : rules) {
    if (y > top + 2) {
      bottom = y;
      break;
    }
  }
  QVERIFY(bottom > top);
  int cells = 0;
  for (const std::string& cell : own.Page->OwnPage().DayRows.at(0)) cells += !cell.empty();
  // "1" and "10:56" must not read "110:56": every cell is a run of its own.
  const int fontGap = 5;
  QCOMPARE(InkRuns(image, top, bottom, fontGap), cells);
}

void OwnReportLayoutTest::SmallWindowScrollsToTheSums() {
  OwnPage own(m_dir.path(), MarchWithLargeValues(31), kSmallClient);
  QVERIFY(QTest::qWaitForWindowExposed(&own.Window));
  auto* scroll = own.Page->findChild<QScrollArea*>();
  QVERIFY(scroll != nullptr);
  // The whole page, sums included, is in the canvas; the window shows part of it with bars.
  QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
  QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
  const QImage image = scroll->widget()->grab().toImage();
  const std::vector<int> rules = RuledRows(image);
  QVERIFY(!rules.empty());
  // Ink (the sums) below the last rule, above the bottom margin.
  const int sumsTop = rules.back() + 2;
  int inkRows = 0;
  for (int y = sumsTop; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsWhitish(image.pixel(x, y))) {
        ++inkRows;
        break;
      }
    }
  }
  QVERIFY2(inkRows > 60, qPrintable(QString::number(inkRows)));
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  QVERIFY(scroll->widget()->visibleRegion().boundingRect().bottom() >= image.height() - 1);
}

void OwnReportLayoutTest::FooterStaysBelowThePageAndNamesTheKeys() {
  for (const QSize client : {kSmallClient, kLargeClient}) {
    OwnPage own(m_dir.path(), MarchWithLargeValues(31), client);
    QVERIFY(QTest::qWaitForWindowExposed(&own.Window));
    auto* scroll = own.Page->findChild<QScrollArea*>();
    QVERIFY(scroll != nullptr);
    auto* print = own.Page->findChild<QPushButton*>("Button4");
    QVERIFY(print->isVisible());
    QVERIFY(print->geometry().top() >= scroll->geometry().bottom());
    bool namesKeys = false;
    for (QLabel* label : own.Page->findChildren<QLabel*>()) {
      const QString text = label->text();
      namesKeys |= label->isVisible() && text.contains(QStringLiteral(" v ")) &&
                   text.contains(QStringLiteral(" m ")) &&
                   label->geometry().top() >= scroll->geometry().bottom();
    }
    QVERIFY2(namesKeys, "a label below the page names the keys v and m");
  }
}

QTEST_MAIN(OwnReportLayoutTest)
#include "own_report_layout_test.moc"
