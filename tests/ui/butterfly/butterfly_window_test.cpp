// SPDX-License-Identifier: GPL-3.0-or-later
// The butterfly diagram as the user sees it: pictures rendered from generated drawings (one mark
// per group and rotation, unnumbered groups, faculae, the supplementary data and the corona, the
// mean curve), the drag, the switches and their captions, printing into a PDF file, and the
// window opened from the main window with its toolbar panel.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "core/data/data_file.h"
#include "core/groups/group_records.h"
#include "core/text/number_format.h"
#include "support/app_run.h"
#include "support/main_frame.h"
#include "support/picture_checks.h"
#include "ui/butterfly/butterfly_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"
#include "ui/shell/window_image.h"

using namespace ardeno;
using test::CountColour;
using test::Drawing;

namespace {

constexpr QSize kClient(1200, 700);
constexpr int kEquator = 350;
const QColor kBlack(Qt::black);

struct Diagram {
  explicit Diagram(const std::vector<ObservationRecord>& records,
                   const std::filesystem::path& dir = {})
      : run(dir) {
    run.Db = test::DatabaseOf(records);
    run.Db.CurrentIndex = 1;
    run.Ctx.Inputs = &inputs;
    window = std::make_unique<ButterflyWindow>(run.Ctx);
  }
  QImage Render() {
    QImage image(kClient, QImage::Format_RGB32);
    QPainter painter(&image);
    window->PaintDiagram(painter, kClient);
    return image;
  }
  // x of rotation r at the window's T, S 0 and the start rotation of the last paint.
  int X(int rotation) const { return RotationX(window->Scene().Scale, rotation); }
  test::AppRun run;
  StartupInputs inputs;
  std::unique_ptr<ButterflyWindow> window;
};

// Pixel latitude of a group sighting at H = 3.
int Pixel(const ObservationRecord& record, int k) {
  const SolarEphemeris eph = *RecordEphemeris(record);
  return static_cast<int>(
      Trunc(3 * PolarToHeliographic(eph, record.Angle10(k), record.Distance10(k)).HelioLatitude));
}

std::uint16_t Vertex(int degrees, int millimetres) {
  return static_cast<std::uint16_t>(degrees * 128 + millimetres);
}

}  // namespace

class ButterflyWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void GroupSeenOnSeveralDaysIsOneMarkAtTheIntegerMean();
  void UnnumberedGroupsAndNumbersAbove70GiveNoMark();
  void FaculaWithFirstVertexZeroIsNotDrawn();
  void FaculaeWidthSwitchDrawsBars_data();
  void FaculaeWidthSwitchDrawsBars();
  void SupplementaryDataAndCoronaMoveTheStart();
  void MissingCoronaFolderIsSaidAndTheUnderlayStaysOff();
  void RotationWithoutNorthernGroupsLeavesAGapInTheMeanCurve();
  void MarksAtAndBeyondTheEdgesAreClipped();
  void ScrollsToTheNewestRotationOfA150YearDatabase();
  void SecondDragReplacesTheOffset();
  void SwitchesChangeTheirCaptionsAndLayers();
  void PrintsIntoPdf();
  void OpensFromTheMainWindowWithItsPanel();
};

void ButterflyWindowTest::GroupSeenOnSeveralDaysIsOneMarkAtTheIntegerMean() {
  const std::vector<ObservationRecord> records = {Drawing("10.05.2014", {{-20, 10.0, "Dso", 4}}),
                                                  Drawing("11.05.2014", {{-7, 11.0, "Dso", 4}}),
                                                  Drawing("12.05.2014", {{6, 12.5, "Dso", 4}})};
  Diagram d(records);
  const QImage image = d.Render();
  const int m = (Pixel(records[0], 1) + Pixel(records[1], 1) + Pixel(records[2], 1)) / 3;
  const int x = d.X(records[0].Rotation());
  QCOMPARE(d.window->Scene().Scale.StartRotation, records[0].Rotation() / 100 * 100);
  // The mark covers x..x+1 and the rows E-2-m .. E-m.
  QCOMPARE(CountColour(image, kBlack, QRect(x, kEquator - 2 - m, 2, 3)), 6);
  QCOMPARE(CountColour(image, kBlack, QRect(x, kEquator - 90 * 3, 2, 2 * 90 * 3)), 6);
  QVERIFY2(Pixel(records[0], 1) != m, "the first day's latitude is not the mean");
}

