// SPDX-License-Identifier: GPL-3.0-or-later
// The photographed-drawing window driven by the mouse on a real JPG: opening the picture,
// marking centre and north, clicking groups with an auxiliary spot and a measured area, outlining
// a facular field, and what reaches the current record.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <iterator>

#include "core/photo/photo_groups.h"
#include "core/solar/ephemeris.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "support/exif_bytes.h"
#include "support/photographed_drawing.h"
#include "ui/entry/record_editor.h"
#include "ui/photo/photo_canvas.h"
#include "ui/photo/photo_drawing_window.h"
#include "ui/shell/picture_files.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

struct DrawnGroup {
  const char* Type;
  int Angle10;
  int Distance10;
};
const DrawnGroup kDrawn[] = {{"Dkc", 450, 600}, {"Cso", 2300, 900}};
const CalendarDate kDay{2014, 5, 20};

// A program folder with one drawing of kDay (no groups yet) and the photograph of that day's
// paper drawing with the two groups of kDrawn.
struct Fixture {
  QTemporaryDir dir;
  AppRun run{PathFromText(dir.path())};
  PhotographedDrawing shot;
  QImage photo;
  QString photoFile;

  Fixture() {
    ObservationRecord paper = DatedRecord(kDay);
    paper.SetGroupCount(2);
    for (int k = 1; k <= 2; ++k) {
      paper.SetGroupType(k, kDrawn[k - 1].Type);
      paper.SetAngle10(k, static_cast<std::uint16_t>(kDrawn[k - 1].Angle10));
      paper.SetDistance10(k, static_cast<std::uint16_t>(kDrawn[k - 1].Distance10));
      paper.SetArea(k, 300);
    }
    photoFile = dir.filePath("zakres.jpg");
    if (!PhotographDrawing(paper, PathFromText(photoFile), shot)) qFatal("no photograph");
    photo = std::get<QImage>(ReadJpegFile(PathFromText(photoFile)));
    run.Db = DatabaseOf({DatedRecord(kDay)});
    run.Db.ChooseRecord(1);
  }

  // The group circle's centre as the user would click it.
  QPoint GroupPixel(int k) const {
    const QPointF found =
        GreyCentroid(photo, DrawnPixel(shot, kDrawn[k - 1].Angle10, kDrawn[k - 1].Distance10), 12);
    return {static_cast<int>(std::lround(found.x())), static_cast<int>(std::lround(found.y()))};
  }
};

template <class T>
T* Child(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  if (child == nullptr) qFatal("no %s", name);
  return child;
}

void Click(PhotoDrawingWindow& window, QPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
  PhotoCanvas* canvas = window.Canvas();
  QTest::mouseClick(canvas, button, Qt::NoModifier, canvas->ViewPoint(pixel));
}

void OpenAndCalibrate(Fixture& f, PhotoDrawingWindow& window) {
  window.resize(1400, 900);
  window.show();
  f.run.Dialogs.FileNames = {f.photoFile};
  Child<QToolButton>(window, "Otevrit")->click();
  Child<QToolButton>(window, "paramskvr")->click();
  Child<QPushButton>(window, "stredsk")->click();
  Click(window, QPoint(f.shot.Centre, f.shot.Centre));
  Child<QPushButton>(window, "seversk")->click();
  Click(window, f.shot.North);
}

void SetCell(PhotoDrawingWindow& window, int column, const QString& text) {
  Child<QTableWidget>(window, "jinak")->item(0, column - 1)->setText(text);
}
QString Cell(PhotoDrawingWindow& window, int column) {
  return Child<QTableWidget>(window, "jinak")->item(0, column - 1)->text();
}

// The pointer moved over the picture without a button.
void Move(PhotoDrawingWindow& window, QPoint pixel) {
  PhotoCanvas* canvas = window.Canvas();
  const QPointF at(canvas->ViewPoint(pixel));
  QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
}

// A right-button stroke on the area window's canvas.
void PaintStroke(QWidget* canvas, QPoint from, int length) {
  QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, from);
  for (int dx = 1; dx <= length; ++dx) {
    const QPointF at(from + QPoint(dx, 0));
    QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
  }
  QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, from + QPoint(length, 0));
}

