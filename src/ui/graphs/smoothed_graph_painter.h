#pragma once
// Paints the smoothed graphs (monthly means and their 13-month running mean) and the
// north-south asymmetry graphs from prepared values, for the window, saved pictures,
// ardeno-render and the printer alike.
#include <QString>

#include "core/graphs/month_series.h"
#include "core/graphs/record_asymmetry.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/graphs/smoothed_graph_layout.h"

class QPainter;

namespace ardeno {

// The values the graphs need, prepared once per change of the data or of the selection.
struct SmoothedPicture {
  SmoothedIndex Index = SmoothedIndex::G;
  MonthSeries Months;
  RecordAsymmetry Records;
  // Monthly and yearly asymmetry bars, one per period from that of the first record: the value
  // of the selected index in the chosen kind, and whether the period had data.
  struct Bar {
    int EndDay = 0;  // last day of the period on the asymmetry time axis
    double Value = 0;
    bool Present = false;
  };
  std::vector<Bar> MonthBars;
  std::vector<Bar> YearBars;
};

struct SmoothedState {
  bool Asymmetry = false;
  SmoothedView View = SmoothedView::Whole;
  AsymmetryDiagram Diagram = AsymmetryDiagram::PerRecord;
  AsymmetryKind Kind = AsymmetryKind::Ratio;
  int Compression = 1;
  int Scroll = 0;
  int Width = 0;
  int Height = 0;
};

// "Počet skupin   celkový" or " Asymetrie  sever-jih   graf  -  Počet skupin".
QString SmoothedCaption(const SmoothedPicture& picture, const SmoothedState& state);
// The width of the whole graph in pixels, for the scroll range.
int SmoothedContentWidth(const SmoothedPicture& picture, const SmoothedState& state);

void PaintSmoothedGraph(QPainter& painter, const SmoothedPicture& picture,
                        const SmoothedState& state);
// "Stupnice": value labels at the left edge, without the scroll offset.
void PaintSmoothedScale(QPainter& painter, const SmoothedPicture& picture,
                        const SmoothedState& state);

}  // namespace ardeno