void ButterflyWindowTest::UnnumberedGroupsAndNumbersAbove70GiveNoMark() {
  Diagram d(
      {Drawing("10.05.2014", {{0, 10.0, "Dso", 0}, {5, 20.0, "Dso", 71}, {10, -15.0, "Axx", 70}})});
  const QImage image = d.Render();
  const int x = d.X(d.run.Db.Record(1).Rotation());
  const int south = Pixel(d.run.Db.Record(1), 3);
  QCOMPARE(CountColour(image, kBlack, QRect(x, kEquator - 270, 2, 540)), 6);
  QCOMPARE(CountColour(image, kBlack, QRect(x, kEquator - 2 - south, 2, 3)), 6);
}

void ButterflyWindowTest::FaculaWithFirstVertexZeroIsNotDrawn() {
  ObservationRecord record = Drawing("10.05.2014");
  record.SetFacularCount(1);
  record.SetFaculaVertex(1, 1, 0);
  record.SetFaculaVertex(1, 2, Vertex(30, 60));
  record.SetFaculaVertex(1, 3, Vertex(35, 70));
  Diagram d({record});
  d.window->fakulemotClick();
  const QColor red(255, 10, 10);
  QCOMPARE(CountColour(d.Render(), red, QRect(QPoint(0, 0), kClient)), 0);
  // The same field with its first corner: drawn once the data change is announced.
  d.run.Db.Record(1).SetFaculaVertex(1, 1, Vertex(25, 50));
  d.run.Ctx.Events.NotifyRecordsChanged();
  QVERIFY(CountColour(d.Render(), red, QRect(QPoint(0, 0), kClient)) > 0);
}

void ButterflyWindowTest::FaculaeWidthSwitchDrawsBars_data() {
  QTest::addColumn<int>("timeFactor");
  QTest::newRow("T 4") << 4;
  QTest::newRow("T 8") << 8;
  QTest::newRow("T 16") << 16;
}

// "Šíř" turns each facular field's line into a bar about T wide.
void ButterflyWindowTest::FaculaeWidthSwitchDrawsBars() {
  QFETCH(int, timeFactor);
  ObservationRecord record = Drawing("10.05.2014");
  record.SetFacularCount(1);
  record.SetFaculaVertex(1, 1, Vertex(25, 50));
  record.SetFaculaVertex(1, 2, Vertex(35, 70));
  Diagram d({record});
  d.window->fakulemotClick();
  d.run.View.ButterflyTimeFactor = static_cast<std::uint16_t>(timeFactor);
  const QColor red(255, 10, 10);
  d.run.View.FaculaeWidthFlag = 0;
  const int line = CountColour(d.Render(), red);
  QVERIFY(line > 0);
  d.run.View.FaculaeWidthFlag = 1;
  const int bar = CountColour(d.Render(), red);
  // At least three columns wide where the line is one.
  QVERIFY2(bar > 2 * line, qPrintable(QString("%1 %2").arg(line).arg(bar)));
  d.run.View.FaculaeWidthFlag = 0;
  QCOMPARE(CountColour(d.Render(), red), line);
}

void ButterflyWindowTest::SupplementaryDataAndCoronaMoveTheStart() {
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir("KoronaX"));
  Diagram d({Drawing("10.05.2014", {{0, 10.0, "Dso", 1}})}, dir.path().toStdString());
  // Rotation 1266: a spot at +20 degrees.
  d.inputs.Supplementary.Bytes[0] = 148;
  d.inputs.Supplementary.Bytes[1] = 255;
  // 60 days of corona, brightest at the north pole.
  d.inputs.Corona.FolderFound = true;
  d.inputs.Corona.CoronaDays.assign(60 * kCoronaRowBytes, 0);
  for (int day = 0; day < 60; ++day) d.inputs.Corona.CoronaDays[day * kCoronaRowBytes + 6] = 100;
  d.inputs.Corona.CoronaByteCount = 60 * kCoronaRowBytes;
  d.window = std::make_unique<ButterflyWindow>(d.run.Ctx);
  QVERIFY(d.window->MenuAction("doplnkova")->isVisible());
  QVERIFY(d.window->MenuAction("vypnout")->isChecked());  // off at creation
  const QColor spot(60, 60, 60);
  QImage image = d.Render();
  QCOMPARE(d.window->Scene().Scale.StartRotation, 2100);
  // Inside the frame, away from the (antialiased) labels.
  const QRect plot(51, kEquator - 269, kClient.width() - 60, 538);
  QCOMPARE(CountColour(image, spot, plot), 0);

  d.window->MenuAction("vypnout")->trigger();
  QCOMPARE(d.window->MenuAction("vypnout")->text(), QString("Vypnout"));
  image = d.Render();
  QCOMPARE(d.window->Scene().Scale.StartRotation, 1200);
  QCOMPARE(CountColour(image, spot, QRect(66 + 50 - 1, kEquator - 62, 1, 4)), 4);

  d.window->koronapodClick();
  QCOMPARE(d.window->MenuAction("koronapod")->text(), QString("Podkreslit koronou"));
  image = d.Render();
  QCOMPARE(d.window->Scene().Scale.StartRotation, 1100);
  QCOMPARE(CountColour(image, spot, QRect(166 + 50 - 1, kEquator - 62, 1, 4)), 4);
  // The rows lie in rotations 1154 (from 1.1.1940), 1155 and, partly loaded, 1156: each column
  // the mean of its own loaded rows, the north-polar band grey 255 - 100; nothing before 1154.
  const QColor polar(155, 155, 155);
  for (const int rotation : {1154, 1155, 1156})
    QCOMPARE(image.pixelColor(rotation - 1100 + 50, kEquator - 86 * 3), polar);
  for (const int rotation : {1145, 1146, 1153, 1159})
    QVERIFY(image.pixelColor(rotation - 1100 + 50, kEquator - 86 * 3) != polar);
}

