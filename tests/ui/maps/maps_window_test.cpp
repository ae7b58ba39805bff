// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window as the user sees it: pictures of the single map and the long map rendered
// from generated drawings, the switches and keys, printing into a PDF file, the work record
// given back on close, and the window opened from the main window with its toolbar panel.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "core/data/data_file.h"
#include "core/maps/magnet_cycles.h"
#include "core/maps/magnet_summary.h"
#include "core/maps/magnetogram.h"
#include "core/maps/map_comparison.h"
#include "core/maps/map_groups.h"
#include "core/maps/map_rotation.h"
#include "core/maps/map_strips.h"
#include "support/app_run.h"
#include "support/main_frame.h"
#include "support/map_records.h"
#include "support/pdf_pixels.h"
#include "support/picture_checks.h"
#include "ui/maps/magnet_cycles_painter.h"
#include "ui/maps/maps_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

using namespace ardeno;
using test::CountColour;

namespace {

constexpr QSize kClient(1400, 900);  // map scale k = 900 * 16 / 510 = 28

CalendarDate DateWithL0(CalendarDate from, double low, double high) {
  for (int d = 0; d < 60; ++d, from = DateFromSerial(DaySerial(from) + 1)) {
    const double l0 = Ephemeris(from, 1200).EphL0;
    if (l0 >= low && l0 < high) return from;
  }
  return from;
}

CalendarDate Later(const CalendarDate& d, int days) { return DateFromSerial(DaySerial(d) + days); }

struct Scenario {
  std::vector<ObservationRecord> Records;
  int Rotation = 0;
  double Longitude = 0;  // of the group observed on three days
};

// Group 5 on three days near the central meridian at latitudes 5, 13 and 21 (mean 13).
Scenario ThreeSightings(int number = 5, std::uint16_t area = 400) {
  Scenario s;
  const CalendarDate first = DateWithL0({2003, 5, 1}, 150, 170);
  s.Longitude = Ephemeris(Later(first, 1), 1200).EphL0;
  for (int d = 0; d < 3; ++d) {
    ObservationRecord r = test::MapRecord(Later(first, d));
    test::AddGroup(r, number, s.Longitude, 5 + 8 * d, area);
    s.Records.push_back(r);
  }
  s.Rotation = s.Records[0].Rotation();
  return s;
}

QImage Render(MapsWindow& window, QSize size = kClient) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  window.PaintView(painter, size, false);
  return image;
}

bool IsBlack(const QImage& image, int x, int y) {
  return image.pixelColor(x, y) == QColor(Qt::black);
}

// Black pixels along the row through (x, y): the disc's width.
int BlackRun(const QImage& image, int x, int y) {
  int left = x;
  int right = x;
  while (left > 0 && IsBlack(image, left - 1, y)) --left;
  while (right < image.width() - 1 && IsBlack(image, right + 1, y)) ++right;
  return right - left + 1;
}

struct Window {
  explicit Window(const std::vector<ObservationRecord>& records) {
    run.Db = test::DatabaseOf(records);
    run.Db.ChooseRecord(run.Db.RecordCount);
    maps = std::make_unique<MapsWindow>(run.Ctx);
    maps->resize(kClient);
  }
  test::AppRun run;
  std::unique_ptr<MapsWindow> maps;
};

// A square facular field of 6 degrees around (l, b) in field 1 of the record.
void AddFacula(ObservationRecord& r, double l, double b) {
  r.SetFacularCount(1);
  const double corners[4][2] = {{l - 3, b - 3}, {l + 3, b - 3}, {l + 3, b + 3}, {l - 3, b + 3}};
  for (int v = 0; v < 4; ++v)
    r.SetFaculaVertex(1, v + 1, test::AuxWord(r, corners[v][0], corners[v][1]));
}

int PixelX(double longitude, int k) { return MapPixels(MapX(longitude), k); }
int PixelY(double latitude, int k) { return MapPixels(MapY(latitude), k); }

}  // namespace

class MapsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void GroupSeenOnSeveralDaysIsOneDiscAtTheMean();
  void SightingEarlyInTheNextRotationIsOnItsLongitudesMap();
  void GroupWithoutAuxiliarySpotIsOnlyABlackDisc();
  void AreaMultipleTwoDoublesTheRadius();
  void UnnumberedGroupIsNotDrawn();
  void LongMapPlacesEachRotationInItsStrip();
  void HighMapGroupSitsAtItsLongitudeOnTheGrid();
  void KeysSwitchOutlinesAndF8SavesTheImage();
  void PrintsTheMapAndTheHighMapIntoPdf_data();
  void PrintsTheMapAndTheHighMapIntoPdf();
  void ClosingGivesBackTheWorkRecord();
  void MagnetospherePictureWithoutTheFolderIsSaid();
  void AskedTextIsPrintedUnderTheMapOnce();
  void RotationListChoosesOnTheArrowKeys_data();
  void RotationListChoosesOnTheArrowKeys();
  void MissingCoronaAndMagnetogramsAreSaid();
  void UnreadableMagnetogramDaysAreSaid();
  void OpensFromTheMainWindowWithItsPanel();
  void ComparisonShowsTheShiftedRotationBelow();
  void ComparisonPanelClearsAndRefusesMissingData();
  void MagnetCyclesAreComparedFromTheSummary();
  void MagnetSummaryIsReadWhenTheCyclesAreAskedFor();

 private:
  QTemporaryDir m_dir;
};

void MapsWindowTest::GroupSeenOnSeveralDaysIsOneDiscAtTheMean() {
  const Scenario s = ThreeSightings();
  Window w(s.Records);
  QCOMPARE(w.maps->MapRotation(), s.Rotation);
  const QImage image = Render(*w.maps);
  const int k = SingleMapScale(kClient.height());
  const int x = PixelX(s.Longitude, k);
  QVERIFY(IsBlack(image, x, PixelY(13, k)));
  QVERIFY2(!IsBlack(image, x, PixelY(5, k)), "no disc at the first day's latitude");
  QVERIFY2(!IsBlack(image, x, PixelY(21, k)), "no disc at the last day's latitude");
  QVERIFY(w.maps->windowTitle().startsWith(QStringLiteral("Mapa   ")));
}

void MapsWindowTest::SightingEarlyInTheNextRotationIsOnItsLongitudesMap() {
  // L0 near 350: the next rotation has just begun and a group at longitude 10 is still east.
  const CalendarDate early = DateWithL0({2003, 5, 1}, 340, 358);
  ObservationRecord before = test::MapRecord(Later(early, -3));
  ObservationRecord r = test::MapRecord(early);
  test::AddGroup(r, 3, 10, -8, 600);
  const int next = r.Rotation();
  Window w({before, r});
  const int k = SingleMapScale(kClient.height());
  QVERIFY(w.maps->ChooseRotationNumber(next - 1));
  QVERIFY(IsBlack(Render(*w.maps), PixelX(10, k), PixelY(-8, k)));
  QVERIFY(w.maps->ChooseRotationNumber(next));
  const QImage later = Render(*w.maps);
  const QRect map(PixelX(360, k) + 1, PixelY(90, k) + 1, PixelX(0, k) - PixelX(360, k) - 2,
                  PixelY(-90, k) - PixelY(90, k) - 2);
  QCOMPARE(CountColour(later, Qt::black, map), 0);
}

void MapsWindowTest::GroupWithoutAuxiliarySpotIsOnlyABlackDisc() {
  Window w(ThreeSightings().Records);
  const QImage image = Render(*w.maps);
  // Inside the map, where no text is written.
  const int k = SingleMapScale(kClient.height());
  const QRect map(QPoint(PixelX(360, k) + 1, PixelY(90, k) + 1),
                  QPoint(PixelX(0, k) - 1, PixelY(-90, k) - 1));
  QVERIFY(CountColour(image, Qt::black, map) > 0);
  QCOMPARE(CountColour(image, QColor(150, 150, 255), map), 0);
  QCOMPARE(CountColour(image, QColor(0, 230, 150), map), 0);
  QCOMPARE(CountColour(image, QColor(130, 130, 130), map), 0);
}

void MapsWindowTest::AreaMultipleTwoDoublesTheRadius() {
  const Scenario s = ThreeSightings(5, 1500);
  Window w(s.Records);
  const int k = SingleMapScale(kClient.height());
  const int x = PixelX(s.Longitude, k);
  const int y = PixelY(13, k);
  const int once = BlackRun(Render(*w.maps), x, y);
  w.run.View.AreaMultiple = 2;
  const int twice = BlackRun(Render(*w.maps), x, y);
  QVERIFY2(once >= 9, qPrintable(QString::number(once)));
  QVERIFY2(std::abs(twice - 2 * once) <= 2, qPrintable(QString("%1 %2").arg(once).arg(twice)));
}

