// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the daily graphs from a prepared DailyGraphPlot, so the same code draws the window, a
// saved picture, ardeno-render's PNG and a printed page.
#include <QString>

#include "core/graphs/daily_graph_plot.h"

class QPainter;

namespace ardeno {

// Where and how the panels go: the screen's frame by default; a printed page moves the panels
// down and right and draws thicker curves.
struct DailyFrame {
  int Width = 0;  // client area
  int Height = 0;
  int Scroll = 0;     // horizontal scroll position, subtracted from every x
  int PlotLeft = 50;  // x of day 0 before the scroll
  int Top = 0;        // added to every baseline
  double FontScale = 1.0;
  int WholeCurveWidth = 1;
  int HemisphereCurveWidth = 1;
};

// The view title of each view command, in Czech; the window opens with kDailyOpeningViewTitle.
// A saved picture's name takes the title's first letter, whatever the language shown.
inline constexpr const char* kDailyOpeningViewTitle =
    QT_TRANSLATE_NOOP("Ardeno", "Celkový   Sever   Jih  -");
const char* DailyViewTitle(DailyView view);
// "Graf   " + view title + graph title, in the language of the windows.
QString DailyGraphCaption(const char* viewTitle, const DailyGraphPlot& plot);
// The same in Czech: a picture saved under the caption keeps its name in every language.
QString DailyGraphFileCaption(const char* viewTitle, const DailyGraphPlot& plot);

void PaintDailyGraph(QPainter& painter, const DailyGraphPlot& plot, DailyView view,
                     const DailyFrame& frame);

// "Stupnice": the value labels at the left edge over each shown panel, without the scroll
// offset; below a client width of 620 only every second line is labelled.
void PaintDailyScale(QPainter& painter, const DailyGraphPlot& plot, DailyView view,
                     const DailyFrame& frame);

}  // namespace ardeno