void ButterflyWindowTest::MissingCoronaFolderIsSaidAndTheUnderlayStaysOff() {
  QTemporaryDir dir;
  Diagram d({Drawing("10.05.2014", {{0, 10.0, "Dso", 1}})}, dir.path().toStdString());
  d.window->MenuAction("koronapod")->trigger();
  QCOMPARE(d.run.Msg.ShownMessages, QStringList{"Nejsou data pro koronu"});
  QVERIFY(!d.window->MenuAction("koronapod")->isChecked());
  QVERIFY(!d.window->Layers().Corona);
  d.Render();
  QCOMPARE(d.window->Scene().Scale.StartRotation, 2100);
}

void ButterflyWindowTest::RotationWithoutNorthernGroupsLeavesAGapInTheMeanCurve() {
  // Three rotations: north at 20 degrees, only a southern group, north at 20 again.
  Diagram d({Drawing("10.05.2014", {{0, 20.0, "Dso", 1}}),
             Drawing("07.06.2014", {{0, -20.0, "Dso", 1}}),
             Drawing("04.07.2014", {{0, 20.0, "Dso", 1}})});
  const int first = d.run.Db.Record(1).Rotation();
  QCOMPARE(d.run.Db.Record(3).Rotation(), first + 2);
  d.run.View.ButterflyTimeFactor = 8;
  d.window->vyskaskvrnClick();
  d.window->Podkreslit1Click();  // curves only
  const QImage image = d.Render();
  const QColor magenta(255, 0, 255);
  const int middle = d.X(first + 1);
  // No mean latitude in the middle rotation: the curve does not come down to the equator.
  QCOMPARE(CountColour(image, magenta, QRect(middle, kEquator - 1, 1, 3)), 0);
  QVERIFY(CountColour(image, magenta, QRect(d.X(first), kEquator - 61, 1, 3)) > 0);
  QCOMPARE(CountColour(image, kBlack, QRect(middle - 2, kEquator - 70, 5, 140)), 0);
}

// Two thousand rotations after the first drawing: the scroll bar reaches the newest mark at every
// time factor (the range the main window gives covers only a thousand rotations at T).
void ButterflyWindowTest::ScrollsToTheNewestRotationOfA150YearDatabase() {
  const std::vector<ObservationRecord> records = {Drawing("10.05.1874", {{0, 20.0, "Dso", 1}}),
                                                  Drawing("11.05.2023", {{0, -20.0, "Dso", 2}})};
  Diagram d(records);
  const QSize client = d.window->findChild<QWidget*>(QStringLiteral("butterflycanvas"))->size();
  for (const int t : {1, 2, 16}) {
    d.run.View.ButterflyTimeFactor = static_cast<std::uint16_t>(t);
    d.window->SetTimeScrollRange(t * 1000 + 1000);
    QScrollBar* bar = d.window->HorizontalBar();
    bar->setValue(bar->maximum());
    QImage image(client, QImage::Format_RGB32);
    QPainter painter(&image);
    d.window->PaintDiagram(painter, client);
    const int x = d.X(records[1].Rotation());
    QVERIFY2(x >= 0 && x + t < client.width(), qPrintable(QString::number(t)));
    const int m = Pixel(records[1], 1);
    QCOMPARE(CountColour(image, kBlack, QRect(x, client.height() / 2 - 2 - m, 1, 3)), 3);
  }
}