void MapsWindowTest::UnnumberedGroupIsNotDrawn() {
  const Scenario s = ThreeSightings(0);
  Window w(s.Records);
  const int k = SingleMapScale(kClient.height());
  const QImage image = Render(*w.maps);
  QVERIFY(!IsBlack(image, PixelX(s.Longitude, k), PixelY(13, k)));
}

void MapsWindowTest::LongMapPlacesEachRotationInItsStrip() {
  const Scenario s = ThreeSightings(5, 1500);
  Window w(s.Records);
  w.maps->dlouhamapClick();
  QCOMPARE(w.maps->CurrentView(), MapsWindow::View::LongMap);
  const QSize size(1920, 700);
  const QImage image = Render(*w.maps, size);
  const int k = StripScale(size.width());
  QCOMPARE(k, 2);
  // The chosen rotation is strip 0; the group lies in it, the next strip is empty there.
  const int x = StripX(StripVariant::Long, k, 0, s.Longitude);
  const int y = StripY(StripVariant::Long, k, 0, 13);
  QVERIFY(IsBlack(image, x, y));
  QVERIFY(!IsBlack(image, StripX(StripVariant::Long, k, 1, s.Longitude), y));
  QVERIFY(x > StripLeft(StripVariant::Long, k, 0) && x < StripLeft(StripVariant::Long, k, 1));
}

void MapsWindowTest::HighMapGroupSitsAtItsLongitudeOnTheGrid() {
  const Scenario s = ThreeSightings(5, 1500);
  Window w(s.Records);
  w.maps->vysokamapClick();
  const QSize size(1920, 700);
  const QImage image = Render(*w.maps, size);
  const int k = StripScale(size.width());
  // The grid: a line every 30 degrees, 40 k apart, longitude 360 at 20 k (the line the label
  // "360" stands under); so longitude l lies at 20 k + 4 k (360 - l) / 3.
  const QColor grid(200, 200, 200);
  for (const int l : {360, 270, 0}) {
    const int lineX = 20 * k + 40 * k * (360 - l) / 30;
    QVERIFY2(image.pixelColor(lineX, StripBase(StripVariant::High, k, 0) - 15 * k) == grid,
             qPrintable(QString::number(l)));
  }
  const double gridX = 20.0 * k + 4.0 * k * (360 - s.Longitude) / 3;
  const int y = StripY(StripVariant::High, k, 0, 13);
  int left = static_cast<int>(gridX) - 30;
  while (left < image.width() && !IsBlack(image, left, y)) ++left;
  QVERIFY(left < static_cast<int>(gridX) + 30);
  const double centre = left + (BlackRun(image, left, y) - 1) / 2.0;
  QVERIFY2(std::abs(centre - gridX) <= 1.5,
           qPrintable(
               QString("disc at %1, longitude %2 at %3").arg(centre).arg(s.Longitude).arg(gridX)));
}

void MapsWindowTest::KeysSwitchOutlinesAndF8SavesTheImage() {
  QVERIFY(m_dir.isValid());
  Window w(ThreeSightings().Records);
  w.run.Ctx.ProgDir = m_dir.path().toStdString();
  QVERIFY(w.maps->GroupOutlines());
  QTest::keyClick(w.maps.get(), Qt::Key_V);
  QVERIFY(!w.maps->GroupOutlines());
  QTest::keyClick(w.maps.get(), Qt::Key_Z);
  QVERIFY(w.maps->GroupOutlines());
  w.maps->show();
  w.run.Dialogs.Confirmations = {true};
  QTest::keyClick(w.maps.get(), Qt::Key_F8);
  const QString name = QStringLiteral("Mapa  ") + QString::number(w.maps->MapRotation());
  QCOMPARE(w.run.View.ImageName, name);
  QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("Obrázek/") + name + ".jpg")));
  QVERIFY2(w.maps->GroupOutlines(), "the outline switch comes back after saving");
}

void MapsWindowTest::PrintsTheMapAndTheHighMapIntoPdf_data() {
  QTest::addColumn<bool>("highMap");
  QTest::newRow("map") << false;
  QTest::newRow("high-map") << true;
}