int AngleError10(int a, int b) {
  const int d = std::abs(a - b) % 3600;
  return std::min(d, 3600 - d);
}

}  // namespace

class PhotoDrawingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void groupsAndAFaculaReachTheRecord() {
    Fixture f;
    PhotoDrawingWindow window(f.run.Ctx);
    QSignalSpy changes(&f.run.Ctx.Events, &DataEvents::DataChanged);
    OpenAndCalibrate(f, window);
    QCOMPARE(window.LoadedPicture().size(), QSize(1600, 1360));
    QCOMPARE(Child<QLabel>(window, "Label10")->text(), QString("Zápis do zákresu 20.05.2014"));
    QCOMPARE(Child<QLabel>(window, "Label4")->text(), QString("x=%1   y=%1").arg(f.shot.Centre));
    QCOMPARE(window.Calibration().Radius, f.shot.Centre - f.shot.North.y());
    QVERIFY(Child<QLabel>(window, "Label5")->text() != "000000");

    // Sequence 5: the Dkc group, its first auxiliary spot and its measured area.
    Child<QSpinBox>(window, "SpinEdit2")->setValue(5);
    SetCell(window, kColType, "dkc");
    SetCell(window, kColSpots, "7");
    SetCell(window, kColRotationGroupNumber, "11");
    Child<QTableWidget>(window, "jinak")->setCurrentCell(0, kColAngle - 1);
    Click(window, f.GroupPixel(1));
    QVERIFY(!Cell(window, kColAngle).isEmpty());
    QVERIFY(!Cell(window, kColDistance).isEmpty());
    const QPoint aux = DrawnPixel(f.shot, 500, 550);
    // "1V" of the point choice: the next click is the first auxiliary spot.
    for (QRadioButton* item : Child<QWidget>(window, "jaka")->findChildren<QRadioButton*>())
      if (item->text() == "1V") item->click();
    QCOMPARE(Child<QTableWidget>(window, "jinak")->currentColumn(), kColAux1Angle - 1);
    Click(window, aux);
    QVERIFY(!Cell(window, kColAux1Angle).isEmpty());
    Child<QTableWidget>(window, "jinak")->setCurrentCell(0, kColArea - 1);
    Child<QPushButton>(window, "merplochy")->click();
    QVERIFY(window.Area() != nullptr);
    QVERIFY(!Child<QPushButton>(window, "zapskvrnu")->isEnabled());
    // A click on the picture while measuring moves no point.
    const QString angleBefore = Cell(window, kColAngle);
    Click(window, aux);
    QCOMPARE(Cell(window, kColAngle), angleBefore);
    PaintStroke(window.Area()->Canvas(), QPoint(380, 380), 40);
    window.Area()->Finish();
    QVERIFY(Cell(window, kColArea).toDouble() > 0);
    QVERIFY(Child<QPushButton>(window, "zapskvrnu")->isEnabled());
    Child<QPushButton>(window, "zapskvrnu")->click();
    QCOMPARE(Child<QPushButton>(window, "zapskvrnu")->text(), QString("Zapsano"));

    // Sequence 2: the Cso group; a lower sequence number, so it is stored first.
    Child<QSpinBox>(window, "SpinEdit2")->setValue(2);
    QVERIFY(Cell(window, kColType).isEmpty());
    SetCell(window, kColType, "Cso");
    SetCell(window, kColRotationGroupNumber, "12");
    Child<QTableWidget>(window, "jinak")->setCurrentCell(0, kColAngle - 1);
    Click(window, f.GroupPixel(2));
    Child<QPushButton>(window, "zapskvrnu")->click();
    QCOMPARE(window.Pending().size(), std::size_t{2});
    QCOMPARE(changes.count(), 0);  // nothing reaches the record before the end

