// SPDX-License-Identifier: GPL-3.0-or-later
// "Rozpoznat" in the photo window on a stored scan of a paper drawing (with the truth its
// generator wrote): the reading off the window's thread with its steps shown, the proposed
// groups drawn over the picture, a click that takes a spot away and adds it back, the Sun's axis
// drawn instead of the north-south line, and "Zapiš skupiny" storing the groups as one step that
// Ctrl+Z takes back.
#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <memory>
#include <set>

#include "core/solar/differential_rotation.h"
#include "core/solar/heliographic.h"
#include "support/app_run.h"
#include "support/database_builders.h"
#include "ui/photo/photo_canvas.h"
#include "ui/photo/photo_drawing_window.h"
#include "ui/shell/picture_files.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

const QString kScan = QStringLiteral(ARDENO_TEST_DATA "/vision/scan.jpg");
const char* const kTruth = ARDENO_TEST_DATA "/vision/scan.txt";

// The spots the generator drew on the scan and the groups they form.
struct Truth {
  int Spots = 0;
  int Groups = 0;
};

Truth ReadTruth() {
  Truth truth;
  std::ifstream in(kTruth);
  std::set<std::string> groups;
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("spot;")) continue;
    ++truth.Spots;
    // spot;x;y;group;...
    std::size_t field = 0;
    for (int i = 0; i < 3; ++i) field = line.find(';', field) + 1;
    groups.insert(line.substr(field, line.find(';', field) - field));
  }
  truth.Groups = static_cast<int>(groups.size());
  return truth;
}

// The scan's drawing: 3 March 2010 at 11:33 UT, no groups yet, chosen, after the `earlier`
// drawings.
struct Fixture {
  QTemporaryDir dir;
  AppRun run{PathFromText(dir.path())};
  PhotoDrawingWindow window{run.Ctx};

  explicit Fixture(const QString& picture = kScan, CalendarDate date = {2010, 3, 3},
                   std::uint16_t timeUT = 1133, std::vector<ObservationRecord> earlier = {}) {
    ObservationRecord drawing = DatedRecord(date);
    drawing.SetTimeUT(timeUT);
    earlier.push_back(drawing);
    run.Db = DatabaseOf(earlier);
    run.Db.ChooseRecord(static_cast<int>(earlier.size()));
    run.Ctx.History.Reset(run.Db);
    window.resize(1000, 700);
    if (!window.OpenPicture(PathFromText(picture))) qFatal("the picture does not open");
  }
  // Rozpoznat, and the reading waited for as the user waits, the window's events flowing.
  bool Recognized() {
    window.Recognize();
    QElapsedTimer waited;
    waited.start();
    while (window.IsReading() && waited.elapsed() < 60000) QTest::qWait(10);
    return !window.IsReading();
  }
  int RecognizedMarks() const {
    int marks = 0;
    for (const PhotoOverlay::Mark& mark : window.Canvas()->Overlay().Spots)
      if (mark.Text.startsWith('R')) ++marks;
    return marks;
  }
};

}  // namespace

class PhotoRecognitionTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
#ifndef ARDENO_WITH_VISION
    QSKIP("built without the recognition");
#endif
  }

