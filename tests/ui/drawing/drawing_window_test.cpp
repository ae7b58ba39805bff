// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window painted into images: disk, special records, orientation, mouse read-outs,
// facular area and lenses.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "core/drawing/facula_area.h"
#include "core/drawing/frame_texts.h"
#include "core/drawing/group_marks.h"
#include "core/quality/noaa_regions.h"
#include "core/shell/pad_blanks.h"
#include "core/text/number_format.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "support/picture_checks.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/drawing/drawing_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// 2004-03-05 with one group of class `type` at the centre-right and an auxiliary spot.
ObservationRecord GroupRecord(const char* type) {
  ObservationRecord r = DatedRecord({2004, 3, 5});
  r.SetGroupCount(1);
  r.SetGroupType(1, type);
  r.SetSpotCount(1, 5);
  r.SetAngle10(1, 900);
  r.SetDistance10(1, 300);
  r.SetArea(1, 400);
  r.SetAux1Position(1, 90 * 128 + 90);
  r.SetAux1Area(1, 50);
  return r;
}

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               QPoint at) {
  QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void ReleaseKey(QWidget* w, int key, const QString& text) {
  QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &event);
}

}  // namespace

class DrawingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void standardWindowDiskSpans26To463();
  void aFourDigitSumStaysApartFromItsLabel();
  void emptyDatabaseDrawsTheFrame();
  void specialRecordRedDiskWithoutGroupCircles();
  void westEastToggleSwapsTheLetters();
  void rightDragFromTheCentreReadsTheAngle();
  void clickOutsideTheDiskShowsNothing();
  void faculaTriangleStoresItsArea();
  void emptyWorkRecordIsReloadedWithFaculaeVisible();
  void lensShownUntilKeyV();
  void captionFollowsTheRecord();
  void valueColumnIsRightAligned();
  void fiveDigitGroupNumbersKeepApart_data();
  void fiveDigitGroupNumbersKeepApart();
  void keyNMarksNoaaRegionsFromTheKeptFolder();
};

void DrawingWindowTest::standardWindowDiskSpans26To463() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  QCOMPARE(window.View().Scale.DrawScale, 14);
  const QImage image = window.RenderImage(false);
  const int centre = 245;
  QCOMPARE(image.pixel(25, centre), kWhite);
  QVERIFY(image.pixel(26, centre) != kWhite);
  QVERIFY(image.pixel(463, centre) != kWhite);
  QCOMPARE(image.pixel(464, centre), kWhite);
  QVERIFY(image.pixel(centre, 463) != kWhite);
  QCOMPARE(image.pixel(centre, 464), kWhite);
  // Yellow on screen, white for pictures.
  QCOMPARE(image.pixel(100, 120), qRgb(255, 255, 180));
  QCOMPARE(window.RenderImage(true).pixel(100, 120), kWhite);
}

void DrawingWindowTest::emptyDatabaseDrawsTheFrame() {
  AppRun app;
  app.Db = ConsecutiveDays(0);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QImage image = window.RenderImage(false);
  QCOMPARE(image.pixel(100, 120), qRgb(255, 255, 180));
  QCOMPARE(app.Db.RecordCount, 0);
  QVERIFY(!app.Db.WorkRecord.HasDate());
  // A work record whose date does not parse is drawn as the bare frame too, not a crash.
  app.Db.WorkRecord.SetDate("31.02.2004");
  QCOMPARE(window.RenderImage(false).pixel(100, 120), qRgb(255, 255, 180));
  QCOMPARE(window.FaculaPixels(), 0);
}

void DrawingWindowTest::specialRecordRedDiskWithoutGroupCircles() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  app.Db.WorkRecord = GroupRecord("Dao");
  app.Db.WorkRecord.SetAux1Position(1, 0);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QRgb grey = qRgb(125, 125, 125);
  // The box of the group's circle on the screen.
  const DrawingScale& scale = window.View().Scale;
  const GroupCircle circle = ComputeGroupCircles(app.Db.WorkRecord, 1, 1)[0];
  const int r = ScaledCircleRadius(circle.R, scale);
  const QRect box(scale.S(circle.X), scale.S(circle.Y), 2 * r, 2 * r);
  QVERIFY(CountColour(window.RenderImage(false).copy(box), grey) > r * r);
  app.Db.WorkRecord.SetKind("zvl");
  const QImage special = window.RenderImage(false);
  QCOMPARE(special.pixel(100, 120), qRgb(255, 0, 0));
  QCOMPARE(CountColour(special.copy(box), grey), 0);
}

