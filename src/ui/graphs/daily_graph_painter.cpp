// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/daily_graph_painter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>

#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"
#include "ui/shell/pad_to_width.h"

namespace ardeno {

namespace {

const QColor kGridGrey(200, 200, 200);
const QColor kNorthRed(255, 0, 0);
const QColor kSouthBlue(0, 0, 255);
constexpr int kPanelGap = 25;
constexpr int kGridLines = 10;

constexpr std::array<const char*, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("Ardeno", "Leden"),    QT_TRANSLATE_NOOP("Ardeno", "Únor"),
    QT_TRANSLATE_NOOP("Ardeno", "Březen"),   QT_TRANSLATE_NOOP("Ardeno", "Duben"),
    QT_TRANSLATE_NOOP("Ardeno", "Květen"),   QT_TRANSLATE_NOOP("Ardeno", "Červen"),
    QT_TRANSLATE_NOOP("Ardeno", "Červenec"), QT_TRANSLATE_NOOP("Ardeno", "Srpen"),
    QT_TRANSLATE_NOOP("Ardeno", "Září"),     QT_TRANSLATE_NOOP("Ardeno", "Říjen"),
    QT_TRANSLATE_NOOP("Ardeno", "Listopad"), QT_TRANSLATE_NOOP("Ardeno", "Prosinec")};
// June and July share their Czech short name: the month tells their translations apart.
struct ShortMonthName {
  const char* Text;
  const char* Month;
};
constexpr std::array<ShortMonthName, 12> kMonthShortNames = {{
    QT_TRANSLATE_NOOP3("Ardeno", "Led", "January"),
    QT_TRANSLATE_NOOP3("Ardeno", "Úno", "February"),
    QT_TRANSLATE_NOOP3("Ardeno", "Bře", "March"),
    QT_TRANSLATE_NOOP3("Ardeno", "Dub", "April"),
    QT_TRANSLATE_NOOP3("Ardeno", "Kvě", "May"),
    QT_TRANSLATE_NOOP3("Ardeno", "Čer", "June"),
    QT_TRANSLATE_NOOP3("Ardeno", "Čer", "July"),
    QT_TRANSLATE_NOOP3("Ardeno", "Srp", "August"),
    QT_TRANSLATE_NOOP3("Ardeno", "Zář", "September"),
    QT_TRANSLATE_NOOP3("Ardeno", "Říj", "October"),
    QT_TRANSLATE_NOOP3("Ardeno", "Lis", "November"),
    QT_TRANSLATE_NOOP3("Ardeno", "Pro", "December"),
}};

struct Panel {
  int Number;  // 1 whole disk, 2 north, 3 south
  int Baseline;
};

std::vector<Panel> ShownPanels(const DailyGraphPlot& plot, DailyView view, const DailyFrame& f) {
  const DailyGeometry& g = plot.Geometry();
  switch (view) {
    case DailyView::All:
      return {{1, g.Baseline(1) + f.Top}, {2, g.Baseline(2) + f.Top}, {3, g.Baseline(3) + f.Top}};
    case DailyView::Whole:
      return {{1, g.SingleBaseline() + f.Top}};
    case DailyView::North:
      return {{2, g.SingleBaseline() + f.Top}};
    case DailyView::South:
      return {{3, g.SingleBaseline() + f.Top}};
  }
  return {};
}

QString PanelLabel(const DailyGraphPlot& plot, int panel) {
  static constexpr std::array<const char*, 3> kHemispheres = {
      QT_TRANSLATE_NOOP("Ardeno", "SEVER + JIH"), QT_TRANSLATE_NOOP("Ardeno", "SEVER"),
      QT_TRANSLATE_NOOP("Ardeno", "JIH")};
  static constexpr std::array<const char*, 3> kZones = {QT_TRANSLATE_NOOP("Ardeno", "Východ"),
                                                        QT_TRANSLATE_NOOP("Ardeno", "Střed"),
                                                        QT_TRANSLATE_NOOP("Ardeno", "Západ")};
  const bool zones = plot.Graph() == DailyGraph::EastWest;
  const char* name = (zones ? kZones : kHemispheres)[static_cast<std::size_t>(panel - 1)];
  return QCoreApplication::translate("Ardeno", name) + "   " +
         QString::fromStdString(DailyGraphTitle(plot.Info()));
}

// Screen pixels in the frame's device: a printed page scales them to its dots.
int Scaled(const DailyFrame& f, int pixels) { return static_cast<int>(pixels * f.FontScale); }

void PaintFrame(QPainter& p, const DailyGraphPlot& plot, const Panel& panel, int m,
                const DailyFrame& f) {
  const int r = plot.Geometry().RowHeight;
  const int b = panel.Baseline;
  const int dayWidth = plot.DayWidth();
  const int left = f.PlotLeft - f.Scroll;
  const int right = plot.Axis().LastX() + 200 + left - 50;
  // The row height is in the device's own pixels already (printer dots on a page): the year
  // follows it without the font scale, or a printed year would be inches tall.
  const QFont yearFont = GraphFont(std::max(1, 12 * r / 17), 1.0);
  // Month names are written small once the first January (month 0) set the size.
  const QFont smallFont = GraphFont(7, f.FontScale);
  p.setFont(smallFont);
  const int e = m == 1 ? 5 : -7;
  const int labelWidth = static_cast<int>(120 * f.FontScale) + 200;
  for (const MonthTick& tick : plot.Ticks()) {
    const int x = tick.X + left;
    if (x > f.Width || x + labelWidth < 0) continue;  // off the visible strip
    const bool january = tick.Month == 1;
    if (january) {
      p.setFont(yearFont);
      p.setPen(Qt::black);
      const int top = b - (11 * r + e) * m;
      TextAt(p, x, top, QString::number(tick.Year));
      const int labelX = plot.Graph() == DailyGraph::EastWest ? x + 70 : x + 3 * r;
      TextAt(p, labelX, top, PanelLabel(plot, panel.Number));
      p.setFont(smallFont);
    }
    p.setPen(january ? QColor(Qt::black) : kGridGrey);
    p.drawLine(x, b + 10, x, b - 10 * r * m);
    p.setPen(Qt::black);
    const std::size_t month = static_cast<std::size_t>(tick.Month - 1);
    if (dayWidth > 1)
      TextAt(p, x + 10, b + 2, QCoreApplication::translate("Ardeno", kMonthNames[month]));
    else
      TextAt(p, x + 3, b + 2,
             QCoreApplication::translate("Ardeno", kMonthShortNames[month].Text,
                                         kMonthShortNames[month].Month));
  }
  for (int k = 0; k <= kGridLines; ++k) {
    p.setPen(k == 0 ? QColor(Qt::black) : kGridGrey);
    const int y = b - k * r * m;
    p.drawLine(std::max(left, -1), y, std::min(right, f.Width + 1), y);
  }
  p.setPen(Qt::black);
  p.setFont(GraphFont(8, f.FontScale));
  for (int k = 1; k <= kGridLines; ++k) {
    const QString text =
        PadToWidth(p.fontMetrics(), QString::number(plot.AxisLabel(k)), Scaled(f, 30));
    TextAt(p, Scaled(f, 10) - f.Scroll, b - k * r * m - Scaled(f, 8), text);
  }
}

// The visible part of a curve (with one point beyond each edge) as a polyline.
void PaintCurve(QPainter& p, const DailyGraphPlot& plot, int baseline, int m, const DailyFrame& f,
                const QColor& colour, int width, int panel) {
  const std::vector<int>& xs = plot.Axis().RecordX;
  if (xs.size() < 2) return;
  const int left = f.PlotLeft - f.Scroll;
  const DailyValues& values = plot.Scaled();
  QPolygon line;
  line.reserve(static_cast<int>(std::min<std::size_t>(xs.size(), 4 * f.Width + 4)));
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const int x = xs[i] + left;
    if (x < 0 && i + 1 < xs.size() && xs[i + 1] + left < 0) continue;
    line << QPoint(x, baseline - DailyPanelValue(values, plot.Graph(), panel, i) * m);
    if (x > f.Width) break;
  }
  p.setPen(QPen(colour, width));
  p.drawPolyline(line);
}

}  // namespace

