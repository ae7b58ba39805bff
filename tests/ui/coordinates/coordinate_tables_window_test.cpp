// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate-tables window: months, year field, scale prompt, printing into a PDF, the
// saved picture and the too-low window refusal of "t".
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "support/app_run.h"
#include "ui/coordinates/coordinate_tables_window.h"
#include "ui/shell/picture_files.h"

using namespace ardeno;
using ardeno::test::AppRun;

namespace {

int DarkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++count;
  return count;
}

}  // namespace

class CoordinateTablesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void monthButtonsShowTheirFourMonths_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("firstMonth");
    QTest::addColumn<int>("februaryDays");
    QTest::newRow("januaryToAprilOfALeapYear") << "SpeedButton1" << 1 << 29;
    QTest::newRow("mayToAugust") << "SpeedButton2" << 5 << 0;
    QTest::newRow("septemberToDecember") << "SpeedButton3" << 9 << 0;
  }
  void monthButtonsShowTheirFourMonths() {
    QFETCH(QString, button);
    QFETCH(int, firstMonth);
    QFETCH(int, februaryDays);
    AppRun run;
    CoordinateTablesWindow window(run.Ctx, 2023);
    window.findChild<QLineEdit*>("Edit1")->setText("2024");
    window.findChild<QPushButton*>(button)->click();
    QCOMPARE(window.Table().Year, 2024);
    QCOMPARE(window.Table().Columns[0].Month, firstMonth);
    int days = 0;
    for (const auto& day : window.Table().Columns[1].Days) days += day ? 1 : 0;
    if (februaryDays > 0) QCOMPARE(days, februaryDays);
  }

  void yearFieldTakesDigitsOnly() {
    AppRun run;
    CoordinateTablesWindow window(run.Ctx, 2024);
    auto* year = window.findChild<QLineEdit*>("Edit1");
    year->clear();
    QTest::keyClicks(year, "2a0-2,5");
    QCOMPARE(year->text(), QString("2025"));
  }

  void scaleAcceptsNumbersOnly() {
    AppRun run;
    CoordinateTablesWindow window(run.Ctx, 2024);
    run.Dialogs.Inputs = {QString("abc"), QString("24"), std::nullopt};
    window.AskScale();
    QCOMPARE(window.Scale(), 16);
    window.AskScale();
    QCOMPARE(window.Scale(), 24);
    window.AskScale();  // cancelled
    QCOMPARE(window.Scale(), 24);
  }

  void printsTheTableIntoAPdf() {
    QTemporaryDir dir;
    AppRun run(PathFromText(dir.path()));
    CoordinateTablesWindow window(run.Ctx, 2024);
    const QString pdf = dir.filePath("tabulka.pdf");
    run.Dialogs.PrintFiles = {pdf};
    QVERIFY(window.PrintTable());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.contains("/Type /Page"));
    // Cancelling the printer set-up prints nothing.
    QVERIFY(!window.PrintTable());
  }

  void savesThePictureUnderItsName() {
    QTemporaryDir dir;
    AppRun run(PathFromText(dir.path()));
    CoordinateTablesWindow window(run.Ctx, 2012);
    window.findChild<QPushButton*>("SpeedButton3")->click();
    const auto file = window.SaveTableImage();
    QVERIFY(file.has_value());
    QCOMPARE(PathText(file->filename()), QStringLiteral("Souřadnice 2012 9 - 12.bmp"));
    QCOMPARE(PathText(file->parent_path().filename()), QStringLiteral("Obrázek"));
    const QImage image(PathText(*file));
    QCOMPARE(image.size(), QSize(900, 1000));
    QCOMPARE(image.depth(), 8);
    QVERIFY(DarkPixels(image) > 2000);
  }

  void scrollingMovesTheTableUp() {
    AppRun run;
    CoordinateTablesWindow window(run.Ctx, 2024);
    window.resize(900, 700);
    auto render = [&] {
      QImage image(900, 700, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      window.PaintTable(painter);
      return image;
    };
    const QImage top = render();
    window.findChild<QScrollBar*>("ScrollBar1")->setValue(10);
    const QImage scrolled = render();
    // 10 positions move the table 100 pixels up.
    QCOMPARE(scrolled.copy(0, 0, 900, 500), top.copy(0, 100, 900, 500));
  }

  // In the main frame the table gets its 900 pixels wherever they fit, and no more than the
  // frame's area where they do not.
  void opensInTheFrameAtItsWidth_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("width");
    QTest::newRow("1024 x 768 screen") << QSize(1004, 600) << 900;
    QTest::newRow("1600 x 1000 screen") << QSize(1580, 830) << 900;
    QTest::newRow("narrower than the table") << QSize(700, 600) << -1;
  }
  void opensInTheFrameAtItsWidth() {
    QFETCH(QSize, area);
    QFETCH(int, width);
    AppRun run;
    QMdiArea frame;
    frame.resize(area);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CoordinateTablesWindow* window = CoordinateTablesWindow::Open(run.Ctx, &frame, 2024);
    QWidget* sub = window->parentWidget();
    if (width > 0) {
      QCOMPARE(window->width(), width);
    } else {
      QVERIFY(window->width() < 900);
    }
    QVERIFY(sub->geometry().right() < frame.viewport()->width());
    QCOMPARE(frame.subWindowList().size(), 1);
  }

  void keyTInALowWindowPrintsNothing() {
    QTemporaryDir dir;
    AppRun run(PathFromText(dir.path()));
    CoordinateTablesWindow window(run.Ctx, 2024);
    window.resize(900, 700);
    run.Dialogs.PrintFiles = {dir.filePath("okno.pdf")};
    QKeyEvent key(QEvent::KeyRelease, Qt::Key_T, Qt::NoModifier, "t");
    QApplication::sendEvent(&window, &key);
    QVERIFY(run.Dialogs.Asked.contains(QStringLiteral(
        "Okno je nizké - zvětšit jeho výšku+\r   Pokud nelze tisk se neprovede ! ")));
    QVERIFY(!QFile::exists(dir.filePath("okno.pdf")));
    window.resize(900, 1000);
    QVERIFY(window.PrintWindowPicture());
    QVERIFY(QFile::exists(dir.filePath("okno.pdf")));
  }
};

QTEST_MAIN(CoordinateTablesWindowTest)
#include "coordinate_tables_window_test.moc"