void DrawingWindowTest::westEastToggleSwapsTheLetters() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QImage before = window.RenderImage(false);
  window.ShowOrientation();
  QTest::mouseClick(window.WestEastButton(), Qt::LeftButton);
  QCOMPARE(window.WestEastButton()->text(), QString("V - Z"));
  QCOMPARE(window.View().MirrorX, -1);
  const QImage after = window.RenderImage(false);
  // Letter cells: left at reference (10, 270), right at (540, 270).
  const QRect left(8, 236, 16, 18);
  const QRect right(472, 236, 16, 18);
  QCOMPARE(after.copy(left), before.copy(right));  // "E" now on the left
  QCOMPARE(after.copy(right), before.copy(left));  // "W" now on the right
  QVERIFY(before.copy(left) != before.copy(right));
}

void DrawingWindowTest::rightDragFromTheCentreReadsTheAngle() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QPoint centre(245, 245);
  SendMouse(&window, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, centre);
  QCOMPARE(window.ReadoutLabel()->text(), QString("0.00"));
  SendMouse(&window, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, centre + QPoint(218, 0));
  QCOMPARE(window.ReadoutLabel()->text(), QString("85.25"));
  QVERIFY(!window.ReadoutLabel()->isHidden());
  SendMouse(&window, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton,
            centre + QPoint(218, 0));
  QVERIFY(window.ReadoutLabel()->isHidden());
}

void DrawingWindowTest::clickOutsideTheDiskShowsNothing() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  SendMouse(&window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(470, 245));
  QVERIFY(window.ReadoutLabel()->isHidden());
  SendMouse(&window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(245, 245));
  QVERIFY(!window.ReadoutLabel()->isHidden());
  QVERIFY(window.ReadoutLabel()->text().contains(" , "));
}

void DrawingWindowTest::faculaTriangleStoresItsArea() {
  AppRun app;
  app.Db = ConsecutiveDays(3);
  app.Db.Record(2).SetFacularCount(1);
  app.Db.Record(2).SetFaculaVertex(1, 1, 0 * 128 + 60);
  app.Db.Record(2).SetFaculaVertex(1, 2, 90 * 128 + 60);
  app.Db.Record(2).SetFaculaVertex(1, 3, 45 * 128 + 100);
  app.Db.Record(3).SetFaculaAreaText("17");
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  QList<DataChange> changes;
  connect(&app.Ctx.Events, &DataEvents::DataChanged, [&changes](DataChange c) { changes << c; });

  // No facular fields: the text stays as it was.
  window.ShowRecord(3);
  window.RenderImage(false);
  QCOMPARE(QString::fromStdString(app.Db.Record(3).FaculaAreaText()), QString("17"));
  QCOMPARE(changes, QList<DataChange>{DataChange::CurrentRecord});

  window.ShowRecord(2);
  const QImage image = window.RenderImage(false);
  QVERIFY(window.FaculaPixels() > 0);
  const int area = QString::fromStdString(app.Db.Record(2).FaculaAreaText()).toInt();
  QVERIFY(area > 0);
  QCOMPARE(area, static_cast<int>(FaculaAreaFromPixels(window.FaculaPixels())));
  QCOMPARE(changes, (QList<DataChange>{DataChange::CurrentRecord, DataChange::CurrentRecord,
                                       DataChange::FacularArea}));
  QVERIFY(CountColour(image, qRgb(255, 200, 200)) > 1000);
  // Painted again, the same area is not news.
  window.RenderImage(false);
  QCOMPARE(changes.size(), 3);
}

void DrawingWindowTest::emptyWorkRecordIsReloadedWithFaculaeVisible() {
  AppRun app;
  app.Db = ConsecutiveDays(2);
  app.Db.Record(2).SetFacularCount(1);
  app.Db.Record(2).SetFaculaVertex(1, 1, 0 * 128 + 60);
  app.Db.Record(2).SetFaculaVertex(1, 2, 90 * 128 + 60);
  app.Db.Record(2).SetFaculaVertex(1, 3, 45 * 128 + 100);
  app.Db.CurrentIndex = 2;
  app.Db.WorkRecord = ObservationRecord{};
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QImage first = window.RenderImage(false);
  QCOMPARE(app.Db.WorkRecord.DateRaw(), app.Db.Record(2).DateRaw());
  QCOMPARE(app.Db.WorkRecord.FacularCount(), 1);
  QVERIFY(CountColour(first, qRgb(255, 200, 200)) > 1000);
  // And on every later paint as well.
  QVERIFY(CountColour(window.RenderImage(false), qRgb(255, 200, 200)) > 1000);
}