const char* DailyViewTitle(DailyView view) {
  switch (view) {
    case DailyView::All:
      return QT_TRANSLATE_NOOP("Ardeno", "Celkový  Sever  Jih   -");
    case DailyView::Whole:
      return QT_TRANSLATE_NOOP("Ardeno", "Celkový   -");
    case DailyView::North:
      return QT_TRANSLATE_NOOP("Ardeno", "Sever   -");
    case DailyView::South:
      return QT_TRANSLATE_NOOP("Ardeno", "Jih   -");
  }
  return kDailyOpeningViewTitle;
}

QString DailyGraphCaption(const char* viewTitle, const DailyGraphPlot& plot) {
  return QCoreApplication::translate("Ardeno", "Graf   ") +
         QCoreApplication::translate("Ardeno", viewTitle) +
         QString::fromStdString(DailyGraphTitle(plot.Info()));
}

QString DailyGraphFileCaption(const char* viewTitle, const DailyGraphPlot& plot) {
  return QStringLiteral("Graf   ") + QString::fromUtf8(viewTitle) + GraphText(plot.Info().Title);
}

void PaintDailyGraph(QPainter& p, const DailyGraphPlot& plot, DailyView view, const DailyFrame& f) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  const int m = view == DailyView::All ? 1 : 3;
  const bool zones = plot.Graph() == DailyGraph::EastWest;
  for (const Panel& panel : ShownPanels(plot, view, f)) {
    p.setPen(QPen(Qt::black, 1));
    PaintFrame(p, plot, panel, m, f);
    switch (panel.Number) {
      case 1:
        PaintCurve(p, plot, panel.Baseline, m, f, Qt::black,
                   zones ? f.HemisphereCurveWidth : f.WholeCurveWidth, 1);
        break;
      case 2:
        PaintCurve(p, plot, panel.Baseline, m, f, kNorthRed, f.HemisphereCurveWidth, 2);
        break;
      default:
        PaintCurve(p, plot, panel.Baseline, m, f, kSouthBlue, f.HemisphereCurveWidth, 3);
        break;
    }
  }
  p.restore();
}

void PaintDailyScale(QPainter& p, const DailyGraphPlot& plot, DailyView view, const DailyFrame& f) {
  p.save();
  const int m = view == DailyView::All ? 1 : 3;
  const int r = plot.Geometry().RowHeight;
  p.setFont(GraphFont(8, f.FontScale));
  const int step = f.Width < 620 ? 2 : 1;
  for (const Panel& panel : ShownPanels(plot, view, f)) {
    // Blank from the top label down, not the panel's eleventh row: the year and the panel's
    // title stand there and stay readable when January is at the left edge.
    const int top = panel.Baseline - kGridLines * r * m - Scaled(f, 8);
    p.fillRect(QRect(QPoint(1, top), QPoint(Scaled(f, 20), panel.Baseline)), Qt::white);
    p.setPen(Qt::black);
    for (int k = step; k <= kGridLines; k += step) {
      const QString text =
          PadToWidth(p.fontMetrics(), QString::number(plot.AxisLabel(k)), Scaled(f, 30));
      TextAt(p, Scaled(f, 10), panel.Baseline - k * r * m - Scaled(f, 8), text);
    }
  }
  p.restore();
}

}  // namespace ardeno