void MapsWindowTest::PrintsTheMapAndTheHighMapIntoPdf() {
  QFETCH(bool, highMap);
  QVERIFY(m_dir.isValid());
  Window w(ThreeSightings(5, 1500).Records);
  if (highMap) w.maps->vysokamapClick();
  const QString pdf = m_dir.filePath(highMap ? "high.pdf" : "map.pdf");
  w.run.Dialogs.PrintFiles = {pdf};
  w.maps->Tisk1Click();
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QVERIFY(bytes.size() > 1000);
  w.run.Dialogs.PrintFiles = {std::nullopt};
  w.maps->Tisk1Click();  // cancelled: nothing happens
}

void MapsWindowTest::ClosingGivesBackTheWorkRecord() {
  Scenario s = ThreeSightings();
  ObservationRecord later = test::MapRecord(Later(ParseDate(s.Records[2].Date()).value(), 40));
  s.Records.push_back(later);
  Window w(s.Records);
  QCOMPARE(w.run.Db.WorkRecord, w.run.Db.Record(4));
  QVERIFY(w.maps->ChooseRotationNumber(s.Rotation));
  QCOMPARE(w.run.Db.WorkRecord, w.run.Db.Record(1));
  w.maps->show();
  w.maps->close();
  QCOMPARE(w.run.Db.WorkRecord, w.run.Db.Record(4));
}

void MapsWindowTest::RotationListChoosesOnTheArrowKeys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("move");  // list lines from the current rotation
  QTest::newRow("up") << int(Qt::Key_Up) << -1;
  QTest::newRow("home") << int(Qt::Key_Home) << -2;
}

// Walking the rotation list with the keys chooses the line reached, as a click does.
void MapsWindowTest::RotationListChoosesOnTheArrowKeys() {
  QFETCH(int, key);
  QFETCH(int, move);
  Scenario s = ThreeSightings();
  for (int later : {30, 60}) {
    s.Records.push_back(test::MapRecord(Later(ParseDate(s.Records[2].Date()).value(), later)));
  }
  Window w(s.Records);
  w.maps->show();
  const int last = w.run.Db.Record(w.run.Db.RecordCount).Rotation();
  QCOMPARE(w.maps->MapRotation(), last);
  w.maps->vybermClick();
  auto* list = w.maps->findChild<QListWidget*>("ListBox1");
  QVERIFY(list != nullptr && list->isVisible());
  QCOMPARE(list->count(), 3);
  QTest::keyClick(list, static_cast<Qt::Key>(key));
  QCOMPARE(w.maps->MapRotation(), last + move);
  QVERIFY(!list->isVisible());
}

void MapsWindowTest::MagnetospherePictureWithoutTheFolderIsSaid() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  Window w(ThreeSightings().Records);
  w.run.Ctx.ProgDir = dir.path().toStdString();
  QToolButton* picture = w.maps->ToolButton("magnobr");
  QVERIFY(picture != nullptr);
  picture->click();
  QCOMPARE(w.run.Msg.ShownMessages, QStringList{"Nejsou data pro magnetosféru"});
  QVERIFY(!picture->isChecked());
  // With the folder the picture switches on and off without a word.
  QVERIFY(QDir(dir.path()).mkdir("Magneto"));
  picture->click();
  QVERIFY(picture->isChecked());
  picture->click();
  QVERIFY(!picture->isChecked());
  QCOMPARE(w.run.Msg.ShownMessages.size(), 1);
}

// "A" before printing: the next printout asks for a line and prints it under the map; the one
// after it prints the map alone again.
void MapsWindowTest::AskedTextIsPrintedUnderTheMapOnce() {
  QTemporaryDir dir;
  Window w(ThreeSightings().Records);
  w.maps->show();
  w.run.View.InsertTextRequest = 1;
  w.run.Msg.Values = {"Ondřejov, refraktor 150 mm, pozorovatel Novák"};
  QSignalSpy used(w.maps.get(), &MapsWindow::InsertTextUsed);
  const QString withText = dir.filePath("s_textem.pdf");
  const QString plain = dir.filePath("bez_textu.pdf");
  w.run.Dialogs.PrintFiles = {withText, plain};
  w.maps->Tisk1Click();
  QCOMPARE(used.count(), 1);
  QCOMPARE(w.run.View.InsertTextRequest, 0);
  w.maps->Tisk1Click();
  QCOMPARE(used.count(), 1);
  QVERIFY(w.run.Msg.Values.empty());
  const QImage first = test::RasterizePdfPage(withText, 50);
  const QImage second = test::RasterizePdfPage(plain, 50);
  QVERIFY(!first.isNull() && !second.isNull());
  // The map takes the paint area's width and its height in proportion; the line stands below.
  const QRect paint = QPrinter(QPrinter::HighResolution).pageLayout().paintRectPixels(50);
  const QSize canvas = w.maps->Canvas()->size();
  const int mapBottom = paint.top() + paint.width() * canvas.height() / (canvas.width() - 5) + 2;
  const QRect below(0, mapBottom, first.width(), first.height() - mapBottom);
  QCOMPARE(test::DarkPixels(second, below), 0);
  QVERIFY2(test::DarkPixels(first, below) > 50,
           qPrintable(QString::number(test::DarkPixels(first, below))));
}

