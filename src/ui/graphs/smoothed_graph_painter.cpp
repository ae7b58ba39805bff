// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/smoothed_graph_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <functional>

#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"
#include "ui/shell/pad_to_width.h"

namespace ardeno {

namespace {

const QColor kGridGrey(200, 200, 200);
const QColor kYearGrey(100, 100, 100);
const QColor kNorthRed(255, 0, 0);
const QColor kSouthBlue(0, 0, 255);
const QColor kBrusselsGreen(0, 150, 0);
constexpr int kLabelWidth = 30;
constexpr int kMonthlyDays = 30;
constexpr int kYearlyDays = 365;

int Unit(const SmoothedPicture& picture, const SmoothedState& state) {
  if (state.Asymmetry && state.Kind == AsymmetryKind::Ratio) return kRatioUnit;
  return SmoothedIndexInfoOf(picture.Index).Unit;
}

// The grid labels: the index's unit per row, or shares of the highest value while comparing.
QString RowLabel(const SmoothedPicture& picture, int unit, int row) {
  if (picture.Comparison) return QString::number(100 * row / kSmoothedRows) + QStringLiteral(" %");
  return QString::number(unit * row);
}

// One colour per compared series, in the order of the check boxes.
QColor ComparisonColour(ComparedSeries series) {
  static const QColor colours[kComparedSeriesCount] = {
      QColor(0, 0, 0),     QColor(140, 70, 0),  QColor(220, 0, 0),  QColor(255, 140, 0),
      QColor(160, 0, 160), QColor(0, 160, 160), QColor(0, 0, 220),  QColor(110, 110, 255),
      QColor(0, 150, 0),   QColor(130, 200, 0), QColor(200, 0, 120)};
  return colours[static_cast<int>(series) - 1];
}

// --- smoothed mode ---

void PaintSmoothedFrame(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s,
                        const SmoothedLayout& layout) {
  const MonthSeries& months = picture.Months;
  const int unit = Unit(picture, s);
  const int right = std::max(s.Width, SmoothedContentWidth(picture, s) - s.Scroll);
  p.setFont(GraphFont(8));
  for (int i = 1; i <= kSmoothedRows; ++i) {
    p.setPen(kGridGrey);
    p.drawLine(kSmoothedLeft - s.Scroll, layout.GridY(i), right, layout.GridY(i));
    if (i >= kSmoothedRows) continue;
    p.setPen(Qt::black);
    TextAt(p, -s.Scroll, layout.GridY(i) - 7,
           PadToWidth(p.fontMetrics(), RowLabel(picture, unit, i), kLabelWidth));
  }
  if (months.Count() > 0) {
    int lastYear = months.LastYear();
    if (picture.Comparison && picture.Comparison->LastMonth() > 0)
      lastYear = std::max(lastYear, months.FirstYear + (picture.Comparison->LastMonth() - 1) / 12);
    const auto label = [&layout](int year) {
      return layout.ShortYears() ? QString::number(year % 100).rightJustified(2, '0')
                                 : QString::number(year);
    };
    const int step = layout.YearLabelStep(p.fontMetrics().horizontalAdvance(label(2000)));
    for (int year = months.FirstYear; year <= lastYear; ++year) {
      const int x = layout.MonthX((year - months.FirstYear) * 12 + 1) - s.Scroll;
      if (x < -40 || x > s.Width) continue;
      p.setPen(kGridGrey);
      p.drawLine(x, 0, x, layout.PlotHeight);
      p.setPen(Qt::black);
      if (year % step == 0) TextAt(p, x + 2, layout.PlotHeight + 4, label(year));
    }
  }
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(kSmoothedLeft - s.Scroll, layout.PlotHeight, right, layout.PlotHeight);
  p.drawLine(kSmoothedLeft - s.Scroll, 0, kSmoothedLeft - s.Scroll, layout.PlotHeight);
}

// A curve through the months that have a value, broken where a month has none; a month alone
// between gaps is a point.
void PaintMonthRuns(QPainter& p, int firstMonth, int count,
                    const std::function<std::optional<double>(int)>& valueAt, int unit,
                    const SmoothedLayout& layout, int scroll) {
  QPolygon run;
  const auto flush = [&] {
    if (run.size() == 1)
      p.drawPoint(run.front());
    else if (run.size() > 1)
      p.drawPolyline(run);
    run.clear();
  };
  for (int i = 0; i < count; ++i) {
    const std::optional<double> value = valueAt(i);
    if (!value) {
      flush();
      continue;
    }
    run << QPoint(layout.MonthX(firstMonth + i) - scroll, layout.ValueY(*value, unit));
  }
  flush();
}

void PaintMonthlyCurve(QPainter& p, const MonthSeries& months, const MonthlyValues& values,
                       int unit, const SmoothedLayout& layout, int scroll, const QPen& pen) {
  p.setPen(pen);
  PaintMonthRuns(
      p, months.FirstMonth, months.Count(),
      [&](int i) { return values[static_cast<std::size_t>(i)]; }, unit, layout, scroll);
}

void PaintSmoothedCurve(QPainter& p, const MonthSeries& months, const MonthlyValues& values,
                        int unit, const SmoothedLayout& layout, int scroll, const QColor& colour) {
  p.setPen(QPen(colour, 2));
  PaintMonthRuns(
      p, months.FirstMonth, months.Count(), [&](int i) { return SmoothedMean(values, i); }, unit,
      layout, scroll);
}

// The official numbers' smoothed course times the factor, over the months of the series.
void PaintBrussels(QPainter& p, const ReferenceMonths& brussels, float factor, int unit,
                   const SmoothedLayout& layout, int scroll) {
  p.setPen(QPen(kBrusselsGreen, 2));
  PaintMonthRuns(
      p, brussels.FirstMonth, static_cast<int>(brussels.Values.size()),
      [&](int i) -> std::optional<double> {
        const std::optional<double> mean = SmoothedMean(brussels.Values, i);
        if (!mean) return std::nullopt;
        return static_cast<double>(static_cast<float>(*mean) * factor);
      },
      unit, layout, scroll);
}

// The chosen curves together, each up to its own highest value, and their legend.
void PaintComparison(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s,
                     const SmoothedLayout& layout) {
  const ComparisonPicture& comparison = *picture.Comparison;
  for (const ComparisonCurve& curve : comparison.Curves) {
    QPolygon line;
    for (std::size_t i = 0; i < curve.Months.size(); ++i)
      line << QPoint(layout.MonthX(curve.Months[i]) - s.Scroll, layout.ShareY(curve.PerMille[i]));
    // Two pixels thick as two one-pixel lines: thin lines take the painter's fast path, which
    // keeps eight curves over decades well inside a frame's time.
    p.setPen(QPen(ComparisonColour(curve.Series), 1));
    for (int pass = 0; pass < 2; ++pass) {
      if (line.size() == 1)
        p.drawPoint(line.front());
      else
        p.drawPolyline(line);
      line.translate(0, 1);
    }
  }
  p.setFont(GraphFont(8));
  const int lineHeight = p.fontMetrics().height() + 2;
  int y = layout.GridY(kSmoothedRows) + 4;
  for (const ComparisonCurve& curve : comparison.Curves) {
    const int x = kSmoothedLeft + 40;
    p.setPen(QPen(ComparisonColour(curve.Series), 3));
    p.drawLine(x, y + lineHeight / 2, x + 24, y + lineHeight / 2);
    p.setPen(Qt::black);
    TextAt(p, x + 30, y, QString::fromStdString(ComparisonLegendText(curve, picture.Flux)));
    y += lineHeight;
  }
}

void PaintSmoothedMode(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s) {
  const SmoothedLayout layout = SmoothedLayoutFor(s.Height, s.Compression);
  PaintSmoothedFrame(p, picture, s, layout);
  if (picture.Comparison) {
    PaintComparison(p, picture, s, layout);
    return;
  }
  const MonthSeries& months = picture.Months;
  const int unit = Unit(picture, s);
  if (s.View == SmoothedView::Both) {
    PaintSmoothedCurve(p, months, months.North, unit, layout, s.Scroll, kNorthRed);
    PaintSmoothedCurve(p, months, months.South, unit, layout, s.Scroll, kSouthBlue);
    return;
  }
  if (s.BrusselsFactor && picture.Index == SmoothedIndex::R && !picture.Brussels.Values.empty())
    PaintBrussels(p, picture.Brussels, *s.BrusselsFactor, unit, layout, s.Scroll);
  const MonthlyValues& values = months.Of(s.View);
  const QColor monthly = s.View == SmoothedView::North   ? QColor(255, 150, 150)
                         : s.View == SmoothedView::South ? QColor(150, 150, 255)
                                                         : QColor(150, 150, 150);
  PaintMonthlyCurve(p, months, values, unit, layout, s.Scroll, QPen(monthly, 1));
  PaintSmoothedCurve(p, months, values, unit, layout, s.Scroll, Qt::black);
}

// --- asymmetry mode ---

void PaintAsymmetryFrame(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s,
                         const AsymmetryLayout& layout) {
  const int unit = Unit(picture, s);
  const int right = std::max(s.Width, SmoothedContentWidth(picture, s) - s.Scroll);
  p.setFont(GraphFont(8));
  for (int k = -kAsymmetryRows; k <= kAsymmetryRows; ++k) {
    const int y = layout.ZeroY - k * layout.RowHeight;
    p.setPen(k == 0 ? QColor(Qt::black) : kGridGrey);
    p.drawLine(kAsymmetryLeft - s.Scroll, y, right, y);
    p.setPen(Qt::black);
    TextAt(p, 10 - s.Scroll, y - 7,
           PadToWidth(p.fontMetrics(), QString::number(unit * k), kLabelWidth));
  }
  const MonthSeries& months = picture.Months;
  if (months.Count() == 0) return;
  const int firstMonth = (months.FirstMonth - 1) % 12 + 1;
  const int firstYear = months.FirstYear + (months.FirstMonth - 1) / 12;
  const int lastDay = picture.Records.Day.empty() ? 1 : picture.Records.Day.back();
  const int bottom = layout.ZeroY + kAsymmetryRows * layout.RowHeight;
  const int top = layout.ZeroY - kAsymmetryRows * layout.RowHeight;
  const QFont monthFont = GraphFont(7);
  const QFont yearFont = GraphFont(9);
  p.setFont(monthFont);
  for (const AxisMonth& month : AsymmetryAxisMonths(firstYear, firstMonth, lastDay + 31)) {
    const int x = layout.DayX(month.Day) - s.Scroll;
    if (x < -40 || x > s.Width) continue;
    if (month.Month == 1) {
      p.setPen(QPen(kYearGrey, 2));
      p.drawLine(x, top, x, bottom);
      p.setPen(Qt::black);
      p.setFont(yearFont);
      TextAt(p, x + 3, bottom + 16, QString::number(month.Year));
      p.setFont(monthFont);
    }
    p.setPen(Qt::black);
    p.drawLine(x, bottom, x, bottom + 4);
    const int step = layout.MonthLabelStep();
    if (step > 0 && (month.Month - 1) % step == 0)
      TextAt(p, x + 1, bottom + 4, QString::number(month.Month));
  }
}

void PaintRecordBars(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s,
                     const AsymmetryLayout& layout) {
  const int unit = Unit(picture, s);
  const RecordAsymmetry& records = picture.Records;
  // Bars of one pixel column overlap from the zero line: only the highest and the lowest show,
  // so each column draws at most those two.
  std::vector<int> up(static_cast<std::size_t>(std::max(0, s.Width + 1)), 0);
  std::vector<int> down(up.size(), 0);
  for (std::size_t i = 0; i < records.Day.size(); ++i) {
    const int x = layout.DayX(records.Day[i]) - s.Scroll;
    if (x < 0 || x > s.Width) continue;
    const int height = layout.BarHeight(records.Value[i], unit);
    const std::size_t column = static_cast<std::size_t>(x);
    up[column] = std::max(up[column], height);
    down[column] = std::min(down[column], height);
  }
  for (std::size_t x = 0; x < up.size(); ++x) {
    const int column = static_cast<int>(x);
    if (up[x] > 0) p.fillRect(column, layout.ZeroY - up[x], 1, up[x] + 1, Qt::black);
    if (down[x] < 0) p.fillRect(column, layout.ZeroY, 1, 1 - down[x], Qt::black);
  }
}

void PaintPeriodBars(QPainter& p, const std::vector<AsymmetryBar>& bars, int spanDays, int unit,
                     const SmoothedState& s, const AsymmetryLayout& layout, const QColor& colour) {
  p.setPen(colour);
  p.setBrush(colour);
  for (const AsymmetryBar& bar : bars) {
    const int x2 = layout.DayX(bar.EndDay) - s.Scroll;
    const int x1 = layout.DayX(bar.EndDay - spanDays) - s.Scroll;
    if (x2 < 0 || x1 > s.Width) continue;
    const int height = static_cast<int>(bar.Value * layout.RowHeight / unit);
    p.drawRect(QRect(QPoint(x1, std::min(layout.ZeroY, layout.ZeroY - height)),
                     QPoint(x2, std::max(layout.ZeroY, layout.ZeroY - height))));
  }
  p.setBrush(Qt::NoBrush);
}

void PaintAsymmetryMode(QPainter& p, const SmoothedPicture& picture, const SmoothedState& s) {
  const AsymmetryLayout layout = AsymmetryLayoutFor(s.Height, s.Compression);
  PaintAsymmetryFrame(p, picture, s, layout);
  const int unit = Unit(picture, s);
  switch (s.Diagram) {
    case AsymmetryDiagram::PerRecord:
      PaintRecordBars(p, picture, s, layout);
      break;
    case AsymmetryDiagram::Monthly:
      PaintPeriodBars(p, picture.MonthBars, kMonthlyDays, unit, s, layout, kSouthBlue);
      break;
    case AsymmetryDiagram::Yearly:
      PaintPeriodBars(p, picture.YearBars, kYearlyDays, unit, s, layout, kNorthRed);
      break;
  }
  p.setPen(Qt::black);
  QFont caption = GraphFont(10);
  caption.setPixelSize(20);
  p.setFont(caption);
  TextAt(p, 35, 0, SmoothedCaption(picture, s));
}

}  // namespace

QString SmoothedCaption(const SmoothedPicture& picture, const SmoothedState& state) {
  const QString title =
      QString::fromStdString(SmoothedIndexTitle(SmoothedIndexInfoOf(picture.Index)));
  if (state.Asymmetry)
    return QCoreApplication::translate("Ardeno", " Asymetrie  sever-jih   graf  -  ") + title;
  return title + QString::fromStdString(SmoothedViewText(state.View));
}

int SmoothedContentWidth(const SmoothedPicture& picture, const SmoothedState& state) {
  if (state.Asymmetry) {
    const AsymmetryLayout layout = AsymmetryLayoutFor(state.Height, state.Compression);
    const int lastDay = picture.Records.Day.empty() ? 0 : picture.Records.Day.back();
    return layout.DayX(lastDay) + 150 + (state.Diagram == AsymmetryDiagram::Yearly ? 200 : 0);
  }
  const SmoothedLayout layout = SmoothedLayoutFor(state.Height, state.Compression);
  const MonthSeries& months = picture.Months;
  int lastMonth = months.FirstMonth + std::max(0, months.Count() - 1);
  if (picture.Comparison) lastMonth = std::max(lastMonth, picture.Comparison->LastMonth());
  return layout.MonthX(lastMonth) + 60;
}

void PaintSmoothedGraph(QPainter& painter, const SmoothedPicture& picture,
                        const SmoothedState& state) {
  painter.save();
  if (state.Asymmetry)
    PaintAsymmetryMode(painter, picture, state);
  else
    PaintSmoothedMode(painter, picture, state);
  painter.restore();
}

void PaintSmoothedScale(QPainter& painter, const SmoothedPicture& picture,
                        const SmoothedState& state) {
  painter.save();
  painter.setFont(GraphFont(8));
  const int unit = Unit(picture, state);
  if (state.Asymmetry) {
    const AsymmetryLayout layout = AsymmetryLayoutFor(state.Height, state.Compression);
    // Below the caption: the strip of the eleven labelled lines only.
    painter.fillRect(QRect(0, layout.ZeroY - kAsymmetryRows * layout.RowHeight - 10,
                           kAsymmetryLeft - 2, 2 * kAsymmetryRows * layout.RowHeight + 20),
                     Qt::white);
    painter.setPen(Qt::black);
    for (int k = -kAsymmetryRows; k <= kAsymmetryRows; ++k)
      TextAt(painter, 10, layout.ZeroY - k * layout.RowHeight - 7,
             PadToWidth(painter.fontMetrics(), QString::number(unit * k), kLabelWidth));
  } else {
    const SmoothedLayout layout = SmoothedLayoutFor(state.Height, state.Compression);
    painter.fillRect(QRect(0, 0, kSmoothedLeft - 1, layout.PlotHeight), Qt::white);
    painter.setPen(Qt::black);
    for (int i = 1; i < kSmoothedRows; ++i)
      TextAt(painter, 0, layout.GridY(i) - 7,
             PadToWidth(painter.fontMetrics(), RowLabel(picture, unit, i), kLabelWidth));
  }
  painter.restore();
}

}  // namespace ardeno