    QVERIFY2(f.run.Msg.ShownMessages.isEmpty(), qPrintable(f.run.Msg.ShownMessages.join("|")));
    Child<QPushButton>(window, "konskvr")->click();
    const ObservationRecord& stored = f.run.Db.Record(1);
    QCOMPARE(stored.GroupCount(), 2);
    QCOMPARE(QString::fromStdString(stored.GroupType(1)), QString("Cso"));
    QCOMPARE(QString::fromStdString(stored.GroupType(2)), QString("Dkc"));
    QVERIFY2(AngleError10(stored.Angle10(1), kDrawn[1].Angle10) <= 10,
             qPrintable(QString::number(stored.Angle10(1))));
    QVERIFY(std::abs(stored.Distance10(1) - kDrawn[1].Distance10) <= 10);
    QVERIFY(AngleError10(stored.Angle10(2), kDrawn[0].Angle10) <= 10);
    QVERIFY(std::abs(stored.Distance10(2) - kDrawn[0].Distance10) <= 10);
    QCOMPARE(stored.SpotCount(2), 7);
    QVERIFY(stored.Area(2) > 0);
    // Whole degrees and millimetres of the auxiliary spot (truncated, so a pixel may lose one).
    QVERIFY(std::abs(stored.Aux1Position(2) / 128 - 50) <= 1);
    QVERIFY(std::abs(stored.Aux1Position(2) % 128 - 55) <= 1);
    QCOMPARE(f.run.Db.WorkRecord, stored);
    QVERIFY(f.run.Db.DataChanged);
    QCOMPARE(changes.count(), 1);
    QVERIFY(!Child<QWidget>(window, "boxsk")->isVisible());

