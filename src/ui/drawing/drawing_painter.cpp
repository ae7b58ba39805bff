// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/drawing_painter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <optional>

#include "core/drawing/disk_grid.h"
#include "core/drawing/frame_texts.h"
#include "core/drawing/group_marks.h"
#include "core/shell/pad_blanks.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

const QColor kDiskScreen(255, 255, 180);
const QColor kDiskSpecial(255, 0, 0);
const QColor kFaculaPen(255, 150, 150);
const QColor kFaculaBrush(255, 200, 200);
const QColor kSpotCountColour(0, 0, 255);
// The ring around the group a finding of the data check concerns; reference units beyond its
// circle.
const QColor kMarkColour(230, 0, 0);
constexpr int kMarkRingGap = 8;
const QColor kNoaaColour(0, 130, 0);
constexpr int kNoaaCrossArm = 5;

QColor ToColor(const Rgb& c) { return QColor(c.R, c.G, c.B); }

// Paints in reference units; texts are placed by the top of their line, as the layout gives them.
// The group table's columns stand GroupTableColumn(2) - GroupTableColumn(1) apart; a cell keeps
// a few units free before the next.
constexpr int kTableCellWidth = 34;
// The first labels stand before the record's values, the others before the results rows.
constexpr int kLabelledValues = 12;
constexpr int kLabelGap = 6;

class DrawingCanvas {
 public:
  DrawingCanvas(QPainter& painter, const DrawingView& view) : m_p(painter), m_view(view) {}

  int S(int v) const { return m_view.Scale.S(v); }
  void UseFont(bool serif, int nominalSize) {
    const int key = nominalSize * 2 + (serif ? 1 : 0);
    if (key == m_fontKey) return;
    m_fontKey = key;
    m_p.setFont(DrawingFont(serif, m_view.Scale.F(nominalSize)));
    m_ascent = m_p.fontMetrics().ascent();
  }
  void Text(int x, int y, const QString& text) { m_p.drawText(S(x), S(y) + m_ascent, text); }
  // A cell of the group table: a text wider than its column (a five-digit NOAA number) is drawn
  // smaller in the same face, so that neighbouring cells never run together.
  void CellText(int x, int y, const QString& text) { FittedText(x, y, text, kTableCellWidth); }
  // A text kept within `width` reference units: a wider one is drawn smaller in the same face.
  void FittedText(int x, int y, const QString& text, int width) {
    FittedTextInPixels(x, y, text, S(width));
  }
  // The same within `room` pixels.
  void FittedTextInPixels(int x, int y, const QString& text, int room) {
    const int advance = m_p.fontMetrics().horizontalAdvance(text);
    if (advance <= room) {
      Text(x, y, text);
      return;
    }
    const QFont kept = m_p.font();
    QFont narrow = kept;
    narrow.setPixelSize(std::max(1, kept.pixelSize() * room / advance));
    m_p.setFont(narrow);
    m_p.drawText(S(x), S(y) + m_ascent, text);
    m_p.setFont(kept);
  }
  // Right-aligned in the field x..x + width, measured in the font that draws it (padding with
  // blanks of another font's width would leave the column ragged).
  void RightText(int x, int y, const std::string& text, int width) {
    m_p.drawText(RightTextLeft(x, text, width), S(y) + m_ascent, QString::fromStdString(text));
  }
  // The pixel where RightText starts the text: left of x when the text is wider than its field.
  int RightTextLeft(int x, const std::string& text, int width) {
    const int right = S(x + width - kBlankWidth);
    return right - m_p.fontMetrics().horizontalAdvance(QString::fromStdString(text));
  }
  QPolygon Scaled(const std::vector<RefPoint>& points) const {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const RefPoint& pt : points) polygon << QPoint(S(pt.X), S(pt.Y));
    return polygon;
  }
  // Ellipse in the bounding box (x1, y1)..(x2, y2) in pixels.
  void Ellipse(int x1, int y1, int x2, int y2) { m_p.drawEllipse(x1, y1, x2 - x1, y2 - y1); }
  void PenAndBrush(const QColor& pen, const QColor& brush) {
    m_p.setPen(pen);
    m_p.setBrush(brush);
  }
  QPainter& P() { return m_p; }

 private:
  QPainter& m_p;
  const DrawingView& m_view;
  int m_fontKey = -1;
  int m_ascent = 0;
};

