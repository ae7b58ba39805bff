// SPDX-License-Identifier: GPL-3.0-or-later
// The b/l table under a single map keeps each value inside its column at every scale: on the
// small map of "Skupiny v čase" a longitude such as 136.1 must not run into its neighbour; the
// latitude labels of the frame never touch each other.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "core/maps/map_groups.h"
#include "ui/maps/map_painter.h"

using namespace ardeno;

class MapTableTest : public QObject {
  Q_OBJECT
 private slots:
  void ValuesStayInTheirColumns_data();
  void ValuesStayInTheirColumns();
  void LatitudeLabelsNeverTouch_data();
  void LatitudeLabelsNeverTouch();
};

void MapTableTest::ValuesStayInTheirColumns_data() {
  QTest::addColumn<int>("k");
  QTest::newRow("full size") << 16;
  QTest::newRow("tracks view") << 12;
  QTest::newRow("smallest") << 8;
}

void MapTableTest::ValuesStayInTheirColumns() {
  QFETCH(int, k);
  SingleMapScene scene;
  scene.Rotation = 2147;
  scene.K = k;
  scene.Table.push_back({8, 1, 1, "-20.0", "136.1"});
  const QSize client(MapPixels(780, k), MapPixels(480, k));
  QImage image(client, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintSingleMap(painter, scene, client, false);
  }
  // Column 1 starts at 25 units, column 2 at 55; the l row lies from 425 units down.
  const int nextColumn = MapPixels(55, k);
  const int top = MapPixels(425, k);
  int inkInColumn = 0;
  for (int y = top; y < std::min(image.height(), top + 14); ++y) {
    for (int x = MapPixels(20, k); x < nextColumn + 10; ++x) {
      if (image.pixel(x, y) == QColor(Qt::white).rgb()) continue;
      QVERIFY2(x < nextColumn - 1,
               qPrintable(QString("ink at x %1, next column at %2").arg(x).arg(nextColumn)));
      ++inkInColumn;
    }
  }
  QVERIFY(inkInColumn > 10);
}

void MapTableTest::LatitudeLabelsNeverTouch_data() {
  QTest::addColumn<int>("k");
  QTest::addColumn<int>("step");
  QTest::newRow("full size") << 16 << 10;
  QTest::newRow("tracks view at 1024x768") << 12 << 10;
  QTest::newRow("squeezed") << 8 << 20;
}

void MapTableTest::LatitudeLabelsNeverTouch() {
  QFETCH(int, k);
  QFETCH(int, step);
  SingleMapScene scene;
  scene.Rotation = 2147;
  scene.K = k;
  const QSize client(MapPixels(780, k), MapPixels(480, k));
  QImage image(client, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintSingleMap(painter, scene, client, false);
  }
  // The labels stand left of the grid: count the runs of inked rows there, one per label (a
  // blank row or two inside a glyph's antialiased edge does not part a label), apart by more.
  int labels = 0;
  int blankRows = 3;
  for (int y = MapPixels(33, k); y < MapPixels(402, k); ++y) {
    bool ink = false;
    for (int x = 0; x < MapPixels(19, k); ++x)
      if (image.pixel(x, y) != QColor(Qt::white).rgb()) ink = true;
    if (ink && blankRows >= 3) ++labels;
    blankRows = ink ? 0 : blankRows + 1;
  }
  QCOMPARE(labels, step == 10 ? 19 : 9);
}

QTEST_MAIN(MapTableTest)
#include "map_table_test.moc"