#ifdef ARDENO_WITH_VISION
  void ProposesTheDrawnGroupsOverThePicture() {
    Fixture f;
    const Truth truth = ReadTruth();
    QVERIFY(truth.Spots > 0);
    QVERIFY(!f.window.findChild<QToolButton*>("zapisskupiny")->isEnabled());
    auto* recognize = f.window.findChild<QToolButton*>("rozpoznat");
    recognize->click();
    // The reading runs beside the window: the button waits, the steps are shown.
    QVERIFY(f.window.IsReading());
    QVERIFY(!recognize->isEnabled());
    QLabel* target = f.window.findChild<QLabel*>("Label10");
    QVERIFY(target != nullptr);
    QVERIFY2(target->text().contains("krok"), qPrintable(target->text()));
    QTRY_VERIFY_WITH_TIMEOUT(!f.window.IsReading(), 60000);
    QVERIFY(recognize->isEnabled());
    QVERIFY2(f.run.Msg.ShownMessages.isEmpty(), qPrintable(f.run.Msg.ShownMessages.join('\n')));
    const DrawingRecognition& read = f.window.Recognition();
    QCOMPARE(static_cast<int>(read.Groups().size()), truth.Groups);
    QVERIFY2(std::abs(static_cast<int>(read.Spots().size()) - truth.Spots) <= 1,
             qPrintable(QString("%1 of %2").arg(read.Spots().size()).arg(truth.Spots)));
    // Every spot found is drawn, named by its group.
    QCOMPARE(f.RecognizedMarks(), static_cast<int>(read.Spots().size()));
    QVERIFY(f.window.findChild<QToolButton*>("zapisskupiny")->isEnabled());
  }

  void AClickTakesASpotAwayAndAddsItBack() {
    Fixture f;
    QVERIFY(f.Recognized());
    const std::size_t spots = f.window.Recognition().Spots().size();
    QVERIFY(spots > 0);
    const QPoint at = f.window.Recognition().Spots().front().Pixel;
    QTest::mouseClick(f.window.Canvas(), Qt::LeftButton, {}, f.window.Canvas()->ViewPoint(at));
    QCOMPARE(f.window.Recognition().Spots().size(), spots - 1);
    QCOMPARE(f.RecognizedMarks(), static_cast<int>(spots - 1));
    QTest::mouseClick(f.window.Canvas(), Qt::LeftButton, {}, f.window.Canvas()->ViewPoint(at));
    QCOMPARE(f.window.Recognition().Spots().size(), spots);
  }

  // A drag of a spot onto a spot of another group moves it there; with Shift its whole group
  // joins; onto the empty disk it takes a group of its own. "Vrátit opravu" takes each back.
  void DragsCorrectTheGroupsAndAreUndone() {
    Fixture f;
    QVERIFY(f.Recognized());
    auto* undo = f.window.findChild<QToolButton*>("vratitopravu");
    QVERIFY(undo != nullptr && !undo->isEnabled());
    const std::vector<int> read = f.window.Recognition().GroupOfSpots();
    const std::size_t groups = f.window.Recognition().Groups().size();
    QVERIFY(groups >= 2);
    // The first spot and a spot of another group.
    std::size_t other = 1;
    while (other < read.size() && read[other] == read[0]) ++other;
    QVERIFY(other < read.size());
    const auto drag = [&](std::size_t from, QPoint to, Qt::KeyboardModifiers keys) {
      PhotoCanvas* canvas = f.window.Canvas();
      const QPoint start = canvas->ViewPoint(f.window.Recognition().Spots()[from].Pixel);
      QTest::mousePress(canvas, Qt::LeftButton, keys, start);
      QTest::mouseMove(canvas, canvas->ViewPoint(to));
      QTest::mouseRelease(canvas, Qt::LeftButton, keys, canvas->ViewPoint(to));
    };
    const QPoint target = f.window.Recognition().Spots()[other].Pixel;
    drag(0, target, Qt::ShiftModifier);
    QCOMPARE(f.window.Recognition().Groups().size(), groups - 1);
    QVERIFY(undo->isEnabled());
    undo->click();
    QCOMPARE(f.window.Recognition().GroupOfSpots(), read);
    QVERIFY(!undo->isEnabled());

    drag(0, target, Qt::NoModifier);
    const std::vector<int> moved = f.window.Recognition().GroupOfSpots();
    QCOMPARE(moved[0], moved[other]);
    QCOMPARE(f.RecognizedMarks(), static_cast<int>(read.size()));
    // Onto the empty disk, halfway between the centre and the spot: a group of its own.
    const QPoint centre(f.window.Recognition().Disk().CentreX,
                        f.window.Recognition().Disk().CentreY);
    const std::size_t before = f.window.Recognition().Groups().size();
    drag(0, (centre + f.window.Recognition().Spots()[0].Pixel) / 2 + QPoint(0, 40), Qt::NoModifier);
    QCOMPARE(f.window.Recognition().Groups().size(), before + 1);
    undo->click();
    undo->click();
    QCOMPARE(f.window.Recognition().GroupOfSpots(), read);
  }

  void WritesTheGroupsAsOneStepTakenBackByUndo() {
    Fixture f;
    QVERIFY(f.Recognized());
    const int proposed = static_cast<int>(f.window.Recognition().Groups().size());
    QVERIFY(proposed > 0);
    f.window.findChild<QToolButton*>("zapisskupiny")->click();
    const ObservationRecord& stored = f.run.Db.Record(1);
    QCOMPARE(stored.GroupCount(), proposed);
    for (int k = 1; k <= proposed; ++k) {
      const ProposedGroup& g = f.window.Recognition().Groups()[static_cast<std::size_t>(k - 1)];
      QCOMPARE(stored.GroupType(k), g.ProposedClass);
      QCOMPARE(stored.SpotCount(k), g.SpotCount);
      QCOMPARE(stored.Angle10(k), g.Angle10);
    }
    QVERIFY(f.run.Msg.ShownMessages.last().contains("editoru"));
    QVERIFY(f.run.Ctx.History.CanUndo());
    f.run.Ctx.History.Undo(f.run.Db);
    QCOMPARE(f.run.Db.Record(1).GroupCount(), 0);
  }

  // The Sun's axis drawn through the centre (3 March 2016, P = -22 degrees): with "Osa Slunce"
  // ticked, P is taken off and north is the drawing's; the spots lie where they were drawn.
  void TakesPOffADrawnSolarAxisWhenTicked() {
    Fixture f(QStringLiteral(ARDENO_TEST_DATA "/vision/solaraxis.jpg"), {2016, 3, 3}, 1411);
    std::ifstream in(ARDENO_TEST_DATA "/vision/solaraxis.txt");
    double truthNorth = -1;
    for (std::string line; std::getline(in, line);)
      if (line.starts_with("disk;")) truthNorth = std::stod(line.substr(line.rfind(';') + 1));
    QVERIFY(truthNorth >= 0);
    const auto northOff = [&] {
      return std::fabs(std::remainder(f.window.Recognition().Disk().Rotation - truthNorth, 360.0));
    };
    QVERIFY(f.Recognized());
    QVERIFY2(northOff() > 20, qPrintable(QString::number(northOff())));
    auto* axis = f.window.findChild<QCheckBox*>("osanazakresu");
    QVERIFY(axis != nullptr);
    axis->setChecked(true);
    QVERIFY(f.Recognized());
    QVERIFY2(northOff() < 2, qPrintable(QString::number(northOff())));
    QCOMPARE(static_cast<int>(f.window.Recognition().Groups().size()), 3);
  }

  // In a 1024-pixel screen's frame every button and box of the bar keeps its whole caption.
  void EveryCaptionWholeAt1024() {
    Fixture f;
    f.window.resize(1000, 650);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    // Not widened by the layout beyond the screen's frame.
    QCOMPARE(f.window.width(), 1000);
    int checked = 0;
    for (QAbstractButton* b : f.window.findChildren<QAbstractButton*>()) {
      if (!b->isVisible() || b->text().isEmpty()) continue;
      ++checked;
      QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(QString("%1: %2 of %3 px")
                                                                   .arg(b->text())
                                                                   .arg(b->width())
                                                                   .arg(b->sizeHint().width())));
      QVERIFY2(b->geometry().right() < b->parentWidget()->width(), qPrintable(b->text()));
    }
    QVERIFY(checked >= 12);
  }

  // The observer's drawing of the day before holds two groups where one chain of today's spots
  // lies (its two ends, where the Sun's rotation had them): Rozpoznat proposes two groups there.
  void TheDrawingOfTheDayBeforePartsAChainIntoItsGroups() {
    Fixture alone;
    QVERIFY(alone.Recognized());
    const std::vector<ProposedGroup> groups = alone.window.Recognition().Groups();
    const auto largest =
        std::max_element(groups.begin(), groups.end(),
                         [](const auto& a, const auto& b) { return a.SpotCount < b.SpotCount; });
    QVERIFY(largest != groups.end() && largest->SpotCount >= 4);
    const std::vector<RecognizedSpot> spots = alone.window.Recognition().Spots();
    const CalendarDate dayBefore{2010, 3, 2};
    const SolarEphemeris then = Ephemeris(dayBefore, 1133);
    ObservationRecord yesterday = DatedRecord(dayBefore);
    yesterday.SetTimeUT(1133);
    for (const int end : {largest->Spots.front(), largest->Spots.back()}) {
      const SpotOnSun place = PlaceSpotOnSun(Ephemeris({2010, 3, 3}, 1133),
                                             spots[static_cast<std::size_t>(end)].OnDrawing);
      const double longitude = RotatedLongitude(place.Longitude, place.Latitude, -1);
      const PolarPosition p = HeliographicToPolar(then, static_cast<float>(longitude),
                                                  static_cast<float>(place.Latitude), 125.0f);
      const int k = yesterday.GroupCount() + 1;
      yesterday.SetGroupCount(k);
      yesterday.SetAngle10(k, static_cast<std::uint16_t>(
                                  std::lround(std::fmod(p.PolarAngle + 360, 360) * 10) % 3600));
      yesterday.SetDistance10(k, static_cast<std::uint16_t>(std::lround(p.PolarDistance * 10)));
    }
    Fixture f(kScan, {2010, 3, 3}, 1133, {yesterday});
    QVERIFY(f.Recognized());
    QCOMPARE(f.window.Recognition().Groups().size(), groups.size() + 1);
  }

  // Closing the window while it reads: the reading ends first, nothing is left to report to.
  void ClosingWhileReadingIsSafe() {
    auto f = std::make_unique<Fixture>();
    f->window.Recognize();
    QVERIFY(f->window.IsReading());
    f.reset();
    QTest::qWait(50);
  }

  void WithoutAChosenDrawingNothingIsRead() {
    Fixture f;
    f.run.Db.CurrentIndex = 0;
    f.window.Recognize();
    QVERIFY(!f.window.IsReading());
    QVERIFY(!f.run.Msg.ShownMessages.isEmpty());
    QVERIFY(!f.window.Recognition().HasReading());
  }
#endif
};

QTEST_MAIN(PhotoRecognitionTest)
#include "photo_recognition_test.moc"