void ButterflyWindowTest::MarksAtAndBeyondTheEdgesAreClipped() {
  const std::vector<ObservationRecord> records = {Drawing("10.05.2014", {{0, 30.0, "Dso", 1}}),
                                                  Drawing("11.05.2014", {{0, -30.0, "Dso", 2}})};
  Diagram d(records);
  d.run.View.ButterflyTimeFactor = 16;
  d.run.View.ButterflyHeightScale = 9;
  const int x = (records[0].Rotation() - 2100) * 16 + 50;
  d.window->HorizontalBar()->setRange(-4000, 1 << 20);
  // The marks (9 pixels wide) just left of the picture, half in it, at its right edge.
  for (const int scroll : {x + 17, x + 10, x + 4, x - kClient.width() + 5}) {
    d.window->HorizontalBar()->setValue(scroll);
    const QImage image = d.Render();
    QCOMPARE(image.size(), kClient);
  }
  d.window->HorizontalBar()->setValue(x - 100);
  d.run.View.ButterflyHeightScale = 3;
  QCOMPARE(CountColour(d.Render(), kBlack, QRect(100, kEquator - 270, 9, 540)), 2 * 9 * 3);
}

void ButterflyWindowTest::SecondDragReplacesTheOffset() {
  Diagram d({Drawing("10.05.2014", {{0, 10.0, "Dso", 1}})});
  d.window->resize(900, 600);
  QWidget* canvas = d.window->Canvas();
  auto drag = [canvas](int from, int to) {
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(300, from));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, to), QPointF(300, to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(300, to));
  };
  drag(100, 140);
  QCOMPARE(d.window->DragLabel()->text(), QString("40"));
  QCOMPARE(d.window->VerticalOffset(), 40);
  drag(200, 230);
  QCOMPARE(d.window->VerticalOffset(), 30);
  d.Render();
  QCOMPARE(d.window->Scene().Scale.EquatorY, kEquator + 30);
}

void ButterflyWindowTest::SwitchesChangeTheirCaptionsAndLayers() {
  Diagram d({Drawing("10.05.2014", {{0, 10.0, "Dso", 1}})});
  QCOMPARE(d.window->windowTitle(), QString("Motýlek   Skvrny"));
  QCOMPARE(d.window->MenuAction("Podkreslit1")->text(), QString("Nepodkreslit"));
  d.window->MenuAction("Podkreslit1")->trigger();
  QVERIFY(!d.window->Layers().Observations);
  QCOMPARE(d.window->MenuAction("Podkreslit1")->text(), QString("Podkreslit"));
  d.Render();
  QVERIFY(d.window->Scene().Groups.empty());

  d.window->MenuAction("Celek1")->trigger();
  QCOMPARE(d.window->windowTitle(), QString("Motýlek   Skvrny a fakule"));
  QVERIFY(d.window->MenuAction("Celek1")->isChecked());
  QVERIFY(!d.window->MenuAction("skvrnymot")->isChecked());

  d.window->hraniceClick();
  d.window->vyskaskvrnClick();
  d.window->MenuAction("vse")->trigger();
  QVERIFY(d.window->Layers().All);
  QVERIFY(!d.window->Layers().Bounds && !d.window->Layers().MeanCurves);
  QVERIFY(!d.window->MenuAction("hranice")->isChecked());
  d.Render();
  QVERIFY(!d.window->Scene().Mean.North.empty());
  QVERIFY(!d.window->Scene().Smoothed.North.empty() || d.run.Db.RecordCount < 7);
  QCOMPARE(d.window->Scene().Bounds[0].size(), std::size_t(301));

  d.window->Stupnice1Click();
  d.Render();
  QCOMPARE(d.window->Scene().LeftEdgeLabels.size(), std::size_t(19));
  QCOMPARE(d.window->Scene().LeftEdgeLabels.front().X, 30);
  d.window->HorizontalBar()->setValue(100);
  d.Render();
  QVERIFY(d.window->Scene().LeftEdgeLabels.empty());
}

void ButterflyWindowTest::PrintsIntoPdf() {
  QTemporaryDir dir;
  Diagram d({Drawing("10.05.2014", {{0, 10.0, "Dso", 1}})});
  d.window->resize(900, 600);
  const QString pdf = dir.filePath("motylek.pdf");
  d.run.Dialogs.PrintFiles = {pdf};
  d.window->tiskmotClick();
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QVERIFY(bytes.size() > 1000);
  d.run.Dialogs.PrintFiles = {std::nullopt};
  d.window->tiskmotClick();  // cancelled: nothing is printed
  QVERIFY(d.run.Dialogs.PrintFiles.empty());
}

