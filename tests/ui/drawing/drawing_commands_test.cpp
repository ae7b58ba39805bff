// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's commands: pictures of a range of drawings, printing into a PDF, the
// database commands (recompute, merge, equal dates), the compact toggle, the auxiliary-spot
// panel and the magnetosphere underlay.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "core/data/record_file.h"
#include "core/drawing/magneto_underlay.h"
#include "core/maps/magnetogram.h"
#include "core/publishing/picture_text.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/drawing/drawing_window.h"
#include "ui/shell/picture_files.h"

using namespace ardeno;
using ardeno::test::AppRun;

namespace {

void ReleaseKey(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = {}) {
  QKeyEvent event(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(w, &event);
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

int PdfPages(const QString& file) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = pdf.readAll();
  return static_cast<int>(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

// A run on a temporary folder with `count` drawings on consecutive days from 1.1.2000.
struct Fixture {
  QTemporaryDir dir;
  AppRun run{PathFromText(dir.path())};
  explicit Fixture(int count) { run.Db = test::ConsecutiveDays(count); }
};

}  // namespace

class DrawingCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void savesARangeAsBmpWithThePrefix() {
    Fixture f(10);
    DrawingWindow window(f.run.Ctx);
    window.resize(800, 680);
    window.ShowSaveRangeBox(DrawingImageFormat::Bmp);
    QVERIFY(!window.findChild<QLineEdit*>("Edit3")->isVisibleTo(&window));
    window.findChild<QSpinBox*>("SpinEdit1")->setValue(5);
    window.findChild<QSpinBox*>("SpinEdit2")->setValue(7);
    window.findChild<QLineEdit*>("Edit2")->setText("A");
    window.findChild<QPushButton*>("Button1")->click();
    QCOMPARE(FilesIn(f.dir.filePath("Obrázek")),
             QStringList({"A Zakres 2000-01-05.bmp", "A Zakres 2000-01-06.bmp",
                          "A Zakres 2000-01-07.bmp"}));
    // The large window saves compact pictures and is large again afterwards.
    const QImage image(f.dir.filePath("Obrázek/A Zakres 2000-01-06.bmp"));
    QCOMPARE(image.size(), QSize(612, 535));
    QCOMPARE(window.size(), QSize(800, 680));
    QVERIFY(!window.IsCompact());
    QCOMPARE(window.View().Scale.DrawScale, 16);
    // The work record is the current drawing again.
    QCOMPARE(f.run.Db.WorkRecord, f.run.Db.Record(10));
  }

  void savesJpgWithTheQualityAndRefusesABadOne() {
    Fixture f(3);
    DrawingWindow window(f.run.Ctx);
    window.ShowSaveRangeBox(DrawingImageFormat::Jpg);
    window.findChild<QSpinBox*>("SpinEdit1")->setValue(1);
    window.findChild<QLineEdit*>("Edit3")->setText("sto");
    QVERIFY(window.SaveRange().empty());
    QCOMPARE(f.run.Msg.ShownMessages.size(), 1);
    window.findChild<QLineEdit*>("Edit3")->setText("60");
    window.resize(800, 680);
    window.ToggleCompact();
    QCOMPARE(window.SaveRange().size(), std::size_t{3});
    QVERIFY(QFile::exists(f.dir.filePath("Obrázek/ 2000-01-02.jpg")));
    // The compact window saves large pictures and is compact again afterwards.
    QCOMPARE(QImage(f.dir.filePath("Obrázek/ 2000-01-02.jpg")).size(), QSize(800, 680));
    // Each picture says which drawing it shows.
    std::ifstream in(f.dir.filePath("Obrázek/ 2000-01-02.jpg").toStdString(), std::ios::binary);
    const auto read = DescribePicture(in);
    QVERIFY(std::holds_alternative<PictureDescription>(read));
    const PictureFacts& facts = std::get<PictureDescription>(read).Facts;
    QVERIFY(FactValue(facts, kFactDate) != nullptr);
    QCOMPARE(*FactValue(facts, kFactDate), std::string("02.01.2000"));
    QCOMPARE(*FactValue(facts, kFactView), std::string(kDrawingView));
    QVERIFY(FactValue(facts, kFactL0) != nullptr);
    QCOMPARE(window.size(), QSize(612, 535));
    QVERIFY(window.IsCompact());
  }

  void aFolderThatCannotBeWrittenGivesOneMessage() {
    Fixture f(5);
    // A file stands where the picture folder should be.
    QFile blocker(f.dir.filePath("Obrázek"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DrawingWindow window(f.run.Ctx);
    window.ShowSaveRangeBox(DrawingImageFormat::Bmp);
    window.findChild<QSpinBox*>("SpinEdit1")->setValue(1);
    QVERIFY(window.SaveRange().empty());
    QCOMPARE(f.run.Msg.ShownMessages, QStringList({"Nelze vytvořit složku Obrázek"}));
  }

  void f8SavesTheDrawingShownAfterTheConfirmation() {
    Fixture f(2);
    DrawingWindow window(f.run.Ctx);
    f.run.Dialogs.Confirmations = {false, true};
    QVERIFY(!window.SaveCurrentDrawing());
    ReleaseKey(&window, Qt::Key_F8, {});
    QVERIFY(f.run.Dialogs.Asked.contains("Uložit bitmapu zákresu"));
    QVERIFY(QFile::exists(f.dir.filePath("Obrázek/Zakres 2000-01-02.bmp")));
  }

  void printsSeveralDrawingsFromTheCurrentOne() {
    Fixture f(6);
    f.run.Db.ChooseRecord(3);
    DrawingWindow window(f.run.Ctx);
    window.ShowPrintBox();
    window.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    window.findChild<QLineEdit*>("Edit1")->setText("3");
    const QString pdf = f.dir.filePath("zakresy.pdf");
    f.run.Dialogs.PrintFiles = {pdf};
    window.findChild<QPushButton*>("Button4")->click();
    QCOMPARE(PdfPages(pdf), 3);
    QCOMPARE(f.run.Db.CurrentIndex, 3);
    QCOMPARE(f.run.Db.WorkRecord, f.run.Db.Record(3));
    // The count is cut at the last drawing.
    f.run.Db.ChooseRecord(5);
    const QString last = f.dir.filePath("posledni.pdf");
    f.run.Dialogs.PrintFiles = {last};
    QVERIFY(window.PrintDrawings());
    QCOMPARE(PdfPages(last), 2);
  }

  // "tiskzakres" prints again with the count last given to the box; 1 before any.
  void printAgainUsesTheLastCount_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("pages");
    QTest::newRow("box never used") << QString() << 1;
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("one") << "1" << 1;
  }
  void printAgainUsesTheLastCount() {
    QFETCH(QString, count);
    QFETCH(int, pages);
    Fixture f(6);
    f.run.Db.ChooseRecord(2);
    DrawingWindow window(f.run.Ctx);
    if (!count.isEmpty()) {
      window.ShowPrintBox();
      window.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
      window.findChild<QLineEdit*>("Edit1")->setText(count);
      f.run.Dialogs.PrintFiles = {f.dir.filePath("prvni.pdf")};
      window.findChild<QPushButton*>("Button4")->click();
    }
    auto* again = window.findChild<QAction*>("tiskzakres");
    QVERIFY(again != nullptr);
    QCOMPARE(again->text(), QString("Tisk zákresu"));
    const QString pdf = f.dir.filePath("znovu.pdf");
    f.run.Dialogs.PrintFiles = {pdf};
    again->trigger();
    QCOMPARE(PdfPages(pdf), pages);
    QVERIFY(window.findChild<QGroupBox*>("GroupBox2")->isHidden());
  }

  void shiftF1RecomputesEveryResultsBlock() {
    Fixture f(4);
    for (int i = 1; i <= 4; ++i) f.run.Db.Record(i).SetResultWord(kResultTime, 0);
    DrawingWindow window(f.run.Ctx);
    QSignalSpy changed(&f.run.Ctx.Events, &DataEvents::DataChanged);
    // F1 alone is the help, and changes nothing.
    ReleaseKey(&window, Qt::Key_F1, {});
    QCOMPARE(changed.count(), 0);
    ReleaseKey(&window, Qt::Key_F1, {}, Qt::ShiftModifier);
    for (int i = 1; i <= 4; ++i) QCOMPARE(f.run.Db.Record(i).ResultWord(kResultTime), 1000);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<DataChange>(), DataChange::Records);
    QVERIFY(f.run.Db.DataChanged);
  }

  void mergeAddsTheOtherFileInMemoryOnly() {
    Fixture f(3);
    std::vector<ObservationRecord> other = {test::DatedRecord({2000, 1, 2}),
                                            test::DatedRecord({1999, 12, 31}),
                                            test::DatedRecord({2000, 2, 1})};
    const auto otherFile = PathFromText(f.dir.filePath("jiny.dat"));
    QVERIFY(!WriteRecordFile(otherFile, other));
    DrawingWindow window(f.run.Ctx);
    ReleaseKey(&window, Qt::Key_S, "\x13", Qt::ControlModifier);
    QVERIFY(window.findChild<QGroupBox*>("slucovani")->isVisible() ||
            window.findChild<QGroupBox*>("slucovani")->isVisibleTo(&window));
    QVERIFY(!window.findChild<QPushButton*>("potvrditpri")->isEnabled());
    f.run.Dialogs.FileNames = {f.dir.filePath("jiny.dat")};
    window.findChild<QPushButton*>("vyberpri")->click();
    QVERIFY(window.findChild<QPushButton*>("potvrditpri")->isEnabled());
    f.run.Msg.Choices = {true};
    window.findChild<QPushButton*>("potvrditpri")->click();
    QCOMPARE(f.run.Msg.Questions,
             QStringList({"V přidaných datech jsou shodné datumy 1x! Vyločit je?"}));
    QCOMPARE(f.run.Db.RecordCount, 5);
    QCOMPARE(QString::fromStdString(f.run.Db.Record(1).Date()), QString("31.12.1999"));
    QVERIFY(f.run.Db.DataChanged);
    // Nothing reaches the disk before the user saves.
    QVERIFY(!QFile::exists(f.dir.filePath("datax.dat")));
  }

  void mergeNamesTheDrawingsALoadWouldRefuse() {
    Fixture f(2);
    std::vector<ObservationRecord> other = {test::DatedRecord({1999, 12, 30}),
                                            test::DatedRecord({1999, 12, 31})};
    other[1].SetGroupCount(214);
    QVERIFY(!WriteRecordFile(PathFromText(f.dir.filePath("jiny.dat")), other));
    DrawingWindow window(f.run.Ctx);
    window.ShowMergeBox();
    f.run.Dialogs.FileNames = {f.dir.filePath("jiny.dat")};
    window.ChooseMergeFile();
    window.findChild<QPushButton*>("potvrditpri")->click();
    QCOMPARE(f.run.Db.RecordCount, 3);
    QCOMPARE(f.run.Msg.ShownMessages.size(), 1);
    QVERIFY2(f.run.Msg.ShownMessages[0].contains(QStringLiteral("č. 2 „31.12.1999“ 214 skupin")),
             qPrintable(f.run.Msg.ShownMessages[0]));
  }

  void mergeRefusesAFileOf1999Drawings() {
    Fixture f(2);
    std::vector<ObservationRecord> big(1999, test::DatedRecord({1990, 1, 1}));
    QVERIFY(!WriteRecordFile(PathFromText(f.dir.filePath("velky.dat")), big));
    DrawingWindow window(f.run.Ctx);
    window.ShowMergeBox();
    f.run.Dialogs.FileNames = {f.dir.filePath("velky.dat")};
    window.ChooseMergeFile();
    QCOMPARE(f.run.Msg.ShownMessages, QStringList({"Lze přidat jen 1999 zakresu !! "}));
    QVERIFY(!window.findChild<QPushButton*>("potvrditpri")->isEnabled());
    QCOMPARE(f.run.Db.RecordCount, 2);
  }

  void keyKShowsOneBoxPerDrawingWithAnEqualNeighbour() {
    Fixture f(6);
    for (int i = 3; i <= 5; ++i) f.run.Db.Record(i).SetDate("03.01.2000");
    DrawingWindow window(f.run.Ctx);
    ReleaseKey(&window, Qt::Key_K, "k");
    QCOMPARE(f.run.Dialogs.Asked,
             QStringList({"Shodné datumy !     03.01.2000", "Shodné datumy !     03.01.2000",
                          "Shodné datumy !     03.01.2000"}));
  }

  void compactToggleAndBack() {
    Fixture f(1);
    DrawingWindow window(f.run.Ctx);
    window.resize(800, 680);
    QSignalSpy spy(&window, &DrawingWindow::CompactChanged);
    window.ToggleCompact();
    QCOMPARE(window.size(), QSize(612, 535));
    QCOMPARE(window.View().Scale.DrawScale, 612 * 16 / 800);
    QVERIFY(window.windowTitle().endsWith("612 x 535"));
    window.ToggleCompact();
    QCOMPARE(window.size(), QSize(800, 680));
    QCOMPARE(window.View().Scale.DrawScale, 16);
    QCOMPARE(spy.count(), 2);
  }

  void auxSpotPanelListsEachAuxiliarySpot() {
    Fixture f(1);
    ObservationRecord& r = f.run.Db.Record(1);
    r.SetGroupCount(2);
    r.SetGroupType(1, "Dkc");
    r.SetGroupNumber(1, 17);
    r.SetAngle10(1, 900);
    r.SetDistance10(1, 300);
    r.SetAux1Position(1, 90 * 128 + 40);
    r.SetGroupType(2, "Axx");
    r.SetGroupNumber(2, 18);
    f.run.Db.ChooseRecord(1);
    DrawingWindow window(f.run.Ctx);
    window.ShowAuxSpotPanel();
    auto* grid = window.findChild<QTableWidget*>("StringGrid2");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 0)->text(), QString("17"));
    // 30 mm and 40 mm out on the same position angle: a few degrees apart on the Sun.
    const double degrees = grid->item(0, 1)->text().toDouble();
    QVERIFY(degrees > 3 && degrees < 8);
  }

