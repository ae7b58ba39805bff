// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/map_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "core/maps/corona_views.h"
#include "core/maps/map_comparison.h"
#include "core/maps/map_rotation.h"
#include "core/maps/map_table_layout.h"

namespace ardeno {

namespace {

const QColor kFaculaColour(255, 200, 200);
const QColor kOutlineColour(130, 130, 130);
const QColor kAux1Colour(150, 150, 255);
const QColor kAux2Colour(0, 230, 150);
const QColor kScreenGrid(200, 200, 200);
const QColor kHighCodeColour(230, 60, 60);
const QColor kLowCodeColour(40, 70, 230);
const QColor kTrackColour(220, 0, 0);

QFont MapFont(int pixels, bool narrow = false) {
  QFont font(narrow ? QStringLiteral("Serifa BT") : QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixels));
  return font;
}

// Text with its top-left corner at (x, y), as the maps place their labels.
void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QRect(x, y, 2000, 2000), Qt::AlignLeft | Qt::AlignTop, text);
}

void Disc(QPainter& p, const MapDisc& d, const QColor& colour) {
  p.setPen(colour);
  p.setBrush(colour);
  p.drawEllipse(QPoint(d.X, d.Y), d.R, d.R);
}

void LatitudeLabels(QPainter& p, int k) {
  p.setPen(Qt::black);
  const int step = MapLatitudeLabelStep(k, QFontMetrics(p.font()).height());
  for (int i = 2; i <= 20; ++i) {
    const int latitude = 90 - 10 * (i - 2);
    if (latitude % step == 0)
      TextAt(p, MapPixels(4, k), MapPixels(20 * i - 5, k), QString::number(latitude));
  }
}

void CoronaUnderlay(QPainter& p, const CoronaData& corona, std::int64_t firstRow, int k) {
  // One column per day of the rotation, from longitude 360 at the left; each latitude band
  // shaded by the sum of the east and west limb sectors at that latitude.
  p.setPen(Qt::NoPen);
  for (int d = 0; d < 27; ++d) {
    const int row = static_cast<int>(firstRow) + d;
    const int x1 = MapPixels(20 + d * 720 / 27, k);
    const int x2 = MapPixels(20 + (d + 1) * 720 / 27, k);
    for (int band = 1; band <= 36; ++band) {
      const int v = CoronaValue(corona, row, band) + CoronaValue(corona, row, 73 - band);
      const int grey = std::max(0, 255 - v);
      p.setBrush(QColor(grey, grey, grey));
      const int y1 = MapPixels(40 + 10 * (band - 1), k);
      p.drawRect(QRect(QPoint(x1, y1), QPoint(x2, MapPixels(40 + 10 * band, k))));
    }
  }
}

}  // namespace

int MapLatitudeLabelStep(int k, int textHeight) {
  // The grid lines are 10 degrees (20 map units) apart; a label needs its text's height.
  for (const int step : {10, 20, 30})
    if (MapPixels(20 * step / 10, k) >= textHeight) return step;
  return 90;
}

int SingleMapScale(int clientHeight) { return std::max(1, clientHeight * 16 / 510); }

SingleMapScene PrepareSingleMapScene(const Database& db, const MapSightings& sightings,
                                     int rotation, int k, int areaMultiple, bool faculae,
                                     bool outlines) {
  SingleMapScene scene;
  scene.Rotation = rotation;
  scene.K = k;
  const MapRecordRange range = RecordRangeOf(db, rotation);
  if (faculae) scene.Faculae = MapFaculae(sightings, range, rotation);
  const GroupMapStats stats = AccumulateGroups(sightings, range, rotation, k);
  scene.Groups = MapGroupDrawings(stats, k, areaMultiple, outlines);
  scene.Table = MapTable(stats);
  return scene;
}