void ButterflyWindowTest::OpensFromTheMainWindowWithItsPanel() {
  QTemporaryDir dir;
  std::vector<ObservationRecord> records = {Drawing("10.05.2014", {{0, 10.0, "Dso", 1}}),
                                            Drawing("11.05.2014", {{10, 10.0, "Dso", 1}})};
  records[0].SetRadiusWord(125);  // no question at start-up
  test::MainFrame run(dir.path().toStdString(), records);
  MainWindow& frame = run.Window;
  frame.show();
  run.View.ButterflyTimeFactor = 4;  // a window opens at T = 1 and H = 3 whatever was before
  frame.Toolbar()->Button("motylekz")->click();
  ButterflyWindow* window = frame.Butterfly();
  QVERIFY(window != nullptr);
  QCOMPARE(run.View.ButterflyTimeFactor, std::uint16_t{1});
  QCOMPARE(frame.Toolbar()->VisiblePanel(), QString("promotylek"));
  QVERIFY(frame.Toolbar()->Button("skvrny")->isChecked());
  QVERIFY(frame.Toolbar()->Button("podkresleni")->isChecked());
  QCOMPARE(frame.Toolbar()->Button("podkresleni")->toolTip(), QString("Podkreslit (Ctrl+Shift+O)"));
  // Drawn: the picture has its own disabled, pointed-at and pressed states; not drawn: one.
  const auto glyphStates = [&] {
    const QIcon icon = frame.Toolbar()->Button("podkresleni")->icon();
    int states = 0;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
      states += icon.availableSizes(mode).isEmpty() ? 0 : 1;
    return states;
  };
  QCOMPARE(glyphStates(), 4);
  for (const char* name : {"skvrny", "fakule", "skvrfak", "vyskvrn", "vyskhlaz", "hranice", "vse",
                           "podkresleni", "podkreskorona"})
    QVERIFY2(frame.Toolbar()->Button(name)->isEnabled(), name);

  frame.Toolbar()->Button("fakule")->click();
  QCOMPARE(window->Mode(), ButterflyMode::Faculae);
  QVERIFY(!frame.Toolbar()->Button("sirfakule")->autoRaise());
  frame.Toolbar()->Button("sirfakule")->click();
  QCOMPARE(run.View.FaculaeWidthFlag, std::uint16_t{1});
  frame.Toolbar()->Button("podkresleni")->click();
  QCOMPARE(frame.Toolbar()->Button("podkresleni")->toolTip(),
           QString("Nepodkreslit (Ctrl+Shift+O)"));
  QCOMPARE(glyphStates(), 1);
  frame.Toolbar()->Button("vpravo")->click();
  QCOMPARE(run.View.ButterflyTimeFactor, std::uint16_t{2});
  QCOMPARE(window->HorizontalBar()->maximum(), std::max(0, 3000 - window->Canvas()->width()));
  frame.Toolbar()->Button("vetsi")->click();
  QCOMPARE(run.View.ButterflyHeightScale, 4);

  // F8 saves the picture as Motýlek.jpg after the question.
  run.Dialogs.Confirmations = {true};
  QTest::keyRelease(window, Qt::Key_F8);
  QVERIFY(std::filesystem::exists(WindowImagePath(run.Ctx.ProgDir, QStringLiteral("Motýlek"))));

  // Another child window becoming active closes the diagram.
  QMdiSubWindow* other = nullptr;
  for (QMdiSubWindow* sub : frame.MdiArea()->subWindowList())
    if (sub->widget() != window) other = sub;
  QVERIFY(other != nullptr);
  frame.MdiArea()->setActiveSubWindow(other);
  QTRY_VERIFY(frame.Butterfly() == nullptr);
  QCOMPARE(frame.Toolbar()->VisiblePanel(), QString("zakladni"));

  frame.Action("motylek1")->trigger();
  QVERIFY(frame.Butterfly() != nullptr);
  frame.Toolbar()->Button("SpeedButton12")->click();
  QTRY_VERIFY(frame.Butterfly() == nullptr);
  QCOMPARE(frame.Toolbar()->VisiblePanel(), QString("zakladni"));
}

QTEST_MAIN(ButterflyWindowTest)
#include "butterfly_window_test.moc"