void DrawingWindowTest::lensShownUntilKeyV() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  app.Db.WorkRecord = GroupRecord("Bxo");
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QRgb lightBlue = qRgb(160, 160, 255);
  QVERIFY(window.View().LensesShown);
  QVERIFY(CountColour(window.RenderImage(false), lightBlue) > 50);
  ReleaseKey(&window, Qt::Key_V, "v");
  QVERIFY(!window.View().LensesShown);
  QCOMPARE(CountColour(window.RenderImage(false), lightBlue), 0);
  ReleaseKey(&window, Qt::Key_Z, "Z");
  QVERIFY(CountColour(window.RenderImage(false), lightBlue) > 50);
  // A class other than B gets its own colour, not light blue.
  app.Db.WorkRecord = GroupRecord("Dao");
  QCOMPARE(CountColour(window.RenderImage(false), lightBlue), 0);
}

void DrawingWindowTest::captionFollowsTheRecord() {
  AppRun app;
  app.Db = ConsecutiveDays(3);
  DrawingWindow window(app.Ctx);
  window.ShowRecord(2);
  QCOMPARE(window.windowTitle(), QString::fromUtf8("Zákres    02.01.2000"));
  QCOMPARE(app.View.ImageName, window.windowTitle());
  QCOMPARE(app.Db.CurrentIndex, 2);
  // Kept for the whole run: a close request is refused until the program allows it.
  window.show();
  QVERIFY(!window.close());
  window.AllowClose();
  QVERIFY(window.close());
}

void DrawingWindowTest::valueColumnIsRightAligned() {
  AppRun app;
  app.Db = ConsecutiveDays(1);
  ObservationRecord& r = app.Db.Record(1);
  r.SetConditions(1);
  r.SetImageQuality(22);
  r.SetQualityQ(255);
  r.SetCentralGroups(12345);
  r.SetCentralSpots(7);
  app.Db.WorkRecord = r;
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QImage image = window.RenderImage(false);
  const DrawingScale& scale = window.View().Scale;
  // The right end of the ink of each value of the header column (x 678..728, rows of 18).
  QList<int> rightEdges;
  for (int row : {136, 154, 172, 262, 280}) {
    int right = -1;
    for (int y = scale.S(row); y < scale.S(row + 16); ++y)
      for (int x = scale.S(660); x < scale.S(745); ++x)
        if (qGray(image.pixel(x, y)) < 128) right = std::max(right, x);
    QVERIFY2(right >= 0, qPrintable(QString("no value in row %1").arg(row)));
    rightEdges << right;
  }
  for (int edge : rightEdges)
    QVERIFY2(std::abs(edge - rightEdges.first()) <= 1, qPrintable(QString::number(edge)));
}

void DrawingWindowTest::fiveDigitGroupNumbersKeepApart_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("standard window") << QSize(800, 680);
  QTest::newRow("large window") << QSize(1000, 850);
}

// NOAA region numbers in neighbouring columns of the group table stay apart.
void DrawingWindowTest::fiveDigitGroupNumbersKeepApart() {
  QFETCH(QSize, size);
  constexpr int kGroups = 4;
  ObservationRecord r = DatedRecord({2004, 3, 5});
  r.SetGroupCount(kGroups);
  for (int i = 1; i <= kGroups; ++i) {
    r.SetGroupType(i, "Dkc");
    r.SetGroupNumber(i, static_cast<std::uint16_t>(13455 + i));
    r.SetSpotCount(i, 5);
    r.SetAngle10(i, static_cast<std::uint16_t>(600 * i));
    r.SetDistance10(i, 300);
  }
  AppRun app;
  app.Db = DatabaseOf({r});
  app.Db.ChooseRecord(1);
  DrawingWindow window(app.Ctx);
  window.resize(size);
  const QImage image = window.RenderImage(false);
  const DrawingScale& scale = window.View().Scale;
  const int top = scale.S(kTableGroupNumberRow);
  const int bottom = scale.S(kTableRotationNumberRow);
  const int left = scale.S(GroupTableColumn(1)) - 1;
  const int right = scale.S(GroupTableColumn(kGroups + 1));
  QCOMPARE(InkRuns(image, top, bottom, 3, left, right), kGroups);
}