void PaintTrackPath(QPainter& p, const std::vector<MapUnitPoint>& path, int k) {
  if (path.empty()) return;
  QPolygon line;
  for (const MapUnitPoint& point : path)
    line << QPoint(MapPixels(point.X, k), MapPixels(point.Y, k));
  p.setPen(QPen(kTrackColour, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(line);
  p.setBrush(kTrackColour);
  const int r = std::max(2, k / 8);
  for (const QPoint& point : line) p.drawEllipse(point, r, r);
}

void PaintSingleMap(QPainter& p, const SingleMapScene& s, QSize client, bool printing) {
  const int k = s.K;
  auto px = [k](int units) { return MapPixels(units, k); };
  const QRect mapRect(QPoint(px(20), px(40)), QPoint(px(740), px(400)));

  // Underlays.
  if (s.MagnetospherePicture) p.drawImage(mapRect, *s.MagnetospherePicture);
  if (s.Corona) CoronaUnderlay(p, *s.Corona, s.CoronaDayIndex, k);
  if (s.Magnetosphere) {
    for (const MagnetospherePoint& point : s.Magnetosphere->Points) {
      p.setPen(point.HighCode ? kHighCodeColour : kLowCodeColour);
      p.drawPoint(px(point.X), px(point.Y));
    }
  }

  // Frame.
  p.setFont(MapFont(11));
  p.setBrush(Qt::NoBrush);
  LatitudeLabels(p, k);
  p.setPen(QPen(printing ? Qt::black : kScreenGrid, 1));
  for (int i = 2; i <= 20; ++i) p.drawLine(px(20), px(20 * i), px(740), px(20 * i));
  for (int j = 1; j <= 37; ++j) p.drawLine(px(20 * j), px(40), px(20 * j), px(400));
  p.setPen(Qt::black);
  const int longitudes[4] = {270, 180, 90, 0};
  for (int m = 1; m <= 4; ++m)
    TextAt(p, px(180 * m + 12), px(403) - 2, QString::number(longitudes[m - 1]));

  // Facular fields.
  p.setPen(kFaculaColour);
  p.setBrush(kFaculaColour);
  for (const MapPolygon& polygon : s.Faculae) {
    QPolygon q;
    for (const MapUnitPoint& v : polygon) q << QPoint(px(v.X), px(v.Y));
    p.drawPolygon(q);
  }

  // Groups.
  for (const MapGroupDrawing& g : s.Groups) {
    if (g.Aux1) {
      if (g.Outline) {
        QPolygon q;
        for (const LensPoint& point : *g.Outline) q << QPoint(point.X, point.Y);
        p.setPen(kOutlineColour);
        p.setBrush(kOutlineColour);
        p.drawPolygon(q);
      }
      Disc(p, *g.Aux1, kAux1Colour);
    }
    if (g.Aux2) Disc(p, *g.Aux2, kAux2Colour);
    if (g.Group) Disc(p, *g.Group, Qt::black);
  }

  // The b/l table under the map.
  p.setPen(Qt::black);
  QFont tableFont = MapFont(kMapTableFontPixels, s.NarrowFont);
  tableFont.setPixelSize(
      MapTableFontPixels(QFontMetrics(tableFont).horizontalAdvance(QStringLiteral("000.0")), k));
  p.setFont(tableFont);
  for (const MapTableText& text : MapTableTexts(s.Table))
    TextAt(p, px(text.X), px(text.Y), QString::fromStdString(text.Text));

  // Discs must not spill past the map's edges.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRect(QPoint(0, px(40) - 1), QPoint(px(19), px(400) + 1)));
  p.drawRect(QRect(QPoint(px(741), px(40) - 1), QPoint(client.width(), px(400) + 1)));
  p.setFont(MapFont(15));
  p.setPen(Qt::black);
  QString title =
      QCoreApplication::translate("Ardeno", "Číslo rotace  ") + QString::number(s.Rotation);
  if (!s.Dates.empty()) title += QStringLiteral("     ") + QString::fromStdString(s.Dates);
  TextAt(p, 10, 10, title);
  p.setFont(MapFont(11));
  LatitudeLabels(p, k);
}

void PaintComparison(QPainter& p, const ComparisonScene& scene, QSize client, bool printing) {
  for (const ComparisonHalf half : {ComparisonHalf::Upper, ComparisonHalf::Lower}) {
    const ComparisonHalfFrame frame = ComparisonFrame(half, client.height());
    p.save();
    // A disc at the edge of one map must not reach into the other.
    p.setClipRect(QRect(0, frame.Top, client.width(), frame.Height));
    p.translate(0, frame.Top);
    PaintSingleMap(p, half == ComparisonHalf::Upper ? scene.Upper : scene.Lower,
                   QSize(client.width(), frame.Height), printing);
    p.restore();
  }
  p.setPen(QPen(Qt::black, 1));
  const int middle = ComparisonFrame(ComparisonHalf::Lower, client.height()).Top;
  p.drawLine(0, middle, client.width(), middle);
}

StripScene PrepareStripScene(const Database& db, const MapSightings& sightings,
                             StripVariant variant, int k, int first, int count, int areaMultiple) {
  StripScene scene;
  scene.Variant = variant;
  scene.K = k;
  scene.Strips = BuildStrips(db, sightings, variant, k, first, count, areaMultiple);
  for (const Strip& strip : scene.Strips)
    scene.StartYears.push_back(RotationDates(strip.Rotation).Start.Year);
  return scene;
}

namespace {

void LongMapFrame(QPainter& p, const StripScene& s, QSize client) {
  const int k = s.K;
  p.setPen(QPen(kScreenGrid, 1));
  for (int m = -5; m <= 5; ++m) {
    const int y = (350 - 60 * m) * k / 2;
    p.drawLine(0, y, client.width(), y);
  }
  p.setFont(MapFont(6 * k));
  for (std::size_t i = 0; i < s.Strips.size(); ++i) {
    const int x = StripLeft(s.Variant, k, static_cast<int>(i));
    p.setPen(Qt::black);
    p.drawLine(x, 10 * k / 2, x, 650 * k / 2);
    TextAt(p, x + 2 * k, 650 * k / 2, QString::number(s.Strips[i].Rotation).rightJustified(4, '0'));
  }
  p.setPen(Qt::black);
  for (int m = -5; m <= 5; ++m)
    TextAt(p, 1, (350 - 60 * m) * k / 2 - 7 * k / 2, QString::number(10 * m));
}

void HighMapFrame(QPainter& p, const StripScene& s) {
  const int k = s.K;
  const int count = static_cast<int>(s.Strips.size());
  const auto longitudeX = [&](int l) { return StripX(s.Variant, k, 0, l); };
  p.setPen(QPen(kScreenGrid, std::max(1, k - 1)));
  const int bottom = StripBase(s.Variant, k, count - 1) + 20 * k;
  for (int l = 360; l >= 0; l -= 30) p.drawLine(longitudeX(l), 10 * k, longitudeX(l), bottom);
  p.setPen(Qt::black);
  p.setFont(MapFont(4 * k));
  for (int i = 0; i < count; ++i) {
    TextAt(p, 5 * k, 25 * k + 40 * k * i - 4 * k,
           QString::number(s.Strips[static_cast<std::size_t>(i)].Rotation));
    p.setPen(QPen(kScreenGrid, 1));
    const int y = StripBase(s.Variant, k, i);
    p.drawLine(longitudeX(360), y, longitudeX(0), y);
    p.setPen(Qt::black);
  }
  for (int l = 360; l >= 0; l -= 30)
    TextAt(p, longitudeX(l) - 4 * k, bottom + k, QString::number(l));
}

void TwoMapsFrame(QPainter& p, const StripScene& s) {
  const int k = s.K;
  p.setFont(MapFont(7 * k));
  for (std::size_t i = 0; i < s.Strips.size(); ++i) {
    const int strip = static_cast<int>(i);
    const int left = StripX(s.Variant, k, strip, 360);
    const int right = StripX(s.Variant, k, strip, 0);
    const int top = StripY(s.Variant, k, strip, 90);
    const int bottom = StripY(s.Variant, k, strip, -90);
    p.setPen(QPen(kScreenGrid, 1));
    for (int b = -60; b <= 60; b += 30)
      p.drawLine(left, StripY(s.Variant, k, strip, b), right, StripY(s.Variant, k, strip, b));
    for (int l = 0; l <= 360; l += 30)
      p.drawLine(StripX(s.Variant, k, strip, l), top, StripX(s.Variant, k, strip, l), bottom);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    TextAt(
        p, 10 * k, top,
        QCoreApplication::translate("Ardeno", "Rotace ") + QString::number(s.Strips[i].Rotation));
    TextAt(p, 10 * k, top + 10 * k,
           QCoreApplication::translate("Ardeno", "Rok ") + QString::number(s.StartYears[i]));
    for (int l = 0; l <= 360; l += 90)
      TextAt(p, StripX(s.Variant, k, strip, l) - 4 * k, bottom + k, QString::number(l));
  }
}

}  // namespace

void PaintStrips(QPainter& p, const StripScene& s, QSize client) {
  if (s.Strips.empty()) return;
  switch (s.Variant) {
    case StripVariant::Long:
      LongMapFrame(p, s, client);
      break;
    case StripVariant::High:
      HighMapFrame(p, s);
      break;
    case StripVariant::Two:
      TwoMapsFrame(p, s);
      break;
  }
  for (const Strip& strip : s.Strips)
    for (const StripGroup& g : strip.Groups) Disc(p, g.Disc, Qt::black);
}

}  // namespace ardeno
