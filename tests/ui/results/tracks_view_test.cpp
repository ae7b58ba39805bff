// SPDX-License-Identifier: GPL-3.0-or-later
// "Skupiny v čase" in the results window: the tracks of a year or a rotation, a track's days and
// its path over the synoptic map of its rotation, a day that becomes the current drawing with its
// group ringed, a wrong period refused with a message, and the CSV of the tracks listed.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/solar/differential_rotation.h"
#include "support/main_frame.h"
#include "support/map_records.h"
#include "ui/results/results_window.h"
#include "ui/results/tracks_view.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

constexpr CalendarDate kStart{2014, 3, 1};

// Six daily drawings from 1 March 2014: group 8 at latitude 12 that crosses the disk, and
// group 9 at latitude -20 seen on the first three days only.
std::vector<ObservationRecord> Records() {
  const double centre = test::MapRecord(kStart).CentralL0();
  std::vector<ObservationRecord> records;
  for (int day = 0; day < 6; ++day) {
    ObservationRecord r = test::MapRecord(DateFromSerial(DaySerial(kStart) + day));
    r.SetObserver("Novák");
    r.SetRadiusWord(125);
    const double l8 = RotatedLongitude(std::fmod(centre - 30 + 360, 360), 12, day);
    r.SetGroupNumber(test::AddGroup(r, 8, l8, 12, 100), 8);
    if (day < 3) {
      const double l9 = RotatedLongitude(std::fmod(centre + 10, 360), -20, day);
      r.SetGroupNumber(test::AddGroup(r, 9, l9, -20, 60), 9);
    }
    records.push_back(r);
  }
  return records;
}

struct Frame : test::MainFrame {
  explicit Frame(const fs::path& dir) : MainFrame(dir, Records()) {
    Button("vysledekz")->click();
    Button("skupinyvcasev")->click();
  }
  TracksView* Tracks() { return qobject_cast<TracksView*>(Window.Results()->CurrentView()); }
  void Choose(TracksView::Scope scope, const QString& text) {
    Tracks()->ScopeBox()->setCurrentIndex(scope);
    Tracks()->PeriodField()->setText(text);
    Tracks()->ShowButton()->click();
  }
};

int TrackPixels(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == QColor(220, 0, 0)) ++count;
  return count;
}

}  // namespace

class TracksViewTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void ListsTheTracksOfTheYearWithTheirDaysAndPath();
  void ADayBecomesTheCurrentDrawing();
  void RotationAndWrongPeriods();
  void CsvHoldsTheTracksListed();
  void TheMapStaysReadableAt1024x768();

 private:
  QTemporaryDir m_dir;
};

void TracksViewTest::ListsTheTracksOfTheYearWithTheirDaysAndPath() {
  Frame f(m_dir.path().toStdString());
  QVERIFY(f.Tracks() != nullptr);
  QCOMPARE(f.Window.Results()->windowTitle(), QString("Výsledky    skupiny v čase"));
  QCOMPARE(f.Tracks()->PeriodField()->text(), QString("2014"));
  QTableWidget* tracks = f.Tracks()->TrackGrid();
  QCOMPARE(tracks->rowCount(), 2);
  // Two-word headings take two lines, so that the columns are as wide as their values.
  QCOMPARE(tracks->horizontalHeaderItem(4)->text(), QString("centrální\nmeridián"));
  // The first track, chosen at once: group 8, six days.
  QCOMPARE(tracks->item(0, 3)->text(), QString("6"));
  QCOMPARE(tracks->item(0, 8)->text(), QString("8"));
  QCOMPARE(f.Tracks()->DayGrid()->rowCount(), 6);
  QCOMPARE(f.Tracks()->DayGrid()->item(0, 0)->text(), QString("01.03.2014"));
  QCOMPARE(f.Tracks()->Map()->Path().size(), std::size_t(6));
  QVERIFY(f.Tracks()->Map()->Rotation().has_value());
  f.Tracks()->Map()->resize(780, 300);
  QVERIFY(TrackPixels(f.Tracks()->Map()) > 20);
  // The second: group 9, three days, south.
  tracks->setCurrentCell(1, 0);
  QCOMPARE(f.Tracks()->DayGrid()->rowCount(), 3);
  QVERIFY(tracks->item(1, 5)->text().startsWith("-20"));
  QCOMPARE(f.Tracks()->Map()->Path().size(), std::size_t(3));
  // A year without drawings: no track, no path.
  f.Choose(TracksView::Year, "2015");
  QCOMPARE(tracks->rowCount(), 0);
  QCOMPARE(TrackPixels(f.Tracks()->Map()), 0);
  QVERIFY(f.Tracks()->Summary()->text().contains("2"));
}

void TracksViewTest::ADayBecomesTheCurrentDrawing() {
  Frame f(m_dir.path().toStdString());
  f.Tracks()->DayGrid()->cellClicked(3, 0);
  QTest::qWait(0);
  QCOMPARE(f.Db.CurrentIndex, f.Tracks()->Shown()[0].Sightings[3].Record);
  QCOMPARE(f.View.MarkedRecord, f.Db.CurrentIndex);
  QCOMPARE(f.View.MarkedGroup, 1);
}

void TracksViewTest::RotationAndWrongPeriods() {
  Frame f(m_dir.path().toStdString());
  const int rotation = f.Tracks()->Shown()[0].Rotation;
  f.Choose(TracksView::Rotation, QString::number(rotation));
  QVERIFY(f.Tracks()->TrackGrid()->rowCount() >= 1);
  for (const GroupTrack& t : f.Tracks()->Shown()) QCOMPARE(t.Rotation, rotation);
  f.Choose(TracksView::Rotation, QString::number(rotation + 5));
  QCOMPARE(f.Tracks()->TrackGrid()->rowCount(), 0);
  f.Choose(TracksView::Year, "20x4");
  QVERIFY(f.Msg.ShownMessages.last().contains("RRRR"));
  f.Choose(TracksView::Rotation, "");
  QVERIFY(f.Msg.ShownMessages.last().contains("Otočku"));
}

void TracksViewTest::CsvHoldsTheTracksListed() {
  Frame f(m_dir.path().toStdString());
  f.Button("SpeedButton8")->click();
  std::ifstream in(m_dir.path().toStdString() + "/CSVsoubory/Skupiny_v_case.csv", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  QVERIFY(text.rfind("stopa;od;do;dní;centrální meridián;šířka;max plocha;typy;čísla;NOAA\r\n",
                     0) == 0);
  QCOMPARE(std::count(text.begin(), text.end(), '\n'), 3L);
}

// In the results window of a 1024 x 768 screen (its view about 1000 x 590 pixels) the map takes
// two thirds of the height: three quarters of full size, its latitudes labelled every 10 degrees.
void TracksViewTest::TheMapStaysReadableAt1024x768() {
  Frame f(m_dir.path().toStdString());
  TracksView* view = f.Tracks();
  view->setParent(nullptr);
  view->resize(1000, 590);
  view->show();
  QVERIFY(QTest::qWaitForWindowExposed(view));
  QTest::qWait(0);
  QVERIFY2(view->Map()->height() >= 360, qPrintable(QString::number(view->Map()->height())));
  QVERIFY2(view->Map()->Scale() >= 11, qPrintable(QString::number(view->Map()->Scale())));
  view->hide();
  view->setParent(f.Window.Results());
}

QTEST_MAIN(TracksViewTest)
#include "tracks_view_test.moc"