void DrawHeading(DrawingCanvas& c, const FrameTexts* texts) {
  c.UseFont(false, 13);
  const auto line = [](const std::string* text, const char* empty) {
    return text ? QString::fromStdString(*text) : QCoreApplication::translate("Ardeno", empty);
  };
  c.Text(540, 20,
         line(texts ? &texts->DateLine : nullptr,
              QT_TRANSLATE_NOOP("Ardeno", "Datum :             ")));
  c.Text(540, 45,
         line(texts ? &texts->ObserverLine : nullptr,
              QT_TRANSLATE_NOOP("Ardeno", "Pozorovatel :   ")));
  c.Text(540, 70,
         line(texts ? &texts->StationLine : nullptr,
              QT_TRANSLATE_NOOP("Ardeno", "Stanice :           ")));
}

void DrawLabelsAndValues(DrawingCanvas& c, const FrameTexts* texts) {
  c.UseFont(true, 12);
  // A label ends a few units before its value ("Polokoule" and its sum would otherwise read as
  // one word): before the value's column, or before the value itself where a four-digit sum is
  // wider than its field at a small scale.
  const auto valueLeft = [&](int i) {
    const bool labelled = i <= kLabelledValues;
    int left = c.S(labelled ? kValueX : kSumX);
    if (!texts) return left;
    const auto index = static_cast<std::size_t>(labelled ? i - 1 : i - 1 - kLabelledValues);
    if (labelled && index < texts->Values.size())
      left = std::min(left, c.RightTextLeft(kValueX, texts->Values[index], kValueWidth));
    if (!labelled && index < texts->Results.size() && !texts->Results[index].Sum.empty())
      left = std::min(left, c.RightTextLeft(kSumX, texts->Results[index].Sum, kResultWidth));
    return left;
  };
  for (int i = 1; i <= static_cast<int>(kValueLabels.size()); ++i) {
    c.FittedTextInPixels(kValueLabelX, ValueLabelY(i),
                         QString::fromStdString(ValueLabel(static_cast<std::size_t>(i - 1))),
                         valueLeft(i) - c.S(kValueLabelX) - c.S(kLabelGap));
  }
  c.Text(20, kTableTypeRow, QCoreApplication::translate("Ardeno", "Typ"));
  c.Text(20, kTableLatitudeRow, "b");
  c.Text(20, kTableLongitudeRow, "l");
  c.Text(10, kTableSpotCountRow, QCoreApplication::translate("Ardeno", "p.skv."));
  c.Text(10, 630, QCoreApplication::translate("Ardeno", "č. sku."));
  if (!texts) return;
  for (int v = 0; v < static_cast<int>(texts->Values.size()); ++v)
    c.RightText(kValueX, ValueY(v), texts->Values[v], kValueWidth);
  for (int j = 0; j < static_cast<int>(texts->Results.size()); ++j) {
    const ResultRowTexts& row = texts->Results[j];
    if (!row.Sum.empty()) c.RightText(kSumX, ResultRowY(j), row.Sum, kResultWidth);
    if (!row.North.empty()) c.RightText(kNorthX, ResultRowY(j), row.North, kResultWidth);
    if (!row.South.empty()) c.RightText(kSouthX, ResultRowY(j), row.South, kResultWidth);
  }
  if (texts->ShowFaculaArea) {
    c.Text(kFaculaAreaLabelX, kFaculaAreaY, QCoreApplication::translate("Ardeno", "Plocha fakulí"));
    c.Text(kFaculaAreaValueX, kFaculaAreaY, QString::fromStdString(texts->FaculaArea));
  }
}

void DrawDisk(DrawingCanvas& c, const DrawingView& view, bool special) {
  c.UseFont(false, 12);
  c.PenAndBrush(Qt::black, special           ? kDiskSpecial
                           : view.ForPicture ? QColor(Qt::white)
                                             : kDiskScreen);
  const PixelBox box = view.Scale.DiskBox();
  c.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
  c.P().setBrush(Qt::white);
  c.Text(10, 270, view.MirrorX == 1 ? "W" : "E");
  c.Text(540, 270, view.MirrorX == 1 ? "E" : "W");
  c.Text(270, 10, view.MirrorY == 1 ? "N" : "S");
}