void MapsWindowTest::MissingCoronaAndMagnetogramsAreSaid() {
  QVERIFY(m_dir.isValid());
  Window w(ThreeSightings().Records);
  w.run.Ctx.ProgDir = m_dir.path().toStdString();
  w.maps->KoronaGrafClick();
  QCOMPARE(w.maps->CurrentView(), MapsWindow::View::Map);
  w.maps->MagnetoSfera1Click();
  QCOMPARE(w.run.Msg.ShownMessages,
           QStringList({"Nejsou data pro koronu", "Nejsou data pro magnetosféru"}));
  QVERIFY(!w.maps->ToolButton("magnetzap")->isChecked());
}

void MapsWindowTest::UnreadableMagnetogramDaysAreSaid() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const Scenario s = ThreeSightings();
  Window w(s.Records);
  w.run.Ctx.ProgDir = dir.path().toStdString();
  // A folder where a day file of the rotation should be: it exists and cannot be read.
  const CalendarDate day = Later(RotationDates(s.Rotation).Start, 3);
  const auto unreadable = std::filesystem::path(dir.path().toStdString()) / kMagnetogramFolder /
                          MagnetogramFileName(day);
  QVERIFY(std::filesystem::create_directories(unreadable));
  w.maps->MagnetoSfera1Click();
  QVERIFY(w.maps->ToolButton("magnetzap")->isChecked());
  Render(*w.maps);
  QTRY_COMPARE(w.run.Msg.ShownMessages.size(), 1);
  QVERIFY2(w.run.Msg.ShownMessages[0].contains(QString::fromStdString(MagnetogramFileName(day))),
           qPrintable(w.run.Msg.ShownMessages[0]));
  QVERIFY(w.run.Msg.ShownMessages[0].contains(QStringLiteral("nelze přečíst")));
  // The same rotation painted again says nothing more.
  Render(*w.maps);
  QTest::qWait(20);
  QCOMPARE(w.run.Msg.ShownMessages.size(), 1);
}

void MapsWindowTest::OpensFromTheMainWindowWithItsPanel() {
  QVERIFY(m_dir.isValid());
  auto records = ThreeSightings().Records;
  records[0].SetRadiusWord(125);  // the drawing radius is known: no question at start-up
  test::MainFrame run(m_dir.path().toStdString(), records);
  MainWindow& frame = run.Window;
  QVERIFY(frame.Action("map")->isEnabled());
  frame.Toolbar()->Button("mapyz")->click();
  QVERIFY(frame.Maps() != nullptr);
  QCOMPARE(frame.Toolbar()->VisiblePanel(), QString("promapu"));
  QVERIFY(!frame.Action("map")->isEnabled());
  frame.Toolbar()->Button("dlouham")->click();
  QCOMPARE(frame.Maps()->CurrentView(), MapsWindow::View::LongMap);
  frame.Toolbar()->Button("SpeedButton10")->click();
  QTRY_VERIFY(frame.Maps() == nullptr);
  QCOMPARE(frame.Toolbar()->VisiblePanel(), QString("zakladni"));
  QVERIFY(frame.Action("map")->isEnabled());
}