  // The open panel follows the drawing the record list chooses.
  void auxSpotPanelFollowsTheChosenDrawing() {
    Fixture f(2);
    for (int i : {1, 2}) {
      ObservationRecord& r = f.run.Db.Record(i);
      r.SetGroupCount(1);
      r.SetGroupType(1, "Dkc");
      r.SetGroupNumber(1, 16 + i);
      r.SetAngle10(1, 900);
      r.SetDistance10(1, 300);
      r.SetAux1Position(1, 90 * 128 + 40 + 20 * i);
    }
    f.run.Db.ChooseRecord(1);
    DrawingWindow window(f.run.Ctx);
    window.show();
    window.ShowAuxSpotPanel();
    auto* grid = window.findChild<QTableWidget*>("StringGrid2");
    QCOMPARE(grid->item(0, 0)->text(), QString("17"));
    const QString first = grid->item(0, 1)->text();
    // As the record list chooses a line.
    f.run.Db.ChooseRecord(2);
    f.run.Ctx.Events.NotifyRecordChosen();
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 0)->text(), QString("18"));
    QVERIFY(grid->item(0, 1)->text() != first);
  }

  void f9DrawsTheUnderlayOrSaysThereAreNoData() {
    Fixture f(1);
    DrawingWindow window(f.run.Ctx);
    window.resize(800, 680);
    ReleaseKey(&window, Qt::Key_F9, {});
    QCOMPARE(f.run.Msg.ShownMessages, QStringList({"Nejsou data pro magnetosféru"}));
    QVERIFY(!window.UnderlayShown());

    const CalendarDate date{2000, 1, 1};
    const SolarEphemeris eph = Ephemeris(date, kMagnetogramTimeUT);
    std::vector<MagnetogramPoint> points;
    for (int b = -20; b <= 20; b += 2)
      for (int dl = -30; dl <= 30; dl += 2)
        if (auto p = MagnetogramPointAt(eph, eph.EphL0 + dl, b, kSummationCentreColumn, 10))
          points.push_back(*p);
    QVERIFY(!points.empty());
    QDir(f.dir.path()).mkpath("Magneto");
    QFile day(f.dir.filePath("Magneto/" + QString::fromStdString(MagnetogramFileName(date))));
    QVERIFY(day.open(QIODevice::WriteOnly));
    const std::string bytes = EncodeMagnetogram(points, kDrawingMagnetogramHeaderWords);
    day.write(bytes.data(), static_cast<qint64>(bytes.size()));
    day.close();
    window.ShowMagnetoUnderlay();
    QVERIFY(window.UnderlayShown());
    const QImage image = window.RenderImage(false);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.blue() == 255 && c.red() == 160 && c.green() == 160) ++blue;
      }
    QVERIFY2(blue > 50, qPrintable(QString::number(blue)));
  }
};

QTEST_MAIN(DrawingCommandsTest)
#include "drawing_commands_test.moc"