    // A facular field of three vertices around 90 degrees, 100 mm out.
    Child<QToolButton>(window, "param")->click();
    Child<QSpinBox>(window, "SpinEdit1")->setValue(1);
    Click(window, DrawnPixel(f.shot, 880, 1000), Qt::RightButton);
    QCOMPARE(Child<QLabel>(window, "Label8")->text(), QString("1  č.bodu"));
    Click(window, DrawnPixel(f.shot, 920, 1000));
    Click(window, DrawnPixel(f.shot, 900, 1050));
    QCOMPARE(Child<QLabel>(window, "Label8")->text(), QString("3  č.bodu"));
    QCOMPARE(Child<QTableWidget>(window, "tabxy")->item(2, 0)->text(), QString("3"));
    Child<QPushButton>(window, "konec")->click();
    const ObservationRecord& withFacula = f.run.Db.Record(1);
    QCOMPARE(withFacula.FacularCount(), 1);
    for (int v = 1; v <= 3; ++v) {
      const int word = withFacula.FaculaVertex(1, v);
      QVERIFY2(std::abs(word / 128 - (v == 1   ? 88
                                      : v == 2 ? 92
                                               : 90)) <= 1,
               qPrintable(QString::number(word)));
      QVERIFY(std::abs(word % 128 - (v == 3 ? 105 : 100)) <= 1);
    }
    QCOMPARE(int(withFacula.FaculaVertex(1, 4)), 0);
    // The groups stored before are still there.
    QCOMPARE(withFacula.GroupCount(), 2);
    QCOMPARE(QString::fromStdString(withFacula.GroupType(2)), QString("Dkc"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(Child<QSpinBox>(window, "SpinEdit1")->value(), 1);
  }

  void aPhotoOfAnotherDayAsksBeforeItsGroupsAreStored_data() {
    QTest::addColumn<QString>("taken");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("answer");
    QTest::newRow("the day before, kept out") << "2014:05:19 09:12:00" << true << false;
    QTest::newRow("the day before, stored at the observer's word")
        << "2014:05:19 09:12:00" << true << true;
    QTest::newRow("the drawing's own day") << "2014:05:20 09:12:00" << false << false;
  }

  void aPhotoOfAnotherDayAsksBeforeItsGroupsAreStored() {
    QFETCH(QString, taken);
    QFETCH(bool, asked);
    QFETCH(bool, answer);
    Fixture f;
    {
      // The camera's EXIF block, as the photo of the paper drawing carries it.
      const std::string path = f.photoFile.toStdString();
      std::ifstream in(path, std::ios::binary);
      const std::string jpeg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      in.close();
      std::ofstream(path, std::ios::binary | std::ios::trunc)
          << WithExif(jpeg, ExifBlock(true, taken.toStdString()));
    }
    PhotoDrawingWindow window(f.run.Ctx);
    OpenAndCalibrate(f, window);
    const ObservationRecord before = f.run.Db.Record(1);
    Child<QSpinBox>(window, "SpinEdit2")->setValue(3);
    SetCell(window, kColType, "Cso");
    SetCell(window, kColSpots, "3");
    SetCell(window, kColRotationGroupNumber, "12");
    Child<QTableWidget>(window, "jinak")->setCurrentCell(0, kColAngle - 1);
    Click(window, f.GroupPixel(2));
    Child<QPushButton>(window, "zapskvrnu")->click();
    QCOMPARE(window.Pending().size(), std::size_t{1});
    QVERIFY2(f.run.Msg.ShownMessages.isEmpty(), qPrintable(f.run.Msg.ShownMessages.join("|")));
    f.run.Msg.Choices = {answer};
    Child<QPushButton>(window, "konskvr")->click();
    QCOMPARE(f.run.Msg.Questions.size(), asked ? 1 : 0);
    if (asked) {
      QVERIFY(f.run.Msg.Questions[0].contains("19.05.2014"));
      QVERIFY(f.run.Msg.Questions[0].contains("20.05.2014"));
    }
    const bool stored = !asked || answer;
    QCOMPARE(f.run.Db.Record(1) == before, !stored);
    if (stored) QCOMPARE(f.run.Db.Record(1).GroupCount(), 1);
  }

  void refusalsLeaveTheRecordAlone() {
    Fixture f;
    PhotoDrawingWindow window(f.run.Ctx);
    window.resize(1400, 900);
    // Not a JPG: one message, nothing opened.
    QFile text(f.dir.filePath("poznamka.jpg"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    QVERIFY(!window.OpenPicture(PathFromText(text.fileName())));
    QCOMPARE(f.run.Msg.ShownMessages.size(), 1);
    QVERIFY(window.LoadedPicture().isNull());

    OpenAndCalibrate(f, window);
    f.run.Msg.ShownMessages.clear();
    Child<QPushButton>(window, "stredsk")->click();
    QCOMPARE(f.run.Msg.ShownMessages,
             QStringList({" Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány."}));

    // A point outside the disk is refused and no cell is written.
    f.run.Msg.ShownMessages.clear();
    Click(window, QPoint(5, 5));
    QCOMPARE(f.run.Msg.ShownMessages, QStringList({kSpotBeyondRadiusMessage}));
    QVERIFY(Cell(window, kColAngle).isEmpty());

    // An unlisted type and a missing group number.
    Click(window, f.GroupPixel(1));
    SetCell(window, kColType, "Qxx");
    Child<QPushButton>(window, "zapskvrnu")->click();
    SetCell(window, kColType, "Dkc");
    Child<QPushButton>(window, "zapskvrnu")->click();
    QCOMPARE(f.run.Msg.ShownMessages.mid(1),
             QStringList({kWrongGroupTypeMessage, kMissingTypeOrNumberMessage}));
    QVERIFY(window.Pending().empty());

    // Ending with nothing written keeps the drawing's groups.
    f.run.Db.Record(1).SetGroupCount(1);
    f.run.Db.Record(1).SetGroupType(1, "Axx");
    const ObservationRecord before = f.run.Db.Record(1);
    Child<QPushButton>(window, "konskvr")->click();
    QCOMPARE(f.run.Db.Record(1), before);
    QVERIFY(!f.run.Db.DataChanged);

    // Area without a position; a seventh facular vertex; ending faculae with no outline.
    f.run.Msg.ShownMessages.clear();
    Child<QSpinBox>(window, "SpinEdit2")->setValue(3);
    Child<QTableWidget>(window, "jinak")->setCurrentCell(0, kColAux2Area - 1);
    Child<QPushButton>(window, "merplochy")->click();
    QVERIFY(window.Area() == nullptr);
    QCOMPARE(f.run.Msg.ShownMessages.size(), 1);
    Child<QToolButton>(window, "param")->click();
    Child<QPushButton>(window, "konec")->click();
    QCOMPARE(f.run.Db.Record(1), before);
    Click(window, DrawnPixel(f.shot, 0, 500), Qt::RightButton);
    for (int v = 2; v <= 7; ++v) Click(window, DrawnPixel(f.shot, 100 * v, 500));
    QCOMPARE(Child<QLabel>(window, "Label8")->text(), QString("Max. 6 bodů"));
    QCOMPARE(f.run.Msg.ShownMessages.last(), QString("Max. 6 bodů"));
    Child<QSpinBox>(window, "SpinEdit1")->setValue(41);
    QCOMPARE(Child<QSpinBox>(window, "SpinEdit1")->value(), 40);
    QCOMPARE(f.run.Msg.ShownMessages.last(), QString("Počet fakulí jen 40 !"));
  }

  void zoomBrightnessMagnifierAndTheSolarAxis() {
    Fixture f;
    PhotoDrawingWindow window(f.run.Ctx);
    window.resize(1400, 900);
    window.show();
    QVERIFY(window.OpenPicture(PathFromText(f.photoFile)));
    // Brightness changes what is shown, never the picture as loaded.
    const QColor loaded = window.LoadedPicture().pixelColor(5, 5);
    Child<QScrollBar>(window, "jas")->setValue(-100);
    QVERIFY(window.Canvas()->Picture().pixelColor(5, 5).red() < loaded.red() - 50);
    QCOMPARE(window.LoadedPicture().pixelColor(5, 5), loaded);

    // Enlarged twice: clicks still land on picture pixels.
    Child<QToolButton>(window, "vet")->click();
    Child<QToolButton>(window, "vet")->click();
    QCOMPARE(window.Canvas()->Zoom(), 12);
    QCOMPARE(window.Canvas()->width(), 1920);
    Child<QToolButton>(window, "param")->click();
    Child<QPushButton>(window, "stredovv")->click();
    QCOMPARE(Child<QPushButton>(window, "stredovv")->text(), QString("Vyber polohu středu"));
    // The magnifier follows the pointer with its aiming cross.
    QVERIFY(window.Magnifier() != nullptr && window.Magnifier()->isVisible());
    Move(window, QPoint(700, 700));
    QCOMPARE(window.Magnifier()->Region().size(), QSize(400, 400));
    QVERIFY(window.Magnifier()->CrossShown());
    Click(window, QPoint(f.shot.Centre, f.shot.Centre));
    QCOMPARE(window.Calibration().CentreX, f.shot.Centre);
    QCOMPARE(window.Calibration().CentreY, f.shot.Centre);
    QCOMPARE(Child<QPushButton>(window, "stredovv")->text(), QString("Střed"));

    // The axis point straight above the centre: north lies P degrees from it.
    Child<QPushButton>(window, "dennipf")->click();
    QCOMPARE(f.run.Msg.ShownMessages.last(), QString(kRecordFirstMessage));
    Click(window, f.shot.North);
    const SolarEphemeris eph = *RecordEphemeris(f.run.Db.Record(1));
    double expected = std::fmod(360.0 - eph.EphP, 360.0);
    QVERIFY2(std::abs(std::fmod(window.Calibration().Rotation + 360.0, 360.0) - expected) < 0.05,
             qPrintable(QString::number(window.Calibration().Rotation)));
    QVERIFY(!window.Magnifier() || !window.Magnifier()->isVisible());

    // The live read-out under the pointer.
    Move(window, f.shot.North);
    QVERIFY(Child<QLabel>(window, "Label1")->text().endsWith("°"));
    QCOMPARE(Child<QLabel>(window, "Label12")->text(), QString("125.0"));
  }

  void newDrawingOpensTheEditorForTheHeaderOnly() {
    Fixture f;
    PhotoDrawingWindow window(f.run.Ctx);
    bool editorSeen = false;
    bool faculaeShown = true;
    int flagWhileOpen = 0;
    QTimer::singleShot(0, [&] {
      auto* editor = qobject_cast<RecordEditor*>(QApplication::activeModalWidget());
      if (editor == nullptr) return;
      editorSeen = true;
      flagWhileOpen = f.run.View.PhotoEntryFlag;
      faculaeShown = editor->findChild<QWidget*>("tabulkafak")->isVisibleTo(editor);
      editor->reject();
    });
    Child<QToolButton>(window, "novyzakres")->click();
    QVERIFY(editorSeen);
    QCOMPARE(flagWhileOpen, 1);
    QVERIFY(!faculaeShown);  // the faculae come from the picture
    QCOMPARE(int(f.run.View.PhotoEntryFlag), 0);
  }
};

QTEST_MAIN(PhotoDrawingWindowTest)
#include "photo_drawing_window_test.moc"
