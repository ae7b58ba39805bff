// SPDX-License-Identifier: GPL-3.0-or-later
// The daily-graphs window painted into images: curves at the specified heights, the bare frame
// of a one-record database, the leap-day tick, views, saving and printing to a PDF file.
#include <QAction>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "core/graphs/daily_graph_axis.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "support/pdf_pixels.h"
#include "support/picture_checks.h"
#include "ui/graphs/daily_graphs_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(200, 200, 200);

// Consecutive days from 1.1.2004 with north R = north and south R = south.
void FillConstant(Database& db, int count, int north, int south) {
  db = ConsecutiveDays(count);
  const std::int64_t first = DaySerial(CalendarDate{2004, 1, 1});
  for (int i = 1; i <= count; ++i) {
    db.Record(i).SetDate(FormatDate(DateFromSerial(first + i - 1)));
    db.Record(i).SetResultWord(kRelativeN, static_cast<std::uint16_t>(north));
    db.Record(i).SetResultWord(kRelativeS, static_cast<std::uint16_t>(south));
  }
}

}  // namespace

class DailyGraphsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // R = 50 is one grid row of the R graph: the red curve runs one row above panel 2's zero
  // line, the blue one on panel 3's zero line, the black sum in panel 1 one row up.
  void constantNorthIsOneRowAboveTheNorthBaseline() {
    AppRun app;
    FillConstant(app.Db, 200, 50, 0);
    DailyGraphsWindow window(app.Ctx);
    window.SelectGraph(DailyGraph::R);
    const QImage image = PaintCanvas(window, QSize(1000, 700));
    const DailyGeometry g = window.Plot().Geometry();
    QCOMPARE(g.RowHeight, DailyGeometryFor(700).RowHeight);
    const int redRow = g.Baseline(2) - g.RowHeight;
    QVERIFY2(CountInRow(image, redRow, kRed) > 300, "red curve one row above panel 2");
    QCOMPARE(CountColour(image, kRed), CountInRow(image, redRow, kRed));
    QVERIFY(CountInRow(image, g.Baseline(3), kBlue) > 300);
    QVERIFY(CountInRow(image, g.Baseline(1) - g.RowHeight, kBlack) > 300);
    QVERIFY(window.windowTitle().endsWith(QString::fromUtf8(" Relativní číslo")));
  }

  void singlePanelIsThreeTimesAsTall_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("value");  // raw value on the curve
    QTest::newRow("whole disk") << int(DailyView::Whole) << kBlack << 75;
    QTest::newRow("north") << int(DailyView::North) << kRed << 50;
    QTest::newRow("south") << int(DailyView::South) << kBlue << 25;
  }
  void singlePanelIsThreeTimesAsTall() {
    QFETCH(int, view);
    QFETCH(QRgb, colour);
    QFETCH(int, value);
    AppRun app;
    FillConstant(app.Db, 120, 50, 25);
    DailyGraphsWindow window(app.Ctx);
    window.SelectGraph(DailyGraph::R);
    window.SelectView(static_cast<DailyView>(view));
    const QImage image = PaintCanvas(window, QSize(900, 700));
    const DailyGeometry g = window.Plot().Geometry();
    const int y = g.SingleBaseline() - ScaledValue(value, g.RowHeight, 50) * 3;
    QVERIFY(CountInRow(image, y, colour) > 200);
    const QRgb others[] = {kRed, kBlue};
    for (QRgb other : others)
      if (other != colour) QCOMPARE(CountColour(image, other), 0);
  }

  void oneRecordDrawsFrameButNoCurve() {
    AppRun app;
    FillConstant(app.Db, 1, 300, 300);
    DailyGraphsWindow window(app.Ctx);
    window.SelectGraph(DailyGraph::R);
    const QImage image = PaintCanvas(window, QSize(800, 600));
    const DailyGeometry g = window.Plot().Geometry();
    QCOMPARE(CountColour(image, kRed), 0);
    QCOMPARE(CountColour(image, kBlue), 0);
    // Grid lines of every panel and the January tick (black) of the month axis.
    QVERIFY(CountInRow(image, g.Baseline(2) - 5 * g.RowHeight, kGrey) > 100);
    QCOMPARE(image.pixel(50, g.Baseline(1) + 5), kBlack);
  }

  // In 2004 the March tick stands at day 60 (two pixels a day), in 2003 at day 59.
  void leapYearMovesTheMarchTick_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("marchDay");
    QTest::newRow("2004 leap") << 2004 << 60;
    QTest::newRow("2003 common") << 2003 << 59;
  }
  void leapYearMovesTheMarchTick() {
    QFETCH(int, year);
    QFETCH(int, marchDay);
    AppRun app;
    app.Db = ConsecutiveDays(2);
    app.Db.Record(1).SetDate(FormatDate({year, 1, 1}));
    app.Db.Record(2).SetDate(FormatDate({year, 4, 1}));
    DailyGraphsWindow window(app.Ctx);
    const QImage image = PaintCanvas(window, QSize(800, 600));
    QCOMPARE(window.ScrollPosition(), 0);
    const int y = window.Plot().Geometry().Baseline(3) + 5;  // below the zero line: ticks only
    QCOMPARE(image.pixel(50 + 2 * marchDay, y), kGrey);
    QVERIFY(image.pixel(50 + 2 * marchDay - 2, y) != kGrey);
    QVERIFY(image.pixel(50 + 2 * marchDay + 2, y) != kGrey);
  }

  void newestDataInViewAndBadDatesReportedOnce() {
    AppRun app;
    FillConstant(app.Db, 1500, 40, 10);
    app.Db.Record(7).SetDate("31.02.2004");
    DailyGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(1000, 600));
    QCOMPARE(window.Plot().Axis().Skipped, 1);
    // The newest record in view: as far right as the scroll range lets it go.
    const int newest = window.Plot().Axis().NewestScrollPosition();
    const int maximum = window.Plot().Axis().ScrollRange() - window.Canvas()->width();
    QCOMPARE(window.ScrollPosition(), std::min(newest, maximum));
    QCOMPARE(window.ScrollPosition(), window.Plot().Axis().OpeningScroll(1000));
    QVERIFY(window.Plot().Axis().LastX() + 50 - window.ScrollPosition() < 1000);
    window.SelectGraph(DailyGraph::F);
    QCOMPARE(app.Msg.ShownMessages, QStringList{QString::fromStdString(SkippedRecordsText(1))});
  }

  void saveAllWritesTheEightIndexGraphs() {
    QTemporaryDir dir;
    AppRun app;
    app.Ctx.ProgDir = dir.path().toStdString();
    FillConstant(app.Db, 100, 40, 10);
    DailyGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(700, 500));
    window.SaveAll();
    QCOMPARE(app.Msg.ShownMessages, QStringList{QString::fromUtf8("Uloží se všechny grafy")});
    const QStringList files =
        QDir(dir.filePath(QString::fromUtf8("Obrázek"))).entryList(QDir::Files);
    QCOMPARE(files.size(), 8);
    for (const char* name : {"Graf_g_C.jpg", "Graf_r_C.jpg", "Graf_Polo_C.jpg"})
      QVERIFY2(files.contains(name), name);
    QCOMPARE(window.Plot().DayWidth(), 1);
  }

  void saveSingleUsesTheChosenSize_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("file");
    QTest::newRow("no size chosen") << 0 << "Grafx.bmp";
    QTest::newRow("500") << 500 << "Graf500x500.bmp";
  }
  void saveSingleUsesTheChosenSize() {
    QFETCH(int, size);
    QFETCH(QString, file);
    QTemporaryDir dir;
    AppRun app;
    app.Ctx.ProgDir = dir.path().toStdString();
    FillConstant(app.Db, 50, 40, 10);
    DailyGraphsWindow window(app.Ctx);
    window.show();
    PaintCanvas(window, QSize(700, 500));
    if (size > 0) window.SetSaveSize(size);
    QCoreApplication::processEvents();
    QVERIFY(window.SaveSingle());
    const QImage saved(dir.filePath(QString::fromUtf8("Obrázek/") + file));
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.width(), window.Canvas()->width() - 5);
    if (size > 0) QCOMPARE(window.Canvas()->size(), QSize(size, size));
  }

  // A fixed save size keeps the newest record in the picture, at its right edge.
  // The caption right after opening is the one every paint gives.
  // With January scrolled to the left edge the scale's white strip keeps the year and the
  // panel's title above the grid: only the value labels' rows are blanked.
  void scaleStripKeepsTheYearAtTheLeftEdge() {
    AppRun app;
    FillConstant(app.Db, 800, 40, 10);  // 1.1.2004 to March 2006
    DailyGraphsWindow window(app.Ctx);
    const QSize size(900, 600);
    PaintCanvas(window, size);
    const MonthTick* january = nullptr;
    for (const MonthTick& tick : window.Plot().Ticks())
      if (tick.Month == 1 && tick.Year == 2005) january = &tick;
    QVERIFY(january != nullptr);
    auto* scroll = window.findChild<QScrollBar*>();
    QVERIFY(scroll != nullptr);
    scroll->setValue(january->X + 50 - 4);  // the year starts at x = 4, under the strip
    QCOMPARE(window.ScrollPosition(), january->X + 50 - 4);
    const QImage plain = PaintCanvas(window, size);
    window.ShowScale();
    const QImage scaled = PaintCanvas(window, size);
    const DailyGeometry g = window.Plot().Geometry();
    for (int panel = 1; panel <= 3; ++panel) {
      const QRect yearBand(1, g.Baseline(panel) - 11 * g.RowHeight - 5, 20, g.RowHeight / 2);
      int ink = 0;
      for (int y = yearBand.top(); y <= yearBand.bottom(); ++y)
        for (int x = yearBand.left(); x <= yearBand.right(); ++x) {
          ink += !IsWhitish(plain.pixel(x, y));
          QCOMPARE(scaled.pixel(x, y), plain.pixel(x, y));
        }
      QVERIFY2(ink > 10, "the year is written at the left edge");
    }
  }

  void captionAfterOpeningNamesTheGraph() {
    AppRun app;
    FillConstant(app.Db, 30, 40, 10);
    DailyGraphsWindow window(app.Ctx);
    QCOMPARE(window.windowTitle(),
             QString::fromUtf8("Graf   Celkový   Sever   Jih  - Počet skupin"));
  }

  void saveSizeKeepsTheNewestDataInThePicture_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("400") << 400;
    QTest::newRow("500") << 500;
    QTest::newRow("600") << 600;
  }
  void saveSizeKeepsTheNewestDataInThePicture() {
    QFETCH(int, size);
    AppRun app;
    FillConstant(app.Db, 1500, 40, 10);
    DailyGraphsWindow window(app.Ctx);
    window.show();
    PaintCanvas(window, QSize(1000, 700));
    window.SetSaveSize(size);
    QCoreApplication::processEvents();
    QCOMPARE(window.Canvas()->size(), QSize(size, size));
    const int newestX = window.Plot().Axis().LastX() + 50 - window.ScrollPosition();
    QVERIFY2(newestX >= size - 40 && newestX < size, qPrintable(QString::number(newestX)));
    // The red north curve reaches the picture's right part.
    const QImage image = window.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(CountColour(image, kRed, QRect(size - 60, 0, 40, size)) > 0);
  }

  // The printed page has readable labels (no letter as tall as an inch) and the values of the
  // grid lines left of the curves.
  void printedPageHasReadableLabelsAndValues() {
    QTemporaryDir dir;
    AppRun app;
    // Three years: the window opens scrolled to the newest data.
    FillConstant(app.Db, 1100, 0, 0);
    DailyGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(900, 600));
    QVERIFY(window.ScrollPosition() > 0);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QString pdf = dir.filePath("graf.pdf");
    printer.setOutputFileName(pdf);
    window.PrintTo(printer);
    constexpr int kDpi = 100;
    const QImage page = RasterizePdfPage(pdf, kDpi);
    QVERIFY2(!page.isNull(), "pdftoppm rasterizes the page");
    QVERIFY2(ThickInkPixels(page) < 20, qPrintable(QString::number(ThickInkPixels(page))));
    // The page's paint area starts at the margin; the grid values stand in its first half inch.
    const QRect paint = printer.pageLayout().paintRectPixels(kDpi);
    const QRect valueStrip(paint.left(), paint.top(), kDpi / 2, paint.height());
    QVERIFY2(DarkPixels(page, valueStrip, 160) > 300,
             qPrintable(QString::number(DarkPixels(page, valueStrip, 160))));
  }

  void printsTheViewIntoAPdf() {
    QTemporaryDir dir;
    AppRun app;
    FillConstant(app.Db, 400, 60, 20);
    DailyGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(900, 600));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath("graf.pdf");
    printer.setOutputFileName(pdf);
    window.PrintTo(printer);
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QVERIFY(window.Action("tiskgraf")->isEnabled());
    QCOMPARE(window.Plot().DayWidth(), 2);
  }
};

QTEST_MAIN(DailyGraphsWindowTest)
#include "daily_graphs_window_test.moc"