void DrawGrid(DrawingCanvas& c, const DrawingView& view, const SolarEphemeris& eph) {
  c.P().setPen(Qt::black);
  for (const std::vector<RefPoint>& circle : LatitudeCircles(eph, view.MirrorX, view.MirrorY))
    c.P().drawPolyline(c.Scaled(circle));
  const std::vector<RefPoint> meridian = ZeroMeridian(eph, view.MirrorX, view.MirrorY);
  if (!meridian.empty()) c.P().drawPolyline(c.Scaled(meridian));
}

void DrawUnderlay(DrawingCanvas& c, const std::vector<UnderlayPixel>& underlay) {
  for (const UnderlayPixel& pixel : underlay) {
    c.P().setPen(QColor(pixel.Shade, pixel.Shade, 255));
    c.P().drawPoint(c.S(pixel.X), c.S(pixel.Y));
  }
}

// A small cross and the region's number beside it, above the groups so that both stay readable.
void DrawNoaaRegions(DrawingCanvas& c, const std::vector<RegionMark>& marks) {
  c.P().setPen(QPen(kNoaaColour, 2));
  for (const RegionMark& mark : marks) {
    const int x = c.S(mark.X);
    const int y = c.S(mark.Y);
    const int arm = c.S(kNoaaCrossArm);
    c.P().drawLine(x - arm, y, x + arm, y);
    c.P().drawLine(x, y - arm, x, y + arm);
    c.P().drawText(x + arm + 2, y - arm, QString::number(mark.Region));
  }
  c.PenAndBrush(Qt::black, Qt::white);
}

void DrawFaculae(DrawingCanvas& c, const DrawingView& view, const ObservationRecord& record) {
  c.PenAndBrush(kFaculaPen, kFaculaBrush);
  for (int k = 1; k <= record.FacularCount(); ++k)
    c.P().drawPolygon(c.Scaled(FaculaPolygon(record, k, view.MirrorX, view.MirrorY)));
  c.PenAndBrush(Qt::black, Qt::white);
}

void DrawAuxSpot(DrawingCanvas& c, const AuxSpotMark& spot, const QColor& colour) {
  c.PenAndBrush(colour, colour);
  c.Ellipse(c.S(spot.X), c.S(spot.Y), c.S(spot.X) + 2 * spot.Rho, c.S(spot.Y) + 2 * spot.Rho);
}