// At the scale of a 1024 x 768 screen a four-digit sum stays apart from its label: on the row of
// "Polokoule", blank columns lie between the label's ink and the value's.
void DrawingWindowTest::aFourDigitSumStaysApartFromItsLabel() {
  ObservationRecord record = OneGroupRecord({2014, 3, 5}, "Novák");
  record.SetArea(1, 2900);
  DrawingView view;
  view.Scale.DrawScale = 14;
  QImage picture(820, 620, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    PaintDrawing(painter, picture.width(), picture.height(), &record, view, 0);
  }
  if (qEnvironmentVariableIsSet("ARDENO_KEEP_PICTURE")) picture.save("/tmp/four-digit-sum.png");
  const DrawingScale& scale = view.Scale;
  constexpr int kHemisphereRow = 20;  // "Polokoule", the last label
  const int top = scale.S(ValueLabelY(kHemisphereRow));
  const auto inked = [&](int x) {
    for (int y = top; y < top + scale.S(16); ++y)
      if (qGray(picture.pixel(x, y)) < 128) return true;
    return false;
  };
  // The sum is drawn right-aligned in the bold serif face; the label's ink ends before it.
  QPainter measure(&picture);
  measure.setFont(DrawingFont(true, scale.F(12)));
  const int valueLeft = scale.S(kSumX + kResultWidth - kBlankWidth) -
                        measure.fontMetrics().horizontalAdvance(QStringLiteral("1582"));
  bool firstDigit = false;  // the measure finds the sum: its "1" has ink
  for (int x = valueLeft; x < valueLeft + measure.fontMetrics().horizontalAdvance('1'); ++x)
    firstDigit = firstDigit || inked(x);
  QVERIFY(firstDigit);
  for (int x = valueLeft - 3; x < valueLeft; ++x)
    QVERIFY2(!inked(x),
             qPrintable(QString("ink at %1, the sum starts at %2").arg(x).arg(valueLeft)));
}

QTEST_MAIN(DrawingWindowTest)
// Key N asks once for the folder of NOAA reports, keeps it in noaa.dat and marks the regions of
// the report valid within a day, rotated to the drawing's moment: a region at the central
// meridian near the disk centre, one on the far side left out; N again takes them off.
void DrawingWindowTest::keyNMarksNoaaRegionsFromTheKeptFolder() {
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString();
  const std::filesystem::path reports = folder / "srs";
  std::filesystem::create_directories(reports);
  std::ofstream(reports / "20140101SRS.txt")
      << ":Product: 0101SRS.txt\n:Issued: 2014 Jan 01 0030 UTC\n"
         "Joint USAF/NOAA Solar Region Summary\n"
         "SRS Number 1 Issued at 0030Z on 01 Jan 2014\n"
         "I.  Regions with Sunspots.  Locations Valid at 31/2400Z \n"
         "Nmbr Location  Lo  Area  Z   LL   NN Mag Type\n"
         "1937 N02W00   198  0010 Bxo  04   03 Beta\n"
         "1944 S10E95   100  0020 Hax  02   01 Alpha\n"
         "IA. H-alpha Plages without Spots.  Locations Valid at 31/2400Z Dec\n"
         "Nmbr  Location  Lo\nNone\n";
  AppRun app(folder);
  app.Db = ConsecutiveDays(1);
  app.Db.WorkRecord = DatedRecord({2014, 1, 1});
  app.Db.WorkRecord.SetTimeUT(100);
  DrawingWindow window(app.Ctx);
  window.resize(800, 680);
  const QRgb green = qRgb(0, 130, 0);
  QCOMPARE(CountColour(window.RenderImage(false), green), 0);
  app.Dialogs.FileNames = {QString::fromStdString(reports.string())};
  ReleaseKey(&window, Qt::Key_N, "n");
  QVERIFY(window.NoaaRegionsShown());
  QCOMPARE(ReadNoaaFolder(folder), std::optional(reports));
  // The folder dialog opened in the data folder, not wherever the program was started.
  QCOMPARE(app.Dialogs.FolderStarts, QStringList{QString::fromStdString(folder.string())});
  const QImage image = window.RenderImage(false);
  QCOMPARE(window.NoaaMarks().size(), std::size_t{1});
  const RegionMark& mark = window.NoaaMarks().front();
  QCOMPARE(mark.Region, 11937);  // the reports give the last four digits
  // An hour after its place was measured, 2° north with B0 near -3°: about 5° above the centre.
  QVERIFY2(std::abs(mark.X - 280) <= 3 && mark.Y < 270 && mark.Y > 250,
           qPrintable(QString("%1,%2").arg(mark.X).arg(mark.Y)));
  QVERIFY(CountColour(image, green) > 20);
  ReleaseKey(&window, Qt::Key_N, "n");
  QCOMPARE(CountColour(window.RenderImage(false), green), 0);
  // The folder is kept: the next time nothing is asked.
  app.Dialogs.Asked.clear();
  ReleaseKey(&window, Qt::Key_N, "n");
  QVERIFY(window.NoaaRegionsShown());
  QVERIFY(app.Dialogs.Asked.isEmpty());
}

#include "drawing_window_test.moc"
