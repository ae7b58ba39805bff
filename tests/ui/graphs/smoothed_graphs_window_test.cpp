// SPDX-License-Identifier: GPL-3.0-or-later
// The smoothed-graphs window painted into images: the smoothed curve one row up for a constant
// index, no smoothed curve for less than 13 months, both hemispheres in their colours, the
// per-record asymmetry bars, saving all graphs and printing to a PDF file.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "core/graphs/smoothed_graph_layout.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "support/picture_checks.h"
#include "ui/graphs/smoothed_graphs_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// One drawing every 3 days from 1.1.2000 for `days` days with R north and south as given.
Database RDatabase(int days, int north, int south) {
  std::vector<ObservationRecord> records;
  const std::int64_t first = DaySerial(CalendarDate{2000, 1, 1});
  for (int d = 0; d < days; d += 3) {
    ObservationRecord r = DatedRecord(DateFromSerial(first + d));
    r.SetResultWord(kRelativeN, static_cast<std::uint16_t>(north));
    r.SetResultWord(kRelativeS, static_cast<std::uint16_t>(south));
    records.push_back(r);
  }
  return DatabaseOf(std::move(records));
}

// Radio flux lines from January 1982 to December 2003: the adjusted flux 150.0 in 2000 - 2001
// and 75.0 otherwise, the observed column empty.
SidcSeries FluxLines() {
  SidcSeries flux;
  for (int line = 0; line < 22 * 12; ++line) {
    const int year = 1982 + line / 12;
    const int adjusted = year == 2000 || year == 2001 ? 1500 : 750;
    for (const int v : {0, adjusted, 800}) flux.Values.push_back(static_cast<std::uint16_t>(v));
  }
  flux.LineCount = 22 * 12;
  return flux;
}

// Right of the value axis (and its labels).
int CountRightOfAxis(const QImage& image, int y, const QColor& colour) {
  return CountInRow(image, y, colour, kSmoothedLeft + 4);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  PaintCounter(QWidget* widget, int& paints) : m_paints(paints) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++m_paints;
    return false;
  }

 private:
  int& m_paints;
};

}  // namespace

class SmoothedGraphsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // R = 40 is one grid row of the smoothed R graph (unit 40): the smoothed curve lies on it.
  void constantIndexSmoothsOntoItsRow() {
    AppRun app;
    app.Db = RDatabase(2 * 365, 30, 10);
    app.View.SmoothCompression = 4;
    SmoothedGraphsWindow window(app.Ctx);
    window.SelectIndex(SmoothedIndex::R);
    const QImage image = PaintCanvas(window, QSize(800, 440));
    const SmoothedLayout layout = SmoothedLayoutFor(440, 4);
    const int row = layout.GridY(1);
    QVERIFY(CountRightOfAxis(image, row, kBlack) + CountRightOfAxis(image, row - 1, kBlack) >
            8 * layout.MonthWidth);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Relativní číslo   celkový"));
  }

  void northAndSouthTogether() {
    AppRun app;
    app.Db = RDatabase(3 * 365, 40, 80);
    app.View.SmoothCompression = 8;
    SmoothedGraphsWindow window(app.Ctx);
    window.SelectIndex(SmoothedIndex::R);
    window.SelectView(SmoothedView::Both);
    const QImage image = PaintCanvas(window, QSize(800, 440));
    const SmoothedLayout layout = SmoothedLayoutFor(440, 8);
    QVERIFY(CountRightOfAxis(image, layout.GridY(1), kRed) +
                CountRightOfAxis(image, layout.GridY(1) - 1, kRed) >
            20);
    QVERIFY(CountRightOfAxis(image, layout.GridY(2), kBlue) +
                CountRightOfAxis(image, layout.GridY(2) - 1, kBlue) >
            20);
  }

  void lessThanThirteenMonthsHasNoSmoothedCurve_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("smoothed");
    QTest::newRow("twelve months") << 364 << false;
    QTest::newRow("thirteen months") << 395 << true;
  }
  void lessThanThirteenMonthsHasNoSmoothedCurve() {
    QFETCH(int, days);
    QFETCH(bool, smoothed);
    AppRun app;
    app.Db = RDatabase(days, 100, 100);
    SmoothedGraphsWindow window(app.Ctx);
    window.SelectIndex(SmoothedIndex::R);
    const QImage image = PaintCanvas(window, QSize(600, 440));
    // 200 is five rows of 40: the smoothed curve, when there is one, runs along that row.
    const int row = SmoothedLayoutFor(440, 1).GridY(5);
    QCOMPARE(CountRightOfAxis(image, row, kBlack) + CountRightOfAxis(image, row - 1, kBlack) > 0,
             smoothed);
  }

  void perRecordAsymmetryBars() {
    AppRun app;
    app.Db = RDatabase(200, 30, 10);  // ratio 50 %: two and a half rows up
    app.View.SmoothedGraphMode = 1;
    app.View.AsymmetryKind = 0;
    SmoothedGraphsWindow window(app.Ctx);
    window.SelectIndex(SmoothedIndex::R);
    const QImage image = PaintCanvas(window, QSize(800, 600));
    const AsymmetryLayout layout = AsymmetryLayoutFor(600, 1);
    const int top = layout.ZeroY - layout.BarHeight(50, kRatioUnit);
    const int x = layout.DayX(window.Picture().Records.Day[10]);
    QCOMPARE(image.pixel(x, top + 2), kBlack);
    QCOMPARE(image.pixel(x, layout.ZeroY - 2), kBlack);
    QVERIFY(image.pixel(x, top - 3) != kBlack);
    QCOMPARE(window.windowTitle(),
             QString::fromUtf8(" Asymetrie  sever-jih   graf  -  Relativní číslo"));
    window.SelectKind(AsymmetryKind::Difference);  // 20 with unit 40: half a row
    QCOMPARE(window.Picture().Records.Value[10], 20);
  }

  // Official numbers of 40 a day times the factor 2.0 (scroll bar at 100) lie two rows up.
  void brusselsCurveFollowsItsFactor() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("SIDC");
    QFile year(dir.filePath("SIDC/dssn2000.dat"));
    QVERIFY(year.open(QIODevice::WriteOnly));
    year.close();
    AppRun app(dir.path().toStdString());
    StartupInputs inputs;
    inputs.SidcDaily.DaysFilled = 3 * 365;
    inputs.SidcDaily.Cells.resize(3 * 3 * 365);
    for (int d = 0; d < inputs.SidcDaily.DaysFilled; ++d)
      inputs.SidcDaily.Cells[static_cast<std::size_t>(3 * d)] = 40;
    app.Ctx.Inputs = &inputs;
    app.Db = RDatabase(3 * 365, 5, 5);
    app.View.SmoothCompression = 4;
    SmoothedGraphsWindow window(app.Ctx);
    QVERIFY(!window.Action("BruselR")->isEnabled());
    window.SelectIndex(SmoothedIndex::R);
    QVERIFY(window.Action("BruselR")->isEnabled());
    window.ShowBrussels(true);
    window.SetBrusselsPosition(100);
    const QImage image = PaintCanvas(window, QSize(900, 440));
    const int row = SmoothedLayoutFor(440, 4).GridY(2);
    const QRgb green = qRgb(0, 150, 0);
    QVERIFY(CountRightOfAxis(image, row, green) + CountRightOfAxis(image, row - 1, green) > 100);
    window.SelectIndex(SmoothedIndex::G);
    QVERIFY(!window.Action("BruselR")->isChecked());
    QVERIFY(app.Msg.ShownMessages.isEmpty());
  }

  void stretchBoxRefusesBadSizes() {
    AppRun app;
    app.Db = RDatabase(100, 1, 1);
    SmoothedGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(600, 400));
    window.ShowStretchBox();
    window.findChild<QLineEdit*>("Edit1")->setText("abc");
    window.ApplyStretch();
    QCOMPARE(app.Msg.ShownMessages.size(), 1);
    QCOMPARE(window.Canvas()->size(), QSize(600, 400));
    window.findChild<QLineEdit*>("Edit1")->setText("700");
    window.findChild<QLineEdit*>("Edit2")->setText("450");
    window.ApplyStretch();
    QCoreApplication::processEvents();
    QCOMPARE(window.Canvas()->size(), QSize(700, 450));
  }

  void saveAllNamesEveryIndex_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sample");
    QTest::newRow("smoothed") << 0 << "Vyhl_Polo.jpg";
    QTest::newRow("asymmetry") << 1 << "Asy_Polo_Z_P.jpg";
  }
  void saveAllNamesEveryIndex() {
    QFETCH(int, mode);
    QFETCH(QString, sample);
    QTemporaryDir dir;
    AppRun app(dir.path().toStdString());
    app.Db = RDatabase(500, 20, 10);
    app.View.SmoothedGraphMode = mode;
    SmoothedGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(600, 400));
    window.SaveAll();
    const QStringList files =
        QDir(dir.filePath(QString::fromUtf8("Obrázek"))).entryList(QDir::Files);
    QCOMPARE(files.size(), 8);
    QVERIFY2(files.contains(sample), qPrintable(files.join(",")));
  }

  // Our constant R and the adjusted flux, high in 2000 and 2001, each up to its own highest value.
  void comparisonDrawsEachCurveUpToItsOwnTop() {
    AppRun app;
    StartupInputs inputs;
    inputs.RadioFlux = FluxLines();
    app.Ctx.Inputs = &inputs;
    app.Db = RDatabase(3 * 365, 30, 10);
    app.View.SmoothCompression = 4;
    SmoothedGraphsWindow window(app.Ctx);
    window.Action("porovnat")->trigger();
    QVERIFY(window.ComparisonBox()->isVisibleTo(&window));
    window.findChild<QCheckBox*>("CheckBox3")->setChecked(true);        // Relativní číslo
    window.findChild<QCheckBox*>("CheckBox11")->setChecked(true);       // Rádiový tok
    window.findChild<QRadioButton*>("RadioButton2")->setChecked(true);  // ADJ
    window.findChild<QPushButton*>("potvrdp")->click();
    QVERIFY(window.Comparing());
    QVERIFY(app.Msg.ShownMessages.isEmpty());
    QCOMPARE(window.Picture().Comparison->Curves.size(), std::size_t{2});
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Porovnání   vyhlazených  křivek"));
    window.ComparisonBox()->hide();  // clear of the picture
    const QImage image = PaintCanvas(window, QSize(900, 440));
    const SmoothedLayout layout = SmoothedLayoutFor(440, 4);
    const QRgb rColour = qRgb(220, 0, 0);
    const QRgb fluxColour = qRgb(200, 0, 120);
    // The constant R lies on the top line; the flux reaches it only in 2000 - 2001 and halves.
    const int top = layout.GridY(kSmoothedRows);
    QVERIFY(CountRightOfAxis(image, top, rColour) + CountRightOfAxis(image, top + 1, rColour) >
            8 * layout.MonthWidth);
    QVERIFY(CountRightOfAxis(image, top, fluxColour) +
                CountRightOfAxis(image, top + 1, fluxColour) >
            0);
    const int half = layout.ShareY(500);
    QVERIFY(CountRightOfAxis(image, half, fluxColour) +
                CountRightOfAxis(image, half - 1, fluxColour) >
            4 * layout.MonthWidth);

    // The observed column is empty: said, and only our curve is drawn.
    window.findChild<QRadioButton*>("RadioButton1")->setChecked(true);
    window.findChild<QPushButton*>("potvrdp")->click();
    QCOMPARE(app.Msg.ShownMessages,
             QStringList{QString::fromUtf8("Nejsou data pro rádiový tok (SIDC/tok-10cm.txt)")});
    QCOMPARE(window.Picture().Comparison->Curves.size(), std::size_t{1});

    // Choosing an index shows it again.
    window.SelectIndex(SmoothedIndex::G);
    QVERIFY(!window.Comparing());
    QVERIFY(!window.Action("porovnat")->isChecked());
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Počet skupin   celkový"));
  }

  void comparisonNeedsChosenCurvesAndTheSmoothedMode() {
    AppRun app;
    app.Db = RDatabase(500, 20, 10);
    SmoothedGraphsWindow window(app.Ctx);
    window.ConfirmComparison();
    QCOMPARE(app.Msg.ShownMessages, QStringList{QString::fromUtf8("Vyberte křivky k porovnání")});
    QVERIFY(!window.Comparing());
    // Without start-up inputs no official series is there.
    window.CompareSeries({ComparedSeries::BrusselsAreas}, FluxKind::Observed);
    QVERIFY(window.Comparing());
    QVERIFY(window.Picture().Comparison->Curves.empty());
    QCOMPARE(window.Picture().Comparison->WithoutData,
             std::vector<ComparedSeries>{ComparedSeries::BrusselsAreas});
    app.View.SmoothedGraphMode = 1;
    SmoothedGraphsWindow asymmetry(app.Ctx);
    QVERIFY(!asymmetry.Action("porovnat")->isEnabled());
    asymmetry.CompareSeries({ComparedSeries::R}, FluxKind::Observed);
    QVERIFY(!asymmetry.Comparing());
  }

  // "Tisknout do  roku" ends the printed picture with that year, from the graph's first year.
  void printingStopsAtTheYearTyped_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("smoothed") << 0;
    QTest::newRow("asymmetry") << 1;
  }
  void printingStopsAtTheYearTyped() {
    QFETCH(int, mode);
    AppRun app;
    app.Db = RDatabase(4 * 365, 20, 10);  // 2000 - 2003
    app.View.SmoothedGraphMode = mode;
    app.View.SmoothCompression = 2;
    SmoothedGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(500, 400));
    QCOMPARE(window.PrintYearEdit()->text(), QString("2003"));
    const std::optional<QImage> whole = window.PrintedPicture();
    QVERIFY(whole.has_value());
    QTest::keyClicks(window.PrintYearEdit(), "");
    window.PrintYearEdit()->clear();
    QTest::keyClicks(window.PrintYearEdit(), "2001");
    const std::optional<QImage> two = window.PrintedPicture();
    QVERIFY(two.has_value());
    QVERIFY2(whole->width() > 500, "the whole span, not only the part in view");
    QVERIFY(two->width() < whole->width());
    QCOMPARE(two->height(), 400);
    if (mode == 0) {
      QCOMPARE(two->width(), SmoothedYearLimitX(SmoothedLayoutFor(400, 2), 2000, 2001));
    } else {
      QCOMPARE(two->width(), AsymmetryYearLimitX(AsymmetryLayoutFor(400, 2), 2000, 1, 2001));
    }
    // A year typed by the user stays when the data change.
    window.ReloadData();
    QCOMPARE(window.PrintYearEdit()->text(), QString("2001"));
    for (const char* wrong : {"1999", "abc"}) {
      window.PrintYearEdit()->setText(wrong);
      QVERIFY(!window.PrintedPicture().has_value());
    }
    QCOMPARE(app.Msg.ShownMessages.size(), 2);
    QVERIFY(app.Msg.ShownMessages.front().startsWith(QString::fromUtf8("Tisknout do roku")));
  }

  // The panel's "><" and "<>" take effect at once: the scroll range follows the new width and the
  // graph is painted again without a click in it.
  void compressionButtonsTakeEffectAtOnce_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("more compressed") << "zmensit" << 2 << 4;
    QTest::newRow("less compressed") << "rozsirit" << 4 << 2;
  }
  void compressionButtonsTakeEffectAtOnce() {
    QFETCH(QString, button);
    QFETCH(int, from);
    QFETCH(int, to);
    QTemporaryDir dir;
    const Database db = RDatabase(30 * 365, 30, 10);  // wider than the window at either compression
    std::vector<ObservationRecord> records(db.Records.begin(), db.Records.begin() + db.RecordCount);
    records.front().SetRadiusWord(125);  // the folder's settings: no question at start-up
    MainFrame frame(dir.path().toStdString(), records);
    frame.Window.show();
    frame.View.SmoothCompression = from;
    frame.Window.Action("vyhlazovaci")->trigger();
    auto* window = frame.Window.findChild<SmoothedGraphsWindow*>("TForm8");
    QVERIFY(window != nullptr);
    QCoreApplication::processEvents();
    auto* scroll = window->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(scroll != nullptr);
    const int before = scroll->maximum();
    int paints = 0;
    PaintCounter counter(window->Canvas(), paints);
    frame.Button(button.toLatin1().constData())->click();
    QCOMPARE(frame.View.SmoothCompression, to);
    QVERIFY(before > 0);
    QVERIFY2(scroll->maximum() != before,
             qPrintable(QString("%1 -> %2").arg(before).arg(scroll->maximum())));
    QCoreApplication::processEvents();
    QVERIFY(paints > 0);
  }

  void printsIntoAPdf() {
    QTemporaryDir dir;
    AppRun app;
    app.Db = RDatabase(800, 20, 10);
    SmoothedGraphsWindow window(app.Ctx);
    PaintCanvas(window, QSize(700, 450));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath("vyhlazeny.pdf");
    printer.setOutputFileName(pdf);
    window.PrintTo(printer);
    QVERIFY(QFileInfo(pdf).size() > 1000);
  }
};

QTEST_MAIN(SmoothedGraphsWindowTest)
#include "smoothed_graphs_window_test.moc"
