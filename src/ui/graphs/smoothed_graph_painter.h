// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the smoothed graphs (monthly means and their 13-month running mean) and the
// north-south asymmetry graphs from prepared values, for the window, saved pictures,
// ardeno-render and the printer alike.
#include <QString>
#include <optional>

#include "core/graphs/smoothed_graph_layout.h"
#include "core/graphs/smoothed_picture.h"

class QPainter;

namespace ardeno {

struct SmoothedState {
  bool Asymmetry = false;
  SmoothedView View = SmoothedView::Whole;
  AsymmetryDiagram Diagram = AsymmetryDiagram::PerRecord;
  AsymmetryKind Kind = AsymmetryKind::Ratio;
  int Compression = 1;
  int Scroll = 0;
  int Width = 0;
  int Height = 0;
  // Set while the "Brusel R" comparison is shown with the relative number: the factor of the
  // official curve.
  std::optional<float> BrusselsFactor;
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