void MapsWindowTest::ComparisonShowsTheShiftedRotationBelow() {
  // Spots of rotation R; two rotations later a facular field at the same longitude, 20 south.
  Scenario s = ThreeSightings(5, 1500);
  const CalendarDate first = ParseDate(s.Records[0].Date()).value();
  ObservationRecord later =
      test::MapRecord(DateWithL0(Later(first, 50), s.Longitude - 8, s.Longitude + 8));
  AddFacula(later, s.Longitude, -20);
  s.Records.push_back(later);
  Window w(s.Records);
  QVERIFY(w.maps->ChooseRotationNumber(s.Rotation));
  QCOMPARE(later.Rotation(), s.Rotation + 2);
  w.maps->SetComparison({.Spots = true}, {.Faculae = true}, kComparisonNoShiftPosition + 2);
  QVERIFY(w.maps->ComparisonShown());
  QCOMPARE(w.maps->ComparisonShiftBar()->value(), kComparisonNoShiftPosition + 2);

  const ComparisonHalfFrame upper = ComparisonFrame(ComparisonHalf::Upper, kClient.height());
  const ComparisonHalfFrame lower = ComparisonFrame(ComparisonHalf::Lower, kClient.height());
  const int k = upper.K;
  auto mapArea = [k](const ComparisonHalfFrame& half) {
    return QRect(QPoint(PixelX(360, k) + 1, half.Top + PixelY(90, k) + 1),
                 QPoint(PixelX(0, k) - 1, half.Top + PixelY(-90, k) - 1));
  };
  const QColor facula(255, 200, 200);
  QImage image = Render(*w.maps);
  QVERIFY(IsBlack(image, PixelX(s.Longitude, k), upper.Top + PixelY(13, k)));
  QCOMPARE(image.pixelColor(PixelX(s.Longitude, k), lower.Top + PixelY(-20, k)), facula);
  QCOMPARE(CountColour(image, facula, mapArea(upper)), 0);
  QCOMPARE(CountColour(image, Qt::black, mapArea(lower)), 0);

  // Without the shift the lower map is rotation R, which has no facular field.
  w.maps->ComparisonShiftBar()->setValue(kComparisonNoShiftPosition);
  image = Render(*w.maps);
  QCOMPARE(CountColour(image, facula, mapArea(lower)), 0);
  QVERIFY(IsBlack(image, PixelX(s.Longitude, k), upper.Top + PixelY(13, k)));

  // "Mapa otočky" goes back to the single map with its table.
  w.maps->mapkyClick();
  QVERIFY(!w.maps->ComparisonShown());
  QVERIFY(!w.maps->MenuAction("Srovnani")->isChecked());
  const int single = SingleMapScale(kClient.height());
  QVERIFY(IsBlack(Render(*w.maps), PixelX(s.Longitude, single), PixelY(13, single)));
}

void MapsWindowTest::ComparisonPanelClearsAndRefusesMissingData() {
  QVERIFY(m_dir.isValid());
  const Scenario s = ThreeSightings(5, 1500);
  Window w(s.Records);
  w.run.Ctx.ProgDir = m_dir.path().toStdString();
  w.maps->show();
  w.maps->dlouhamapClick();
  w.maps->SrovnaniClick();
  QCOMPARE(w.maps->CurrentView(), MapsWindow::View::Map);
  QVERIFY(w.maps->ComparisonPanel()->isVisible());
  const ComparisonHalfFrame upper = ComparisonFrame(ComparisonHalf::Upper, kClient.height());
  QVERIFY(IsBlack(Render(*w.maps), PixelX(s.Longitude, upper.K), PixelY(13, upper.K)));

  w.maps->ToolButton("mazaniHor")->click();
  QCOMPARE(w.maps->Layers(ComparisonHalf::Upper), ComparisonLayers{});
  QVERIFY(!IsBlack(Render(*w.maps), PixelX(s.Longitude, upper.K), PixelY(13, upper.K)));

  w.maps->ToolButton("Dkorona")->click();
  w.maps->ToolButton("Hmagnet")->click();
  QCOMPARE(w.run.Msg.ShownMessages,
           QStringList({"Nejsou data pro koronu", "Nejsou data pro magnetosféru"}));
  QVERIFY(!w.maps->ToolButton("Dkorona")->isChecked());
  QVERIFY(!w.maps->ToolButton("Hmagnet")->isChecked());

  w.maps->SrovnaniClick();
  QVERIFY(!w.maps->ComparisonShown());
  QVERIFY(!w.maps->ComparisonPanel()->isVisible());
}