void DrawGroups(DrawingCanvas& c, const DrawingView& view, const ObservationRecord& record,
                const SolarEphemeris& eph) {
  const std::array<GroupCircle, 40> circles =
      ComputeGroupCircles(record, view.MirrorX, view.MirrorY);
  static const std::array<LensPoint, 13> lensShape = InitLensShape();
  const bool normal = !record.IsSpecial();
  for (int i = 1; i <= record.GroupCount(); ++i) {
    const GroupCircle& g = circles[i - 1];
    const QColor colour = ToColor(ClassColour(record.GroupType(i)));
    if (record.Aux1Position(i) != 0) {
      const AuxSpotMark spot = AuxSpot(record.Aux1Position(i), record.Aux1Area(i), view.MirrorX,
                                       view.MirrorY, view.Scale);
      if (view.LensesShown) {
        const std::array<LensPoint, 13> lens =
            PlaceLens(lensShape, c.S(g.X) + g.R, c.S(g.Y) + g.R, c.S(spot.X) + spot.Rho,
                      c.S(spot.Y) + spot.Rho);
        QPolygon polygon;
        for (const LensPoint& pt : lens) polygon << QPoint(pt.X, pt.Y);
        c.PenAndBrush(colour, colour);
        c.P().drawPolygon(polygon);
      }
      DrawAuxSpot(c, spot, ToColor(kFirstAuxSpotColour));
    }
    if (record.Aux2Position(i) != 0) {
      DrawAuxSpot(c,
                  AuxSpot(record.Aux2Position(i), record.Aux2Area(i), view.MirrorX, view.MirrorY,
                          view.Scale),
                  ToColor(kSecondAuxSpotColour));
    }
    c.UseFont(true, 10);
    const int x = GroupTableColumn(i);
    c.P().setPen(kSpotCountColour);
    c.CellText(x, kTableSpotCountRow, QString::number(record.SpotCount(i)));
    c.P().setPen(Qt::black);
    c.CellText(x, kTableGroupNumberRow, QString::number(record.GroupNumber(i)));
    c.CellText(x, kTableRotationNumberRow, QString::number(record.RotationGroupNumber(i)));
    c.CellText(x, kTableTypeRow, QString::fromStdString(record.GroupType(i)));
    if (normal) {
      const HeliographicPosition pos =
          PolarToHeliographic(eph, record.Angle10(i), record.Distance10(i));
      const RefPoint beside = RotationNumberPosition(g);
      c.Text(beside.X, beside.Y, QString::number(record.RotationGroupNumber(i)));
      c.CellText(x, kTableLongitudeRow,
                 QString::fromStdString(FormatFloat("0.0", pos.HelioLongitude)));
      c.CellText(x, kTableLatitudeRow,
                 QString::fromStdString(FormatFloat("0.0", pos.HelioLatitude)));
      const int r = ScaledCircleRadius(g.R, view.Scale);
      c.PenAndBrush(Qt::black, ToColor(kGroupCircleColour));
      c.Ellipse(c.S(g.X), c.S(g.Y), c.S(g.X) + 2 * r, c.S(g.Y) + 2 * r);
    }
    if (i == view.MarkedGroup) {
      // Outside the group's circle, so that the group itself stays readable.
      const int r = ScaledCircleRadius(g.R, view.Scale);
      const int ring = r + c.S(kMarkRingGap);
      const int cx = c.S(g.X) + r;
      const int cy = c.S(g.Y) + r;
      c.P().setPen(QPen(kMarkColour, 3));
      c.P().setBrush(Qt::NoBrush);
      c.P().drawEllipse(QPoint(cx, cy), ring, ring);
    }
    c.PenAndBrush(Qt::black, Qt::white);
  }
}

}  // namespace

QFont DrawingFont(bool serif, int pointSize) {
  QFont font;
  // The narrow faces keep the value column and the group table as tight as they were drawn.
  font.setFamilies(serif ? QStringList{"Serifa BT", "DejaVu Serif Condensed", "DejaVu Serif"}
                         : QStringList{"MS Sans Serif", "DejaVu Sans"});
  // Point sizes are meant at 96 dots per inch, on the screen and in pictures alike.
  font.setPixelSize(std::max(1, pointSize * 96 / 72));
  return font;
}

int MeasureDrawingFaculae(const ObservationRecord* record, const DrawingView& view,
                          FaculaBitmap& bitmap) {
  if (record == nullptr || !RecordEphemeris(*record)) return 0;
  bitmap.Clear();
  return MeasureFaculaPixels(*record, view.MirrorX, view.MirrorY, bitmap);
}

void PaintDrawing(QPainter& painter, int width, int height, const ObservationRecord* record,
                  const DrawingView& view, int faculaPixels) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(0, 0, width, height, Qt::white);
  painter.setBackgroundMode(Qt::TransparentMode);
  DrawingCanvas canvas(painter, view);

  const std::optional<SolarEphemeris> eph =
      record ? RecordEphemeris(*record) : std::optional<SolarEphemeris>{};
  std::optional<FrameTexts> texts;
  if (eph) texts = BuildFrameTexts(*record, *eph, ComputeDayResults(*record, *eph), faculaPixels);
  DrawHeading(canvas, texts ? &*texts : nullptr);
  DrawLabelsAndValues(canvas, texts ? &*texts : nullptr);
  DrawDisk(canvas, view, eph && record->IsSpecial());
  if (eph) {
    DrawGrid(canvas, view, *eph);
    if (view.Underlay != nullptr) DrawUnderlay(canvas, *view.Underlay);
    DrawFaculae(canvas, view, *record);
    DrawGroups(canvas, view, *record, *eph);
    if (view.NoaaRegions != nullptr) DrawNoaaRegions(canvas, *view.NoaaRegions);
  }
  painter.restore();
}

}  // namespace ardeno