// The cycle comparison read back from magn.dat: refused without the file or with a field that
// does not parse, then one curve per cycle with the cell's share where the painter puts it.
void MapsWindowTest::MagnetCyclesAreComparedFromTheSummary() {
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString();
  test::AppRun run(folder);
  run.Db = test::DatabaseOf(ThreeSightings().Records);
  run.Db.ChooseRecord(run.Db.RecordCount);
  {
    MapsWindow without(run.Ctx);
    without.datamagnetClick();
    QCOMPARE(run.Msg.ShownMessages.size(), 1);
    QVERIFY(run.Msg.ShownMessages.front().contains("magn.dat"));
    QVERIFY(without.MagnetCyclesPanel()->isHidden());
  }
  // One northern cell of the band, polarity above the middle, in the first cycle's third rotation.
  MagnetSummary summary;
  summary.Cells.assign(MagnetRecordsFor(2400) * kMagnetRecordBytes, 0);
  summary.Cells[*MagnetCellIndex(summary, 15.5, 100.5, 1960)] = 12 * 16;
  QVERIFY(!WriteMagnetSummary(folder, summary));
  run.Msg.ShownMessages.clear();
  MapsWindow maps(run.Ctx);
  maps.resize(kClient);
  maps.show();
  maps.datamagnetClick();
  MagnetCyclesBox* box = maps.MagnetCyclesPanel();
  QVERIFY(box->isVisible());
  auto* cycles = box->findChild<QLineEdit*>("cykly");
  auto* confirm = box->findChild<QPushButton*>("potvrdm");
  cycles->setText("tři");
  confirm->click();
  QCOMPARE(maps.CurrentView(), MapsWindow::View::Map);
  QCOMPARE(run.Msg.ShownMessages.size(), 1);
  cycles->setText("2");
  struct Case {
    const char* Polarity;
    double Share;
  };
  for (const Case c : {Case{"vetsi", 100}, Case{"mensi", 0}}) {
    box->findChild<QRadioButton*>(c.Polarity)->click();
    confirm->click();
    QCOMPARE(maps.CurrentView(), MapsWindow::View::MagnetCycles);
    QCOMPARE(maps.windowTitle(), QStringLiteral("Cykly_magnet"));
    const MagnetCycleCurves& curves = *maps.MagnetCycles();
    QCOMPARE(curves.Shares.size(), std::size_t{2});
    QCOMPARE(curves.Shares[0][2].value_or(-1), c.Share);
    QVERIFY(!curves.Shares[0][60]);  // no observation: a gap, not 0 %
    const QImage image = Render(maps);
    const MagnetCyclesFrame f = MagnetCyclesFrameFor(kClient);
    const QRect around(f.X(2) - 1, f.Y(c.Share) - 1, 3, 3);
    QVERIFY2(CountColour(image, MagnetCycleColour(0), around) > 0, c.Polarity);
  }
  QCOMPARE(run.Msg.ShownMessages.size(), 1);
}

// Opening the window does not read magn.dat (megabytes for a long series): a summary that cannot
// be read is told when the cycles are asked for, and one written after the window opened is used.
void MapsWindowTest::MagnetSummaryIsReadWhenTheCyclesAreAskedFor() {
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString();
  test::AppRun run(folder);
  run.Db = test::DatabaseOf(ThreeSightings().Records);
  run.Db.ChooseRecord(run.Db.RecordCount);
  std::filesystem::create_directory(folder / kMagnetSummaryFile);  // present but unreadable
  MapsWindow maps(run.Ctx);
  maps.resize(kClient);
  maps.show();
  QVERIFY(run.Msg.ShownMessages.empty());
  maps.datamagnetClick();
  QCOMPARE(run.Msg.ShownMessages.size(), 1);
  QVERIFY(run.Msg.ShownMessages.front().contains("magn.dat"));
  QVERIFY(maps.MagnetCyclesPanel()->isHidden());

  std::filesystem::remove(folder / kMagnetSummaryFile);
  MagnetSummary summary;
  summary.Cells.assign(MagnetRecordsFor(2400) * kMagnetRecordBytes, 0);
  QVERIFY(!WriteMagnetSummary(folder, summary));
  maps.datamagnetClick();
  QCOMPARE(run.Msg.ShownMessages.size(), 1);
  QVERIFY(maps.MagnetCyclesPanel()->isVisible());
}

QTEST_MAIN(MapsWindowTest)
#include "maps_window_test.moc"
